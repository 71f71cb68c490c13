#include "capture/recordingrepair.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
}

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace RecordingRepair {

namespace {

const QString MarkerSuffix = QStringLiteral(".recording");

// Reads and rewrites the list of markers under a lock, so two viewers
// starting and ending recordings at once do not lose each other's entries.
template<typename Change>
void changeRegistry(Change change)
{
    const QString file = registryFile();
    QDir().mkpath(QFileInfo(file).absolutePath());
    QLockFile lock(file + QStringLiteral(".lock"));
    if (!lock.tryLock(2000))
        return;
    QStringList entries;
    QFile in(file);
    if (in.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : in.readAll().split('\n')) {
            if (!line.trimmed().isEmpty())
                entries << QString::fromUtf8(line.trimmed());
        }
        in.close();
    }
    const QStringList before = entries;
    change(entries);
    if (entries == before)
        return;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return;
    for (const QString &entry : entries)
        out.write(entry.toUtf8() + '\n');
    out.commit();
}

QStringList registered()
{
    QStringList entries;
    changeRegistry([&entries](QStringList &list) { entries = list; });
    return entries;
}

void forget(const QString &marker)
{
    QFile::remove(marker);
    changeRegistry([&marker](QStringList &list) { list.removeAll(marker); });
}

struct Input
{
    AVFormatContext *format = nullptr;
    ~Input() { avformat_close_input(&format); }
};

struct Output
{
    AVFormatContext *format = nullptr;
    ~Output()
    {
        if (format != nullptr) {
            if (format->pb != nullptr)
                avio_closep(&format->pb);
            avformat_free_context(format);
        }
    }
};

// Complete video packets of the file, in file order.
int countFrames(const QString &file)
{
    Input in;
    if (avformat_open_input(&in.format, QFile::encodeName(file).constData(), nullptr, nullptr) < 0 ||
        avformat_find_stream_info(in.format, nullptr) < 0)
        return -1;
    const int stream = av_find_best_stream(in.format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (stream < 0)
        return -1;
    AVPacket *packet = av_packet_alloc();
    int frames = 0;
    while (packet != nullptr && av_read_frame(in.format, packet) >= 0) {
        if (packet->stream_index == stream && packet->size > 0 && !(packet->flags & AV_PKT_FLAG_CORRUPT))
            ++frames;
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
    return frames;
}

Result unrepairable(const QString &video, RecordingFailure::Kind kind, int status = 0)
{
    Result result;
    result.file = video;
    result.outcome = Outcome::Unrepairable;
    result.failure.kind = kind;
    result.failure.status = status < 0 ? status : 0;
    return result;
}

} // namespace

QString markerFor(const QString &video)
{
    return video + MarkerSuffix;
}

QString registryFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/unfinished-recordings");
}

Marker::Marker(const QString &video) : m_video(QFileInfo(video).absoluteFilePath())
{
    const QString marker = markerFor(m_video);
    m_fd = ::open(QFile::encodeName(marker).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (m_fd < 0)
        return;
    // The lock goes with the process, however it ends: a marker nobody holds
    // belongs to a recording that was cut off.
    flock(m_fd, LOCK_EX | LOCK_NB);
    const QByteArray text = "Unfinished recording, repaired at the next start of VexoCam: " +
                            QFileInfo(m_video).fileName().toUtf8() + '\n';
    if (::ftruncate(m_fd, 0) == 0 && ::write(m_fd, text.constData(), size_t(text.size())) < 0) {
        // The marker's name is what counts; its text is only for a person.
    }
    changeRegistry([&marker](QStringList &list) {
        if (!list.contains(marker))
            list << marker;
    });
}

Marker::~Marker()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void Marker::release(bool complete)
{
    if (m_fd < 0)
        return;
    if (complete)
        forget(markerFor(m_video));
    ::close(m_fd);
    m_fd = -1;
}

Result repairFile(const QString &video)
{
    const QFileInfo info(video);
    if (!info.isFile()) {
        Result missing;
        missing.file = video;
        return missing;
    }
    const QByteArray source = QFile::encodeName(info.absoluteFilePath());
    Input in;
    int status = avformat_open_input(&in.format, source.constData(), nullptr, nullptr);
    if (status < 0)
        return unrepairable(video, RecordingFailure::ReadFile, status);
    status = avformat_find_stream_info(in.format, nullptr);
    const int streamIndex =
        status >= 0 ? av_find_best_stream(in.format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0) : status;
    if (streamIndex < 0)
        return unrepairable(video, RecordingFailure::NoVideo);
    AVStream *inStream = in.format->streams[streamIndex];

    // Written beside the original (same disk, so the final rename is atomic)
    // under a name that keeps the extension, which chooses the container.
    const QString temporary = info.absolutePath() + QStringLiteral("/.") + info.completeBaseName() +
                              QStringLiteral(".repair.") + info.suffix();
    const QByteArray target = QFile::encodeName(temporary);
    int copied = 0;
    {
        Output out;
        status = avformat_alloc_output_context2(&out.format, nullptr, nullptr, target.constData());
        if (status < 0 || out.format == nullptr)
            return unrepairable(video, RecordingFailure::NoContainer, status);
        AVStream *outStream = avformat_new_stream(out.format, nullptr);
        if (outStream == nullptr || avcodec_parameters_copy(outStream->codecpar, inStream->codecpar) < 0)
            return unrepairable(video, RecordingFailure::EncoderSetup);
        outStream->codecpar->codec_tag = 0;
        outStream->time_base = inStream->time_base;
        outStream->avg_frame_rate = inStream->avg_frame_rate;
        outStream->r_frame_rate = inStream->r_frame_rate;
        status = avio_open(&out.format->pb, target.constData(), AVIO_FLAG_WRITE);
        if (status < 0)
            return unrepairable(video, RecordingFailure::CreateFile, status);
        status = avformat_write_header(out.format, nullptr);
        if (status < 0) {
            QFile::remove(temporary);
            return unrepairable(video, RecordingFailure::WriteFile, status);
        }
        AVPacket *packet = av_packet_alloc();
        int64_t lastDts = AV_NOPTS_VALUE;
        while (packet != nullptr && av_read_frame(in.format, packet) >= 0) {
            // A frame the cut left half written is not part of the recording.
            const bool keep =
                packet->stream_index == streamIndex && packet->size > 0 &&
                !(packet->flags & AV_PKT_FLAG_CORRUPT) &&
                (lastDts == AV_NOPTS_VALUE || packet->dts == AV_NOPTS_VALUE || packet->dts > lastDts);
            if (keep) {
                lastDts = packet->dts != AV_NOPTS_VALUE ? packet->dts : lastDts;
                // AVI keeps decoding times only; the recorder's pictures are
                // never reordered, so they are the presentation times too.
                if (packet->pts == AV_NOPTS_VALUE)
                    packet->pts = packet->dts;
                packet->stream_index = 0;
                av_packet_rescale_ts(packet, inStream->time_base, outStream->time_base);
                packet->pos = -1;
                status = av_interleaved_write_frame(out.format, packet);
                if (status < 0)
                    break;
                ++copied;
            }
            av_packet_unref(packet);
        }
        av_packet_free(&packet);
        if (status >= 0)
            status = av_write_trailer(out.format);
        if (status >= 0)
            status = avio_closep(&out.format->pb);
    }
    if (status < 0) {
        QFile::remove(temporary);
        return unrepairable(video, RecordingFailure::WriteFile, status);
    }
    if (copied == 0) {
        QFile::remove(temporary);
        return unrepairable(video, RecordingFailure::NoCompleteFrame);
    }
    // The copy must hold every frame the original held.
    const int original = countFrames(video);
    const int repaired = countFrames(temporary);
    if (repaired < copied || repaired < original) {
        QFile::remove(temporary);
        return unrepairable(video, RecordingFailure::WouldLoseFrames);
    }
    if (::rename(target.constData(), source.constData()) != 0) {
        const int error = errno;
        QFile::remove(temporary);
        return unrepairable(video, RecordingFailure::ReplaceFile, AVERROR(error));
    }
    Result result;
    result.file = video;
    result.outcome = Outcome::Repaired;
    result.frames = repaired;
    return result;
}

QVector<Result> repairInterrupted(const QStringList &folders)
{
    QStringList markers = registered();
    for (const QString &folder : folders) {
        if (folder.isEmpty())
            continue;
        const QDir dir(folder);
        for (const QString &name : dir.entryList({QStringLiteral("*") + MarkerSuffix}, QDir::Files))
            markers << dir.absoluteFilePath(name);
    }
    markers.removeDuplicates();

    QVector<Result> results;
    for (const QString &marker : markers) {
        const QString video = marker.left(marker.size() - MarkerSuffix.size());
        const int fd = ::open(QFile::encodeName(marker).constData(), O_RDWR | O_CLOEXEC);
        if (fd < 0) {
            // Gone meanwhile: nothing is left to repair.
            forget(marker);
            continue;
        }
        // Held: another viewer is still writing this recording.
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            Result busy;
            busy.file = video;
            busy.outcome = Outcome::Busy;
            results << busy;
            continue;
        }
        Result result = repairFile(video);
        if (result.outcome != Outcome::Busy)
            forget(marker);
        ::close(fd);
        if (result.outcome != Outcome::Missing)
            results << result;
    }
    return results;
}

} // namespace RecordingRepair
