// Exposure, analog gain, automatic exposure and anti-flicker.

#include "VexoCameraSDK.h"

#include "guards.h"

#include <cmath>

using namespace vexo::capi;
using namespace vexo::sdk;

extern "C" {

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
    return setter(
        "CameraSetExposureTime", handle, nullptr,
        [&](Session &session, Settings &s) {
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
        },
        microseconds);
}

CameraSdkStatus CameraGetExposureTime(CameraHandle handle, double *microseconds)
{
    return getter(
        "CameraGetExposureTime", handle, nullptr,
        [&](Session &, const Settings &s) { *microseconds = s.exposureUs; }, microseconds);
}

CameraSdkStatus CameraGetExposureLineTime(CameraHandle handle, double *microseconds)
{
    return getter(
        "CameraGetExposureLineTime", handle, nullptr,
        [&](Session &s) { *microseconds = s.device->model().lineTimeUs; }, microseconds);
}

CameraSdkStatus CameraSetAnalogGain(CameraHandle handle, int gainX1000)
{
    return setter(
        "CameraSetAnalogGain", handle, &Features::analogGain,
        [&](Session &session, Settings &s) {
            const CameraModel &m = session.device->model();
            if (!between(gainX1000, m.analogGainMin, m.analogGainMax)) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            s.analogGain = gainX1000;
            return CAMERA_STATUS_SUCCESS;
        },
        gainX1000);
}

CameraSdkStatus CameraGetAnalogGain(CameraHandle handle, int *gainX1000)
{
    return getInt("CameraGetAnalogGain", handle, gainX1000, &Settings::analogGain, &Features::analogGain);
}

CameraSdkStatus CameraSetAeTarget(CameraHandle handle, uint16_t target)
{
    return setter(
        "CameraSetAeTarget", handle, &Features::aeTarget,
        [&](Session &, Settings &s) {
            if (target > 255) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            s.aeTarget = target;
            return CAMERA_STATUS_SUCCESS;
        },
        target);
}

CameraSdkStatus CameraGetAeTarget(CameraHandle handle, int *target)
{
    return getInt("CameraGetAeTarget", handle, target, &Settings::aeTarget, &Features::aeTarget);
}

CameraSdkStatus CameraSetAeExposureRange(CameraHandle handle, double minUs, double maxUs)
{
    return setter(
        "CameraSetAeExposureRange", handle, &Features::aeExposureRange,
        [&](Session &, Settings &s) {
            if (!std::isfinite(minUs) || !std::isfinite(maxUs) || minUs > maxUs) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            s.aeExposureMinUs = minUs;
            s.aeExposureMaxUs = maxUs;
            return CAMERA_STATUS_SUCCESS; // the camera's limits are checked on apply
        },
        minUs, maxUs);
}

CameraSdkStatus CameraGetAeExposureRange(CameraHandle handle, double *minUs, double *maxUs)
{
    return getter(
        "CameraGetAeExposureRange", handle, &Features::aeExposureRange,
        [&](Session &, const Settings &s) {
            *minUs = s.aeExposureMinUs;
            *maxUs = s.aeExposureMaxUs;
        },
        minUs, maxUs);
}

CameraSdkStatus CameraSetAeAnalogGainRange(CameraHandle handle, int minX1000, int maxX1000)
{
    return setter(
        "CameraSetAeAnalogGainRange", handle, &Features::aeGainRange,
        [&](Session &, Settings &s) {
            if (minX1000 > maxX1000) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            s.aeGainMin = minX1000;
            s.aeGainMax = maxX1000;
            return CAMERA_STATUS_SUCCESS;
        },
        minX1000, maxX1000);
}

CameraSdkStatus CameraGetAeAnalogGainRange(CameraHandle handle, int *minX1000, int *maxX1000)
{
    return getter(
        "CameraGetAeAnalogGainRange", handle, &Features::aeGainRange,
        [&](Session &, const Settings &s) {
            *minX1000 = s.aeGainMin;
            *maxX1000 = s.aeGainMax;
        },
        minX1000, maxX1000);
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

} // extern "C"
