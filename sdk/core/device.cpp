#include "device.h"

namespace vexo::sdk {

void Device::onLost(std::function<void()> handler)
{
    bool already = false;
    {
        std::lock_guard<std::mutex> lock(lostMutex_);
        lostHandler_ = handler;
        already = lostReported_;
    }
    // A loss that came before anybody listened is told now.
    if (already && handler) {
        handler();
    }
}

void Device::reportLost()
{
    std::function<void()> handler;
    {
        std::lock_guard<std::mutex> lock(lostMutex_);
        if (lostReported_) {
            return;
        }
        lostReported_ = true;
        handler = lostHandler_;
    }
    if (handler) {
        handler();
    }
}

CameraSdkStatus Device::features(std::vector<FeatureInfo> *tree)
{
    *tree = describeSettingsFeatures(*this, selectors_);
    return CAMERA_STATUS_SUCCESS;
}

FeatureOutcome Device::readFeature(const std::string &name, std::string *value)
{
    const std::vector<FeatureInfo> tree = describeSettingsFeatures(*this, selectors_);
    const FeatureInfo *f = findFeature(tree, name);
    if (f == nullptr || f->type == FeatureType::Category) {
        return FeatureOutcome::fail(CAMERA_STATUS_NOT_SUPPORTED, "the camera has no feature " + name);
    }
    if (!f->readable()) {
        return FeatureOutcome::fail(CAMERA_STATUS_ACCESS_DENIED, name + " cannot be read now");
    }
    *value = f->value;
    return FeatureOutcome::ok();
}

FeatureOutcome Device::writeFeature(const std::string &name, const std::string &value)
{
    return writeSettingsFeature(*this, selectors_, name, value);
}

FeatureOutcome Device::executeFeature(const std::string &name)
{
    return executeSettingsFeature(*this, selectors_, name);
}

} // namespace vexo::sdk
