// The C functions of VexoCameraSDK.h over the device interface.

#include "VexoCameraSDK.h"

#include "image_io.h"
#include "isp.h"
#include "library.h"
#include "parsers.h"
#include "reconnecting_device.h"
#include "state_store.h"

#include <cmath>
#include <cstring>

using namespace vexo::capi;
using namespace vexo::sdk;

namespace {

constexpr size_t kMaxPath = 4096;
constexpr size_t kMaxLentFrames = 64;
constexpr const char *kSdkVersion = "2.1.0.17";

Library &lib()
{
    return Library::instance();
}

bool between(long long v, long long lo, long long hi)
{
    return v >= lo && v <= hi;
}

void copyText(char *field, size_t size, const std::string &text)
{
    std::memset(field, 0, size);
    std::memcpy(field, text.data(), std::min(size - 1, text.size()));
}

// Into a caller's buffer: only the text and its NUL are written, so a
// caller's smaller buffer survives a short text.
void copyOut(char *buffer, size_t size, const std::string &text)
{
    const size_t n = std::min(size - 1, text.size());
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

// Length of a caller's text, or -1 when it is not terminated within limit.
long textLength(const char *text, size_t limit)
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
            if (!validateSettings(s.device->model(), settings).empty()) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            return s.device->applySettings(settings);
        },
        feature);
}

CameraSdkStatus setInt(const char *name, CameraHandle handle, int value, int lo, int hi, int Settings::*field,
                       Feature feature = nullptr)
{
    return call(
        name, true,
        [&] {
            return changeSettings(
                handle,
                [&](Session &, Settings &s) {
                    if (!between(value, lo, hi)) {
                        return CAMERA_STATUS_INVALID_ARGUMENT;
                    }
                    s.*field = value;
                    return CAMERA_STATUS_SUCCESS;
                },
                feature);
        },
        handle, value);
}

CameraSdkStatus getInt(const char *name, CameraHandle handle, int *out, int Settings::*field,
                       Feature feature = nullptr)
{
    return call(
        name, true,
        [&] {
            return readSettings(
                handle,
                [&](Session &, const Settings &s) {
                    if (out == nullptr) {
                        return CAMERA_STATUS_INVALID_ARGUMENT;
                    }
                    *out = s.*field;
                    return CAMERA_STATUS_SUCCESS;
                },
                feature);
        },
        handle, out);
}

// I/O line fields: the line must exist on the camera.
template<typename Line, typename T>
CameraSdkStatus setLineField(const char *name, CameraHandle handle, int line, T value, long long lo,
                             long long hi, T Line::*field, Feature feature = nullptr)
{
    return call(
        name, true,
        [&] {
            return changeSettings(
                handle,
                [&](Session &session, Settings &s) {
                    constexpr bool input = std::is_same_v<Line, InputLine>;
                    const int count =
                        input ? session.device->model().inputLines : session.device->model().outputLines;
                    if (count == 0) {
                        return CAMERA_STATUS_NOT_SUPPORTED;
                    }
                    if (!between(line, 0, count - 1) || !between(static_cast<long long>(value), lo, hi)) {
                        return CAMERA_STATUS_INVALID_ARGUMENT;
                    }
                    if constexpr (input) {
                        s.inputs[line].*field = value;
                    } else {
                        s.outputs[line].*field = value;
                    }
                    return CAMERA_STATUS_SUCCESS;
                },
                feature);
        },
        handle, line, value);
}

template<typename Line, typename T>
CameraSdkStatus getLineField(const char *name, CameraHandle handle, int line, T *out, T Line::*field,
                             Feature feature = nullptr)
{
    return call(
        name, true,
        [&] {
            return readSettings(
                handle,
                [&](Session &session, const Settings &s) {
                    constexpr bool input = std::is_same_v<Line, InputLine>;
                    const int count =
                        input ? session.device->model().inputLines : session.device->model().outputLines;
                    if (count == 0) {
                        return CAMERA_STATUS_NOT_SUPPORTED;
                    }
                    if (out == nullptr || !between(line, 0, count - 1)) {
                        return CAMERA_STATUS_INVALID_ARGUMENT;
                    }
                    if constexpr (input) {
                        *out = s.inputs[line].*field;
                    } else {
                        *out = s.outputs[line].*field;
                    }
                    return CAMERA_STATUS_SUCCESS;
                },
                feature);
        },
        handle, line, out);
}

void fillDeviceInfo(stDeviceInfo *info, const CameraModel &m, const std::string &nickname, uint16_t firmware,
                    bool opened, int index)
{
    std::memset(info, 0, sizeof *info);
    copyText(info->acProductSeries, sizeof info->acProductSeries, m.productSeries);
    copyText(info->acProductName, sizeof info->acProductName, m.productName);
    copyText(info->acFriendlyName, sizeof info->acFriendlyName, nickname);
    copyText(info->acLinkName, sizeof info->acLinkName, m.linkName);
    copyText(info->acDeviceVersion, sizeof info->acDeviceVersion, m.deviceVersion);
    copyText(info->acSensorType, sizeof info->acSensorType, m.sensorType);
    copyText(info->acPortType, sizeof info->acPortType, m.portType);
    copyText(info->acSn, sizeof info->acSn, m.serial);
    info->uInstance = static_cast<uint32_t>(index);
    info->uFirmwareVersion = firmware;
    info->iOpened = opened ? 1 : 0;
}

stImageResolution resolutionRecord(const Region &r, const char *description)
{
    stImageResolution out{};
    out.iIndex = r.index;
    copyText(out.acDescription, sizeof out.acDescription, description);
    out.iHOffsetFOV = r.x;
    out.iVOffsetFOV = r.y;
    out.iWidthFOV = r.width;
    out.iHeightFOV = r.height;
    out.iWidth = r.width;
    out.iHeight = r.height;
    out.iWidthZoomSw = r.width;
    out.iHeightZoomSw = r.height;
    return out;
}

std::string sizeText(const Region &r)
{
    return std::to_string(r.width) + "X" + std::to_string(r.height);
}

// A custom region from a caller's record; false when it does not fit the sensor.
bool regionFrom(const CameraModel &m, const stImageResolution &res, Region *out)
{
    const long long x = res.iHOffsetFOV, y = res.iVOffsetFOV, w = res.iWidthFOV, h = res.iHeightFOV;
    if (w < 2 || h < 2 || x < 0 || y < 0 || x + w > m.sensorWidth || y + h > m.sensorHeight) {
        return false;
    }
    Region r;
    r.index = CAMERA_RESOLUTION_CUSTOM;
    // The sensor reads out whole cells: offsets round down, sizes too.
    r.x = static_cast<int>(x - x % m.offsetStepX);
    r.y = static_cast<int>(y - y % m.offsetStepY);
    r.width = static_cast<int>(w - w % m.sizeStepX);
    r.height = static_cast<int>(h - h % m.sizeStepY);
    if (r.width < 2 || r.height < 2) {
        return false;
    }
    *out = r;
    return true;
}

const char *formatName(uint32_t mediaType)
{
    switch (mediaType) {
    case CAMERA_MEDIA_TYPE_MONO8:
        return "Mono8";
    case CAMERA_MEDIA_TYPE_BAYGR8:
        return "BayerGR8";
    case CAMERA_MEDIA_TYPE_BAYRG8:
        return "BayerRG8";
    case CAMERA_MEDIA_TYPE_BAYGB8:
        return "BayerGB8";
    case CAMERA_MEDIA_TYPE_BAYBG8:
        return "BayerBG8";
    case CAMERA_MEDIA_TYPE_RGB8:
        return "RGB8";
    default:
        return "";
    }
}

std::shared_ptr<Session> makeSession(std::shared_ptr<Device> device, const std::string &serial)
{
    auto s = std::make_shared<Session>();
    const CameraModel &m = device->model();
    s->device = std::move(device);
    s->serial = serial;
    for (const Region &r : presetRegions(m)) {
        s->presets.push_back(resolutionRecord(r, sizeText(r).c_str()));
    }
    for (const uint32_t format : m.rawFormats()) {
        stMediaTypeDesc media{};
        media.iIndex = static_cast<int32_t>(s->mediaTypes.size());
        copyText(media.acDescription, sizeof media.acDescription, formatName(format));
        media.uMediaType = format;
        s->mediaTypes.push_back(media);
    }
    if (m.lutSupported) {
        for (int i = 0; i < kLutPresetCount; ++i) {
            stLutPresetDesc lut{};
            lut.iIndex = i;
            copyText(lut.acName, sizeof lut.acName, lutPresetName(i));
            s->lutPresets.push_back(lut);
        }
    }
    s->lastCustom = presetRegions(m).back();
    s->lastCustom.index = CAMERA_RESOLUTION_CUSTOM;
    return s;
}

CameraSdkStatus lend(Session &s, std::shared_ptr<const Frame> frame, CameraFrameHandle *out)
{
    std::lock_guard<std::mutex> lock(s.mutex);
    if (s.lent.size() >= kMaxLentFrames) {
        return CAMERA_STATUS_FAILED; // the caller forgot to release its frames
    }
    const uintptr_t id = s.nextFrame++;
    s.lent[id] = std::move(frame);
    *out = reinterpret_cast<CameraFrameHandle>(id);
    return CAMERA_STATUS_SUCCESS;
}

} // namespace

extern "C" {

/* ---- Enumeration, open and close ---------------------------------------- */

CameraSdkStatus CameraEnumerateDevice(int *count)
{
    return call(
        "CameraEnumerateDevice", true,
        [&] {
            if (count == nullptr) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            std::vector<Backend::Found> found;
            const CameraSdkStatus status = lib().enumerate(&found);
            if (status != CAMERA_STATUS_SUCCESS) {
                lib().setEnumeration({});
                return status;
            }
            *count = static_cast<int>(found.size());
            lib().setEnumeration(std::move(found));
            return CAMERA_STATUS_SUCCESS;
        },
        count);
}

CameraSdkStatus CameraGetEnumIndexInfo(int index, stDeviceInfo *info)
{
    return call(
        "CameraGetEnumIndexInfo", true,
        [&] {
            if (info == nullptr) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            if (!lib().hasEnumerated()) {
                // A caller that skipped CameraEnumerateDevice still gets today's list.
                std::vector<Backend::Found> found;
                if (lib().enumerate(&found) == CAMERA_STATUS_SUCCESS) {
                    lib().setEnumeration(std::move(found));
                }
            }
            Backend::Found f;
            if (!lib().enumerated(index, &f)) {
                return CAMERA_STATUS_NO_DEVICE;
            }
            if (f.model.infoFails) {
                return CAMERA_STATUS_FAILED;
            }
            fillDeviceInfo(info, f.model, f.nickname, f.firmwareVersion, f.opened, index);
            return CAMERA_STATUS_SUCCESS;
        },
        index, info);
}

CameraSdkStatus CameraInitEx3(CameraHandle *handle, const char *serial)
{
    return call(
        "CameraInitEx3", true,
        [&] {
            if (handle == nullptr || serial == nullptr) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            *handle = nullptr;
            if (textLength(serial, sizeof(stDeviceInfo::acSn)) < 0) {
                return CAMERA_STATUS_NO_DEVICE; // longer than any serial
            }
            std::shared_ptr<Device> opened;
            Backend *backend = nullptr;
            const CameraSdkStatus status = lib().open(serial, &opened, &backend);
            if (status != CAMERA_STATUS_SUCCESS) {
                return status;
            }
            // The handle outlives a loss of the camera: the same camera is
            // opened again behind it when it comes back.
            auto device = std::make_shared<ReconnectingDevice>(std::move(opened));
            device->watchLoss([weak = std::weak_ptr<ReconnectingDevice>(device), backend] {
                lib().reconnector().watch(weak, backend);
            });
            *handle = lib().addSession(makeSession(std::move(device), serial));
            return CAMERA_STATUS_SUCCESS;
        },
        handle, serial);
}

CameraSdkStatus CameraUnInit(CameraHandle handle)
{
    return call(
        "CameraUnInit", true,
        [&] {
            const std::shared_ptr<Session> s = lib().removeSession(handle);
            if (!s) {
                return CAMERA_STATUS_INVALID_HANDLE;
            }
            s->device->close();
            std::lock_guard<std::mutex> lock(s->mutex);
            s->lent.clear();
            return CAMERA_STATUS_SUCCESS;
        },
        handle);
}

CameraSdkStatus CameraGetFriendlyName(CameraHandle handle, char *name)
{
    return call(
        "CameraGetFriendlyName", true,
        [&] {
            return onSession(handle, Access::Read, [&](Session &s) {
                if (name == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                copyOut(name, CAMERA_TEXT_BUFFER, s.device->nickname());
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, name);
}

CameraSdkStatus CameraSetFriendlyName(CameraHandle handle, const char *name)
{
    return call(
        "CameraSetFriendlyName", true,
        [&] {
            return onSession(
                handle, Access::Write,
                [&](Session &s) {
                    if (name == nullptr || textLength(name, sizeof(stDeviceInfo::acFriendlyName)) <= 0) {
                        return CAMERA_STATUS_INVALID_ARGUMENT;
                    }
                    return s.device->setNickname(name);
                },
                &Features::nickname);
        },
        handle, name);
}

CameraSdkStatus CameraReadSN(CameraHandle handle, char *serial, int which)
{
    return call(
        "CameraReadSN", true,
        [&] {
            return onSession(handle, Access::Read, [&](Session &s) {
                if (serial == nullptr || which != 0) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                copyOut(serial, CAMERA_TEXT_BUFFER, s.serial);
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, serial, which);
}

CameraSdkStatus CameraGetDeviceType(CameraHandle handle, uint32_t *type)
{
    return call(
        "CameraGetDeviceType", true,
        [&] {
            return onSession(handle, Access::Read, [&](Session &s) {
                if (type == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                *type = s.device->model().deviceType;
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, type);
}

CameraSdkStatus CameraGetFirmwareVision(CameraHandle handle, char *version)
{
    return call(
        "CameraGetFirmwareVision", true,
        [&] {
            return onSession(handle, Access::Read, [&](Session &s) {
                if (version == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                const std::string &own = s.device->model().firmwareText;
                copyOut(version, CAMERA_VERSION_BUFFER,
                        own.empty() ? firmwareVersionText(s.device->firmwareVersion()) : own);
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, version);
}

CameraSdkStatus CameraGetInerfaceVersion(CameraHandle handle, char *version)
{
    return call(
        "CameraGetInerfaceVersion", true,
        [&] {
            return onSession(handle, Access::Read, [&](Session &s) {
                if (version == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                const std::string &port = s.device->model().portType;
                const char *text = s.device->model().isGige()               ? "GEV 2.0"
                                   : port.find("USB3") != std::string::npos ? "U3V 1.0"
                                   : port.find("USB") != std::string::npos  ? "USB 2.0"
                                                                            : port.c_str();
                copyOut(version, CAMERA_VERSION_BUFFER, text);
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, version);
}

CameraSdkStatus CameraSdkGetVersionString(char *version)
{
    return call(
        "CameraSdkGetVersionString", true,
        [&] {
            if (version == nullptr) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            copyOut(version, CAMERA_SDK_VERSION_BUFFER, kSdkVersion);
            return CAMERA_STATUS_SUCCESS;
        },
        version);
}

/* ---- Streaming and frames ------------------------------------------------ */

CameraSdkStatus CameraPlay(CameraHandle handle)
{
    return call(
        "CameraPlay", true,
        [&] { return onSession(handle, Access::Write, [](Session &s) { return s.device->play(); }); },
        handle);
}

CameraSdkStatus CameraPause(CameraHandle handle)
{
    return call(
        "CameraPause", true,
        [&] { return onSession(handle, Access::Read, [](Session &s) { return s.device->pause(); }); },
        handle);
}

CameraSdkStatus CameraGetFrameStatistic(CameraHandle handle, stFrameStatistic *statistic)
{
    return call(
        "CameraGetFrameStatistic", false,
        [&] {
            const std::shared_ptr<Session> s = lib().session(handle);
            if (!s) {
                return CAMERA_STATUS_INVALID_HANDLE;
            }
            if (statistic == nullptr) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            *statistic = s->device->statistic(); // readable after an unplug too
            return CAMERA_STATUS_SUCCESS;
        },
        handle, statistic);
}

CameraSdkStatus CameraGetRawImageBuffer(CameraHandle handle, CameraFrameHandle *frame, unsigned int timeoutMs)
{
    return call(
        "CameraGetRawImageBuffer", false,
        [&] {
            return onSession(handle, Access::Read, [&](Session &s) {
                if (frame == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                {
                    std::lock_guard<std::mutex> lock(s.mutex);
                    if (s.lent.size() >= kMaxLentFrames) {
                        return CAMERA_STATUS_FAILED;
                    }
                }
                std::shared_ptr<const Frame> f;
                const CameraSdkStatus status = s.device->fetchFrame(timeoutMs, &f);
                if (status != CAMERA_STATUS_SUCCESS) {
                    return status;
                }
                return lend(s, std::move(f), frame);
            });
        },
        handle, frame, timeoutMs);
}

CameraSdkStatus CameraGetImageInfo(CameraHandle handle, CameraFrameHandle frame, stImageInfo *info,
                                   BYTE **raw)
{
    return call(
        "CameraGetImageInfo", false,
        [&] {
            const std::shared_ptr<Session> s = lib().session(handle);
            if (!s) {
                return CAMERA_STATUS_INVALID_HANDLE;
            }
            // Like every output pointer, a missing one is refused: the pixels
            // are what a caller fetches a frame for.
            if (info == nullptr || raw == nullptr) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            std::lock_guard<std::mutex> lock(s->mutex);
            const auto it = s->lent.find(reinterpret_cast<uintptr_t>(frame));
            if (it == s->lent.end()) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            *info = it->second->info;
            *raw = const_cast<BYTE *>(it->second->data.data());
            return CAMERA_STATUS_SUCCESS;
        },
        handle, frame, info, raw);
}

CameraSdkStatus CameraGetOutImageBuffer(CameraHandle handle, stImageInfo *info, const BYTE *raw, BYTE *out)
{
    return call(
        "CameraGetOutImageBuffer", false,
        [&] {
            return onSession(handle, Access::Read, [&](Session &s) {
                if (info == nullptr || raw == nullptr || out == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                const CameraModel &m = s.device->model();
                const int w = static_cast<int>(info->uiWidth);
                const int h = static_cast<int>(info->uiHeight);
                const int rawBpp = rawBytesPerPixel(info->uiMediaType);
                if (!between(info->uiWidth, 2, m.sensorWidth) ||
                    !between(info->uiHeight, 2, m.sensorHeight)) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                if (rawBpp == 0) {
                    return CAMERA_STATUS_NOT_SUPPORTED;
                }
                const Settings settings = s.device->settings();
                uint32_t outType = 0;
                int regionX = settings.region.x, regionY = settings.region.y;
                {
                    std::lock_guard<std::mutex> lock(s.mutex);
                    outType = s.ispOutFormat;
                    // Where the frame sat on the sensor, for the defect map; and a
                    // head that claims more pixels than a lent frame holds is refused.
                    for (const auto &entry : s.lent) {
                        if (entry.second->data.data() == raw) {
                            if (entry.second->data.size() < static_cast<size_t>(w) * h * rawBpp) {
                                return CAMERA_STATUS_INVALID_ARGUMENT;
                            }
                            regionX = entry.second->regionX;
                            regionY = entry.second->regionY;
                            break;
                        }
                    }
                }
                IspSettings isp = ispSettingsFrom(settings, &m.defects);
                isp.regionX = regionX;
                isp.regionY = regionY;
                if (!m.lutSupported) {
                    isp.lutMode = 2;
                }
                if (m.features.mirrorOnDevice) {
                    isp.mirrorH = isp.mirrorV = false;
                }
                if (m.features.whiteBalanceOnDevice) {
                    isp.rGain = isp.gGain = isp.bGain = 100;
                }
                const int bpp = outputBytesPerPixel(outType);
                const int stride = paddedRowBytes(w, bpp);
                if (!runIsp(isp, raw, w, h, info->uiMediaType, out, stride, outType)) {
                    return CAMERA_STATUS_FAILED;
                }
                info->uiBytes = static_cast<uint32_t>(stride) * static_cast<uint32_t>(h);
                info->uiMediaType = outType;
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, info, raw, out);
}

CameraSdkStatus CameraReleaseFrameHandle(CameraHandle handle, CameraFrameHandle frame)
{
    return call(
        "CameraReleaseFrameHandle", false,
        [&] {
            const std::shared_ptr<Session> s = lib().session(handle);
            if (!s) {
                return CAMERA_STATUS_INVALID_HANDLE;
            }
            std::lock_guard<std::mutex> lock(s->mutex);
            return s->lent.erase(reinterpret_cast<uintptr_t>(frame)) == 1 ? CAMERA_STATUS_SUCCESS
                                                                          : CAMERA_STATUS_INVALID_ARGUMENT;
        },
        handle, frame);
}

CameraSdkStatus CameraSetIspOutFormat(CameraHandle handle, uint32_t mediaType)
{
    return call(
        "CameraSetIspOutFormat", true,
        [&] {
            return onSession(handle, Access::Read, [&](Session &s) {
                if (outputBytesPerPixel(mediaType) == 0) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                std::lock_guard<std::mutex> lock(s.mutex);
                s.ispOutFormat = mediaType;
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, mediaType);
}

CameraSdkStatus CameraGetIspOutFormat(CameraHandle handle, uint32_t *mediaType)
{
    return call(
        "CameraGetIspOutFormat", true,
        [&] {
            return onSession(handle, Access::Read, [&](Session &s) {
                if (mediaType == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                std::lock_guard<std::mutex> lock(s.mutex);
                *mediaType = s.ispOutFormat;
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, mediaType);
}

CameraSdkStatus CameraImageOverlay(CameraHandle handle, BYTE *image, const stImageInfo *info)
{
    return call(
        "CameraImageOverlay", false,
        [&] {
            return readSettings(handle, [&](Session &s, const Settings &settings) {
                if (image == nullptr || info == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                const int bpp = outputBytesPerPixel(info->uiMediaType);
                const CameraModel &m = s.device->model();
                if (bpp == 0 || !between(info->uiWidth, 1, m.sensorWidth) ||
                    !between(info->uiHeight, 1, m.sensorHeight)) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                const int w = static_cast<int>(info->uiWidth);
                const int h = static_cast<int>(info->uiHeight);
                drawCrossLines(settings.crossLines.data(), CAMERA_CROSSLINE_COUNT, image, w, h,
                               paddedRowBytes(w, bpp), info->uiMediaType);
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, image, info);
}

CameraSdkStatus CameraGetOutImageSize(CameraHandle handle, int *width, int *height)
{
    return call(
        "CameraGetOutImageSize", true,
        [&] {
            return readSettings(handle, [&](Session &, const Settings &s) {
                if (width == nullptr || height == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                *width = s.region.width;
                *height = s.region.height;
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, width, height);
}

CameraSdkStatus CameraSnapToBuffer(CameraHandle handle, CameraFrameHandle *frame, stImageInfo *info,
                                   BYTE **raw, unsigned int timeoutMs)
{
    return call(
        "CameraSnapToBuffer", true,
        [&] {
            return readSettings(handle, [&](Session &s, const Settings &settings) {
                if (frame == nullptr || info == nullptr || raw == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                Region region = settings.region;
                {
                    std::lock_guard<std::mutex> lock(s.mutex);
                    if (s.snapRegionSet) {
                        region = s.snapRegion;
                    }
                }
                std::shared_ptr<const Frame> f;
                CameraSdkStatus status = s.device->snap(region, timeoutMs, &f);
                if (status != CAMERA_STATUS_SUCCESS) {
                    return status;
                }
                const stImageInfo head = f->info;
                BYTE *pixels = const_cast<BYTE *>(f->data.data());
                status = lend(s, std::move(f), frame);
                if (status == CAMERA_STATUS_SUCCESS) {
                    *info = head;
                    *raw = pixels;
                }
                return status;
            });
        },
        handle, frame, info, raw, timeoutMs);
}

CameraSdkStatus CameraSaveImage(CameraHandle handle, const char *path, const BYTE *image,
                                const stImageInfo *info, int fileType, int quality)
{
    return call(
        "CameraSaveImage", true,
        [&] {
            if (!lib().session(handle)) {
                return CAMERA_STATUS_INVALID_HANDLE;
            }
            if (path == nullptr || image == nullptr || info == nullptr) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            const char *extension = imageExtension(fileType);
            const long length = textLength(path, kMaxPath);
            const int bpp = outputBytesPerPixel(info->uiMediaType);
            if (extension == nullptr || length <= 0 || bpp == 0 || !between(info->uiWidth, 1, 16384) ||
                !between(info->uiHeight, 1, 16384) || (fileType == FILE_JPG && !between(quality, 1, 100))) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            const int w = static_cast<int>(info->uiWidth);
            const int h = static_cast<int>(info->uiHeight);
            std::vector<uint8_t> bytes;
            if (!encodeImage(image, w, h, paddedRowBytes(w, bpp), info->uiMediaType, fileType, quality,
                             &bytes)) {
                return CAMERA_STATUS_FAILED;
            }
            const std::string target = std::string(path) + extension;
            return writeFileAtomic(target, bytes.data(), bytes.size()) ? CAMERA_STATUS_SUCCESS
                                                                       : CAMERA_STATUS_IO_ERROR;
        },
        handle, path, image, info, fileType, quality);
}

/* ---- Resolution ----------------------------------------------------------- */

CameraSdkStatus CameraGetCapability(CameraHandle handle, stCameraCapability *capability)
{
    return call(
        "CameraGetCapability", true,
        [&] {
            return onSession(handle, Access::Read, [&](Session &s) {
                if (capability == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                const CameraModel &m = s.device->model();
                stCameraCapability &c = *capability;
                std::memset(&c, 0, sizeof c);
                c.iSensorWidth = m.sensorWidth;
                c.iSensorHeight = m.sensorHeight;
                c.iIsColor = m.color ? 1 : 0;
                c.iMaxFrameRate = static_cast<int32_t>(std::lround(m.maxFrameRate));
                c.pImageSizeDesc = s.presets.data();
                c.iImageSizeDesc = static_cast<int32_t>(s.presets.size());
                c.pMediaTypeDesc = s.mediaTypes.data();
                c.iMediaTypeDesc = static_cast<int32_t>(s.mediaTypes.size());
                c.iOutputIoCounts = m.outputLines;
                c.iInputIoCounts = m.inputLines;
                c.pPresetLutDesc = s.lutPresets.empty() ? nullptr : s.lutPresets.data();
                c.iPresetLut = static_cast<int32_t>(s.lutPresets.size());
                c.iAnalogGainMin = m.analogGainMin;
                c.iAnalogGainMax = m.analogGainMax;
                c.iExposureLinesMin = m.exposureLinesMin;
                c.iExposureLinesMax = m.exposureLinesMax;
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, capability);
}

CameraSdkStatus CameraGetResolution(CameraHandle handle, stImageResolution *resolution)
{
    return call(
        "CameraGetResolution", true,
        [&] {
            return readSettings(handle, [&](Session &, const Settings &s) {
                if (resolution == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                const bool custom = s.region.index == CAMERA_RESOLUTION_CUSTOM;
                *resolution = resolutionRecord(s.region, custom ? "Custom" : sizeText(s.region).c_str());
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, resolution);
}

CameraSdkStatus CameraGetResolutionEx(CameraHandle handle, int index, stImageResolution *resolution)
{
    return call(
        "CameraGetResolutionEx", true,
        [&] {
            return readSettings(handle, [&](Session &session, const Settings &s) {
                if (resolution == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                if (index == CAMERA_RESOLUTION_CUSTOM) {
                    std::lock_guard<std::mutex> lock(session.mutex);
                    const Region &r =
                        s.region.index == CAMERA_RESOLUTION_CUSTOM ? s.region : session.lastCustom;
                    *resolution = resolutionRecord(r, "Custom");
                    return CAMERA_STATUS_SUCCESS;
                }
                if (!between(index, 0, static_cast<long long>(session.presets.size()) - 1)) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                *resolution = session.presets[static_cast<size_t>(index)];
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, index, resolution);
}

CameraSdkStatus CameraSetResolution(CameraHandle handle, int index)
{
    return call(
        "CameraSetResolution", true,
        [&] {
            return changeSettings(handle, [&](Session &session, Settings &s) {
                if (index == CAMERA_RESOLUTION_CUSTOM) {
                    std::lock_guard<std::mutex> lock(session.mutex);
                    s.region = session.lastCustom;
                    return CAMERA_STATUS_SUCCESS;
                }
                const std::vector<Region> presets = presetRegions(session.device->model());
                if (!between(index, 0, static_cast<long long>(presets.size()) - 1)) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                s.region = presets[static_cast<size_t>(index)];
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, index);
}

CameraSdkStatus CameraSetResolutionEx(CameraHandle handle, const stImageResolution *resolution)
{
    return call(
        "CameraSetResolutionEx", true,
        [&] {
            return changeSettings(handle, [&](Session &session, Settings &s) {
                Region r;
                if (resolution == nullptr || !regionFrom(session.device->model(), *resolution, &r)) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                s.region = r;
                std::lock_guard<std::mutex> lock(session.mutex);
                session.lastCustom = r;
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, resolution);
}

CameraSdkStatus CameraSetResolutionForSnap(CameraHandle handle, const stImageResolution *resolution)
{
    return call(
        "CameraSetResolutionForSnap", true,
        [&] {
            return onSession(handle, Access::Write, [&](Session &s) {
                Region r;
                if (resolution == nullptr || !regionFrom(s.device->model(), *resolution, &r)) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                std::lock_guard<std::mutex> lock(s.mutex);
                s.snapRegion = r;
                s.snapRegionSet = true;
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, resolution);
}

/* ---- Current settings ----------------------------------------------------- */

CameraSdkStatus CameraGetCurDevInfo(CameraHandle handle, stCurrentDeviceInfo *info)
{
    return call(
        "CameraGetCurDevInfo", true,
        [&] {
            return readSettings(handle, [&](Session &session, const Settings &s) {
                if (info == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                std::memset(info, 0, sizeof *info);
                const Device &d = *session.device;
                fillDeviceInfo(&info->sDevice, d.model(), d.nickname(), d.firmwareVersion(), true, 0);
                info->iAeState = s.aeState;
                info->dExposureTime = s.exposureUs;
                info->uAnalogGain = static_cast<uint32_t>(s.analogGain);
                info->iAeTarget = s.aeTarget;
                info->dAeExposureMin = s.aeExposureMinUs;
                info->dAeExposureMax = s.aeExposureMaxUs;
                info->iAeAnalogGainMin = s.aeGainMin;
                info->iAeAnalogGainMax = s.aeGainMax;
                info->iAntiFlick = s.antiFlick;
                info->iLightFrequency = s.lightFrequency;
                info->iWbMode = s.wbMode;
                info->uRGain = static_cast<uint32_t>(s.rGain);
                info->uGGain = static_cast<uint32_t>(s.gGain);
                info->uBGain = static_cast<uint32_t>(s.bGain);
                info->iFrameSpeed = s.frameSpeed;
                info->iSharpness = s.sharpness;
                info->iSaturation = s.saturation;
                info->iContrast = s.contrast;
                info->iMirrorH = s.mirrorH;
                info->iMirrorV = s.mirrorV;
                info->iMonochrome = s.monochrome;
                info->bCorrectDeadPixel = static_cast<uint8_t>(s.deadPixelCorrection);
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, info);
}

/* ---- Exposure --------------------------------------------------------------- */

CameraSdkStatus CameraSetAeState(CameraHandle handle, int automatic)
{
    return setInt("CameraSetAeState", handle, automatic, 0, 1, &Settings::aeState, &Features::autoExposure);
}

CameraSdkStatus CameraGetAeState(CameraHandle handle, int *automatic)
{
    return getInt("CameraGetAeState", handle, automatic, &Settings::aeState, &Features::autoExposure);
}

CameraSdkStatus CameraSetExposureTime(CameraHandle handle, double microseconds)
{
    return call(
        "CameraSetExposureTime", true,
        [&] {
            return changeSettings(handle, [&](Session &session, Settings &s) {
                const CameraModel &m = session.device->model();
                if (!std::isfinite(microseconds)) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                // The sensor exposes whole lines.
                const double lines = std::round(microseconds / m.lineTimeUs);
                if (lines < m.exposureLinesMin || lines > m.exposureLinesMax) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                s.exposureUs = lines * m.lineTimeUs;
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, microseconds);
}

CameraSdkStatus CameraGetExposureTime(CameraHandle handle, double *microseconds)
{
    return call(
        "CameraGetExposureTime", true,
        [&] {
            return readSettings(handle, [&](Session &, const Settings &s) {
                if (microseconds == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                *microseconds = s.exposureUs;
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, microseconds);
}

CameraSdkStatus CameraGetExposureLineTime(CameraHandle handle, double *microseconds)
{
    return call(
        "CameraGetExposureLineTime", true,
        [&] {
            return onSession(handle, Access::Read, [&](Session &s) {
                if (microseconds == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                *microseconds = s.device->model().lineTimeUs;
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, microseconds);
}

CameraSdkStatus CameraSetAnalogGain(CameraHandle handle, int gainX1000)
{
    return call(
        "CameraSetAnalogGain", true,
        [&] {
            return changeSettings(
                handle,
                [&](Session &session, Settings &s) {
                    const CameraModel &m = session.device->model();
                    if (!between(gainX1000, m.analogGainMin, m.analogGainMax)) {
                        return CAMERA_STATUS_INVALID_ARGUMENT;
                    }
                    s.analogGain = gainX1000;
                    return CAMERA_STATUS_SUCCESS;
                },
                &Features::analogGain);
        },
        handle, gainX1000);
}

CameraSdkStatus CameraGetAnalogGain(CameraHandle handle, int *gainX1000)
{
    return getInt("CameraGetAnalogGain", handle, gainX1000, &Settings::analogGain, &Features::analogGain);
}

CameraSdkStatus CameraSetAeTarget(CameraHandle handle, uint16_t target)
{
    return call(
        "CameraSetAeTarget", true,
        [&] {
            return changeSettings(
                handle,
                [&](Session &, Settings &s) {
                    if (target > 255) {
                        return CAMERA_STATUS_INVALID_ARGUMENT;
                    }
                    s.aeTarget = target;
                    return CAMERA_STATUS_SUCCESS;
                },
                &Features::aeTarget);
        },
        handle, target);
}

CameraSdkStatus CameraGetAeTarget(CameraHandle handle, int *target)
{
    return getInt("CameraGetAeTarget", handle, target, &Settings::aeTarget, &Features::aeTarget);
}

CameraSdkStatus CameraSetAeExposureRange(CameraHandle handle, double minUs, double maxUs)
{
    return call(
        "CameraSetAeExposureRange", true,
        [&] {
            return changeSettings(
                handle,
                [&](Session &, Settings &s) {
                    if (!std::isfinite(minUs) || !std::isfinite(maxUs) || minUs > maxUs) {
                        return CAMERA_STATUS_INVALID_ARGUMENT;
                    }
                    s.aeExposureMinUs = minUs;
                    s.aeExposureMaxUs = maxUs;
                    return CAMERA_STATUS_SUCCESS; // the camera's limits are checked on apply
                },
                &Features::aeExposureRange);
        },
        handle, minUs, maxUs);
}

CameraSdkStatus CameraGetAeExposureRange(CameraHandle handle, double *minUs, double *maxUs)
{
    return call(
        "CameraGetAeExposureRange", true,
        [&] {
            return readSettings(
                handle,
                [&](Session &, const Settings &s) {
                    if (minUs == nullptr || maxUs == nullptr) {
                        return CAMERA_STATUS_INVALID_ARGUMENT;
                    }
                    *minUs = s.aeExposureMinUs;
                    *maxUs = s.aeExposureMaxUs;
                    return CAMERA_STATUS_SUCCESS;
                },
                &Features::aeExposureRange);
        },
        handle, minUs, maxUs);
}

CameraSdkStatus CameraSetAeAnalogGainRange(CameraHandle handle, int minX1000, int maxX1000)
{
    return call(
        "CameraSetAeAnalogGainRange", true,
        [&] {
            return changeSettings(
                handle,
                [&](Session &, Settings &s) {
                    if (minX1000 > maxX1000) {
                        return CAMERA_STATUS_INVALID_ARGUMENT;
                    }
                    s.aeGainMin = minX1000;
                    s.aeGainMax = maxX1000;
                    return CAMERA_STATUS_SUCCESS;
                },
                &Features::aeGainRange);
        },
        handle, minX1000, maxX1000);
}

CameraSdkStatus CameraGetAeAnalogGainRange(CameraHandle handle, int *minX1000, int *maxX1000)
{
    return call(
        "CameraGetAeAnalogGainRange", true,
        [&] {
            return readSettings(
                handle,
                [&](Session &, const Settings &s) {
                    if (minX1000 == nullptr || maxX1000 == nullptr) {
                        return CAMERA_STATUS_INVALID_ARGUMENT;
                    }
                    *minX1000 = s.aeGainMin;
                    *maxX1000 = s.aeGainMax;
                    return CAMERA_STATUS_SUCCESS;
                },
                &Features::aeGainRange);
        },
        handle, minX1000, maxX1000);
}

CameraSdkStatus CameraSetAntiFlick(CameraHandle handle, int enable)
{
    return setInt("CameraSetAntiFlick", handle, enable, 0, 1, &Settings::antiFlick, &Features::antiFlicker);
}

CameraSdkStatus CameraGetAntiFlick(CameraHandle handle, int *enable)
{
    return getInt("CameraGetAntiFlick", handle, enable, &Settings::antiFlick, &Features::antiFlicker);
}

CameraSdkStatus CameraSetLightFrequency(CameraHandle handle, int frequency)
{
    return setInt("CameraSetLightFrequency", handle, frequency, 1, 2, &Settings::lightFrequency,
                  &Features::antiFlicker);
}

CameraSdkStatus CameraGetLightFrequency(CameraHandle handle, int *frequency)
{
    return getInt("CameraGetLightFrequency", handle, frequency, &Settings::lightFrequency,
                  &Features::antiFlicker);
}

/* ---- White balance and colour ----------------------------------------------- */

CameraSdkStatus CameraSetWbMode(CameraHandle handle, int automatic)
{
    // Manual white balance is the host pipeline's, so every camera has it.
    return setInt("CameraSetWbMode", handle, automatic, 0, 1, &Settings::wbMode,
                  automatic == 1 ? &Features::autoWhiteBalance : nullptr);
}

CameraSdkStatus CameraGetWbMode(CameraHandle handle, int *automatic)
{
    return getInt("CameraGetWbMode", handle, automatic, &Settings::wbMode);
}

CameraSdkStatus CameraSetOnceWB(CameraHandle handle)
{
    return call(
        "CameraSetOnceWB", true,
        [&] {
            return onSession(
                handle, Access::Write, [](Session &s) { return s.device->oneShotWhiteBalance(); },
                &Features::autoWhiteBalance);
        },
        handle);
}

CameraSdkStatus CameraSetGain(CameraHandle handle, int red, int green, int blue)
{
    return call(
        "CameraSetGain", true,
        [&] {
            return changeSettings(handle, [&](Session &, Settings &s) {
                if (!between(red, 0, 400) || !between(green, 0, 400) || !between(blue, 0, 400)) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                s.rGain = red;
                s.gGain = green;
                s.bGain = blue;
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, red, green, blue);
}

CameraSdkStatus CameraGetGain(CameraHandle handle, int *red, int *green, int *blue)
{
    return call(
        "CameraGetGain", true,
        [&] {
            return readSettings(handle, [&](Session &, const Settings &s) {
                if (red == nullptr || green == nullptr || blue == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                *red = s.rGain;
                *green = s.gGain;
                *blue = s.bGain;
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, red, green, blue);
}

CameraSdkStatus CameraSetSaturation(CameraHandle handle, int saturation)
{
    return setInt("CameraSetSaturation", handle, saturation, 0, 255, &Settings::saturation);
}

CameraSdkStatus CameraGetSaturation(CameraHandle handle, int *saturation)
{
    return getInt("CameraGetSaturation", handle, saturation, &Settings::saturation);
}

CameraSdkStatus CameraSetMonochrome(CameraHandle handle, int enable)
{
    return setInt("CameraSetMonochrome", handle, enable, 0, 1, &Settings::monochrome);
}

CameraSdkStatus CameraGetMonochrome(CameraHandle handle, int *enable)
{
    return getInt("CameraGetMonochrome", handle, enable, &Settings::monochrome);
}

/* ---- Image processing --------------------------------------------------------- */

CameraSdkStatus CameraSetFrameSpeed(CameraHandle handle, int speed)
{
    return setInt("CameraSetFrameSpeed", handle, speed, 0, 2, &Settings::frameSpeed, &Features::frameSpeed);
}

CameraSdkStatus CameraGetFrameSpeed(CameraHandle handle, int *speed)
{
    return getInt("CameraGetFrameSpeed", handle, speed, &Settings::frameSpeed, &Features::frameSpeed);
}

CameraSdkStatus CameraSetSharpness(CameraHandle handle, int sharpness)
{
    return setInt("CameraSetSharpness", handle, sharpness, 0, 100, &Settings::sharpness);
}

CameraSdkStatus CameraGetSharpness(CameraHandle handle, int *sharpness)
{
    return getInt("CameraGetSharpness", handle, sharpness, &Settings::sharpness);
}

CameraSdkStatus CameraSetContrast(CameraHandle handle, int contrast)
{
    return setInt("CameraSetContrast", handle, contrast, 0, 100, &Settings::contrast);
}

CameraSdkStatus CameraGetContrast(CameraHandle handle, int *contrast)
{
    return getInt("CameraGetContrast", handle, contrast, &Settings::contrast);
}

CameraSdkStatus CameraSetMirror(CameraHandle handle, int direction, int enable)
{
    return call(
        "CameraSetMirror", true,
        [&] {
            return changeSettings(
                handle,
                [&](Session &, Settings &s) {
                    if (!between(direction, 0, 1) || !between(enable, 0, 1)) {
                        return CAMERA_STATUS_INVALID_ARGUMENT;
                    }
                    (direction == 0 ? s.mirrorH : s.mirrorV) = enable;
                    return CAMERA_STATUS_SUCCESS;
                },
                &Features::mirror);
        },
        handle, direction, enable);
}

CameraSdkStatus CameraGetMirror(CameraHandle handle, int direction, int *enable)
{
    return call(
        "CameraGetMirror", true,
        [&] {
            return readSettings(
                handle,
                [&](Session &, const Settings &s) {
                    if (enable == nullptr || !between(direction, 0, 1)) {
                        return CAMERA_STATUS_INVALID_ARGUMENT;
                    }
                    *enable = direction == 0 ? s.mirrorH : s.mirrorV;
                    return CAMERA_STATUS_SUCCESS;
                },
                &Features::mirror);
        },
        handle, direction, enable);
}

CameraSdkStatus CameraSetCorrectDeadPixel(CameraHandle handle, int enable)
{
    return setInt("CameraSetCorrectDeadPixel", handle, enable, 0, 1, &Settings::deadPixelCorrection,
                  &Features::deadPixelCorrection);
}

CameraSdkStatus CameraGetCorrectDeadPixel(CameraHandle handle, int *enable)
{
    return getInt("CameraGetCorrectDeadPixel", handle, enable, &Settings::deadPixelCorrection,
                  &Features::deadPixelCorrection);
}

CameraSdkStatus CameraSetSensorOutPixelFormat(CameraHandle handle, uint32_t mediaType)
{
    return call(
        "CameraSetSensorOutPixelFormat", true,
        [&] {
            return changeSettings(handle, [&](Session &session, Settings &s) {
                for (const stMediaTypeDesc &d : session.mediaTypes) {
                    if (d.uMediaType == mediaType) {
                        s.sensorFormat = mediaType;
                        return CAMERA_STATUS_SUCCESS;
                    }
                }
                return CAMERA_STATUS_INVALID_ARGUMENT;
            });
        },
        handle, mediaType);
}

CameraSdkStatus CameraGetSensorOutPixelFormat(CameraHandle handle, uint32_t *mediaType)
{
    return call(
        "CameraGetSensorOutPixelFormat", true,
        [&] {
            return readSettings(handle, [&](Session &, const Settings &s) {
                if (mediaType == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                *mediaType = s.sensorFormat;
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, mediaType);
}

/* ---- Crosshairs ------------------------------------------------------------------ */

CameraSdkStatus CameraSetCrossLine(CameraHandle handle, int line, int x, int y, uint32_t colour, int visible)
{
    return call(
        "CameraSetCrossLine", true,
        [&] {
            return changeSettings(handle, [&](Session &session, Settings &s) {
                const CameraModel &m = session.device->model();
                if (!between(line, 0, CAMERA_CROSSLINE_COUNT - 1) || !between(x, 0, m.sensorWidth) ||
                    !between(y, 0, m.sensorHeight) || colour > 0xFFFFFFu || !between(visible, 0, 1)) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                s.crossLines[line] = CrossLine{x, y, colour, visible};
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, line, x, y, colour, visible);
}

CameraSdkStatus CameraGetCrossLine(CameraHandle handle, int line, int *x, int *y, uint32_t *colour,
                                   int *visible)
{
    return call(
        "CameraGetCrossLine", true,
        [&] {
            return readSettings(handle, [&](Session &, const Settings &s) {
                if (x == nullptr || y == nullptr || colour == nullptr || visible == nullptr ||
                    !between(line, 0, CAMERA_CROSSLINE_COUNT - 1)) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                const CrossLine &l = s.crossLines[line];
                *x = l.x;
                *y = l.y;
                *colour = l.colour;
                *visible = l.visible;
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, line, x, y, colour, visible);
}

/* ---- LUT ------------------------------------------------------------------------- */

namespace {

CameraSdkStatus setLut(const char *name, CameraHandle handle, int value, int lo, int hi, int Settings::*field)
{
    return call(
        name, true,
        [&] {
            return changeSettings(handle, [&](Session &session, Settings &s) {
                if (!session.device->model().lutSupported) {
                    return CAMERA_STATUS_NOT_SUPPORTED;
                }
                if (!between(value, lo, hi)) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                s.*field = value;
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, value);
}

} // namespace

CameraSdkStatus CameraSetLutMode(CameraHandle handle, int mode)
{
    return setLut("CameraSetLutMode", handle, mode, 0, 1, &Settings::lutMode);
}

CameraSdkStatus CameraGetLutMode(CameraHandle handle, int *mode)
{
    return getInt("CameraGetLutMode", handle, mode, &Settings::lutMode);
}

CameraSdkStatus CameraSetGamma(CameraHandle handle, int gammaX100)
{
    return setLut("CameraSetGamma", handle, gammaX100, 0, 1000, &Settings::gamma);
}

CameraSdkStatus CameraGetGamma(CameraHandle handle, int *gammaX100)
{
    return getInt("CameraGetGamma", handle, gammaX100, &Settings::gamma);
}

CameraSdkStatus CameraSetContrastLut(CameraHandle handle, int contrastX100)
{
    return setLut("CameraSetContrastLut", handle, contrastX100, 0, 200, &Settings::contrastLut);
}

CameraSdkStatus CameraGetContrastLut(CameraHandle handle, int *contrastX100)
{
    return getInt("CameraGetContrastLut", handle, contrastX100, &Settings::contrastLut);
}

CameraSdkStatus CameraSelectLutPreset(CameraHandle handle, int preset)
{
    return setLut("CameraSelectLutPreset", handle, preset, 0, kLutPresetCount - 1, &Settings::lutPreset);
}

CameraSdkStatus CameraGetLutPresetSel(CameraHandle handle, int *preset)
{
    return getInt("CameraGetLutPresetSel", handle, preset, &Settings::lutPreset);
}

/* ---- Trigger, strobe and I/O lines ------------------------------------------------ */

CameraSdkStatus CameraSetTriggerMode(CameraHandle handle, int mode)
{
    return call(
        "CameraSetTriggerMode", true,
        [&] {
            return changeSettings(handle, [&](Session &session, Settings &s) {
                if (!between(mode, 0, 2)) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                if ((mode == CAMERA_TRIGGER_HARDWARE && session.device->model().inputLines == 0) ||
                    (mode == CAMERA_TRIGGER_SOFTWARE && !session.device->model().features.softwareTrigger)) {
                    return CAMERA_STATUS_NOT_SUPPORTED;
                }
                s.triggerMode = mode;
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, mode);
}

CameraSdkStatus CameraGetTriggerMode(CameraHandle handle, int *mode)
{
    return getInt("CameraGetTriggerMode", handle, mode, &Settings::triggerMode);
}

CameraSdkStatus CameraSoftTrigger(CameraHandle handle)
{
    return call(
        "CameraSoftTrigger", true,
        [&] {
            return onSession(
                handle, Access::Write, [](Session &s) { return s.device->softTrigger(); },
                &Features::softwareTrigger);
        },
        handle);
}

CameraSdkStatus CameraSetTriggerFrameCount(CameraHandle handle, int count)
{
    return setInt("CameraSetTriggerFrameCount", handle, count, 1, 1000, &Settings::triggerFrameCount,
                  &Features::triggerFrameCount);
}

CameraSdkStatus CameraGetTriggerFrameCount(CameraHandle handle, int *count)
{
    return getInt("CameraGetTriggerFrameCount", handle, count, &Settings::triggerFrameCount,
                  &Features::triggerFrameCount);
}

CameraSdkStatus CameraSetTriggerDelayTime(CameraHandle handle, uint32_t microseconds)
{
    return call(
        "CameraSetTriggerDelayTime", true,
        [&] {
            return changeSettings(
                handle,
                [&](Session &, Settings &s) {
                    if (microseconds > 10000000u) {
                        return CAMERA_STATUS_INVALID_ARGUMENT;
                    }
                    s.triggerDelayUs = microseconds;
                    return CAMERA_STATUS_SUCCESS;
                },
                &Features::triggerDelay);
        },
        handle, microseconds);
}

CameraSdkStatus CameraGetTriggerDelayTime(CameraHandle handle, uint32_t *microseconds)
{
    return call(
        "CameraGetTriggerDelayTime", true,
        [&] {
            return readSettings(
                handle,
                [&](Session &, const Settings &s) {
                    if (microseconds == nullptr) {
                        return CAMERA_STATUS_INVALID_ARGUMENT;
                    }
                    *microseconds = s.triggerDelayUs;
                    return CAMERA_STATUS_SUCCESS;
                },
                &Features::triggerDelay);
        },
        handle, microseconds);
}

CameraSdkStatus CameraSetTriggerJitterTime(CameraHandle handle, int line, uint32_t microseconds)
{
    return setLineField<InputLine, uint32_t>("CameraSetTriggerJitterTime", handle, line, microseconds, 0,
                                             1000000, &InputLine::jitterUs, &Features::inputLineSettings);
}

CameraSdkStatus CameraGetTriggerJitterTime(CameraHandle handle, int line, uint32_t *microseconds)
{
    return getLineField<InputLine, uint32_t>("CameraGetTriggerJitterTime", handle, line, microseconds,
                                             &InputLine::jitterUs, &Features::inputLineSettings);
}

CameraSdkStatus CameraSetInputIOMode(CameraHandle handle, int line, int mode)
{
    return setLineField<InputLine, int>("CameraSetInputIOMode", handle, line, mode, 0, 1, &InputLine::mode,
                                        &Features::inputLineSettings);
}

CameraSdkStatus CameraGetInputIOMode(CameraHandle handle, int line, int *mode)
{
    return getLineField<InputLine, int>("CameraGetInputIOMode", handle, line, mode, &InputLine::mode,
                                        &Features::inputLineSettings);
}

CameraSdkStatus CameraGetInputIOState(CameraHandle handle, int line, int *state)
{
    return getLineField<InputLine, int>("CameraGetInputIOState", handle, line, state, &InputLine::state,
                                        &Features::inputLineSettings);
}

CameraSdkStatus CameraSetTriggerSignalType(CameraHandle handle, int line, int type)
{
    return setLineField<InputLine, int>("CameraSetTriggerSignalType", handle, line, type, 0, 3,
                                        &InputLine::signalType);
}

CameraSdkStatus CameraGetTriggerSignalType(CameraHandle handle, int line, int *type)
{
    return getLineField<InputLine, int>("CameraGetTriggerSignalType", handle, line, type,
                                        &InputLine::signalType);
}

CameraSdkStatus CameraSetOutputIOMode(CameraHandle handle, int line, int mode)
{
    return setLineField<OutputLine, int>("CameraSetOutputIOMode", handle, line, mode, 0, 2,
                                         &OutputLine::mode);
}

CameraSdkStatus CameraGetOutputIOMode(CameraHandle handle, int line, int *mode)
{
    return getLineField<OutputLine, int>("CameraGetOutputIOMode", handle, line, mode, &OutputLine::mode);
}

CameraSdkStatus CameraSetStrobeMode(CameraHandle handle, int line, int mode)
{
    return setLineField<OutputLine, int>("CameraSetStrobeMode", handle, line, mode, 0, 1,
                                         &OutputLine::strobeMode);
}

CameraSdkStatus CameraGetStrobeMode(CameraHandle handle, int line, int *mode)
{
    return getLineField<OutputLine, int>("CameraGetStrobeMode", handle, line, mode, &OutputLine::strobeMode);
}

CameraSdkStatus CameraSetStrobePolarity(CameraHandle handle, int line, int polarity)
{
    return setLineField<OutputLine, int>("CameraSetStrobePolarity", handle, line, polarity, 0, 1,
                                         &OutputLine::polarity);
}

CameraSdkStatus CameraGetStrobePolarity(CameraHandle handle, int line, int *polarity)
{
    return getLineField<OutputLine, int>("CameraGetStrobePolarity", handle, line, polarity,
                                         &OutputLine::polarity);
}

CameraSdkStatus CameraSetStrobeDelayTime(CameraHandle handle, int line, uint32_t microseconds)
{
    return setLineField<OutputLine, uint32_t>("CameraSetStrobeDelayTime", handle, line, microseconds, 0,
                                              10000000, &OutputLine::strobeDelayUs);
}

CameraSdkStatus CameraGetStrobeDelayTime(CameraHandle handle, int line, uint32_t *microseconds)
{
    return getLineField<OutputLine, uint32_t>("CameraGetStrobeDelayTime", handle, line, microseconds,
                                              &OutputLine::strobeDelayUs);
}

CameraSdkStatus CameraSetStrobePulseWidth(CameraHandle handle, int line, uint32_t microseconds)
{
    return setLineField<OutputLine, uint32_t>("CameraSetStrobePulseWidth", handle, line, microseconds, 0,
                                              10000000, &OutputLine::strobePulseUs);
}

CameraSdkStatus CameraGetStrobePulseWidth(CameraHandle handle, int line, uint32_t *microseconds)
{
    return getLineField<OutputLine, uint32_t>("CameraGetStrobePulseWidth", handle, line, microseconds,
                                              &OutputLine::strobePulseUs);
}

CameraSdkStatus CameraSetOutputIOState(CameraHandle handle, int line, int state)
{
    return setLineField<OutputLine, int>("CameraSetOutputIOState", handle, line, state, 0, 1,
                                         &OutputLine::state);
}

CameraSdkStatus CameraGetOutputIOState(CameraHandle handle, int line, int *state)
{
    return getLineField<OutputLine, int>("CameraGetOutputIOState", handle, line, state, &OutputLine::state);
}

CameraSdkStatus CameraSetOutputIOPWM(CameraHandle handle, int line, int periodUs, int highTimeUs)
{
    return call(
        "CameraSetOutputIOPWM", true,
        [&] {
            return changeSettings(handle, [&](Session &session, Settings &s) {
                const int count = session.device->model().outputLines;
                if (count == 0) {
                    return CAMERA_STATUS_NOT_SUPPORTED;
                }
                if (!between(line, 0, count - 1) || !between(periodUs, 1, 10000000) ||
                    !between(highTimeUs, 0, periodUs)) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                s.outputs[line].pwmPeriodUs = periodUs;
                s.outputs[line].pwmHighUs = highTimeUs;
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, line, periodUs, highTimeUs);
}

CameraSdkStatus CameraGetOutputIOPWM(CameraHandle handle, int line, int *periodUs, int *highTimeUs)
{
    return call(
        "CameraGetOutputIOPWM", true,
        [&] {
            return readSettings(handle, [&](Session &session, const Settings &s) {
                const int count = session.device->model().outputLines;
                if (count == 0) {
                    return CAMERA_STATUS_NOT_SUPPORTED;
                }
                if (periodUs == nullptr || highTimeUs == nullptr || !between(line, 0, count - 1)) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                *periodUs = s.outputs[line].pwmPeriodUs;
                *highTimeUs = s.outputs[line].pwmHighUs;
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, line, periodUs, highTimeUs);
}

/* ---- Integer values ------------------------------------------------------------------ */

CameraSdkStatus CameraGetIntValue(CameraHandle handle, int id, int *value)
{
    return call(
        "CameraGetIntValue", true,
        [&] {
            return readSettings(handle, [&](Session &session, const Settings &s) {
                if (value == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                const CameraModel &m = session.device->model();
                switch (id) {
                case CAMERA_INT_CHANNEL_MASK:
                    *value = s.channelMask;
                    return CAMERA_STATUS_SUCCESS;
                case CAMERA_INT_CHANNEL_COUNT:
                    *value = m.channels;
                    return CAMERA_STATUS_SUCCESS;
                case CAMERA_INT_FOCUS_SUPPORTED:
                    *value = m.focusSupported ? 1 : 0;
                    return CAMERA_STATUS_SUCCESS;
                case CAMERA_INT_FOCUS_POSITION:
                case CAMERA_INT_FOCUS_MIN:
                case CAMERA_INT_FOCUS_MAX:
                case CAMERA_INT_FOCUS_DEFAULT:
                    if (!m.focusSupported) {
                        return CAMERA_STATUS_NOT_SUPPORTED;
                    }
                    *value = id == CAMERA_INT_FOCUS_POSITION ? s.focusPosition
                             : id == CAMERA_INT_FOCUS_MIN    ? m.focusMin
                             : id == CAMERA_INT_FOCUS_MAX    ? m.focusMax
                                                             : m.focusDefault;
                    return CAMERA_STATUS_SUCCESS;
                default:
                    return CAMERA_STATUS_NOT_SUPPORTED;
                }
            });
        },
        handle, id, value);
}

CameraSdkStatus CameraSetIntValue(CameraHandle handle, int id, int value)
{
    return call(
        "CameraSetIntValue", true,
        [&] {
            return changeSettings(handle, [&](Session &session, Settings &s) {
                const CameraModel &m = session.device->model();
                if (id == CAMERA_INT_CHANNEL_MASK) {
                    if (!between(value, 0, (1 << m.channels) - 1)) {
                        return CAMERA_STATUS_INVALID_ARGUMENT;
                    }
                    s.channelMask = value;
                    return CAMERA_STATUS_SUCCESS;
                }
                if (id == CAMERA_INT_FOCUS_POSITION && m.focusSupported) {
                    if (!between(value, m.focusMin, m.focusMax)) {
                        return CAMERA_STATUS_INVALID_ARGUMENT;
                    }
                    s.focusPosition = value;
                    return CAMERA_STATUS_SUCCESS;
                }
                return CAMERA_STATUS_NOT_SUPPORTED; // unknown or read-only
            });
        },
        handle, id, value);
}

/* ---- Parameter groups and files ---------------------------------------------------------- */

CameraSdkStatus CameraSaveParameter(CameraHandle handle, int group)
{
    return call(
        "CameraSaveParameter", true,
        [&] {
            return onSession(handle, Access::Write, [&](Session &s) { return s.device->saveGroup(group); });
        },
        handle, group);
}

CameraSdkStatus CameraLoadParameter(CameraHandle handle, int group)
{
    return call(
        "CameraLoadParameter", true,
        [&] {
            return onSession(handle, Access::Write, [&](Session &s) { return s.device->loadGroup(group); });
        },
        handle, group);
}

CameraSdkStatus CameraGetCurrentParameterGroup(CameraHandle handle, int *group)
{
    return call(
        "CameraGetCurrentParameterGroup", true,
        [&] {
            return onSession(handle, Access::Read, [&](Session &s) {
                if (group == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                *group = s.device->currentGroup();
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, group);
}

CameraSdkStatus CameraSetParameterMode(CameraHandle handle, int mode)
{
    return call(
        "CameraSetParameterMode", true,
        [&] {
            return onSession(handle, Access::Write,
                             [&](Session &s) { return s.device->setParameterMode(mode); });
        },
        handle, mode);
}

CameraSdkStatus CameraGetParameterMode(CameraHandle handle, int *mode)
{
    return call(
        "CameraGetParameterMode", true,
        [&] {
            return onSession(handle, Access::Read, [&](Session &s) {
                if (mode == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                *mode = s.device->parameterMode();
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, mode);
}

CameraSdkStatus CameraSaveParameterToFile(CameraHandle handle, const char *path)
{
    return call(
        "CameraSaveParameterToFile", true,
        [&] {
            return readSettings(handle, [&](Session &s, const Settings &settings) {
                if (path == nullptr || textLength(path, kMaxPath) <= 0) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                ParameterFile file;
                file.productName = s.device->model().productName;
                file.serial = s.serial;
                file.settings = settings;
                const std::vector<uint8_t> bytes = writeParameterFile(file);
                return writeFileAtomic(path, bytes.data(), bytes.size()) ? CAMERA_STATUS_SUCCESS
                                                                         : CAMERA_STATUS_IO_ERROR;
            });
        },
        handle, path);
}

CameraSdkStatus CameraReadParameterFromFile(CameraHandle handle, const char *path)
{
    return call(
        "CameraReadParameterFromFile", true,
        [&] {
            return onSession(handle, Access::Write, [&](Session &s) {
                if (path == nullptr || textLength(path, kMaxPath) <= 0) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                std::vector<uint8_t> bytes;
                if (!readWholeFile(path, kMaxFileBytes, &bytes)) {
                    return CAMERA_STATUS_FILE_PATH;
                }
                ParameterFile file;
                const CameraModel &m = s.device->model();
                file.settings = defaultSettings(m);
                if (!parseParameterFile(bytes.data(), bytes.size(), &file, nullptr)) {
                    return CAMERA_STATUS_FILE_CORRUPT;
                }
                if (file.productName != m.productName) {
                    return CAMERA_STATUS_NOT_MATCH;
                }
                if (!validateSettings(m, file.settings).empty()) {
                    return CAMERA_STATUS_FILE_CORRUPT;
                }
                return s.device->applySettings(file.settings);
            });
        },
        handle, path);
}

/* ---- GigE ------------------------------------------------------------------------------ */

CameraSdkStatus CameraGigeGetIp(const char *serial, stGigeInfo *info)
{
    return call(
        "CameraGigeGetIp", true,
        [&] {
            if (serial == nullptr || info == nullptr) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            if (textLength(serial, sizeof(stDeviceInfo::acSn)) < 0) {
                return CAMERA_STATUS_NO_DEVICE;
            }
            return lib().gigeGetIp(serial, info);
        },
        serial, info);
}

CameraSdkStatus CameraGigeSetIp(const char *serial, const stGigeInfo *info)
{
    return call(
        "CameraGigeSetIp", true,
        [&] {
            if (serial == nullptr || info == nullptr) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            if (textLength(serial, sizeof(stDeviceInfo::acSn)) < 0) {
                return CAMERA_STATUS_NO_DEVICE;
            }
            return lib().gigeSetIp(serial, *info);
        },
        serial, info);
}

CameraSdkStatus CameraGigeSetTransPacketSize(CameraHandle handle, uint32_t bytes)
{
    return call(
        "CameraGigeSetTransPacketSize", true,
        [&] {
            return onSession(handle, Access::Write,
                             [&](Session &s) { return s.device->setPacketSize(bytes); });
        },
        handle, bytes);
}

CameraSdkStatus CameraGigeGetTransPacketSize(CameraHandle handle, uint32_t *bytes)
{
    return call(
        "CameraGigeGetTransPacketSize", true,
        [&] {
            return onSession(handle, Access::Read, [&](Session &s) {
                if (bytes == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                if (!s.device->model().isGige()) {
                    return CAMERA_STATUS_NOT_SUPPORTED;
                }
                *bytes = s.device->packetSize();
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, bytes);
}

CameraSdkStatus CameraGigeSetPacketDelayTime(CameraHandle handle, uint32_t microseconds)
{
    return call(
        "CameraGigeSetPacketDelayTime", true,
        [&] {
            return onSession(
                handle, Access::Write, [&](Session &s) { return s.device->setPacketDelay(microseconds); },
                &Features::packetDelay);
        },
        handle, microseconds);
}

CameraSdkStatus CameraGigeGetPacketDelayTime(CameraHandle handle, uint32_t *microseconds)
{
    return call(
        "CameraGigeGetPacketDelayTime", true,
        [&] {
            return onSession(handle, Access::Read, [&](Session &s) {
                if (microseconds == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                if (!s.device->model().isGige() || !s.device->model().features.packetDelay) {
                    return CAMERA_STATUS_NOT_SUPPORTED;
                }
                *microseconds = s.device->packetDelay();
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, microseconds);
}

/* ---- Firmware -------------------------------------------------------------------------- */

CameraSdkStatus CameraUpgrade(CameraHandle handle, const char *file, CameraUpgradeCallback callback,
                              void *context)
{
    return call(
        "CameraUpgrade", true,
        [&] {
            return onSession(
                handle, Access::Write,
                [&](Session &s) {
                    std::vector<uint8_t> bytes;
                    if (file == nullptr || textLength(file, kMaxPath) <= 0 ||
                        !readWholeFile(file, kMaxFileBytes, &bytes)) {
                        return CAMERA_STATUS_FILE_PATH;
                    }
                    FirmwareImage image;
                    if (!parseFirmwareImage(bytes.data(), bytes.size(), &image, nullptr) ||
                        image.productName != s.device->model().productName) {
                        return CAMERA_STATUS_NOT_MATCH;
                    }
                    return s.device->upgrade(image, [&](int percent) {
                        if (callback != nullptr) {
                            callback(percent, context);
                        }
                        return true;
                    });
                },
                &Features::firmwareUpgrade);
        },
        handle, file, callback, static_cast<const void *>(context));
}

} // extern "C"
