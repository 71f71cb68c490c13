#include "sdk_options.h"

#include "parsers.h"
#include "state_store.h"

#include <algorithm>
#include <cstdlib>
#include <unistd.h>

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

SdkOptions parseSdkOptions(const char *envBackends, const char *envAddresses, const std::string &fileText)
{
    SdkOptions options;
    std::string fileBackends, fileAddresses;
    bool haveBackends = false, haveAddresses = false;
    size_t lineStart = 0;
    int lineNumber = 0;
    while (lineStart < fileText.size()) {
        size_t end = fileText.find('\n', lineStart);
        if (end == std::string::npos) {
            end = fileText.size();
        }
        const std::string line = trimmed(fileText.substr(lineStart, end - lineStart));
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
            fileBackends = value;
            haveBackends = true;
        } else if (equals != std::string::npos && key == "gige-addresses") {
            fileAddresses = value;
            haveAddresses = true;
        } else {
            options.problems.push_back("configuration line " + std::to_string(lineNumber) +
                                       ": not understood");
        }
    }
    if (envBackends != nullptr) {
        takeBackends(envBackends, "VEXO_SDK_BACKENDS", &options);
    } else if (haveBackends) {
        takeBackends(fileBackends, "configuration backends", &options);
    }
    if (envAddresses != nullptr) {
        takeAddresses(envAddresses, "VEXO_SDK_GIGE_ADDRESSES", &options);
    } else if (haveAddresses) {
        takeAddresses(fileAddresses, "configuration gige-addresses", &options);
    }
    return options;
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

SdkOptions loadSdkOptions()
{
    const std::string path = sdkConfigPath();
    std::vector<uint8_t> bytes;
    std::string text;
    const bool present = ::access(path.c_str(), F_OK) == 0;
    const bool read = present && readWholeFile(path, kMaxConfigBytes, &bytes);
    if (read) {
        text.assign(bytes.begin(), bytes.end());
    }
    SdkOptions options =
        parseSdkOptions(std::getenv("VEXO_SDK_BACKENDS"), std::getenv("VEXO_SDK_GIGE_ADDRESSES"), text);
    if (present && !read) {
        options.problems.push_back(path + ": cannot be read (or larger than 64 KiB)");
    }
    return options;
}

} // namespace vexo::sdk
