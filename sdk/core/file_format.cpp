#include "file_format.h"
#include "parsers.h"

#include <zlib.h>

#include <cstring>

namespace vexo::sdk::fileformat {

void fail(std::string *error, const std::string &why)
{
    if (error != nullptr) {
        *error = why;
    }
}

uint32_t crc32Of(const uint8_t *data, size_t size)
{
    return static_cast<uint32_t>(::crc32(0, data, static_cast<uInt>(size)));
}

uint32_t readU32(const uint8_t *p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

uint16_t readU16(const uint8_t *p)
{
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

void putU32(std::vector<uint8_t> &v, uint32_t x)
{
    for (int i = 0; i < 4; ++i) {
        v.push_back(static_cast<uint8_t>(x >> (8 * i)));
    }
}

void putU16(std::vector<uint8_t> &v, uint16_t x)
{
    v.push_back(static_cast<uint8_t>(x));
    v.push_back(static_cast<uint8_t>(x >> 8));
}

bool parseJson(const uint8_t *data, size_t size, json *out, std::string *error)
{
    if (data == nullptr && size != 0) {
        fail(error, "no data");
        return false;
    }
    if (size > kMaxFileBytes) {
        fail(error, "file too large");
        return false;
    }
    const char *begin = reinterpret_cast<const char *>(data);
    json j = json::parse(begin, begin + size, nullptr, false);
    if (j.is_discarded()) {
        fail(error, "not valid JSON");
        return false;
    }
    *out = std::move(j);
    return true;
}

bool validUtf8(const std::string &s)
{
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        size_t extra = 0;
        uint32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= s.size()) {
            return false;
        }
        for (size_t k = 1; k <= extra; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) {
                return false;
            }
            cp = cp << 6 | (d & 0x3F);
        }
        static const uint32_t minimum[4] = {0, 0x80, 0x800, 0x10000};
        if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return false;
        }
        i += extra + 1;
    }
    return true;
}

std::string toHex(const std::string &s)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : s) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

bool fromHex(const std::string &hex, std::string *out)
{
    if (hex.size() % 2 != 0) {
        return false;
    }
    std::string bytes;
    for (size_t i = 0; i < hex.size(); i += 2) {
        int v = 0;
        for (size_t k = 0; k < 2; ++k) {
            const char c = hex[i + k];
            const int d = (c >= '0' && c <= '9') ? c - '0' : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
            if (d < 0) {
                return false;
            }
            v = v * 16 + d;
        }
        bytes += static_cast<char>(v);
    }
    *out = std::move(bytes);
    return true;
}

bool validQuadOrEmpty(const std::string &s)
{
    uint32_t ignored = 0;
    return s.empty() || parseIpv4(s.c_str(), s.size() + 1, &ignored);
}

} // namespace vexo::sdk::fileformat
