#pragma once

#include "config/sceneframelayout.h"

#include <QPoint>
#include <QStringList>
#include <QVector>

// Grid arithmetic of the layout editor, kept apart from its widgets. A unit
// cell is a QPoint with x = row index and y = column index.

// One unit frame per cell of a size x size grid, row by row.
QStringList unitFrames(int size);

// The unit cells a frame covers, row by row.
QVector<QPoint> frameCells(const FramePlacement &frame);

// True when the cells are not empty and fill their bounding rectangle
// without a gap: those frames can become one.
bool isFrameMerge(const QVector<QPoint> &cells);

// The smallest frame holding every cell (cells must not be empty).
FramePlacement boundingFrame(const QVector<QPoint> &cells);

// Why a name cannot be given to a new layout. Names are stored unescaped as
// list items and key suffixes: a "," would split it when read back, a "/"
// makes a settings sub-key ("a/" is the key of "a", "a//b" the key of "a/b").
enum class LayoutNameProblem { None, Empty, Duplicate, Unstorable };
LayoutNameProblem layoutNameProblem(const QString &name, const QStringList &existing);
