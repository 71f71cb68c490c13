// A real-camera backend over Aravis's in-process test camera (no network):
// identity, the statuses of features the camera lacks, streaming and its
// counters, settings reaching the frames, parameter groups and files, and
// open/close cycles that leave nothing behind. (This camera ignores its
// trigger settings; the GigE Vision test covers triggering.)
#include "parsers.h"
#include "sdk_test_support.h"
#include "state_store.h"

#include <dirent.h>
#include <fstream>

using namespace vexo::test;

namespace {

const std::string kSerial = "1"; // what Aravis's test camera calls itself

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

long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

// The picture once the frames taken before the last change have passed
// (a few wait in the queue, one is on its way).
double settledMean(CameraHandle h)
{
    RawFrame f;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
    while (std::chrono::steady_clock::now() < end)
        grabRaw(h, f, 500);
    return grabRaw(h, f) == CAMERA_STATUS_SUCCESS ? rawMean(f) : -1;
}

class FakeCamera : public ::testing::Test
{
protected:
    void SetUp() override
    {
        camera = std::make_unique<Camera>(kSerial);
        ASSERT_TRUE(camera->ok()) << camera->status();
        h = camera->handle();
    }
    std::unique_ptr<Camera> camera;
    CameraHandle h = nullptr;
};

} // namespace

TEST(FakeCameraListing, IdentityAndOpenedFlag)
{
    const std::vector<stDeviceInfo> devices = enumerate();
    ASSERT_EQ(devices.size(), 1u);
    const stDeviceInfo &d = devices.front();
    EXPECT_EQ(textAt(&d, 356, 32), kSerial);
    EXPECT_EQ(textAt(&d, 0, 32), "Aravis");
    EXPECT_EQ(textAt(&d, 32, 32), "Fake");
    EXPECT_EQ(textAt(&d, 64, 128), "Fake"); // no user-defined name: the model
    EXPECT_EQ(textAt(&d, 320, 32), "Virtual");
    EXPECT_FALSE(isGige(d));
    EXPECT_EQ(valueAt<int32_t>(&d, 596), 0);
    {
        Camera cam(kSerial);
        ASSERT_TRUE(cam.ok());
        EXPECT_NE(valueAt<int32_t>(&enumerate().front(), 596), 0);
        char text[CAMERA_TEXT_BUFFER] = {};
        EXPECT_EQ(CameraReadSN(cam.handle(), text, 0), CAMERA_STATUS_SUCCESS);
        EXPECT_EQ(std::string(text), kSerial);
        EXPECT_EQ(CameraGetFriendlyName(cam.handle(), text), CAMERA_STATUS_SUCCESS);
        EXPECT_EQ(std::string(text), "Fake");
        CameraHandle second = nullptr;
        EXPECT_EQ(CameraInitEx3(&second, kSerial.c_str()), CAMERA_STATUS_ALREADY_OPENED);
    }
    EXPECT_EQ(valueAt<int32_t>(&enumerate().front(), 596), 0);
}

// The test camera has exposure, a raw gain with automatic mode, a frame rate,
// a software and a line trigger, and nothing else: everything it lacks says
// so, and what the host pipeline does stays available.
TEST_F(FakeCamera, WhatTheCameraLacksIsNotSupported)
{
    int value = 0;
    double a = 0, b = 0;
    uint32_t u = 0;
    const struct
    {
        const char *call;
        CameraSdkStatus status;
        CameraSdkStatus want;
    } cases[] = {
        {"SetAeTarget", CameraSetAeTarget(h, 100), CAMERA_STATUS_NOT_SUPPORTED},
        {"GetAeTarget", CameraGetAeTarget(h, &value), CAMERA_STATUS_NOT_SUPPORTED},
        {"SetAntiFlick", CameraSetAntiFlick(h, 1), CAMERA_STATUS_NOT_SUPPORTED},
        {"GetLightFrequency", CameraGetLightFrequency(h, &value), CAMERA_STATUS_NOT_SUPPORTED},
        {"GetAeExposureRange", CameraGetAeExposureRange(h, &a, &b), CAMERA_STATUS_NOT_SUPPORTED},
        {"SetWbMode auto", CameraSetWbMode(h, 1), CAMERA_STATUS_NOT_SUPPORTED},
        {"SetOnceWB", CameraSetOnceWB(h), CAMERA_STATUS_NOT_SUPPORTED},
        {"SetCorrectDeadPixel", CameraSetCorrectDeadPixel(h, 1), CAMERA_STATUS_NOT_SUPPORTED},
        {"SetTriggerDelayTime", CameraSetTriggerDelayTime(h, 100), CAMERA_STATUS_NOT_SUPPORTED},
        {"GetTriggerFrameCount", CameraGetTriggerFrameCount(h, &value), CAMERA_STATUS_NOT_SUPPORTED},
        {"GetTriggerJitterTime", CameraGetTriggerJitterTime(h, 0, &u), CAMERA_STATUS_NOT_SUPPORTED},
        {"SetOutputIOState", CameraSetOutputIOState(h, 0, 1), CAMERA_STATUS_NOT_SUPPORTED},
        {"SetFriendlyName", CameraSetFriendlyName(h, "Bench"), CAMERA_STATUS_NOT_SUPPORTED},
        {"GigeGetTransPacketSize", CameraGigeGetTransPacketSize(h, &u), CAMERA_STATUS_NOT_SUPPORTED},
        {"Upgrade", CameraUpgrade(h, "/nonexistent.upg", nullptr, nullptr), CAMERA_STATUS_NOT_SUPPORTED},
        // There, on the camera or in the host pipeline.
        {"SetAeState", CameraSetAeState(h, 1), CAMERA_STATUS_SUCCESS},
        {"SetAeState off", CameraSetAeState(h, 0), CAMERA_STATUS_SUCCESS},
        {"SetAnalogGain", CameraSetAnalogGain(h, 3000), CAMERA_STATUS_SUCCESS},
        {"SetFrameSpeed", CameraSetFrameSpeed(h, 0), CAMERA_STATUS_SUCCESS},
        {"SetMirror", CameraSetMirror(h, 0, 1), CAMERA_STATUS_SUCCESS},
        {"SetGain", CameraSetGain(h, 120, 100, 90), CAMERA_STATUS_SUCCESS},
        {"SetSaturation", CameraSetSaturation(h, 140), CAMERA_STATUS_SUCCESS},
        {"SetGamma", CameraSetGamma(h, 150), CAMERA_STATUS_SUCCESS},
        {"SetTriggerMode line", CameraSetTriggerMode(h, CAMERA_TRIGGER_HARDWARE), CAMERA_STATUS_SUCCESS},
        // Its line trigger fires on rising edges only.
        {"SetTriggerSignalType falling", CameraSetTriggerSignalType(h, 0, 1), CAMERA_STATUS_NOT_SUPPORTED},
        {"SetTriggerSignalType rising", CameraSetTriggerSignalType(h, 0, 0), CAMERA_STATUS_SUCCESS},
        {"SetTriggerMode off", CameraSetTriggerMode(h, CAMERA_TRIGGER_CONTINUOUS), CAMERA_STATUS_SUCCESS},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.status, c.want) << c.call;

    int gain = 0, speed = -1, mode = -1;
    EXPECT_EQ(CameraGetAnalogGain(h, &gain), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(gain, 3000);
    EXPECT_EQ(CameraGetFrameSpeed(h, &speed), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(speed, 0);
    EXPECT_EQ(CameraGetTriggerMode(h, &mode), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(mode, CAMERA_TRIGGER_CONTINUOUS);
    stCameraCapability cap{};
    ASSERT_EQ(CameraGetCapability(h, &cap), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(cap.iSensorWidth, 2048);
    EXPECT_EQ(cap.iInputIoCounts, 1);
    EXPECT_EQ(cap.iOutputIoCounts, 0);
    EXPECT_EQ(cap.iIsColor, 1); // it can send Bayer
    std::vector<uint32_t> formats;
    for (int i = 0; i < cap.iMediaTypeDesc; ++i)
        formats.push_back(cap.pMediaTypeDesc[i].uMediaType);
    EXPECT_EQ(formats, (std::vector<uint32_t>{CAMERA_MEDIA_TYPE_BAYRG8, CAMERA_MEDIA_TYPE_BAYGR8,
                                              CAMERA_MEDIA_TYPE_BAYGB8, CAMERA_MEDIA_TYPE_BAYBG8,
                                              CAMERA_MEDIA_TYPE_RGB8, CAMERA_MEDIA_TYPE_MONO8}));
}

TEST_F(FakeCamera, FramesArriveAtTheCameraRateAndLateOnesCountAsLost)
{
    ASSERT_EQ(CameraPlay(h), CAMERA_STATUS_SUCCESS);
    RawFrame first;
    ASSERT_EQ(grabRaw(h, first), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(first.info.uiMediaType, CAMERA_MEDIA_TYPE_MONO8); // the camera's own format is kept
    EXPECT_EQ(first.raw.size(), size_t(first.info.uiWidth) * first.info.uiHeight);
    OutImage out;
    ASSERT_EQ(convert(h, first, out), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(out.info.uiMediaType, CAMERA_MEDIA_TYPE_RGB8);

    // The test camera runs at 25 frames a second.
    stFrameStatistic before{};
    CameraGetFrameStatistic(h, &before);
    const auto start = std::chrono::steady_clock::now();
    int frames = 0;
    while (std::chrono::steady_clock::now() - start < std::chrono::seconds(2)) {
        RawFrame f;
        if (grabRaw(h, f, 1000) == CAMERA_STATUS_SUCCESS)
            ++frames;
    }
    EXPECT_GE(frames, 20); // a starved machine may slow the sender, never speed it up
    EXPECT_LE(frames, 60);
    stFrameStatistic after{};
    CameraGetFrameStatistic(h, &after);
    // The frames already waiting when counting began came on top.
    EXPECT_GE(after.iCapture - before.iCapture + 4, uint32_t(frames));
    EXPECT_EQ(after.iLost, before.iLost);

    // A caller that falls behind gets recent frames; the ones it missed,
    // overtaken or without a free buffer, count as lost.
    usleep(600 * 1000);
    RawFrame late;
    ASSERT_EQ(grabRaw(h, late), CAMERA_STATUS_SUCCESS);
    EXPECT_GE(late.info.uiFrameId - first.info.uiFrameId, uint32_t(frames + 6));
    stFrameStatistic behind{};
    CameraGetFrameStatistic(h, &behind);
    EXPECT_GE(behind.iLost - after.iLost, 4u);

    EXPECT_EQ(CameraPause(h), CAMERA_STATUS_SUCCESS);
    CameraFrameHandle none = nullptr;
    EXPECT_EQ(CameraGetRawImageBuffer(h, &none, 300), CAMERA_STATUS_TIMEOUT);
}

TEST_F(FakeCamera, ExposureRegionAndFormatReachTheFrames)
{
    ASSERT_EQ(CameraPlay(h), CAMERA_STATUS_SUCCESS);
    ASSERT_EQ(CameraSetExposureTime(h, 10000), CAMERA_STATUS_SUCCESS);
    const double dim = settledMean(h);
    ASSERT_EQ(CameraSetExposureTime(h, 40000), CAMERA_STATUS_SUCCESS);
    EXPECT_GT(settledMean(h), dim + 20);
    double exposure = 0;
    EXPECT_EQ(CameraGetExposureTime(h, &exposure), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(exposure, 40000);
    EXPECT_EQ(CameraSetExposureTime(h, 5), CAMERA_STATUS_INVALID_ARGUMENT); // below the camera's 10 µs

    stImageResolution roi{};
    roi.iIndex = CAMERA_RESOLUTION_CUSTOM;
    roi.iHOffsetFOV = 101; // odd: a colour camera moves by whole Bayer cells
    roi.iVOffsetFOV = 50;
    roi.iWidthFOV = 320;
    roi.iHeightFOV = 240;
    ASSERT_EQ(CameraSetResolutionEx(h, &roi), CAMERA_STATUS_SUCCESS);
    RawFrame cropped;
    ASSERT_EQ(grabRaw(h, cropped), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(cropped.info.uiWidth, 320u);
    EXPECT_EQ(cropped.info.uiHeight, 240u);
    stImageResolution now{};
    ASSERT_EQ(CameraGetResolution(h, &now), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(now.iHOffsetFOV, 100);
    roi.iWidthFOV = 2000; // past the sensor's edge
    EXPECT_EQ(CameraSetResolutionEx(h, &roi), CAMERA_STATUS_INVALID_ARGUMENT);

    // The largest preset is the whole sensor.
    stCameraCapability cap{};
    ASSERT_EQ(CameraGetCapability(h, &cap), CAMERA_STATUS_SUCCESS);
    ASSERT_EQ(CameraSetResolution(h, cap.iImageSizeDesc - 1), CAMERA_STATUS_SUCCESS);
    RawFrame full;
    ASSERT_EQ(grabRaw(h, full), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(full.info.uiWidth, 2048u);
    EXPECT_EQ(full.info.uiHeight, 2048u);

    ASSERT_EQ(CameraSetSensorOutPixelFormat(h, CAMERA_MEDIA_TYPE_BAYGB8), CAMERA_STATUS_SUCCESS);
    RawFrame bayer;
    ASSERT_EQ(grabRaw(h, bayer), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(bayer.info.uiMediaType, CAMERA_MEDIA_TYPE_BAYGB8);
    OutImage colour;
    EXPECT_EQ(convert(h, bayer, colour), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(CameraSetSensorOutPixelFormat(h, 0x01100003u /* Mono10 */), CAMERA_STATUS_INVALID_ARGUMENT);

    // A still of another region leaves the stream as it was.
    roi.iHOffsetFOV = 0;
    roi.iVOffsetFOV = 0;
    roi.iWidthFOV = 64;
    roi.iHeightFOV = 32;
    ASSERT_EQ(CameraSetResolutionForSnap(h, &roi), CAMERA_STATUS_SUCCESS);
    CameraFrameHandle still = nullptr;
    stImageInfo info{};
    BYTE *pixels = nullptr;
    ASSERT_EQ(CameraSnapToBuffer(h, &still, &info, &pixels, 2000), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(info.uiWidth, 64u);
    EXPECT_EQ(info.uiHeight, 32u);
    CameraReleaseFrameHandle(h, still);
    RawFrame after;
    ASSERT_EQ(grabRaw(h, after), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(after.info.uiWidth, 2048u);
}

// Without user sets in the camera the library keeps each group whole and
// writes it back, so a load brings the camera's own settings back too.
TEST_F(FakeCamera, ParameterGroupsAndFilesRestoreTheCamera)
{
    ASSERT_EQ(CameraPlay(h), CAMERA_STATUS_SUCCESS);
    ASSERT_EQ(CameraSetExposureTime(h, 15000), CAMERA_STATUS_SUCCESS);
    ASSERT_EQ(CameraSetSaturation(h, 150), CAMERA_STATUS_SUCCESS);
    ASSERT_EQ(CameraSaveParameter(h, 1), CAMERA_STATUS_SUCCESS);
    const std::string dir = tempDir();
    const std::string file = dir + "/fake_Cfg_B.bin";
    ASSERT_EQ(CameraSaveParameterToFile(h, file.c_str()), CAMERA_STATUS_SUCCESS);

    ASSERT_EQ(CameraSetExposureTime(h, 60000), CAMERA_STATUS_SUCCESS);
    ASSERT_EQ(CameraSetSaturation(h, 80), CAMERA_STATUS_SUCCESS);
    const double bright = settledMean(h);

    ASSERT_EQ(CameraLoadParameter(h, 1), CAMERA_STATUS_SUCCESS);
    double exposure = 0;
    int saturation = 0, group = -1;
    EXPECT_EQ(CameraGetExposureTime(h, &exposure), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(exposure, 15000);
    EXPECT_EQ(CameraGetSaturation(h, &saturation), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(saturation, 150);
    EXPECT_EQ(CameraGetCurrentParameterGroup(h, &group), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(group, 1);
    EXPECT_LT(settledMean(h), bright - 20) << "the camera took the group's exposure";

    ASSERT_EQ(CameraLoadParameter(h, CAMERA_PARAMETER_GROUP_DEFAULT), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(CameraGetExposureTime(h, &exposure), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(exposure, 10000);

    ASSERT_EQ(CameraReadParameterFromFile(h, file.c_str()), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(CameraGetExposureTime(h, &exposure), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(exposure, 15000);

    // A file of another model is refused and changes nothing.
    vexo::sdk::ParameterFile other;
    other.productName = "VXG-200C";
    other.serial = "X";
    const std::vector<uint8_t> bytes = vexo::sdk::writeParameterFile(other);
    const std::string foreign = dir + "/other_Cfg_A.bin";
    ASSERT_TRUE(vexo::sdk::writeFileAtomic(foreign, bytes.data(), bytes.size()));
    EXPECT_EQ(CameraReadParameterFromFile(h, foreign.c_str()), CAMERA_STATUS_NOT_MATCH);
    EXPECT_EQ(CameraGetExposureTime(h, &exposure), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(exposure, 15000);
}

TEST(FakeCameraCycles, OpenStreamCloseLeavesNoThreadsOrBuffers)
{
    const auto cycle = [] {
        Camera cam(kSerial);
        if (!cam.ok() || CameraPlay(cam.handle()) != CAMERA_STATUS_SUCCESS)
            return false;
        RawFrame f;
        return grabRaw(cam.handle(), f) == CAMERA_STATUS_SUCCESS;
    };
    // The first cycles start what lives for the whole process (Aravis's own).
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(cycle());
    const size_t threads = threadCount();
    const long memory = residentKiB();
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(cycle()) << i;
    EXPECT_TRUE(waitFor([&] { return threadCount() == threads; }, 2000))
        << threadCount() << " vs " << threads;
#if !defined(__SANITIZE_ADDRESS__) // its quarantine keeps freed memory resident
    // Each cycle's buffers are over a megabyte; a leak would show.
    EXPECT_LT(residentKiB() - memory, 16 * 1024);
#else
    (void)memory;
#endif
}
