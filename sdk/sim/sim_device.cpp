#include "sim_device.h"

#include <algorithm>
#include <atomic>
#include <cmath>

namespace vexo::sim {

using namespace vexo::sdk;

namespace {

constexpr size_t kRingFrames = 3; // frames waiting to be fetched
constexpr size_t kPoolFrames = 8; // buffers kept for reuse

} // namespace

SimDevice::SimDevice(CameraModel model, StateStore store, std::unique_ptr<DeviceLock> lock,
                     std::shared_ptr<SimControls> controls)
    : DeviceBase(std::move(model), std::move(store), std::move(lock)), controls_(std::move(controls)),
      scene_(model_.sensorWidth, model_.sensorHeight, model_.color), start_(Clock::now())
{
    scene_.setDefects(model_.defects);
    settings_ = loadState();
    producer_ = std::thread([this] { run(); });
}

SimDevice::~SimDevice()
{
    close();
}

void SimDevice::close()
{
    // A handle closed while its lost device is being retired is closed twice
    // at once; the second waits for the first.
    std::lock_guard<std::mutex> closing(closing_);
    {
        std::unique_lock<std::mutex> lock(mutex_);
        closed_ = true;
        playing_ = false;
        wake_.notify_all();
        frames_.notify_all();
        // An upgrade in progress notices closed_ and stops; wait for it so the
        // camera is not released under its feet.
        frames_.wait(lock, [this] { return !upgrading_; });
    }
    if (producer_.joinable() && producer_.get_id() != std::this_thread::get_id()) {
        producer_.join();
    }
    std::lock_guard<std::mutex> lock(mutex_);
    lock_.reset();
}

double SimDevice::brightnessOf(const Settings &s)
{
    return (s.exposureUs / 10000.0) * (s.analogGain / 1000.0);
}

double SimDevice::frameRateLocked() const
{
    return nominalFrameRate(model_, settings_);
}

std::shared_ptr<Frame> SimDevice::freeBufferLocked()
{
    for (const auto &p : pool_) {
        if (p.use_count() == 1) {
            // Pairs with the release in the last holder's shared_ptr destructor:
            // its reads of the pixels are done before we write new ones.
            std::atomic_thread_fence(std::memory_order_acquire);
            return p;
        }
    }
    if (!ready_.empty()) {
        // Overwrite the oldest frame nobody fetched.
        std::shared_ptr<Frame> oldest = std::move(ready_.front());
        ready_.pop_front();
        ++dropped_;
        if (oldest.use_count() == 2) {
            std::atomic_thread_fence(std::memory_order_acquire);
            return oldest;
        }
    }
    auto fresh = std::make_shared<Frame>();
    if (pool_.size() < kPoolFrames) {
        pool_.push_back(fresh);
    }
    return fresh;
}

bool SimDevice::pulsedLocked() const
{
    return model_.triggerPulseHz > 0.0 && settings_.triggerMode == CAMERA_TRIGGER_HARDWARE &&
           model_.inputLines > 0 && settings_.inputs[0].mode == 0;
}

void SimDevice::triggerLocked()
{
    // Edges that arrive faster than the sensor can serve them are not queued forever.
    pendingTriggerFrames_ = std::min(pendingTriggerFrames_ + settings_.triggerFrameCount, 1000);
    triggerDue_ = Clock::now() + std::chrono::microseconds(settings_.triggerDelayUs);
    wake_.notify_all();
}

void SimDevice::run()
{
    // Unplugs made by other processes show up within this period.
    constexpr auto kPoll = std::chrono::milliseconds(200);
    std::unique_lock<std::mutex> lock(mutex_);
    nextFrame_ = Clock::now();
    nextPulse_ = Clock::now();
    Clock::time_point nextPoll = Clock::now();
    while (!closed_) {
        if (Clock::now() >= nextPoll) {
            const bool watching = !lost_;
            lock.unlock();
            const bool marked = watching && store_.isUnplugged(model_.serial);
            lock.lock();
            nextPoll = Clock::now() + kPoll;
            if (marked) {
                markLostLocked();
            }
            continue;
        }
        const bool continuous = settings_.triggerMode == CAMERA_TRIGGER_CONTINUOUS;
        const bool running = playing_ && !lost_ && !upgrading_;
        if (running && pulsedLocked()) {
            // A pulse generator wired to input line 0.
            const Clock::time_point now = Clock::now();
            if (now >= nextPulse_) {
                triggerLocked();
                const auto period = std::chrono::duration_cast<Clock::duration>(
                    std::chrono::duration<double>(1.0 / model_.triggerPulseHz));
                nextPulse_ = (now - nextPulse_ > period) ? now + period : nextPulse_ + period;
            }
            if (pendingTriggerFrames_ == 0) {
                wake_.wait_until(lock, std::min(nextPulse_, nextPoll));
                continue;
            }
        }
        if (!running || (!continuous && pendingTriggerFrames_ == 0)) {
            wake_.wait_until(lock, nextPoll);
            nextFrame_ = std::max(nextFrame_, Clock::now());
            nextPulse_ = std::max(nextPulse_, Clock::now());
            continue;
        }
        Clock::time_point due = nextFrame_;
        if (!continuous) {
            due = std::max(due, triggerDue_);
        }
        const Clock::time_point now = Clock::now();
        if (now < due) {
            wake_.wait_until(lock, std::min(due, nextPoll));
            continue; // settings or state may have changed meanwhile
        }
        const auto period = std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(1.0 / frameRateLocked()));
        // Keep the rate steady, but never try to catch up a backlog.
        nextFrame_ = (now - due > period) ? now + period : due + period;

        const Settings s = settings_;
        std::shared_ptr<Frame> frame = freeBufferLocked();
        const uint64_t index = ++frameIndex_;
        lock.unlock();

        render(frame.get(), s.region, s, index);

        lock.lock();
        if (closed_) {
            break;
        }
        ++total_;
        if (lost_) {
            continue; // unplugged while the frame was on its way
        }
        ++captured_;
        if (!continuous && pendingTriggerFrames_ > 0) {
            --pendingTriggerFrames_;
        }
        ready_.push_back(frame);
        while (ready_.size() > kRingFrames) {
            ready_.pop_front();
            ++dropped_;
        }
        autoAdjustLocked(*frame);
        frames_.notify_all();
    }
}

void SimDevice::render(Frame *frame, const Region &r, const Settings &s, uint64_t index) const
{
    frame->data.resize(static_cast<size_t>(r.width) * r.height);
    scene_.renderRegion(frame->data.data(), r.width, r.x, r.y, r.width, r.height, index, brightnessOf(s));
    frame->regionX = r.x;
    frame->regionY = r.y;
    stImageInfo &info = frame->info;
    info = stImageInfo{};
    info.uiWidth = static_cast<uint32_t>(r.width);
    info.uiHeight = static_cast<uint32_t>(r.height);
    info.uiBytes = static_cast<uint32_t>(frame->data.size());
    info.uiMediaType = s.sensorFormat;
    info.uiFrameId = static_cast<uint32_t>(index);
    info.uiExposureUs = static_cast<uint32_t>(std::lround(s.exposureUs));
    info.uiGain = static_cast<uint32_t>(s.analogGain);
    info.uiTimestamp = static_cast<uint64_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start_).count());
}

void SimDevice::autoAdjustLocked(const Frame &frame)
{
    const int w = static_cast<int>(frame.info.uiWidth);
    const int h = static_cast<int>(frame.info.uiHeight);
    const uint8_t *p = frame.data.data();
    if (w < 2 || h < 2) {
        return;
    }
    // Sample 2x2 cells on a coarse grid: cheap, and a cell holds every Bayer colour.
    const int step = std::max(8, std::min(w, h) / 64) & ~1;
    uint64_t sum = 0, red = 0, green = 0, blue = 0, cells = 0;
    for (int y = 0; y + 1 < h; y += step) {
        const uint8_t *row = p + static_cast<size_t>(y) * w;
        const uint8_t *next = row + w;
        for (int x = 0; x + 1 < w; x += step) {
            const uint32_t a = row[x], b = row[x + 1], c = next[x], d = next[x + 1];
            sum += a + b + c + d;
            red += a;
            green += b + c;
            blue += d;
            ++cells;
        }
    }
    if (cells == 0) {
        return;
    }
    Settings &s = settings_;
    if (s.aeState == 1) {
        const double mean = static_cast<double>(sum) / (4.0 * cells);
        const double target = std::max(1, s.aeTarget);
        double ratio = std::clamp(target / std::max(1.0, mean), 0.25, 4.0);
        ratio = std::pow(ratio, 0.6); // damped so it settles instead of hunting
        const double product = s.exposureUs * (s.analogGain / 1000.0) * ratio;
        const double gainMin = s.aeGainMin / 1000.0;
        double exposure = std::clamp(product / gainMin, s.aeExposureMinUs, s.aeExposureMaxUs);
        if (s.antiFlick == 1) {
            // Whole mains half-periods keep the lights from beating with the frames.
            const double period = s.lightFrequency == 2 ? 1e6 / 120.0 : 1e6 / 100.0;
            if (exposure >= period) {
                exposure = std::max(s.aeExposureMinUs, std::floor(exposure / period) * period);
            }
        }
        const double line = model_.lineTimeUs;
        exposure = std::max(model_.exposureLinesMin * line, std::round(exposure / line) * line);
        s.exposureUs = exposure;
        s.analogGain = static_cast<int>(
            std::lround(std::clamp(product / exposure * 1000.0, static_cast<double>(s.aeGainMin),
                                   static_cast<double>(s.aeGainMax))));
    }
    if (s.wbMode == 1 && model_.color && frame.info.uiMediaType == CAMERA_MEDIA_TYPE_BAYRG8) {
        const double g = std::max<double>(1, green / 2.0);
        const auto gain = [&](uint64_t c) {
            return static_cast<int>(std::lround(std::clamp(100.0 * g / std::max<double>(1, c), 0.0, 400.0)));
        };
        s.rGain = gain(red);
        s.gGain = 100;
        s.bGain = gain(blue);
    }
}

CameraSdkStatus SimDevice::play()
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (lost_) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    if (!playing_) {
        playing_ = true;
        nextFrame_ = Clock::now();
        wake_.notify_all();
    }
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus SimDevice::pause()
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (lost_) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    playing_ = false;
    wake_.notify_all();
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus SimDevice::fetchFrame(unsigned timeoutMs, std::shared_ptr<const Frame> *frame)
{
    std::unique_lock<std::mutex> lock(mutex_);
    frames_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                     [this] { return !ready_.empty() || lost_ || closed_; });
    if (closed_) {
        return CAMERA_STATUS_INVALID_HANDLE;
    }
    if (lost_) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    if (ready_.empty()) {
        return CAMERA_STATUS_TIMEOUT;
    }
    *frame = std::move(ready_.front());
    ready_.pop_front();
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus SimDevice::snap(const Region &region, unsigned timeoutMs, std::shared_ptr<const Frame> *out)
{
    Settings s;
    uint64_t index = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (lost_) {
            return CAMERA_STATUS_DEVICE_LOST;
        }
        s = settings_;
        index = frameIndex_;
    }
    auto frame = std::make_shared<Frame>();
    render(frame.get(), region, s, index);
    *out = std::move(frame);
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus SimDevice::softTrigger()
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (lost_) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    if (settings_.triggerMode != CAMERA_TRIGGER_SOFTWARE) {
        return CAMERA_STATUS_FAILED;
    }
    triggerLocked();
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus SimDevice::fireTrigger(int line)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (lost_) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    if (line < 0 || line >= model_.inputLines) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    InputLine &in = settings_.inputs[line];
    if (in.mode == 1) {
        in.state ^= 1; // a general input just changes level
        return CAMERA_STATUS_SUCCESS;
    }
    if (settings_.triggerMode != CAMERA_TRIGGER_HARDWARE) {
        return CAMERA_STATUS_FAILED;
    }
    triggerLocked();
    return CAMERA_STATUS_SUCCESS;
}

stFrameStatistic SimDevice::statistic() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    stFrameStatistic s{};
    s.iTotal = total_;
    s.iCapture = captured_;
    s.iLost = dropped_;
    return s;
}

CameraSdkStatus SimDevice::applySettings(const Settings &settings)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (lost_) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    const Region &a = settings_.region;
    const Region &b = settings.region;
    if (a.x != b.x || a.y != b.y || a.width != b.width || a.height != b.height) {
        ready_.clear(); // frames of the old size are stale
    }
    if (settings.triggerMode != settings_.triggerMode) {
        pendingTriggerFrames_ = 0;
        ready_.clear();
    }
    settings_ = settings;
    wake_.notify_all();
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus SimDevice::oneShotWhiteBalance()
{
    Settings s = settings();
    if (!model_.color) {
        return CAMERA_STATUS_SUCCESS; // nothing to balance
    }
    Frame frame;
    frame.data.resize(static_cast<size_t>(s.region.width) * s.region.height);
    scene_.renderRegion(frame.data.data(), s.region.width, s.region.x, s.region.y, s.region.width,
                        s.region.height, 0, brightnessOf(s));
    frame.info.uiWidth = static_cast<uint32_t>(s.region.width);
    frame.info.uiHeight = static_cast<uint32_t>(s.region.height);
    frame.info.uiMediaType = s.sensorFormat;
    std::lock_guard<std::mutex> lock(mutex_);
    if (lost_) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    const int ae = settings_.aeState;
    const int wb = settings_.wbMode;
    settings_.aeState = 0;
    settings_.wbMode = 1;
    autoAdjustLocked(frame);
    settings_.aeState = ae;
    settings_.wbMode = wb;
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus SimDevice::saveGroup(int group)
{
    if (group < 0 || group >= kParameterGroups) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    if (lost()) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    return persistGroup(group, settings());
}

CameraSdkStatus SimDevice::loadGroup(int group)
{
    if (lost()) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    if (group == CAMERA_PARAMETER_GROUP_DEFAULT) {
        return applySettings(defaultSettings(model_));
    }
    if (group < 0 || group >= kParameterGroups) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    Settings s;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        s = groupSettingsLocked(group);
    }
    const CameraSdkStatus status = applySettings(s);
    if (status != CAMERA_STATUS_SUCCESS) {
        return status;
    }
    return persistCurrentGroup(group);
}

std::string SimDevice::nickname() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return state_.nickname.empty() ? model_.friendlyName : state_.nickname;
}

CameraSdkStatus SimDevice::setNickname(const std::string &name)
{
    if (name.empty() || name.size() >= sizeof(stDeviceInfo::acFriendlyName)) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    if (lost()) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    return persist([&](PersistentState &st) { st.nickname = name; });
}

uint32_t SimDevice::packetSize() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return state_.packetSize;
}

CameraSdkStatus SimDevice::setPacketSize(uint32_t bytes)
{
    return persistGigeValue(bytes, 1500, 9000, &PersistentState::packetSize);
}

uint32_t SimDevice::packetDelay() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return state_.packetDelayUs;
}

CameraSdkStatus SimDevice::setPacketDelay(uint32_t microseconds)
{
    return persistGigeValue(microseconds, 0, 1000000, &PersistentState::packetDelayUs);
}

CameraSdkStatus SimDevice::persistGigeValue(uint32_t value, uint32_t lo, uint32_t hi,
                                            uint32_t PersistentState::*field)
{
    if (!model_.isGige()) {
        return CAMERA_STATUS_NOT_SUPPORTED;
    }
    if (value < lo || value > hi) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    return persist([&](PersistentState &st) { st.*field = value; });
}

uint16_t SimDevice::firmwareVersion() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return state_.firmwareVersion != 0 ? state_.firmwareVersion : model_.firmwareVersion;
}

CameraSdkStatus SimDevice::upgrade(const FirmwareImage &image, const std::function<bool(int)> &progress)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (lost_) {
            return CAMERA_STATUS_DEVICE_LOST;
        }
        if (upgrading_) {
            return CAMERA_STATUS_BUSY;
        }
        if (closed_) {
            return CAMERA_STATUS_INVALID_HANDLE;
        }
        upgrading_ = true;
        ready_.clear();
    }
    const auto finish = [this](CameraSdkStatus status) {
        std::lock_guard<std::mutex> lock(mutex_);
        upgrading_ = false;
        nextFrame_ = Clock::now();
        wake_.notify_all();
        frames_.notify_all();
        return status;
    };
    const int duration = std::max(0, controls_->upgradeDurationMs.load());
    const Clock::time_point begin = Clock::now();
    for (int percent = 0; percent <= 100; ++percent) {
        if (progress && !progress(percent)) {
            return finish(CAMERA_STATUS_FAILED);
        }
        if (percent == 100) {
            break;
        }
        std::unique_lock<std::mutex> lock(mutex_);
        const auto until =
            begin + std::chrono::milliseconds(static_cast<long long>(duration) * (percent + 1) / 100);
        wake_.wait_until(lock, until, [this] { return closed_ || lost_; });
        if (closed_ || lost_) {
            const CameraSdkStatus status = lost_ ? CAMERA_STATUS_DEVICE_LOST : CAMERA_STATUS_FAILED;
            lock.unlock();
            return finish(status);
        }
    }
    const uint16_t version = image.version;
    const CameraSdkStatus status = persist([&](PersistentState &st) { st.firmwareVersion = version; });
    return finish(status);
}

bool SimDevice::busy() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return upgrading_;
}

void SimDevice::unplug()
{
    std::lock_guard<std::mutex> lock(mutex_);
    markLostLocked();
}

void SimDevice::markLostLocked()
{
    if (lost_ || closed_) {
        return;
    }
    lost_ = true;
    ready_.clear();
    pendingTriggerFrames_ = 0;
    wake_.notify_all();
    frames_.notify_all();
    reportLost();
}

} // namespace vexo::sim
