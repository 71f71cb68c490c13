// AravisDevice: writing settings to the camera, one feature group at a time.

#include "aravis_device.h"

#include "feature_access.h"
#include "mapping.h"

#include <algorithm>
#include <cmath>

namespace vexo::aravis {

namespace {

constexpr auto kWhiteBalanceSettling = std::chrono::seconds(3);

} // namespace

CameraSdkStatus AravisDevice::failureLocked(GError *error)
{
    const bool timeout =
        error != nullptr && error->domain == ARV_DEVICE_ERROR &&
        (error->code == ARV_DEVICE_ERROR_TIMEOUT || error->code == ARV_DEVICE_ERROR_NOT_CONNECTED);
    if (error != nullptr) {
        g_error_free(error);
    }
    if (timeout) {
        markLost(); // the camera stopped answering
        return CAMERA_STATUS_DEVICE_LOST;
    }
    return CAMERA_STATUS_FAILED;
}

// What applying `to` leaves behind before the camera took anything: the
// host's own settings at once, everything the camera keeps as it was.
Settings AravisDevice::keptByCamera(const Settings &from, const Settings &to) const
{
    const Features &f = model_.features;
    Settings a = to;
    a.exposureUs = from.exposureUs;
    a.analogGain = from.analogGain;
    a.aeState = from.aeState;
    a.aeExposureMinUs = from.aeExposureMinUs;
    a.aeExposureMaxUs = from.aeExposureMaxUs;
    a.aeGainMin = from.aeGainMin;
    a.aeGainMax = from.aeGainMax;
    a.aeTarget = from.aeTarget;
    a.antiFlick = from.antiFlick;
    a.lightFrequency = from.lightFrequency;
    a.frameSpeed = from.frameSpeed;
    a.wbMode = from.wbMode;
    a.sensorFormat = from.sensorFormat;
    a.region = from.region;
    a.triggerMode = from.triggerMode;
    a.triggerDelayUs = from.triggerDelayUs;
    a.triggerFrameCount = from.triggerFrameCount;
    a.inputs = from.inputs;
    a.deadPixelCorrection = from.deadPixelCorrection;
    if (f.mirrorOnDevice) {
        a.mirrorH = from.mirrorH;
        a.mirrorV = from.mirrorV;
    }
    if (f.whiteBalanceOnDevice) {
        a.rGain = from.rGain;
        a.gGain = from.gGain;
        a.bGain = from.bGain;
    }
    return a;
}

CameraSdkStatus AravisDevice::writeLocked(const Settings &from, const Settings &to, Settings *applied)
{
    // Each change the camera accepts is taken over into *applied; the first
    // one it refuses ends the write.
    *applied = keptByCamera(from, to);
    // Size and format only change while the camera is not sending.
    const bool reshape = !sameArea(from.region, to.region) || from.sensorFormat != to.sensorFormat;
    const bool restart = reshape && acquiring_;
    if (restart) {
        stopLocked();
    }
    using Write = CameraSdkStatus (AravisDevice::*)(const Settings &, const Settings &, Settings *);
    static constexpr Write kGroups[] = {
        &AravisDevice::writeGeometryLocked, &AravisDevice::writeTriggerLocked,
        &AravisDevice::writeExposureLocked, &AravisDevice::writeFrameRateLocked,
        &AravisDevice::writeMirrorLocked,   &AravisDevice::writeWhiteBalanceLocked,
    };
    CameraSdkStatus status = CAMERA_STATUS_SUCCESS;
    for (const Write write : kGroups) {
        status = (this->*write)(from, to, applied);
        if (status != CAMERA_STATUS_SUCCESS) {
            break;
        }
    }
    if (restart) {
        const CameraSdkStatus started = startLocked();
        if (status == CAMERA_STATUS_SUCCESS) {
            status = started;
        }
    }
    return status;
}

CameraSdkStatus AravisDevice::writeGeometryLocked(const Settings &from, const Settings &to, Settings *a)
{
    ArvCamera *c = camera_;
    Error e;
    if (from.sensorFormat != to.sensorFormat) {
        arv_camera_set_pixel_format(c, to.sensorFormat, e.out());
        if (e) {
            return failureLocked(e.release());
        }
        a->sensorFormat = to.sensorFormat;
    }
    if (!sameArea(from.region, to.region)) {
        arv_camera_set_region(c, to.region.x, to.region.y, to.region.width, to.region.height, e.out());
        if (e) {
            return failureLocked(e.release());
        }
        a->region = to.region;
    }
    a->region.index = to.region.index;
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus AravisDevice::writeTriggerLocked(const Settings &from, const Settings &to, Settings *a)
{
    ArvCamera *c = camera_;
    Error e;
    if (from.triggerMode != to.triggerMode) {
        selectFrameStart(c);
        if (to.triggerMode == CAMERA_TRIGGER_CONTINUOUS) {
            arv_camera_set_string(c, "TriggerMode", "Off", e.out());
        } else {
            const char *source =
                to.triggerMode == CAMERA_TRIGGER_SOFTWARE ? "Software" : map_.hardwareTriggerSource.c_str();
            arv_camera_set_string(c, "TriggerSource", source, e.out());
            if (!e) {
                arv_camera_set_string(c, "TriggerMode", "On", e.out());
            }
        }
        if (e) {
            return failureLocked(e.release());
        }
        a->triggerMode = to.triggerMode;
    }
    if (map_.triggerActivation && model_.inputLines > 0 &&
        from.inputs[0].signalType != to.inputs[0].signalType) {
        selectFrameStart(c);
        const char *activation = activationName(to.inputs[0].signalType);
        if (!hasEntry(c, "TriggerActivation", activation)) {
            return CAMERA_STATUS_NOT_SUPPORTED;
        }
        arv_camera_set_string(c, "TriggerActivation", activation, e.out());
        if (e) {
            return failureLocked(e.release());
        }
        a->inputs[0].signalType = to.inputs[0].signalType;
    }
    if (model_.features.triggerDelay && from.triggerDelayUs != to.triggerDelayUs) {
        arv_camera_set_float(c, map_.triggerDelay.c_str(), to.triggerDelayUs, e.out());
        if (e) {
            return failureLocked(e.release());
        }
        a->triggerDelayUs = to.triggerDelayUs;
    }
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus AravisDevice::writeExposureLocked(const Settings &from, const Settings &to, Settings *a)
{
    ArvCamera *c = camera_;
    const CameraModel &m = model_;
    const Features &f = m.features;
    Error e;
    if (f.autoExposure && from.aeState != to.aeState) {
        const ArvAuto mode = to.aeState == 1 ? ARV_AUTO_CONTINUOUS : ARV_AUTO_OFF;
        if (map_.exposureAuto) {
            arv_camera_set_exposure_time_auto(c, mode, e.out());
        }
        if (!e && map_.gainAuto) {
            arv_camera_set_gain_auto(c, mode, e.out());
        }
        if (e) {
            return failureLocked(e.release());
        }
        a->aeState = to.aeState;
    }
    if (f.aeExposureRange &&
        (from.aeExposureMinUs != to.aeExposureMinUs || from.aeExposureMaxUs != to.aeExposureMaxUs)) {
        arv_camera_set_float(c, "AutoExposureTimeLowerLimit", to.aeExposureMinUs, e.out());
        if (!e) {
            arv_camera_set_float(c, "AutoExposureTimeUpperLimit", to.aeExposureMaxUs, e.out());
        }
        if (e) {
            return failureLocked(e.release());
        }
        a->aeExposureMinUs = to.aeExposureMinUs;
        a->aeExposureMaxUs = to.aeExposureMaxUs;
    }
    if (f.aeGainRange && (from.aeGainMin != to.aeGainMin || from.aeGainMax != to.aeGainMax)) {
        arv_camera_set_float(c, "AutoGainLowerLimit", cameraGain(to.aeGainMin, map_.gainInDecibel), e.out());
        if (!e) {
            arv_camera_set_float(c, "AutoGainUpperLimit", cameraGain(to.aeGainMax, map_.gainInDecibel),
                                 e.out());
        }
        if (e) {
            return failureLocked(e.release());
        }
        a->aeGainMin = to.aeGainMin;
        a->aeGainMax = to.aeGainMax;
    }
    // While the camera runs its own exposure control, it owns these two.
    if (a->aeState == 0 && from.exposureUs != to.exposureUs &&
        arv_camera_is_exposure_time_available(c, nullptr)) {
        arv_camera_set_exposure_time(c, to.exposureUs, e.out());
        if (e) {
            return failureLocked(e.release());
        }
        a->exposureUs = std::clamp(arv_camera_get_exposure_time(c, e.out()), double(m.exposureLinesMin),
                                   double(m.exposureLinesMax));
        e.clear();
    }
    if (a->aeState == 0 && f.analogGain && from.analogGain != to.analogGain) {
        arv_camera_set_gain(c, cameraGain(to.analogGain, map_.gainInDecibel), e.out());
        if (e) {
            return failureLocked(e.release());
        }
        a->analogGain = std::clamp(gainX1000(arv_camera_get_gain(c, e.out()), map_.gainInDecibel),
                                   m.analogGainMin, m.analogGainMax);
        e.clear();
    }
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus AravisDevice::writeFrameRateLocked(const Settings &from, const Settings &to, Settings *a)
{
    if (!model_.features.frameSpeed || from.frameSpeed == to.frameSpeed) {
        return CAMERA_STATUS_SUCCESS;
    }
    Error e;
    arv_camera_set_frame_rate(camera_, frameRateFor(to.frameSpeed, model_.maxFrameRate), e.out());
    if (e) {
        return failureLocked(e.release());
    }
    a->frameSpeed = to.frameSpeed;
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus AravisDevice::writeMirrorLocked(const Settings &from, const Settings &to, Settings *a)
{
    if (!model_.features.mirrorOnDevice || (from.mirrorH == to.mirrorH && from.mirrorV == to.mirrorV)) {
        return CAMERA_STATUS_SUCCESS;
    }
    Error e;
    arv_camera_set_boolean(camera_, "ReverseX", to.mirrorH != 0, e.out());
    if (!e) {
        arv_camera_set_boolean(camera_, "ReverseY", to.mirrorV != 0, e.out());
    }
    if (e) {
        return failureLocked(e.release());
    }
    a->mirrorH = to.mirrorH;
    a->mirrorV = to.mirrorV;
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus AravisDevice::writeWhiteBalanceLocked(const Settings &from, const Settings &to, Settings *a)
{
    ArvCamera *c = camera_;
    Error e;
    if (map_.balanceAuto && from.wbMode != to.wbMode) {
        arv_camera_set_string(c, "BalanceWhiteAuto", to.wbMode == 1 ? "Continuous" : "Off", e.out());
        if (e) {
            return failureLocked(e.release());
        }
        a->wbMode = to.wbMode;
    }
    if (!map_.balanceRatio || a->wbMode != 0) {
        return CAMERA_STATUS_SUCCESS;
    }
    const struct
    {
        const char *name;
        int from, to;
        int *applied;
    } channels[] = {{"Red", from.rGain, to.rGain, &a->rGain},
                    {"Green", from.gGain, to.gGain, &a->gGain},
                    {"Blue", from.bGain, to.bGain, &a->bGain}};
    for (const auto &ch : channels) {
        if (ch.from == ch.to) {
            continue;
        }
        arv_camera_set_string(c, "BalanceRatioSelector", ch.name, e.out());
        if (!e) {
            arv_camera_set_float(c, "BalanceRatio", ch.to / 100.0, e.out());
        }
        if (e) {
            return failureLocked(e.release());
        }
        *ch.applied = ch.to;
    }
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus AravisDevice::applySettings(const Settings &wanted)
{
    std::lock_guard<std::mutex> control(control_);
    Settings current;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (closed_) {
            return CAMERA_STATUS_INVALID_HANDLE;
        }
        if (lost_) {
            return CAMERA_STATUS_DEVICE_LOST;
        }
        current = settings_;
    }
    Settings applied;
    const CameraSdkStatus status = writeLocked(current, wanted, &applied);
    std::shared_ptr<StreamPool> pool;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (applied.triggerMode != current.triggerMode) {
            // Frames of the old mode, whether waiting or still on the wire,
            // are not what a trigger asks for: drop the waiting ones now and
            // the ones begun before this moment when they arrive.
            latest_.reset();
            staleBeforeNs_ = static_cast<uint64_t>(g_get_real_time()) * 1000u;
            pool = pool_;
            available_ = 0;
        }
        settings_ = applied;
    }
    if (pool) {
        Frame *frame = nullptr;
        while (ArvBuffer *buffer = pool->take(&frame)) {
            pool->giveBack(buffer);
        }
    }
    return status;
}

CameraSdkStatus AravisDevice::oneShotWhiteBalance()
{
    std::lock_guard<std::mutex> control(control_);
    if (lost()) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    Error e;
    arv_camera_set_string(camera_, "BalanceWhiteAuto", "Once", e.out());
    if (e) {
        return failureLocked(e.release());
    }
    std::lock_guard<std::mutex> lock(mutex_);
    autoUntil_ = Clock::now() + kWhiteBalanceSettling;
    return CAMERA_STATUS_SUCCESS;
}

void AravisDevice::refreshAutoValuesLocked()
{
    Settings s;
    bool whiteBalance = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (lost_ || closed_) {
            return;
        }
        s = settings_;
        whiteBalance = s.wbMode == 1 || Clock::now() < autoUntil_;
    }
    if (s.aeState != 1 && !whiteBalance) {
        return;
    }
    Settings fresh = s;
    readAutoValuesLocked(&fresh, s.aeState == 1, whiteBalance);
    std::lock_guard<std::mutex> lock(mutex_);
    if (s.aeState == 1) {
        settings_.exposureUs = fresh.exposureUs;
        settings_.analogGain = fresh.analogGain;
    }
    if (whiteBalance && map_.balanceRatio) {
        settings_.rGain = fresh.rGain;
        settings_.gGain = fresh.gGain;
        settings_.bGain = fresh.bGain;
    }
}

} // namespace vexo::aravis
