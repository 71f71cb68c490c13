// A camera's persistent state file.
#include "file_format.h"
#include "parsers.h"

#include <algorithm>

namespace vexo::sdk {

using namespace fileformat;

namespace {

constexpr int kStateFormat = 1;

} // namespace

bool parseState(const uint8_t *data, size_t size, const CameraModel &model, PersistentState *out,
                std::string *error)
{
    json j;
    if (!parseJson(data, size, &j, error)) {
        return false;
    }
    PersistentState s;
    Reader r(j, error);
    int format = 0;
    r.integer("format", format, 0, 1000);
    if (r.ok() && format != kStateFormat) {
        r.bad("unknown state format");
    }
    r.text("nickname", s.nickname, sizeof(stDeviceInfo::acFriendlyName));
    if (r.has("nicknameHex")) {
        // A nickname that is not UTF-8 (another 8-bit encoding), byte for byte.
        std::string hex;
        r.text("nicknameHex", hex, 2 * sizeof(stDeviceInfo::acFriendlyName) - 1);
        if (r.ok() && (!fromHex(hex, &s.nickname) || s.nickname.find('\0') != std::string::npos)) {
            r.bad("nicknameHex");
        }
    }
    if (const json *ip = r.child("ip")) {
        Reader i(*ip, error);
        i.integer("mode", s.ipMode, 0, 1);
        i.text("ip", s.ip, 16);
        i.text("mask", s.mask, 16);
        i.text("gateway", s.gateway, 16);
        if (!i.ok() || !validQuadOrEmpty(s.ip) || !validQuadOrEmpty(s.mask) || !validQuadOrEmpty(s.gateway)) {
            r.bad("ip");
        }
        s.ipSet = !s.ip.empty();
    }
    r.integer("packetSize", s.packetSize, 1500, 9000);
    r.integer("packetDelayUs", s.packetDelayUs, 0, 1000000);
    r.integer("firmwareVersion", s.firmwareVersion, 0, 0xFFFF);
    r.integer("currentGroup", s.currentGroup, 0, kParameterGroups - 1);
    r.integer("parameterMode", s.parameterMode, 0, 2);
    if (const json *groups = r.child("groups")) {
        if (!groups->is_array() || groups->size() != kParameterGroups) {
            r.bad("groups");
        } else {
            for (int g = 0; g < kParameterGroups && r.ok(); ++g) {
                const json &item = (*groups)[g];
                if (item.is_null()) {
                    continue;
                }
                Settings settings = defaultSettings(model);
                if (!readSettings(item, &settings, error)) {
                    r.bad("groups");
                    break;
                }
                const std::string why = validateSettings(model, settings);
                if (!why.empty()) {
                    r.bad("group setting " + why);
                    break;
                }
                s.groups[g] = settings;
                s.groupSaved[g] = true;
            }
        }
    }
    if (!r.ok()) {
        return false;
    }
    *out = std::move(s);
    return true;
}

std::string writeState(const PersistentState &s)
{
    json j;
    j["format"] = kStateFormat;
    if (validUtf8(s.nickname)) {
        j["nickname"] = s.nickname;
    } else {
        j["nicknameHex"] = toHex(s.nickname);
    }
    if (s.ipSet) {
        j["ip"] = {{"mode", s.ipMode}, {"ip", s.ip}, {"mask", s.mask}, {"gateway", s.gateway}};
    }
    j["packetSize"] = s.packetSize;
    j["packetDelayUs"] = s.packetDelayUs;
    j["firmwareVersion"] = s.firmwareVersion;
    j["currentGroup"] = s.currentGroup;
    j["parameterMode"] = s.parameterMode;
    json groups = json::array();
    for (int g = 0; g < kParameterGroups; ++g) {
        groups.push_back(s.groupSaved[g] ? settingsJson(s.groups[g]) : json());
    }
    j["groups"] = groups;
    // Names may be in any 8-bit encoding: keep invalid UTF-8 rather than throw.
    return j.dump(1, ' ', false, json::error_handler_t::replace);
}

} // namespace vexo::sdk
