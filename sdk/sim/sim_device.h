// A simulated camera: a producer thread renders the scene at the camera's
// frame rate into a small ring of raw buffers.
#pragma once

#include "device_base.h"
#include "scene.h"

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

class SimDevice final : public sdk::DeviceBase
{
public:
    SimDevice(sdk::CameraModel model, sdk::StateStore store, std::unique_ptr<sdk::DeviceLock> lock,
              std::shared_ptr<SimControls> controls);
    ~SimDevice() override;
    SimDevice(const SimDevice &) = delete;
    SimDevice &operator=(const SimDevice &) = delete;

    CameraSdkStatus play() override;
    CameraSdkStatus pause() override;
    CameraSdkStatus fetchFrame(unsigned timeoutMs, std::shared_ptr<const sdk::Frame> *frame) override;
    CameraSdkStatus snap(const sdk::Region &region, unsigned timeoutMs,
                         std::shared_ptr<const sdk::Frame> *frame) override;
    CameraSdkStatus softTrigger() override;
    stFrameStatistic statistic() const override;

    CameraSdkStatus applySettings(const sdk::Settings &settings) override;
    CameraSdkStatus oneShotWhiteBalance() override;

    CameraSdkStatus saveGroup(int group) override;
    CameraSdkStatus loadGroup(int group) override;

    std::string nickname() const override;
    CameraSdkStatus setNickname(const std::string &name) override;
    uint32_t packetSize() const override;
    CameraSdkStatus setPacketSize(uint32_t bytes) override;
    uint32_t packetDelay() const override;
    CameraSdkStatus setPacketDelay(uint32_t microseconds) override;

    uint16_t firmwareVersion() const override;
    CameraSdkStatus upgrade(const sdk::FirmwareImage &image,
                            const std::function<bool(int)> &progress) override;

    bool busy() const override;
    void close() override;

    // Simulator controls. An unplugged device stays lost: the camera that
    // comes back is opened anew.
    void unplug();
    CameraSdkStatus fireTrigger(int line);

private:
    using Clock = std::chrono::steady_clock;

    void run();
    double frameRateLocked() const;
    bool pulsedLocked() const;
    void triggerLocked();
    void markLostLocked();
    std::shared_ptr<sdk::Frame> freeBufferLocked();
    void autoAdjustLocked(const sdk::Frame &frame);
    static double brightnessOf(const sdk::Settings &s);
    // Frame number index of region r as the sensor sees it with settings s; needs no lock.
    void render(sdk::Frame *frame, const sdk::Region &r, const sdk::Settings &s, uint64_t index) const;
    // The transport values a GigE camera keeps across power cycles.
    CameraSdkStatus persistGigeValue(uint32_t value, uint32_t lo, uint32_t hi,
                                     uint32_t sdk::PersistentState::*field);

    const std::shared_ptr<SimControls> controls_;
    SceneGenerator scene_;

    std::mutex closing_;
    // Under mutex_.
    std::condition_variable wake_;   // producer: something changed
    std::condition_variable frames_; // consumers: a frame arrived, or the camera went away
    bool playing_ = false;
    bool upgrading_ = false;
    int pendingTriggerFrames_ = 0;
    Clock::time_point triggerDue_{};
    Clock::time_point nextPulse_{};
    Clock::time_point nextFrame_{};
    const Clock::time_point start_;
    uint64_t frameIndex_ = 0;
    uint32_t total_ = 0, captured_ = 0, dropped_ = 0;
    std::vector<std::shared_ptr<sdk::Frame>> pool_;
    std::deque<std::shared_ptr<sdk::Frame>> ready_;
    std::thread producer_;
};

} // namespace vexo::sim
