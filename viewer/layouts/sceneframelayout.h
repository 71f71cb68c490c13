#pragma once

#include <QString>
#include <QStringList>

// One display layout: a row x column grid divided into frames. Each frame
// text is "top,left,rowSpan,columnSpan" and later holds one display cell.
struct SceneFrameLayout
{
    QString name;
    int row = 0;
    int column = 0;
    QStringList frameLayoutList;
};

// A frame's place in the grid.
struct FramePlacement
{
    int row = 0;
    int column = 0;
    int rowSpan = 0;
    int columnSpan = 0;
};

// Parses a frame text. Returns false when it does not hold four decimal
// integers (only a hand-edited file can), leaving out untouched.
bool parseFrameText(const QString &text, FramePlacement *out);

// "%1,%2,%3,%4" for a placement.
QString frameText(const FramePlacement &placement);
