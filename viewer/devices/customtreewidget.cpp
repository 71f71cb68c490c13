#include "devices/customtreewidget.h"

#include "VexoCameraSDK.h"
#include "layouts/customgraphicsscene.h"
#include "textfields.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace {

bool carriesSerial(const QMimeData *data)
{
    return data && data->hasFormat(QString::fromLatin1(CustomGraphicsScene::SerialFormat));
}

void acceptCamera(QWidget *tree, QDragMoveEvent *event)
{
    if (!carriesSerial(event->mimeData()))
        return;
    QObject *source = event->source();
    if (source && (source == tree || source->parent() == tree)) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->acceptProposedAction();
    }
}

} // namespace

CustomTreeWidget::CustomTreeWidget(QWidget *parent) : QTreeWidget(parent)
{
    // A camera dropped back on the tree is taken quietly instead of showing
    // the "forbidden" cursor over the list it came from.
    setAcceptDrops(true);
}

std::unique_ptr<QMimeData> CustomTreeWidget::serialMimeData(const QTreeWidgetItem *item)
{
    if (!item)
        return nullptr;
    const auto *info = static_cast<const stDeviceInfo *>(item->data(0, Qt::UserRole).value<void *>());
    if (!info)
        return nullptr;
    auto data = std::make_unique<QMimeData>();
    data->setData(QString::fromLatin1(CustomGraphicsScene::SerialFormat),
                  QByteArray(info->acSn, int(vexo::fieldLength(info->acSn, sizeof info->acSn))));
    return data;
}

void CustomTreeWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        pressPos = event->pos();
        pressedIndex = indexAt(event->pos());
    }
    QTreeWidget::mousePressEvent(event);
}

void CustomTreeWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        pressedIndex = QPersistentModelIndex();
    QTreeWidget::mouseReleaseEvent(event);
}

void CustomTreeWidget::mouseMoveEvent(QMouseEvent *event)
{
    // A drag starts once the pointer has left the press by the usual
    // distance, and carries the camera that was pressed: a fast move may
    // already be over the next row.
    const bool dragging = (event->buttons() & Qt::LeftButton) && pressedIndex.isValid() &&
                          (event->pos() - pressPos).manhattanLength() >= QApplication::startDragDistance();
    if (dragging) {
        std::unique_ptr<QMimeData> data = serialMimeData(itemFromIndex(pressedIndex));
        pressedIndex = QPersistentModelIndex();
        if (data) {
            auto *drag = new QDrag(this);
            drag->setMimeData(data.release());
            drag->exec(Qt::MoveAction);
            // The drag took the button's release. Handing the base view this
            // move now would start a selection drag that never ends, and the
            // next click on the tree would be lost.
            return;
        }
    }
    QTreeWidget::mouseMoveEvent(event);
}

void CustomTreeWidget::dragEnterEvent(QDragEnterEvent *event)
{
    acceptCamera(this, event);
}

void CustomTreeWidget::dragMoveEvent(QDragMoveEvent *event)
{
    acceptCamera(this, event);
}

void CustomTreeWidget::dropEvent(QDropEvent *event)
{
    // The tree lists cameras; a drop on it changes nothing.
    if (carriesSerial(event->mimeData()))
        event->accept();
}
