#include "messagebox.h"

namespace vexo {

void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
                 const QString &button)
{
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    box.addButton(button, QMessageBox::AcceptRole);
    box.exec();
}

} // namespace vexo
