#include "messagebox.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>

namespace vexo {

void keepTitleWhole(QMessageBox &box)
{
    // A box is as wide as its text; a short text would leave the title cut
    // by the window frame. Room for the title and the frame's buttons.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        const int titleWidth = QFontMetrics(box.font()).horizontalAdvance(box.windowTitle()) + 160;
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
}

void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
                 const QString &button)
{
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    box.addButton(button, QMessageBox::AcceptRole);
    keepTitleWhole(box);
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
    keepTitleWhole(*box);
    box->show();
    return box;
}

} // namespace vexo
