// The simulator's own controls (VexoCameraSim.h).

#include "VexoCameraSim.h"

#include "library.h"

#include <cstring>

using namespace vexo::capi;

namespace {

bool validText(const char *text, size_t limit)
{
    return text != nullptr && strnlen(text, limit) < limit;
}

} // namespace

extern "C" {

CameraSdkStatus VexoSimLoadCameraSet(const char *path)
{
    if (path != nullptr && !validText(path, 4096)) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    Library &lib = Library::instance();
    for (const auto &session : lib.removeAllSessions()) {
        session->device->close();
    }
    lib.setEnumeration({});
    return lib.sim().loadCameraSet(path);
}

CameraSdkStatus VexoSimUnplug(const char *serial)
{
    if (!validText(serial, 256)) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    return Library::instance().sim().unplug(serial);
}

CameraSdkStatus VexoSimReplug(const char *serial)
{
    if (!validText(serial, 256)) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    return Library::instance().sim().replug(serial);
}

CameraSdkStatus VexoSimFailNext(const char *function, int status, int count)
{
    if (!validText(function, 128) || *function == '\0' || count < 1) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    Library::instance().addFailure(function, status, count);
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus VexoSimClearFailures(void)
{
    Library::instance().clearFailures();
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus VexoSimFireTrigger(const char *serial, int line)
{
    if (!validText(serial, 256)) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    return Library::instance().sim().fireTrigger(serial, line);
}

CameraSdkStatus VexoSimSetUpgradeDuration(int milliseconds)
{
    if (milliseconds < 0) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    Library::instance().sim().setUpgradeDuration(milliseconds);
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus VexoSimTraceEnable(int enable)
{
    Library::instance().setTracing(enable != 0);
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus VexoSimTraceClear(void)
{
    Library::instance().clearTrace();
    return CAMERA_STATUS_SUCCESS;
}

int VexoSimTraceCount(void)
{
    return Library::instance().traceCount();
}

CameraSdkStatus VexoSimTraceLine(int index, char *buffer, int size)
{
    if (buffer == nullptr || size < 1) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    std::string line;
    if (!Library::instance().traceLine(index, &line)) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    const size_t n = std::min(line.size(), static_cast<size_t>(size) - 1);
    std::memcpy(buffer, line.data(), n);
    buffer[n] = '\0';
    return CAMERA_STATUS_SUCCESS;
}

} // extern "C"
