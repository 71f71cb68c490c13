#ifndef FRAMEQUEUE_H
#define FRAMEQUEUE_H

#include "capture/frameclock.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

// Frames on their way from a grabber to an encoder running on a thread of
// its own. The grabber must never wait for the encoder: push() copies the
// picture into a free buffer and returns at once, and when every buffer is
// taken the frame is left out of the recording and counted. The buffers are
// kept for reuse and their number is bounded, so a slow encoder costs a
// bounded amount of memory, never the grabber's or the display's rate.
class FrameQueue final
{
public:
    struct Frame
    {
        std::unique_ptr<uint8_t[]> pixels;
        size_t capacity = 0;
        int width = 0;
        int height = 0;
        int rowBytes = 0;
        int64_t timeUs = 0; // from the first frame of the recording
    };

    struct Figures
    {
        int64_t offered = 0; // frames handed to push()
        int64_t dropped = 0; // of those, left out because every buffer was taken
        int depth = 0;       // frames waiting now
        int peakDepth = 0;
        int buffers = 0; // buffers allocated so far
    };

    // maxBytes bounds the buffers' memory; whatever the frame size, at least
    // MinBuffers and at most maxFrames buffers are used.
    FrameQueue(size_t maxBytes, int maxFrames);
    FrameQueue(const FrameQueue &) = delete;
    FrameQueue &operator=(const FrameQueue &) = delete;

    // Producer: stamps the frame with its recording time and queues a copy
    // of it; false when it was dropped or the queue is closed. cameraUs is
    // the camera's time stamp (0: none), arrivalUs a steady clock.
    bool push(const uint8_t *rgb, int width, int height, int rowBytes, uint64_t cameraUs, int64_t arrivalUs);

    // Consumer: the oldest frame, waiting for one; null once the queue is
    // closed and empty. Give the frame back with recycle().
    std::unique_ptr<Frame> pop();
    void recycle(std::unique_ptr<Frame> frame);

    // No more frames are taken; pop() returns what is queued, then null.
    void close();

    Figures figures() const;

    static constexpr int MinBuffers = 2;

private:
    int bufferLimit(size_t frameBytes) const;

    const size_t m_maxBytes;
    const int m_maxFrames;
    mutable std::mutex m_lock;
    std::condition_variable m_ready;
    std::deque<std::unique_ptr<Frame>> m_queued;
    std::vector<std::unique_ptr<Frame>> m_free;
    // Serialises producers, so frames are queued in the order they are timed.
    std::mutex m_producer;
    FrameClock m_clock;
    bool m_closed = false;
    Figures m_figures;
};

#endif // FRAMEQUEUE_H
