#pragma once

#include <QPersistentModelIndex>
#include <QPoint>
#include <QTreeWidget>

#include <memory>

class QMimeData;

// The device tree: dragging a camera's entry carries its serial number
// ("INFO", local 8-bit text) to a display cell, which opens the camera there.
class CustomTreeWidget final : public QTreeWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CustomTreeWidget)

public:
    explicit CustomTreeWidget(QWidget *parent = nullptr);

    // The drag payload for an item: null for a group item, which carries no
    // camera record.
    static std::unique_ptr<QMimeData> serialMimeData(const QTreeWidgetItem *item);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Where the left button went down and the row under it: a drag carries
    // that row, whatever lies under the pointer when it starts.
    QPoint pressPos;
    QPersistentModelIndex pressedIndex;
};
