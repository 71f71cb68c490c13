// vexocam-cli: shared pieces of the verbs — exit codes, failure messages,
// number parsing and the open camera.
#pragma once

#include "VexoCameraSDK.h"

#include <string>

namespace vexocli {

// Exit codes, one per kind of failure a script may want to tell apart. The
// manual page lists them; keep both in step.
enum Exit : int {
    ExitOk = 0,
    ExitFailed = 1,       // the library or the camera refused (any other status)
    ExitUsage = 2,        // unknown verb or option, bad value
    ExitNoCamera = 3,     // no camera with this serial number
    ExitBusy = 4,         // the camera is open in another program, or upgrading
    ExitLost = 5,         // the camera was lost
    ExitTimeout = 6,      // no frame within the time-out
    ExitNotSupported = 7, // the camera lacks the setting, or the file is for another model
    ExitFile = 8,         // a file cannot be read or written, or is corrupt
    ExitFramesLost = 9,   // rate: more frames lost than --max-lost allows
};

// The exit code of a library status.
int exitForStatus(CameraSdkStatus status);
// What a status means, in words.
std::string statusText(CameraSdkStatus status);

// Prints "vexocam-cli: <what>: <meaning> (status N)" to stderr and returns the
// status's exit code. Success returns ExitOk and prints nothing.
int report(const std::string &what, CameraSdkStatus status);
// Prints "vexocam-cli: <message>" to stderr and returns code.
int fail(int code, const std::string &message);

// Strict number parsing: the whole text, within range; decimal or 0x hex.
bool parseInteger(const std::string &text, long long min, long long max, long long *value);
bool parseNumber(const std::string &text, double *value);

// Bounded copy of a record's text field.
template<size_t N>
std::string field(const char (&text)[N])
{
    size_t length = 0;
    while (length < N && text[length] != '\0')
        ++length;
    return std::string(text, length);
}

// "v1.2.0.3" from the packed firmware version of a device record.
std::string firmwareText(unsigned packed);

// An opened camera, closed when it goes out of scope.
class Camera final
{
public:
    Camera() = default;
    ~Camera();
    Camera(const Camera &) = delete;
    Camera &operator=(const Camera &) = delete;

    // Opens by serial; on failure prints why and returns the exit code.
    int open(const std::string &serial);
    CameraHandle handle() const { return m_handle; }
    const std::string &serial() const { return m_serial; }

private:
    CameraHandle m_handle = nullptr;
    std::string m_serial;
};

// The enumeration record of a serial number; false (and a message and exit
// code in *exitCode) when enumeration fails or no camera has it.
bool findDevice(const std::string &serial, stDeviceInfo *info, int *exitCode);

} // namespace vexocli
