#ifndef RECORDVIDEOTHREAD_H
#define RECORDVIDEOTHREAD_H

#include "videoencoder.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <string>

// Encoder bit rates, bits per second.
enum VideoQuality { VideoNormal = 500000, VideoBetter = 1000000, VideoBest = 2000000 };

// Records the frames of one display cell into a video file. It lives on the
// user-interface thread: the grabber's blocking delivery hands it every frame
// and waits until the frame is encoded. The file is finished when the
// recorder is destroyed.
class RecordVideoThread final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RecordVideoThread)

public:
    // Opens the file and writes its header; check isRecording() afterwards.
    RecordVideoThread(VideoQuality bitRate, int framesPerSecond, int width, int height, std::string fileName,
                      QObject *parent = nullptr);
    ~RecordVideoThread() override;

    bool startRecord();
    bool isRecording() const { return m_encoder.isOpen(); }
    // Why the recorder could not start or stopped taking frames.
    QString errorText() const { return QString::fromStdString(m_encoder.error()); }
    QString fileName() const { return QString::fromStdString(m_fileName); }
    const VideoEncoder::Timing &timing() const { return m_encoder.timing(); }
    qint64 encodeCallNs() const { return m_encodeCallNs; }
    // Finishes the file now; false when its end could not be written.
    bool finishRecord();

public slots:
    void image_to_avframe(QImage image);

signals:
    // The file took no more frames (a full disk, for example); the recording
    // must be stopped.
    void recordingFailed(const QString &reason);

private:
    int m_width;
    int m_height;
    int m_framesPerSecond;
    VideoQuality m_bitRate;
    std::string m_fileName;
    VideoEncoder m_encoder;
    bool m_failureReported = false;
    qint64 m_encodeCallNs = 0;
};

#endif // RECORDVIDEOTHREAD_H
