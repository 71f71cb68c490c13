// Camera sets: the environment's choice, odd cameras the programs must cope
// with (failing records, non-ASCII serials, no LUT, channels and focus) and
// broken set files.
#include "sdk_test_support.h"

#include <fstream>

using namespace vexo::test;

namespace {

std::string fixture(const char *name)
{
    return std::string(VEXO_SDK_FIXTURES) + "/" + name;
}

std::vector<std::string> serials()
{
    std::vector<std::string> out;
    for (const stDeviceInfo &d : enumerate())
        out.push_back(textAt(&d, 356, 32));
    return out;
}

class OddCameras : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(VexoSimLoadCameraSet(fixture("odd_cameras.json").c_str()), 0); }
    void TearDown() override { VexoSimLoadCameraSet(fixture("cameras.json").c_str()); }
};

} // namespace

// Runs first: nothing has loaded a set yet, so the environment decides.
TEST(CameraSetFile, EnvironmentChoosesTheSet)
{
    EXPECT_EQ(serials(), (std::vector<std::string>{"TST-C640-0001", "TST-M320-0002"}));
    for (const stDeviceInfo &d : enumerate()) {
        if (textAt(&d, 356, 32) != "TST-C640-0001")
            continue;
        EXPECT_EQ(valueAt<uint16_t>(&d, 392), 0x1203);
        EXPECT_EQ(textAt(&d, 32, 32), "TST-C640");
        EXPECT_EQ(textAt(&d, 64, 128), "Small colour");
        EXPECT_NE(textAt(&d, 320, 32).find("GigE"), std::string::npos);
    }
    Camera cam("TST-C640-0001");
    ASSERT_TRUE(cam.ok());
    char version[CAMERA_VERSION_BUFFER] = {};
    ASSERT_EQ(CameraGetFirmwareVision(cam.handle(), version), 0);
    EXPECT_NE(std::string(version).find("1.2.0.3"), std::string::npos) << version;
}

// A broken set is reported and offers no half-read cameras; a good one restores.
TEST(CameraSetFile, BrokenFilesAreRefused)
{
    const std::string dir = tempDir();
    const std::pair<const char *, const char *> broken[] = {
        {"truncated.json", "{\"cameras\": [ {\"serial\": \"X\""},
        {"notjson.json", "\x89PNG\r\n"},
        {"noarray.json", "{\"cameras\": 5}"},
        {"dup.json", "{\"cameras\": [{\"serial\": \"A\"}, {\"serial\": \"A\"}]}"},
        {"width.json", "{\"cameras\": [{\"serial\": \"A\", \"width\": -640}]}"},
        {"longserial.json", "{\"cameras\": [{\"serial\": \"0123456789012345678901234567890123456789\"}]}"},
    };
    for (const auto &[name, content] : broken) {
        const std::string path = dir + "/" + name;
        std::ofstream(path) << content;
        EXPECT_EQ(VexoSimLoadCameraSet(path.c_str()), CAMERA_STATUS_FILE_CORRUPT) << name;
        EXPECT_TRUE(serials().empty()) << name;
    }
    EXPECT_EQ(VexoSimLoadCameraSet((dir + "/missing.json").c_str()), CAMERA_STATUS_FILE_PATH);
    int count = 0;
    EXPECT_NE(CameraEnumerateDevice(&count), 0);
    ASSERT_EQ(VexoSimLoadCameraSet(fixture("cameras.json").c_str()), 0);
    EXPECT_EQ(serials(), (std::vector<std::string>{"TST-C640-0001", "TST-M320-0002"}));
}

TEST(CameraSetFile, FailingEnumerationIsReported)
{
    ASSERT_EQ(VexoSimLoadCameraSet(fixture("failing_enumeration.json").c_str()), 0);
    int count = 0;
    EXPECT_NE(CameraEnumerateDevice(&count), 0);
    ASSERT_EQ(VexoSimLoadCameraSet(fixture("cameras.json").c_str()), 0);
    EXPECT_EQ(CameraEnumerateDevice(&count), 0);
    EXPECT_EQ(count, 2);
}

TEST_F(OddCameras, FailingRecordIsSkippedAndTheRestEnumerate)
{
    int count = 0;
    ASSERT_EQ(CameraEnumerateDevice(&count), 0);
    ASSERT_EQ(count, 10);
    stDeviceInfo info{};
    EXPECT_NE(CameraGetEnumIndexInfo(1, &info), 0);
    const std::vector<std::string> seen = serials();
    EXPECT_EQ(seen.size(), 9u);
    EXPECT_NE(std::find(seen.begin(), seen.end(), "ODD-0010"), seen.end()) << "indexes past 8 work";

    Camera unicode("检测-0003");
    ASSERT_TRUE(unicode.ok()) << unicode.status();
    char sn[CAMERA_TEXT_BUFFER] = {};
    ASSERT_EQ(CameraReadSN(unicode.handle(), sn, 0), 0);
    EXPECT_STREQ(sn, "检测-0003");
}

TEST_F(OddCameras, CameraWithoutLutSaysSo)
{
    Camera cam("检测-0003");
    ASSERT_TRUE(cam.ok());
    stCameraCapability cap{};
    ASSERT_EQ(CameraGetCapability(cam.handle(), &cap), 0);
    EXPECT_EQ(cap.iPresetLut, 0);
    int mode = -1;
    ASSERT_EQ(CameraGetLutMode(cam.handle(), &mode), 0);
    EXPECT_EQ(mode, 2);
    EXPECT_NE(CameraSetLutMode(cam.handle(), 1), 0);
    EXPECT_NE(CameraSelectLutPreset(cam.handle(), 0), 0);

    Camera withLut("ODD-0001");
    ASSERT_TRUE(withLut.ok());
    ASSERT_EQ(CameraGetLutMode(withLut.handle(), &mode), 0);
    EXPECT_NE(mode, 2);
}

TEST_F(OddCameras, ChannelsAndFocusAreIntegerValues)
{
    Camera cam("ODD-0004");
    ASSERT_TRUE(cam.ok());
    const CameraHandle h = cam.handle();
    auto get = [&](int id) {
        int value = -12345;
        EXPECT_EQ(CameraGetIntValue(h, id, &value), 0) << id;
        return value;
    };
    EXPECT_EQ(get(CAMERA_INT_CHANNEL_COUNT), 4);
    EXPECT_EQ(get(CAMERA_INT_FOCUS_SUPPORTED), 1);
    EXPECT_EQ(get(CAMERA_INT_FOCUS_MIN), 10);
    EXPECT_EQ(get(CAMERA_INT_FOCUS_MAX), 900);
    EXPECT_EQ(get(CAMERA_INT_FOCUS_DEFAULT), 300);

    ASSERT_EQ(CameraSetIntValue(h, CAMERA_INT_FOCUS_POSITION, 555), 0);
    EXPECT_EQ(get(CAMERA_INT_FOCUS_POSITION), 555);
    EXPECT_NE(CameraSetIntValue(h, CAMERA_INT_FOCUS_POSITION, 901), 0);
    EXPECT_NE(CameraSetIntValue(h, CAMERA_INT_FOCUS_POSITION, 9), 0);
    EXPECT_EQ(get(CAMERA_INT_FOCUS_POSITION), 555);
    EXPECT_NE(CameraSetIntValue(h, CAMERA_INT_FOCUS_MAX, 5000), 0) << "limits are read-only";

    ASSERT_EQ(CameraSetIntValue(h, CAMERA_INT_CHANNEL_MASK, 0b1010), 0);
    EXPECT_EQ(get(CAMERA_INT_CHANNEL_MASK), 0b1010);
    EXPECT_NE(CameraSetIntValue(h, CAMERA_INT_CHANNEL_MASK, 0b10000), 0) << "no fifth channel";

    Camera plain("ODD-0005");
    ASSERT_TRUE(plain.ok());
    int supported = -1;
    ASSERT_EQ(CameraGetIntValue(plain.handle(), CAMERA_INT_FOCUS_SUPPORTED, &supported), 0);
    EXPECT_EQ(supported, 0);
    EXPECT_NE(CameraSetIntValue(plain.handle(), CAMERA_INT_FOCUS_POSITION, 100), 0);
}
