// Integer values by id: channels and the focus motor.

#include "VexoCameraSDK.h"

#include "guards.h"

using namespace vexo::capi;
using namespace vexo::sdk;

extern "C" {

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
    return setter(
        "CameraSetIntValue", handle, nullptr,
        [&](Session &session, Settings &s) {
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
        },
        id, value);
}

} // extern "C"
