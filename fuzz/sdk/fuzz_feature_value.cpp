// Feature names and values as a caller types them: a name read from a buffer
// that may lack its NUL, then a value checked against a feature of each kind.
#include "feature_tree.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>

using namespace vexo::sdk;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    // An exact-size heap copy lets the address sanitizer catch any read past the name.
    const size_t nameSize = std::min<size_t>(data[0] % 80, size - 1);
    std::unique_ptr<char[]> name(new char[nameSize ? nameSize : 1]);
    memcpy(name.get(), data + 1, nameSize);
    if (isFeatureName(name.get(), nameSize)) {
        const size_t n = strnlen(name.get(), nameSize);
        if (n == 0 || n > kMaxFeatureName || (name[0] >= '0' && name[0] <= '9'))
            abort();
    }

    const std::string text(reinterpret_cast<const char *>(data) + 1 + nameSize, size - 1 - nameSize);
    FeatureInfo f;
    f.intMin = -1000;
    f.intMax = 1 << 20;
    f.intIncrement = 1 + data[0] % 7;
    f.floatMin = -1.5;
    f.floatMax = 1e6;
    f.intMax = data[0] % 2 ? f.intMax : 8; // string features: a length limit
    f.entries = {{"Off", "Off", 0, true}, {"On", "On", 1, true}, {"Once", "Once", 2, false}};
    for (FeatureType type : {FeatureType::Integer, FeatureType::Float, FeatureType::Boolean,
                             FeatureType::Enumeration, FeatureType::String, FeatureType::Command}) {
        f.type = type;
        FeatureValue v;
        std::string reason;
        const bool ok = parseFeatureValue(f, text, &v, &reason);
        if (ok != reason.empty())
            abort(); // a refusal always says why
        if (!ok)
            continue;
        switch (type) {
        case FeatureType::Integer: {
            if (v.integer < f.intMin || v.integer > f.intMax || (v.integer - f.intMin) % f.intIncrement != 0)
                abort();
            FeatureValue again;
            if (!parseFeatureValue(f, formatInteger(v.integer), &again, &reason) ||
                again.integer != v.integer)
                abort();
            break;
        }
        case FeatureType::Float: {
            if (!std::isfinite(v.real) || v.real < f.floatMin || v.real > f.floatMax)
                abort();
            FeatureValue again;
            if (!parseFeatureValue(f, formatFloat(v.real), &again, &reason) || again.real != v.real)
                abort();
            break;
        }
        case FeatureType::Boolean:
            if (v.integer != 0 && v.integer != 1)
                abort();
            break;
        case FeatureType::Enumeration:
            if (v.text != "Off" && v.text != "On")
                abort(); // never an entry that cannot be chosen now
            break;
        case FeatureType::String:
            if (v.text.size() > kMaxFeatureValue || static_cast<int64_t>(v.text.size()) > f.intMax)
                abort();
            break;
        default:
            abort(); // commands take no value
        }
    }
    return 0;
}
