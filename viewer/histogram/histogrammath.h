#ifndef HISTOGRAMMATH_H
#define HISTOGRAMMATH_H

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QVector>
#include <QtGlobal>

#include <array>

// The histogram window's analysis of one frame, kept apart from the window
// so it can be checked and measured without one.
namespace HistogramMath {

constexpr int Levels = 256;
using Bins = std::array<quint32, Levels>;

enum Channel { Red = 0, Green = 1, Blue = 2, ChannelCount = 3 };

struct Histograms
{
    std::array<Bins, ChannelCount> bins{};
    quint64 pixels = 0;
};

// Counts every pixel, row by row with the image's own row length. RGB888 and
// Grayscale8 (one level counted in all three channels) are read directly;
// other formats are converted first. An empty image gives empty histograms.
void analyse(const QImage &image, Histograms &out);

// Counts width x height pixels of three bytes (red, green, blue) each.
void countRgb(const uchar *data, int width, int height, qsizetype bytesPerLine, Histograms &out);

struct ChannelStats
{
    int minimum = 0;        // lowest level present, 0 when none is
    int maximum = 0;        // highest level present, 0 when none is
    qint64 mean = 0;        // integer mean of the levels
    double deviation = 0.0; // standard deviation of the levels
};
ChannelStats channelStats(const Bins &bins, quint64 pixels);

// The largest bin over the three channels: the chart's full height.
quint32 highestCount(const Histograms &histograms);

// Height in chart pixels (0..200) of a bar of count when highest is the full height.
int barHeight(quint32 count, quint32 highest);

// Left edge of the cursor read-out box at cursor x in an overlay of width:
// right of the cursor, or left of it where it would not fit.
int readoutBoxX(int x, int overlayWidth);

// Where a new window of frame size goes among the open ones (frame
// rectangles): beside one of them (right, then below) where it fits on the
// available area without covering any; else cascaded from the last one,
// kept on the area. The first window is centred.
QPoint placeBeside(const QVector<QRect> &open, const QSize &size, const QRect &available);

} // namespace HistogramMath

#endif // HISTOGRAMMATH_H
