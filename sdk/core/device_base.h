// The bookkeeping every backend's opened camera does the same way: what the
// camera is, its settings as the library holds them, what it keeps in the
// state directory (parameter groups, parameter mode), the open lock, and
// whether it is lost or closed. A backend adds how frames and settings reach
// its cameras.
#pragma once

#include "device.h"
#include "state_store.h"

#include <functional>
#include <memory>
#include <mutex>

namespace vexo::sdk {

class DeviceBase : public Device
{
public:
    const CameraModel &model() const override { return model_; }
    Settings settings() const override;
    int currentGroup() const override;
    int parameterMode() const override;
    CameraSdkStatus setParameterMode(int mode) override;
    bool lost() const override;
    bool closed() const;

protected:
    DeviceBase(CameraModel model, StateStore store, std::unique_ptr<DeviceLock> lock);

    // Reads the stored state; returns the settings of its current group.
    Settings loadState();
    // A group as stored, or the defaults when it was never saved.
    Settings groupSettingsLocked(int group) const;
    // Changes the stored state under the lock all processes share.
    CameraSdkStatus persist(const std::function<void(PersistentState &)> &change);
    // Stores settings as the group and makes it the current one.
    CameraSdkStatus persistGroup(int group, const Settings &settings);
    CameraSdkStatus persistCurrentGroup(int group);

    // Set before the device is shared (a real camera's is learnt at open),
    // read-only afterwards.
    CameraModel model_;
    const StateStore store_;
    std::unique_ptr<DeviceLock> lock_; // the open lock; released when closed

    // Guards the members below and whatever a backend keeps under it.
    mutable std::mutex mutex_;
    Settings settings_;
    PersistentState state_;
    bool lost_ = false;
    bool closed_ = false;
};

} // namespace vexo::sdk
