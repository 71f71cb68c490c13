// GigE addresses by serial, packet size and packet delay.

#include "VexoCameraSDK.h"

#include "guards.h"

using namespace vexo::capi;
using namespace vexo::sdk;

extern "C" {

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
    return getter(
        "CameraGigeGetTransPacketSize", handle, nullptr,
        [&](Session &s) {
            if (!s.device->model().isGige()) {
                return CAMERA_STATUS_NOT_SUPPORTED;
            }
            *bytes = s.device->packetSize();
            return CAMERA_STATUS_SUCCESS;
        },
        bytes);
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
    return getter(
        "CameraGigeGetPacketDelayTime", handle, nullptr,
        [&](Session &s) {
            if (!s.device->model().isGige() || !s.device->model().features.packetDelay) {
                return CAMERA_STATUS_NOT_SUPPORTED;
            }
            *microseconds = s.device->packetDelay();
            return CAMERA_STATUS_SUCCESS;
        },
        microseconds);
}

} // extern "C"
