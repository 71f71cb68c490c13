// Small helpers over Aravis's feature calls, shared by the parts of
// AravisDevice: a GError owned for one call, feature and entry lookups that
// treat an error as "absent", texts cut to a record's field.
#pragma once

#include "model.h"

#include <arv.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace vexo::aravis {

// Owns a GError for one call.
class Error final
{
public:
    Error() = default;
    ~Error()
    {
        if (error_ != nullptr) {
            g_error_free(error_);
        }
    }
    Error(const Error &) = delete;
    Error &operator=(const Error &) = delete;

    GError **out()
    {
        clear();
        return &error_;
    }
    GError *get() const { return error_; }
    GError *release() { return std::exchange(error_, nullptr); }
    explicit operator bool() const { return error_ != nullptr; }
    void clear()
    {
        if (error_ != nullptr) {
            g_error_free(error_);
            error_ = nullptr;
        }
    }

private:
    GError *error_ = nullptr;
};

inline bool has(ArvCamera *camera, const char *feature)
{
    Error e;
    return arv_camera_is_feature_available(camera, feature, e.out()) && !e;
}

inline bool hasEntry(ArvCamera *camera, const char *feature, const char *entry)
{
    Error e;
    return arv_camera_is_enumeration_entry_available(camera, feature, entry, e.out()) && !e;
}

inline std::vector<std::string> entries(ArvCamera *camera, const char *feature)
{
    std::vector<std::string> out;
    Error e;
    guint n = 0;
    const char **names = arv_camera_dup_available_enumerations_as_strings(camera, feature, &n, e.out());
    if (names != nullptr) {
        for (guint i = 0; i < n; ++i) {
            out.emplace_back(names[i] != nullptr ? names[i] : "");
        }
        g_free(names);
    }
    return out;
}

inline std::string text(ArvCamera *camera, const char *feature)
{
    if (!has(camera, feature)) {
        return {};
    }
    Error e;
    const char *value = arv_camera_get_string(camera, feature, e.out());
    return value != nullptr && !e ? std::string(value) : std::string();
}

// A text field of a record must fit, NUL included.
inline std::string fitted(const std::string &text, size_t field)
{
    return text.substr(0, std::min(text.size(), field - 1));
}

inline void selectFrameStart(ArvCamera *camera)
{
    if (hasEntry(camera, "TriggerSelector", "FrameStart")) {
        Error e;
        arv_camera_set_string(camera, "TriggerSelector", "FrameStart", e.out());
    }
}

inline bool sameArea(const sdk::Region &a, const sdk::Region &b)
{
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

} // namespace vexo::aravis
