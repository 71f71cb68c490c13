// Helpers shared by the SDK test executables: camera lookup by enumeration,
// an owning handle, bounded field reads and frame grabbing.
#pragma once

#include "VexoCameraSDK.h"
#include "VexoCameraSim.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace vexo::test {

// Reads a NUL-terminated text that must end inside its field.
inline std::string textAt(const void *record, size_t offset, size_t size)
{
    const char *p = static_cast<const char *>(record) + offset;
    return std::string(p, strnlen(p, size));
}

inline bool terminatedAt(const void *record, size_t offset, size_t size)
{
    const char *p = static_cast<const char *>(record) + offset;
    return memchr(p, '\0', size) != nullptr;
}

template<typename T>
T valueAt(const void *record, size_t offset)
{
    T value;
    memcpy(&value, static_cast<const char *>(record) + offset, sizeof(T));
    return value;
}

inline std::vector<stDeviceInfo> enumerate()
{
    std::vector<stDeviceInfo> devices;
    int count = 0;
    if (CameraEnumerateDevice(&count) != CAMERA_STATUS_SUCCESS)
        return devices;
    for (int i = 0; i < count; ++i) {
        stDeviceInfo info{};
        if (CameraGetEnumIndexInfo(i, &info) == CAMERA_STATUS_SUCCESS)
            devices.push_back(info);
    }
    return devices;
}

inline bool isGige(const stDeviceInfo &info)
{
    return textAt(&info, 320, 32).find("GigE") != std::string::npos;
}

inline std::optional<std::string> findSerial(const std::function<bool(const stDeviceInfo &)> &match)
{
    for (const stDeviceInfo &info : enumerate()) {
        if (match(info))
            return textAt(&info, 356, 32);
    }
    return std::nullopt;
}

inline bool enumerated(const std::string &serial)
{
    return findSerial([&](const stDeviceInfo &d) { return textAt(&d, 356, 32) == serial; }).has_value();
}

// Owns an opened camera; closes it when it goes out of scope.
class Camera final
{
public:
    explicit Camera(const std::string &serial) : m_serial(serial)
    {
        m_status = CameraInitEx3(&m_handle, serial.c_str());
        if (m_status != CAMERA_STATUS_SUCCESS)
            m_handle = nullptr;
    }
    ~Camera() { close(); }
    Camera(const Camera &) = delete;
    Camera &operator=(const Camera &) = delete;

    void close()
    {
        if (m_handle)
            CameraUnInit(m_handle);
        m_handle = nullptr;
    }
    bool ok() const { return m_handle != nullptr; }
    CameraSdkStatus status() const { return m_status; }
    CameraHandle handle() const { return m_handle; }
    const std::string &serial() const { return m_serial; }

private:
    std::string m_serial;
    CameraHandle m_handle = nullptr;
    CameraSdkStatus m_status = CAMERA_STATUS_FAILED;
};

// One frame: its head and a private copy of the raw pixels.
struct RawFrame
{
    stImageInfo info{};
    std::vector<BYTE> raw;
};

inline CameraSdkStatus grabRaw(CameraHandle h, RawFrame &frame, unsigned timeoutMs = 2000)
{
    CameraFrameHandle fh = nullptr;
    CameraSdkStatus st = CameraGetRawImageBuffer(h, &fh, timeoutMs);
    if (st != CAMERA_STATUS_SUCCESS)
        return st;
    BYTE *raw = nullptr;
    st = CameraGetImageInfo(h, fh, &frame.info, &raw);
    if (st == CAMERA_STATUS_SUCCESS && raw)
        frame.raw.assign(raw, raw + frame.info.uiBytes);
    CameraReleaseFrameHandle(h, fh);
    return st;
}

// Converted image with the head the ISP rewrote.
struct OutImage
{
    stImageInfo info{};
    std::vector<BYTE> pixels;

    int stride() const
    {
        const int bpp = info.uiMediaType == CAMERA_MEDIA_TYPE_MONO8 ? 1 : 3;
        return (static_cast<int>(info.uiWidth) * bpp + 3) & ~3;
    }
    const BYTE *pixel(int x, int y) const { return pixels.data() + y * stride() + x * 3; }
};

inline CameraSdkStatus convert(CameraHandle h, const RawFrame &frame, OutImage &out)
{
    out.info = frame.info;
    out.pixels.assign(size_t(frame.info.uiWidth) * frame.info.uiHeight * 4, 0);
    return CameraGetOutImageBuffer(h, &out.info, frame.raw.data(), out.pixels.data());
}

// Polls a condition until it holds or the time is up.
inline bool waitFor(const std::function<bool()> &condition, int timeoutMs = 5000)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < end) {
        if (condition())
            return true;
        std::this_thread::yield();
        usleep(1000);
    }
    return condition();
}

inline double channelMean(const OutImage &img, int channel)
{
    double sum = 0;
    for (uint32_t y = 0; y < img.info.uiHeight; ++y)
        for (uint32_t x = 0; x < img.info.uiWidth; ++x)
            sum += img.pixel(int(x), int(y))[channel];
    return sum / (double(img.info.uiWidth) * img.info.uiHeight);
}

inline double rawMean(const RawFrame &frame)
{
    double sum = 0;
    for (BYTE b : frame.raw)
        sum += b;
    return frame.raw.empty() ? 0 : sum / double(frame.raw.size());
}

inline std::string tempDir()
{
    const char *base = getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/sdktest-XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    const char *made = mkdtemp(buf.data());
    return made ? std::string(made) : std::string();
}

} // namespace vexo::test
