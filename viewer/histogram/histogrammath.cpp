#include "histogram/histogrammath.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace HistogramMath {

namespace {

constexpr int Copies = 4;

// Runs of equal pixels would make every increment wait for the previous one
// to the same bin; spreading neighbours over four tables keeps the CPU busy.
struct alignas(64) Tables
{
    quint32 counts[Copies][ChannelCount * Levels];
};

void countGray(const uchar *data, int width, int height, qsizetype bytesPerLine, Histograms &out)
{
    quint32 counts[Copies][Levels] = {};
    for (int y = 0; y < height; ++y) {
        const uchar *p = data + bytesPerLine * y;
        int x = 0;
        for (; x + Copies <= width; x += Copies, p += Copies) {
            ++counts[0][p[0]];
            ++counts[1][p[1]];
            ++counts[2][p[2]];
            ++counts[3][p[3]];
        }
        for (; x < width; ++x, ++p)
            ++counts[0][p[0]];
    }
    for (int level = 0; level < Levels; ++level) {
        const quint32 sum = counts[0][level] + counts[1][level] + counts[2][level] + counts[3][level];
        for (Bins &bins : out.bins)
            bins[size_t(level)] = sum;
    }
}

} // namespace

void countRgb(const uchar *data, int width, int height, qsizetype bytesPerLine, Histograms &out)
{
    Tables tables{};
    quint32 *t0 = tables.counts[0];
    quint32 *t1 = tables.counts[1];
    quint32 *t2 = tables.counts[2];
    quint32 *t3 = tables.counts[3];
    constexpr int G = Levels;
    constexpr int B = 2 * Levels;
    for (int y = 0; y < height; ++y) {
        const uchar *p = data + bytesPerLine * y;
        int x = 0;
        // Four pixels are three words: fewer loads than twelve single bytes.
        for (; x + 4 <= width; x += 4, p += 12) {
            const quint32 a = qFromLittleEndian<quint32>(p);
            const quint32 b = qFromLittleEndian<quint32>(p + 4);
            const quint32 c = qFromLittleEndian<quint32>(p + 8);
            ++t0[a & 0xff];
            ++t0[G + ((a >> 8) & 0xff)];
            ++t0[B + ((a >> 16) & 0xff)];
            ++t1[a >> 24];
            ++t1[G + (b & 0xff)];
            ++t1[B + ((b >> 8) & 0xff)];
            ++t2[(b >> 16) & 0xff];
            ++t2[G + (b >> 24)];
            ++t2[B + (c & 0xff)];
            ++t3[(c >> 8) & 0xff];
            ++t3[G + ((c >> 16) & 0xff)];
            ++t3[B + (c >> 24)];
        }
        for (; x < width; ++x, p += 3) {
            ++t0[p[0]];
            ++t0[G + p[1]];
            ++t0[B + p[2]];
        }
    }
    for (int channel = 0; channel < ChannelCount; ++channel) {
        Bins &bins = out.bins[size_t(channel)];
        for (int level = 0; level < Levels; ++level) {
            const int i = channel * Levels + level;
            bins[size_t(level)] = t0[i] + t1[i] + t2[i] + t3[i];
        }
    }
    out.pixels = quint64(width) * quint64(height);
}

void analyse(const QImage &image, Histograms &out)
{
    out = Histograms{};
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return;
    switch (image.format()) {
    case QImage::Format_RGB888:
        countRgb(image.constBits(), image.width(), image.height(), image.bytesPerLine(), out);
        return;
    case QImage::Format_Grayscale8:
        countGray(image.constBits(), image.width(), image.height(), image.bytesPerLine(), out);
        out.pixels = quint64(image.width()) * quint64(image.height());
        return;
    default: {
        const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
        countRgb(rgb.constBits(), rgb.width(), rgb.height(), rgb.bytesPerLine(), out);
        return;
    }
    }
}

ChannelStats channelStats(const Bins &bins, quint64 pixels)
{
    ChannelStats stats;
    if (pixels == 0)
        return stats;
    for (int level = Levels - 1; level >= 0; --level) {
        if (bins[size_t(level)] != 0) {
            stats.maximum = level;
            break;
        }
    }
    for (int level = 0; level < Levels; ++level) {
        if (bins[size_t(level)] != 0) {
            stats.minimum = level;
            break;
        }
    }
    quint64 sum = 0;
    for (int level = 0; level < Levels; ++level)
        sum += quint64(level) * bins[size_t(level)];
    stats.mean = qint64(sum / pixels);

    const double mean = double(sum) / double(pixels);
    double squares = 0.0;
    for (int level = 0; level < Levels; ++level) {
        const double d = level - mean;
        squares += d * d * bins[size_t(level)];
    }
    stats.deviation = std::sqrt(squares / double(pixels));
    return stats;
}

quint32 highestCount(const Histograms &histograms)
{
    quint32 highest = 0;
    for (const Bins &bins : histograms.bins)
        highest = std::max(highest, *std::max_element(bins.begin(), bins.end()));
    return highest;
}

int barHeight(quint32 count, quint32 highest)
{
    if (highest == 0)
        return 0;
    return int(quint64(count) * 200 / highest);
}

int readoutBoxX(int x, int overlayWidth)
{
    return x + 80 > overlayWidth ? x - 90 : x + 10;
}

QPoint placeBeside(const QVector<QRect> &open, const QSize &size, const QRect &available)
{
    if (open.isEmpty()) {
        QRect centred(QPoint(0, 0), size);
        centred.moveCenter(available.center());
        return centred.topLeft();
    }
    constexpr int Gap = 4;
    const auto fits = [&](const QPoint &at) {
        const QRect place(at, size);
        if (!available.contains(place))
            return false;
        for (const QRect &other : open) {
            if (other.intersects(place))
                return false;
        }
        return true;
    };
    for (const QRect &other : open) {
        const QPoint right(other.right() + 1 + Gap, other.top());
        if (fits(right))
            return right;
        const QPoint below(other.left(), other.bottom() + 1 + Gap);
        if (fits(below))
            return below;
    }
    for (const QRect &other : open) {
        const QPoint rowStart(available.left(), other.bottom() + 1 + Gap);
        if (fits(rowStart))
            return rowStart;
    }
    // The area is full: cascade, still wholly on it where the size allows.
    const QPoint cascade = open.last().topLeft() + QPoint(32, 32);
    const int x =
        qBound(available.left(), cascade.x(), qMax(available.left(), available.right() + 1 - size.width()));
    const int y =
        qBound(available.top(), cascade.y(), qMax(available.top(), available.bottom() + 1 - size.height()));
    return QPoint(x, y);
}

} // namespace HistogramMath
