// Records as the programs read them (raw byte offsets), statuses of bad calls,
// enumeration groups, GigE addressing, the call trace and injected failures.
#include "sdk_test_support.h"

#include <arpa/inet.h>
#include <functional>
#include <ifaddrs.h>
#include <set>

using namespace vexo::test;

namespace {

constexpr uint8_t kFill = 0xA5;

std::string firstGige()
{
    return findSerial(isGige).value_or("");
}

std::string firstUsb()
{
    return findSerial([](const stDeviceInfo &d) { return !isGige(d); }).value_or("");
}

// IPv4 addresses of this machine's interfaces, loopback aside.
std::set<std::string> hostAddresses()
{
    std::set<std::string> out;
    ifaddrs *list = nullptr;
    if (getifaddrs(&list) != 0)
        return out;
    for (ifaddrs *i = list; i; i = i->ifa_next) {
        if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET)
            continue;
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in *>(i->ifa_addr)->sin_addr, text, sizeof text);
        if (std::string(text).rfind("127.", 0) != 0)
            out.insert(text);
    }
    freeifaddrs(list);
    return out;
}

uint32_t addressOf(const std::string &text)
{
    in_addr addr{};
    inet_pton(AF_INET, text.c_str(), &addr);
    return ntohl(addr.s_addr);
}

bool isDottedQuad(const std::string &text)
{
    in_addr addr{};
    return inet_pton(AF_INET, text.c_str(), &addr) == 1;
}

} // namespace

TEST(Enumeration, RecordsAreTerminatedKeyedAndGrouped)
{
    int count = -1;
    ASSERT_EQ(CameraEnumerateDevice(&count), CAMERA_STATUS_SUCCESS);
    ASSERT_GE(count, 2);

    std::set<std::string> serials;
    int gige = 0;
    int usb = 0;
    for (int i = 0; i < count; ++i) {
        unsigned char rec[sizeof(stDeviceInfo)];
        memset(rec, kFill, sizeof rec);
        ASSERT_EQ(CameraGetEnumIndexInfo(i, reinterpret_cast<stDeviceInfo *>(rec)), CAMERA_STATUS_SUCCESS);
        for (size_t off : {0, 32, 64, 256, 288, 320, 356}) {
            const size_t size = off == 64 ? 128 : 32;
            EXPECT_TRUE(terminatedAt(rec, off, size)) << "text at " << off;
        }
        const std::string serial = textAt(rec, 356, 32);
        EXPECT_FALSE(serial.empty());
        EXPECT_TRUE(serials.insert(serial).second) << "duplicate serial " << serial;
        EXPECT_FALSE(textAt(rec, 32, 32).empty()) << "product name";
        const std::string port = textAt(rec, 320, 32);
        (port.find("GigE") != std::string::npos ? gige : usb)++;
        EXPECT_EQ(valueAt<int32_t>(rec, 596), 0) << "nothing is open yet";
        // How the camera is reached: simulated, and a network camera's address.
        EXPECT_EQ(rec[394], CAMERA_LINK_SIMULATED);
        EXPECT_TRUE(terminatedAt(rec, 396, 16));
        if (port.find("GigE") != std::string::npos) {
            stGigeInfo ip{};
            ASSERT_EQ(CameraGigeGetIp(serial.c_str(), &ip), CAMERA_STATUS_SUCCESS);
            EXPECT_EQ(textAt(rec, 396, 16), std::string(ip.acIp));
        } else {
            EXPECT_EQ(textAt(rec, 396, 16), "");
        }
        // Bytes nobody names must not keep stale memory.
        for (size_t b = 412; b < 596; ++b)
            ASSERT_EQ(rec[b], 0) << "reserved byte " << b;
        ASSERT_EQ(rec[395], 0);
    }
    EXPECT_GE(gige, 1);
    EXPECT_GE(usb, 1);
}

TEST(Enumeration, BadArgumentsAreRefused)
{
    int count = 0;
    ASSERT_EQ(CameraEnumerateDevice(&count), CAMERA_STATUS_SUCCESS);
    stDeviceInfo info{};
    EXPECT_NE(CameraEnumerateDevice(nullptr), CAMERA_STATUS_SUCCESS);
    EXPECT_NE(CameraGetEnumIndexInfo(-1, &info), CAMERA_STATUS_SUCCESS);
    EXPECT_NE(CameraGetEnumIndexInfo(count, &info), CAMERA_STATUS_SUCCESS);
    EXPECT_NE(CameraGetEnumIndexInfo(0, nullptr), CAMERA_STATUS_SUCCESS);
}

TEST(Records, CurrentSettingsSitAtTheirOffsets)
{
    const std::string serial = firstGige();
    Camera cam(serial);
    ASSERT_TRUE(cam.ok()) << cam.status();
    const CameraHandle h = cam.handle();

    ASSERT_EQ(CameraSetAeState(h, 0), 0);
    ASSERT_EQ(CameraSetExposureTime(h, 12345.0), 0);
    double exposure = 0;
    ASSERT_EQ(CameraGetExposureTime(h, &exposure), 0);
    ASSERT_EQ(CameraSetWbMode(h, 0), 0);
    ASSERT_EQ(CameraSetGain(h, 150, 110, 90), 0);
    ASSERT_EQ(CameraSetMirror(h, 0, 1), 0);
    ASSERT_EQ(CameraSetMonochrome(h, 1), 0);
    ASSERT_EQ(CameraSetCorrectDeadPixel(h, 1), 0);
    ASSERT_EQ(CameraSetSharpness(h, 37), 0);
    ASSERT_EQ(CameraSetSaturation(h, 99), 0);
    int gain = 0;
    ASSERT_EQ(CameraGetAnalogGain(h, &gain), 0);

    unsigned char rec[sizeof(stCurrentDeviceInfo)];
    memset(rec, kFill, sizeof rec);
    ASSERT_EQ(CameraGetCurDevInfo(h, reinterpret_cast<stCurrentDeviceInfo *>(rec)), 0);
    EXPECT_EQ(textAt(rec, 356, 32), serial);
    EXPECT_EQ(valueAt<int32_t>(rec, 600), 0);
    EXPECT_DOUBLE_EQ(valueAt<double>(rec, 608), exposure);
    EXPECT_NEAR(exposure, 12345.0, 100.0); // rounded to whole sensor lines at most
    EXPECT_EQ(valueAt<uint32_t>(rec, 616), uint32_t(gain));
    EXPECT_EQ(valueAt<int32_t>(rec, 680), 0);
    EXPECT_EQ(valueAt<uint32_t>(rec, 684), 150u);
    EXPECT_EQ(valueAt<uint32_t>(rec, 688), 110u);
    EXPECT_EQ(valueAt<uint32_t>(rec, 692), 90u);
    EXPECT_EQ(valueAt<int32_t>(rec, 764), 37);
    EXPECT_EQ(valueAt<int32_t>(rec, 768), 99);
    EXPECT_EQ(valueAt<int32_t>(rec, 820), 1);
    EXPECT_EQ(valueAt<int32_t>(rec, 824), 0);
    EXPECT_EQ(valueAt<int32_t>(rec, 828), 1);
    EXPECT_EQ(rec[836], 1);
    // The device part is the enumeration record, opened flag included.
    EXPECT_NE(valueAt<int32_t>(rec, 596), 0);
    const double aeMin = valueAt<double>(rec, 632);
    const double aeMax = valueAt<double>(rec, 640);
    EXPECT_GT(aeMax, aeMin);
    EXPECT_GE(aeMin, 0.0);
    const int32_t freq = valueAt<int32_t>(rec, 660);
    EXPECT_TRUE(freq == 1 || freq == 2) << freq;
    const int32_t speed = valueAt<int32_t>(rec, 760);
    EXPECT_TRUE(speed >= 0 && speed <= 2) << speed;

    EXPECT_EQ(CameraLoadParameter(h, CAMERA_PARAMETER_GROUP_DEFAULT), 0);
}

TEST(Records, CapabilityListsArePlausible)
{
    Camera cam(firstGige());
    ASSERT_TRUE(cam.ok());
    unsigned char rec[sizeof(stCameraCapability)];
    memset(rec, kFill, sizeof rec);
    ASSERT_EQ(CameraGetCapability(cam.handle(), reinterpret_cast<stCameraCapability *>(rec)), 0);

    const int32_t width = valueAt<int32_t>(rec, 0);
    const int32_t height = valueAt<int32_t>(rec, 4);
    EXPECT_GT(width, 0);
    EXPECT_GT(height, 0);
    EXPECT_GT(valueAt<int32_t>(rec, 12), 0) << "frame rate";
    EXPECT_LT(valueAt<int32_t>(rec, 336), valueAt<int32_t>(rec, 340)) << "analog gain range";
    EXPECT_LT(valueAt<int32_t>(rec, 344), valueAt<int32_t>(rec, 348)) << "exposure line range";
    EXPECT_GE(valueAt<int32_t>(rec, 228), 0);
    EXPECT_GE(valueAt<int32_t>(rec, 232), 0);

    const auto *sizes = valueAt<const stImageResolution *>(rec, 136);
    const int32_t sizeCount = valueAt<int32_t>(rec, 144);
    ASSERT_NE(sizes, nullptr);
    ASSERT_GE(sizeCount, 1);
    for (int i = 0; i < sizeCount; ++i) {
        const stImageResolution &r = sizes[i];
        EXPECT_TRUE(terminatedAt(&r, 4, 32));
        EXPECT_GT(r.iWidth, 0);
        EXPECT_LE(r.iHOffsetFOV + r.iWidthFOV, width);
        EXPECT_LE(r.iVOffsetFOV + r.iHeightFOV, height);
    }
    const auto *media = valueAt<const stMediaTypeDesc *>(rec, 168);
    const int32_t mediaCount = valueAt<int32_t>(rec, 176);
    ASSERT_NE(media, nullptr);
    ASSERT_GE(mediaCount, 1);
    EXPECT_TRUE(terminatedAt(&media[0], 4, 32));

    const auto *luts = valueAt<const stLutPresetDesc *>(rec, 240);
    const int32_t lutCount = valueAt<int32_t>(rec, 248);
    if (lutCount > 0) {
        ASSERT_NE(luts, nullptr);
        std::set<std::string> names;
        for (int i = 0; i < lutCount; ++i)
            names.insert(textAt(&luts[i], 4, 32));
        EXPECT_TRUE(names.count("直线") && names.count("曲线1") && names.count("曲线2"));
    }
}

// Callers pass buffers of the documented size and nothing more: bytes past it
// belong to someone else.
TEST(Records, IdentityAndVersionTextsFitTheirBuffers)
{
    const std::string serial = firstGige();
    Camera cam(serial);
    ASSERT_TRUE(cam.ok());
    const CameraHandle h = cam.handle();
    auto fill = [&](size_t size, const std::function<CameraSdkStatus(char *)> &call) {
        std::vector<char> buf(size + 16, char(kFill));
        EXPECT_EQ(call(buf.data()), 0);
        EXPECT_TRUE(terminatedAt(buf.data(), 0, size));
        for (size_t i = size; i < buf.size(); ++i)
            EXPECT_EQ(uint8_t(buf[i]), kFill) << "wrote past the " << size << "-byte buffer";
        return textAt(buf.data(), 0, size);
    };
    EXPECT_EQ(fill(CAMERA_TEXT_BUFFER, [&](char *b) { return CameraReadSN(h, b, 0); }), serial);
    fill(CAMERA_TEXT_BUFFER, [&](char *b) { return CameraGetFriendlyName(h, b); });
    EXPECT_FALSE(fill(CAMERA_VERSION_BUFFER, [&](char *b) { return CameraGetFirmwareVision(h, b); }).empty());
    fill(CAMERA_VERSION_BUFFER, [&](char *b) { return CameraGetInerfaceVersion(h, b); });
    EXPECT_FALSE(
        fill(CAMERA_SDK_VERSION_BUFFER, [](char *b) { return CameraSdkGetVersionString(b); }).empty());
    EXPECT_NE(CameraSdkGetVersionString(nullptr), 0);
    char unused[CAMERA_TEXT_BUFFER];
    EXPECT_NE(CameraReadSN(h, unused, 7), 0) << "only the device serial exists";
}

TEST(Statuses, InvalidHandlesAreRefused)
{
    const CameraHandle bogus = reinterpret_cast<CameraHandle>(uintptr_t(0x1234));
    int value = 0;
    for (CameraHandle h : {CameraHandle(nullptr), bogus}) {
        EXPECT_EQ(CameraPlay(h), CAMERA_STATUS_INVALID_HANDLE);
        EXPECT_EQ(CameraGetAeState(h, &value), CAMERA_STATUS_INVALID_HANDLE);
        EXPECT_EQ(CameraSetSharpness(h, 1), CAMERA_STATUS_INVALID_HANDLE);
        EXPECT_EQ(CameraUnInit(h), CAMERA_STATUS_INVALID_HANDLE);
    }
    // A closed handle is dead even though the camera can be opened again.
    Camera cam(firstGige());
    ASSERT_TRUE(cam.ok());
    const CameraHandle stale = cam.handle();
    cam.close();
    EXPECT_EQ(CameraGetAeState(stale, &value), CAMERA_STATUS_INVALID_HANDLE);
    EXPECT_EQ(CameraUnInit(stale), CAMERA_STATUS_INVALID_HANDLE);
    CameraFrameHandle frame = nullptr;
    EXPECT_EQ(CameraGetRawImageBuffer(stale, &frame, 10), CAMERA_STATUS_INVALID_HANDLE);
}

TEST(Statuses, OpenRefusesUnknownAndNullSerials)
{
    CameraHandle h = nullptr;
    EXPECT_NE(CameraInitEx3(&h, "NO-SUCH-CAMERA"), 0);
    EXPECT_EQ(h, nullptr);
    EXPECT_NE(CameraInitEx3(&h, nullptr), 0);
    EXPECT_NE(CameraInitEx3(nullptr, firstGige().c_str()), 0);
    const std::string longSerial(4096, 'S');
    EXPECT_NE(CameraInitEx3(&h, longSerial.c_str()), 0);
}

TEST(Statuses, NullOutputPointersAreRefused)
{
    Camera cam(firstGige());
    ASSERT_TRUE(cam.ok());
    const CameraHandle h = cam.handle();
    int a = 0;
    EXPECT_NE(CameraGetCurDevInfo(h, nullptr), 0);
    EXPECT_NE(CameraGetCapability(h, nullptr), 0);
    EXPECT_NE(CameraGetResolution(h, nullptr), 0);
    EXPECT_NE(CameraGetExposureTime(h, nullptr), 0);
    EXPECT_NE(CameraGetGain(h, nullptr, &a, &a), 0);
    EXPECT_NE(CameraGetGain(h, &a, &a, nullptr), 0);
    EXPECT_NE(CameraGetCrossLine(h, 0, nullptr, &a, nullptr, &a), 0);
    EXPECT_NE(CameraGetFrameStatistic(h, nullptr), 0);
    EXPECT_NE(CameraGetRawImageBuffer(h, nullptr, 10), 0);
    EXPECT_NE(CameraReadSN(h, nullptr, 0), 0);
    EXPECT_NE(CameraGetFriendlyName(h, nullptr), 0);
    EXPECT_NE(CameraSetFriendlyName(h, nullptr), 0);
    EXPECT_NE(CameraGetOutImageSize(h, nullptr, &a), 0);
    EXPECT_NE(CameraSetResolutionEx(h, nullptr), 0);
    EXPECT_NE(CameraSaveParameterToFile(h, nullptr), 0);
    EXPECT_NE(CameraReadParameterFromFile(h, nullptr), 0);
    EXPECT_NE(CameraUpgrade(h, nullptr, nullptr, nullptr), 0);
    EXPECT_NE(CameraGetIntValue(h, CAMERA_INT_CHANNEL_COUNT, nullptr), 0);
    stImageInfo info{};
    EXPECT_NE(CameraGetOutImageBuffer(h, &info, nullptr, nullptr), 0);
    EXPECT_NE(CameraImageOverlay(h, nullptr, &info), 0);
    EXPECT_NE(CameraSaveImage(h, "x", nullptr, &info, FILE_BMP, 100), 0);

    // A lent frame's head and pixels: both outputs are required, as the header says.
    ASSERT_EQ(CameraPlay(h), 0);
    CameraFrameHandle frame = nullptr;
    ASSERT_EQ(CameraGetRawImageBuffer(h, &frame, 2000), 0);
    BYTE *raw = nullptr;
    EXPECT_EQ(CameraGetImageInfo(h, frame, &info, nullptr), CAMERA_STATUS_INVALID_ARGUMENT);
    EXPECT_EQ(CameraGetImageInfo(h, frame, nullptr, &raw), CAMERA_STATUS_INVALID_ARGUMENT);
    EXPECT_EQ(CameraGetImageInfo(h, frame, &info, &raw), 0);
    EXPECT_NE(raw, nullptr);
    EXPECT_EQ(CameraReleaseFrameHandle(h, frame), 0);
}

// Every getter: the camera's answer with all outputs, -3 for any one output
// missing, -2 for a handle that is not open, whatever the outputs.
TEST(Statuses, GettersCheckTheirHandleAndEveryOutput)
{
    Camera cam(firstGige());
    ASSERT_TRUE(cam.ok());
    using Getter = std::function<CameraSdkStatus(CameraHandle, const std::vector<void *> &)>;
    const auto out = [](const std::vector<void *> &p, size_t i) { return p[i]; };
    const auto i = [&](const std::vector<void *> &p, size_t k) { return static_cast<int *>(out(p, k)); };
    const auto u = [&](const std::vector<void *> &p, size_t k) { return static_cast<uint32_t *>(out(p, k)); };
    const auto d = [&](const std::vector<void *> &p, size_t k) { return static_cast<double *>(out(p, k)); };
    const auto c = [&](const std::vector<void *> &p, size_t k) { return static_cast<char *>(out(p, k)); };
    struct Case
    {
        const char *name;
        size_t outputs;
        Getter get;
    };
    const Case cases[] = {
        {"FriendlyName", 1, [&](CameraHandle h, auto &p) { return CameraGetFriendlyName(h, c(p, 0)); }},
        {"DeviceType", 1, [&](CameraHandle h, auto &p) { return CameraGetDeviceType(h, u(p, 0)); }},
        {"FirmwareVision", 1, [&](CameraHandle h, auto &p) { return CameraGetFirmwareVision(h, c(p, 0)); }},
        {"InerfaceVersion", 1, [&](CameraHandle h, auto &p) { return CameraGetInerfaceVersion(h, c(p, 0)); }},
        {"IspOutFormat", 1, [&](CameraHandle h, auto &p) { return CameraGetIspOutFormat(h, u(p, 0)); }},
        {"OutImageSize", 2,
         [&](CameraHandle h, auto &p) { return CameraGetOutImageSize(h, i(p, 0), i(p, 1)); }},
        {"Capability", 1,
         [&](CameraHandle h, auto &p) {
             return CameraGetCapability(h, static_cast<stCameraCapability *>(p[0]));
         }},
        {"Resolution", 1,
         [&](CameraHandle h, auto &p) {
             return CameraGetResolution(h, static_cast<stImageResolution *>(p[0]));
         }},
        {"CurDevInfo", 1,
         [&](CameraHandle h, auto &p) {
             return CameraGetCurDevInfo(h, static_cast<stCurrentDeviceInfo *>(p[0]));
         }},
        {"AeState", 1, [&](CameraHandle h, auto &p) { return CameraGetAeState(h, i(p, 0)); }},
        {"ExposureTime", 1, [&](CameraHandle h, auto &p) { return CameraGetExposureTime(h, d(p, 0)); }},
        {"ExposureLineTime", 1,
         [&](CameraHandle h, auto &p) { return CameraGetExposureLineTime(h, d(p, 0)); }},
        {"AnalogGain", 1, [&](CameraHandle h, auto &p) { return CameraGetAnalogGain(h, i(p, 0)); }},
        {"AeTarget", 1, [&](CameraHandle h, auto &p) { return CameraGetAeTarget(h, i(p, 0)); }},
        {"AeExposureRange", 2,
         [&](CameraHandle h, auto &p) { return CameraGetAeExposureRange(h, d(p, 0), d(p, 1)); }},
        {"AeAnalogGainRange", 2,
         [&](CameraHandle h, auto &p) { return CameraGetAeAnalogGainRange(h, i(p, 0), i(p, 1)); }},
        {"AntiFlick", 1, [&](CameraHandle h, auto &p) { return CameraGetAntiFlick(h, i(p, 0)); }},
        {"LightFrequency", 1, [&](CameraHandle h, auto &p) { return CameraGetLightFrequency(h, i(p, 0)); }},
        {"WbMode", 1, [&](CameraHandle h, auto &p) { return CameraGetWbMode(h, i(p, 0)); }},
        {"Gain", 3, [&](CameraHandle h, auto &p) { return CameraGetGain(h, i(p, 0), i(p, 1), i(p, 2)); }},
        {"Saturation", 1, [&](CameraHandle h, auto &p) { return CameraGetSaturation(h, i(p, 0)); }},
        {"Monochrome", 1, [&](CameraHandle h, auto &p) { return CameraGetMonochrome(h, i(p, 0)); }},
        {"FrameSpeed", 1, [&](CameraHandle h, auto &p) { return CameraGetFrameSpeed(h, i(p, 0)); }},
        {"Sharpness", 1, [&](CameraHandle h, auto &p) { return CameraGetSharpness(h, i(p, 0)); }},
        {"Contrast", 1, [&](CameraHandle h, auto &p) { return CameraGetContrast(h, i(p, 0)); }},
        {"CorrectDeadPixel", 1,
         [&](CameraHandle h, auto &p) { return CameraGetCorrectDeadPixel(h, i(p, 0)); }},
        {"SensorOutPixelFormat", 1,
         [&](CameraHandle h, auto &p) { return CameraGetSensorOutPixelFormat(h, u(p, 0)); }},
        {"LutMode", 1, [&](CameraHandle h, auto &p) { return CameraGetLutMode(h, i(p, 0)); }},
        {"Gamma", 1, [&](CameraHandle h, auto &p) { return CameraGetGamma(h, i(p, 0)); }},
        {"ContrastLut", 1, [&](CameraHandle h, auto &p) { return CameraGetContrastLut(h, i(p, 0)); }},
        {"LutPresetSel", 1, [&](CameraHandle h, auto &p) { return CameraGetLutPresetSel(h, i(p, 0)); }},
        {"TriggerMode", 1, [&](CameraHandle h, auto &p) { return CameraGetTriggerMode(h, i(p, 0)); }},
        {"TriggerFrameCount", 1,
         [&](CameraHandle h, auto &p) { return CameraGetTriggerFrameCount(h, i(p, 0)); }},
        {"TriggerDelayTime", 1,
         [&](CameraHandle h, auto &p) { return CameraGetTriggerDelayTime(h, u(p, 0)); }},
        {"CurrentParameterGroup", 1,
         [&](CameraHandle h, auto &p) { return CameraGetCurrentParameterGroup(h, i(p, 0)); }},
        {"ParameterMode", 1, [&](CameraHandle h, auto &p) { return CameraGetParameterMode(h, i(p, 0)); }},
        {"TransPacketSize", 1,
         [&](CameraHandle h, auto &p) { return CameraGigeGetTransPacketSize(h, u(p, 0)); }},
        {"PacketDelayTime", 1,
         [&](CameraHandle h, auto &p) { return CameraGigeGetPacketDelayTime(h, u(p, 0)); }},
    };
    const CameraHandle bogus = reinterpret_cast<CameraHandle>(uintptr_t(0x1234));
    for (const Case &test : cases) {
        SCOPED_TRACE(test.name);
        // Room for the largest record any getter fills.
        std::vector<std::vector<uint8_t>> room(test.outputs,
                                               std::vector<uint8_t>(sizeof(stCurrentDeviceInfo)));
        std::vector<void *> outputs;
        for (auto &r : room)
            outputs.push_back(r.data());
        EXPECT_EQ(test.get(cam.handle(), outputs), CAMERA_STATUS_SUCCESS);
        EXPECT_EQ(test.get(bogus, outputs), CAMERA_STATUS_INVALID_HANDLE);
        for (size_t missing = 0; missing < test.outputs; ++missing) {
            std::vector<void *> holed = outputs;
            holed[missing] = nullptr;
            EXPECT_EQ(test.get(cam.handle(), holed), CAMERA_STATUS_INVALID_ARGUMENT) << "output " << missing;
        }
    }
}

TEST(Statuses, OutOfRangeValuesAreRefusedAndNotStored)
{
    Camera cam(firstGige());
    ASSERT_TRUE(cam.ok());
    const CameraHandle h = cam.handle();

    int before = 0;
    int after = 0;
    ASSERT_EQ(CameraGetSaturation(h, &before), 0);
    EXPECT_NE(CameraSetSaturation(h, 256), 0);
    EXPECT_NE(CameraSetSaturation(h, -1), 0);
    ASSERT_EQ(CameraGetSaturation(h, &after), 0);
    EXPECT_EQ(before, after);

    int r0, g0, b0, r1, g1, b1;
    ASSERT_EQ(CameraGetGain(h, &r0, &g0, &b0), 0);
    EXPECT_NE(CameraSetGain(h, 401, 100, 100), 0);
    EXPECT_NE(CameraSetGain(h, 100, -1, 100), 0);
    ASSERT_EQ(CameraGetGain(h, &r1, &g1, &b1), 0);
    EXPECT_EQ(std::tie(r0, g0, b0), std::tie(r1, g1, b1));

    EXPECT_NE(CameraSetSharpness(h, 101), 0);
    EXPECT_NE(CameraSetContrast(h, 101), 0);
    EXPECT_NE(CameraSetGamma(h, 1001), 0);
    EXPECT_NE(CameraSetContrastLut(h, 201), 0);
    EXPECT_NE(CameraSetFrameSpeed(h, 3), 0);
    EXPECT_NE(CameraSetMirror(h, 2, 1), 0);
    EXPECT_NE(CameraSetLightFrequency(h, 3), 0);
    EXPECT_NE(CameraSetTriggerMode(h, 3), 0);
    EXPECT_NE(CameraSetCrossLine(h, CAMERA_CROSSLINE_COUNT, 1, 1, 0xff, 1), 0);
    EXPECT_NE(CameraSetCrossLine(h, -1, 1, 1, 0xff, 1), 0);
    EXPECT_NE(CameraSaveParameter(h, 4), 0);
    EXPECT_NE(CameraLoadParameter(h, 7), 0);
    EXPECT_NE(CameraSetParameterMode(h, 3), 0);
    EXPECT_NE(CameraSetResolution(h, 9999), 0);
    EXPECT_NE(CameraSetIspOutFormat(h, 0xdeadbeef), 0);
    EXPECT_NE(CameraSetSensorOutPixelFormat(h, 0xdeadbeef), 0);

    stCameraCapability cap{};
    ASSERT_EQ(CameraGetCapability(h, &cap), 0);
    EXPECT_NE(CameraSetAnalogGain(h, cap.iAnalogGainMax + 1), 0);
    EXPECT_NE(CameraSetExposureTime(h, -5.0), 0);
    EXPECT_NE(CameraSetInputIOMode(h, cap.iInputIoCounts, 0), 0);
    EXPECT_NE(CameraSetOutputIOMode(h, cap.iOutputIoCounts, 0), 0);
    EXPECT_NE(CameraSetStrobeMode(h, -1, 0), 0);
    int value = 0;
    EXPECT_NE(CameraGetIntValue(h, 12345, &value), 0);
}

TEST(Nickname, StoredBoundedAndSeenByEnumeration)
{
    const std::string serial = firstGige();
    {
        Camera cam(serial);
        ASSERT_TRUE(cam.ok());
        ASSERT_EQ(CameraSetFriendlyName(cam.handle(), "Line 3 – 检测"), 0);
        char name[CAMERA_TEXT_BUFFER] = {};
        ASSERT_EQ(CameraGetFriendlyName(cam.handle(), name), 0);
        EXPECT_STREQ(name, "Line 3 – 检测");

        // A name that does not fit the 128-byte field is refused, not cut.
        const std::string tooLong(200, 'n');
        EXPECT_NE(CameraSetFriendlyName(cam.handle(), tooLong.c_str()), 0);
        ASSERT_EQ(CameraGetFriendlyName(cam.handle(), name), 0);
        EXPECT_STREQ(name, "Line 3 – 检测");
    }
    ASSERT_TRUE(enumerated(serial));
    for (const stDeviceInfo &d : enumerate()) {
        if (textAt(&d, 356, 32) == serial) {
            EXPECT_EQ(textAt(&d, 64, 128), "Line 3 – 检测");
        }
    }
}

TEST(Gige, AddressReadAndWrittenBySerialWithoutOpening)
{
    const std::string serial = firstGige();
    unsigned char rec[sizeof(stGigeInfo)];
    memset(rec, kFill, sizeof rec);
    ASSERT_EQ(CameraGigeGetIp(serial.c_str(), reinterpret_cast<stGigeInfo *>(rec)), 0);
    for (size_t off : {64, 80, 96, 116, 132, 148})
        ASSERT_TRUE(terminatedAt(rec, off, 16)) << off;
    EXPECT_TRUE(isDottedQuad(textAt(rec, 116, 16))) << textAt(rec, 116, 16);
    EXPECT_TRUE(isDottedQuad(textAt(rec, 132, 16))) << textAt(rec, 132, 16);
    EXPECT_TRUE(isDottedQuad(textAt(rec, 64, 16))) << textAt(rec, 64, 16);
    EXPECT_TRUE(isDottedQuad(textAt(rec, 80, 16))) << textAt(rec, 80, 16);
    EXPECT_FALSE(textAt(rec, 0, 32).empty()) << "host interface name";
    const uint8_t zeroMac[6] = {};
    EXPECT_NE(memcmp(rec + 164, zeroMac, 6), 0);
    // The address tool offers the range of the interface that reaches the camera.
    const std::set<std::string> host = hostAddresses();
    if (!host.empty()) {
        EXPECT_EQ(host.count(textAt(rec, 64, 16)), 1u) << textAt(rec, 64, 16) << " is not an interface here";
        const uint32_t mask = addressOf(textAt(rec, 80, 16));
        EXPECT_EQ(addressOf(textAt(rec, 116, 16)) & mask, addressOf(textAt(rec, 64, 16)) & mask)
            << "a fresh camera sits in its interface's subnet";
    }

    stGigeInfo info;
    memcpy(&info, rec, sizeof info);
    info.iIpMode = 1;
    strcpy(info.acIp, "192.168.77.20");
    strcpy(info.acMask, "255.255.255.0");
    strcpy(info.acGateway, "192.168.77.1");
    ASSERT_EQ(CameraGigeSetIp(serial.c_str(), &info), 0);

    stGigeInfo back{};
    ASSERT_EQ(CameraGigeGetIp(serial.c_str(), &back), 0);
    EXPECT_STREQ(back.acIp, "192.168.77.20");
    EXPECT_STREQ(back.acMask, "255.255.255.0");
    EXPECT_STREQ(back.acGateway, "192.168.77.1");
    EXPECT_NE(back.iIpMode, 0);
    EXPECT_EQ(memcmp(back.abMac, rec + 164, 6), 0) << "the MAC never changes";
}

TEST(Gige, InvalidAddressesAreRefusedAndChangeNothing)
{
    const std::string serial = firstGige();
    stGigeInfo good{};
    ASSERT_EQ(CameraGigeGetIp(serial.c_str(), &good), 0);

    const char *badIps[] = {"", "300.1.1.1", "1.2.3", "a.b.c.d", "1.2.3.4.5", "1.2.3.-4", " 1.2.3.4"};
    for (const char *ip : badIps) {
        stGigeInfo info = good;
        info.iIpMode = 1;
        memset(info.acIp, 0, sizeof info.acIp);
        strncpy(info.acIp, ip, sizeof info.acIp - 1);
        EXPECT_NE(CameraGigeSetIp(serial.c_str(), &info), 0) << '"' << ip << '"';
    }
    stGigeInfo badMask = good;
    badMask.iIpMode = 1;
    strcpy(badMask.acMask, "255.0.255.0");
    EXPECT_NE(CameraGigeSetIp(serial.c_str(), &badMask), 0) << "non-contiguous mask";

    // A field without its terminating NUL must not be read past.
    stGigeInfo unterminated = good;
    unterminated.iIpMode = 1;
    memset(unterminated.acIp, '1', sizeof unterminated.acIp);
    EXPECT_NE(CameraGigeSetIp(serial.c_str(), &unterminated), 0);

    stGigeInfo after{};
    ASSERT_EQ(CameraGigeGetIp(serial.c_str(), &after), 0);
    EXPECT_STREQ(after.acIp, good.acIp);
    EXPECT_STREQ(after.acMask, good.acMask);

    EXPECT_NE(CameraGigeGetIp("NO-SUCH-CAMERA", &after), 0);
    EXPECT_NE(CameraGigeGetIp(nullptr, &after), 0);
    EXPECT_NE(CameraGigeGetIp(serial.c_str(), nullptr), 0);
    EXPECT_NE(CameraGigeSetIp(serial.c_str(), nullptr), 0);
    const std::string usb = firstUsb();
    if (!usb.empty()) {
        EXPECT_NE(CameraGigeGetIp(usb.c_str(), &after), 0) << "USB cameras have no address";
    }
}

TEST(Gige, TransportSettingsRoundTrip)
{
    Camera cam(firstGige());
    ASSERT_TRUE(cam.ok());
    ASSERT_EQ(CameraGigeSetTransPacketSize(cam.handle(), 8000), 0);
    ASSERT_EQ(CameraGigeSetPacketDelayTime(cam.handle(), 250), 0);
    uint32_t size = 0;
    uint32_t delay = 0;
    ASSERT_EQ(CameraGigeGetTransPacketSize(cam.handle(), &size), 0);
    ASSERT_EQ(CameraGigeGetPacketDelayTime(cam.handle(), &delay), 0);
    EXPECT_EQ(size, 8000u);
    EXPECT_EQ(delay, 250u);
}

TEST(Trace, RecordsCallsInTheDocumentedFormat)
{
    const std::string serial = firstGige();
    Camera cam(serial);
    ASSERT_TRUE(cam.ok());
    ASSERT_EQ(VexoSimTraceClear(), 0);
    ASSERT_EQ(VexoSimTraceEnable(1), 0);

    EXPECT_EQ(CameraSetGain(cam.handle(), 120, 100, 100), 0);
    EXPECT_NE(CameraSetSaturation(cam.handle(), 999), 0);
    stFrameStatistic stat{};
    CameraGetFrameStatistic(cam.handle(), &stat); // per-frame calls stay out
    EXPECT_EQ(CameraSetFriendlyName(cam.handle(), "cam \"A\""), 0);
    stCurrentDeviceInfo info{};
    EXPECT_EQ(CameraGetCurDevInfo(cam.handle(), &info), 0);
    EXPECT_EQ(CameraSetExposureTime(cam.handle(), 2500.5), 0);
    EXPECT_NE(CameraGetCurDevInfo(cam.handle(), nullptr), 0);
    ASSERT_EQ(VexoSimTraceEnable(0), 0);
    EXPECT_EQ(CameraSetSharpness(cam.handle(), 3), 0); // not recorded any more

    std::vector<std::string> lines;
    for (int i = 0; i < VexoSimTraceCount(); ++i) {
        char line[512] = {};
        ASSERT_EQ(VexoSimTraceLine(i, line, sizeof line), 0);
        lines.emplace_back(line);
    }
    ASSERT_GE(lines.size(), 6u);
    std::vector<std::string> ours(lines.end() - 6, lines.end());
    EXPECT_EQ(ours[0], "CameraSetGain(" + serial + ",120,100,100)=0");
    EXPECT_EQ(ours[1].rfind("CameraSetSaturation(" + serial + ",999)=-", 0), 0u) << ours[1];
    EXPECT_EQ(ours[2].rfind("CameraSetFriendlyName(" + serial + ",\"cam", 0), 0u) << ours[2];
    EXPECT_EQ(ours[3], "CameraGetCurDevInfo(" + serial + ",*)=0");
    EXPECT_EQ(ours[4], "CameraSetExposureTime(" + serial + ",2500.5)=0");
    EXPECT_EQ(ours[5].rfind("CameraGetCurDevInfo(" + serial + ",0)=-", 0), 0u) << ours[5];
    for (const std::string &l : lines)
        EXPECT_EQ(l.find("CameraGetFrameStatistic"), std::string::npos);

    char small[8];
    memset(small, kFill, sizeof small);
    ASSERT_EQ(VexoSimTraceLine(0, small, 5), 0);
    EXPECT_EQ(strlen(small), 4u);
    EXPECT_EQ(uint8_t(small[5]), kFill);
    EXPECT_NE(VexoSimTraceLine(VexoSimTraceCount(), small, sizeof small), 0);
    ASSERT_EQ(VexoSimTraceClear(), 0);
    EXPECT_EQ(VexoSimTraceCount(), 0);
}

TEST(FailNext, FailsExactlyTheRequestedCalls)
{
    Camera cam(firstGige());
    ASSERT_TRUE(cam.ok());
    ASSERT_EQ(VexoSimFailNext("CameraSetSharpness", -7, 2), 0);
    EXPECT_EQ(CameraSetSharpness(cam.handle(), 10), -7);
    EXPECT_EQ(CameraSetContrast(cam.handle(), 10), 0) << "other functions are untouched";
    EXPECT_EQ(CameraSetSharpness(cam.handle(), 11), -7);
    EXPECT_EQ(CameraSetSharpness(cam.handle(), 12), 0);
    int sharpness = 0;
    ASSERT_EQ(CameraGetSharpness(cam.handle(), &sharpness), 0);
    EXPECT_EQ(sharpness, 12) << "a failed call does no work";

    ASSERT_EQ(VexoSimFailNext("CameraEnumerateDevice", -1, 1), 0);
    int count = 0;
    EXPECT_EQ(CameraEnumerateDevice(&count), -1);
    EXPECT_EQ(CameraEnumerateDevice(&count), 0);

    ASSERT_EQ(VexoSimFailNext("CameraPlay", -1, 5), 0);
    ASSERT_EQ(VexoSimClearFailures(), 0);
    EXPECT_EQ(CameraPlay(cam.handle()), 0);
    EXPECT_NE(VexoSimFailNext("CameraPlay", -1, 0), 0);
    EXPECT_NE(VexoSimFailNext(nullptr, -1, 1), 0);
}

TEST(Io, LineSettingsAreKeptPerLine)
{
    Camera cam(firstGige());
    ASSERT_TRUE(cam.ok());
    const CameraHandle h = cam.handle();
    stCameraCapability cap{};
    ASSERT_EQ(CameraGetCapability(h, &cap), 0);
    ASSERT_GE(cap.iInputIoCounts, 2);
    ASSERT_GE(cap.iOutputIoCounts, 2);

    for (int line = 0; line < 2; ++line) {
        ASSERT_EQ(CameraSetInputIOMode(h, line, line), 0);
        ASSERT_EQ(CameraSetTriggerSignalType(h, line, 1 + line), 0);
        ASSERT_EQ(CameraSetTriggerJitterTime(h, line, 100u + line), 0);
        ASSERT_EQ(CameraSetOutputIOMode(h, line, 2 * line), 0);
        ASSERT_EQ(CameraSetStrobeMode(h, line, line), 0);
        ASSERT_EQ(CameraSetStrobePolarity(h, line, 1 - line), 0);
        ASSERT_EQ(CameraSetStrobeDelayTime(h, line, 10u + line), 0);
        ASSERT_EQ(CameraSetStrobePulseWidth(h, line, 2000u + line), 0);
        ASSERT_EQ(CameraSetOutputIOPWM(h, line, 1000 + line, 300 + line), 0);
    }
    for (int line = 0; line < 2; ++line) {
        int a = -1, b = -1;
        uint32_t u = 0;
        ASSERT_EQ(CameraGetInputIOMode(h, line, &a), 0);
        EXPECT_EQ(a, line);
        ASSERT_EQ(CameraGetTriggerSignalType(h, line, &a), 0);
        EXPECT_EQ(a, 1 + line);
        ASSERT_EQ(CameraGetTriggerJitterTime(h, line, &u), 0);
        EXPECT_EQ(u, 100u + line);
        ASSERT_EQ(CameraGetOutputIOMode(h, line, &a), 0);
        EXPECT_EQ(a, 2 * line);
        ASSERT_EQ(CameraGetStrobeMode(h, line, &a), 0);
        EXPECT_EQ(a, line);
        ASSERT_EQ(CameraGetStrobePolarity(h, line, &a), 0);
        EXPECT_EQ(a, 1 - line);
        ASSERT_EQ(CameraGetStrobeDelayTime(h, line, &u), 0);
        EXPECT_EQ(u, 10u + line);
        ASSERT_EQ(CameraGetStrobePulseWidth(h, line, &u), 0);
        EXPECT_EQ(u, 2000u + line);
        ASSERT_EQ(CameraGetOutputIOPWM(h, line, &a, &b), 0);
        EXPECT_EQ(std::make_pair(a, b), std::make_pair(1000 + line, 300 + line));
    }
    EXPECT_NE(CameraSetOutputIOPWM(h, 0, 100, 200), 0) << "high time longer than the period";
    EXPECT_NE(CameraSetTriggerSignalType(h, 0, 4), 0);
    int state = -1;
    EXPECT_EQ(CameraGetInputIOState(h, 0, &state), 0);
    EXPECT_NE(CameraGetInputIOState(h, cap.iInputIoCounts, &state), 0);
    EXPECT_EQ(CameraLoadParameter(h, CAMERA_PARAMETER_GROUP_DEFAULT), 0);
}
