// Frame speed, sharpness, contrast, mirror, dead pixels and the sensor's output format.

#include "VexoCameraSDK.h"

#include "guards.h"

using namespace vexo::capi;
using namespace vexo::sdk;

extern "C" {

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
    return setter(
        "CameraSetMirror", handle, &Features::mirror,
        [&](Session &, Settings &s) {
            if (!between(direction, 0, 1) || !between(enable, 0, 1)) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            (direction == 0 ? s.mirrorH : s.mirrorV) = enable;
            return CAMERA_STATUS_SUCCESS;
        },
        direction, enable);
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
    return setter(
        "CameraSetSensorOutPixelFormat", handle, nullptr,
        [&](Session &session, Settings &s) {
            for (const stMediaTypeDesc &d : session.mediaTypes) {
                if (d.uMediaType == mediaType) {
                    s.sensorFormat = mediaType;
                    return CAMERA_STATUS_SUCCESS;
                }
            }
            return CAMERA_STATUS_INVALID_ARGUMENT;
        },
        mediaType);
}

CameraSdkStatus CameraGetSensorOutPixelFormat(CameraHandle handle, uint32_t *mediaType)
{
    return getter(
        "CameraGetSensorOutPixelFormat", handle, nullptr,
        [&](Session &, const Settings &s) { *mediaType = s.sensorFormat; }, mediaType);
}

} // extern "C"
