#include "cli.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vexocli {

int exitForStatus(CameraSdkStatus status)
{
    switch (status) {
    case CAMERA_STATUS_SUCCESS:
        return ExitOk;
    case CAMERA_STATUS_INVALID_ARGUMENT:
        return ExitUsage;
    case CAMERA_STATUS_NO_DEVICE:
        return ExitNoCamera;
    case CAMERA_STATUS_ALREADY_OPENED:
    case CAMERA_STATUS_BUSY:
        return ExitBusy;
    case CAMERA_STATUS_DEVICE_LOST:
        return ExitLost;
    case CAMERA_STATUS_TIMEOUT:
        return ExitTimeout;
    case CAMERA_STATUS_NOT_SUPPORTED:
        return ExitNotSupported;
    case CAMERA_STATUS_FILE_PATH:
    case CAMERA_STATUS_IO_ERROR:
    case CAMERA_STATUS_FILE_CORRUPT:
        return ExitFile;
#ifdef CAMERA_STATUS_ACCESS_DENIED
    case CAMERA_STATUS_ACCESS_DENIED:
        return ExitNotSupported;
#endif
    default:
        return ExitFailed;
    }
}

std::string statusText(CameraSdkStatus status)
{
    switch (status) {
    case CAMERA_STATUS_FAILED:
        return "the operation failed";
    case CAMERA_STATUS_INVALID_HANDLE:
        return "invalid camera handle";
    case CAMERA_STATUS_INVALID_ARGUMENT:
        return "the camera refused the value";
    case CAMERA_STATUS_NOT_SUPPORTED:
        return "not supported by this camera, or a file for another model";
    case CAMERA_STATUS_TIMEOUT:
        return "no frame within the time-out";
    case CAMERA_STATUS_DEVICE_LOST:
        return "the camera was lost";
    case CAMERA_STATUS_NO_DEVICE:
        return "no camera with this serial number";
    case CAMERA_STATUS_BUSY:
        return "an upgrade is already running on this camera";
    case CAMERA_STATUS_ALREADY_OPENED:
        return "the camera is open in another program";
    case CAMERA_STATUS_FILE_PATH:
        return "the file cannot be opened or read";
    case CAMERA_STATUS_IO_ERROR:
        return "the file cannot be written";
    case CAMERA_STATUS_FILE_CORRUPT:
        return "the file is truncated, corrupted or of another version";
#ifdef CAMERA_STATUS_ACCESS_DENIED
    case CAMERA_STATUS_ACCESS_DENIED:
        return "the feature cannot be read or written now";
#endif
    default:
        return "failed";
    }
}

int report(const std::string &what, CameraSdkStatus status)
{
    if (status == CAMERA_STATUS_SUCCESS)
        return ExitOk;
    std::fprintf(stderr, "vexocam-cli: %s: %s (status %d)\n", what.c_str(), statusText(status).c_str(),
                 static_cast<int>(status));
    return exitForStatus(status);
}

int fail(int code, const std::string &message)
{
    std::fprintf(stderr, "vexocam-cli: %s\n", message.c_str());
    return code;
}

bool parseInteger(const std::string &text, long long min, long long max, long long *value)
{
    if (text.empty() || std::isspace(static_cast<unsigned char>(text[0])))
        return false;
    errno = 0;
    char *end = nullptr;
    const long long parsed = std::strtoll(text.c_str(), &end, 0);
    if (errno != 0 || end == text.c_str() || *end != '\0' || parsed < min || parsed > max)
        return false;
    *value = parsed;
    return true;
}

bool parseNumber(const std::string &text, double *value)
{
    if (text.empty() || std::isspace(static_cast<unsigned char>(text[0])))
        return false;
    errno = 0;
    char *end = nullptr;
    const double parsed = std::strtod(text.c_str(), &end);
    if (errno != 0 || end == text.c_str() || *end != '\0' || !std::isfinite(parsed))
        return false;
    *value = parsed;
    return true;
}

std::string firmwareText(unsigned packed)
{
    char text[32];
    std::snprintf(text, sizeof text, "v%u.%u.%u.%u", (packed >> 12) & 15u, (packed >> 8) & 15u,
                  (packed >> 4) & 15u, packed & 15u);
    return text;
}

Camera::~Camera()
{
    if (m_handle != nullptr)
        CameraUnInit(m_handle);
}

int Camera::open(const std::string &serial)
{
    m_serial = serial;
    return report("cannot open " + serial, CameraInitEx3(&m_handle, serial.c_str()));
}

bool findDevice(const std::string &serial, stDeviceInfo *info, int *exitCode)
{
    int count = 0;
    const CameraSdkStatus status = CameraEnumerateDevice(&count);
    if (status != CAMERA_STATUS_SUCCESS) {
        *exitCode = report("cannot list the cameras", status);
        return false;
    }
    for (int i = 0; i < count; ++i) {
        if (CameraGetEnumIndexInfo(i, info) == CAMERA_STATUS_SUCCESS && field(info->acSn) == serial)
            return true;
    }
    *exitCode = report("cannot find " + serial, CAMERA_STATUS_NO_DEVICE);
    return false;
}

} // namespace vexocli
