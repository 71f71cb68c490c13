// The buffers of one acquisition: an Aravis stream and its pool of frames.
// Aravis's stream thread writes straight into the frames' pixel memory, so a
// frame reaches the caller without a copy; a lent frame goes back into the
// stream when its last holder lets go.
#pragma once

#include "device.h"

#include <arv.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>

namespace vexo::aravis {

using sdk::Frame;

class StreamPool final : public std::enable_shared_from_this<StreamPool>
{
public:
    // A stream of camera with count buffers of bytes each; arrived runs on
    // the stream thread after each finished buffer, with this pool. Null
    // when the stream cannot be made (*error says why).
    static std::shared_ptr<StreamPool> create(ArvCamera *camera, size_t bytes, int count,
                                              std::function<void(StreamPool *)> arrived, GError **error);
    ~StreamPool();
    StreamPool(const StreamPool &) = delete;
    StreamPool &operator=(const StreamPool &) = delete;

    size_t bufferBytes() const { return bytes_; }

    // The oldest finished buffer, or null. Its frame is free to fill.
    ArvBuffer *take(Frame **frame);
    // Lends a taken buffer's frame; the buffer returns to the stream with it.
    std::shared_ptr<const Frame> lend(ArvBuffer *buffer);
    // Puts a taken buffer straight back.
    void giveBack(ArvBuffer *buffer);

    void statistics(uint64_t *completed, uint64_t *failures, uint64_t *underruns);
    struct Counters
    {
        uint64_t completed = 0, failures = 0, underruns = 0;
        uint64_t resent = 0, missing = 0; // packets, GigE Vision streams only
    };
    Counters counters();

    // Ends the stream (its thread stops; the camera is told to stop sending).
    // Frames still lent stay valid; later give-backs only drop the buffer.
    void retire();

private:
    StreamPool() = default;
    static void onNewBuffer(ArvStream *stream, StreamPool *pool);

    std::mutex mutex_;
    ArvStream *stream_ = nullptr;
    size_t bytes_ = 0;
    std::map<ArvBuffer *, std::unique_ptr<Frame>> frames_;
    std::function<void(StreamPool *)> arrived_;
    bool retired_ = false;
    void readLocked();

    Counters counters_; // kept at retire
};

} // namespace vexo::aravis
