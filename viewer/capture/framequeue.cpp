#include "capture/framequeue.h"

#include <algorithm>
#include <cstring>
#include <new>

FrameQueue::FrameQueue(size_t maxBytes, int maxFrames)
    : m_maxBytes(maxBytes), m_maxFrames(std::max(maxFrames, MinBuffers))
{
}

int FrameQueue::bufferLimit(size_t frameBytes) const
{
    const size_t fit = frameBytes > 0 ? m_maxBytes / frameBytes : size_t(m_maxFrames);
    return int(std::clamp<size_t>(fit, size_t(MinBuffers), size_t(m_maxFrames)));
}

bool FrameQueue::push(const uint8_t *rgb, int width, int height, int rowBytes, uint64_t cameraUs,
                      int64_t arrivalUs)
{
    if (rgb == nullptr || width < 1 || height < 1 || rowBytes < width * 3)
        return false;
    std::lock_guard<std::mutex> producer(m_producer);
    const size_t bytes = size_t(rowBytes) * size_t(height);
    std::unique_ptr<Frame> frame;
    int64_t timeUs = 0;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        if (m_closed)
            return false;
        // Timed even when dropped: the next frame's time must not depend on
        // whether this one was kept.
        timeUs = m_clock.timeOf(cameraUs, arrivalUs);
        ++m_figures.offered;
        auto fits = std::find_if(m_free.begin(), m_free.end(),
                                 [bytes](const std::unique_ptr<Frame> &f) { return f->capacity >= bytes; });
        if (fits != m_free.end()) {
            frame = std::move(*fits);
            m_free.erase(fits);
        } else {
            // Buffers of an earlier, smaller picture are given up, so the
            // bound holds for the new size.
            m_figures.buffers -= int(m_free.size());
            m_free.clear();
            if (m_figures.buffers >= bufferLimit(bytes)) {
                ++m_figures.dropped;
                return false;
            }
            ++m_figures.buffers;
            frame = std::make_unique<Frame>();
        }
    }

    // The copy runs outside the lock: the encoder keeps taking frames meanwhile.
    if (frame->capacity < bytes) {
        frame->pixels.reset(new (std::nothrow) uint8_t[bytes]);
        frame->capacity = frame->pixels ? bytes : 0;
    }
    if (!frame->pixels) {
        std::lock_guard<std::mutex> lock(m_lock);
        --m_figures.buffers;
        ++m_figures.dropped;
        return false;
    }
    std::memcpy(frame->pixels.get(), rgb, bytes);
    frame->width = width;
    frame->height = height;
    frame->rowBytes = rowBytes;
    frame->timeUs = timeUs;

    {
        std::lock_guard<std::mutex> lock(m_lock);
        if (m_closed) {
            m_free.push_back(std::move(frame));
            return false;
        }
        m_queued.push_back(std::move(frame));
        m_figures.depth = int(m_queued.size());
        m_figures.peakDepth = std::max(m_figures.peakDepth, m_figures.depth);
    }
    m_ready.notify_one();
    return true;
}

std::unique_ptr<FrameQueue::Frame> FrameQueue::pop()
{
    std::unique_lock<std::mutex> lock(m_lock);
    m_ready.wait(lock, [this] { return !m_queued.empty() || m_closed; });
    if (m_queued.empty())
        return nullptr;
    std::unique_ptr<Frame> frame = std::move(m_queued.front());
    m_queued.pop_front();
    m_figures.depth = int(m_queued.size());
    return frame;
}

void FrameQueue::recycle(std::unique_ptr<Frame> frame)
{
    if (!frame)
        return;
    std::lock_guard<std::mutex> lock(m_lock);
    m_free.push_back(std::move(frame));
}

void FrameQueue::close()
{
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_closed = true;
    }
    m_ready.notify_all();
}

FrameQueue::Figures FrameQueue::figures() const
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_figures;
}
