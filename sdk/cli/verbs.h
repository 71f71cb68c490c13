// vexocam-cli: the verbs. Each returns the process's exit code (cli.h).
#pragma once

#include "args.h"
#include "settings_table.h"

#include <nlohmann/json.hpp>
#include <string>

namespace vexocli {

using Json = nlohmann::ordered_json;

int runList(const Arguments &args);
int runInfo(const Arguments &args);
int runGet(const Arguments &args);
int runSet(const Arguments &args);
int runGrab(const Arguments &args);
int runRate(const Arguments &args);
int runNickname(const Arguments &args);
int runIp(const Arguments &args);
int runUpgrade(const Arguments &args);
#ifdef CAMERA_FEATURE_NAME_BUFFER // libraries with features by name
int runFeatures(const Arguments &args);
int runFeature(const Arguments &args);
int runExecute(const Arguments &args);
#endif

// Reads every setting the camera has into a JSON object (name -> value or
// array); settings the camera lacks are left out. On another failure returns
// its exit code after a message.
int readAllSettings(CameraHandle handle, Json *values);

// A GigE camera's IP configuration as JSON.
Json gigeJson(const stGigeInfo &ip);

// A value of readAllSettings as get prints it.
std::string settingText(const Setting &setting, const Json &value);

// JSON to stdout, indented; texts that are not UTF-8 are repaired, not fatal.
void printJson(const Json &value);

} // namespace vexocli
