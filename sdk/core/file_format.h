// What the file readers and writers share: byte order, checksums, JSON
// parsing with a size limit, typed reads of optional keys, and the settings
// body that state files, parameter groups and parameter files all carry.
// Internal to the library; the readers themselves are declared in parsers.h.
#pragma once

#include "model.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vexo::sdk::fileformat {

using nlohmann::json;

void fail(std::string *error, const std::string &why);
uint32_t crc32Of(const uint8_t *data, size_t size);
uint32_t readU32(const uint8_t *p);
uint16_t readU16(const uint8_t *p);
void putU32(std::vector<uint8_t> &v, uint32_t x);
void putU16(std::vector<uint8_t> &v, uint16_t x);
bool parseJson(const uint8_t *data, size_t size, json *out, std::string *error);

// Typed, range-checked reads of optional keys; the first failure sticks.
class Reader
{
public:
    Reader(const json &object, std::string *error) : object_(object), error_(error)
    {
        if (!object_.is_object()) {
            bad("expected an object");
        }
    }

    bool ok() const { return ok_; }

    void bad(const std::string &why)
    {
        if (ok_) {
            fail(error_, why);
        }
        ok_ = false;
    }

    bool has(const char *key) const { return ok_ && object_.contains(key); }

    template<typename T>
    void integer(const char *key, T &out, long long lo, long long hi)
    {
        if (!has(key)) {
            return;
        }
        const json &v = object_.at(key);
        if (!v.is_number_integer()) {
            bad(std::string(key) + ": not an integer");
            return;
        }
        const long long x = v.is_number_unsigned() ? static_cast<long long>(std::min<unsigned long long>(
                                                         v.get<unsigned long long>(), 1ull << 62))
                                                   : v.get<long long>();
        if (x < lo || x > hi) {
            bad(std::string(key) + ": out of range");
            return;
        }
        out = static_cast<T>(x);
    }

    void number(const char *key, double &out, double lo, double hi)
    {
        if (!has(key)) {
            return;
        }
        const json &v = object_.at(key);
        if (!v.is_number()) {
            bad(std::string(key) + ": not a number");
            return;
        }
        const double x = v.get<double>();
        if (!std::isfinite(x) || x < lo || x > hi) {
            bad(std::string(key) + ": out of range");
            return;
        }
        out = x;
    }

    void boolean(const char *key, bool &out)
    {
        if (!has(key)) {
            return;
        }
        const json &v = object_.at(key);
        if (!v.is_boolean()) {
            bad(std::string(key) + ": not a boolean");
            return;
        }
        out = v.get<bool>();
    }

    // A text that fits a field of fieldSize bytes with its NUL.
    void text(const char *key, std::string &out, size_t fieldSize)
    {
        if (!has(key)) {
            return;
        }
        const json &v = object_.at(key);
        if (!v.is_string()) {
            bad(std::string(key) + ": not a text");
            return;
        }
        const std::string s = v.get<std::string>();
        if (s.size() >= fieldSize || s.find('\0') != std::string::npos) {
            bad(std::string(key) + ": too long");
            return;
        }
        out = s;
    }

    const json *child(const char *key) { return has(key) ? &object_.at(key) : nullptr; }

private:
    const json &object_;
    std::string *error_;
    bool ok_ = true;
};

// Settings as a JSON object and back (generic range checks only).
json settingsJson(const Settings &s);
bool readSettings(const json &j, Settings *out, std::string *error);

bool validUtf8(const std::string &s);
std::string toHex(const std::string &s);
bool fromHex(const std::string &hex, std::string *out);
bool validQuadOrEmpty(const std::string &s);

} // namespace vexo::sdk::fileformat
