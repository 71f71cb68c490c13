#include "shell/launcher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace vexo {

QString siblingProgramPath(const QString &dir, const QString &name)
{
#ifdef Q_OS_MACOS
    return dir + QLatin1Char('/') + name + QStringLiteral(".app");
#else
    return dir + QLatin1Char('/') + name;
#endif
}

bool launchSibling(const QString &dir, const QString &name)
{
    const QString program = siblingProgramPath(dir, name);
#ifdef Q_OS_MACOS
    return QProcess::startDetached(QStringLiteral("open"), {program});
#else
    // startDetached reports a program that cannot be executed, so a missing
    // sibling is noticed here rather than silently ignored.
    return QProcess::startDetached(program, {}, dir);
#endif
}

bool openLocalPath(const QString &path)
{
    // xdg-open accepts any path and fails later, out of our sight; a missing
    // file must still produce the viewer's own message.
    if (!QFileInfo::exists(path))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace vexo
