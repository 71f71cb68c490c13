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

} // namespace vexo
