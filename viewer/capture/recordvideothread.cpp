#include "capture/recordvideothread.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QMutexLocker>

RecordVideoThread::RecordVideoThread(VideoQuality bitRate, int framesPerSecond, int width, int height,
                                     std::string fileName, QObject *parent)
    : QObject(parent), m_width(width), m_height(height), m_framesPerSecond(framesPerSecond),
      m_bitRate(bitRate), m_fileName(std::move(fileName))
{
    m_thread.setObjectName(QStringLiteral("recorder"));
    startRecord();
}

RecordVideoThread::~RecordVideoThread()
{
    finishRecord();
}

bool RecordVideoThread::startRecord()
{
    VideoEncoder::Settings settings;
    settings.fileName = m_fileName;
    settings.width = m_width;
    settings.height = m_height;
    settings.framesPerSecond = m_framesPerSecond;
    settings.bitRate = m_bitRate;
    const bool opened = m_encoder.open(settings);
    copyFigures(0);
    return opened;
}

void RecordVideoThread::start()
{
    if (m_thread.isRunning() || parent() != nullptr)
        return;
    moveToThread(&m_thread);
    m_thread.start(QThread::TimeCriticalPriority);
}

bool RecordVideoThread::isRecording() const
{
    // Only called before start() or after finishRecord(), when no other
    // thread touches the encoder.
    return m_encoder.isOpen();
}

QString RecordVideoThread::errorText() const
{
    QMutexLocker lock(&m_figuresLock);
    return m_error;
}

VideoEncoder::Timing RecordVideoThread::timing() const
{
    QMutexLocker lock(&m_figuresLock);
    return m_timing;
}

qint64 RecordVideoThread::encodeCallNs() const
{
    QMutexLocker lock(&m_figuresLock);
    return m_encodeCallNs;
}

bool RecordVideoThread::finishRecord()
{
    if (!m_thread.isRunning())
        return finishOnThisThread();
    // Queued behind a frame still being delivered, so that frame is in the
    // file too; the encoding thread then ends.
    bool finished = false;
    QMetaObject::invokeMethod(
        this, [this] { return finishOnThisThread(); }, Qt::BlockingQueuedConnection, &finished);
    m_thread.quit();
    m_thread.wait();
    return finished;
}

bool RecordVideoThread::finishOnThisThread()
{
    const bool finished = m_encoder.finish();
    copyFigures(0);
    return finished;
}

void RecordVideoThread::copyFigures(qint64 callNs)
{
    QMutexLocker lock(&m_figuresLock);
    m_timing = m_encoder.timing();
    m_error = QString::fromStdString(m_encoder.error());
    m_encodeCallNs += callNs;
}

void RecordVideoThread::image_to_avframe(QImage image)
{
    // Frames after a failure, or of a recorder that never started, are
    // dropped; the cell stops the recording on recordingFailed.
    if (!m_encoder.isOpen() || image.isNull())
        return;
    QElapsedTimer clock;
    clock.start();
    if (image.format() != QImage::Format_RGB888)
        image = image.convertToFormat(QImage::Format_RGB888);
    const bool ok = m_encoder.encode(image.constBits(), image.width(), image.height(), image.bytesPerLine());
    copyFigures(clock.nsecsElapsed());
    if (!ok && !m_failureReported) {
        m_failureReported = true;
        emit recordingFailed(errorText());
    }
}
