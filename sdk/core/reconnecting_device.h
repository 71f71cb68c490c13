// The device behind a handle: the opened camera of a backend, replaced by the
// same camera opened again after a loss. While lost it answers
// CAMERA_STATUS_DEVICE_LOST like the device it stands for; once resumed it
// carries the settings, the streaming state and the packet settings of the
// moment of the loss, and its frame counters go on from where they were. The
// packet settings are those set through this handle, by their calls or by
// their features (GevSCPSPacketSize, GevSCPD), whichever came last.
//
// Finding the camera again is the caller's business (capi/reconnector.h):
// after a loss it calls retire(), waits for released(), opens the serial and
// hands the new device to resume().
#pragma once

#include "device.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace vexo::sdk {

class ReconnectingDevice final : public Device
{
public:
    explicit ReconnectingDevice(std::shared_ptr<Device> device);
    ~ReconnectingDevice() override;

    // notice is told (possibly under the device's locks) whenever the
    // current device is lost; it may only take note.
    void watchLoss(std::function<void()> notice);

    const CameraModel &model() const override { return model_; }

    CameraSdkStatus play() override;
    CameraSdkStatus pause() override;
    CameraSdkStatus fetchFrame(unsigned timeoutMs, std::shared_ptr<const Frame> *frame) override;
    CameraSdkStatus snap(const Region &region, unsigned timeoutMs,
                         std::shared_ptr<const Frame> *frame) override;
    CameraSdkStatus softTrigger() override;
    stFrameStatistic statistic() const override;
    stTransportStatistic transportStatistic() const override;

    Settings settings() const override;
    CameraSdkStatus applySettings(const Settings &settings) override;
    CameraSdkStatus oneShotWhiteBalance() override;

    CameraSdkStatus saveGroup(int group) override;
    CameraSdkStatus loadGroup(int group) override;
    int currentGroup() const override;
    int parameterMode() const override;
    CameraSdkStatus setParameterMode(int mode) override;

    std::string nickname() const override;
    CameraSdkStatus setNickname(const std::string &name) override;
    uint32_t packetSize() const override;
    CameraSdkStatus setPacketSize(uint32_t bytes) override;
    uint32_t packetDelay() const override;
    CameraSdkStatus setPacketDelay(uint32_t microseconds) override;

    CameraSdkStatus features(std::vector<FeatureInfo> *tree) override;
    FeatureOutcome readFeature(const std::string &name, std::string *value) override;
    FeatureOutcome writeFeature(const std::string &name, const std::string &value) override;
    FeatureOutcome executeFeature(const std::string &name) override;

    uint16_t firmwareVersion() const override;
    CameraSdkStatus upgrade(const FirmwareImage &image, const std::function<bool(int)> &progress) override;

    bool lost() const override;
    bool released() const override;
    bool busy() const override;
    // Immediate for a lost camera; a resume still under way gives up.
    void close() override;

    bool closed() const;
    // A lost device is closed and what it had is kept for resume(); nothing
    // happens while the device is there.
    void retire();
    // Takes fresh (the same camera, opened again) after retire(): applies the
    // kept settings and streams again if it streamed. On failure fresh is
    // left to the caller to close and the device stays lost.
    CameraSdkStatus resume(std::shared_ptr<Device> fresh);

private:
    using Clock = std::chrono::steady_clock;

    struct Counters
    {
        uint64_t total = 0, captured = 0, lost = 0;
    };

    // A packet setting set through this handle: by its call, or by its
    // feature as the camera read it back (in the camera's own units).
    struct Remembered
    {
        std::optional<uint32_t> value;
        std::optional<std::string> featureValue;
    };

    std::shared_ptr<Device> current() const;
    // A failure of a call made while the camera went away is the loss.
    CameraSdkStatus answer(CameraSdkStatus status) const;
    FeatureOutcome answer(FeatureOutcome outcome) const;
    uint64_t gapFramesLocked(Clock::time_point now) const;
    // The memory a feature of that name writes to (read and written under
    // mutex_); nullptr for the others.
    Remembered *memoryOf(const std::string &feature);
    // Sets what was remembered on the camera opened again.
    static void reapply(Device &fresh, const char *feature, const Remembered &remembered,
                        CameraSdkStatus (Device::*set)(uint32_t));

    const CameraModel model_;

    mutable std::mutex mutex_;
    std::function<void()> lostNotice_;
    std::shared_ptr<Device> device_;
    bool retired_ = false;
    bool closed_ = false;
    bool playing_ = false;
    Remembered packetSize_, packetDelay_;
    Settings kept_;                          // at the loss
    Clock::time_point lostAt_{};             // when retire() took the device out
    double gapRate_ = 0.0;                   // frames a second the camera would have sent meanwhile
    Counters before_;                        // of the devices retired so far, gaps included
    stTransportStatistic transportBefore_{}; // of the devices retired so far
};

} // namespace vexo::sdk
