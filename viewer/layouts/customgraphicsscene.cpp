#include "layouts/customgraphicsscene.h"

#include <QGraphicsSceneDragDropEvent>
#include <QMimeData>
#include <QWidget>

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
