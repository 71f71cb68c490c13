#include "grid/cellgrid.h"

#include "view/camerathread.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QWidget>

namespace {

constexpr int MaxGrid = 3;

} // namespace

CellGrid::CellGrid(QGridLayout *grid, QWidget *container, QWidget *home, QObject *parent)
    : QObject(parent), m_grid(grid), m_container(container), m_home(home)
{
    m_container->installEventFilter(this);
}

CellGrid::~CellGrid()
{
    // Stopping a camera waits while serving events: nothing may find a cell
    // of ours half deleted meanwhile.
    const QList<CameraThread *> cells = m_cells;
    m_cells.clear();
    for (CameraThread *cell : cells)
        disconnect(cell, nullptr, this, nullptr);
    qDeleteAll(cells);
    // A grid shown full screen is a window of its own, not the window's child.
    if (m_container && !m_container->parent())
        delete m_container;
}

SceneFrameLayout CellGrid::presetLayout(int size)
{
    SceneFrameLayout layout;
    layout.row = size;
    layout.column = size;
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column)
            layout.frameLayoutList.append(frameText({row, column, 1, 1}));
    }
    return layout;
}

CameraThread *CellGrid::cellOf(const QString &serial) const
{
    for (CameraThread *cell : m_cells) {
        if (cell->isMyAttachCamera(serial))
            return cell;
    }
    return nullptr;
}

CameraThread *CellGrid::idleCell() const
{
    for (CameraThread *cell : m_cells) {
        if (!cell->isAttachCamera())
            return cell;
    }
    return nullptr;
}

void CellGrid::select(CameraThread *selected)
{
    if (m_cells.size() <= 1)
        return;
    for (CameraThread *cell : qAsConst(m_cells)) {
        if (cell == selected)
            cell->setFrame();
        else
            cell->resetFrame();
    }
}

bool CellGrid::apply(const SceneFrameLayout &layout)
{
    // A layout that cannot be shown whole is never applied in part.
    const QVector<FramePlacement> frames = layoutPlacements(layout);
    if (frames.isEmpty())
        return false;
    const int n = frames.size();
    // Stopping cameras below waits for their grabbers; take what we need of
    // the layout now rather than read it afterwards.
    const int rows = layout.row;
    const int columns = layout.column;

    while (QLayoutItem *item = m_grid->takeAt(0))
        delete item;
    for (CameraThread *cell : qAsConst(m_cells))
        cell->resetFrame();

    QList<CameraThread *> idle;
    for (CameraThread *cell : qAsConst(m_cells)) {
        if (!cell->isAttachCamera())
            idle.append(cell);
    }
    for (CameraThread *cell : qAsConst(idle)) {
        m_cells.removeOne(cell);
        delete cell;
    }
    while (m_cells.size() > n) {
        CameraThread *cell = m_cells.takeLast();
        emit cellRetiring(cell);
        cell->cameraStop();
        delete cell;
    }
    while (m_cells.size() < n) {
        auto *cell = new CameraThread(m_container);
        // A cell may still go away by itself (closed as a window): the list
        // must never keep it.
        connect(cell, &QObject::destroyed, this, [this, cell] { m_cells.removeAll(cell); });
        cell->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        m_cells.append(cell);
        emit cellCreated(cell);
    }

    for (int i = 0; i < MaxGrid; ++i) {
        m_grid->setRowStretch(i, 0);
        m_grid->setColumnStretch(i, 0);
    }
    for (int i = 0; i < qMin(rows, MaxGrid); ++i)
        m_grid->setRowStretch(i, 1);
    for (int i = 0; i < qMin(columns, MaxGrid); ++i)
        m_grid->setColumnStretch(i, 1);

    for (int i = 0; i < n; ++i) {
        const FramePlacement &f = frames.at(i);
        m_cells.at(i)->setPostionInGridLayout(f.row, f.column, f.rowSpan, f.columnSpan);
        m_grid->addWidget(m_cells.at(i), f.row, f.column, f.rowSpan, f.columnSpan);
        m_cells.at(i)->show();
    }
    return true;
}

void CellGrid::swap(int fromRow, int fromColumn, int toRow, int toColumn)
{
    QLayoutItem *fromItem = m_grid->itemAtPosition(fromRow, fromColumn);
    QLayoutItem *toItem = m_grid->itemAtPosition(toRow, toColumn);
    if (!fromItem || !toItem || fromItem == toItem)
        return;
    auto *from = qobject_cast<CameraThread *>(fromItem->widget());
    auto *to = qobject_cast<CameraThread *>(toItem->widget());
    if (!from || !to)
        return;
    int fr = 0, fc = 0, frs = 1, fcs = 1, tr_ = 0, tc = 0, trs = 1, tcs = 1;
    m_grid->getItemPosition(m_grid->indexOf(from), &fr, &fc, &frs, &fcs);
    m_grid->getItemPosition(m_grid->indexOf(to), &tr_, &tc, &trs, &tcs);
    m_grid->removeWidget(from);
    m_grid->removeWidget(to);
    from->setPostionInGridLayout(tr_, tc, trs, tcs);
    to->setPostionInGridLayout(fr, fc, frs, fcs);
    m_grid->addWidget(from, tr_, tc, trs, tcs);
    m_grid->addWidget(to, fr, fc, frs, fcs);
}

void CellGrid::takeOut(CameraThread *cell)
{
    m_grid->removeWidget(cell);
}

void CellGrid::putBack(CameraThread *cell)
{
    int row = 0, column = 0, rowSpan = 1, columnSpan = 1;
    cell->positionInGridLayout(row, column, rowSpan, columnSpan);
    m_grid->addWidget(cell, row, column, rowSpan, columnSpan);
}

bool CellGrid::isFullScreen() const
{
    return !m_container->parent();
}

void CellGrid::toggleFullScreen()
{
    if (!isFullScreen()) {
        for (CameraThread *cell : qAsConst(m_cells))
            cell->resetFrame();
        m_home->layout()->removeWidget(m_container);
        m_container->setParent(nullptr);
        // Closing the main window must still end the program.
        m_container->setAttribute(Qt::WA_QuitOnClose, false);
        m_container->showFullScreen();
    } else {
        restoreContainer();
    }
    refit();
}

void CellGrid::restoreContainer()
{
    m_home->layout()->addWidget(m_container);
    m_container->setWindowFlags(Qt::SubWindow);
    m_container->setParent(m_home);
    m_container->showNormal();
}

void CellGrid::refit()
{
    for (CameraThread *cell : qAsConst(m_cells))
        cell->fullScreenZoom();
}

bool CellGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_container)
        return false;
    // The full-screen grid closed through the window manager comes back into
    // the window, as Escape would bring it; closing would only hide it.
    if (event->type() == QEvent::Close && isFullScreen()) {
        event->ignore();
        restoreContainer();
        refit();
        return true;
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        if (isFullScreen())
            restoreContainer();
        refit();
    }
    return false;
}
