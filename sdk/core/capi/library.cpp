#include "library.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace vexo::capi {

namespace {

constexpr size_t kMaxTraceLines = 100000;
constexpr size_t kMaxTracedText = 256;

} // namespace

Library &Library::instance()
{
    // Never destroyed: cameras may still be closed from other static
    // destructors or threads at exit.
    static Library *library = new Library();
    return *library;
}

std::vector<sdk::Backend *> Library::backends()
{
    std::call_once(configured_, [this] {
        const sdk::SdkOptions options = sdk::loadSdkOptions();
        for (const std::string &problem : options.problems) {
            std::fprintf(stderr, "VexoCameraSDK: %s\n", problem.c_str());
        }
        std::vector<sdk::Backend *> chosen;
        for (const std::string &name : options.backends) {
            if (name == sdk::kBackendSim) {
                chosen.push_back(&sim_);
            } else if (!aravis_) {
                // One backend serves both the real cameras and the test camera.
                aravis_ = makeAravisBackend(options);
                chosen.push_back(aravis_.get());
            }
        }
        std::lock_guard<std::mutex> lock(mutex_);
        backends_ = std::move(chosen);
    });
    std::lock_guard<std::mutex> lock(mutex_);
    return backends_;
}

std::vector<sdk::Backend *> Library::backendsFor(const std::string &serial)
{
    std::vector<sdk::Backend *> all = backends();
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = owners_.find(serial);
    if (it != owners_.end()) {
        std::stable_partition(all.begin(), all.end(), [&](sdk::Backend *b) { return b == it->second; });
    }
    return all;
}

CameraSdkStatus Library::enumerate(std::vector<sdk::Backend::Found> *cameras)
{
    cameras->clear();
    CameraSdkStatus firstFailure = CAMERA_STATUS_SUCCESS;
    bool anySucceeded = false;
    std::map<std::string, sdk::Backend *> owners;
    for (sdk::Backend *backend : backends()) {
        std::vector<sdk::Backend::Found> found;
        const CameraSdkStatus status = backend->enumerate(&found);
        if (status != CAMERA_STATUS_SUCCESS) {
            firstFailure = firstFailure == CAMERA_STATUS_SUCCESS ? status : firstFailure;
            continue;
        }
        anySucceeded = true;
        for (sdk::Backend::Found &f : found) {
            // A serial two backends know stays with the first, like open().
            if (owners.emplace(f.model.serial, backend).second) {
                cameras->push_back(std::move(f));
            }
        }
    }
    std::lock_guard<std::mutex> lock(mutex_);
    owners_ = std::move(owners);
    return anySucceeded ? CAMERA_STATUS_SUCCESS : firstFailure;
}

CameraSdkStatus Library::open(const std::string &serial, std::shared_ptr<Device> *device, sdk::Backend **from)
{
    for (sdk::Backend *backend : backendsFor(serial)) {
        const CameraSdkStatus status = backend->open(serial, device);
        if (status != CAMERA_STATUS_NO_DEVICE) {
            if (from != nullptr) {
                *from = backend;
            }
            return status;
        }
    }
    return CAMERA_STATUS_NO_DEVICE;
}

CameraSdkStatus Library::gigeGetIp(const std::string &serial, stGigeInfo *info)
{
    for (sdk::Backend *backend : backendsFor(serial)) {
        const CameraSdkStatus status = backend->gigeGetIp(serial, info);
        if (status != CAMERA_STATUS_NO_DEVICE) {
            return status;
        }
    }
    return CAMERA_STATUS_NO_DEVICE;
}

CameraSdkStatus Library::gigeSetIp(const std::string &serial, const stGigeInfo &info)
{
    for (sdk::Backend *backend : backendsFor(serial)) {
        const CameraSdkStatus status = backend->gigeSetIp(serial, info);
        if (status != CAMERA_STATUS_NO_DEVICE) {
            return status;
        }
    }
    return CAMERA_STATUS_NO_DEVICE;
}

std::shared_ptr<Session> Library::session(CameraHandle handle)
{
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = sessions_.find(reinterpret_cast<uintptr_t>(handle));
    return it == sessions_.end() ? nullptr : it->second;
}

CameraHandle Library::addSession(std::shared_ptr<Session> session)
{
    std::lock_guard<std::mutex> lock(mutex_);
    // Handles are never reused, so a stale one cannot reach another camera.
    nextHandle_ += 0x10;
    sessions_[nextHandle_] = std::move(session);
    return reinterpret_cast<CameraHandle>(nextHandle_);
}

std::shared_ptr<Session> Library::removeSession(CameraHandle handle)
{
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = sessions_.find(reinterpret_cast<uintptr_t>(handle));
    if (it == sessions_.end()) {
        return nullptr;
    }
    std::shared_ptr<Session> s = std::move(it->second);
    sessions_.erase(it);
    return s;
}

std::vector<std::shared_ptr<Session>> Library::removeAllSessions()
{
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<std::shared_ptr<Session>> all;
    for (auto &entry : sessions_) {
        all.push_back(std::move(entry.second));
    }
    sessions_.clear();
    return all;
}

std::string Library::serialOf(CameraHandle handle)
{
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = sessions_.find(reinterpret_cast<uintptr_t>(handle));
    return it == sessions_.end() ? std::string() : it->second->serial;
}

void Library::setEnumeration(std::vector<sdk::Backend::Found> cameras)
{
    std::lock_guard<std::mutex> lock(mutex_);
    enumeration_ = std::move(cameras);
    enumerated_ = true;
}

bool Library::hasEnumerated() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return enumerated_;
}

bool Library::enumerated(int index, sdk::Backend::Found *out)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (index < 0 || static_cast<size_t>(index) >= enumeration_.size()) {
        return false;
    }
    *out = enumeration_[static_cast<size_t>(index)];
    return true;
}

bool Library::takeFailure(const char *name, CameraSdkStatus *status)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (failures_.empty()) {
        return false;
    }
    const auto it = failures_.find(name);
    if (it == failures_.end()) {
        return false;
    }
    *status = it->second.first;
    if (--it->second.second <= 0) {
        failures_.erase(it);
    }
    return true;
}

void Library::addFailure(const std::string &name, CameraSdkStatus status, int count)
{
    std::lock_guard<std::mutex> lock(mutex_);
    failures_[name] = {status, count};
}

void Library::clearFailures()
{
    std::lock_guard<std::mutex> lock(mutex_);
    failures_.clear();
}

bool Library::tracing() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return tracing_;
}

void Library::setTracing(bool on)
{
    std::lock_guard<std::mutex> lock(mutex_);
    tracing_ = on;
}

void Library::addTrace(std::string line)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (trace_.size() < kMaxTraceLines) {
        trace_.push_back(std::move(line));
    }
}

void Library::clearTrace()
{
    std::lock_guard<std::mutex> lock(mutex_);
    trace_.clear();
}

int Library::traceCount() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<int>(trace_.size());
}

bool Library::traceLine(int index, std::string *line) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (index < 0 || static_cast<size_t>(index) >= trace_.size()) {
        return false;
    }
    *line = trace_[static_cast<size_t>(index)];
    return true;
}

void appendArg(std::string &s, CameraHandle handle)
{
    if (handle == nullptr) {
        s += "0";
        return;
    }
    const std::string serial = Library::instance().serialOf(handle);
    s += serial.empty() ? "invalid" : serial;
}

void appendArg(std::string &s, const char *text)
{
    if (text == nullptr) {
        s += "0";
        return;
    }
    s += '"';
    s.append(text, strnlen(text, kMaxTracedText));
    s += '"';
}

void appendArg(std::string &s, char *buffer)
{
    s += buffer == nullptr ? "0" : "*";
}

void appendArg(std::string &s, double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    s += text;
}

} // namespace vexo::capi
