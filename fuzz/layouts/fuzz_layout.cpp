// A custom layout as a hand-edited Config.ini may hold it: the row and
// column values on the first two lines, the frame list after them.
#include "config/sceneframelayout.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

#include <bitset>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> parts =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size)).split('\n');
    const QString rowText = QString::fromUtf8(parts.value(0));
    const QString columnText = QString::fromUtf8(parts.value(1));
    QByteArray frameBytes;
    for (int i = 2; i < parts.size(); ++i)
        frameBytes += (i > 2 ? "\n" : "") + parts.at(i);
    const QString storedFrames = QString::fromUtf8(frameBytes);

    const SceneFrameLayout layout = layoutFromStored(QStringLiteral("L"), QVariant(rowText),
                                                     QVariant(columnText), QVariant(storedFrames));
    // The same text read without quotes comes as a list split at ",".
    check(layoutFromStored(QStringLiteral("L"), QVariant(rowText), QVariant(columnText),
                           QVariant(storedFrames.split(QLatin1Char(',')))) == layout);

    const QVector<FramePlacement> frames = layoutPlacements(layout);
    if (!isUsableLayout(layout)) {
        // Never placed in part.
        check(frames.isEmpty());
        return 0;
    }

    // Accepted: it writes back exactly as it was read, frame by frame.
    check(storedFrameList(layout) == storedFrames);
    check(frames.size() == layout.frameLayoutList.size() && frames.size() >= 1 && frames.size() <= 9);
    std::bitset<9> taken;
    for (int i = 0; i < frames.size(); ++i) {
        const FramePlacement &f = frames.at(i);
        check(frameText(f) == layout.frameLayoutList.at(i));
        check(f.row >= 0 && f.column >= 0 && f.rowSpan >= 1 && f.columnSpan >= 1);
        check(f.row + f.rowSpan <= layout.row && f.column + f.columnSpan <= layout.column);
        for (int r = f.row; r < f.row + f.rowSpan; ++r) {
            for (int c = f.column; c < f.column + f.columnSpan; ++c) {
                check(!taken.test(size_t(r * 3 + c)));
                taken.set(size_t(r * 3 + c));
            }
        }
    }
    const SceneFrameLayout again =
        layoutFromStored(QStringLiteral("L"), QVariant(layout.row), QVariant(layout.column),
                         QVariant(storedFrameList(layout)));
    check(again == layout && isUsableLayout(again));
    return 0;
}
