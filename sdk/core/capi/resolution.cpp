// The capability record, preset resolutions and custom regions of interest.

#include "VexoCameraSDK.h"

#include "guards.h"
#include "records.h"

#include <cmath>

using namespace vexo::capi;
using namespace vexo::sdk;

namespace {

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

} // namespace

extern "C" {

CameraSdkStatus CameraGetCapability(CameraHandle handle, stCameraCapability *capability)
{
    return getter(
        "CameraGetCapability", handle, nullptr,
        [&](Session &s) {
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
        },
        capability);
}

CameraSdkStatus CameraGetResolution(CameraHandle handle, stImageResolution *resolution)
{
    return getter(
        "CameraGetResolution", handle, nullptr,
        [&](Session &, const Settings &s) {
            const bool custom = s.region.index == CAMERA_RESOLUTION_CUSTOM;
            *resolution = resolutionRecord(s.region, custom ? "Custom" : sizeText(s.region).c_str());
        },
        resolution);
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
    return setter(
        "CameraSetResolution", handle, nullptr,
        [&](Session &session, Settings &s) {
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
        },
        index);
}

CameraSdkStatus CameraSetResolutionEx(CameraHandle handle, const stImageResolution *resolution)
{
    return setter(
        "CameraSetResolutionEx", handle, nullptr,
        [&](Session &session, Settings &s) {
            Region r;
            if (resolution == nullptr || !regionFrom(session.device->model(), *resolution, &r)) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            s.region = r;
            std::lock_guard<std::mutex> lock(session.mutex);
            session.lastCustom = r;
            return CAMERA_STATUS_SUCCESS;
        },
        resolution);
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

} // extern "C"
