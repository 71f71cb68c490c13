#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

// One display layout: a row x column grid divided into frames. Each frame
// text is "top,left,rowSpan,columnSpan" and later holds one display cell.
struct SceneFrameLayout
{
    QString name;
    int row = 0;
    int column = 0;
    QStringList frameLayoutList;

    bool operator==(const SceneFrameLayout &other) const
    {
        return name == other.name && row == other.row && column == other.column &&
               frameLayoutList == other.frameLayoutList;
    }
};

// A frame's place in the grid.
struct FramePlacement
{
    int row = 0;
    int column = 0;
    int rowSpan = 0;
    int columnSpan = 0;
};

// Parses a frame text: exactly four decimal integers without sign, spaces or
// leading zeros, so that every accepted text is the one frameText() writes.
// Returns false for anything else (only a hand-edited file holds it),
// leaving out untouched.
bool parseFrameText(const QString &text, FramePlacement *out);

// "%1,%2,%3,%4" for a placement.
QString frameText(const FramePlacement &placement);

// Why a layout cannot be shown; None when it can.
enum class LayoutFault {
    None,
    Size,        // rows or columns outside 1..3
    FrameCount,  // no frame, or more than 9
    FrameText,   // a frame text that is not four plain integers
    OutsideGrid, // a frame reaching beyond the layout's rows or columns
    Overlap,     // two frames sharing a grid cell
    Gap,         // a grid cell no frame covers
};

constexpr int MaxLayoutSize = 3;
constexpr int MaxLayoutFrames = MaxLayoutSize * MaxLayoutSize;

// The one verdict on a layout, used wherever a layout is offered or shown:
// the menu, the layout editor and the layout restored at start.
LayoutFault layoutFault(const SceneFrameLayout &layout);
// The fault in words for the user, in the interface's language.
QString layoutFaultText(LayoutFault fault);
inline bool isUsableLayout(const SceneFrameLayout &layout)
{
    return layoutFault(layout) == LayoutFault::None;
}

// The frames of a usable layout in list order; empty for any other, so a
// layout is placed whole or not at all.
QVector<FramePlacement> layoutPlacements(const SceneFrameLayout &layout);

// A stored text value. A hand-edited file may hold one without quotes, which
// the settings file reads as a list split at ","; it is joined back.
QString storedText(const QVariant &value);

// A layout as its three stored values read back: row and column as integers
// (0 when missing or not a number), the frame list split at "|".
SceneFrameLayout layoutFromStored(const QString &name, const QVariant &row, const QVariant &column,
                                  const QVariant &frameList);
// The frame list as it is stored: the texts joined with "|".
QString storedFrameList(const SceneFrameLayout &layout);
