#pragma once

#include <QString>

// The desktop side of the viewer: starting the two sibling programs and
// handing files and folders to the desktop's default handler.
namespace vexo {

// Where the sibling program name lies in dir: the executable itself on
// Linux, the application bundle on macOS.
QString siblingProgramPath(const QString &dir, const QString &name);

// Starts the sibling program detached, without waiting for or tracking it.
// False when it could not be started (missing, not executable).
bool launchSibling(const QString &dir, const QString &name);

// Opens a local file or folder with the desktop's default handler. False
// when the path does not exist or no handler took it.
bool openLocalPath(const QString &path);

} // namespace vexo
