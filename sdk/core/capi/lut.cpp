// Gamma, contrast and preset lookup tables.

#include "VexoCameraSDK.h"

#include "guards.h"

using namespace vexo::capi;
using namespace vexo::sdk;

namespace {

CameraSdkStatus setLut(const char *name, CameraHandle handle, int value, int lo, int hi, int Settings::*field)
{
    return setter(
        name, handle, nullptr,
        [&](Session &session, Settings &s) {
            if (!session.device->model().lutSupported) {
                return CAMERA_STATUS_NOT_SUPPORTED;
            }
            if (!between(value, lo, hi)) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            s.*field = value;
            return CAMERA_STATUS_SUCCESS;
        },
        value);
}

} // namespace

extern "C" {

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

} // extern "C"
