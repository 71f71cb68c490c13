#include "capture/snapshotwriter.h"

#include "capture/capturenaming.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

// Names being written by any cell: two cells saving into one folder in the
// same second must not pick the same free name.
std::mutex &reservedMutex()
{
    static std::mutex mutex;
    return mutex;
}

QSet<QString> &reservedNames()
{
    static QSet<QString> names;
    return names;
}

} // namespace

SnapshotWriter::SnapshotWriter(QObject *parent) : QObject(parent), m_thread([this] { run(); }) {}

SnapshotWriter::~SnapshotWriter()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void SnapshotWriter::submit(Job job)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_queue.push_back(std::move(job));
    }
    m_wake.notify_one();
}

int SnapshotWriter::backlog() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(m_queue.size()) + m_busy;
}

void SnapshotWriter::drain()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_idle.wait(lock, [this] { return m_queue.empty() && m_busy == 0; });
}

SnapshotWriter::Totals SnapshotWriter::totals() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_totals;
}

QString SnapshotWriter::reserveName(const Job &job)
{
    std::lock_guard<std::mutex> lock(reservedMutex());
    QSet<QString> &reserved = reservedNames();
    const QString base =
        CaptureNaming::uniqueBaseName(job.baseName, job.extension, [&reserved](const QString &file) {
            return reserved.contains(file) || QFileInfo::exists(file);
        });
    reserved.insert(base + job.extension);
    return base;
}

void SnapshotWriter::run()
{
    for (;;) {
        Job job;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            // Queued pictures are written even when asked to quit: a picture
            // the user took is never dropped.
            m_wake.wait(lock, [this] { return m_quit || !m_queue.empty(); });
            if (m_queue.empty())
                return;
            job = std::move(m_queue.front());
            m_queue.pop_front();
            ++m_busy;
        }

        const QString base = reserveName(job);
        const QString fileName = base + job.extension;
        QElapsedTimer clock;
        clock.start();
        const CameraSdkStatus status = CameraSaveImage(job.handle, QFile::encodeName(base).constData(),
                                                       reinterpret_cast<const BYTE *>(job.pixels.constData()),
                                                       &job.head, job.sdkType, 100);
        const qint64 busy = clock.nsecsElapsed();
        {
            std::lock_guard<std::mutex> lock(reservedMutex());
            reservedNames().remove(fileName);
        }
        emit written(fileName, status, job.series);
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            --m_busy;
            m_totals.busyNs += busy;
            if (status == CAMERA_STATUS_SUCCESS)
                ++m_totals.written;
            else
                ++m_totals.failed;
        }
        m_idle.notify_all();
    }
}
