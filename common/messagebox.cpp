#include "messagebox.h"

namespace vexo {

void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
                 const QString &button)
{
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    box.addButton(button, QMessageBox::AcceptRole);
    box.exec();
}

QMessageBox *openMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
                         const QString &button, const QString &objectName)
{
    auto *box = new QMessageBox(icon, title, text, QMessageBox::NoButton, parent);
    box->addButton(button, QMessageBox::AcceptRole);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->setObjectName(objectName);
    box->show();
    return box;
}

} // namespace vexo
