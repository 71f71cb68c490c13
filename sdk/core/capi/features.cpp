// The C functions of VexoCameraSDK.h's "Features" section and the link
// counters, over the device interface.

#include "VexoCameraSDK.h"

#include "feature_tree.h"
#include "guards.h"

#include <cstring>

using namespace vexo::capi;
using namespace vexo::sdk;

namespace {

// onSession's guard (guards.h), with the reason of every outcome kept for
// CameraGetFeatureError. write: refused while an upgrade runs.
template<typename F>
CameraSdkStatus onFeatures(CameraHandle handle, bool write, F &&f)
{
    const std::shared_ptr<Session> s = lib().session(handle);
    if (!s) {
        return CAMERA_STATUS_INVALID_HANDLE;
    }
    FeatureOutcome outcome;
    if (s->device->lost()) {
        outcome = FeatureOutcome::fail(CAMERA_STATUS_DEVICE_LOST, "the camera was lost");
    } else if (write && s->device->busy()) {
        outcome = FeatureOutcome::fail(CAMERA_STATUS_BUSY, "the camera is being upgraded");
    } else {
        outcome = f(*s);
    }
    std::lock_guard<std::mutex> lock(s->mutex);
    s->featureError = outcome.reason;
    return outcome.status;
}

// A name from the caller, read no further than a name can be long.
FeatureOutcome checkName(const char *name)
{
    if (!isFeatureName(name, kMaxFeatureName + 1)) {
        return FeatureOutcome::fail(CAMERA_STATUS_INVALID_ARGUMENT, "not a feature name");
    }
    return FeatureOutcome::ok();
}

void fillInfo(const FeatureInfo &f, stFeatureInfo *out)
{
    std::memset(out, 0, sizeof *out);
    copyText(out->acName, sizeof out->acName, f.name);
    copyText(out->acDisplayName, sizeof out->acDisplayName, f.displayName);
    copyText(out->acCategory, sizeof out->acCategory, f.category);
    copyText(out->acUnit, sizeof out->acUnit, f.unit);
    out->iType = static_cast<int32_t>(f.type);
    out->iAccess = static_cast<int32_t>(f.access);
    out->iMin = f.intMin;
    out->iMax = f.intMax;
    out->iIncrement = f.intIncrement;
    out->dMin = f.floatMin;
    out->dMax = f.floatMax;
    out->dIncrement = f.floatIncrement;
    out->iEntries = static_cast<int32_t>(f.entries.size());
    out->iVisibility = f.visibility;
    // A value too long for the record is left out rather than cut: a cut
    // value would read as another one. CameraGetFeatureValue gives it whole.
    if (f.value.size() < sizeof out->acValue) {
        copyText(out->acValue, sizeof out->acValue, f.value);
    }
    copyText(out->acDescription, sizeof out->acDescription, f.description);
}

} // namespace

CameraSdkStatus CameraGetTransportStatistic(CameraHandle handle, stTransportStatistic *statistic)
{
    return call(
        "CameraGetTransportStatistic", false,
        [&] {
            const std::shared_ptr<Session> s = lib().session(handle);
            if (!s) {
                return CAMERA_STATUS_INVALID_HANDLE;
            }
            if (statistic == nullptr) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            *statistic = s->device->transportStatistic(); // readable after a loss too
            return CAMERA_STATUS_SUCCESS;
        },
        handle, statistic);
}

CameraSdkStatus CameraGetFeatureCount(CameraHandle handle, int *count)
{
    return call(
        "CameraGetFeatureCount", true,
        [&] {
            return onFeatures(handle, false, [&](Session &s) {
                if (count == nullptr) {
                    return FeatureOutcome::fail(CAMERA_STATUS_INVALID_ARGUMENT, "no count to fill");
                }
                std::vector<FeatureInfo> tree;
                const CameraSdkStatus status = s.device->features(&tree);
                if (status != CAMERA_STATUS_SUCCESS) {
                    return FeatureOutcome::fail(status, "the camera's features cannot be read");
                }
                *count = static_cast<int>(tree.size());
                std::lock_guard<std::mutex> lock(s.mutex);
                s.features = std::move(tree);
                return FeatureOutcome::ok();
            });
        },
        handle, count);
}

CameraSdkStatus CameraGetFeatureInfo(CameraHandle handle, int index, stFeatureInfo *info)
{
    return call(
        "CameraGetFeatureInfo", false,
        [&] {
            return onFeatures(handle, false, [&](Session &s) {
                std::lock_guard<std::mutex> lock(s.mutex);
                if (info == nullptr || index < 0 || static_cast<size_t>(index) >= s.features.size()) {
                    return FeatureOutcome::fail(CAMERA_STATUS_INVALID_ARGUMENT, "no such feature index");
                }
                fillInfo(s.features[static_cast<size_t>(index)], info);
                return FeatureOutcome::ok();
            });
        },
        handle, index, info);
}

CameraSdkStatus CameraGetFeatureEntry(CameraHandle handle, int index, int entry, stFeatureEntry *out)
{
    return call(
        "CameraGetFeatureEntry", false,
        [&] {
            return onFeatures(handle, false, [&](Session &s) {
                std::lock_guard<std::mutex> lock(s.mutex);
                if (out == nullptr || index < 0 || static_cast<size_t>(index) >= s.features.size()) {
                    return FeatureOutcome::fail(CAMERA_STATUS_INVALID_ARGUMENT, "no such feature index");
                }
                const FeatureInfo &f = s.features[static_cast<size_t>(index)];
                if (entry < 0 || static_cast<size_t>(entry) >= f.entries.size()) {
                    return FeatureOutcome::fail(CAMERA_STATUS_INVALID_ARGUMENT, "no such entry");
                }
                const FeatureEntry &e = f.entries[static_cast<size_t>(entry)];
                std::memset(out, 0, sizeof *out);
                copyText(out->acName, sizeof out->acName, e.name);
                copyText(out->acDisplayName, sizeof out->acDisplayName, e.displayName);
                out->iValue = e.value;
                out->iAvailable = e.available ? 1 : 0;
                return FeatureOutcome::ok();
            });
        },
        handle, index, entry, out);
}

CameraSdkStatus CameraGetFeatureValue(CameraHandle handle, const char *name, char *value, int size)
{
    return call(
        "CameraGetFeatureValue", true,
        [&] {
            return onFeatures(handle, false, [&](Session &s) {
                FeatureOutcome outcome = checkName(name);
                if (outcome.status != CAMERA_STATUS_SUCCESS) {
                    return outcome;
                }
                if (value == nullptr || size <= 0) {
                    return FeatureOutcome::fail(CAMERA_STATUS_INVALID_ARGUMENT, "no buffer for the value");
                }
                std::string text;
                outcome = s.device->readFeature(name, &text);
                if (outcome.status != CAMERA_STATUS_SUCCESS) {
                    return outcome;
                }
                if (text.size() >= static_cast<size_t>(size)) {
                    return FeatureOutcome::fail(CAMERA_STATUS_INVALID_ARGUMENT,
                                                "the value needs " + std::to_string(text.size() + 1) +
                                                    " bytes");
                }
                std::memcpy(value, text.c_str(), text.size() + 1);
                return outcome;
            });
        },
        handle, name, value, size);
}

CameraSdkStatus CameraSetFeatureValue(CameraHandle handle, const char *name, const char *value)
{
    return call(
        "CameraSetFeatureValue", true,
        [&] {
            return onFeatures(handle, true, [&](Session &s) {
                FeatureOutcome outcome = checkName(name);
                if (outcome.status != CAMERA_STATUS_SUCCESS) {
                    return outcome;
                }
                if (value == nullptr || strnlen(value, kMaxFeatureValue + 1) > kMaxFeatureValue) {
                    return FeatureOutcome::fail(CAMERA_STATUS_INVALID_ARGUMENT,
                                                "no value, or longer than " +
                                                    std::to_string(kMaxFeatureValue) + " bytes");
                }
                return s.device->writeFeature(name, value);
            });
        },
        handle, name, value);
}

CameraSdkStatus CameraExecuteFeature(CameraHandle handle, const char *name)
{
    return call(
        "CameraExecuteFeature", true,
        [&] {
            return onFeatures(handle, true, [&](Session &s) {
                const FeatureOutcome outcome = checkName(name);
                return outcome.status != CAMERA_STATUS_SUCCESS ? outcome : s.device->executeFeature(name);
            });
        },
        handle, name);
}

CameraSdkStatus CameraGetFeatureError(CameraHandle handle, char *reason, int size)
{
    return call(
        "CameraGetFeatureError", false,
        [&] {
            const std::shared_ptr<Session> s = lib().session(handle);
            if (!s) {
                return CAMERA_STATUS_INVALID_HANDLE;
            }
            if (reason == nullptr || size <= 0) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            std::lock_guard<std::mutex> lock(s->mutex);
            // Cut at a character boundary, so a cut reason stays valid UTF-8.
            size_t n = std::min(static_cast<size_t>(size) - 1, s->featureError.size());
            while (n > 0 && n < s->featureError.size() && (s->featureError[n] & 0xC0) == 0x80) {
                --n;
            }
            std::memcpy(reason, s->featureError.data(), n);
            reason[n] = '\0';
            return CAMERA_STATUS_SUCCESS;
        },
        handle, reason, size);
}
