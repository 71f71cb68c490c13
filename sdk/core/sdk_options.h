// Which kinds of camera the library drives and how it finds network cameras.
// The environment (VEXO_SDK_BACKENDS, VEXO_SDK_GIGE_ADDRESSES) wins over the
// library's configuration file, so a test or a shell can override what an
// installed viewer uses.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vexo::sdk {

// Backend names, in the order a camera is looked up.
constexpr const char *kBackendSim = "sim";
constexpr const char *kBackendAravis = "aravis";          // GigE Vision and USB3 Vision cameras
constexpr const char *kBackendAravisFake = "aravis-fake"; // Aravis's in-process test camera

struct SdkOptions
{
    std::vector<std::string> backends{kBackendSim};
    // Unset: GigE Vision cameras are found by broadcast on every interface.
    // Set: exactly these addresses are asked (empty = no GigE Vision at all).
    std::optional<std::vector<uint32_t>> gigeAddresses;
    // What was ignored, and why; the library reports it once.
    std::vector<std::string> problems;

    bool uses(const char *backend) const;
};

// Most addresses VEXO_SDK_GIGE_ADDRESSES may list.
constexpr size_t kMaxGigeAddresses = 64;

// Pure: env values may be null (unset); fileText is the configuration file's
// text, empty when there is none. Bad entries are skipped and reported; no
// usable backend leaves the simulated cameras.
SdkOptions parseSdkOptions(const char *envBackends, const char *envAddresses, const std::string &fileText);

// $VEXO_SDK_CONFIG, else $XDG_CONFIG_HOME/VexoCameraSDK/sdk.conf, else ~/.config/VexoCameraSDK/sdk.conf.
std::string sdkConfigPath();

// The environment and the configuration file of this process.
SdkOptions loadSdkOptions();

} // namespace vexo::sdk
