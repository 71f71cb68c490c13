#include "config/sceneframelayout.h"

#include <QCoreApplication>
#include <QVector>

#include <bitset>

namespace {

// A plain non-negative decimal: digits only, no leading zero, small enough
// that sums of two stay far from overflowing.
bool parsePlainNumber(const QStringRef &text, int *value)
{
    if (text.isEmpty() || text.size() > 4 || (text.size() > 1 && text.at(0) == QLatin1Char('0')))
        return false;
    int result = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        result = result * 10 + (c.unicode() - '0');
    }
    *value = result;
    return true;
}

} // namespace

bool parseFrameText(const QString &text, FramePlacement *out)
{
    const QVector<QStringRef> parts = text.splitRef(QLatin1Char(','), Qt::KeepEmptyParts);
    if (parts.size() != 4 || !out)
        return false;
    int values[4];
    for (int i = 0; i < 4; ++i) {
        if (!parsePlainNumber(parts.at(i), &values[i]))
            return false;
    }
    *out = FramePlacement{values[0], values[1], values[2], values[3]};
    return true;
}

QString frameText(const FramePlacement &placement)
{
    return QStringLiteral("%1,%2,%3,%4")
        .arg(placement.row)
        .arg(placement.column)
        .arg(placement.rowSpan)
        .arg(placement.columnSpan);
}

LayoutFault layoutFault(const SceneFrameLayout &layout)
{
    if (layout.row < 1 || layout.row > MaxLayoutSize || layout.column < 1 || layout.column > MaxLayoutSize)
        return LayoutFault::Size;
    if (layout.frameLayoutList.isEmpty() || layout.frameLayoutList.size() > MaxLayoutFrames)
        return LayoutFault::FrameCount;
    std::bitset<MaxLayoutFrames> taken;
    for (const QString &text : layout.frameLayoutList) {
        FramePlacement f;
        if (!parseFrameText(text, &f))
            return LayoutFault::FrameText;
        if (f.rowSpan < 1 || f.columnSpan < 1 || f.row + f.rowSpan > layout.row ||
            f.column + f.columnSpan > layout.column)
            return LayoutFault::OutsideGrid;
        for (int r = f.row; r < f.row + f.rowSpan; ++r) {
            for (int c = f.column; c < f.column + f.columnSpan; ++c) {
                const size_t cell = size_t(r * MaxLayoutSize + c);
                if (taken.test(cell))
                    return LayoutFault::Overlap;
                taken.set(cell);
            }
        }
    }
    if (int(taken.count()) != layout.row * layout.column)
        return LayoutFault::Gap;
    return LayoutFault::None;
}

QString layoutFaultText(LayoutFault fault)
{
    switch (fault) {
    case LayoutFault::None:
        return QString();
    case LayoutFault::Size:
        return QCoreApplication::translate("SceneFrameLayout", "行数或列数不在1到3之间");
    case LayoutFault::FrameCount:
        return QCoreApplication::translate("SceneFrameLayout", "没有画面或画面多于9个");
    case LayoutFault::FrameText:
        return QCoreApplication::translate("SceneFrameLayout", "画面位置的文字无法识别");
    case LayoutFault::OutsideGrid:
        return QCoreApplication::translate("SceneFrameLayout", "有画面超出了网格");
    case LayoutFault::Overlap:
        return QCoreApplication::translate("SceneFrameLayout", "有画面相互重叠");
    case LayoutFault::Gap:
        return QCoreApplication::translate("SceneFrameLayout", "有网格位置没有被任何画面覆盖");
    }
    return QString();
}

QVector<FramePlacement> layoutPlacements(const SceneFrameLayout &layout)
{
    QVector<FramePlacement> frames;
    if (!isUsableLayout(layout))
        return frames;
    for (const QString &text : layout.frameLayoutList) {
        FramePlacement f;
        parseFrameText(text, &f);
        frames.append(f);
    }
    return frames;
}

QString storedText(const QVariant &value)
{
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

SceneFrameLayout layoutFromStored(const QString &name, const QVariant &row, const QVariant &column,
                                  const QVariant &frameList)
{
    SceneFrameLayout layout;
    layout.name = name;
    layout.row = row.toInt();
    layout.column = column.toInt();
    layout.frameLayoutList = storedText(frameList).split(QLatin1Char('|'), Qt::KeepEmptyParts);
    return layout;
}

QString storedFrameList(const SceneFrameLayout &layout)
{
    return layout.frameLayoutList.join(QLatin1Char('|'));
}
