// The binary files: parameter files and firmware images; firmware versions
// and IPv4 texts.
#include "file_format.h"
#include "parsers.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

namespace vexo::sdk {

using namespace fileformat;

namespace {

constexpr char kParamMagic[8] = {'V', 'X', 'P', 'A', 'R', 'A', 'M', '1'};
constexpr uint32_t kParamFormat = 1;
constexpr size_t kParamHeader = 20;
constexpr char kFwMagic[4] = {'V', 'X', 'F', 'W'};
constexpr uint16_t kFwFormat = 1;
constexpr size_t kFwHeader = 48;

} // namespace

bool parseParameterFile(const uint8_t *data, size_t size, ParameterFile *out, std::string *error)
{
    if (data == nullptr || size < kParamHeader) {
        fail(error, "truncated header");
        return false;
    }
    if (std::memcmp(data, kParamMagic, sizeof kParamMagic) != 0) {
        fail(error, "not a parameter file");
        return false;
    }
    if (readU32(data + 8) != kParamFormat) {
        fail(error, "unsupported parameter file version");
        return false;
    }
    const uint32_t length = readU32(data + 12);
    if (length != size - kParamHeader) {
        fail(error, "truncated or padded body");
        return false;
    }
    const uint8_t *body = data + kParamHeader;
    if (crc32Of(body, length) != readU32(data + 16)) {
        fail(error, "checksum mismatch");
        return false;
    }
    json j;
    if (!parseJson(body, length, &j, error)) {
        return false;
    }
    ParameterFile f;
    Reader r(j, error);
    if (!r.has("product") || !r.has("settings")) {
        r.bad("missing product or settings");
    }
    r.text("product", f.productName, sizeof(stDeviceInfo::acProductName));
    r.text("serial", f.serial, sizeof(stDeviceInfo::acSn));
    if (!r.ok()) {
        return false;
    }
    // Every key must be present: a file does not inherit anything.
    const json &settings = j.at("settings");
    const json reference = settingsJson(Settings{});
    if (!settings.is_object()) {
        fail(error, "settings: expected an object");
        return false;
    }
    for (auto it = reference.begin(); it != reference.end(); ++it) {
        if (!settings.contains(it.key())) {
            fail(error, "settings: missing " + it.key());
            return false;
        }
    }
    if (!readSettings(settings, &f.settings, error)) {
        return false;
    }
    *out = std::move(f);
    return true;
}

std::vector<uint8_t> writeParameterFile(const ParameterFile &file)
{
    json j;
    j["product"] = file.productName;
    j["serial"] = file.serial;
    j["settings"] = settingsJson(file.settings);
    const std::string body = j.dump(1, ' ', false, json::error_handler_t::replace);
    std::vector<uint8_t> out(kParamMagic, kParamMagic + sizeof kParamMagic);
    putU32(out, kParamFormat);
    putU32(out, static_cast<uint32_t>(body.size()));
    putU32(out, crc32Of(reinterpret_cast<const uint8_t *>(body.data()), body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

bool parseFirmwareImage(const uint8_t *data, size_t size, FirmwareImage *out, std::string *error,
                        bool *badChecksum)
{
    if (badChecksum != nullptr) {
        *badChecksum = false;
    }
    if (data == nullptr || size < kFwHeader) {
        fail(error, "truncated header");
        return false;
    }
    if (std::memcmp(data, kFwMagic, sizeof kFwMagic) != 0) {
        fail(error, "not a firmware image");
        return false;
    }
    if (readU16(data + 4) != kFwFormat) {
        fail(error, "unsupported image format");
        return false;
    }
    const char *name = reinterpret_cast<const char *>(data + 8);
    const size_t nameLength = strnlen(name, 32);
    if (nameLength == 0 || nameLength == 32) {
        fail(error, "bad product name");
        return false;
    }
    const uint32_t length = readU32(data + 40);
    if (length != size - kFwHeader) {
        fail(error, "truncated or padded payload");
        return false;
    }
    uint32_t crc = static_cast<uint32_t>(::crc32(0, data, 44));
    crc = static_cast<uint32_t>(::crc32(crc, data + kFwHeader, static_cast<uInt>(length)));
    if (crc != readU32(data + 44)) {
        if (badChecksum != nullptr) {
            *badChecksum = true;
        }
        fail(error, "checksum mismatch");
        return false;
    }
    FirmwareImage image;
    image.productName.assign(name, nameLength);
    image.version = readU16(data + 6);
    image.payload.assign(data + kFwHeader, data + size);
    *out = std::move(image);
    return true;
}

std::vector<uint8_t> writeFirmwareImage(const FirmwareImage &image)
{
    std::vector<uint8_t> out(kFwMagic, kFwMagic + sizeof kFwMagic);
    putU16(out, kFwFormat);
    putU16(out, image.version);
    char name[32] = {};
    std::memcpy(name, image.productName.data(), std::min<size_t>(31, image.productName.size()));
    out.insert(out.end(), name, name + 32);
    putU32(out, static_cast<uint32_t>(image.payload.size()));
    uint32_t crc = static_cast<uint32_t>(::crc32(0, out.data(), 44));
    if (!image.payload.empty()) {
        // (zlib restarts the CRC when handed a null buffer, as an empty vector's may be)
        crc = static_cast<uint32_t>(
            ::crc32(crc, image.payload.data(), static_cast<uInt>(image.payload.size())));
    }
    putU32(out, crc);
    out.insert(out.end(), image.payload.begin(), image.payload.end());
    return out;
}

bool parseFirmwareVersion(const std::string &text, uint16_t *out)
{
    int parts[4];
    size_t pos = 0;
    for (int i = 0; i < 4; ++i) {
        if (pos >= text.size() || text[pos] < '0' || text[pos] > '9') {
            return false;
        }
        int v = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            v = v * 10 + (text[pos] - '0');
            if (v > 15) {
                return false;
            }
            ++pos;
        }
        parts[i] = v;
        if (i < 3) {
            if (pos >= text.size() || text[pos] != '.') {
                return false;
            }
            ++pos;
        }
    }
    if (pos != text.size()) {
        return false;
    }
    *out = static_cast<uint16_t>(parts[0] << 12 | parts[1] << 8 | parts[2] << 4 | parts[3]);
    return true;
}

std::string firmwareVersionText(uint16_t v)
{
    return "v" + std::to_string(v >> 12) + "." + std::to_string((v >> 8) & 15) + "." +
           std::to_string((v >> 4) & 15) + "." + std::to_string(v & 15);
}

bool parseIpv4(const char *text, size_t fieldSize, uint32_t *out)
{
    if (text == nullptr) {
        return false;
    }
    const size_t n = strnlen(text, fieldSize);
    if (n == fieldSize) {
        return false; // not terminated inside its field
    }
    uint32_t value = 0;
    size_t pos = 0;
    for (int part = 0; part < 4; ++part) {
        size_t digits = 0;
        int v = 0;
        while (pos < n && text[pos] >= '0' && text[pos] <= '9') {
            v = v * 10 + (text[pos] - '0');
            ++digits;
            ++pos;
            if (digits > 3) {
                return false;
            }
        }
        if (digits == 0 || v > 255) {
            return false;
        }
        value = value << 8 | static_cast<uint32_t>(v);
        if (part < 3) {
            if (pos >= n || text[pos] != '.') {
                return false;
            }
            ++pos;
        }
    }
    if (pos != n) {
        return false;
    }
    *out = value;
    return true;
}

} // namespace vexo::sdk
