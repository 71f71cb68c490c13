#ifndef PICTUREITEM_H
#define PICTUREITEM_H

#include <QGraphicsItem>
#include <QImage>

// The live picture in a cell's scene. A new frame of the same size only
// swaps the image and asks for a repaint: no pixmap is made for it and the
// scene's geometry stays as it is. The image is drawn as it comes, so the
// grabber makes it in the screen's format.
class PictureItem final : public QGraphicsItem
{
public:
    explicit PictureItem(QGraphicsItem *parent = nullptr);

    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }

    QRectF boundingRect() const override;
    // All of it when the picture has no transparency: nothing beneath shows.
    QPainterPath opaqueArea() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    QImage m_picture;
};

#endif // PICTUREITEM_H
