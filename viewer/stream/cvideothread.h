#ifndef CVIDEOTHREAD_H
#define CVIDEOTHREAD_H

#include "VexoCameraSDK.h"
#include "stream/displaypicture.h"

#include <QByteArray>
#include <QImage>
#include <QMetaType>
#include <QMutex>
#include <QSize>
#include <QString>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <cstdint>
#include <memory>
#include <utility>

Q_DECLARE_METATYPE(stImageInfo)

// Pulls frames of one opened camera, converts them to 24-bit RGB and hands
// each to its receivers (display cell, histogram, recorder) through a
// blocking delivery, so one buffer serves every frame. While only a display
// that shows the frame smaller takes frames, only the pixels it shows are
// converted. Touches no widget.
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
    // A receiver that only copies each frame and never makes the grabber
    // wait (a recorder's queue): functor runs on the grabber's own thread,
    // just before the frame goes to the receivers above. context ends the
    // connection when it is destroyed.
    template<typename Functor>
    QMetaObject::Connection connectFrameCopies(const QObject *context, Functor functor) const
    {
        return connect(this, &CVideoThread::frameCaptured, context, std::move(functor), Qt::DirectConnection);
    }

    // The display's way: each frame as it is shown (see displayFrame), on the
    // same terms. A picture made at the display scale is the receiver's to
    // keep; a full frame lends the buffer like acquireFrame.
    template<typename Receiver, typename Slot>
    QMetaObject::Connection connectDisplay(const Receiver *receiver, Slot slot) const
    {
        return connect(this, &CVideoThread::displayFrame, receiver, slot, Qt::BlockingQueuedConnection);
    }

    void stop();
    bool isStopRequested() const { return m_stopRequest.load(); }

    void setStreaming(bool streaming);
    bool isStreaming() const { return m_streaming.load(); }

    void requestSnapshot() { m_snapshotRequest.store(true); }
    bool isSnapshotRequested() const { return m_snapshotRequest.load(); }

    // How many device pixels the display shows per frame pixel; below 1 the
    // display gets a picture made at that size instead of the full frame.
    void setDisplayScale(double scale) { m_displayScale.store(scale); }
    double displayScale() const { return m_displayScale.load(); }

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
    // Every frame in full, for receivers that need all its pixels. Connect
    // through connectFrames only.
    void acquireFrame(QImage image);
    // The same frame, before acquireFrame; connect through
    // connectFrameCopies only. cameraUs: the camera's time stamp, 0 when it
    // gives none; arrivalUs: when the frame was fetched, on the steady clock
    // in microseconds.
    void frameCaptured(const QImage &image, quint64 cameraUs, qint64 arrivalUs);
    // Every frame as the display shows it: made at the display scale, or the
    // full frame when that is as small. Sent after acquireFrame. Connect
    // through connectDisplay only.
    void displayFrame(QImage picture, QSize frameSize);
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
    // Whether a receiver other than the display takes frames (or no
    // display does), so the whole frame must be converted.
    bool needsWholeFrames() const;
    // Converts only the pixels of a picture of size shown, gives the frame
    // back and hands the picture to the display. False when nothing was shown.
    bool showPicture(CameraFrameHandle frame, stImageInfo head, BYTE *raw, const QSize &frameSize,
                     const QSize &shown);

    std::atomic<bool> m_streaming{true};
    std::atomic<bool> m_snapshotRequest{false};
    std::atomic<int> m_deliveredFrames{0};
    CameraHandle m_handle;
    std::atomic<bool> m_stopRequest{false};

    QMutex m_pauseMutex;
    QWaitCondition m_pauseChanged;
    std::unique_ptr<BYTE[]> m_buffer;
    std::atomic<quint32> m_bufferCapacity{0};
    std::atomic<double> m_displayScale{1.0};
    DisplayPicture m_display;
};

#endif // CVIDEOTHREAD_H
