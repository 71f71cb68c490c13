// Every feature by name on the simulated cameras: the tree, the checks on
// names and values, grey-outs that follow the camera, commands, and the
// fixed calls and the feature calls showing the same settings.
#include "feature_tree.h"
#include "sdk_test_support.h"

#include <map>

using namespace vexo::test;

namespace {

struct Tree
{
    std::vector<stFeatureInfo> features;
    std::map<std::string, size_t> index;

    const stFeatureInfo *find(const std::string &name) const
    {
        const auto it = index.find(name);
        return it == index.end() ? nullptr : &features[it->second];
    }
    std::string value(const std::string &name) const
    {
        const stFeatureInfo *f = find(name);
        return f ? textAt(f->acValue, 0, sizeof f->acValue) : "(none)";
    }
    int access(const std::string &name) const
    {
        const stFeatureInfo *f = find(name);
        return f ? f->iAccess : -1;
    }
};

Tree readTree(CameraHandle h)
{
    Tree tree;
    int count = 0;
    EXPECT_EQ(CameraGetFeatureCount(h, &count), CAMERA_STATUS_SUCCESS);
    for (int i = 0; i < count; ++i) {
        stFeatureInfo info;
        memset(&info, 0xA5, sizeof info);
        EXPECT_EQ(CameraGetFeatureInfo(h, i, &info), CAMERA_STATUS_SUCCESS);
        EXPECT_TRUE(terminatedAt(&info, 0, 64) && terminatedAt(&info, 128, 128) &&
                    terminatedAt(&info, 336, 256) && terminatedAt(&info, 592, 512));
        tree.index[textAt(info.acName, 0, 64)] = tree.features.size();
        tree.features.push_back(info);
    }
    return tree;
}

std::string readValue(CameraHandle h, const char *name)
{
    char value[CAMERA_FEATURE_VALUE_BUFFER] = {};
    const CameraSdkStatus status = CameraGetFeatureValue(h, name, value, sizeof value);
    return status == CAMERA_STATUS_SUCCESS ? std::string(value) : "status " + std::to_string(status);
}

std::string lastError(CameraHandle h)
{
    char reason[256] = {};
    CameraGetFeatureError(h, reason, sizeof reason);
    return reason;
}

std::string colourGige()
{
    return findSerial([](const stDeviceInfo &d) { return isGige(d); }).value_or("");
}

} // namespace

TEST(Features, TreeNamesTheSettingsInCategoryOrder)
{
    Camera cam(colourGige());
    ASSERT_TRUE(cam.ok());
    const Tree tree = readTree(cam.handle());
    for (const char *name : {"DeviceModelName", "DeviceSerialNumber", "DeviceUserID", "Width", "Height",
                             "OffsetX", "PixelFormat", "ExposureAuto", "ExposureTime", "Gain", "TriggerMode",
                             "TriggerSoftware", "BalanceRatioSelector", "BalanceRatio", "GevSCPSPacketSize",
                             "UserSetSelector", "UserSetLoad", "UserSetSave"}) {
        EXPECT_TRUE(tree.find(name)) << name;
    }
    // Every feature sits under a category listed before it.
    std::string category;
    for (const stFeatureInfo &f : tree.features) {
        if (f.iType == CAMERA_FEATURE_CATEGORY)
            category = textAt(f.acName, 0, 64);
        else
            EXPECT_EQ(textAt(f.acCategory, 0, 128), category) << f.acName;
    }
    EXPECT_EQ(tree.value("DeviceSerialNumber"), cam.serial());
    const stFeatureInfo *width = tree.find("Width");
    EXPECT_EQ(width->iType, CAMERA_FEATURE_INTEGER);
    EXPECT_EQ(width->iAccess, CAMERA_FEATURE_ACCESS_READ_WRITE);
    EXPECT_GT(width->iMax, width->iMin);
    EXPECT_STREQ(tree.find("ExposureTime")->acUnit, "us");
    const stFeatureInfo *format = tree.find("PixelFormat");
    ASSERT_GT(format->iEntries, 0);
    stFeatureEntry entry{};
    EXPECT_EQ(CameraGetFeatureEntry(cam.handle(), int(tree.index.at("PixelFormat")), 0, &entry),
              CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(
        CameraGetFeatureEntry(cam.handle(), int(tree.index.at("PixelFormat")), format->iEntries, &entry),
        CAMERA_STATUS_INVALID_ARGUMENT);
    stFeatureInfo past{};
    EXPECT_EQ(CameraGetFeatureInfo(cam.handle(), int(tree.features.size()), &past),
              CAMERA_STATUS_INVALID_ARGUMENT);
}

// A value typed in goes in once, whole, or not at all, with the reason.
TEST(Features, WritesAreCheckedAndRefusalsSayWhy)
{
    Camera cam(colourGige());
    ASSERT_TRUE(cam.ok());
    const CameraHandle h = cam.handle();
    ASSERT_EQ(CameraSetAeState(h, 0), CAMERA_STATUS_SUCCESS);
    const std::string exposure = readValue(h, "ExposureTime");
    const std::string longName(64, 'A');
    const struct
    {
        const char *name;
        const char *value;
        CameraSdkStatus want;
    } cases[] = {
        {"ExposureTime", "abc", CAMERA_STATUS_INVALID_ARGUMENT},
        {"ExposureTime", "1e999", CAMERA_STATUS_INVALID_ARGUMENT},
        {"ExposureTime", "nan", CAMERA_STATUS_INVALID_ARGUMENT},
        {"ExposureTime", "-5", CAMERA_STATUS_INVALID_ARGUMENT},
        {"ExposureTime", "12,5", CAMERA_STATUS_INVALID_ARGUMENT},
        {"Width", "7.5", CAMERA_STATUS_INVALID_ARGUMENT},
        {"Width", "99999999999999999999", CAMERA_STATUS_INVALID_ARGUMENT},
        {"PixelFormat", "Mono16", CAMERA_STATUS_INVALID_ARGUMENT},
        {"ReverseX", "yes", CAMERA_STATUS_INVALID_ARGUMENT},
        {"DeviceSerialNumber", "X", CAMERA_STATUS_ACCESS_DENIED},
        {"NoSuchFeature", "1", CAMERA_STATUS_NOT_SUPPORTED},
        {"Exposure Time", "1", CAMERA_STATUS_INVALID_ARGUMENT},
        {"1Width", "1", CAMERA_STATUS_INVALID_ARGUMENT},
        {longName.c_str(), "1", CAMERA_STATUS_INVALID_ARGUMENT},
        {"", "1", CAMERA_STATUS_INVALID_ARGUMENT},
        {nullptr, "1", CAMERA_STATUS_INVALID_ARGUMENT},
        {"ExposureTime", nullptr, CAMERA_STATUS_INVALID_ARGUMENT},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.name ? c.name : "(null)") + " = " + (c.value ? c.value : "(null)"));
        EXPECT_EQ(CameraSetFeatureValue(h, c.name, c.value), c.want);
        EXPECT_FALSE(lastError(h).empty());
    }
    EXPECT_EQ(readValue(h, "ExposureTime"), exposure);

    ASSERT_EQ(CameraSetFeatureValue(h, "ExposureTime", " 2500.5 "), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(lastError(h), "");
    EXPECT_EQ(readValue(h, "ExposureTime"), "2500.5");
    char tiny[3] = {'x', 'x', 'x'};
    EXPECT_EQ(CameraGetFeatureValue(h, "ExposureTime", tiny, sizeof tiny), CAMERA_STATUS_INVALID_ARGUMENT);
    char reason[8];
    memset(reason, 0x7F, sizeof reason);
    EXPECT_EQ(CameraGetFeatureError(h, reason, sizeof reason), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(strnlen(reason, sizeof reason), sizeof reason - 1u);
}

// The fixed calls and the features are two views of one camera; what the
// camera cannot take now is greyed out, and commands run when they may.
TEST(Features, FixedCallsAndFeaturesShowTheSameCamera)
{
    Camera cam(colourGige());
    ASSERT_TRUE(cam.ok());
    const CameraHandle h = cam.handle();

    ASSERT_EQ(CameraSetAeState(h, 0), CAMERA_STATUS_SUCCESS);
    ASSERT_EQ(CameraSetTriggerMode(h, CAMERA_TRIGGER_CONTINUOUS), CAMERA_STATUS_SUCCESS);
    ASSERT_EQ(CameraSetFeatureValue(h, "ExposureTime", "3000"), CAMERA_STATUS_SUCCESS);
    double exposure = 0;
    ASSERT_EQ(CameraGetExposureTime(h, &exposure), CAMERA_STATUS_SUCCESS);
    EXPECT_DOUBLE_EQ(exposure, 3000.0);
    ASSERT_EQ(CameraSetFeatureValue(h, "BalanceRatioSelector", "Blue"), CAMERA_STATUS_SUCCESS);
    ASSERT_EQ(CameraSetFeatureValue(h, "BalanceRatio", "1.25"), CAMERA_STATUS_SUCCESS);
    int r = 0, g = 0, b = 0;
    ASSERT_EQ(CameraGetGain(h, &r, &g, &b), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(b, 125);
    ASSERT_EQ(CameraSetMirror(h, 0, 1), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(readValue(h, "ReverseX"), "1");
    ASSERT_EQ(CameraSetFeatureValue(h, "Width", "640"), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(readValue(h, "Width"), "640");

    ASSERT_EQ(CameraSetFeatureValue(h, "ExposureAuto", "Continuous"), CAMERA_STATUS_SUCCESS);
    int ae = 0;
    ASSERT_EQ(CameraGetAeState(h, &ae), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(ae, 1);
    Tree tree = readTree(h);
    EXPECT_EQ(tree.access("ExposureTime"), CAMERA_FEATURE_ACCESS_READ);
    EXPECT_EQ(tree.access("Gain"), CAMERA_FEATURE_ACCESS_READ);
    EXPECT_EQ(CameraSetFeatureValue(h, "ExposureTime", "3000"), CAMERA_STATUS_ACCESS_DENIED);
    ASSERT_EQ(CameraSetAeState(h, 0), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(readTree(h).access("ExposureTime"), CAMERA_FEATURE_ACCESS_READ_WRITE);

    // A software trigger only while the camera waits for one.
    EXPECT_EQ(tree.access("TriggerSoftware"), CAMERA_FEATURE_ACCESS_NONE);
    EXPECT_EQ(CameraExecuteFeature(h, "TriggerSoftware"), CAMERA_STATUS_ACCESS_DENIED);
    ASSERT_EQ(CameraSetFeatureValue(h, "TriggerSource", "Software"), CAMERA_STATUS_SUCCESS);
    ASSERT_EQ(CameraSetFeatureValue(h, "TriggerMode", "On"), CAMERA_STATUS_SUCCESS);
    int mode = -1;
    ASSERT_EQ(CameraGetTriggerMode(h, &mode), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(mode, CAMERA_TRIGGER_SOFTWARE);
    ASSERT_EQ(CameraPlay(h), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(CameraExecuteFeature(h, "TriggerSoftware"), CAMERA_STATUS_SUCCESS);
    RawFrame frame;
    EXPECT_EQ(grabRaw(h, frame), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(CameraExecuteFeature(h, "ExposureTime"), CAMERA_STATUS_INVALID_ARGUMENT);

    // User sets are the parameter groups.
    ASSERT_EQ(CameraSetFeatureValue(h, "UserSetSelector", "UserSet3"), CAMERA_STATUS_SUCCESS);
    ASSERT_EQ(CameraExecuteFeature(h, "UserSetSave"), CAMERA_STATUS_SUCCESS);
    ASSERT_EQ(CameraSetFeatureValue(h, "UserSetSelector", "Default"), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(CameraExecuteFeature(h, "UserSetSave"), CAMERA_STATUS_ACCESS_DENIED);
    ASSERT_EQ(CameraExecuteFeature(h, "UserSetLoad"), CAMERA_STATUS_SUCCESS);
    EXPECT_EQ(readValue(h, "TriggerMode"), "Off");
}

// Pure checks of typed texts against a feature's kind and limits.
TEST(Features, ValuesParseByKindAndLimit)
{
    using namespace vexo::sdk;
    FeatureInfo integer;
    integer.type = FeatureType::Integer;
    integer.intMin = -16;
    integer.intMax = 4096;
    integer.intIncrement = 4;
    FeatureInfo real;
    real.type = FeatureType::Float;
    real.floatMin = 0.5;
    real.floatMax = 100.0;
    FeatureInfo flag;
    flag.type = FeatureType::Boolean;
    FeatureInfo text;
    text.type = FeatureType::String;
    text.intMax = 4;
    const struct
    {
        const FeatureInfo &feature;
        const char *text;
        bool ok;
        int64_t integer;
        double real;
    } cases[] = {
        {integer, "-16", true, -16, 0},   {integer, "0x10", true, 16, 0},
        {integer, "4096", true, 4096, 0}, {integer, "4097", false, 0, 0},
        {integer, "-12", true, -12, 0},   {integer, "-13", false, 0, 0},
        {integer, "1 2", false, 0, 0},    {integer, "--4", false, 0, 0},
        {integer, "0x", false, 0, 0},     {integer, "9223372036854775808", false, 0, 0},
        {real, "0.5", true, 0, 0.5},      {real, "1e2", true, 0, 100.0},
        {real, "100.0001", false, 0, 0},  {real, "inf", false, 0, 0},
        {real, "", false, 0, 0},          {flag, "TRUE", true, 1, 0},
        {flag, "0", true, 0, 0},          {flag, "2", false, 0, 0},
        {text, "abcd", true, 0, 0},       {text, "abcde", false, 0, 0},
        {text, "a\tb", false, 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        FeatureValue v;
        std::string reason;
        EXPECT_EQ(parseFeatureValue(c.feature, c.text, &v, &reason), c.ok);
        EXPECT_EQ(reason.empty(), c.ok);
        if (c.ok && c.feature.type != FeatureType::Float && c.feature.type != FeatureType::String) {
            EXPECT_EQ(v.integer, c.integer);
        }
        if (c.ok && c.feature.type == FeatureType::Float) {
            EXPECT_DOUBLE_EQ(v.real, c.real);
        }
    }
    EXPECT_EQ(formatFloat(2500.5), "2500.5");
    EXPECT_EQ(formatFloat(0.1), "0.1");
}
