#pragma once

#include "config/sceneframelayout.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVector>

class CameraThread;
class QGridLayout;
class QWidget;

// The grid of display cells in the middle of the main window: which cells
// exist, where each sits, the layout applied to them, two cells swapped by a
// drag, one cell or the whole grid shown full screen. The window wires each
// new cell (cellCreated) and hears of a cell with a camera before a smaller
// layout stops and removes it (cellRetiring).
class CellGrid final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CellGrid)

public:
    // grid lays out the cells inside container; container sits in home's
    // layout and leaves it while the grid is shown full screen.
    CellGrid(QGridLayout *grid, QWidget *container, QWidget *home, QObject *parent = nullptr);
    // Stops and deletes the cells; the caller disconnects what must not
    // hear of it first.
    ~CellGrid() override;

    // One frame per unit cell, row by row: the one/four/nine presets.
    static SceneFrameLayout presetLayout(int size);

    const QList<CameraThread *> &cells() const { return m_cells; }
    CameraThread *cellOf(const QString &serial) const;
    CameraThread *idleCell() const;
    // Frames the selected cell (when there is more than one).
    void select(CameraThread *selected);

    // Places the cells as the layout says: idle cells are rebuilt, cells
    // holding cameras keep their cameras in order, and the cells past the
    // layout's frames are stopped. False (nothing changed) when the layout
    // cannot be shown whole.
    bool apply(const SceneFrameLayout &layout);
    // Swaps the cells at the two grid positions.
    void swap(int fromRow, int fromColumn, int toRow, int toColumn);
    // A cell going to or coming back from full screen leaves or re-enters the grid.
    void takeOut(CameraThread *cell);
    void putBack(CameraThread *cell);

    // The whole grid full screen, or back into the window.
    void toggleFullScreen();
    bool isFullScreen() const;
    // Fits every cell's picture to its cell again.
    void refit();

signals:
    void cellCreated(CameraThread *cell);
    void cellRetiring(CameraThread *cell);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void restoreContainer();

    QGridLayout *m_grid;
    QWidget *m_container;
    QWidget *m_home;
    QList<CameraThread *> m_cells;
};
