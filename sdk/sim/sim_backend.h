// The simulated cameras as a backend: the camera set, their state directory,
// and the simulator controls (unplug, triggers, upgrade speed).
#pragma once

#include "device.h"
#include "sim_device.h"

#include <map>
#include <mutex>
#include <set>

namespace vexo::sim {

class SimBackend final : public sdk::Backend
{
public:
    SimBackend();

    CameraSdkStatus enumerate(std::vector<Found> *cameras) override;
    CameraSdkStatus open(const std::string &serial, std::shared_ptr<sdk::Device> *device) override;
    CameraSdkStatus gigeGetIp(const std::string &serial, stGigeInfo *info) override;
    CameraSdkStatus gigeSetIp(const std::string &serial, const stGigeInfo &info) override;

    // path null: the built-in set. A bad file leaves no cameras and makes
    // enumeration fail until a good set is loaded.
    CameraSdkStatus loadCameraSet(const char *path);
    CameraSdkStatus unplug(const std::string &serial);
    CameraSdkStatus replug(const std::string &serial);
    CameraSdkStatus fireTrigger(const std::string &serial, int line);
    void setUpgradeDuration(int milliseconds);

private:
    CameraSdkStatus ensureLoadedLocked();
    // The set in the file at path; an unreadable or bad file leaves the set as it was.
    CameraSdkStatus readCameraSetLocked(const char *path);
    const sdk::CameraModel *findLocked(const std::string &serial) const;
    // A listed, plugged-in GigE camera.
    CameraSdkStatus gigeModelLocked(const std::string &serial, const sdk::CameraModel **model);
    bool unpluggedLocked(const std::string &serial) const;
    std::shared_ptr<SimDevice> openDeviceLocked(const std::string &serial) const;
    void fillGige(const sdk::CameraModel &model, const sdk::PersistentState &state, stGigeInfo *info) const;
    static sdk::StateStore store();

    std::mutex mutex_;
    bool loaded_ = false;
    CameraSdkStatus setStatus_ = CAMERA_STATUS_SUCCESS;
    sdk::CameraSet set_;
    std::set<std::string> unplugged_;
    std::map<std::string, std::weak_ptr<SimDevice>> open_;
    std::shared_ptr<SimControls> controls_;
};

} // namespace vexo::sim
