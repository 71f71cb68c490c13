// A camera's features by name: the tree a device describes itself with, and
// the checks every value passes on its way in. Real cameras answer from
// their own GenICam description (aravis/); the simulated cameras from the
// library's settings under the standard feature names (settings_features.h).
#pragma once

#include "VexoCameraSDK.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vexo::sdk {

enum class FeatureType {
    Category = CAMERA_FEATURE_CATEGORY,
    Integer = CAMERA_FEATURE_INTEGER,
    Float = CAMERA_FEATURE_FLOAT,
    Boolean = CAMERA_FEATURE_BOOLEAN,
    Enumeration = CAMERA_FEATURE_ENUMERATION,
    String = CAMERA_FEATURE_STRING,
    Command = CAMERA_FEATURE_COMMAND,
    Register = CAMERA_FEATURE_REGISTER,
};

enum class FeatureAccess {
    None = CAMERA_FEATURE_ACCESS_NONE,
    Read = CAMERA_FEATURE_ACCESS_READ,
    Write = CAMERA_FEATURE_ACCESS_WRITE,
    ReadWrite = CAMERA_FEATURE_ACCESS_READ_WRITE,
};

struct FeatureEntry
{
    std::string name;
    std::string displayName;
    int64_t value = 0;
    bool available = true;
};

struct FeatureInfo
{
    std::string name;
    std::string displayName;
    std::string category; // categories above it, joined by '/'
    std::string unit;
    std::string description;
    FeatureType type = FeatureType::Integer;
    FeatureAccess access = FeatureAccess::None;
    int visibility = 0; // 0 beginner, 1 expert, 2 guru
    int64_t intMin = 0, intMax = 0, intIncrement = 0;
    double floatMin = 0.0, floatMax = 0.0, floatIncrement = 0.0;
    std::vector<FeatureEntry> entries;
    std::string value; // as text; empty when not readable

    bool readable() const { return access == FeatureAccess::Read || access == FeatureAccess::ReadWrite; }
    bool writable() const { return access == FeatureAccess::Write || access == FeatureAccess::ReadWrite; }
};

// What a feature call says beyond its status: why it failed.
struct FeatureOutcome
{
    CameraSdkStatus status = CAMERA_STATUS_SUCCESS;
    std::string reason;

    static FeatureOutcome ok() { return {}; }
    static FeatureOutcome fail(CameraSdkStatus status, std::string reason)
    {
        return {status, std::move(reason)};
    }
};

constexpr size_t kMaxFeatureName = CAMERA_FEATURE_NAME_BUFFER - 1;
constexpr size_t kMaxFeatureValue = CAMERA_FEATURE_VALUE_BUFFER - 1;

// A value parsed for its feature.
struct FeatureValue
{
    int64_t integer = 0; // Integer, Boolean (0/1), Enumeration (the entry's value)
    double real = 0.0;   // Float
    std::string text;    // String; Enumeration: the entry's name
};

// Letters, digits and '_', not starting with a digit, 1..63 bytes; text is
// read up to limit bytes only.
bool isFeatureName(const char *text, size_t limit);

// Pure: checks text against the feature's kind, range, increment and entries.
// On refusal *reason says why in the operator's terms.
bool parseFeatureValue(const FeatureInfo &feature, const std::string &text, FeatureValue *out,
                       std::string *reason);

// Shortest texts that read back to the same number, '.' whatever the locale.
std::string formatInteger(int64_t value);
std::string formatFloat(double value);

// The feature of that name in a tree, or null.
const FeatureInfo *findFeature(const std::vector<FeatureInfo> &tree, const std::string &name);

} // namespace vexo::sdk
