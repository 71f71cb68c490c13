#include "feature_tree.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace vexo::sdk {

namespace {

std::string trimmed(const std::string &text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool parseInteger(const std::string &text, int64_t *out)
{
    const char *begin = text.data();
    const char *end = begin + text.size();
    bool negative = false;
    if (begin != end && (*begin == '-' || *begin == '+')) {
        negative = *begin == '-';
        ++begin;
    }
    int base = 10;
    if (end - begin > 2 && begin[0] == '0' && (begin[1] == 'x' || begin[1] == 'X')) {
        base = 16;
        begin += 2;
    }
    if (begin == end || *begin == '-' || *begin == '+') {
        return false;
    }
    uint64_t magnitude = 0;
    const auto [stop, error] = std::from_chars(begin, end, magnitude, base);
    if (error != std::errc() || stop != end) {
        return false;
    }
    constexpr uint64_t kMaxPositive = static_cast<uint64_t>(INT64_MAX);
    if (negative) {
        if (magnitude > kMaxPositive + 1) {
            return false;
        }
        *out = magnitude == kMaxPositive + 1 ? INT64_MIN : -static_cast<int64_t>(magnitude);
    } else {
        if (magnitude > kMaxPositive) {
            return false;
        }
        *out = static_cast<int64_t>(magnitude);
    }
    return true;
}

bool parseFloat(const std::string &text, double *out)
{
    const char *begin = text.data();
    const char *end = begin + text.size();
    if (begin != end && *begin == '+') {
        ++begin;
    }
    const auto [stop, error] = std::from_chars(begin, end, *out, std::chars_format::general);
    return error == std::errc() && stop == end && std::isfinite(*out);
}

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return text;
}

} // namespace

bool isFeatureName(const char *text, size_t limit)
{
    if (text == nullptr) {
        return false;
    }
    const size_t n = strnlen(text, std::min(limit, kMaxFeatureName + 1));
    if (n == 0 || n > kMaxFeatureName || (text[0] >= '0' && text[0] <= '9')) {
        return false;
    }
    for (size_t i = 0; i < n; ++i) {
        const char c = text[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) {
            return false;
        }
    }
    return true;
}

std::string formatInteger(int64_t value)
{
    return std::to_string(value);
}

std::string formatFloat(double value)
{
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return error == std::errc() ? std::string(text, end) : std::string("nan");
}

bool parseFeatureValue(const FeatureInfo &f, const std::string &raw, FeatureValue *out, std::string *reason)
{
    if (raw.size() > kMaxFeatureValue) {
        *reason = "longer than " + std::to_string(kMaxFeatureValue) + " bytes";
        return false;
    }
    const std::string text = f.type == FeatureType::String ? raw : trimmed(raw);
    switch (f.type) {
    case FeatureType::Integer: {
        if (!parseInteger(text, &out->integer)) {
            *reason = "\"" + text + "\" is not a whole number";
            return false;
        }
        if (f.intMin <= f.intMax && (out->integer < f.intMin || out->integer > f.intMax)) {
            *reason = formatInteger(out->integer) + " is outside " + formatInteger(f.intMin) + " .. " +
                      formatInteger(f.intMax);
            return false;
        }
        // Steps count from the minimum; the subtraction cannot overflow
        // once the value is known to lie in the range.
        if (f.intIncrement > 1 && f.intMin <= f.intMax &&
            (static_cast<uint64_t>(out->integer) - static_cast<uint64_t>(f.intMin)) %
                    static_cast<uint64_t>(f.intIncrement) !=
                0) {
            *reason = formatInteger(out->integer) + " is not " + formatInteger(f.intMin) +
                      " plus a multiple of " + formatInteger(f.intIncrement);
            return false;
        }
        return true;
    }
    case FeatureType::Float: {
        if (!parseFloat(text, &out->real)) {
            *reason = "\"" + text + "\" is not a number";
            return false;
        }
        if (f.floatMin <= f.floatMax && (out->real < f.floatMin || out->real > f.floatMax)) {
            *reason = formatFloat(out->real) + " is outside " + formatFloat(f.floatMin) + " .. " +
                      formatFloat(f.floatMax);
            return false;
        }
        return true;
    }
    case FeatureType::Boolean: {
        const std::string word = lower(text);
        if (word == "1" || word == "true") {
            out->integer = 1;
        } else if (word == "0" || word == "false") {
            out->integer = 0;
        } else {
            *reason = "\"" + text + "\" is not 1 or 0";
            return false;
        }
        return true;
    }
    case FeatureType::Enumeration: {
        for (const FeatureEntry &e : f.entries) {
            if (e.name == text) {
                if (!e.available) {
                    *reason = "\"" + text + "\" cannot be chosen now";
                    return false;
                }
                out->integer = e.value;
                out->text = e.name;
                return true;
            }
        }
        *reason = "\"" + text + "\" is not one of the entries";
        return false;
    }
    case FeatureType::String:
        for (const char c : text) {
            if (static_cast<unsigned char>(c) < 0x20) {
                *reason = "control characters are not allowed";
                return false;
            }
        }
        if (f.intMax > 0 && static_cast<int64_t>(text.size()) > f.intMax) {
            *reason = "longer than " + formatInteger(f.intMax) + " bytes";
            return false;
        }
        out->text = text;
        return true;
    case FeatureType::Category:
    case FeatureType::Command:
    case FeatureType::Register:
        break;
    }
    *reason = "this feature takes no value";
    return false;
}

const FeatureInfo *findFeature(const std::vector<FeatureInfo> &tree, const std::string &name)
{
    for (const FeatureInfo &f : tree) {
        if (f.name == name) {
            return &f;
        }
    }
    return nullptr;
}

} // namespace vexo::sdk
