#ifndef CAPTURESERIES_H
#define CAPTURESERIES_H

#include <QObject>
#include <QTimer>

#include <functional>

// A timed series of snapshots: by count (a 1000 ms tick that takes a picture
// once enough new frames have arrived) or by time (a picture every interval),
// each optionally stopping after a number of pictures or a duration.
class CaptureSeries final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CaptureSeries)

public:
    struct Settings
    {
        int mode = 0; // 0 by frame count, 1 by time
        int numberRadix = 1;
        bool numberStop = false;
        int numberCount = 1;
        int timeRadixMs = 1;
        bool timeStop = false;
        int timeCountMs = 1;
    };

    enum class Tick { Nothing, Take, End };

    // Count mode, once a second: frames is the grabber's delivered-frame
    // count, lastFrames the count at the last picture (advanced on Take).
    static Tick countTick(const Settings &settings, int frames, int &lastFrames, int pictures);
    // Time mode, every interval.
    static Tick timeTick(const Settings &settings, qint64 nowMs, qint64 endMs);

    static constexpr int CountTickMs = 1000;

    // frames: the grabber's delivered-frame count. ready: whether a picture
    // can be taken now (the previous one was served and the writer keeps up);
    // a tick that is not ready is skipped as a whole.
    CaptureSeries(const Settings &settings, std::function<int()> frames, std::function<bool()> ready,
                  QObject *parent = nullptr);

    void start();
    int pictures() const { return m_pictures; }
    int mode() const { return m_settings.mode; }

signals:
    void takePicture(int pictures);
    void countTicked();
    void finished();

private:
    void onTick();

    Settings m_settings;
    std::function<int()> m_frames;
    std::function<bool()> m_ready;
    QTimer m_timer;
    int m_pictures = 0;
    int m_lastFrames = 0;
    qint64 m_endMs = 0;
};

#endif // CAPTURESERIES_H
