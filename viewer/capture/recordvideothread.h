#ifndef RECORDVIDEOTHREAD_H
#define RECORDVIDEOTHREAD_H

#include "capture/videoencoder.h"

#include <QImage>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>

#include <string>

// Encoder bit rates, bits per second.
enum VideoQuality { VideoNormal = 500000, VideoBetter = 1000000, VideoBest = 2000000 };

// Records the frames of one display cell into a video file. After start()
// it lives on a thread of its own: the grabber's blocking delivery hands it
// every frame and waits until the frame is encoded, so a slow encoder slows
// the grabber, never the user interface. The file is finished by
// finishRecord() or when the recorder is destroyed.
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
    // Moves the recorder to its encoding thread; from then on frames are
    // encoded there. Only for a recorder without a parent.
    void start();
    bool isRecording() const;
    // Why the recorder could not start or stopped taking frames.
    QString errorText() const;
    QString fileName() const { return QString::fromStdString(m_fileName); }
    // A copy of the encoder's figures so far; may be read while encoding.
    VideoEncoder::Timing timing() const;
    qint64 encodeCallNs() const;
    // Encodes a frame still being delivered, finishes the file and ends the
    // encoding thread; false when the file's end could not be written.
    // Disconnect the frame source first.
    bool finishRecord();

public slots:
    void image_to_avframe(QImage image);

signals:
    // The file took no more frames (a full disk, for example); the recording
    // must be stopped.
    void recordingFailed(const QString &reason);

private:
    bool finishOnThisThread();
    // Copies the encoder's figures and error for other threads.
    void copyFigures(qint64 callNs);

    int m_width;
    int m_height;
    int m_framesPerSecond;
    VideoQuality m_bitRate;
    std::string m_fileName;
    VideoEncoder m_encoder;
    bool m_failureReported = false;
    QThread m_thread;
    // Guards the figures copied out of the encoding thread.
    mutable QMutex m_figuresLock;
    VideoEncoder::Timing m_timing;
    QString m_error;
    qint64 m_encodeCallNs = 0;
};

#endif // RECORDVIDEOTHREAD_H
