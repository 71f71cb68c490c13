#pragma once

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
    void mouseMoveEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};
