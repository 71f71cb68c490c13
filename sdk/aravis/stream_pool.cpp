#include "stream_pool.h"

namespace vexo::aravis {

std::shared_ptr<StreamPool> StreamPool::create(ArvCamera *camera, size_t bytes, int count,
                                               std::function<void(StreamPool *)> arrived, GError **error)
{
    std::shared_ptr<StreamPool> pool(new StreamPool());
    pool->bytes_ = bytes;
    pool->arrived_ = std::move(arrived);
    pool->stream_ = arv_camera_create_stream(camera, nullptr, nullptr, error);
    if (pool->stream_ == nullptr) {
        return nullptr;
    }
    if (ARV_IS_GV_STREAM(pool->stream_)) {
        // Big frames need a socket buffer of their size or packets are dropped.
        g_object_set(pool->stream_, "socket-buffer", ARV_GV_STREAM_SOCKET_BUFFER_AUTO, nullptr);
    }
    for (int i = 0; i < count; ++i) {
        auto frame = std::make_unique<Frame>();
        frame->data.resize(bytes);
        ArvBuffer *buffer = arv_buffer_new(bytes, frame->data.data());
        pool->frames_.emplace(buffer, std::move(frame));
        arv_stream_push_buffer(pool->stream_, buffer);
    }
    g_signal_connect(pool->stream_, "new-buffer", G_CALLBACK(onNewBuffer), pool.get());
    arv_stream_set_emit_signals(pool->stream_, TRUE);
    return pool;
}

StreamPool::~StreamPool()
{
    retire();
}

void StreamPool::onNewBuffer(ArvStream *, StreamPool *pool)
{
    pool->arrived_(pool);
}

ArvBuffer *StreamPool::take(Frame **frame)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (retired_) {
        return nullptr;
    }
    ArvBuffer *buffer = arv_stream_try_pop_buffer(stream_);
    if (buffer == nullptr) {
        // The signal may run a moment before the buffer is queued.
        buffer = arv_stream_timeout_pop_buffer(stream_, 2000);
    }
    if (buffer != nullptr) {
        *frame = frames_.at(buffer).get();
    }
    return buffer;
}

std::shared_ptr<const Frame> StreamPool::lend(ArvBuffer *buffer)
{
    const Frame *frame = frames_.at(buffer).get();
    std::shared_ptr<StreamPool> self = shared_from_this();
    return std::shared_ptr<const Frame>(frame, [self, buffer](const Frame *) { self->giveBack(buffer); });
}

void StreamPool::giveBack(ArvBuffer *buffer)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (retired_) {
        g_object_unref(buffer);
    } else {
        arv_stream_push_buffer(stream_, buffer);
    }
}

void StreamPool::readLocked()
{
    guint64 c = 0, f = 0, u = 0;
    arv_stream_get_statistics(stream_, &c, &f, &u);
    counters_.completed = c;
    counters_.failures = f;
    counters_.underruns = u;
    if (ARV_IS_GV_STREAM(stream_)) {
        guint64 resent = 0, missing = 0;
        arv_gv_stream_get_statistics(ARV_GV_STREAM(stream_), &resent, &missing);
        counters_.resent = resent;
        counters_.missing = missing;
    }
}

StreamPool::Counters StreamPool::counters()
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!retired_) {
        readLocked();
    }
    return counters_;
}

void StreamPool::statistics(uint64_t *completed, uint64_t *failures, uint64_t *underruns)
{
    const Counters now = counters();
    *completed = now.completed;
    *failures = now.failures;
    *underruns = now.underruns;
}

void StreamPool::retire()
{
    ArvStream *stream = nullptr;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (retired_) {
            return;
        }
        readLocked();
        retired_ = true;
        stream = stream_;
        stream_ = nullptr;
    }
    arv_stream_set_emit_signals(stream, FALSE);
    g_signal_handlers_disconnect_by_data(stream, this);
    // Joins the stream thread and drops the buffers still queued; their
    // memory is the frames', which live as long as this pool.
    g_object_unref(stream);
}

} // namespace vexo::aravis
