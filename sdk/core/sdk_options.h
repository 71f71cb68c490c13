// Which kinds of camera the library drives and how it finds network cameras.
// Each choice is decided by the first of: the environment (VEXO_SDK_BACKENDS,
// VEXO_SDK_GIGE_ADDRESSES), the user's sdk.conf, the system-wide sdk.conf an
// installed suite ships (real cameras), the library's own default (the
// simulated cameras). So a test or a shell overrides what an installed viewer
// uses, and a build tree that never reads the system file stays simulated.
//
// VEXO_SDK_LOOPBACK_ONLY (set by the test harness) is a fence: GigE Vision is
// asked only at loopback addresses, and never by broadcast, whatever the
// rest of the configuration says.
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

// Everything the choice is made from. Env values may be null (unset); file
// texts are empty when there is no file.
struct OptionSources
{
    const char *envBackends = nullptr;
    const char *envAddresses = nullptr;
    std::string userFile;
    std::string systemFile;
    bool loopbackOnly = false;
};

// Pure. Bad entries are skipped and reported; no usable backend leaves the
// simulated cameras.
SdkOptions parseSdkOptions(const OptionSources &sources);
// The environment and the user's file only.
SdkOptions parseSdkOptions(const char *envBackends, const char *envAddresses, const std::string &fileText);

// $VEXO_SDK_CONFIG, else $XDG_CONFIG_HOME/VexoCameraSDK/sdk.conf, else ~/.config/VexoCameraSDK/sdk.conf.
std::string sdkConfigPath();
// $VEXO_SDK_SYSTEM_CONFIG (/dev/null for none), else the installed
// <sysconfdir>/VexoCameraSDK/sdk.conf.
std::string systemConfigPath();

// The environment and the configuration file of this process.
SdkOptions loadSdkOptions();

} // namespace vexo::sdk
