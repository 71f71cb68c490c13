// The device interface between the C layer and a camera backend: the
// simulated cameras (sim/) and real GigE Vision / USB3 Vision cameras
// (aravis/) sit behind the same two classes.
//
// A lost device stays lost. Everything a caller set lives in settings(), so
// the same serial opened again from its backend and given those settings is
// the same camera as before: the C layer does exactly that
// (reconnecting_device.h), so a handle outlives a pulled cable.
#pragma once

#include "feature_tree.h"
#include "model.h"
#include "settings_features.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace vexo::sdk {

// One raw frame. Lent to the caller as a shared_ptr; a backend never writes
// into a frame somebody else still holds.
struct Frame
{
    std::vector<uint8_t> data;
    stImageInfo info{};
    int regionX = 0; // where the frame sits on the sensor (defect map)
    int regionY = 0;
};

// An opened camera. Every call may come from any thread.
class Device
{
public:
    Device() = default;
    virtual ~Device() = default;
    Device(const Device &) = delete;
    Device &operator=(const Device &) = delete;

    virtual const CameraModel &model() const = 0;

    virtual CameraSdkStatus play() = 0;
    virtual CameraSdkStatus pause() = 0;
    // Waits up to timeoutMs for the oldest frame not fetched yet.
    virtual CameraSdkStatus fetchFrame(unsigned timeoutMs, std::shared_ptr<const Frame> *frame) = 0;
    // One still of the given region, independent of the stream.
    virtual CameraSdkStatus snap(const Region &region, unsigned timeoutMs,
                                 std::shared_ptr<const Frame> *frame) = 0;
    virtual CameraSdkStatus softTrigger() = 0;
    virtual stFrameStatistic statistic() const = 0;
    // Link counters beyond frames; all zero where the link has none.
    virtual stTransportStatistic transportStatistic() const { return {}; }

    // Settings as they are now (auto exposure and auto white balance move them).
    virtual Settings settings() const = 0;
    // settings were checked with validateSettings() by the caller.
    virtual CameraSdkStatus applySettings(const Settings &settings) = 0;
    virtual CameraSdkStatus oneShotWhiteBalance() = 0;

    // Parameter groups 0..3 kept in the device; CAMERA_PARAMETER_GROUP_DEFAULT loads the factory set.
    virtual CameraSdkStatus saveGroup(int group) = 0;
    virtual CameraSdkStatus loadGroup(int group) = 0;
    virtual int currentGroup() const = 0;
    virtual int parameterMode() const = 0;
    virtual CameraSdkStatus setParameterMode(int mode) = 0;

    virtual std::string nickname() const = 0;
    virtual CameraSdkStatus setNickname(const std::string &name) = 0;
    virtual uint32_t packetSize() const = 0;
    virtual CameraSdkStatus setPacketSize(uint32_t bytes) = 0;
    virtual uint32_t packetDelay() const = 0;
    virtual CameraSdkStatus setPacketDelay(uint32_t microseconds) = 0;

    virtual uint16_t firmwareVersion() const = 0;
    // Writes a checked image; progress(0..100) may return false to abort.
    virtual CameraSdkStatus upgrade(const FirmwareImage &image, const std::function<bool(int)> &progress) = 0;

    // Every feature of the camera by name (feature_tree.h). The defaults describe
    // the settings above under the standard feature names and write through
    // applySettings() (settings_features.h); a backend with a description of
    // its own overrides all four.
    virtual CameraSdkStatus features(std::vector<FeatureInfo> *tree);
    virtual FeatureOutcome readFeature(const std::string &name, std::string *value);
    virtual FeatureOutcome writeFeature(const std::string &name, const std::string &value);
    virtual FeatureOutcome executeFeature(const std::string &name);

    // Unplugged devices answer CAMERA_STATUS_DEVICE_LOST; close() then returns
    // at once, whatever the camera still owes.
    virtual bool lost() const = 0;
    // handler runs once when the device is lost (at once if it already is),
    // on whichever thread noticed and possibly under the device's own locks:
    // it may only take note, never call back into the device.
    void onLost(std::function<void()> handler);
    // A lost device closed at once may still be saying goodbye to the camera
    // on a thread of its own; opening the camera again must wait until this
    // is true, or the goodbye could reach the new connection.
    virtual bool released() const { return true; }
    // True while an upgrade runs; the C layer refuses changes then.
    virtual bool busy() const = 0;
    // Stops streaming and gives the camera up (the open lock); later calls fail.
    virtual void close() = 0;

protected:
    // For the backends, when the device turns lost.
    void reportLost();

private:
    FeatureSelectors selectors_;
    std::mutex lostMutex_;
    std::function<void()> lostHandler_;
    bool lostReported_ = false;
};

// One kind of camera attachment: finds cameras and opens them.
class Backend
{
public:
    virtual ~Backend() = default;

    // Cameras present now, with their state (nickname, firmware, opened).
    struct Found
    {
        CameraModel model;
        std::string nickname;
        uint16_t firmwareVersion = 0;
        bool opened = false;
        std::string address; // GigE: the camera's address now, dotted
    };
    virtual CameraSdkStatus enumerate(std::vector<Found> *cameras) = 0;
    virtual CameraSdkStatus open(const std::string &serial, std::shared_ptr<Device> *device) = 0;
    virtual CameraSdkStatus gigeGetIp(const std::string &serial, stGigeInfo *info) = 0;
    virtual CameraSdkStatus gigeSetIp(const std::string &serial, const stGigeInfo &info) = 0;
};

} // namespace vexo::sdk
