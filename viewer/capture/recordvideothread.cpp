#include "capture/recordvideothread.h"

#include "capture/encoderplan.h"

#include <QElapsedTimer>
#include <QMutexLocker>

#include <chrono>

namespace {

int64_t steadyMicroseconds()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Frames a preset runs before its speed is judged: a group of pictures, so
// a key frame's cost is part of the measure; fewer once frames are being
// dropped, which leaves no doubt, so a slow machine is not left dropping
// for a whole group of pictures at a few frames a second.
constexpr qint64 JudgedFrames = 12;
constexpr qint64 JudgedFramesWhileDropping = 3;
// Busier than this share of the frame interval, the encoder is falling behind.
constexpr double BusyLimit = 0.9;

} // namespace

RecordVideoThread::RecordVideoThread(VideoQuality bitRate, int framesPerSecond, int width, int height,
                                     std::string fileName, QObject *parent)
    : QObject(parent), m_width(width), m_height(height), m_framesPerSecond(framesPerSecond),
      m_bitRate(bitRate), m_fileName(std::move(fileName)),
      m_queue(std::make_shared<FrameQueue>(QueueBytes, QueueFrames))
{
    startRecord();
}

RecordVideoThread::~RecordVideoThread()
{
    finishRecord();
}

bool RecordVideoThread::startRecord()
{
    if (m_open.load() || m_finished)
        return m_open.load();
    VideoEncoder::Settings settings;
    settings.fileName = m_fileName;
    settings.width = m_width;
    settings.height = m_height;
    settings.framesPerSecond = m_framesPerSecond;
    settings.bitRate = m_bitRate;
    const int64_t pixels = int64_t(m_width) * m_height;
    if (m_framesPerSecond > 0 && pixels > 0) {
        const EncoderPlan::Choice choice = EncoderPlan::Machine::instance().start(pixels, m_framesPerSecond);
        m_planned = true;
        settings.preset = choice.preset;
        settings.threads = choice.threads;
        for (int i = 0; i < EncoderPlan::presetCount(); ++i) {
            if (choice.preset == EncoderPlan::presetName(i))
                m_presetIndex = i;
        }
    }
    const bool opened = m_encoder.open(settings);
    if (opened)
        m_marker = std::make_unique<RecordingRepair::Marker>(QString::fromStdString(m_fileName));
    m_open.store(opened);
    if (!opened)
        m_queue->close();
    copyFigures();
    return opened;
}

void RecordVideoThread::start()
{
    if (m_thread.joinable() || !m_open.load() || m_finished)
        return;
    m_thread = std::thread([this] { encodeLoop(); });
}

RecordingFailure RecordVideoThread::failure() const
{
    QMutexLocker lock(&m_figuresLock);
    return m_failure;
}

RecordVideoThread::Figures RecordVideoThread::figures() const
{
    QMutexLocker lock(&m_figuresLock);
    Figures figures = m_figures;
    figures.queue = m_queue->figures();
    return figures;
}

void RecordVideoThread::image_to_avframe(QImage image)
{
    if (image.isNull())
        return;
    if (image.format() != QImage::Format_RGB888)
        image = image.convertToFormat(QImage::Format_RGB888);
    m_queue->push(image.constBits(), image.width(), image.height(), int(image.bytesPerLine()), 0,
                  steadyMicroseconds());
}

void RecordVideoThread::encodeLoop()
{
    while (std::unique_ptr<FrameQueue::Frame> frame = m_queue->pop()) {
        const bool ok = encodeOne(*frame);
        m_queue->recycle(std::move(frame));
        if (!ok) {
            // Nothing more goes in; frames still queued are let go.
            m_queue->close();
            while (std::unique_ptr<FrameQueue::Frame> rest = m_queue->pop())
                m_queue->recycle(std::move(rest));
            if (!m_failureReported) {
                m_failureReported = true;
                emit recordingFailed();
            }
            return;
        }
    }
}

bool RecordVideoThread::encodeOne(const FrameQueue::Frame &frame)
{
    QElapsedTimer clock;
    clock.start();
    const bool ok =
        m_encoder.encode(frame.pixels.get(), frame.width, frame.height, frame.rowBytes, frame.timeUs);
    m_busyNs += clock.nsecsElapsed();
    if (ok)
        keepUp();
    copyFigures();
    return ok;
}

void RecordVideoThread::keepUp()
{
    if (m_encoder.preset().empty() || m_presetIndex >= EncoderPlan::presetCount() - 1)
        return;
    const qint64 frames = m_encoder.timing().frames - m_framesAtSwitch;
    const qint64 dropped = m_queue->figures().dropped;
    if (frames < (dropped > m_droppedAtSwitch ? JudgedFramesWhileDropping : JudgedFrames))
        return;
    const double wallPerFrame = double(m_busyNs) / double(frames);
    const double interval = 1e9 / double(m_framesPerSecond);
    const bool behind = dropped > m_droppedAtSwitch || wallPerFrame > BusyLimit * interval;
    const int64_t pixels = int64_t(m_encoder.width()) * m_encoder.height();
    EncoderPlan::Machine::instance().measured(m_presetIndex, pixels, wallPerFrame, !behind);
    m_framesAtSwitch = m_encoder.timing().frames;
    m_droppedAtSwitch = dropped;
    m_busyNs = 0;
    if (!behind)
        return;
    const double nsPerPixel = wallPerFrame / double(pixels) / EncoderPlan::relativeCost(m_presetIndex);
    const int next =
        std::max(m_presetIndex + 1, EncoderPlan::choosePreset(pixels, m_framesPerSecond, nsPerPixel));
    if (m_encoder.switchPreset(EncoderPlan::presetName(next)))
        m_presetIndex = next;
}

void RecordVideoThread::copyFigures()
{
    QMutexLocker lock(&m_figuresLock);
    m_figures.timing = m_encoder.timing();
    m_figures.encodeCallNs =
        m_figures.timing.convertNs + m_figures.timing.encodeNs + m_figures.timing.writeNs;
    m_figures.preset = QString::fromStdString(m_encoder.preset());
    m_failure = m_encoder.failure();
}

bool RecordVideoThread::finishRecord()
{
    if (m_finished)
        return m_finishedOk;
    m_finished = true;
    m_queue->close();
    if (m_thread.joinable())
        m_thread.join();
    else if (m_open.load())
        encodeLoop(); // frames queued before the thread was started
    const bool wasOpen = m_open.exchange(false);
    m_finishedOk = m_encoder.finish();
    copyFigures();
    if (m_planned)
        EncoderPlan::Machine::instance().finished();
    // A file that could not be completed keeps its marker, so the next start
    // of the viewer repairs what it holds.
    if (m_marker)
        m_marker->release(wasOpen && m_finishedOk);
    m_marker.reset();
    return m_finishedOk;
}
