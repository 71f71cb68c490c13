#include "capture/capturenaming.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace CaptureNaming {

namespace {

// NAME_MAX is 255 bytes; the rest leaves room for the extension, a "_N"
// suffix and the temporary name the picture is written under first.
constexpr int MaxNameBytes = 230;
constexpr int MaxPathBytes = 4000;

} // namespace

PictureType pictureType(int setting)
{
    switch (setting) {
    case 1:
        return {1, ".jpg"};
    case 2:
        return {8, ".png"};
    default:
        return {2, ".bmp"};
    }
}

QString timeStamp(const QDateTime &when, bool withMilliseconds)
{
    return when.toString(withMilliseconds ? QStringLiteral("yyyyMMddhhmmsszzz")
                                          : QStringLiteral("yyyyMMddhhmmss"));
}

QString snapshotBaseName(const QString &folder, const QString &prefix, const QString &third)
{
    return QStringLiteral("%1/%2_%3").arg(folder, prefix, third);
}

QString videoExtension(int videoType)
{
    return videoType == 1 ? QStringLiteral(".avi") : QStringLiteral(".mp4");
}

QString videoFileName(const QString &folder, const QString &prefix, const QString &third, int videoType)
{
    return QStringLiteral("%1/%2%3").arg(folder, prefix, third) + videoExtension(videoType);
}

int videoBitRate(int quality)
{
    switch (quality) {
    case 0:
        return 500000;
    case 1:
        return 1000000;
    default:
        return 2000000;
    }
}

int recordFrameRate(int playSpeed, int autoFrameRate, float captureFps)
{
    if (playSpeed == 0)
        return autoFrameRate;
    if (!(captureFps >= 0.0f) || captureFps > 1.0e6f)
        return 0;
    return int(captureFps);
}

QString uniqueBaseName(const QString &base, const QString &extension,
                       const std::function<bool(const QString &)> &taken)
{
    if (!taken(base + extension))
        return base;
    for (int n = 1;; ++n) {
        const QString candidate = base + QLatin1Char('_') + QString::number(n);
        if (!taken(candidate + extension))
            return candidate;
    }
}

bool isUsableFolder(const QString &folder)
{
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder))
        return false;
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

Problem checkPrefix(const QString &prefix)
{
    if (prefix.contains(QLatin1Char('/')) || prefix.contains(QChar(0)))
        return Problem::PrefixInvalid;
    if (QFile::encodeName(prefix).size() > MaxNameBytes)
        return Problem::NameTooLong;
    return Problem::None;
}

Problem checkFileName(const QString &fileName)
{
    const QByteArray encoded = QFile::encodeName(fileName);
    const int slash = encoded.lastIndexOf('/');
    const int nameBytes = encoded.size() - (slash + 1);
    if (nameBytes > MaxNameBytes || encoded.size() > MaxPathBytes)
        return Problem::NameTooLong;
    return Problem::None;
}

QString folderNameFor(const QString &cameraName)
{
    QString name = cameraName;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    name.remove(QChar(0));
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name.prepend(QLatin1Char('_'));
    return name;
}

} // namespace CaptureNaming
