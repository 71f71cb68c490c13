// White balance, saturation and monochrome.

#include "VexoCameraSDK.h"

#include "guards.h"

using namespace vexo::capi;
using namespace vexo::sdk;

extern "C" {

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
    return setter(
        "CameraSetGain", handle, nullptr,
        [&](Session &, Settings &s) {
            if (!between(red, 0, 400) || !between(green, 0, 400) || !between(blue, 0, 400)) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            s.rGain = red;
            s.gGain = green;
            s.bGain = blue;
            return CAMERA_STATUS_SUCCESS;
        },
        red, green, blue);
}

CameraSdkStatus CameraGetGain(CameraHandle handle, int *red, int *green, int *blue)
{
    return getter(
        "CameraGetGain", handle, nullptr,
        [&](Session &, const Settings &s) {
            *red = s.rGain;
            *green = s.gGain;
            *blue = s.bGain;
        },
        red, green, blue);
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

} // extern "C"
