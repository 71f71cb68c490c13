// Process-wide state of the C layer: handles mapped to opened devices, the
// last enumeration, and the simulator's call trace and injected failures.
#pragma once

#include "device.h"
#include "reconnector.h"
#include "sdk_options.h"
#include "sim_backend.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <type_traits>
#include <vector>

namespace vexo::capi {

using sdk::Device;
using sdk::Frame;
using sdk::Region;
using sdk::Settings;

// One opened camera as the caller sees it.
struct Session
{
    std::shared_ptr<Device> device;
    std::string serial;

    std::mutex mutex; // guards everything below
    std::map<uintptr_t, std::shared_ptr<const Frame>> lent;
    uintptr_t nextFrame = 1;
    uint32_t ispOutFormat = CAMERA_MEDIA_TYPE_RGB8;
    bool snapRegionSet = false;
    Region snapRegion;
    Region lastCustom;
    // Arrays the capability record points into; valid until close.
    std::vector<stImageResolution> presets;
    std::vector<stMediaTypeDesc> mediaTypes;
    std::vector<stLutPresetDesc> lutPresets;
    // The feature tree as last read (CameraGetFeatureCount), and why the
    // last feature call failed.
    std::vector<sdk::FeatureInfo> features;
    std::string featureError;
};

// Real GigE Vision / USB3 Vision cameras (sdk/aravis).
std::unique_ptr<sdk::Backend> makeAravisBackend(const sdk::SdkOptions &options);

class Library final
{
public:
    static Library &instance();

    sim::SimBackend &sim() { return sim_; }

    // The kinds of attachment chosen for this process (sdk_options.h), in
    // lookup order: a camera belongs to the first backend that knows it.
    std::vector<sdk::Backend *> backends();
    CameraSdkStatus enumerate(std::vector<sdk::Backend::Found> *cameras);
    // from: the backend that opened it.
    CameraSdkStatus open(const std::string &serial, std::shared_ptr<Device> *device,
                         sdk::Backend **from = nullptr);
    // Lost cameras of open handles are opened again through it.
    Reconnector &reconnector() { return reconnector_; }
    CameraSdkStatus gigeGetIp(const std::string &serial, stGigeInfo *info);
    CameraSdkStatus gigeSetIp(const std::string &serial, const stGigeInfo &info);

    std::shared_ptr<Session> session(CameraHandle handle);
    CameraHandle addSession(std::shared_ptr<Session> session);
    std::shared_ptr<Session> removeSession(CameraHandle handle);
    std::vector<std::shared_ptr<Session>> removeAllSessions();
    std::string serialOf(CameraHandle handle);

    void setEnumeration(std::vector<sdk::Backend::Found> cameras);
    bool hasEnumerated() const;
    bool enumerated(int index, sdk::Backend::Found *out);

    // Injected failures: true when name must fail now, with *status.
    bool takeFailure(const char *name, CameraSdkStatus *status);
    void addFailure(const std::string &name, CameraSdkStatus status, int count);
    void clearFailures();

    bool tracing() const;
    void setTracing(bool on);
    void addTrace(std::string line);
    void clearTrace();
    int traceCount() const;
    bool traceLine(int index, std::string *line) const;

private:
    Library() = default;
    // The backend that listed serial last, first in line for it.
    std::vector<sdk::Backend *> backendsFor(const std::string &serial);

    sim::SimBackend sim_;
    Reconnector reconnector_;
    std::once_flag configured_;
    std::unique_ptr<sdk::Backend> aravis_;
    std::vector<sdk::Backend *> backends_;
    std::map<std::string, sdk::Backend *> owners_;
    mutable std::mutex mutex_;
    std::map<uintptr_t, std::shared_ptr<Session>> sessions_;
    uintptr_t nextHandle_ = 0x1000;
    std::vector<sdk::Backend::Found> enumeration_;
    bool enumerated_ = false;
    std::map<std::string, std::pair<CameraSdkStatus, int>> failures_;
    bool tracing_ = false;
    std::vector<std::string> trace_;
};

// --- call wrapper: injected failures and the trace -------------------------

void appendArg(std::string &s, CameraHandle handle);
void appendArg(std::string &s, const char *text);
void appendArg(std::string &s, char *buffer);
void appendArg(std::string &s, double value);

template<typename T>
std::enable_if_t<std::is_integral_v<T>> appendArg(std::string &s, T value)
{
    s += std::to_string(value);
}

template<typename T>
void appendArg(std::string &s, T *pointer)
{
    s += pointer == nullptr ? "0" : "*";
}

inline void appendArgs(std::string &) {}

template<typename First, typename... Rest>
void appendArgs(std::string &s, const First &first, const Rest &...rest)
{
    appendArg(s, first);
    if constexpr (sizeof...(rest) > 0) {
        s += ',';
        appendArgs(s, rest...);
    }
}

// Runs body unless a failure was injected for name; traces the call when
// traced and the trace is on.
template<typename Body, typename... Args>
CameraSdkStatus call(const char *name, bool traced, Body &&body, const Args &...args)
{
    Library &lib = Library::instance();
    std::string line;
    const bool tracing = traced && lib.tracing();
    if (tracing) {
        line = name;
        line += '(';
        appendArgs(line, args...);
        line += ')';
    }
    CameraSdkStatus status = CAMERA_STATUS_SUCCESS;
    if (!lib.takeFailure(name, &status)) {
        status = body();
    }
    if (tracing) {
        lib.addTrace(line + "=" + std::to_string(status));
    }
    return status;
}

} // namespace vexo::capi
