// Real cameras over the network path: Aravis's GigE Vision test camera runs
// as its own process on the loopback interface and is asked by address
// (VEXO_SDK_GIGE_ADDRESSES=127.0.0.1, never a broadcast). Killing it is a
// pulled cable.
#include "fakegigecamera.h"
#include "gvcp.h"
#include "sdk_test_support.h"

#include <arv.h>

#include <arpa/inet.h>
#include <dirent.h>
#include <fstream>
#include <map>
#include <netinet/in.h>
#include <set>
#include <sys/socket.h>
#include <sys/wait.h>

using namespace vexo::test;
using vexotest::FakeGigeCamera;

namespace {

constexpr uint32_t kLoopback = 0x7F000001;
using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::optional<stDeviceInfo> record(const std::string &serial)
{
    for (const stDeviceInfo &d : enumerate()) {
        if (textAt(&d, 356, 32) == serial)
            return d;
    }
    return std::nullopt;
}

int32_t openedFlag(const std::string &serial)
{
    const std::optional<stDeviceInfo> d = record(serial);
    return d ? valueAt<int32_t>(&*d, 596) : -1;
}

std::string nicknameOf(const std::string &serial)
{
    const std::optional<stDeviceInfo> d = record(serial);
    return d ? textAt(&*d, 64, 128) : std::string();
}

// Starts the camera and waits until the library lists it.
std::unique_ptr<FakeGigeCamera> startCamera(const std::string &serial, const std::string &genicam = {},
                                            int lostPerThousand = 0)
{
    // Two cameras on the same port would share the questions between them.
    if (!vexo::gige::discover({kLoopback}, std::chrono::milliseconds(200)).empty()) {
        ADD_FAILURE() << "another GigE Vision camera already answers on 127.0.0.1";
        return nullptr;
    }
    auto camera = std::make_unique<FakeGigeCamera>(serial, genicam, lostPerThousand);
    if (!waitFor([&] { return !camera->running() || record(serial).has_value(); }, 10000) ||
        !camera->running())
        return nullptr;
    return camera;
}

// The picture once the frames taken before the last change have passed.
double settledMean(CameraHandle h)
{
    RawFrame f;
    const auto end = Clock::now() + std::chrono::milliseconds(300);
    while (Clock::now() < end)
        grabRaw(h, f, 500);
    return grabRaw(h, f) == CAMERA_STATUS_SUCCESS ? rawMean(f) : -1;
}

// What the camera holds at a register, read as any other program may.
uint32_t cameraRegister(uint32_t address)
{
    uint32_t value = 0xDEADBEEF;
    vexo::gige::readRegister(kLoopback, address, &value, std::chrono::milliseconds(500));
    return value;
}

float cameraFloat(uint32_t address)
{
    const uint32_t bits = cameraRegister(address);
    float value = 0;
    memcpy(&value, &bits, sizeof value);
    return value;
}

int runProbe(const char *mode, const std::string &serial)
{
    const pid_t pid = fork();
    if (pid == 0) {
        execl(VEXO_OPEN_PROBE, VEXO_OPEN_PROBE, mode, serial.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// What Aravis's own tool prints, one line each.
std::vector<std::string> arvTool(const std::string &arguments)
{
    std::vector<std::string> lines;
    FILE *out = popen(("arv-tool-0.8 -a 127.0.0.1 " + arguments + " 2>/dev/null").c_str(), "r");
    if (out == nullptr)
        return lines;
    char line[1024];
    while (fgets(line, sizeof line, out) != nullptr) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.pop_back();
        lines.push_back(text);
    }
    pclose(out);
    return lines;
}

struct FeatureRow
{
    std::string category, value;
    int type = -1, access = -1;
    double step = -1;
};

std::map<std::string, FeatureRow> featureTree(CameraHandle h)
{
    std::map<std::string, FeatureRow> tree;
    int count = 0;
    EXPECT_EQ(CameraGetFeatureCount(h, &count), CAMERA_STATUS_SUCCESS);
    for (int i = 0; i < count; ++i) {
        stFeatureInfo f{};
        EXPECT_EQ(CameraGetFeatureInfo(h, i, &f), CAMERA_STATUS_SUCCESS);
        tree[textAt(f.acName, 0, 64)] = {textAt(f.acCategory, 0, 128), textAt(f.acValue, 0, 256), f.iType,
                                         f.iAccess, f.dIncrement};
    }
    return tree;
}

size_t threadCount()
{
    size_t n = 0;
    if (DIR *dir = opendir("/proc/self/task")) {
        while (const dirent *entry = readdir(dir))
            n += entry->d_name[0] != '.';
        closedir(dir);
    }
    return n;
}

// The test camera's own description with the standard features it lacks,
// each on a spare register, so that their mapping can be watched.
std::string describedCamera(const std::string &dir)
{
    ArvFakeCamera *fake = arv_fake_camera_new("DESCRIBE");
    size_t size = 0;
    const char *xml = arv_fake_camera_get_genicam_xml(fake, &size);
    std::string text(xml, size);
    g_object_unref(fake);
    const auto reg = [](const char *name, uint32_t address, const char *kind = "IntReg") {
        char node[512];
        snprintf(node, sizeof node,
                 "<%s Name=\"%s\"><Address>0x%X</Address><Length>4</Length><AccessMode>RW</AccessMode>"
                 "<pPort>Device</pPort>%s<Endianess>BigEndian</Endianess></%s>\n",
                 kind, name, address, strcmp(kind, "IntReg") == 0 ? "<Sign>Unsigned</Sign>" : "", kind);
        return std::string(node);
    };
    const auto enumeration = [&](const char *name, uint32_t address, std::vector<const char *> entries) {
        std::string node = std::string("<Enumeration Name=\"") + name + "\">";
        for (size_t i = 0; i < entries.size(); ++i)
            node += std::string("<EnumEntry Name=\"") + entries[i] + "\"><Value>" + std::to_string(i) +
                    "</Value></EnumEntry>";
        node += std::string("<pValue>Vx") + name + "</pValue></Enumeration>\n";
        return node + reg((std::string("Vx") + name).c_str(), address);
    };
    const auto boolean = [&](const char *name, uint32_t address) {
        return std::string("<Boolean Name=\"") + name + "\"><pValue>Vx" + name + "</pValue></Boolean>\n" +
               reg((std::string("Vx") + name).c_str(), address);
    };
    const auto command = [&](const char *name, uint32_t address) {
        return std::string("<Command Name=\"") + name + "\"><pValue>Vx" + name +
               "</pValue><CommandValue>1</CommandValue></Command>\n" +
               reg((std::string("Vx") + name).c_str(), address);
    };
    std::string extra =
        boolean("ReverseX", 0xF000) + boolean("ReverseY", 0xF004) +
        enumeration("BalanceRatioSelector", 0xF008, {"Red", "Green", "Blue"}) +
        "<FloatReg Name=\"BalanceRatio\"><Address>0xF010</Address>"
        "<pIndex Offset=\"4\">VxBalanceRatioSelector</pIndex><Length>4</Length>"
        "<AccessMode>RW</AccessMode><pPort>Device</pPort><Endianess>BigEndian</Endianess>"
        "</FloatReg>\n" +
        enumeration("BalanceWhiteAuto", 0xF020, {"Off", "Once", "Continuous"}) +
        enumeration("ExposureAuto", 0xF024, {"Off", "Once", "Continuous"}) +
        reg("AutoExposureTimeLowerLimit", 0xF028, "FloatReg") +
        reg("AutoExposureTimeUpperLimit", 0xF02C, "FloatReg") + reg("TriggerDelay", 0xF030, "FloatReg") +
        enumeration("UserSetSelector", 0xF034, {"Default", "UserSet1", "UserSet2", "UserSet3", "UserSet4"}) +
        command("UserSetLoad", 0xF038) + command("UserSetSave", 0xF03C) +
        enumeration("UserSetDefault", 0xF040, {"Default", "UserSet1", "UserSet2", "UserSet3", "UserSet4"}) +
        "<StringReg Name=\"DeviceUserID\"><Address>0xE8</Address><Length>16</Length>"
        "<AccessMode>RW</AccessMode><pPort>Device</pPort></StringReg>\n";
    text.insert(text.rfind("</RegisterDescription>"), extra);
    const std::string path = dir + "/described-camera.xml";
    std::ofstream(path) << text;
    return path;
}

} // namespace

TEST(GigeCamera, ListedByAddressWithItsIdentityAndAddress)
{
    const std::string serial = "VXGIGE01";
    auto camera = startCamera(serial);
    ASSERT_TRUE(camera);
    const stDeviceInfo d = *record(serial);
    EXPECT_TRUE(isGige(d));
    EXPECT_EQ(textAt(&d, 320, 32), "GigE");
    EXPECT_EQ(textAt(&d, 0, 32), "Aravis");
    EXPECT_EQ(textAt(&d, 32, 32), "Fake");
    EXPECT_EQ(textAt(&d, 64, 128), "Fake"); // no user-defined name yet: the model
    EXPECT_FALSE(textAt(&d, 256, 32).empty());
    EXPECT_EQ(textAt(&d, 192, 64), "127.0.0.1");
    EXPECT_EQ(valueAt<int32_t>(&d, 596), 0);
    EXPECT_EQ(d.uLink, CAMERA_LINK_GIGE_VISION);
    EXPECT_EQ(textAt(&d, 396, 16), "127.0.0.1");

    stGigeInfo ip{};
    ASSERT_EQ(CameraGigeGetIp(serial.c_str(), &ip), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(std::string(ip.acIp), "127.0.0.1");
    EXPECT_EQ(std::string(ip.acNicIp), "127.0.0.1");
    EXPECT_EQ(std::string(ip.acNicName), "lo");
    EXPECT_EQ(std::string(ip.acNicMask), "255.0.0.0");
    EXPECT_EQ(CameraGigeGetIp("VXGIGE-NONE", &ip), CAMERA_STATUS_NO_DEVICE);

    // The persistent configuration, applied at the camera's next start.
    stGigeInfo wanted = ip;
    wanted.iIpMode = 1;
    strcpy(wanted.acIp, "192.168.5.10");
    strcpy(wanted.acMask, "255.255.255.0");
    strcpy(wanted.acGateway, "192.168.5.1");
    ASSERT_EQ(CameraGigeSetIp(serial.c_str(), &wanted), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(cameraRegister(0x064C), 0xC0A8050Au); // persistent address
    EXPECT_EQ(cameraRegister(0x065C), 0xFFFFFF00u); // mask
    EXPECT_EQ(cameraRegister(0x066C), 0xC0A80501u); // gateway
    ASSERT_EQ(CameraGigeGetIp(serial.c_str(), &ip), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(ip.iIpMode, 1);
    strcpy(wanted.acIp, "192.168.5.0"); // the network itself
    EXPECT_EQ(CameraGigeSetIp(serial.c_str(), &wanted), CAMERA_STATUS_INVALID_ARGUMENT);
    wanted.iIpMode = 0;
    ASSERT_EQ(CameraGigeSetIp(serial.c_str(), &wanted), CAMERA_STATUS_SUCCESS);
    ASSERT_EQ(CameraGigeGetIp(serial.c_str(), &ip), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(ip.iIpMode, 0);

    // Nobody answers any more: gone from the list, and the listing is quick.
    camera->kill();
    const auto start = Clock::now();
    EXPECT_FALSE(record(serial).has_value());
    EXPECT_LT(millisecondsSince(start), 1000);
}

TEST(GigeCamera, OpenIsExclusiveAcrossProgramsAndShown)
{
    const std::string serial = "VXGIGE02";
    auto camera = startCamera(serial);
    ASSERT_TRUE(camera);
    {
        Camera mine(serial);
        ASSERT_TRUE(mine.ok()) << mine.status();
        EXPECT_EQ(openedFlag(serial), 1);
        EXPECT_EQ(runProbe("try", serial), -CAMERA_STATUS_ALREADY_OPENED);
    }
    EXPECT_EQ(openedFlag(serial), 0);
    EXPECT_EQ(runProbe("try", serial), 0);

    // Another program that took the camera, not through this library.
    GInetAddress *loopback = g_inet_address_new_from_string("127.0.0.1");
    GError *error = nullptr;
    ArvDevice *foreign = arv_gv_device_new(loopback, loopback, &error);
    g_object_unref(loopback);
    ASSERT_NE(foreign, nullptr);
    ASSERT_TRUE(arv_gv_device_is_controller(ARV_GV_DEVICE(foreign)));
    EXPECT_EQ(openedFlag(serial), 1);
    CameraHandle refused = nullptr;
    EXPECT_EQ(CameraInitEx3(&refused, serial.c_str()), CAMERA_STATUS_ALREADY_OPENED);
    g_object_unref(foreign);
    Camera free(serial);
    EXPECT_TRUE(free.ok());
}

TEST(GigeCamera, StreamsTriggersAndIsRenamed)
{
    const std::string serial = "VXGIGE03";
    auto camera = startCamera(serial);
    ASSERT_TRUE(camera);
    Camera cam(serial);
    ASSERT_TRUE(cam.ok());
    const CameraHandle h = cam.handle();

    // 25 frames a second, every one counted.
    ASSERT_EQ(CameraPlay(h), CAMERA_STATUS_SUCCESS);
    RawFrame frame;
    ASSERT_EQ(grabRaw(h, frame), CAMERA_STATUS_SUCCESS);
    stFrameStatistic before{};
    CameraGetFrameStatistic(h, &before);
    int frames = 0;
    const auto start = Clock::now();
    while (millisecondsSince(start) < 2000)
        frames += grabRaw(h, frame, 1000) == CAMERA_STATUS_SUCCESS;
    EXPECT_GE(frames, 20); // a starved machine may slow the sender, never speed it up
    EXPECT_LE(frames, 60);
    stFrameStatistic after{};
    CameraGetFrameStatistic(h, &after);
    // The frames already waiting when counting began came on top.
    EXPECT_GE(after.iCapture - before.iCapture + 4, uint32_t(frames));

    // The exposure and the region reach the frames over the wire too.
    ASSERT_EQ(CameraSetExposureTime(h, 10000), CAMERA_STATUS_SUCCESS);
    const double dim = settledMean(h);
    ASSERT_EQ(CameraSetExposureTime(h, 40000), CAMERA_STATUS_SUCCESS);
    EXPECT_GT(settledMean(h), dim + 20);
    stImageResolution roi{};
    roi.iIndex = CAMERA_RESOLUTION_CUSTOM;
    roi.iWidthFOV = 640;
    roi.iHeightFOV = 480;
    ASSERT_EQ(CameraSetResolutionEx(h, &roi), CAMERA_STATUS_SUCCESS);
    ASSERT_EQ(grabRaw(h, frame), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(frame.info.uiWidth, 640u);
    EXPECT_EQ(frame.info.uiHeight, 480u);

    // Software trigger: one frame per trigger, none without.
    ASSERT_EQ(CameraSetTriggerMode(h, CAMERA_TRIGGER_SOFTWARE), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(grabRaw(h, frame, 400), CAMERA_STATUS_TIMEOUT);
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(CameraSoftTrigger(h), CAMERA_STATUS_SUCCESS);
        EXPECT_EQ(grabRaw(h, frame, 2000), CAMERA_STATUS_SUCCESS) << i;
    }
    EXPECT_EQ(grabRaw(h, frame, 400), CAMERA_STATUS_TIMEOUT);

    // The user-defined name of the bootstrap: 15 bytes at most.
    EXPECT_EQ(CameraSetFriendlyName(h, "Bench seven"), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(CameraSetFriendlyName(h, "sixteen letters!"), CAMERA_STATUS_INVALID_ARGUMENT);
    EXPECT_EQ(nicknameOf(serial), "Bench seven");

    uint32_t bytes = 0;
    ASSERT_EQ(CameraGigeSetTransPacketSize(h, 4000), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(CameraGigeGetTransPacketSize(h, &bytes), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(bytes, 4000u);
    uint32_t delay = 0;
    ASSERT_EQ(CameraGigeSetPacketDelayTime(h, 10), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(CameraGigeGetPacketDelayTime(h, &delay), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(delay, 10u);
}

TEST(GigeCamera, StandardFeaturesReachTheCamera)
{
    const std::string dir = tempDir();
    const std::string serial = "VXGIGE04";
    auto camera = startCamera(serial, describedCamera(dir));
    ASSERT_TRUE(camera);
    Camera cam(serial);
    ASSERT_TRUE(cam.ok());
    const CameraHandle h = cam.handle();

    const struct
    {
        const char *what;
        std::function<CameraSdkStatus()> call;
        uint32_t address;
        double want; // a float register when the address is marked below
        bool isFloat;
    } cases[] = {
        {"mirror", [h] { return CameraSetMirror(h, 0, 1); }, 0xF000, 1, false},
        {"flip", [h] { return CameraSetMirror(h, 1, 1); }, 0xF004, 1, false},
        {"red ratio", [h] { return CameraSetGain(h, 150, 100, 75); }, 0xF010, 1.5, true},
        {"green ratio", [] { return CAMERA_STATUS_SUCCESS; }, 0xF014, 1.0, true},
        {"blue ratio", [] { return CAMERA_STATUS_SUCCESS; }, 0xF018, 0.75, true},
        {"auto white balance", [h] { return CameraSetWbMode(h, 1); }, 0xF020, 2, false},
        {"manual white balance", [h] { return CameraSetWbMode(h, 0); }, 0xF020, 0, false},
        {"one-shot white balance", [h] { return CameraSetOnceWB(h); }, 0xF020, 1, false},
        {"auto exposure", [h] { return CameraSetAeState(h, 1); }, 0xF024, 2, false},
        {"auto exposure floor", [h] { return CameraSetAeExposureRange(h, 100, 20000); }, 0xF028, 100, true},
        {"auto exposure ceiling", [] { return CAMERA_STATUS_SUCCESS; }, 0xF02C, 20000, true},
        {"trigger delay", [h] { return CameraSetTriggerDelayTime(h, 2500); }, 0xF030, 2500, true},
        {"save group C", [h] { return CameraSaveParameter(h, 2); }, 0xF03C, 1, false},
        {"group C selected", [] { return CAMERA_STATUS_SUCCESS; }, 0xF034, 3, false},
        {"group C at start-up", [] { return CAMERA_STATUS_SUCCESS; }, 0xF040, 3, false},
        {"load group A", [h] { return CameraLoadParameter(h, 0); }, 0xF038, 1, false},
        {"group A selected", [] { return CAMERA_STATUS_SUCCESS; }, 0xF034, 1, false},
        {"factory set", [h] { return CameraLoadParameter(h, CAMERA_PARAMETER_GROUP_DEFAULT); }, 0xF034, 0,
         false},
    };
    for (const auto &c : cases) {
        ASSERT_EQ(c.call(), CAMERA_STATUS_SUCCESS) << c.what;
        if (c.isFloat)
            EXPECT_FLOAT_EQ(cameraFloat(c.address), float(c.want)) << c.what;
        else
            EXPECT_EQ(cameraRegister(c.address), uint32_t(c.want)) << c.what;
    }
    int group = -1;
    EXPECT_EQ(CameraGetCurrentParameterGroup(h, &group), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(group, 0);

    // With the feature there, the name has the feature's own limit.
    EXPECT_EQ(CameraSetFriendlyName(h, "sixteen letters!"), CAMERA_STATUS_SUCCESS);
    const std::vector<vexo::gige::Identity> seen = vexo::gige::discover({kLoopback}, std::chrono::seconds(1));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen.front().userName, "sixteen letters!");
}

// The browser's tree is the camera's own: the features Aravis's tool lists,
// with the values it reads, and a value written by name is what it reads next.
TEST(GigeCamera, FeatureTreeIsTheCamerasOwnAsArvToolSeesIt)
{
    const std::string serial = "VXGIGE08";
    auto camera = startCamera(serial);
    ASSERT_TRUE(camera);
    Camera cam(serial);
    ASSERT_TRUE(cam.ok());
    const CameraHandle h = cam.handle();

    ASSERT_EQ(CameraSetFeatureValue(h, "Width", "320"), CAMERA_STATUS_SUCCESS);
    ASSERT_EQ(CameraSetFeatureValue(h, "ExposureTimeAbs", "2500"), CAMERA_STATUS_SUCCESS);
    double exposure = 0;
    ASSERT_EQ(CameraGetExposureTime(h, &exposure), CAMERA_STATUS_SUCCESS);
    EXPECT_DOUBLE_EQ(exposure, 2500.0); // the fixed calls see the write
    EXPECT_EQ(CameraSetFeatureValue(h, "Width", "4096"), CAMERA_STATUS_INVALID_ARGUMENT);
    EXPECT_EQ(CameraSetFeatureValue(h, "PayloadSize", "1"), CAMERA_STATUS_ACCESS_DENIED);
    EXPECT_EQ(CameraSetFeatureValue(h, "Gain", "1"), CAMERA_STATUS_NOT_SUPPORTED);
    const std::map<std::string, FeatureRow> tree = featureTree(h);

    std::set<std::string> listed;
    for (const std::string &line : arvTool("features")) {
        const size_t open = line.find('\''), close = line.rfind('\'');
        if (open != std::string::npos && close > open && line.find("EnumEntry") == std::string::npos)
            listed.insert(line.substr(open + 1, close - open - 1));
    }
    listed.erase("Root");
    ASSERT_GT(listed.size(), 20u);
    std::set<std::string> ours;
    for (const auto &[name, row] : tree)
        ours.insert(name);
    EXPECT_EQ(ours, listed);
    EXPECT_EQ(tree.at("Width").category, "ImageFormatControl");
    EXPECT_EQ(tree.at("TriggerSoftware").type, CAMERA_FEATURE_COMMAND);
    EXPECT_EQ(tree.at("ExposureTimeAbs").step, 0.0); // a float without a step has none

    std::string names;
    for (const auto &[name, row] : tree) {
        if (row.type != CAMERA_FEATURE_CATEGORY && row.type != CAMERA_FEATURE_COMMAND)
            names += " " + name;
    }
    int compared = 0;
    for (const std::string &line : arvTool("control" + names)) {
        const size_t equals = line.find(" = ");
        if (equals == std::string::npos)
            continue;
        const std::string name = line.substr(0, equals);
        std::string value = line.substr(equals + 3);
        value = value.substr(0, value.find(" min:"));
        value = value.substr(0, value.find(" ("));
        ASSERT_TRUE(tree.count(name)) << name;
        EXPECT_EQ(tree.at(name).value, value) << name;
        ++compared;
    }
    EXPECT_GT(compared, 15);
    EXPECT_EQ(tree.at("Width").value, "320");
    EXPECT_EQ(tree.at("ExposureTimeAbs").value, "2500");

    // A larger size written while the camera streams: the frames come on, in
    // the new size, not into buffers made for the old one.
    ASSERT_EQ(CameraPlay(h), CAMERA_STATUS_SUCCESS);
    RawFrame frame;
    ASSERT_EQ(grabRaw(h, frame), CAMERA_STATUS_SUCCESS);
    ASSERT_EQ(CameraSetFeatureValue(h, "Width", "1024"), CAMERA_STATUS_SUCCESS);
    ASSERT_EQ(grabRaw(h, frame, 2000), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(frame.info.uiWidth, 1024u);
}

// Packets the camera drops show in the link counters; a quiet link counts none.
TEST(GigeCamera, LinkCountersShowADisturbedLink)
{
    const auto stream = [](const std::string &serial, int lost) {
        auto camera = startCamera(serial, {}, lost);
        EXPECT_TRUE(camera);
        Camera cam(serial);
        EXPECT_TRUE(cam.ok());
        stTransportStatistic link{};
        if (!camera || !cam.ok())
            return link;
        EXPECT_EQ(CameraPlay(cam.handle()), CAMERA_STATUS_SUCCESS);
        RawFrame frame;
        const auto start = Clock::now();
        while (millisecondsSince(start) < 1500)
            grabRaw(cam.handle(), frame, 500);
        EXPECT_EQ(CameraGetTransportStatistic(cam.handle(), &link), CAMERA_STATUS_SUCCESS);
        EXPECT_EQ(link.iPacketCounters, 1);
        return link;
    };
    const stTransportStatistic quiet = stream("VXGIGE09", 0);
    EXPECT_EQ(quiet.uResentPackets + quiet.uMissingPackets + quiet.uIncompleteFrames, 0u);
    const stTransportStatistic disturbed = stream("VXGIGE10", 50);
    EXPECT_GT(disturbed.uResentPackets + disturbed.uMissingPackets, 0u);
    EXPECT_EQ(CameraGetTransportStatistic(nullptr, &const_cast<stTransportStatistic &>(quiet)),
              CAMERA_STATUS_INVALID_HANDLE);
}

TEST(GigeCamera, LossIsSeenWithinASecondAndCloseIsImmediate)
{
    const std::string serial = "VXGIGE05";
    auto camera = startCamera(serial);
    ASSERT_TRUE(camera);
    {
        Camera warm(serial); // what lives for the whole process starts here
        ASSERT_TRUE(warm.ok());
    }
    const size_t threads = threadCount();
    {
        Camera cam(serial);
        ASSERT_TRUE(cam.ok());
        const CameraHandle h = cam.handle();
        ASSERT_EQ(CameraPlay(h), CAMERA_STATUS_SUCCESS);
        RawFrame frame;
        ASSERT_EQ(grabRaw(h, frame), CAMERA_STATUS_SUCCESS);

        camera->kill();
        const auto pulled = Clock::now();
        CameraSdkStatus status = CAMERA_STATUS_SUCCESS;
        while ((status == CAMERA_STATUS_SUCCESS || status == CAMERA_STATUS_TIMEOUT) &&
               millisecondsSince(pulled) < 5000)
            status = grabRaw(h, frame, 200);
        EXPECT_EQ(status, CAMERA_STATUS_DEVICE_LOST);
        EXPECT_LT(millisecondsSince(pulled), 1000);
        EXPECT_EQ(CameraSetExposureTime(h, 20000), CAMERA_STATUS_DEVICE_LOST);
        stFrameStatistic statistic{};
        EXPECT_EQ(CameraGetFrameStatistic(h, &statistic), CAMERA_STATUS_SUCCESS);

        const auto closing = Clock::now();
        cam.close();
        EXPECT_LT(millisecondsSince(closing), 500);
    }
    EXPECT_FALSE(record(serial).has_value());
    // The goodbyes to the vanished camera finish on their own.
    EXPECT_TRUE(waitFor([&] { return threadCount() <= threads; }, 20000))
        << threadCount() << " vs " << threads;

    // Back on the wire: listed and usable again.
    camera = startCamera(serial);
    ASSERT_TRUE(camera);
    Camera again(serial);
    ASSERT_TRUE(again.ok());
    ASSERT_EQ(CameraPlay(again.handle()), CAMERA_STATUS_SUCCESS);
    RawFrame frame;
    EXPECT_EQ(grabRaw(again.handle(), frame), CAMERA_STATUS_SUCCESS);
}

// A camera that restarts comes back behind the same handle with what it had:
// the exposure, the region and the packet settings (the last set of each, by
// its call or by its feature) reach the new camera, and the frames go on.
TEST(GigeCamera, RestartedCameraComesBackWithItsSettings)
{
    const std::string serial = "VXGIGE06";
    auto camera = startCamera(serial);
    ASSERT_TRUE(camera);
    Camera cam(serial);
    ASSERT_TRUE(cam.ok());
    const CameraHandle h = cam.handle();
    ASSERT_EQ(CameraSetExposureTime(h, 20000), CAMERA_STATUS_SUCCESS);
    stImageResolution roi{};
    roi.iIndex = CAMERA_RESOLUTION_CUSTOM;
    roi.iHOffsetFOV = 64;
    roi.iVOffsetFOV = 32;
    roi.iWidthFOV = 640;
    roi.iHeightFOV = 480;
    ASSERT_EQ(CameraSetResolutionEx(h, &roi), CAMERA_STATUS_SUCCESS);
    ASSERT_EQ(CameraPlay(h), CAMERA_STATUS_SUCCESS);
    RawFrame frame;
    ASSERT_EQ(grabRaw(h, frame), CAMERA_STATUS_SUCCESS);
    stFrameStatistic before{};
    CameraGetFrameStatistic(h, &before);
    ASSERT_EQ(CameraGigeSetTransPacketSize(h, 8000), CAMERA_STATUS_SUCCESS);
    ASSERT_EQ(CameraSetFeatureValue(h, "GevSCPSPacketSize", "4000"), CAMERA_STATUS_SUCCESS);
    ASSERT_EQ(CameraSetFeatureValue(h, "GevSCPD", "7"), CAMERA_STATUS_SUCCESS);
    ASSERT_EQ(CameraGigeSetPacketDelayTime(h, 10), CAMERA_STATUS_SUCCESS);
    const std::vector<std::string> packets = arvTool("control GevSCPSPacketSize GevSCPD");
    ASSERT_EQ(packets.size(), 2u);
    EXPECT_EQ(packets[0].substr(0, packets[0].find(" min:")), "GevSCPSPacketSize = 4000");

    camera->kill();
    EXPECT_TRUE(waitFor([&] { return grabRaw(h, frame, 200) == CAMERA_STATUS_DEVICE_LOST; }, 3000));
    camera = startCamera(serial); // a fresh camera with its factory settings
    ASSERT_TRUE(camera);
    const auto back = Clock::now();
    ASSERT_TRUE(waitFor([&] { return grabRaw(h, frame, 500) == CAMERA_STATUS_SUCCESS; }, 15000));
    EXPECT_LT(millisecondsSince(back), 3000);
    EXPECT_EQ(frame.info.uiWidth, 640u);
    EXPECT_EQ(frame.info.uiHeight, 480u);
    EXPECT_EQ(cameraRegister(ARV_FAKE_CAMERA_REGISTER_EXPOSURE_TIME_US), 20000u);
    EXPECT_EQ(cameraRegister(ARV_FAKE_CAMERA_REGISTER_X_OFFSET), 64u);
    EXPECT_EQ(cameraRegister(ARV_FAKE_CAMERA_REGISTER_WIDTH), 640u);
    EXPECT_EQ(arvTool("control GevSCPSPacketSize GevSCPD"), packets);
    stFrameStatistic after{};
    CameraGetFrameStatistic(h, &after);
    EXPECT_GT(after.iCapture, before.iCapture);
    EXPECT_GT(after.iLost, before.iLost);
}

// A camera switched off behind a switch answers nothing, not even "port
// closed": asking it costs the discovery wait and no more.
TEST(GigeCamera, SilentAddressCostsOnlyTheDiscoveryWait)
{
    const int silent = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(silent, 0);
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_port = htons(vexo::gige::kGvcpPort);
    at.sin_addr.s_addr = htonl(0x7F000003);
    ASSERT_EQ(bind(silent, reinterpret_cast<const sockaddr *>(&at), sizeof at), 0);
    const auto start = Clock::now();
    EXPECT_TRUE(vexo::gige::discover({0x7F000003}, std::chrono::milliseconds(400)).empty());
    EXPECT_GE(millisecondsSince(start), 350);
    EXPECT_LT(millisecondsSince(start), 1000);
    uint32_t value = 0;
    EXPECT_EQ(vexo::gige::readRegister(0x7F000003, vexo::gige::kRegisterControlPrivilege, &value,
                                       std::chrono::milliseconds(200)),
              vexo::gige::Reply::None);
    close(silent);
}
