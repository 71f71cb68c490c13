// Frames: rate and counters, what the image pipeline does to a picture,
// regions of interest, trigger modes and overlays.
#include "sdk_test_support.h"

#include <atomic>
#include <cmath>

using namespace vexo::test;
using Clock = std::chrono::steady_clock;

namespace {

// The colour camera with the smallest sensor keeps the pixel loops quick.
std::string smallColourCamera()
{
    std::string best;
    long bestArea = 0;
    for (const stDeviceInfo &d : enumerate()) {
        Camera cam(textAt(&d, 356, 32));
        stCameraCapability cap{};
        if (!cam.ok() || CameraGetCapability(cam.handle(), &cap) != 0 || !cap.iIsColor)
            continue;
        const long area = long(cap.iSensorWidth) * cap.iSensorHeight;
        if (best.empty() || area < bestArea) {
            best = cam.serial();
            bestArea = area;
        }
    }
    return best;
}

// An open, streaming camera with the pipeline in a neutral state.
class Streaming : public ::testing::Test
{
protected:
    void SetUp() override
    {
        serial = smallColourCamera();
        ASSERT_FALSE(serial.empty()) << "no colour camera";
        cam = std::make_unique<Camera>(serial);
        ASSERT_TRUE(cam->ok()) << cam->status();
        h = cam->handle();
        ASSERT_EQ(CameraLoadParameter(h, CAMERA_PARAMETER_GROUP_DEFAULT), 0);
        ASSERT_EQ(CameraGetCapability(h, &cap), 0);
        ASSERT_EQ(CameraSetAeState(h, 0), 0);
        ASSERT_EQ(CameraSetWbMode(h, 0), 0);
        ASSERT_EQ(CameraSetGain(h, 100, 100, 100), 0);
        ASSERT_EQ(CameraSetSharpness(h, 0), 0);
        ASSERT_EQ(CameraSetIspOutFormat(h, CAMERA_MEDIA_TYPE_RGB8), 0);
    }
    void TearDown() override
    {
        if (h)
            CameraLoadParameter(h, CAMERA_PARAMETER_GROUP_DEFAULT);
        cam.reset();
    }

    // A frame taken after every setting made so far is in force.
    RawFrame freshFrame()
    {
        RawFrame frame;
        EXPECT_EQ(grabRaw(h, frame), 0);
        EXPECT_EQ(grabRaw(h, frame), 0);
        return frame;
    }

    OutImage converted(const RawFrame &frame)
    {
        OutImage out;
        EXPECT_EQ(convert(h, frame, out), 0);
        return out;
    }

    std::string serial;
    std::unique_ptr<Camera> cam;
    CameraHandle h = nullptr;
    stCameraCapability cap{};
};

double meanAbsDiff(const OutImage &a, const OutImage &b, bool mirrorX, bool mirrorY)
{
    const int w = int(a.info.uiWidth);
    const int hgt = int(a.info.uiHeight);
    double sum = 0;
    for (int y = 0; y < hgt; ++y) {
        for (int x = 0; x < w; ++x) {
            const BYTE *p = a.pixel(x, y);
            const BYTE *q = b.pixel(mirrorX ? w - 1 - x : x, mirrorY ? hgt - 1 - y : y);
            for (int c = 0; c < 3; ++c)
                sum += std::abs(int(p[c]) - int(q[c]));
        }
    }
    return sum / (3.0 * w * hgt);
}

double meanChroma(const OutImage &img)
{
    double sum = 0;
    for (uint32_t y = 0; y < img.info.uiHeight; ++y) {
        for (uint32_t x = 0; x < img.info.uiWidth; ++x) {
            const BYTE *p = img.pixel(int(x), int(y));
            sum += std::max({p[0], p[1], p[2]}) - std::min({p[0], p[1], p[2]});
        }
    }
    return sum / (double(img.info.uiWidth) * img.info.uiHeight);
}

// Single pixels far brighter than all their neighbours: what a hot pixel leaves.
int isolatedPeaks(const OutImage &img)
{
    int peaks = 0;
    const int w = int(img.info.uiWidth);
    const int hgt = int(img.info.uiHeight);
    for (int y = 1; y + 1 < hgt; ++y) {
        for (int x = 1; x + 1 < w; ++x) {
            for (int c = 0; c < 3; ++c) {
                const int v = img.pixel(x, y)[c];
                if (v < 200)
                    continue;
                bool isolated = true;
                for (int dy = -1; dy <= 1 && isolated; ++dy)
                    for (int dx = -1; dx <= 1 && isolated; ++dx)
                        if ((dx || dy) && img.pixel(x + dx, y + dy)[c] > v - 60)
                            isolated = false;
                peaks += isolated;
            }
        }
    }
    return peaks;
}

} // namespace

TEST_F(Streaming, FramesArriveAtTheCameraRateAndAreCounted)
{
    ASSERT_EQ(CameraSetExposureTime(h, 1000.0), 0);
    ASSERT_EQ(CameraSetFrameSpeed(h, 2), 0);
    ASSERT_EQ(CameraPlay(h), 0);
    RawFrame frame = freshFrame();
    EXPECT_EQ(int(frame.info.uiWidth), cap.iSensorWidth);
    EXPECT_EQ(int(frame.info.uiHeight), cap.iSensorHeight);
    EXPECT_EQ(frame.info.uiMediaType, CAMERA_MEDIA_TYPE_BAYRG8);
    EXPECT_EQ(frame.info.uiBytes, frame.info.uiWidth * frame.info.uiHeight);

    stFrameStatistic before{};
    ASSERT_EQ(CameraGetFrameStatistic(h, &before), 0);
    const auto start = Clock::now();
    const uint32_t firstId = frame.info.uiFrameId;
    const uint64_t firstStamp = frame.info.uiTimestamp;
    int fetched = 0;
    uint32_t lastId = firstId;
    while (Clock::now() - start < std::chrono::milliseconds(1000)) {
        ASSERT_EQ(grabRaw(h, frame), 0);
        EXPECT_GT(frame.info.uiFrameId, lastId) << "a frame is never handed out twice";
        lastId = frame.info.uiFrameId;
        ++fetched;
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const double rate = fetched / seconds;
    EXPECT_GT(rate, 0.7 * cap.iMaxFrameRate) << "fps " << rate;
    EXPECT_LT(rate, 1.15 * cap.iMaxFrameRate) << "fps " << rate;
    const double stampSpan = double(frame.info.uiTimestamp - firstStamp) / 1e6;
    EXPECT_NEAR(stampSpan, seconds, 0.2) << "timestamps follow real time";

    stFrameStatistic after{};
    ASSERT_EQ(CameraGetFrameStatistic(h, &after), 0);
    EXPECT_GE(after.iCapture - before.iCapture, uint32_t(fetched));
    EXPECT_GE(after.iTotal, after.iCapture);

    // Frames nobody fetches are overwritten and counted as lost.
    ASSERT_TRUE(waitFor([&] {
        stFrameStatistic now{};
        CameraGetFrameStatistic(h, &now);
        return now.iTotal >= after.iTotal + 20;
    }));
    stFrameStatistic idle{};
    ASSERT_EQ(CameraGetFrameStatistic(h, &idle), 0);
    EXPECT_GT(idle.iLost, after.iLost);
    // The next fetch hands out a recent frame, not the oldest one kept.
    ASSERT_EQ(grabRaw(h, frame), 0);
    EXPECT_GE(frame.info.uiFrameId + 10, lastId + 20);
}

// Frames take at least their exposure time; a slower frame speed lowers the rate.
TEST_F(Streaming, LongExposureAndLowSpeedSlowTheRate)
{
    auto rateOf = [&](int frames) {
        RawFrame first;
        RawFrame last;
        EXPECT_EQ(grabRaw(h, first), 0);
        EXPECT_EQ(grabRaw(h, first), 0);
        for (int i = 0; i < frames; ++i)
            EXPECT_EQ(grabRaw(h, last), 0);
        const double seconds = double(last.info.uiTimestamp - first.info.uiTimestamp) / 1e6;
        return seconds > 0 ? (last.info.uiFrameId - first.info.uiFrameId) / seconds : 0.0;
    };
    ASSERT_EQ(CameraSetExposureTime(h, 50000.0), 0);
    ASSERT_EQ(CameraPlay(h), 0);
    EXPECT_LE(rateOf(6), 20.5);
    ASSERT_EQ(CameraSetExposureTime(h, 1000.0), 0);
    ASSERT_EQ(CameraSetFrameSpeed(h, 2), 0);
    const double high = rateOf(20);
    ASSERT_EQ(CameraSetFrameSpeed(h, 0), 0);
    const double low = rateOf(10);
    EXPECT_LT(low, high * 0.8) << low << " vs " << high << " fps";
}

TEST_F(Streaming, PausedCameraProducesNothing)
{
    RawFrame frame;
    EXPECT_EQ(grabRaw(h, frame, 100), CAMERA_STATUS_TIMEOUT) << "not started yet";
    ASSERT_EQ(CameraPlay(h), 0);
    ASSERT_EQ(grabRaw(h, frame), 0);
    ASSERT_EQ(CameraPause(h), 0);
    stFrameStatistic a{};
    ASSERT_EQ(CameraGetFrameStatistic(h, &a), 0);
    EXPECT_EQ(grabRaw(h, frame, 150), CAMERA_STATUS_TIMEOUT);
    stFrameStatistic b{};
    ASSERT_EQ(CameraGetFrameStatistic(h, &b), 0);
    EXPECT_EQ(a.iTotal, b.iTotal);
}

TEST_F(Streaming, ExposureAndGainBrightenTheSensorPicture)
{
    ASSERT_EQ(CameraSetExposureTime(h, 2000.0), 0);
    ASSERT_EQ(CameraPlay(h), 0);
    auto frameWith = [&](uint32_t exposureUs, uint32_t gain) {
        RawFrame frame;
        const bool found = waitFor([&] {
            return grabRaw(h, frame) == 0 && std::abs(int(frame.info.uiExposureUs) - int(exposureUs)) < 100 &&
                   frame.info.uiGain == gain;
        });
        EXPECT_TRUE(found) << exposureUs << " us, gain " << gain;
        return rawMean(frame);
    };
    const double base = frameWith(2000, 1000);
    ASSERT_EQ(CameraSetExposureTime(h, 4000.0), 0);
    const double longer = frameWith(4000, 1000);
    ASSERT_EQ(CameraSetAnalogGain(h, 2000), 0);
    const double brighter = frameWith(4000, 2000);
    EXPECT_GT(longer, base * 1.3) << base << " -> " << longer;
    EXPECT_GT(brighter, longer * 1.2) << longer << " -> " << brighter;
}

TEST_F(Streaming, AutoExposureFollowsItsTarget)
{
    ASSERT_EQ(CameraPlay(h), 0);
    auto settledMean = [&](uint16_t target) {
        EXPECT_EQ(CameraSetAeTarget(h, target), 0);
        EXPECT_EQ(CameraSetAeState(h, 1), 0);
        double mean = 0;
        waitFor(
            [&] {
                RawFrame f;
                if (grabRaw(h, f) != 0)
                    return false;
                OutImage out = converted(f);
                mean = (channelMean(out, 0) + channelMean(out, 1) + channelMean(out, 2)) / 3;
                return std::abs(mean - target) < 25;
            },
            8000);
        return mean;
    };
    const double dark = settledMean(50);
    const double bright = settledMean(170);
    EXPECT_NEAR(dark, 50, 25);
    EXPECT_NEAR(bright, 170, 25);
    double exposure = 0;
    ASSERT_EQ(CameraGetExposureTime(h, &exposure), 0);
    stCurrentDeviceInfo info{};
    ASSERT_EQ(CameraGetCurDevInfo(h, &info), 0);
    EXPECT_GE(exposure, info.dAeExposureMin);
    EXPECT_LE(exposure, info.dAeExposureMax);
}

TEST_F(Streaming, MirrorAndFlipReverseThePicture)
{
    ASSERT_EQ(CameraPlay(h), 0);
    const RawFrame frame = freshFrame();
    const OutImage plain = converted(frame);
    ASSERT_EQ(plain.info.uiMediaType, CAMERA_MEDIA_TYPE_RGB8);

    ASSERT_EQ(CameraSetMirror(h, 0, 1), 0);
    const OutImage mirrored = converted(frame);
    EXPECT_LT(meanAbsDiff(plain, mirrored, true, false), 2.0);
    EXPECT_GT(meanAbsDiff(plain, mirrored, false, false), 5.0) << "the scene is not symmetric";

    ASSERT_EQ(CameraSetMirror(h, 0, 0), 0);
    ASSERT_EQ(CameraSetMirror(h, 1, 1), 0);
    const OutImage flipped = converted(frame);
    EXPECT_LT(meanAbsDiff(plain, flipped, false, true), 2.0);
    EXPECT_GT(meanAbsDiff(plain, flipped, false, false), 5.0);
}

TEST_F(Streaming, ColourSettingsChangeTheChannels)
{
    ASSERT_EQ(CameraPlay(h), 0);
    const RawFrame frame = freshFrame();
    const OutImage plain = converted(frame);
    const double r0 = channelMean(plain, 0);
    const double g0 = channelMean(plain, 1);
    const double b0 = channelMean(plain, 2);
    ASSERT_GT(meanChroma(plain), 5.0) << "a colour camera shows colour";

    ASSERT_EQ(CameraSetGain(h, 180, 100, 50), 0);
    const OutImage gained = converted(frame);
    EXPECT_GT(channelMean(gained, 0), r0 * 1.25);
    EXPECT_NEAR(channelMean(gained, 1), g0, g0 * 0.05 + 1);
    EXPECT_LT(channelMean(gained, 2), b0 * 0.75);
    ASSERT_EQ(CameraSetGain(h, 100, 100, 100), 0);

    ASSERT_EQ(CameraSetMonochrome(h, 1), 0);
    const OutImage mono = converted(frame);
    ASSERT_EQ(mono.info.uiMediaType, CAMERA_MEDIA_TYPE_RGB8);
    int coloured = 0;
    for (uint32_t y = 0; y < mono.info.uiHeight; ++y)
        for (uint32_t x = 0; x < mono.info.uiWidth; ++x) {
            const BYTE *p = mono.pixel(int(x), int(y));
            coloured += std::abs(p[0] - p[1]) > 1 || std::abs(p[1] - p[2]) > 1;
        }
    EXPECT_EQ(coloured, 0);
    ASSERT_EQ(CameraSetMonochrome(h, 0), 0);

    ASSERT_EQ(CameraSetSaturation(h, 0), 0);
    EXPECT_LT(meanChroma(converted(frame)), meanChroma(plain) * 0.25);
    ASSERT_EQ(CameraSetSaturation(h, 200), 0);
    EXPECT_GT(meanChroma(converted(frame)), meanChroma(plain) * 1.2);
}

TEST_F(Streaming, ToneSettingsAllTakeEffect)
{
    ASSERT_EQ(CameraPlay(h), 0);
    const RawFrame frame = freshFrame();
    const OutImage plain = converted(frame);
    auto changes = [&](const char *what) {
        const OutImage other = converted(frame);
        EXPECT_GT(meanAbsDiff(plain, other, false, false), 0.5) << what;
    };
    ASSERT_EQ(CameraSetContrast(h, 90), 0);
    changes("contrast");
    ASSERT_EQ(CameraSetContrast(h, 50), 0);
    ASSERT_EQ(CameraSetSharpness(h, 100), 0);
    changes("sharpness");
    ASSERT_EQ(CameraSetSharpness(h, 0), 0);
    ASSERT_EQ(CameraSetLutMode(h, 0), 0);
    ASSERT_EQ(CameraSetGamma(h, 250), 0);
    changes("gamma");
    ASSERT_EQ(CameraSetGamma(h, 100), 0);
    if (cap.iPresetLut > 1) {
        ASSERT_EQ(CameraSetLutMode(h, 1), 0);
        std::vector<OutImage> looks;
        for (int i = 0; i < cap.iPresetLut; ++i) {
            ASSERT_EQ(CameraSelectLutPreset(h, cap.pPresetLutDesc[i].iIndex), 0);
            looks.push_back(converted(frame));
        }
        EXPECT_GT(meanAbsDiff(looks[0], looks[1], false, false), 0.5) << "presets differ";
    }
}

TEST_F(Streaming, DeadPixelCorrectionRemovesHotPixels)
{
    ASSERT_EQ(CameraSetCorrectDeadPixel(h, 0), 0);
    ASSERT_EQ(CameraSetExposureTime(h, 500.0), 0); // a dark scene shows hot pixels best
    ASSERT_EQ(CameraPlay(h), 0);
    const int before = isolatedPeaks(converted(freshFrame()));
    ASSERT_EQ(CameraSetCorrectDeadPixel(h, 1), 0);
    const int after = isolatedPeaks(converted(freshFrame()));
    EXPECT_GT(before, 0);
    EXPECT_LT(after, before);
}

TEST_F(Streaming, MonoOutputFormatUsesPaddedGreyRows)
{
    ASSERT_EQ(CameraPlay(h), 0);
    const RawFrame frame = freshFrame();
    ASSERT_EQ(CameraSetIspOutFormat(h, CAMERA_MEDIA_TYPE_MONO8), 0);
    uint32_t format = 0;
    ASSERT_EQ(CameraGetIspOutFormat(h, &format), 0);
    EXPECT_EQ(format, CAMERA_MEDIA_TYPE_MONO8);
    OutImage out;
    ASSERT_EQ(convert(h, frame, out), 0);
    EXPECT_EQ(out.info.uiMediaType, CAMERA_MEDIA_TYPE_MONO8);
    EXPECT_EQ(out.info.uiBytes, ((out.info.uiWidth + 3) & ~3u) * out.info.uiHeight);
}

TEST_F(Streaming, RegionOfInterestCropsAndBadRegionsAreRefused)
{
    stImageResolution roi{};
    roi.iIndex = CAMERA_RESOLUTION_CUSTOM;
    roi.iHOffsetFOV = 64;
    roi.iVOffsetFOV = 32;
    roi.iWidthFOV = roi.iWidth = 322; // 966 bytes of RGB: rows need padding
    roi.iHeightFOV = roi.iHeight = 200;
    ASSERT_EQ(CameraSetResolutionEx(h, &roi), 0);
    int w = 0;
    int hgt = 0;
    ASSERT_EQ(CameraGetOutImageSize(h, &w, &hgt), 0);
    EXPECT_EQ(w, 322);
    EXPECT_EQ(hgt, 200);
    stImageResolution current{};
    ASSERT_EQ(CameraGetResolution(h, &current), 0);
    EXPECT_EQ(current.iIndex, CAMERA_RESOLUTION_CUSTOM);
    stImageResolution custom{};
    ASSERT_EQ(CameraGetResolutionEx(h, CAMERA_RESOLUTION_CUSTOM, &custom), 0);
    EXPECT_EQ(custom.iHOffsetFOV, 64);
    EXPECT_EQ(custom.iVOffsetFOV, 32);
    EXPECT_EQ(custom.iWidth, 322);

    ASSERT_EQ(CameraPlay(h), 0);
    const RawFrame frame = freshFrame();
    EXPECT_EQ(frame.info.uiWidth, 322u);
    EXPECT_EQ(frame.info.uiHeight, 200u);
    const OutImage out = converted(frame);
    EXPECT_EQ(out.info.uiBytes, 968u * 200u);

    auto refused = [&](int x, int y, int width, int height) {
        stImageResolution bad = roi;
        bad.iHOffsetFOV = x;
        bad.iVOffsetFOV = y;
        bad.iWidthFOV = bad.iWidth = width;
        bad.iHeightFOV = bad.iHeight = height;
        EXPECT_NE(CameraSetResolutionEx(h, &bad), 0) << x << "," << y << " " << width << "x" << height;
    };
    refused(cap.iSensorWidth - 100, 0, 200, 100);
    refused(0, cap.iSensorHeight - 10, 100, 100);
    refused(-2, 0, 100, 100);
    refused(0, 0, 0, 100);
    refused(0, 0, 100, -4);
    refused(0, 0, cap.iSensorWidth + 2, cap.iSensorHeight);
    refused(INT32_MAX - 1, 0, 100, 100);
    ASSERT_EQ(CameraGetOutImageSize(h, &w, &hgt), 0);
    EXPECT_EQ(w, 322) << "a refused region changes nothing";
    EXPECT_EQ(hgt, 200);
}

TEST_F(Streaming, PresetsAndSnapshotsUseTheirOwnSizes)
{
    ASSERT_GE(cap.iImageSizeDesc, 1);
    for (int i = 0; i < cap.iImageSizeDesc; ++i) {
        const stImageResolution &preset = cap.pImageSizeDesc[i];
        ASSERT_EQ(CameraSetResolution(h, preset.iIndex), 0);
        int w = 0;
        int hgt = 0;
        ASSERT_EQ(CameraGetOutImageSize(h, &w, &hgt), 0);
        EXPECT_EQ(w, preset.iWidth);
        EXPECT_EQ(hgt, preset.iHeight);
    }
    // The region editor asks for a full-sensor still while a small region streams.
    const stImageResolution &full = cap.pImageSizeDesc[cap.iImageSizeDesc - 1];
    stImageResolution roi{};
    roi.iIndex = CAMERA_RESOLUTION_CUSTOM;
    roi.iWidthFOV = roi.iWidth = 160;
    roi.iHeightFOV = roi.iHeight = 120;
    ASSERT_EQ(CameraSetResolutionEx(h, &roi), 0);
    ASSERT_EQ(CameraSetResolutionForSnap(h, &full), 0);
    ASSERT_EQ(CameraPlay(h), 0);
    CameraFrameHandle snap = nullptr;
    stImageInfo info{};
    BYTE *raw = nullptr;
    ASSERT_EQ(CameraSnapToBuffer(h, &snap, &info, &raw, 5000), 0);
    EXPECT_EQ(int(info.uiWidth), full.iWidth);
    EXPECT_EQ(int(info.uiHeight), full.iHeight);
    EXPECT_NE(raw, nullptr);
    ASSERT_EQ(CameraReleaseFrameHandle(h, snap), 0);
    RawFrame frame = freshFrame();
    EXPECT_EQ(frame.info.uiWidth, 160u) << "streaming keeps its region";
}

TEST_F(Streaming, SoftwareTriggerYieldsTheTriggerFrameCount)
{
    ASSERT_EQ(CameraSetTriggerMode(h, CAMERA_TRIGGER_SOFTWARE), 0);
    ASSERT_EQ(CameraSetTriggerFrameCount(h, 3), 0);
    ASSERT_EQ(CameraPlay(h), 0);
    RawFrame frame;
    EXPECT_EQ(grabRaw(h, frame, 200), CAMERA_STATUS_TIMEOUT) << "no frame without a trigger";
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(CameraSoftTrigger(h), 0);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(grabRaw(h, frame, 2000), 0) << "frame " << i;
        EXPECT_EQ(grabRaw(h, frame, 200), CAMERA_STATUS_TIMEOUT) << "only three per trigger";
    }
}

TEST_F(Streaming, TriggerDelayHoldsTheFrameBack)
{
    ASSERT_EQ(CameraSetTriggerMode(h, CAMERA_TRIGGER_SOFTWARE), 0);
    ASSERT_EQ(CameraSetTriggerDelayTime(h, 300000), 0);
    ASSERT_EQ(CameraPlay(h), 0);
    const auto start = Clock::now();
    ASSERT_EQ(CameraSoftTrigger(h), 0);
    RawFrame frame;
    ASSERT_EQ(grabRaw(h, frame, 3000), 0);
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(250));
}

TEST_F(Streaming, HardwareTriggerFiresOnInputEdges)
{
    if (cap.iInputIoCounts < 1) {
        EXPECT_NE(VexoSimFireTrigger(serial.c_str(), 0), 0) << "a camera without inputs";
        return;
    }
    ASSERT_EQ(CameraSetTriggerMode(h, CAMERA_TRIGGER_HARDWARE), 0);
    ASSERT_EQ(CameraSetTriggerFrameCount(h, 1), 0);
    ASSERT_EQ(CameraPlay(h), 0);
    RawFrame frame;
    EXPECT_EQ(grabRaw(h, frame, 200), CAMERA_STATUS_TIMEOUT);
    ASSERT_EQ(VexoSimFireTrigger(serial.c_str(), 0), 0);
    EXPECT_EQ(grabRaw(h, frame, 2000), 0);
    EXPECT_EQ(grabRaw(h, frame, 200), CAMERA_STATUS_TIMEOUT);
    ASSERT_EQ(VexoSimFireTrigger(serial.c_str(), 0), 0);
    EXPECT_EQ(grabRaw(h, frame, 2000), 0);
    EXPECT_NE(VexoSimFireTrigger(serial.c_str(), cap.iInputIoCounts), 0) << "no such line";

    // Software triggers do nothing in hardware mode, and continuous mode needs no edges.
    CameraSoftTrigger(h);
    EXPECT_EQ(grabRaw(h, frame, 200), CAMERA_STATUS_TIMEOUT);
    ASSERT_EQ(CameraSetTriggerMode(h, CAMERA_TRIGGER_CONTINUOUS), 0);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(grabRaw(h, frame, 2000), 0);
}

TEST_F(Streaming, OverlayDrawsOnlyVisibleCrossLines)
{
    ASSERT_EQ(CameraPlay(h), 0);
    const OutImage plain = converted(freshFrame());
    ASSERT_EQ(CameraSetCrossLine(h, 0, 100, 50, 0x0000FF, 1), 0);
    ASSERT_EQ(CameraSetCrossLine(h, 1, 20, 30, 0xFF0000, 0), 0);
    int x = 0, y = 0, visible = 0;
    uint32_t colour = 0;
    ASSERT_EQ(CameraGetCrossLine(h, 0, &x, &y, &colour, &visible), 0);
    EXPECT_EQ(std::tie(x, y, colour, visible), std::make_tuple(100, 50, 0x0000FFu, 1));

    OutImage drawn = plain;
    ASSERT_EQ(CameraImageOverlay(h, drawn.pixels.data(), &drawn.info), 0);
    for (int at : {5, 100, int(plain.info.uiWidth) - 5}) {
        const BYTE *p = drawn.pixel(at, 50);
        EXPECT_EQ(std::make_tuple(p[0], p[1], p[2]), std::make_tuple(255, 0, 0)) << "row 50, x " << at;
    }
    const BYTE *p = drawn.pixel(100, 5);
    EXPECT_EQ(std::make_tuple(p[0], p[1], p[2]), std::make_tuple(255, 0, 0)) << "column 100";
    // Away from line 0 the picture is untouched: the hidden line 1 drew nothing.
    EXPECT_EQ(memcmp(drawn.pixel(0, 30), plain.pixel(0, 30), 3 * 90), 0);
    EXPECT_EQ(memcmp(drawn.pixel(0, 200), plain.pixel(0, 200), 3 * 90), 0);
}

// A display's picture made while converting has exactly the pixels of the
// full conversion and overlay under its pixels' centres, and a head that
// describes it; sizes outside the frame's are refused.
TEST_F(Streaming, SampledConversionTakesTheFullPicturesPixels)
{
    ASSERT_EQ(CameraPlay(h), 0);
    ASSERT_EQ(CameraSetMirror(h, 0, 1), 0);
    ASSERT_EQ(CameraSetMirror(h, 1, 1), 0);
    ASSERT_EQ(CameraSetSaturation(h, 150), 0);
    ASSERT_EQ(CameraSetCrossLine(h, 0, 1, 1, 0x00FF00, 1), 0); // on the samples of a third
    ASSERT_EQ(CameraSetCrossLine(h, 1, 2, 2, 0xFF0000, 1), 0); // between them
    const RawFrame frame = freshFrame();
    const int w = int(frame.info.uiWidth), hgt = int(frame.info.uiHeight);
    struct Case
    {
        uint32_t format;
        int outW, outH, overlay;
    };
    const Case cases[] = {{CAMERA_MEDIA_TYPE_RGB8, w / 3, hgt / 3, 1},
                          {CAMERA_MEDIA_TYPE_BGR8, w, hgt, 1},
                          {CAMERA_MEDIA_TYPE_MONO8, w / 2 + 1, hgt / 5, 1},
                          {CAMERA_MEDIA_TYPE_RGB8, 1, 1, 0},
                          {CAMERA_MEDIA_TYPE_RGB8, w / 3, hgt / 3, 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.outW << "x" << c.outH << " overlay " << c.overlay);
        ASSERT_EQ(CameraSetIspOutFormat(h, c.format), 0);
        OutImage full = converted(frame);
        if (c.overlay) {
            ASSERT_EQ(CameraImageOverlay(h, full.pixels.data(), &full.info), 0);
        }
        stImageInfo info = frame.info;
        std::vector<BYTE> picture(size_t(c.outW) * c.outH * 4, 0x5a);
        ASSERT_EQ(CameraGetOutImageBufferSampled(h, &info, frame.raw.data(), picture.data(), c.outW, c.outH,
                                                 c.overlay),
                  0);
        const int bpp = c.format == CAMERA_MEDIA_TYPE_MONO8 ? 1 : 3;
        const int stride = (c.outW * bpp + 3) & ~3;
        EXPECT_EQ(
            std::make_tuple(info.uiWidth, info.uiHeight, info.uiBytes, info.uiMediaType, info.uiFrameId),
            std::make_tuple(uint32_t(c.outW), uint32_t(c.outH), uint32_t(stride * c.outH), c.format,
                            frame.info.uiFrameId));
        int differing = 0;
        for (int j = 0; j < c.outH; ++j) {
            const int y = int((2 * int64_t(j) + 1) * hgt / (2 * c.outH));
            for (int i = 0; i < c.outW; ++i) {
                const int x = int((2 * int64_t(i) + 1) * w / (2 * c.outW));
                differing += memcmp(&picture[size_t(j) * stride + i * bpp],
                                    &full.pixels[size_t(y) * full.stride() + x * bpp], bpp) != 0;
            }
        }
        EXPECT_EQ(differing, 0);
    }
    std::vector<BYTE> picture(size_t(w) * hgt * 4);
    for (const auto &size : {std::make_pair(0, 1), std::make_pair(1, 0), std::make_pair(w + 1, hgt),
                             std::make_pair(w, hgt + 1), std::make_pair(-4, -4)}) {
        stImageInfo info = frame.info;
        EXPECT_EQ(CameraGetOutImageBufferSampled(h, &info, frame.raw.data(), picture.data(), size.first,
                                                 size.second, 1),
                  CAMERA_STATUS_INVALID_ARGUMENT);
        EXPECT_EQ(info.uiWidth, frame.info.uiWidth) << "a refused call leaves the head";
    }
    stImageInfo info = frame.info;
    EXPECT_EQ(CameraGetOutImageBufferSampled(h, &info, frame.raw.data(), nullptr, 2, 2, 0),
              CAMERA_STATUS_INVALID_ARGUMENT);
    EXPECT_EQ(CameraGetOutImageBufferSampled(nullptr, &info, frame.raw.data(), picture.data(), 2, 2, 0),
              CAMERA_STATUS_INVALID_HANDLE);
}

// The viewer changes settings on its own thread while the grabber converts frames.
TEST_F(Streaming, SettingsChangeSafelyWhileFramesAreConverted)
{
    ASSERT_EQ(CameraPlay(h), 0);
    std::atomic<bool> stop{false};
    std::atomic<int> converted{0};
    std::atomic<int> inconsistent{0};
    std::thread grabber([&] {
        std::vector<BYTE> out(size_t(cap.iSensorWidth) * cap.iSensorHeight * 4);
        while (!stop) {
            CameraFrameHandle fh = nullptr;
            if (CameraGetRawImageBuffer(h, &fh, 500) != 0)
                continue;
            stImageInfo info{};
            BYTE *raw = nullptr;
            if (CameraGetImageInfo(h, fh, &info, &raw) == 0 &&
                CameraGetOutImageBuffer(h, &info, raw, out.data()) == 0) {
                const uint32_t bpp = info.uiMediaType == CAMERA_MEDIA_TYPE_MONO8 ? 1 : 3;
                if (info.uiBytes != ((info.uiWidth * bpp + 3) & ~3u) * info.uiHeight ||
                    int(info.uiWidth) > cap.iSensorWidth)
                    ++inconsistent;
                CameraImageOverlay(h, out.data(), &info);
                ++converted;
            }
            CameraReleaseFrameHandle(h, fh);
        }
    });
    stImageResolution small{};
    small.iIndex = CAMERA_RESOLUTION_CUSTOM;
    small.iWidthFOV = small.iWidth = 128;
    small.iHeightFOV = small.iHeight = 96;
    const auto end = Clock::now() + std::chrono::milliseconds(1500);
    for (int i = 0; Clock::now() < end; ++i) {
        CameraSetMirror(h, i % 2, (i / 2) % 2);
        CameraSetGain(h, 50 + i % 200, 100, 100);
        CameraSetMonochrome(h, (i / 7) % 2);
        CameraSetSharpness(h, i % 100);
        CameraSetCrossLine(h, 0, i % 300, i % 200, 0xFF, 1);
        CameraSetIspOutFormat(h, (i / 11) % 2 ? CAMERA_MEDIA_TYPE_MONO8 : CAMERA_MEDIA_TYPE_RGB8);
        if (i % 5 == 0)
            CameraSetResolutionEx(h, &small);
        else if (i % 5 == 2)
            CameraSetResolution(h, cap.pImageSizeDesc[cap.iImageSizeDesc - 1].iIndex);
        stCurrentDeviceInfo info{};
        CameraGetCurDevInfo(h, &info);
    }
    stop = true;
    grabber.join();
    EXPECT_GT(converted.load(), 10);
    EXPECT_EQ(inconsistent.load(), 0);
}
