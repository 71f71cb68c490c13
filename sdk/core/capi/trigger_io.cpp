// Trigger modes, strobes and the I/O lines.

#include "VexoCameraSDK.h"

#include "guards.h"

#include <type_traits>

using namespace vexo::capi;
using namespace vexo::sdk;

namespace {

// I/O line fields: the line must exist on the camera.
template<typename Line, typename T>
CameraSdkStatus setLineField(const char *name, CameraHandle handle, int line, T value, long long lo,
                             long long hi, T Line::*field, Feature feature = nullptr)
{
    return setter(
        name, handle, feature,
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
        line, value);
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

} // namespace

extern "C" {

CameraSdkStatus CameraSetTriggerMode(CameraHandle handle, int mode)
{
    return setter(
        "CameraSetTriggerMode", handle, nullptr,
        [&](Session &session, Settings &s) {
            if (!between(mode, 0, 2)) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            if ((mode == CAMERA_TRIGGER_HARDWARE && session.device->model().inputLines == 0) ||
                (mode == CAMERA_TRIGGER_SOFTWARE && !session.device->model().features.softwareTrigger)) {
                return CAMERA_STATUS_NOT_SUPPORTED;
            }
            s.triggerMode = mode;
            return CAMERA_STATUS_SUCCESS;
        },
        mode);
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
    return setter(
        "CameraSetTriggerDelayTime", handle, &Features::triggerDelay,
        [&](Session &, Settings &s) {
            if (microseconds > 10000000u) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            s.triggerDelayUs = microseconds;
            return CAMERA_STATUS_SUCCESS;
        },
        microseconds);
}

CameraSdkStatus CameraGetTriggerDelayTime(CameraHandle handle, uint32_t *microseconds)
{
    return getter(
        "CameraGetTriggerDelayTime", handle, &Features::triggerDelay,
        [&](Session &, const Settings &s) { *microseconds = s.triggerDelayUs; }, microseconds);
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
    return setter(
        "CameraSetOutputIOPWM", handle, nullptr,
        [&](Session &session, Settings &s) {
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
        },
        line, periodUs, highTimeUs);
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

} // extern "C"
