#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace vexo {

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
