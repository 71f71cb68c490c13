// The current settings record.

#include "VexoCameraSDK.h"

#include "guards.h"
#include "records.h"

using namespace vexo::capi;
using namespace vexo::sdk;

extern "C" {

CameraSdkStatus CameraGetCurDevInfo(CameraHandle handle, stCurrentDeviceInfo *info)
{
    return getter(
        "CameraGetCurDevInfo", handle, nullptr,
        [&](Session &session, const Settings &s) {
            std::memset(info, 0, sizeof *info);
            const Device &d = *session.device;
            fillDeviceInfo(&info->sDevice, d.model(), d.nickname(), d.firmwareVersion(), true, 0);
            info->iAeState = s.aeState;
            info->dExposureTime = s.exposureUs;
            info->uAnalogGain = static_cast<uint32_t>(s.analogGain);
            info->iAeTarget = s.aeTarget;
            info->dAeExposureMin = s.aeExposureMinUs;
            info->dAeExposureMax = s.aeExposureMaxUs;
            info->iAeAnalogGainMin = s.aeGainMin;
            info->iAeAnalogGainMax = s.aeGainMax;
            info->iAntiFlick = s.antiFlick;
            info->iLightFrequency = s.lightFrequency;
            info->iWbMode = s.wbMode;
            info->uRGain = static_cast<uint32_t>(s.rGain);
            info->uGGain = static_cast<uint32_t>(s.gGain);
            info->uBGain = static_cast<uint32_t>(s.bGain);
            info->iFrameSpeed = s.frameSpeed;
            info->iSharpness = s.sharpness;
            info->iSaturation = s.saturation;
            info->iContrast = s.contrast;
            info->iMirrorH = s.mirrorH;
            info->iMirrorV = s.mirrorV;
            info->iMonochrome = s.monochrome;
            info->bCorrectDeadPixel = static_cast<uint8_t>(s.deadPixelCorrection);
        },
        info);
}

} // extern "C"
