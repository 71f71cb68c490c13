// A simulated camera: a producer thread renders the scene at the camera's
// frame rate into a small ring of raw buffers.
#pragma once

#include "device.h"
#include "scene.h"
#include "state_store.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace vexo::sim {

// Simulator-wide knobs every simulated camera reads.
struct SimControls
{
    std::atomic<int> upgradeDurationMs{4000};
};

class SimDevice final : public Device
{
public:
    SimDevice(CameraModel model, StateStore store, std::unique_ptr<DeviceLock> lock,
              std::shared_ptr<SimControls> controls);
    ~SimDevice() override;
    SimDevice(const SimDevice &) = delete;
    SimDevice &operator=(const SimDevice &) = delete;

    const CameraModel &model() const override { return model_; }

    CameraSdkStatus play() override;
    CameraSdkStatus pause() override;
    CameraSdkStatus fetchFrame(unsigned timeoutMs, std::shared_ptr<const Frame> *frame) override;
    CameraSdkStatus snap(const Region &region, unsigned timeoutMs,
                         std::shared_ptr<const Frame> *frame) override;
    CameraSdkStatus softTrigger() override;
    stFrameStatistic statistic() const override;

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

    uint16_t firmwareVersion() const override;
    CameraSdkStatus upgrade(const FirmwareImage &image, const std::function<bool(int)> &progress) override;

    bool lost() const override;
    bool busy() const override;
    void close() override;

    // Simulator controls. An unplugged device stays lost: the camera that
    // comes back is opened anew.
    void unplug();
    CameraSdkStatus fireTrigger(int line);
    bool closed() const;

private:
    using Clock = std::chrono::steady_clock;

    void run();
    double frameRateLocked() const;
    bool pulsedLocked() const;
    void triggerLocked();
    void markLostLocked();
    std::shared_ptr<Frame> freeBufferLocked();
    void autoAdjustLocked(const Frame &frame);
    static double brightnessOf(const Settings &s);
    CameraSdkStatus persist(const std::function<void(PersistentState &)> &change);

    const CameraModel model_;
    const StateStore store_;
    std::unique_ptr<DeviceLock> lock_;
    const std::shared_ptr<SimControls> controls_;
    SceneGenerator scene_;

    std::mutex closing_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;   // producer: something changed
    std::condition_variable frames_; // consumers: a frame arrived, or the camera went away
    Settings settings_;
    PersistentState state_;
    bool playing_ = false;
    bool lost_ = false; // unplugged here, or the unplug marker was seen
    bool closed_ = false;
    bool upgrading_ = false;
    int pendingTriggerFrames_ = 0;
    Clock::time_point triggerDue_{};
    Clock::time_point nextPulse_{};
    Clock::time_point nextFrame_{};
    const Clock::time_point start_;
    uint64_t frameIndex_ = 0;
    uint32_t total_ = 0, captured_ = 0, dropped_ = 0;
    std::vector<std::shared_ptr<Frame>> pool_;
    std::deque<std::shared_ptr<Frame>> ready_;
    std::thread producer_;
};

} // namespace vexo::sim
