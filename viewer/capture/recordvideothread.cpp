#include "recordvideothread.h"

#include <QElapsedTimer>

RecordVideoThread::RecordVideoThread(VideoQuality bitRate, int framesPerSecond, int width, int height,
                                     std::string fileName, QObject *parent)
    : QObject(parent), m_width(width), m_height(height), m_framesPerSecond(framesPerSecond),
      m_bitRate(bitRate), m_fileName(std::move(fileName))
{
    startRecord();
}

RecordVideoThread::~RecordVideoThread()
{
    m_encoder.finish();
}

bool RecordVideoThread::startRecord()
{
    VideoEncoder::Settings settings;
    settings.fileName = m_fileName;
    settings.width = m_width;
    settings.height = m_height;
    settings.framesPerSecond = m_framesPerSecond;
    settings.bitRate = m_bitRate;
    return m_encoder.open(settings);
}

bool RecordVideoThread::finishRecord()
{
    return m_encoder.finish();
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
    m_encodeCallNs += clock.nsecsElapsed();
    if (!ok && !m_failureReported) {
        m_failureReported = true;
        emit recordingFailed(errorText());
    }
}
