#ifndef SNAPSHOTWRITER_H
#define SNAPSHOTWRITER_H

#include "VexoCameraSDK.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>

// Writes snapshot files through CameraSaveImage on its own thread, one at a
// time in request order, so encoding and the disk never hold up the display
// cell. The outcome of every picture comes back through written().
class SnapshotWriter final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SnapshotWriter)

public:
    struct Job
    {
        CameraHandle handle = nullptr;
        QString baseName; // without extension; a "_N" suffix is added when taken
        int sdkType = FILE_BMP;
        QString extension; // what the SDK appends for sdkType
        QByteArray pixels;
        stImageInfo head{};
        bool series = false;
    };

    struct Totals
    {
        qint64 written = 0;
        qint64 failed = 0;
        qint64 busyNs = 0; // time spent in CameraSaveImage
    };

    explicit SnapshotWriter(QObject *parent = nullptr);
    ~SnapshotWriter() override;

    void submit(Job job);
    // Pictures queued or being written.
    int backlog() const;
    // Returns once every queued picture has been written or has failed.
    void drain();
    Totals totals() const;

    // A series takes no new picture while this many are still waiting.
    static constexpr int SeriesBacklogLimit = 3;

signals:
    // status 0: fileName (with extension) was written completely.
    void written(const QString &fileName, int status, bool series);

private:
    void run();
    QString reserveName(const Job &job);

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Job> m_queue;
    int m_busy = 0;
    bool m_quit = false;
    Totals m_totals;
    std::thread m_thread;
};

#endif // SNAPSHOTWRITER_H
