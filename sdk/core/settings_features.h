// A camera without a GenICam description of its own (the simulated cameras)
// describes the library's settings under the standard feature names (SFNC):
// ExposureTime, Gain, PixelFormat, Width, TriggerMode, UserSetLoad, ... A
// write goes through the same settings record as the SDK's own setters, so
// what one shows the other shows too.
#pragma once

#include "feature_tree.h"

#include <mutex>
#include <string>
#include <vector>

namespace vexo::sdk {

class Device;

// The selectors of the standard features, kept per device (a selector is
// a choice of which feature its neighbours address, not a camera setting).
struct FeatureSelectors
{
    std::mutex mutex;
    std::string balanceRatio = "Red";
    std::string triggerSource = "Software"; // remembered while TriggerMode is Off
    std::string userSet = "Default";
};

std::vector<FeatureInfo> describeSettingsFeatures(Device &device, FeatureSelectors &selectors);
FeatureOutcome writeSettingsFeature(Device &device, FeatureSelectors &selectors, const std::string &name,
                                    const std::string &value);
FeatureOutcome executeSettingsFeature(Device &device, FeatureSelectors &selectors, const std::string &name);

// PFNC names of the raw formats the library knows; "" for another code.
const char *pixelFormatName(uint32_t mediaType);

} // namespace vexo::sdk
