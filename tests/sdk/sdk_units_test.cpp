// Pure pieces of the camera library that need no camera: the choice of
// backends, the image pipeline on every raw format, the conversions between
// the SDK's units and the standard camera features, and the GigE Vision
// discovery record.
#include "gvcp.h"
#include "isp.h"
#include "isp_kernels.h"
#include "isp_reference.h"
#include "mapping.h"
#include "scene.h"
#include "sdk_options.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <random>
#include <sys/stat.h>

using namespace vexo;

namespace {

uint32_t ip(int a, int b, int c, int d)
{
    return uint32_t(a) << 24 | uint32_t(b) << 16 | uint32_t(c) << 8 | uint32_t(d);
}

} // namespace

TEST(SdkOptions, EnvironmentWinsOverTheFileAndBadEntriesAreReported)
{
    struct Case
    {
        const char *backends;
        const char *addresses;
        const char *file;
        std::vector<std::string> wantBackends;
        bool wantAddresses;
        std::vector<uint32_t> addressList;
        size_t problems;
    };
    const Case cases[] = {
        {nullptr, nullptr, "", {"sim"}, false, {}, 0},
        {"aravis", nullptr, "", {"aravis"}, false, {}, 0},
        {" aravis , sim,aravis ", nullptr, "", {"aravis", "sim"}, false, {}, 0},
        {"aravis-fake", nullptr, "", {"aravis-fake"}, false, {}, 0},
        {"cameras", nullptr, "", {"sim"}, false, {}, 2},
        {"", nullptr, "", {"sim"}, false, {}, 1},
        {nullptr,
         nullptr,
         "# real ones\nbackends = aravis,sim\ngige-addresses = 10.0.0.5\n",
         {"aravis", "sim"},
         true,
         {ip(10, 0, 0, 5)},
         0},
        {"sim",
         "127.0.0.1",
         "backends = aravis\ngige-addresses = 10.0.0.5",
         {"sim"},
         true,
         {ip(127, 0, 0, 1)},
         0},
        {nullptr, "127.0.0.1, 10.1.2.3,127.0.0.1", "", {"sim"}, true, {ip(127, 0, 0, 1), ip(10, 1, 2, 3)}, 0},
        // Set but empty: no GigE Vision cameras at all, and no broadcast.
        {nullptr, "", "", {"sim"}, true, {}, 0},
        {nullptr, "255.255.255.255,224.0.0.1,0.0.0.0,1.2.3,10.0.0.256", "", {"sim"}, true, {}, 5},
        {nullptr, nullptr, "backends aravis\nshow = all\n", {"sim"}, false, {}, 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.backends ? c.backends : "(unset)") + " / " +
                     (c.addresses ? c.addresses : "(unset)") + " / " + c.file);
        const sdk::SdkOptions o = sdk::parseSdkOptions(c.backends, c.addresses, c.file);
        EXPECT_EQ(o.backends, c.wantBackends);
        EXPECT_EQ(o.gigeAddresses.has_value(), c.wantAddresses);
        if (o.gigeAddresses) {
            EXPECT_EQ(*o.gigeAddresses, c.addressList);
        }
        EXPECT_EQ(o.problems.size(), c.problems);
    }
    std::string many;
    for (int i = 1; i <= 70; ++i)
        many += "10.0.0." + std::to_string(i) + ",";
    const sdk::SdkOptions capped = sdk::parseSdkOptions(nullptr, many.c_str(), "");
    EXPECT_EQ(capped.gigeAddresses->size(), sdk::kMaxGigeAddresses);
    EXPECT_EQ(capped.problems.size(), 1u);
}

// Each choice is made by the first source that has it: environment, user
// file, system file, built-in default. The loopback fence of the test
// environment overrides them all.
TEST(SdkOptions, SystemFileDecidesLastAndTheLoopbackFenceAlways)
{
    struct Case
    {
        const char *backends, *addresses, *user, *system;
        bool loopbackOnly;
        std::vector<std::string> wantBackends;
        bool wantAddresses;
        std::vector<uint32_t> addressList;
        size_t problems;
    };
    const std::vector<Case> cases = {
        // An installed suite: real cameras, found by broadcast.
        {nullptr, nullptr, "", "backends = aravis\n", false, {"aravis"}, false, {}, 0},
        {nullptr,
         nullptr,
         "backends = sim\n",
         "backends = aravis\ngige-addresses = 10.0.0.5\n",
         false,
         {"sim"},
         true,
         {ip(10, 0, 0, 5)},
         0},
        {"sim", nullptr, "", "backends = aravis\n", false, {"sim"}, false, {}, 0},
        {nullptr, "", "gige-addresses = 10.0.0.6", "gige-addresses = 10.0.0.5", false, {"sim"}, true, {}, 0},
        {nullptr, nullptr, "", "backends = cameras\nnonsense\n", false, {"sim"}, false, {}, 3},
        // The fence: no broadcast, nothing beyond 127.0.0.0/8, whoever asks.
        {nullptr, nullptr, "", "backends = aravis\n", true, {"aravis"}, true, {}, 1},
        {"aravis",
         "10.0.0.5, 127.0.0.1,127.1.2.3",
         "",
         "",
         true,
         {"aravis"},
         true,
         {ip(127, 0, 0, 1), ip(127, 1, 2, 3)},
         1},
        {nullptr, nullptr, "", "", true, {"sim"}, true, {}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.backends ? c.backends : "(unset)") + " / " +
                     (c.addresses ? c.addresses : "(unset)") + " / " + c.user + " / " + c.system);
        sdk::OptionSources sources;
        sources.envBackends = c.backends;
        sources.envAddresses = c.addresses;
        sources.userFile = c.user;
        sources.systemFile = c.system;
        sources.loopbackOnly = c.loopbackOnly;
        const sdk::SdkOptions o = sdk::parseSdkOptions(sources);
        EXPECT_EQ(o.backends, c.wantBackends);
        ASSERT_EQ(o.gigeAddresses.has_value(), c.wantAddresses);
        if (o.gigeAddresses) {
            EXPECT_EQ(*o.gigeAddresses, c.addressList);
        }
        EXPECT_EQ(o.problems.size(), c.problems);
    }
}

TEST(SdkOptions, TheProcessReadsItsConfigurationFiles)
{
    // The test environment's own choices are what this test replaces.
    ASSERT_EQ(unsetenv("VEXO_SDK_CONFIG"), 0);
    ASSERT_EQ(unsetenv("VEXO_SDK_BACKENDS"), 0);
    ASSERT_EQ(unsetenv("VEXO_SDK_GIGE_ADDRESSES"), 0);
    EXPECT_EQ(sdk::sdkConfigPath(), std::string(getenv("XDG_CONFIG_HOME")) + "/VexoCameraSDK/sdk.conf");
    const std::string dir = std::string(getenv("TMPDIR")) + "/options";
    ASSERT_EQ(mkdir(dir.c_str(), 0700), 0);
    const std::string file = dir + "/sdk.conf", system = dir + "/system.conf";
    std::ofstream(file) << "gige-addresses = 127.0.0.1\n";
    std::ofstream(system) << "backends = aravis-fake\ngige-addresses = 127.0.0.2\n";
    ASSERT_EQ(setenv("VEXO_SDK_CONFIG", file.c_str(), 1), 0);
    ASSERT_EQ(setenv("VEXO_SDK_SYSTEM_CONFIG", system.c_str(), 1), 0);
    sdk::SdkOptions o = sdk::loadSdkOptions();
    EXPECT_EQ(o.backends, std::vector<std::string>{"aravis-fake"});
    EXPECT_EQ(o.gigeAddresses, std::vector<uint32_t>{ip(127, 0, 0, 1)});
    EXPECT_TRUE(o.problems.empty());
    // There but unreadable: said so, and the next source decides.
    ASSERT_EQ(setenv("VEXO_SDK_CONFIG", dir.c_str(), 1), 0);
    ASSERT_EQ(setenv("VEXO_SDK_SYSTEM_CONFIG", dir.c_str(), 1), 0);
    o = sdk::loadSdkOptions();
    EXPECT_EQ(o.backends, std::vector<std::string>{"sim"});
    EXPECT_EQ(o.problems.size(), 2u);
    ASSERT_EQ(unsetenv("VEXO_SDK_SYSTEM_CONFIG"), 0);
    EXPECT_EQ(sdk::systemConfigPath(), "/etc/VexoCameraSDK/sdk.conf");
}

// A flat colour seen through each Bayer order (and sent as RGB8) comes out
// as that colour everywhere, edges included: a wrong phase would swap or mix
// channels.
TEST(ImagePipeline, EveryRawFormatGivesTheSameColour)
{
    const int w = 10, h = 6;
    const uint8_t colour[3] = {200, 100, 40};
    struct Order
    {
        uint32_t type;
        int redX, redY;
    };
    const Order orders[] = {{CAMERA_MEDIA_TYPE_BAYRG8, 0, 0},
                            {CAMERA_MEDIA_TYPE_BAYGR8, 1, 0},
                            {CAMERA_MEDIA_TYPE_BAYGB8, 0, 1},
                            {CAMERA_MEDIA_TYPE_BAYBG8, 1, 1},
                            {CAMERA_MEDIA_TYPE_RGB8, 0, 0}};
    const sdk::IspSettings neutral;
    for (const Order &o : orders) {
        SCOPED_TRACE(o.type);
        std::vector<uint8_t> raw;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (o.type == CAMERA_MEDIA_TYPE_RGB8) {
                    raw.insert(raw.end(), colour, colour + 3);
                    continue;
                }
                const bool redRow = (y & 1) == o.redY;
                const bool redColumn = (x & 1) == o.redX;
                raw.push_back(redRow ? (redColumn ? colour[0] : colour[1])
                                     : (redColumn ? colour[1] : colour[2]));
            }
        }
        const int stride = sdk::paddedRowBytes(w, 3);
        std::vector<uint8_t> out(size_t(stride) * h, 0);
        ASSERT_TRUE(
            sdk::runIsp(neutral, raw.data(), w, h, o.type, out.data(), stride, CAMERA_MEDIA_TYPE_RGB8));
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const uint8_t *p = out.data() + y * stride + x * 3;
                ASSERT_EQ(p[0], colour[0]) << x << "," << y;
                ASSERT_EQ(p[1], colour[1]) << x << "," << y;
                ASSERT_EQ(p[2], colour[2]) << x << "," << y;
            }
        }
    }
    std::vector<uint8_t> out(64 * 64 * 4);
    const uint8_t raw[16] = {};
    EXPECT_FALSE(
        sdk::runIsp(neutral, raw, 4, 4, 0x01100003u /* Mono10 */, out.data(), 12, CAMERA_MEDIA_TYPE_RGB8));
}

// The vectorised pipeline gives the same bytes as the plain loops it
// replaced, on every instruction set this CPU has: the simulated scenes at
// full vectors and at awkward sizes (tails, odd widths that flip the Bayer
// phase under mirroring), noise that drives every clamp, each raw format,
// each output format and the settings from neutral to every stage at its
// extremes.
TEST(ImagePipeline, EveryInstructionSetMatchesThePlainLoops)
{
    struct Size
    {
        int w, h;
    };
    const Size sizes[] = {{640, 480}, {333, 101}, {130, 7}, {5, 4}, {3, 3}, {2, 2}};
    const uint32_t rawTypes[] = {CAMERA_MEDIA_TYPE_BAYRG8, CAMERA_MEDIA_TYPE_BAYGR8, CAMERA_MEDIA_TYPE_BAYGB8,
                                 CAMERA_MEDIA_TYPE_BAYBG8, CAMERA_MEDIA_TYPE_MONO8,  CAMERA_MEDIA_TYPE_RGB8};
    const uint32_t outTypes[] = {CAMERA_MEDIA_TYPE_RGB8, CAMERA_MEDIA_TYPE_BGR8, CAMERA_MEDIA_TYPE_MONO8};
    const std::vector<sdk::DefectPixel> defects = {{0, 0},     {1, 0},     {2, 1},   {4, 1},     {100, 100},
                                                   {101, 100}, {332, 100}, {331, 3}, {639, 479}, {129, 6}};

    std::vector<sdk::IspSettings> settings(7);
    settings[1].rGain = 140; // every stage on, as the benchmark runs it
    settings[1].bGain = 85;
    settings[1].saturation = 150;
    settings[1].contrast = 70;
    settings[1].sharpness = 60;
    settings[1].gamma = 180;
    settings[1].contrastLut = 120;
    settings[1].mirrorH = settings[1].mirrorV = true;
    settings[1].deadPixelCorrection = true;
    settings[1].defects = &defects;
    settings[1].regionX = 0;
    settings[2] = settings[1];
    settings[2].monochrome = true;
    settings[2].mirrorV = false;
    settings[3].saturation = 200; // the far ends of every range
    settings[3].sharpness = 100;
    settings[3].contrast = 100;
    settings[3].lutMode = 1;
    settings[3].lutPreset = 2;
    settings[3].rGain = 400;
    settings[3].mirrorH = true;
    settings[4].saturation = 0;
    settings[4].contrast = 0;
    settings[4].lutMode = 2;
    settings[4].deadPixelCorrection = true;
    settings[4].defects = &defects;
    settings[4].regionX = 1; // a frame cut from the sensor at an odd column
    settings[4].regionY = 1;
    settings[5].sharpness = 1;
    settings[5].saturation = 101;
    settings[5].mirrorV = true;
    settings[6].saturation = 450; // beyond what a camera accepts: the same 16-bit wrap-around
    settings[6].sharpness = 250;

    const sdk::IspKernels *sets[8];
    const int setCount = sdk::availableIspKernels(sets, 8);
    std::mt19937 noise(24);
    for (const Size &size : sizes) {
        // Scene pictures as each raw format, and noise.
        sim::SceneGenerator colourScene(size.w, size.h, true), monoScene(size.w, size.h, false);
        std::vector<uint8_t> bayer(size_t(size.w) * size.h), mono(bayer.size()), random(bayer.size() * 3);
        colourScene.render(bayer.data(), 5, 1.4);
        monoScene.render(mono.data(), 5, 0.8);
        for (uint8_t &v : random) {
            v = static_cast<uint8_t>(noise());
        }
        std::vector<uint8_t> rgb(size_t(sdk::paddedRowBytes(size.w, 3)) * size.h);
        sdk::reference::demosaicBayerRG8(bayer.data(), size.w, size.h, rgb.data(),
                                         sdk::paddedRowBytes(size.w, 3));
        std::vector<uint8_t> rgbPacked;
        for (int y = 0; y < size.h; ++y) {
            const uint8_t *row = rgb.data() + size_t(y) * sdk::paddedRowBytes(size.w, 3);
            rgbPacked.insert(rgbPacked.end(), row, row + size.w * 3);
        }
        for (int i = 0; i < setCount; ++i) {
            sdk::pinIspKernels(sets[i]);
            std::vector<uint8_t> demosaiced(rgb.size(), 0);
            sdk::demosaicBayerRG8(bayer.data(), size.w, size.h, demosaiced.data(),
                                  sdk::paddedRowBytes(size.w, 3));
            EXPECT_EQ(demosaiced, rgb) << sets[i]->name << " demosaic " << size.w << "x" << size.h;
        }
        for (const uint32_t rawType : rawTypes) {
            const bool rgbIn = rawType == CAMERA_MEDIA_TYPE_RGB8;
            const std::vector<uint8_t> *inputs[] = {
                rgbIn ? &rgbPacked : (rawType == CAMERA_MEDIA_TYPE_MONO8 ? &mono : &bayer), &random};
            for (const std::vector<uint8_t> *input : inputs) {
                for (const uint32_t outType : outTypes) {
                    const int stride = sdk::paddedRowBytes(size.w, sdk::outputBytesPerPixel(outType)) + 4;
                    for (size_t c = 0; c < settings.size(); ++c) {
                        std::vector<uint8_t> expected(size_t(stride) * size.h, 0x5a);
                        ASSERT_TRUE(sdk::reference::runIsp(settings[c], input->data(), size.w, size.h,
                                                           rawType, expected.data(), stride, outType));
                        for (int i = 0; i < setCount; ++i) {
                            sdk::pinIspKernels(sets[i]);
                            std::vector<uint8_t> got(expected.size(), 0x5a);
                            ASSERT_TRUE(sdk::runIsp(settings[c], input->data(), size.w, size.h, rawType,
                                                    got.data(), stride, outType));
                            const auto diff = std::mismatch(got.begin(), got.end(), expected.begin());
                            ASSERT_TRUE(diff.first == got.end())
                                << sets[i]->name << " " << size.w << "x" << size.h << " raw " << std::hex
                                << rawType << " out " << outType << std::dec << " settings " << c
                                << (input == &random ? " noise" : " scene") << ": first difference at byte "
                                << (diff.first - got.begin()) << " of row stride " << stride;
                        }
                    }
                }
            }
        }
    }
    sdk::pinIspKernels(nullptr);
}

// A picture sampled while converting is the full conversion, cross lines
// included, sampled at the same pixels, to the bit: each raw and output
// format, both mirrors, every stage on (sharpening reads the rows around a
// sampled one), defects, odd sizes, shrinking by whole and by broken factors,
// and 1:1.
TEST(ImagePipeline, SampledConversionIsTheFullOneSampled)
{
    struct Size
    {
        int w, h, outW, outH;
    };
    const Size sizes[] = {{960, 540, 320, 180}, {333, 101, 111, 34}, {333, 101, 200, 77},
                          {130, 7, 130, 7},     {5, 4, 2, 3},        {2, 2, 1, 1}};
    const uint32_t rawTypes[] = {CAMERA_MEDIA_TYPE_BAYRG8, CAMERA_MEDIA_TYPE_BAYGR8, CAMERA_MEDIA_TYPE_BAYGB8,
                                 CAMERA_MEDIA_TYPE_BAYBG8, CAMERA_MEDIA_TYPE_MONO8,  CAMERA_MEDIA_TYPE_RGB8};
    const uint32_t outTypes[] = {CAMERA_MEDIA_TYPE_RGB8, CAMERA_MEDIA_TYPE_BGR8, CAMERA_MEDIA_TYPE_MONO8};
    const std::vector<sdk::DefectPixel> defects = {{0, 0},     {1, 0},   {4, 1},    {3, 3},
                                                   {100, 100}, {331, 3}, {959, 539}};

    std::vector<sdk::IspSettings> settings(5);
    settings[1].rGain = 140; // every stage on
    settings[1].bGain = 85;
    settings[1].saturation = 150;
    settings[1].contrast = 70;
    settings[1].sharpness = 60;
    settings[1].gamma = 180;
    settings[1].mirrorH = settings[1].mirrorV = true;
    settings[1].deadPixelCorrection = true;
    settings[1].defects = &defects;
    settings[2] = settings[1]; // the same without sharpening, as the cameras start
    settings[2].sharpness = 0;
    settings[2].mirrorH = false;
    settings[3] = settings[2];
    settings[3].monochrome = true;
    settings[3].mirrorV = false;
    settings[3].mirrorH = true;
    settings[4].saturation = 200;
    settings[4].sharpness = 100;
    settings[4].regionX = settings[4].regionY = 1;
    settings[4].deadPixelCorrection = true;
    settings[4].defects = &defects;

    std::mt19937 noise(7);
    for (const Size &size : sizes) {
        std::vector<int> columns(size.outW), rows(size.outH);
        sdk::centreSamples(size.w, size.outW, columns.data());
        sdk::centreSamples(size.h, size.outH, rows.data());
        // Lines on sampled pixels, between them, crossing, at the corners,
        // hidden and outside.
        const sdk::CrossLine lines[] = {{columns[size.outW / 2], rows[size.outH - 1], 0x00ff00, 1},
                                        {columns[0] + 1, rows[0] + 1, 0x3080ff, 1},
                                        {size.w - 1, 0, 0xffffff, 1},
                                        {columns[0], rows[size.outH / 2], 0x0000ff, 0},
                                        {-1, size.h, 0xff0000, 1}};
        const int lineCount = int(std::size(lines));

        sim::SceneGenerator colourScene(size.w, size.h, true), monoScene(size.w, size.h, false);
        std::vector<uint8_t> bayer(size_t(size.w) * size.h), mono(bayer.size()), random(bayer.size() * 3),
            rgb(bayer.size() * 3);
        colourScene.render(bayer.data(), 9, 1.4);
        monoScene.render(mono.data(), 9, 0.8);
        for (uint8_t &v : random) {
            v = static_cast<uint8_t>(noise());
        }
        for (size_t i = 0; i < rgb.size(); ++i) {
            rgb[i] = bayer[i / 3];
        }
        for (const uint32_t rawType : rawTypes) {
            const std::vector<uint8_t> *inputs[] = {
                rawType == CAMERA_MEDIA_TYPE_RGB8 ? &rgb
                                                  : (rawType == CAMERA_MEDIA_TYPE_MONO8 ? &mono : &bayer),
                &random};
            for (const std::vector<uint8_t> *input : inputs) {
                for (const uint32_t outType : outTypes) {
                    const int bpp = sdk::outputBytesPerPixel(outType);
                    const int stride = sdk::paddedRowBytes(size.w, bpp);
                    const int outStride = sdk::paddedRowBytes(size.outW, bpp) + 4;
                    for (size_t c = 0; c < settings.size(); ++c) {
                        std::vector<uint8_t> full(size_t(stride) * size.h);
                        ASSERT_TRUE(sdk::runIsp(settings[c], input->data(), size.w, size.h, rawType,
                                                full.data(), stride, outType));
                        sdk::drawCrossLines(lines, lineCount, full.data(), size.w, size.h, stride, outType);
                        std::vector<uint8_t> expected(size_t(outStride) * size.outH, 0x5a);
                        for (int j = 0; j < size.outH; ++j) {
                            for (int i = 0; i < size.outW; ++i) {
                                std::memcpy(&expected[size_t(j) * outStride + i * bpp],
                                            &full[size_t(rows[j]) * stride + columns[i] * bpp], bpp);
                            }
                        }
                        std::vector<uint8_t> got(expected.size(), 0x5a);
                        ASSERT_TRUE(sdk::runIspSampled(settings[c], input->data(), size.w, size.h, rawType,
                                                       columns.data(), size.outW, rows.data(), size.outH,
                                                       got.data(), outStride, outType));
                        sdk::drawCrossLinesSampled(lines, lineCount, got.data(), columns.data(), size.outW,
                                                   rows.data(), size.outH, outStride, outType);
                        const auto diff = std::mismatch(got.begin(), got.end(), expected.begin());
                        ASSERT_TRUE(diff.first == got.end())
                            << size.w << "x" << size.h << " to " << size.outW << "x" << size.outH << " raw "
                            << std::hex << rawType << " out " << outType << std::dec << " settings " << c
                            << (input == &random ? " noise" : " scene") << ": first difference at row "
                            << (diff.first - got.begin()) / outStride << " byte "
                            << (diff.first - got.begin()) % outStride;
                    }
                }
            }
        }
    }
    // Samples outside the frame are refused, and out stays untouched.
    const std::vector<uint8_t> raw(64, 9);
    std::vector<uint8_t> out(64, 0x5a);
    const int inside[] = {0, 7}, outside[] = {0, 8}, negative[] = {-1, 0};
    const sdk::IspSettings neutral;
    for (const int *columns : {outside, negative}) {
        EXPECT_FALSE(sdk::runIspSampled(neutral, raw.data(), 8, 8, CAMERA_MEDIA_TYPE_MONO8, columns, 2,
                                        inside, 2, out.data(), 4, CAMERA_MEDIA_TYPE_MONO8));
        EXPECT_FALSE(sdk::runIspSampled(neutral, raw.data(), 8, 8, CAMERA_MEDIA_TYPE_MONO8, inside, 2,
                                        columns, 2, out.data(), 4, CAMERA_MEDIA_TYPE_MONO8));
    }
    EXPECT_FALSE(sdk::runIspSampled(neutral, raw.data(), 8, 8, CAMERA_MEDIA_TYPE_MONO8, inside, 2, inside, 2,
                                    out.data(), 1, CAMERA_MEDIA_TYPE_MONO8));
    EXPECT_EQ(out, std::vector<uint8_t>(64, 0x5a));
}

// The simulated sensor's frames, to the byte, as first written: whole
// sensors and windows of them, at the exposure's plain level (a copy of the
// backdrop), brighter and darker, with stuck pixels; each by its hash.
TEST(Scene, FramesStayTheSame)
{
    struct Case
    {
        int w, h;
        bool colour;
        int x, y, rw, rh;
        uint64_t frame;
        double brightness;
        uint64_t hash;
    };
    const Case cases[] = {
        {1920, 1080, true, 0, 0, 1920, 1080, 17, 1.0, 12708401216425139588ull},
        {1920, 1080, true, 0, 0, 1920, 1080, 4321, 1.3, 15598879554016649619ull},
        {1920, 1080, true, 200, 100, 999, 501, 77, 0.4, 11177358212029810655ull},
        {1280, 1024, false, 0, 0, 1280, 1024, 9, 1.0, 11215101649193927695ull},
        {1280, 1024, false, 640, 0, 640, 1024, 123456, 2.7, 2662860889582459047ull},
        {320, 240, true, 0, 0, 320, 240, 99999999, 64.0, 12669286582547335189ull},
        {33, 17, true, 1, 1, 31, 15, 3, 0.0, 669469696309999941ull},
    };
    const std::vector<sdk::DefectPixel> stuck = {{0, 0}, {5, 3}, {700, 333}, {1919, 1079}, {1000, 10}};
    for (const Case &c : cases) {
        sim::SceneGenerator scene(c.w, c.h, c.colour);
        scene.setDefects(stuck);
        const int stride = c.rw + 3;
        std::vector<uint8_t> raw(size_t(stride) * c.rh, 0x5a);
        scene.renderRegion(raw.data(), stride, c.x, c.y, c.rw, c.rh, c.frame, c.brightness);
        uint64_t hash = 14695981039346656037ull; // FNV-1a
        for (const uint8_t v : raw) {
            hash = (hash ^ v) * 1099511628211ull;
        }
        EXPECT_EQ(hash, c.hash) << c.w << "x" << c.h << " window " << c.x << "," << c.y << " " << c.rw << "x"
                                << c.rh << " frame " << c.frame << " brightness " << c.brightness;
    }
}

TEST(StandardFeatures, UnitConversions)
{
    const struct
    {
        const char *text;
        bool ok;
        uint16_t packed;
    } versions[] = {
        {"1.2.0.3", true, 0x1203}, {"v2.1", true, 0x2100},      {"Build 7: 15.0.15.1", true, 0xF0F1},
        {"0.8.26", false, 0},      {"1.2.3.4.5", false, 0},     {"no digits", false, 0},
        {"7", false, 0},           {"fw 1.16 / 1.2", false, 0}, {"", false, 0},
    };
    for (const auto &v : versions) {
        uint16_t packed = 0;
        EXPECT_EQ(aravis::packDottedVersion(v.text, &packed), v.ok) << v.text;
        if (v.ok) {
            EXPECT_EQ(packed, v.packed) << v.text;
        }
    }

    // Decibels are a power of ten; raw units are taken as they are.
    EXPECT_EQ(aravis::gainX1000(0.0, true), 1000);
    EXPECT_EQ(aravis::gainX1000(20.0, true), 10000);
    EXPECT_EQ(aravis::gainX1000(6.0, true), 1995);
    EXPECT_EQ(aravis::gainX1000(3.5, false), 3500);
    for (const int x1000 : {1000, 1995, 4000, 16000}) {
        EXPECT_EQ(aravis::gainX1000(aravis::cameraGain(x1000, true), true), x1000);
        EXPECT_EQ(aravis::gainX1000(aravis::cameraGain(x1000, false), false), x1000);
    }

    for (int speed = 0; speed < 3; ++speed)
        EXPECT_EQ(aravis::frameSpeedFor(aravis::frameRateFor(speed, 27.4), 27.4), speed);
    EXPECT_EQ(aravis::frameSpeedFor(25.0, 27.4), 2);
    EXPECT_EQ(aravis::frameSpeedFor(3.0, 60.0), 0);
    // A GigE link carries about 27 full frames of 2048x2048 a second.
    EXPECT_NEAR(aravis::fullSizeRate(1000.0, 2048.0 * 2048.0, 115e6), 27.4, 0.1);
    EXPECT_EQ(aravis::fullSizeRate(25.0, 2048.0 * 2048.0, 115e6), 25.0);
    EXPECT_EQ(aravis::fullSizeRate(1000.0, 2048.0 * 2048.0, 0.0), 1000.0);

    // Colour first, and nothing the pipeline cannot read.
    EXPECT_EQ(
        aravis::usableFormats(
            {CAMERA_MEDIA_TYPE_MONO8, 0x01100003, CAMERA_MEDIA_TYPE_RGB8, CAMERA_MEDIA_TYPE_BAYBG8}),
        (std::vector<uint32_t>{CAMERA_MEDIA_TYPE_BAYBG8, CAMERA_MEDIA_TYPE_RGB8, CAMERA_MEDIA_TYPE_MONO8}));
    EXPECT_TRUE(aravis::usableFormats({0x01100003}).empty());

    for (int type = 0; type < 4; ++type)
        EXPECT_EQ(aravis::signalTypeOf(aravis::activationName(type)), type);
    EXPECT_EQ(aravis::signalTypeOf("AnyEdge"), -1);
}

TEST(GigeDiscovery, AcknowledgeRecord)
{
    uint8_t data[gige::kDiscoveryDataSize] = {};
    const uint8_t mac[6] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
    std::memcpy(data + 0x0A, mac, 6);
    data[0x17] = gige::kIpConfigPersistent | gige::kIpConfigDhcp;
    const uint8_t address[4] = {192, 168, 7, 20}, mask[4] = {255, 255, 255, 0}, gateway[4] = {192, 168, 7, 1};
    std::memcpy(data + 0x24, address, 4);
    std::memcpy(data + 0x34, mask, 4);
    std::memcpy(data + 0x44, gateway, 4);
    std::memcpy(data + 0x48, "Maker", 5);
    std::memcpy(data + 0x68, "Model-X", 7);
    std::memcpy(data + 0x88, "1.2.0.3", 7);
    std::memcpy(data + 0xD8, "SN0123456789ABCD", 16); // fills its field: no NUL
    std::memcpy(data + 0xE8, "Line 4", 6);

    gige::Identity id;
    ASSERT_TRUE(gige::parseDiscoveryData(data, sizeof data, &id));
    EXPECT_EQ(id.address, ip(192, 168, 7, 20));
    EXPECT_EQ(id.mask, ip(255, 255, 255, 0));
    EXPECT_EQ(id.gateway, ip(192, 168, 7, 1));
    EXPECT_EQ(id.ipConfig, gige::kIpConfigPersistent | gige::kIpConfigDhcp);
    EXPECT_EQ(0, std::memcmp(id.mac, mac, 6));
    EXPECT_EQ(id.manufacturer, "Maker");
    EXPECT_EQ(id.model, "Model-X");
    EXPECT_EQ(id.deviceVersion, "1.2.0.3");
    EXPECT_EQ(id.serial, "SN0123456789ABCD");
    EXPECT_EQ(id.userName, "Line 4");

    EXPECT_FALSE(gige::parseDiscoveryData(data, sizeof data - 1, &id));
    std::memset(data + 0xD8, 0, 16);
    EXPECT_FALSE(gige::parseDiscoveryData(data, sizeof data, &id)); // nothing to key it by
}
