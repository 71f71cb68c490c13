#include "sceneframelayout.h"

#include <QVector>

bool parseFrameText(const QString &text, FramePlacement *out)
{
    const QStringList parts = text.split(QLatin1Char(','), Qt::KeepEmptyParts);
    if (parts.size() < 4 || !out)
        return false;
    int values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts.at(i).toInt(&ok, 10);
        if (!ok)
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
