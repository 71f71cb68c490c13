#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace vexo {

// Makes a box at least as wide as its window title needs, with the window
// frame's buttons beside it. Call once its title and buttons are set.
void keepTitleWhole(QMessageBox &box);

// A modal box with one button of the caller's (translated) text, as the three
// programs show every notice and failure. Returns when the user has answered
// it.
void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
                 const QString &button);

// The same box, but the program goes on while it is open (several may be
// open at once); it deletes itself when answered. objectName lets tests find it.
QMessageBox *openMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
                         const QString &button, const QString &objectName);

} // namespace vexo
