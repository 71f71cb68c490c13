#include "layouts/layoutgrid.h"

#include <QSet>

#include <algorithm>
#include <climits>

namespace {

constexpr int kMaxGrid = 3;

} // namespace

QStringList unitFrames(int size)
{
    QStringList frames;
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column)
            frames.append(frameText({row, column, 1, 1}));
    }
    return frames;
}

QVector<QPoint> frameCells(const FramePlacement &frame)
{
    QVector<QPoint> cells;
    // Frames come from our own grids; a span beyond the largest one is not
    // a frame we could show, so it contributes nothing rather than millions
    // of cells.
    if (frame.rowSpan < 1 || frame.columnSpan < 1 || frame.rowSpan > kMaxGrid || frame.columnSpan > kMaxGrid)
        return cells;
    for (int i = 0; i < frame.rowSpan; ++i) {
        for (int j = 0; j < frame.columnSpan; ++j)
            cells.append(QPoint(frame.row + i, frame.column + j));
    }
    return cells;
}

FramePlacement boundingFrame(const QVector<QPoint> &cells)
{
    int minRow = INT_MAX, minColumn = INT_MAX, maxRow = INT_MIN, maxColumn = INT_MIN;
    for (const QPoint &cell : cells) {
        minRow = std::min(minRow, cell.x());
        minColumn = std::min(minColumn, cell.y());
        maxRow = std::max(maxRow, cell.x());
        maxColumn = std::max(maxColumn, cell.y());
    }
    if (cells.isEmpty())
        return {};
    return {minRow, minColumn, maxRow - minRow + 1, maxColumn - minColumn + 1};
}

bool isFrameMerge(const QVector<QPoint> &cells)
{
    if (cells.isEmpty())
        return false;
    const FramePlacement box = boundingFrame(cells);
    QSet<quint64> distinct;
    for (const QPoint &cell : cells)
        distinct.insert((quint64(quint32(cell.x())) << 32) | quint32(cell.y()));
    return qint64(distinct.size()) == qint64(box.rowSpan) * qint64(box.columnSpan);
}

LayoutNameProblem layoutNameProblem(const QString &name, const QStringList &existing)
{
    if (name.isEmpty())
        return LayoutNameProblem::Empty;
    if (existing.contains(name, Qt::CaseSensitive))
        return LayoutNameProblem::Duplicate;
    if (name.contains(QLatin1Char(',')) || name.contains(QLatin1Char('/')))
        return LayoutNameProblem::Unstorable;
    return LayoutNameProblem::None;
}
