// Enumeration, opening and closing, identity texts and the library version.

#include "VexoCameraSDK.h"

#include "guards.h"
#include "isp.h"
#include "reconnecting_device.h"
#include "records.h"

#include <cstring>

using namespace vexo::capi;
using namespace vexo::sdk;

namespace {

constexpr const char *kSdkVersion = VEXO_SDK_VERSION_STRING;

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

} // namespace

extern "C" {

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
            fillDeviceInfo(info, f.model, f.nickname, f.firmwareVersion, f.opened, index, f.address);
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
    return getter(
        "CameraGetFriendlyName", handle, nullptr,
        [&](Session &s) { copyOut(name, CAMERA_TEXT_BUFFER, s.device->nickname()); }, name);
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
    return getter(
        "CameraGetDeviceType", handle, nullptr, [&](Session &s) { *type = s.device->model().deviceType; },
        type);
}

CameraSdkStatus CameraGetFirmwareVision(CameraHandle handle, char *version)
{
    return getter(
        "CameraGetFirmwareVision", handle, nullptr,
        [&](Session &s) {
            const std::string &own = s.device->model().firmwareText;
            copyOut(version, CAMERA_VERSION_BUFFER,
                    own.empty() ? firmwareVersionText(s.device->firmwareVersion()) : own);
        },
        version);
}

CameraSdkStatus CameraGetInerfaceVersion(CameraHandle handle, char *version)
{
    return getter(
        "CameraGetInerfaceVersion", handle, nullptr,
        [&](Session &s) {
            const std::string &port = s.device->model().portType;
            const char *text = s.device->model().isGige()               ? "GEV 2.0"
                               : port.find("USB3") != std::string::npos ? "U3V 1.0"
                               : port.find("USB") != std::string::npos  ? "USB 2.0"
                                                                        : port.c_str();
            copyOut(version, CAMERA_VERSION_BUFFER, text);
        },
        version);
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

} // extern "C"
