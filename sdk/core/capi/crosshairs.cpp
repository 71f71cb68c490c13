// The crosshairs drawn by CameraImageOverlay.

#include "VexoCameraSDK.h"

#include "guards.h"

using namespace vexo::capi;
using namespace vexo::sdk;

extern "C" {

CameraSdkStatus CameraSetCrossLine(CameraHandle handle, int line, int x, int y, uint32_t colour, int visible)
{
    return setter(
        "CameraSetCrossLine", handle, nullptr,
        [&](Session &session, Settings &s) {
            const CameraModel &m = session.device->model();
            if (!between(line, 0, CAMERA_CROSSLINE_COUNT - 1) || !between(x, 0, m.sensorWidth) ||
                !between(y, 0, m.sensorHeight) || colour > 0xFFFFFFu || !between(visible, 0, 1)) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            s.crossLines[line] = CrossLine{x, y, colour, visible};
            return CAMERA_STATUS_SUCCESS;
        },
        line, x, y, colour, visible);
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

} // extern "C"
