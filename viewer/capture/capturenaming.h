#ifndef CAPTURENAMING_H
#define CAPTURENAMING_H

#include <QDateTime>
#include <QString>

#include <functional>

// File names, folders and encoder figures of snapshots and recordings, kept
// apart from the cell so they can be checked without a window or a camera.
namespace CaptureNaming {

// What CameraSaveImage gets for a CAPTURE/PictureType setting and the
// extension it appends. Settings the dialog never writes read as BMP.
struct PictureType
{
    int sdkCode;
    const char *extension;
};
PictureType pictureType(int setting);

// "yyyyMMddhhmmss", or "yyyyMMddhhmmsszzz" with milliseconds.
QString timeStamp(const QDateTime &when, bool withMilliseconds);

// Snapshot name without extension: "%1/%2_%3" (folder, prefix, third part).
QString snapshotBaseName(const QString &folder, const QString &prefix, const QString &third);
// Video name: "%1/%2%3" plus ".mp4" (type 0) or ".avi" (type 1).
QString videoFileName(const QString &folder, const QString &prefix, const QString &third, int videoType);
QString videoExtension(int videoType);

// Bits per second of RECORDINFO/VideoQuality.
int videoBitRate(int quality);
// Frames per second of a recording: the camera's measured rate truncated
// (playSpeed non-zero) or the custom rate.
int recordFrameRate(int playSpeed, int autoFrameRate, float captureFps);

// The first name among base, base_1, base_2, ... whose file base + extension
// is not taken, so a picture never silently replaces another.
QString uniqueBaseName(const QString &base, const QString &extension,
                       const std::function<bool(const QString &)> &taken);

// Why a name cannot be used; None when it can.
enum class Problem {
    None,
    FolderUnusable, // not an absolute path of an existing, writable folder
    PrefixInvalid,  // would reach into another folder or cannot be a file name
    NameTooLong,    // longer than the file system takes, with room for a suffix
};

// A folder is usable when it is absolute (a drive path such as "D:/" is not
// on this platform and must not turn into a folder "D:" in the working
// directory), exists and can be written.
bool isUsableFolder(const QString &folder);
Problem checkPrefix(const QString &prefix);
// fileName is the whole path; only its last component is measured.
Problem checkFileName(const QString &fileName);

// A camera name as one folder name: no separators, never "." or "..".
QString folderNameFor(const QString &cameraName);

} // namespace CaptureNaming

#endif // CAPTURENAMING_H
