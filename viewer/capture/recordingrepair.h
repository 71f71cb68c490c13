#ifndef RECORDINGREPAIR_H
#define RECORDINGREPAIR_H

#include "capture/recordingfailure.h"

#include <QString>
#include <QStringList>
#include <QVector>

// Recordings cut off by a crash, a kill or a power cut. While a recording is
// written a marker lies beside it ("<file>.recording"), locked by the
// recording process and listed in the application's data folder; a complete
// recording removes both. At the next start every marker whose process is
// gone names a file to repair: its frames are copied into a complete file
// (index, duration, seekable) that then replaces it. A file that cannot be
// repaired, or would lose a frame, is left as it is.
namespace RecordingRepair {

QString markerFor(const QString &video);
// The list of markers, in the application's data folder.
QString registryFile();

// The marker of one recording being written.
class Marker final
{
public:
    explicit Marker(const QString &video);
    ~Marker();
    Marker(const Marker &) = delete;
    Marker &operator=(const Marker &) = delete;

    // complete: the file is finished and the marker goes; otherwise it stays
    // for the next start to repair.
    void release(bool complete);

private:
    QString m_video;
    int m_fd = -1;
};

enum class Outcome { Repaired, Unrepairable, Busy, Missing };

struct Result
{
    QString file;
    Outcome outcome = Outcome::Missing;
    RecordingFailure failure; // why it cannot be repaired
    int frames = 0;           // frames in the repaired file
};

// Copies the frames of video into a complete file of the same container and
// puts it in video's place.
Result repairFile(const QString &video);

// Every unfinished recording listed in the registry or marked in folders
// whose writer has gone: repaired, or named as unrepairable. Busy ones (still
// being written by another viewer) are left for later.
QVector<Result> repairInterrupted(const QStringList &folders);

} // namespace RecordingRepair

#endif // RECORDINGREPAIR_H
