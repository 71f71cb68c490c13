#include "view/pictureitem.h"

#include <QPainter>
#include <QPainterPath>

PictureItem::PictureItem(QGraphicsItem *parent) : QGraphicsItem(parent) {}

void PictureItem::setPicture(const QImage &picture)
{
    if (picture.size() != m_picture.size())
        prepareGeometryChange();
    m_picture = picture;
    update();
}

QRectF PictureItem::boundingRect() const
{
    return QRectF(QPointF(0, 0), m_picture.size());
}

QPainterPath PictureItem::opaqueArea() const
{
    QPainterPath area;
    if (!m_picture.isNull() && !m_picture.hasAlphaChannel())
        area.addRect(boundingRect());
    return area;
}

void PictureItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->drawImage(QPointF(0, 0), m_picture);
}
