#include "capture/captureseries.h"

#include <QDateTime>

#include <algorithm>

CaptureSeries::Tick CaptureSeries::countTick(const Settings &settings, int frames, int &lastFrames,
                                             int pictures)
{
    if (frames - lastFrames < settings.numberRadix)
        return Tick::Nothing;
    lastFrames = frames;
    if (settings.numberStop && settings.numberCount <= pictures)
        return Tick::End;
    return Tick::Take;
}

CaptureSeries::Tick CaptureSeries::timeTick(const Settings &settings, qint64 nowMs, qint64 endMs)
{
    if (settings.timeStop && nowMs >= endMs)
        return Tick::End;
    return Tick::Take;
}

CaptureSeries::CaptureSeries(const Settings &settings, std::function<int()> frames,
                             std::function<bool()> ready, QObject *parent)
    : QObject(parent), m_settings(settings), m_frames(std::move(frames)), m_ready(std::move(ready))
{
    connect(&m_timer, &QTimer::timeout, this, &CaptureSeries::onTick);
}

void CaptureSeries::start()
{
    m_pictures = 0;
    if (m_settings.mode == 1) {
        m_endMs = QDateTime::currentMSecsSinceEpoch() + m_settings.timeCountMs;
        // An interval of 0 (the dialog's "0 秒") means as fast as frames come;
        // a zero timer would spin the event loop instead.
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.start(std::max(1, m_settings.timeRadixMs));
    } else {
        m_lastFrames = m_frames();
        m_timer.start(CountTickMs);
    }
}

void CaptureSeries::onTick()
{
    const bool ready = m_ready();
    Tick tick;
    if (m_settings.mode == 1) {
        tick = timeTick(m_settings, QDateTime::currentMSecsSinceEpoch(), m_endMs);
    } else {
        const int before = m_lastFrames;
        tick = countTick(m_settings, m_frames(), m_lastFrames, m_pictures);
        // A picture that cannot be taken now is taken by a later tick.
        if (tick == Tick::Take && !ready)
            m_lastFrames = before;
    }

    switch (tick) {
    case Tick::Nothing:
        return;
    case Tick::End:
        m_timer.stop();
        emit finished();
        return;
    case Tick::Take:
        if (!ready)
            return;
        ++m_pictures;
        emit takePicture(m_pictures);
        break;
    }
    if (m_settings.mode == 0)
        emit countTicked();
}
