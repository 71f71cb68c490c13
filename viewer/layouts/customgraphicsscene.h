#ifndef CUSTOMGRAPHICSSCENE_H
#define CUSTOMGRAPHICSSCENE_H

#include <QGraphicsScene>

class QMimeData;

// Scene of a display cell's picture: a camera dragged from the device tree
// and dropped on the picture is announced through openCamera. Its
// background brush fills only what no opaque item covers, so a view with an
// opaque viewport paints each pixel of a frame once.
class CustomGraphicsScene final : public QGraphicsScene
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CustomGraphicsScene)

public:
    explicit CustomGraphicsScene(QWidget *parent = nullptr);

    static constexpr const char *SerialFormat = "INFO";

    // The serial carried by a drag: local 8-bit text up to the first NUL.
    static QString serialFromMimeData(const QMimeData *data);

signals:
    void openCamera(const QString &serial);

protected:
    void drawBackground(QPainter *painter, const QRectF &exposed) override;
    void dragEnterEvent(QGraphicsSceneDragDropEvent *event) override;
    void dragMoveEvent(QGraphicsSceneDragDropEvent *event) override;
    void dropEvent(QGraphicsSceneDragDropEvent *event) override;
};

#endif // CUSTOMGRAPHICSSCENE_H
