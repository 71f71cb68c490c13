// AravisDevice: acquisition, frames and stills.

#include "aravis_device.h"

#include "feature_access.h"
#include "mapping.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vexo::aravis {

namespace {

constexpr int kStreamBuffers = 6;
constexpr size_t kWaitingFrames = 3; // finished frames kept for a slow caller; older ones are dropped

} // namespace

CameraSdkStatus AravisDevice::ensurePoolLocked()
{
    Error e;
    const size_t payload = arv_camera_get_payload(camera_, e.out());
    if (e || payload == 0) {
        return failureLocked(e.release());
    }
    std::shared_ptr<StreamPool> old;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (pool_ && pool_->bufferBytes() >= payload) {
            return CAMERA_STATUS_SUCCESS;
        }
        old = std::move(pool_);
        available_ = 0;
    }
    if (old) {
        old->retire(); // never under mutex_: the stream thread may be waiting for it
        const StreamPool::Counters was = old->counters();
        std::lock_guard<std::mutex> lock(mutex_);
        baseCompleted_ += was.completed;
        baseFailures_ += was.failures;
        baseUnderruns_ += was.underruns;
        baseResent_ += was.resent;
        baseMissing_ += was.missing;
    }
    std::shared_ptr<StreamPool> pool = StreamPool::create(
        camera_, payload, kStreamBuffers, [this](StreamPool *from) { frameArrived(from); }, e.out());
    if (!pool) {
        return failureLocked(e.release());
    }
    std::lock_guard<std::mutex> lock(mutex_);
    pool_ = std::move(pool);
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus AravisDevice::startLocked()
{
    if (acquiring_) {
        return CAMERA_STATUS_SUCCESS;
    }
    const CameraSdkStatus status = ensurePoolLocked();
    if (status != CAMERA_STATUS_SUCCESS) {
        return status;
    }
    Error e;
    arv_camera_start_acquisition(camera_, e.out());
    if (e) {
        return failureLocked(e.release());
    }
    acquiring_ = true;
    return CAMERA_STATUS_SUCCESS;
}

void AravisDevice::stopLocked()
{
    if (acquiring_) {
        Error e;
        arv_camera_stop_acquisition(camera_, e.out());
        acquiring_ = false;
    }
    // Frames of the old size or mode are of no use to anybody now.
    std::shared_ptr<StreamPool> pool;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        pool = pool_;
        available_ = 0;
        latest_.reset();
    }
    if (pool) {
        Frame *frame = nullptr;
        while (ArvBuffer *buffer = pool->take(&frame)) {
            pool->giveBack(buffer);
        }
    }
}

CameraSdkStatus AravisDevice::play()
{
    std::lock_guard<std::mutex> control(control_);
    if (lost()) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    if (rawBytesPerPixel(settings().sensorFormat) == 0) {
        return CAMERA_STATUS_NOT_SUPPORTED; // nothing the pipeline could show
    }
    const CameraSdkStatus status = startLocked();
    if (status == CAMERA_STATUS_SUCCESS) {
        std::lock_guard<std::mutex> lock(mutex_);
        playing_ = true;
    }
    return status;
}

CameraSdkStatus AravisDevice::pause()
{
    std::lock_guard<std::mutex> control(control_);
    if (lost()) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        playing_ = false;
    }
    stopLocked();
    return CAMERA_STATUS_SUCCESS;
}

void AravisDevice::frameArrived(StreamPool *from)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (from != pool_.get()) {
        return; // the last words of a stream being retired
    }
    ++available_;
    // Like a ring: a caller that falls behind finds the newest frames, and
    // the stream always has free buffers to fill.
    while (static_cast<size_t>(available_) > kWaitingFrames) {
        Frame *frame = nullptr;
        ArvBuffer *oldest = pool_->take(&frame);
        if (oldest == nullptr) {
            break;
        }
        pool_->giveBack(oldest);
        --available_;
        ++dropped_;
    }
    wake_.notify_all();
}

CameraSdkStatus AravisDevice::takeFrameLocked(std::unique_lock<std::mutex> &lock, Clock::time_point deadline,
                                              const Region *still, std::shared_ptr<const Frame> *out)
{
    for (;;) {
        if (closed_) {
            return CAMERA_STATUS_INVALID_HANDLE;
        }
        if (lost_) {
            return CAMERA_STATUS_DEVICE_LOST;
        }
        if (snapping_ && !still) {
            // A still being taken has the stream to itself.
            if (wake_.wait_until(lock, deadline) == std::cv_status::timeout && snapping_) {
                return CAMERA_STATUS_TIMEOUT;
            }
            continue;
        }
        std::shared_ptr<StreamPool> pool = pool_;
        if (!playing_ && !still) {
            // Paused: what was still on its way is not handed out.
            while (pool && available_ > 0) {
                --available_;
                Frame *frame = nullptr;
                if (ArvBuffer *buffer = pool->take(&frame)) {
                    pool->giveBack(buffer);
                }
            }
            pool.reset();
        }
        while (pool && available_ > 0) {
            --available_;
            Frame *frame = nullptr;
            ArvBuffer *buffer = pool->take(&frame);
            if (buffer == nullptr) {
                available_ = 0;
                break;
            }
            if (arv_buffer_get_status(buffer) != ARV_BUFFER_STATUS_SUCCESS) {
                pool->giveBack(buffer); // counted by the stream as a failure
                continue;
            }
            const uint64_t begun = arv_buffer_get_system_timestamp(buffer);
            if (begun != 0 && begun < staleBeforeNs_) {
                pool->giveBack(buffer); // begun under the previous trigger mode
                continue;
            }
            const int width = arv_buffer_get_image_width(buffer);
            const int height = arv_buffer_get_image_height(buffer);
            const uint32_t format = static_cast<uint32_t>(arv_buffer_get_image_pixel_format(buffer));
            const int bpp = rawBytesPerPixel(format);
            gint paddingX = 0, paddingY = 0;
            arv_buffer_get_image_padding(buffer, &paddingX, &paddingY);
            size_t size = 0;
            const void *data = arv_buffer_get_data(buffer, &size);
            const size_t needed = static_cast<size_t>(std::max(width, 0)) * std::max(height, 0) * bpp;
            const Region &wanted = still != nullptr ? *still : settings_.region;
            if (width != wanted.width || height != wanted.height || format != settings_.sensorFormat) {
                pool->giveBack(buffer); // sent before the region or format changed
                ++dropped_;
                continue;
            }
            if (arv_buffer_get_payload_type(buffer) != ARV_BUFFER_PAYLOAD_TYPE_IMAGE || bpp == 0 ||
                width < 2 || height < 2 || paddingX != 0 || data != frame->data.data() || size < needed) {
                pool->giveBack(buffer);
                ++rejected_;
                if (bpp == 0) {
                    return CAMERA_STATUS_NOT_SUPPORTED;
                }
                continue;
            }
            stImageInfo &info = frame->info;
            info = stImageInfo{};
            info.uiWidth = static_cast<uint32_t>(width);
            info.uiHeight = static_cast<uint32_t>(height);
            info.uiBytes = static_cast<uint32_t>(needed);
            info.uiMediaType = format;
            info.uiFrameId = static_cast<uint32_t>(arv_buffer_get_frame_id(buffer));
            info.uiExposureUs = static_cast<uint32_t>(std::lround(settings_.exposureUs));
            info.uiGain = static_cast<uint32_t>(settings_.analogGain);
            info.uiTimestamp = arv_buffer_get_timestamp(buffer) / 1000u;
            frame->regionX = arv_buffer_get_image_x(buffer);
            frame->regionY = arv_buffer_get_image_y(buffer);
            *out = pool->lend(buffer);
            return CAMERA_STATUS_SUCCESS;
        }
        if (wake_.wait_until(lock, deadline) == std::cv_status::timeout && available_ == 0 && !lost_ &&
            !closed_) {
            return CAMERA_STATUS_TIMEOUT;
        }
    }
}

CameraSdkStatus AravisDevice::fetchFrame(unsigned timeoutMs, std::shared_ptr<const Frame> *frame)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::unique_lock<std::mutex> lock(mutex_);
    const CameraSdkStatus status = takeFrameLocked(lock, deadline, nullptr, frame);
    if (status == CAMERA_STATUS_SUCCESS) {
        latest_ = *frame;
    }
    return status;
}

CameraSdkStatus AravisDevice::snap(const Region &region, unsigned timeoutMs,
                                   std::shared_ptr<const Frame> *out)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (lost_) {
            return CAMERA_STATUS_DEVICE_LOST;
        }
        // The stream already shows this area: its newest frame is the still.
        if (latest_ && playing_ && sameArea(region, settings_.region)) {
            *out = latest_;
            return CAMERA_STATUS_SUCCESS;
        }
    }
    std::lock_guard<std::mutex> control(control_);
    Settings before = settings();
    Settings still = before;
    still.region = region;
    still.triggerMode = CAMERA_TRIGGER_CONTINUOUS;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        snapping_ = true;
    }
    const bool wasAcquiring = acquiring_;
    stopLocked();
    Settings applied;
    CameraSdkStatus status = writeLocked(before, still, &applied);
    if (status == CAMERA_STATUS_SUCCESS) {
        status = startLocked();
    }
    std::shared_ptr<const Frame> frame;
    if (status == CAMERA_STATUS_SUCCESS) {
        std::unique_lock<std::mutex> lock(mutex_);
        status = takeFrameLocked(lock, Clock::now() + std::chrono::milliseconds(timeoutMs), &region, &frame);
    }
    if (frame) {
        // A copy: the stream starts over below and takes its buffers back.
        auto copy = std::make_shared<Frame>();
        copy->info = frame->info;
        copy->regionX = frame->regionX;
        copy->regionY = frame->regionY;
        copy->data.assign(frame->data.begin(), frame->data.begin() + frame->info.uiBytes);
        frame.reset();
        *out = std::move(copy);
    }
    stopLocked();
    Settings restored;
    const CameraSdkStatus back = writeLocked(applied, before, &restored);
    if (wasAcquiring && back == CAMERA_STATUS_SUCCESS) {
        startLocked();
    }
    std::lock_guard<std::mutex> lock(mutex_);
    settings_ = restored;
    snapping_ = false;
    wake_.notify_all();
    return status != CAMERA_STATUS_SUCCESS ? status : back;
}

CameraSdkStatus AravisDevice::softTrigger()
{
    std::lock_guard<std::mutex> control(control_);
    if (lost()) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    if (settings().triggerMode != CAMERA_TRIGGER_SOFTWARE) {
        return CAMERA_STATUS_FAILED;
    }
    Error e;
    arv_camera_software_trigger(camera_, e.out());
    return e ? failureLocked(e.release()) : CAMERA_STATUS_SUCCESS;
}

stFrameStatistic AravisDevice::statistic() const
{
    std::shared_ptr<StreamPool> pool;
    stFrameStatistic s{};
    uint64_t completed = 0, failures = 0, underruns = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        pool = pool_;
        completed = baseCompleted_;
        failures = baseFailures_;
        underruns = baseUnderruns_;
        s.iLost = dropped_ + rejected_;
    }
    if (pool) {
        uint64_t c = 0, f = 0, u = 0;
        pool->statistics(&c, &f, &u);
        completed += c;
        failures += f;
        underruns += u;
    }
    // Incomplete frames and frames that found no free buffer never reach the
    // caller: they count as lost, and in the total the camera sent.
    s.iTotal = static_cast<uint32_t>(completed + failures + underruns);
    s.iCapture = static_cast<uint32_t>(completed);
    s.iLost += static_cast<uint32_t>(failures + underruns);
    return s;
}

} // namespace vexo::aravis
