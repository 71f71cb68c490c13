#ifndef CVIDEOTHREAD_H
#define CVIDEOTHREAD_H

#include "VexoCameraSDK.h"

#include <QByteArray>
#include <QImage>
#include <QMetaType>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <cstdint>
#include <memory>

Q_DECLARE_METATYPE(stImageInfo)

// Pulls frames of one opened camera, converts them to 24-bit RGB and hands
// each to its receivers (display cell, histogram, recorder) through a
// blocking delivery, so one buffer serves every frame. Touches no widget.
class CVideoThread final : public QThread
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CVideoThread)

public:
    explicit CVideoThread(void *cameraHandle, QObject *parent = nullptr);
    ~CVideoThread() override;

    // Registers stImageInfo for queued signals; safe to call repeatedly.
    static void registerMetaTypes();

    // The only way to receive frames. The image lends the grabber's buffer,
    // which the next frame overwrites, so the delivery blocks until the
    // receiver has returned; a receiver that keeps pixels copies them. The
    // receiver must live on another thread than the grabber (every one is
    // on the GUI thread or a recorder's own thread).
    template<typename Receiver, typename Slot>
    QMetaObject::Connection connectFrames(const Receiver *receiver, Slot slot) const
    {
        return connect(this, &CVideoThread::acquireFrame, receiver, slot, Qt::BlockingQueuedConnection);
    }

    void stop();
    bool isStopRequested() const { return m_stopRequest.load(); }

    void setStreaming(bool streaming);
    bool isStreaming() const { return m_streaming.load(); }

    void requestSnapshot() { m_snapshotRequest.store(true); }
    bool isSnapshotRequested() const { return m_snapshotRequest.load(); }

    // Frames handed out since the thread was created; never reset.
    int deliveredFrames() const { return m_deliveredFrames.load(); }

    // Bytes currently allocated for the RGB buffer (0 when none).
    quint32 bufferCapacity() const { return m_bufferCapacity.load(); }

    static constexpr unsigned int FetchTimeoutMs = 1000;
    static constexpr unsigned long RetryPauseMs = 5;
    static constexpr qint64 RateWindowMs = 1000;
    // While paused the camera is still asked this often whether it is there,
    // so that a loss (and the return) shows on a paused cell too.
    static constexpr unsigned long PausedProbeMs = 300;

signals:
    void updateFrameRate(float captureFps, float displayFps, int deliveredFrames);
    // Connect through connectFrames only.
    void acquireFrame(QImage image);
    // The pixels are a copy owned by the request: the next frame cannot touch them.
    void cameraSavePic(QByteArray pixels, stImageInfo head);
    void cameraMessage(QString message);
    // The camera went away (a fetch answered "device lost"), or frames come
    // again after that; sent once per change.
    void cameraLost(bool lost);

protected:
    void run() override;

private:
    // Blocks while paused; returns false when a stop was requested meanwhile.
    // Waits until streaming resumes, a stop is asked for or timeoutMs pass.
    // True while still paused.
    bool waitWhilePaused(unsigned long timeoutMs);
    BYTE *bufferFor(quint32 required);

    std::atomic<bool> m_streaming{true};
    std::atomic<bool> m_snapshotRequest{false};
    std::atomic<int> m_deliveredFrames{0};
    CameraHandle m_handle;
    std::atomic<bool> m_stopRequest{false};

    QMutex m_pauseMutex;
    QWaitCondition m_pauseChanged;
    std::unique_ptr<BYTE[]> m_buffer;
    std::atomic<quint32> m_bufferCapacity{0};
};

#endif // CVIDEOTHREAD_H
