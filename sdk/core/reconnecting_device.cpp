#include "reconnecting_device.h"

#include <cmath>

namespace vexo::sdk {

ReconnectingDevice::ReconnectingDevice(std::shared_ptr<Device> device)
    : model_(device->model()), device_(std::move(device))
{
}

void ReconnectingDevice::watchLoss(std::function<void()> notice)
{
    std::shared_ptr<Device> device;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        lostNotice_ = notice;
        device = device_;
    }
    device->onLost(std::move(notice));
}

ReconnectingDevice::~ReconnectingDevice()
{
    close();
}

std::shared_ptr<Device> ReconnectingDevice::current() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return device_;
}

CameraSdkStatus ReconnectingDevice::answer(CameraSdkStatus status) const
{
    // A call that raced the loss may meet a device already closed by retire().
    return status != CAMERA_STATUS_SUCCESS && lost() ? CAMERA_STATUS_DEVICE_LOST : status;
}

CameraSdkStatus ReconnectingDevice::play()
{
    const CameraSdkStatus status = answer(current()->play());
    if (status == CAMERA_STATUS_SUCCESS) {
        std::lock_guard<std::mutex> lock(mutex_);
        playing_ = true;
    }
    return status;
}

CameraSdkStatus ReconnectingDevice::pause()
{
    const CameraSdkStatus status = answer(current()->pause());
    if (status == CAMERA_STATUS_SUCCESS) {
        std::lock_guard<std::mutex> lock(mutex_);
        playing_ = false;
    }
    return status;
}

CameraSdkStatus ReconnectingDevice::fetchFrame(unsigned timeoutMs, std::shared_ptr<const Frame> *frame)
{
    return answer(current()->fetchFrame(timeoutMs, frame));
}

CameraSdkStatus ReconnectingDevice::snap(const Region &region, unsigned timeoutMs,
                                         std::shared_ptr<const Frame> *frame)
{
    return answer(current()->snap(region, timeoutMs, frame));
}

CameraSdkStatus ReconnectingDevice::softTrigger()
{
    return answer(current()->softTrigger());
}

uint64_t ReconnectingDevice::gapFramesLocked(Clock::time_point now) const
{
    const double seconds = std::chrono::duration<double>(now - lostAt_).count();
    return static_cast<uint64_t>(std::max(0.0, std::floor(seconds * gapRate_)));
}

stFrameStatistic ReconnectingDevice::statistic() const
{
    std::shared_ptr<Device> device;
    Counters sum;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        sum = before_;
        if (retired_) {
            // The frames the camera would have sent since it went count as lost.
            const uint64_t gap = gapFramesLocked(Clock::now());
            sum.total += gap;
            sum.lost += gap;
        } else {
            device = device_;
        }
    }
    if (device) {
        const stFrameStatistic now = device->statistic();
        sum.total += now.iTotal;
        sum.captured += now.iCapture;
        sum.lost += now.iLost;
    }
    stFrameStatistic out{};
    out.iTotal = static_cast<uint32_t>(sum.total);
    out.iCapture = static_cast<uint32_t>(sum.captured);
    out.iLost = static_cast<uint32_t>(sum.lost);
    return out;
}

stTransportStatistic ReconnectingDevice::transportStatistic() const
{
    std::shared_ptr<Device> device;
    stTransportStatistic sum{};
    {
        std::lock_guard<std::mutex> lock(mutex_);
        sum = transportBefore_;
        if (!retired_) {
            device = device_;
        }
    }
    if (device) {
        const stTransportStatistic now = device->transportStatistic();
        sum.uIncompleteFrames += now.uIncompleteFrames;
        sum.uResentPackets += now.uResentPackets;
        sum.uMissingPackets += now.uMissingPackets;
        sum.iPacketCounters |= now.iPacketCounters;
    }
    return sum;
}

FeatureOutcome ReconnectingDevice::answer(FeatureOutcome outcome) const
{
    const CameraSdkStatus status = answer(outcome.status);
    if (status != outcome.status) {
        return FeatureOutcome::fail(status, "the camera was lost");
    }
    return outcome;
}

CameraSdkStatus ReconnectingDevice::features(std::vector<FeatureInfo> *tree)
{
    return answer(current()->features(tree));
}

FeatureOutcome ReconnectingDevice::readFeature(const std::string &name, std::string *value)
{
    return answer(current()->readFeature(name, value));
}

ReconnectingDevice::Remembered *ReconnectingDevice::memoryOf(const std::string &feature)
{
    if (feature == "GevSCPSPacketSize") {
        return &packetSize_;
    }
    if (feature == "GevSCPD") {
        return &packetDelay_;
    }
    return nullptr;
}

FeatureOutcome ReconnectingDevice::writeFeature(const std::string &name, const std::string &value)
{
    const std::shared_ptr<Device> device = current();
    const FeatureOutcome outcome = answer(device->writeFeature(name, value));
    Remembered *memory = memoryOf(name);
    if (outcome.status != CAMERA_STATUS_SUCCESS || memory == nullptr) {
        return outcome;
    }
    // What the camera took, which may be the value rounded to its increment.
    std::string taken;
    if (device->readFeature(name, &taken).status != CAMERA_STATUS_SUCCESS) {
        taken = value;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    *memory = {std::nullopt, taken};
    return outcome;
}

void ReconnectingDevice::reapply(Device &fresh, const char *feature, const Remembered &remembered,
                                 CameraSdkStatus (Device::*set)(uint32_t))
{
    if (remembered.featureValue) {
        fresh.writeFeature(feature, *remembered.featureValue);
    } else if (remembered.value) {
        (fresh.*set)(*remembered.value);
    }
}

FeatureOutcome ReconnectingDevice::executeFeature(const std::string &name)
{
    return answer(current()->executeFeature(name));
}

Settings ReconnectingDevice::settings() const
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (retired_) {
            return kept_;
        }
    }
    return current()->settings();
}

CameraSdkStatus ReconnectingDevice::applySettings(const Settings &settings)
{
    return answer(current()->applySettings(settings));
}

CameraSdkStatus ReconnectingDevice::oneShotWhiteBalance()
{
    return answer(current()->oneShotWhiteBalance());
}

CameraSdkStatus ReconnectingDevice::saveGroup(int group)
{
    return answer(current()->saveGroup(group));
}

CameraSdkStatus ReconnectingDevice::loadGroup(int group)
{
    return answer(current()->loadGroup(group));
}

int ReconnectingDevice::currentGroup() const
{
    return current()->currentGroup();
}

int ReconnectingDevice::parameterMode() const
{
    return current()->parameterMode();
}

CameraSdkStatus ReconnectingDevice::setParameterMode(int mode)
{
    return answer(current()->setParameterMode(mode));
}

std::string ReconnectingDevice::nickname() const
{
    return current()->nickname();
}

CameraSdkStatus ReconnectingDevice::setNickname(const std::string &name)
{
    return answer(current()->setNickname(name));
}

uint32_t ReconnectingDevice::packetSize() const
{
    return current()->packetSize();
}

CameraSdkStatus ReconnectingDevice::setPacketSize(uint32_t bytes)
{
    const CameraSdkStatus status = answer(current()->setPacketSize(bytes));
    if (status == CAMERA_STATUS_SUCCESS) {
        std::lock_guard<std::mutex> lock(mutex_);
        packetSize_ = {bytes, std::nullopt};
    }
    return status;
}

uint32_t ReconnectingDevice::packetDelay() const
{
    return current()->packetDelay();
}

CameraSdkStatus ReconnectingDevice::setPacketDelay(uint32_t microseconds)
{
    const CameraSdkStatus status = answer(current()->setPacketDelay(microseconds));
    if (status == CAMERA_STATUS_SUCCESS) {
        std::lock_guard<std::mutex> lock(mutex_);
        packetDelay_ = {microseconds, std::nullopt};
    }
    return status;
}

uint16_t ReconnectingDevice::firmwareVersion() const
{
    return current()->firmwareVersion();
}

CameraSdkStatus ReconnectingDevice::upgrade(const FirmwareImage &image,
                                            const std::function<bool(int)> &progress)
{
    return answer(current()->upgrade(image, progress));
}

bool ReconnectingDevice::lost() const
{
    std::shared_ptr<Device> device;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (retired_) {
            return true;
        }
        device = device_;
    }
    return device->lost();
}

bool ReconnectingDevice::released() const
{
    return current()->released();
}

bool ReconnectingDevice::busy() const
{
    return current()->busy();
}

bool ReconnectingDevice::closed() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return closed_;
}

void ReconnectingDevice::close()
{
    std::shared_ptr<Device> device;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (closed_) {
            return;
        }
        closed_ = true;
        device = device_;
    }
    device->close();
}

void ReconnectingDevice::retire()
{
    std::shared_ptr<Device> device;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (retired_ || closed_) {
            return;
        }
        device = device_;
    }
    if (!device->lost()) {
        return;
    }
    // What the camera had, read before the device lets go of it.
    const Settings kept = device->settings();
    const stFrameStatistic last = device->statistic();
    const stTransportStatistic link = device->transportStatistic();
    device->close();
    std::lock_guard<std::mutex> lock(mutex_);
    kept_ = kept;
    transportBefore_.uIncompleteFrames += link.uIncompleteFrames;
    transportBefore_.uResentPackets += link.uResentPackets;
    transportBefore_.uMissingPackets += link.uMissingPackets;
    transportBefore_.iPacketCounters |= link.iPacketCounters;
    before_.total += last.iTotal;
    before_.captured += last.iCapture;
    before_.lost += last.iLost;
    lostAt_ = Clock::now();
    // Triggered cameras send nothing unasked, so only a free-running one misses frames.
    gapRate_ =
        playing_ && kept.triggerMode == CAMERA_TRIGGER_CONTINUOUS ? nominalFrameRate(model_, kept) : 0.0;
    retired_ = true;
}

CameraSdkStatus ReconnectingDevice::resume(std::shared_ptr<Device> fresh)
{
    Settings wanted;
    bool playing = false;
    Remembered packetSize, packetDelay;
    std::function<void()> notice;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (closed_) {
            return CAMERA_STATUS_INVALID_HANDLE;
        }
        if (!retired_) {
            return CAMERA_STATUS_FAILED;
        }
        wanted = kept_;
        playing = playing_;
        packetSize = packetSize_;
        packetDelay = packetDelay_;
        notice = lostNotice_;
    }
    // Another camera that took the serial is not the one this handle had.
    if (!validateSettings(fresh->model(), wanted).empty()) {
        return CAMERA_STATUS_NOT_MATCH;
    }
    CameraSdkStatus status = fresh->applySettings(wanted);
    // A setting the camera refuses now is no reason to keep the picture away.
    if (status == CAMERA_STATUS_DEVICE_LOST) {
        return status;
    }
    reapply(*fresh, "GevSCPSPacketSize", packetSize, &Device::setPacketSize);
    reapply(*fresh, "GevSCPD", packetDelay, &Device::setPacketDelay);
    if (playing) {
        status = fresh->play();
        if (status != CAMERA_STATUS_SUCCESS) {
            return status;
        }
    }
    if (fresh->lost()) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (closed_) {
            return CAMERA_STATUS_INVALID_HANDLE;
        }
        const uint64_t gap = gapFramesLocked(Clock::now());
        before_.total += gap;
        before_.lost += gap;
        device_ = fresh;
        retired_ = false;
    }
    // Registered last: a loss of the new device before it was ours would
    // otherwise retire the old one twice.
    fresh->onLost(std::move(notice));
    return CAMERA_STATUS_SUCCESS;
}

} // namespace vexo::sdk
