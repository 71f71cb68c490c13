#include "sdk_options.h"

#include "netif.h"
#include "parsers.h"
#include "state_store.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <unistd.h>

#ifndef VEXO_SDK_SYSTEM_CONFIG_PATH
#define VEXO_SDK_SYSTEM_CONFIG_PATH "/etc/VexoCameraSDK/sdk.conf"
#endif

namespace vexo::sdk {

namespace {

constexpr size_t kMaxConfigBytes = 64 * 1024;

std::string trimmed(const std::string &text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::vector<std::string> splitList(const std::string &text)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t comma = text.find(',', start);
        const std::string part =
            trimmed(text.substr(start, comma == std::string::npos ? comma : comma - start));
        if (!part.empty()) {
            parts.push_back(part);
        }
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    return parts;
}

void takeBackends(const std::string &text, const std::string &origin, SdkOptions *options)
{
    std::vector<std::string> chosen;
    for (const std::string &name : splitList(text)) {
        if (name != kBackendSim && name != kBackendAravis && name != kBackendAravisFake) {
            options->problems.push_back(origin + ": unknown backend \"" + name + "\"");
            continue;
        }
        if (std::find(chosen.begin(), chosen.end(), name) == chosen.end()) {
            chosen.push_back(name);
        }
    }
    if (chosen.empty()) {
        options->problems.push_back(origin + ": no usable backend, the simulated cameras are used");
        chosen.push_back(kBackendSim);
    }
    options->backends = std::move(chosen);
}

void takeAddresses(const std::string &text, const std::string &origin, SdkOptions *options)
{
    std::vector<uint32_t> addresses;
    for (const std::string &part : splitList(text)) {
        uint32_t address = 0;
        if (!parseIpv4(part.c_str(), part.size() + 1, &address) || address == 0 || address == 0xFFFFFFFFu ||
            (address >> 28) == 0xE) {
            // Broadcast and multicast would reach more than the one camera asked for.
            options->problems.push_back(origin + ": not a camera address \"" + part + "\"");
            continue;
        }
        if (addresses.size() == kMaxGigeAddresses) {
            options->problems.push_back(origin + ": more than 64 addresses, the rest is ignored");
            break;
        }
        if (std::find(addresses.begin(), addresses.end(), address) == addresses.end()) {
            addresses.push_back(address);
        }
    }
    options->gigeAddresses = std::move(addresses);
}

} // namespace

bool SdkOptions::uses(const char *backend) const
{
    return std::find(backends.begin(), backends.end(), backend) != backends.end();
}

namespace {

struct FileChoices
{
    std::optional<std::string> backends, addresses;
};

FileChoices readFile(const std::string &text, const std::string &origin, SdkOptions *options)
{
    FileChoices choices;
    size_t lineStart = 0;
    int lineNumber = 0;
    while (lineStart < text.size()) {
        size_t end = text.find('\n', lineStart);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string line = trimmed(text.substr(lineStart, end - lineStart));
        lineStart = end + 1;
        ++lineNumber;
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const size_t equals = line.find('=');
        const std::string key = equals == std::string::npos ? line : trimmed(line.substr(0, equals));
        const std::string value =
            equals == std::string::npos ? std::string() : trimmed(line.substr(equals + 1));
        if (equals != std::string::npos && key == "backends") {
            choices.backends = value;
        } else if (equals != std::string::npos && key == "gige-addresses") {
            choices.addresses = value;
        } else {
            options->problems.push_back(origin + " line " + std::to_string(lineNumber) + ": not understood");
        }
    }
    return choices;
}

bool isLoopback(uint32_t address)
{
    return (address >> 24) == 127;
}

// The fence of a test environment: nothing but loopback is ever asked.
void keepToLoopback(SdkOptions *options)
{
    if (!options->gigeAddresses) {
        if (options->uses(kBackendAravis)) {
            options->problems.push_back("VEXO_SDK_LOOPBACK_ONLY: no broadcast discovery, GigE Vision "
                                        "cameras are asked only at the loopback addresses listed");
        }
        options->gigeAddresses.emplace();
        return;
    }
    std::vector<uint32_t> kept;
    for (uint32_t address : *options->gigeAddresses) {
        if (isLoopback(address)) {
            kept.push_back(address);
        } else {
            options->problems.push_back("VEXO_SDK_LOOPBACK_ONLY: not a loopback address \"" +
                                        ipv4Text(address) + "\", not asked");
        }
    }
    options->gigeAddresses = std::move(kept);
}

} // namespace

SdkOptions parseSdkOptions(const OptionSources &sources)
{
    SdkOptions options;
    const FileChoices user = readFile(sources.userFile, "configuration", &options);
    const FileChoices system = readFile(sources.systemFile, "system configuration", &options);
    if (sources.envBackends != nullptr) {
        takeBackends(sources.envBackends, "VEXO_SDK_BACKENDS", &options);
    } else if (user.backends) {
        takeBackends(*user.backends, "configuration backends", &options);
    } else if (system.backends) {
        takeBackends(*system.backends, "system configuration backends", &options);
    }
    if (sources.envAddresses != nullptr) {
        takeAddresses(sources.envAddresses, "VEXO_SDK_GIGE_ADDRESSES", &options);
    } else if (user.addresses) {
        takeAddresses(*user.addresses, "configuration gige-addresses", &options);
    } else if (system.addresses) {
        takeAddresses(*system.addresses, "system configuration gige-addresses", &options);
    }
    if (sources.loopbackOnly) {
        keepToLoopback(&options);
    }
    return options;
}

SdkOptions parseSdkOptions(const char *envBackends, const char *envAddresses, const std::string &fileText)
{
    OptionSources sources;
    sources.envBackends = envBackends;
    sources.envAddresses = envAddresses;
    sources.userFile = fileText;
    return parseSdkOptions(sources);
}

std::string sdkConfigPath()
{
    const char *explicitPath = std::getenv("VEXO_SDK_CONFIG");
    if (explicitPath != nullptr && *explicitPath != '\0') {
        return explicitPath;
    }
    const char *config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && *config == '/') {
        return std::string(config) + "/VexoCameraSDK/sdk.conf";
    }
    const char *home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.config/VexoCameraSDK/sdk.conf";
}

std::string systemConfigPath()
{
    const char *explicitPath = std::getenv("VEXO_SDK_SYSTEM_CONFIG");
    if (explicitPath != nullptr && *explicitPath != '\0') {
        return explicitPath;
    }
    return VEXO_SDK_SYSTEM_CONFIG_PATH;
}

namespace {

// The text of a configuration file; empty when there is none. A file that
// is there but cannot be read is a problem, not a silent default.
std::string readConfig(const std::string &path, std::vector<std::string> *problems)
{
    if (path == "/dev/null" || ::access(path.c_str(), F_OK) != 0) {
        return {};
    }
    std::vector<uint8_t> bytes;
    if (!readWholeFile(path, kMaxConfigBytes, &bytes)) {
        problems->push_back(path + ": cannot be read (or larger than 64 KiB)");
        return {};
    }
    return std::string(bytes.begin(), bytes.end());
}

bool switchedOn(const char *value)
{
    return value != nullptr && *value != '\0' && std::string(value) != "0";
}

} // namespace

SdkOptions loadSdkOptions()
{
    std::vector<std::string> unreadable;
    OptionSources sources;
    sources.envBackends = std::getenv("VEXO_SDK_BACKENDS");
    sources.envAddresses = std::getenv("VEXO_SDK_GIGE_ADDRESSES");
    sources.userFile = readConfig(sdkConfigPath(), &unreadable);
    sources.systemFile = readConfig(systemConfigPath(), &unreadable);
    sources.loopbackOnly = switchedOn(std::getenv("VEXO_SDK_LOOPBACK_ONLY"));
    SdkOptions options = parseSdkOptions(sources);
    options.problems.insert(options.problems.end(), unreadable.begin(), unreadable.end());
    return options;
}

} // namespace vexo::sdk
