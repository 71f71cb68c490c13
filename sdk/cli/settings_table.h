// vexocam-cli: the camera settings by name. One table drives get, set, info
// and the help's list of names. The names and units are the Python module's
// (vexocamera.settings): the library's own units, so what is typed is exactly
// what reaches the camera.
#pragma once

#include "VexoCameraSDK.h"

#include <functional>
#include <string>
#include <vector>

namespace vexocli {

enum class Kind { Bool, Int, Float, Hex };

// The most values one setting has (the region of interest: x, y, width, height).
constexpr int kMaxValues = 4;

struct Setting
{
    std::string name;
    Kind kind = Kind::Int;
    int count = 1; // values per setting (a range has 2, the RGB gains 3, the ROI 4)
    std::string description;
    std::string getter; // the C calls, named in messages
    std::string setter;
    std::function<CameraSdkStatus(CameraHandle, double *)> get;
    // Refuses (CAMERA_STATUS_INVALID_ARGUMENT) a value the call's type cannot hold.
    std::function<CameraSdkStatus(CameraHandle, const double *)> set;
};

const std::vector<Setting> &settings();
// By name; '-' and '_' are the same. Null when unknown.
const Setting *findSetting(const std::string &name);

// Text of a value for the terminal: "on"/"off", 0x hex, shortest exact float.
std::string formatValue(Kind kind, double value);
// Parses one typed value; false when it is not a value of this kind.
bool parseValue(Kind kind, const std::string &text, double *value);

} // namespace vexocli
