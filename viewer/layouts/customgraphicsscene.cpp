#include "layouts/customgraphicsscene.h"

#include <QGraphicsItem>
#include <QGraphicsSceneDragDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

#include <cmath>

namespace {

// The part of a device rectangle sure to be painted over by an item covering
// it: the whole pixels inside.
QRect wholePixelsInside(const QRectF &deviceRect)
{
    const QRectF r = deviceRect.normalized();
    const int left = static_cast<int>(std::ceil(r.left()));
    const int top = static_cast<int>(std::ceil(r.top()));
    const int right = static_cast<int>(std::floor(r.right()));
    const int bottom = static_cast<int>(std::floor(r.bottom()));
    if (right <= left || bottom <= top)
        return {};
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

CustomGraphicsScene::CustomGraphicsScene(QWidget *parent) : QGraphicsScene(static_cast<QObject *>(parent)) {}

QString CustomGraphicsScene::serialFromMimeData(const QMimeData *data)
{
    if (data == nullptr)
        return {};
    QByteArray bytes = data->data(QString::fromLatin1(SerialFormat));
    const int nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    return QString::fromLocal8Bit(bytes);
}

void CustomGraphicsScene::dragEnterEvent(QGraphicsSceneDragDropEvent *event)
{
    if (event->mimeData()->hasFormat(QString::fromLatin1(SerialFormat)))
        event->accept();
    else
        event->ignore();
}

void CustomGraphicsScene::dragMoveEvent(QGraphicsSceneDragDropEvent *event)
{
    event->accept();
}

void CustomGraphicsScene::dropEvent(QGraphicsSceneDragDropEvent *event)
{
    if (event->mimeData()->hasFormat(QString::fromLatin1(SerialFormat)))
        emit openCamera(serialFromMimeData(event->mimeData()));
    event->accept();
}

void CustomGraphicsScene::drawBackground(QPainter *painter, const QRectF &exposed)
{
    const QBrush brush = backgroundBrush();
    if (brush.style() == Qt::NoBrush)
        return;
    const QTransform toDevice = painter->worldTransform();
    if (toDevice.type() > QTransform::TxScale) {
        QGraphicsScene::drawBackground(painter, exposed);
        return;
    }
    QRegion rest(toDevice.mapRect(exposed).toAlignedRect());
    const auto covering = items(exposed, Qt::IntersectsItemBoundingRect);
    for (const QGraphicsItem *item : covering) {
        const QTransform itemToDevice = item->sceneTransform() * toDevice;
        if (!item->isVisible() || item->effectiveOpacity() < 1.0 || itemToDevice.type() > QTransform::TxScale)
            continue;
        const QPainterPath opaque = item->opaqueArea();
        if (!opaque.isEmpty())
            rest -= wholePixelsInside(itemToDevice.mapRect(opaque.boundingRect()));
    }
    if (rest.isEmpty())
        return;
    // The view may have left its painter's state unsaved.
    painter->setWorldTransform(QTransform());
    for (const QRect &part : rest)
        painter->fillRect(part, brush);
    painter->setWorldTransform(toDevice);
}
