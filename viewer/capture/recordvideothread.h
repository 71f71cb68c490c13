#ifndef RECORDVIDEOTHREAD_H
#define RECORDVIDEOTHREAD_H

#include "capture/framequeue.h"
#include "capture/recordingrepair.h"
#include "capture/videoencoder.h"

#include <QImage>
#include <QMutex>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <string>
#include <thread>

// Encoder bit rates, bits per second.
enum VideoQuality { VideoNormal = 500000, VideoBetter = 1000000, VideoBest = 2000000 };

// Records the frames of one display cell into a video file. Frames come in
// through a bounded queue (queue()), which the grabber fills on its own
// thread without ever waiting; after start() a thread of the recorder's own
// encodes them in order, each at its capture time. When the encoder cannot
// keep up, frames are left out of the recording and counted, and the
// encoder's preset is made faster. A marker beside the file says it is
// unfinished until finishRecord() (or the destructor) has completed it.
class RecordVideoThread final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RecordVideoThread)

public:
    struct Figures
    {
        VideoEncoder::Timing timing;
        FrameQueue::Figures queue;
        qint64 encodeCallNs = 0; // wall time of the encoder's work
        QString preset;          // the H.264 preset in use; empty for others
        // Frames that are not in the file: dropped by the queue or left out
        // to keep time.
        qint64 dropped() const { return queue.dropped + timing.skipped; }
    };

    // Opens the file and writes its header; check isRecording() afterwards.
    RecordVideoThread(VideoQuality bitRate, int framesPerSecond, int width, int height, std::string fileName,
                      QObject *parent = nullptr);
    ~RecordVideoThread() override;

    bool startRecord();
    // Starts the encoding thread.
    void start();
    bool isRecording() const { return m_open.load(); }
    // Why the recorder could not start, stopped taking frames or could not
    // complete the file.
    RecordingFailure failure() const;
    QString fileName() const { return QString::fromStdString(m_fileName); }
    // The queue the frame source fills; safe on any thread, and after the
    // recording ended (frames are then refused).
    std::shared_ptr<FrameQueue> queue() const { return m_queue; }
    // A copy of the figures so far; may be read while encoding.
    Figures figures() const;
    VideoEncoder::Timing timing() const { return figures().timing; }
    qint64 encodeCallNs() const { return figures().encodeCallNs; }
    // Encodes the frames still queued, finishes the file and ends the
    // encoding thread; false when the file's end could not be written.
    // Disconnect the frame source first.
    bool finishRecord();

    // Frames the queue can hold, and at most this much memory.
    static constexpr int QueueFrames = 32;
    static constexpr size_t QueueBytes = size_t(48) << 20;

public slots:
    // A frame timed by its arrival here; the grabber's frames come through
    // queue() with the camera's time stamps.
    void image_to_avframe(QImage image);

signals:
    // The file took no more frames (a full disk, for example); the recording
    // must be stopped. failure() tells why.
    void recordingFailed();

private:
    void encodeLoop();
    bool encodeOne(const FrameQueue::Frame &frame);
    // Falls back to a faster preset when the queue keeps filling up.
    void keepUp();
    void copyFigures();

    int m_width;
    int m_height;
    int m_framesPerSecond;
    VideoQuality m_bitRate;
    std::string m_fileName;
    VideoEncoder m_encoder;
    std::shared_ptr<FrameQueue> m_queue;
    std::unique_ptr<RecordingRepair::Marker> m_marker;
    std::atomic<bool> m_open{false};
    std::thread m_thread;
    bool m_finished = false;
    bool m_finishedOk = true;
    bool m_failureReported = false;
    bool m_planned = false;
    int m_presetIndex = 0;
    qint64 m_busyNs = 0;
    qint64 m_droppedAtSwitch = 0;
    qint64 m_framesAtSwitch = 0;
    // Guards the figures copied out of the encoding thread.
    mutable QMutex m_figuresLock;
    Figures m_figures;
    RecordingFailure m_failure;
};

#endif // RECORDVIDEOTHREAD_H
