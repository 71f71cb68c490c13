// What every C function of the library does before it touches a camera: find
// the session of the handle, refuse a lost device, a feature the camera lacks
// and a change during an upgrade; then read or change the settings. One file
// per section of VexoCameraSDK.h builds its functions from these.
#pragma once

#include "library.h"
#include "parsers.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <type_traits>

namespace vexo::capi {

using sdk::CameraModel;
using sdk::Features;

constexpr size_t kMaxPath = 4096;

inline Library &lib()
{
    return Library::instance();
}

inline bool between(long long v, long long lo, long long hi)
{
    return v >= lo && v <= hi;
}

// Into a record's text field: the whole field is written, NUL padded.
inline void copyText(char *field, size_t size, const std::string &text)
{
    std::memset(field, 0, size);
    std::memcpy(field, text.data(), std::min(size - 1, text.size()));
}

// Into a caller's buffer: only the text and its NUL are written, so a
// caller's smaller buffer survives a short text.
inline void copyOut(char *buffer, size_t size, const std::string &text)
{
    const size_t n = std::min(size - 1, text.size());
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

// Length of a caller's text, or -1 when it is not terminated within limit.
inline long textLength(const char *text, size_t limit)
{
    const size_t n = strnlen(text, limit);
    return n == limit ? -1 : static_cast<long>(n);
}

enum class Access { Read, Write };

// A feature of the camera a call needs; none = every camera has it.
using Feature = bool Features::*;

template<typename F>
CameraSdkStatus onSession(CameraHandle handle, Access access, F &&f, Feature feature = nullptr)
{
    const std::shared_ptr<Session> s = lib().session(handle);
    if (!s) {
        return CAMERA_STATUS_INVALID_HANDLE;
    }
    if (s->device->lost()) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    if (feature != nullptr && !(s->device->model().features.*feature)) {
        return CAMERA_STATUS_NOT_SUPPORTED;
    }
    if (access == Access::Write && s->device->busy()) {
        return CAMERA_STATUS_BUSY;
    }
    return f(*s);
}

template<typename F>
CameraSdkStatus readSettings(CameraHandle handle, F &&f, Feature feature = nullptr)
{
    return onSession(
        handle, Access::Read,
        [&](Session &s) {
            const Settings settings = s.device->settings();
            return f(s, settings);
        },
        feature);
}

// Read, change, check against the camera, apply.
template<typename F>
CameraSdkStatus changeSettings(CameraHandle handle, F &&f, Feature feature = nullptr)
{
    return onSession(
        handle, Access::Write,
        [&](Session &s) {
            Settings settings = s.device->settings();
            const CameraSdkStatus status = f(s, settings);
            if (status != CAMERA_STATUS_SUCCESS) {
                return status;
            }
            if (!sdk::validateSettings(s.device->model(), settings).empty()) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            return s.device->applySettings(settings);
        },
        feature);
}

// A getter: every output must be there, then fill copies out what it reads
// from the session, or from the session and its settings. fill may return a
// status of its own (a camera without the feature) or nothing.
template<typename Fill, typename... Out>
CameraSdkStatus getter(const char *name, CameraHandle handle, Feature feature, Fill &&fill, Out *...outs)
{
    return call(
        name, true,
        [&] {
            return onSession(
                handle, Access::Read,
                [&](Session &s) -> CameraSdkStatus {
                    if (((outs == nullptr) || ...)) {
                        return CAMERA_STATUS_INVALID_ARGUMENT;
                    }
                    if constexpr (std::is_invocable_v<Fill, Session &, const Settings &>) {
                        using Result = std::invoke_result_t<Fill, Session &, const Settings &>;
                        const Settings settings = s.device->settings();
                        if constexpr (std::is_void_v<Result>) {
                            fill(s, settings);
                        } else {
                            return fill(s, settings);
                        }
                    } else {
                        using Result = std::invoke_result_t<Fill, Session &>;
                        if constexpr (std::is_void_v<Result>) {
                            fill(s);
                        } else {
                            return fill(s);
                        }
                    }
                    return CAMERA_STATUS_SUCCESS;
                },
                feature);
        },
        handle, outs...);
}

// A setter: change checks the arguments against the session and changes the
// settings; changeSettings checks the result against the camera and applies it.
// args are what the trace shows after the handle.
template<typename Change, typename... Args>
CameraSdkStatus setter(const char *name, CameraHandle handle, Feature feature, Change &&change,
                       const Args &...args)
{
    return call(
        name, true, [&] { return changeSettings(handle, change, feature); }, handle, args...);
}

inline CameraSdkStatus setInt(const char *name, CameraHandle handle, int value, int lo, int hi,
                              int Settings::*field, Feature feature = nullptr)
{
    return setter(
        name, handle, feature,
        [&](Session &, Settings &s) {
            if (!between(value, lo, hi)) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            s.*field = value;
            return CAMERA_STATUS_SUCCESS;
        },
        value);
}

inline CameraSdkStatus getInt(const char *name, CameraHandle handle, int *out, int Settings::*field,
                              Feature feature = nullptr)
{
    return getter(
        name, handle, feature, [&](Session &, const Settings &s) { *out = s.*field; }, out);
}

} // namespace vexo::capi
