#include "stream/cvideothread.h"

#include <QElapsedTimer>
#include <QMetaMethod>
#include <QMutexLocker>

#include <chrono>
#include <limits>

namespace {

// Largest frame we convert: its RGB buffer size must fit a signed int, which
// is also the limit of QImage and QByteArray.
constexpr quint64 MaxBufferBytes = std::numeric_limits<int>::max();

qsizetype rgbRowBytes(quint32 width)
{
    return (qsizetype(width) * 3 + 3) & ~qsizetype(3);
}

} // namespace

CVideoThread::CVideoThread(void *cameraHandle, QObject *parent) : QThread(parent), m_handle(cameraHandle)
{
    registerMetaTypes();
}

CVideoThread::~CVideoThread()
{
    // The owner stops and waits for us before deleting; this only guards
    // against a thread object destroyed while its loop still runs.
    stop();
    wait();
}

void CVideoThread::registerMetaTypes()
{
    qRegisterMetaType<stImageInfo>("stImageInfo");
}

void CVideoThread::stop()
{
    QMutexLocker lock(&m_pauseMutex);
    m_stopRequest.store(true);
    m_pauseChanged.wakeAll();
}

void CVideoThread::setStreaming(bool streaming)
{
    QMutexLocker lock(&m_pauseMutex);
    m_streaming.store(streaming);
    m_pauseChanged.wakeAll();
}

bool CVideoThread::waitWhilePaused(unsigned long timeoutMs)
{
    QMutexLocker lock(&m_pauseMutex);
    if (!m_streaming.load() && !m_stopRequest.load())
        m_pauseChanged.wait(&m_pauseMutex, timeoutMs);
    return !m_streaming.load() && !m_stopRequest.load();
}

BYTE *CVideoThread::bufferFor(quint32 required)
{
    if (!m_buffer || m_bufferCapacity.load() < required) {
        m_buffer.reset();
        m_bufferCapacity.store(0);
        m_buffer.reset(new (std::nothrow) BYTE[required]);
        if (!m_buffer)
            return nullptr;
        m_bufferCapacity.store(required);
    }
    return m_buffer.get();
}

bool CVideoThread::needsWholeFrames() const
{
    static const QMetaMethod frames = QMetaMethod::fromSignal(&CVideoThread::acquireFrame);
    static const QMetaMethod copies = QMetaMethod::fromSignal(&CVideoThread::frameCaptured);
    static const QMetaMethod display = QMetaMethod::fromSignal(&CVideoThread::displayFrame);
    return isSignalConnected(frames) || isSignalConnected(copies) || !isSignalConnected(display);
}

bool CVideoThread::showPicture(CameraFrameHandle frame, stImageInfo head, BYTE *raw, const QSize &frameSize,
                               const QSize &shown)
{
    const qsizetype stride = rgbRowBytes(quint32(shown.width()));
    BYTE *buffer = bufferFor(quint32(stride * shown.height()));
    // The crosshairs are drawn where they fall on the picture's pixels, as
    // on the whole frame.
    const CameraSdkStatus status =
        buffer == nullptr
            ? CAMERA_STATUS_FAILED
            : CameraGetOutImageBufferSampled(m_handle, &head, raw, buffer, shown.width(), shown.height(), 1);
    CameraReleaseFrameHandle(m_handle, frame);
    if (status != CAMERA_STATUS_SUCCESS)
        return false;
    if (head.uiMediaType != CAMERA_MEDIA_TYPE_RGB8) {
        CameraSetIspOutFormat(m_handle, CAMERA_MEDIA_TYPE_RGB8);
        return false;
    }
    const QImage picture = m_display.make(buffer, shown, int(stride), shown);
    if (picture.isNull())
        return false;
    emit displayFrame(picture, frameSize);
    m_deliveredFrames.fetch_add(1);
    return true;
}

void CVideoThread::run()
{
    stImageInfo head{};
    stFrameStatistic statistic{};
    QElapsedTimer window;
    quint32 windowStartCount = 0;
    int deliveredInWindow = 0;
    bool lost = false;

    for (;;) {
        if (m_stopRequest.load()) {
            CameraPause(m_handle);
            m_buffer.reset();
            m_bufferCapacity.store(0);
            return;
        }
        if (!m_streaming.load()) {
            if (!waitWhilePaused(PausedProbeMs))
                continue;
            // Paused: no frame is expected, but the camera must still be
            // seen to go and to come back. An exposure read is answered at
            // once either way.
            double exposure = 0.0;
            const bool away = CameraGetExposureTime(m_handle, &exposure) == CAMERA_STATUS_DEVICE_LOST;
            if (away != lost) {
                lost = away;
                emit cameraLost(lost);
            }
            continue;
        }

        // A failed call leaves the previous counters, so a lost camera reports
        // a capture rate of 0 rather than garbage.
        CameraGetFrameStatistic(m_handle, &statistic);

        if (!window.isValid()) {
            window.start();
            windowStartCount = statistic.iCapture;
        } else {
            const qint64 elapsed = window.elapsed();
            if (elapsed >= RateWindowMs) {
                const float captureFps =
                    float(statistic.iCapture - windowStartCount) * 1000.0f / float(elapsed);
                const float displayFps = float(deliveredInWindow * 1000.0 / double(elapsed));
                emit updateFrameRate(captureFps, displayFps, m_deliveredFrames.load());
                windowStartCount = statistic.iCapture;
                window.restart();
                deliveredInWindow = 0;
            }
        }

        CameraFrameHandle rawFrame = nullptr;
        const CameraSdkStatus fetched = CameraGetRawImageBuffer(m_handle, &rawFrame, FetchTimeoutMs);
        // The library opens a lost camera again by itself; the loop only
        // keeps asking, and says when the answer changes.
        if (fetched == CAMERA_STATUS_DEVICE_LOST && !lost) {
            lost = true;
            emit cameraLost(true);
        }
        if (fetched != CAMERA_STATUS_SUCCESS) {
            msleep(RetryPauseMs);
            continue;
        }
        const qint64 arrivalUs = std::chrono::duration_cast<std::chrono::microseconds>(
                                     std::chrono::steady_clock::now().time_since_epoch())
                                     .count();
        if (lost) {
            lost = false;
            emit cameraLost(false);
        }

        BYTE *raw = nullptr;
        const CameraSdkStatus infoStatus = CameraGetImageInfo(m_handle, rawFrame, &head, &raw);
        const quint64 required = quint64(head.uiWidth) * head.uiHeight * 4;
        // A broken head (no size, or a size no buffer can hold) must not reach
        // the allocation or the conversion.
        if (infoStatus != CAMERA_STATUS_SUCCESS || raw == nullptr || required == 0 ||
            required > MaxBufferBytes) {
            CameraReleaseFrameHandle(m_handle, rawFrame);
            continue;
        }

        // Only the display wants this frame and shows it smaller: then only
        // the pixels it shows are converted. Snapshots, recordings, the
        // histogram and zoom beyond fit take the whole frame.
        const QSize frameSize(int(head.uiWidth), int(head.uiHeight));
        const QSize shown = m_snapshotRequest.load() || needsWholeFrames()
                                ? QSize()
                                : DisplayPicture::sizeFor(frameSize, m_displayScale.load());
        if (!shown.isEmpty()) {
            if (showPicture(rawFrame, head, raw, frameSize, shown))
                ++deliveredInWindow;
            continue;
        }

        BYTE *buffer = bufferFor(quint32(required));
        if (buffer == nullptr) {
            CameraReleaseFrameHandle(m_handle, rawFrame);
            continue;
        }
        const CameraSdkStatus convertStatus = CameraGetOutImageBuffer(m_handle, &head, raw, buffer);
        CameraReleaseFrameHandle(m_handle, rawFrame);
        if (convertStatus != CAMERA_STATUS_SUCCESS)
            continue;
        if (head.uiMediaType != CAMERA_MEDIA_TYPE_RGB8) {
            CameraSetIspOutFormat(m_handle, CAMERA_MEDIA_TYPE_RGB8);
            continue;
        }
        const qsizetype imageBytes = rgbRowBytes(head.uiWidth) * qsizetype(head.uiHeight);
        if (head.uiWidth == 0 || head.uiHeight == 0 || imageBytes > qsizetype(m_bufferCapacity.load()))
            continue;

        CameraImageOverlay(m_handle, buffer, &head);

        // Wraps the buffer without copying; the blocking delivery returns only
        // when every receiver is done with it.
        const QImage image(buffer, int(head.uiWidth), int(head.uiHeight), QImage::Format_RGB888);
        emit frameCaptured(image, head.uiTimestamp, arrivalUs);
        emit acquireFrame(image);
        // The display gets only the pixels it can show, sampled here rather
        // than on the user-interface thread, which every camera shares.
        if (isSignalConnected(QMetaMethod::fromSignal(&CVideoThread::displayFrame))) {
            const QSize pictureSize = DisplayPicture::sizeFor(frameSize, m_displayScale.load());
            const QImage picture =
                pictureSize.isEmpty()
                    ? QImage()
                    : m_display.make(buffer, frameSize, rgbRowBytes(head.uiWidth), pictureSize);
            emit displayFrame(picture.isNull() ? image : picture, frameSize);
        }
        m_deliveredFrames.fetch_add(1);

        // Taking the request before serving it keeps a request made meanwhile
        // for the next frame instead of dropping it.
        // Only the hand-over: the cell reports the save's real outcome.
        if (m_snapshotRequest.exchange(false))
            emit cameraSavePic(QByteArray(reinterpret_cast<const char *>(buffer), int(imageBytes)), head);
        ++deliveredInWindow;
    }
}
