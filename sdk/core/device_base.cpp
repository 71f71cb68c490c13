#include "device_base.h"

namespace vexo::sdk {

DeviceBase::DeviceBase(CameraModel model, StateStore store, std::unique_ptr<DeviceLock> lock)
    : model_(std::move(model)), store_(std::move(store)), lock_(std::move(lock))
{
}

Settings DeviceBase::loadState()
{
    PersistentState loaded = store_.load(model_);
    std::lock_guard<std::mutex> lock(mutex_);
    state_ = std::move(loaded);
    return groupSettingsLocked(state_.currentGroup);
}

Settings DeviceBase::groupSettingsLocked(int group) const
{
    return state_.groupSaved[group] ? state_.groups[group] : defaultSettings(model_);
}

CameraSdkStatus DeviceBase::persist(const std::function<void(PersistentState &)> &change)
{
    PersistentState result;
    if (!store_.update(model_, change, &result)) {
        return CAMERA_STATUS_IO_ERROR;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    state_ = std::move(result);
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus DeviceBase::persistGroup(int group, const Settings &settings)
{
    return persist([&](PersistentState &st) {
        st.groups[group] = settings;
        st.groupSaved[group] = true;
        st.currentGroup = group;
    });
}

CameraSdkStatus DeviceBase::persistCurrentGroup(int group)
{
    return persist([&](PersistentState &st) { st.currentGroup = group; });
}

Settings DeviceBase::settings() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return settings_;
}

int DeviceBase::currentGroup() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return state_.currentGroup;
}

int DeviceBase::parameterMode() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return state_.parameterMode;
}

CameraSdkStatus DeviceBase::setParameterMode(int mode)
{
    if (mode < 0 || mode > 2) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    return persist([&](PersistentState &st) { st.parameterMode = mode; });
}

bool DeviceBase::lost() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return lost_;
}

bool DeviceBase::closed() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return closed_;
}

} // namespace vexo::sdk
