#include "roi/roigeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace RoiGeometry {

int dragZone(const QPoint &point, const QSize &size, int margin)
{
    const int x = point.x();
    const int y = point.y();
    const int w = size.width();
    const int h = size.height();
    // Left band first, then the right band, then the middle; within a band
    // the top before the bottom.
    if (x < margin) {
        if (y < margin)
            return TopLeft;
        if (y > h - margin)
            return BottomLeft;
        return LeftEdge;
    }
    if (x > w - margin) {
        if (y < margin)
            return TopRight;
        if (y > h - margin)
            return BottomRight;
        return RightEdge;
    }
    if (y < margin)
        return TopEdge;
    if (y > h - margin)
        return BottomEdge;
    return Inside;
}

Qt::CursorShape zoneCursor(int zone)
{
    switch (zone) {
    case TopLeft:
    case BottomRight:
        return Qt::SizeFDiagCursor;
    case TopRight:
    case BottomLeft:
        return Qt::SizeBDiagCursor;
    case LeftEdge:
    case RightEdge:
        return Qt::SizeHorCursor;
    case TopEdge:
    case BottomEdge:
        return Qt::SizeVerCursor;
    case Inside:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}

QRect dragRect(const QRect &rect, int zone, const QPoint &delta, const QSize &preview, const QSize &minimum)
{
    const int minWidth = std::max(1, std::min(minimum.width(), preview.width()));
    const int minHeight = std::max(1, std::min(minimum.height(), preview.height()));
    if (zone == Inside) {
        const int x = std::max(0, std::min(rect.x() + delta.x(), preview.width() - rect.width()));
        const int y = std::max(0, std::min(rect.y() + delta.y(), preview.height() - rect.height()));
        return QRect(QPoint(x, y), rect.size());
    }

    const bool left = zone == LeftEdge || zone == TopLeft || zone == BottomLeft;
    const bool right = zone == RightEdge || zone == TopRight || zone == BottomRight;
    const bool top = zone == TopEdge || zone == TopLeft || zone == TopRight;
    const bool bottom = zone == BottomEdge || zone == BottomLeft || zone == BottomRight;

    // Edges as exclusive coordinates, so an empty rectangle is left == right.
    int x0 = rect.x();
    int y0 = rect.y();
    int x1 = rect.x() + rect.width();
    int y1 = rect.y() + rect.height();
    if (left)
        x0 = std::max(0, std::min(x0 + delta.x(), x1 - minWidth));
    if (right)
        x1 = std::min(preview.width(), std::max(x1 + delta.x(), x0 + minWidth));
    if (top)
        y0 = std::max(0, std::min(y0 + delta.y(), y1 - minHeight));
    if (bottom)
        y1 = std::min(preview.height(), std::max(y1 + delta.y(), y0 + minHeight));
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

QRect presetRect(Preset preset, const QSize &preview)
{
    switch (preset) {
    case Preset::Center:
        return QRect(preview.width() / 4, preview.height() / 4, 300, 250);
    case Preset::LeftTop:
        return QRect(0, 0, 300, 250);
    case Preset::RightTop:
        return QRect(300, 0, 300, 250);
    case Preset::LeftBottom:
        return QRect(0, 250, 300, 250);
    case Preset::RightBottom:
        return QRect(300, 250, 300, 250);
    case Preset::Max:
        return QRect(0, 0, 600, 500);
    }
    return InitialRect;
}

Region toCamera(const QRect &rect, double scaleX, double scaleY)
{
    Region region;
    region.hOffset = int(std::trunc(rect.x() * scaleX));
    region.vOffset = int(std::trunc(rect.y() * scaleY));
    region.width = int(std::trunc(rect.width() * scaleX));
    region.height = int(std::trunc(rect.height() * scaleY));
    return region;
}

QRect toPreview(const Region &region, double scaleX, double scaleY)
{
    if (scaleX <= 0 || scaleY <= 0)
        return QRect();
    const int x = int(std::lround(region.hOffset / scaleX));
    const int y = int(std::lround(region.vOffset / scaleY));
    const int width = std::max(1, int(std::lround(region.width / scaleX)));
    const int height = std::max(1, int(std::lround(region.height / scaleY)));
    return QRect(x, y, width, height);
}

Region alignedRegion(const Region &region, const QSize &sensor, const QSize &offsetStep)
{
    const auto down = [](int value, int step) { return step > 1 ? value - value % step : value; };
    // The sensor's own size is always readable whole, even when it is not a
    // multiple of the steps.
    const auto fit = [](int value, int minimum, int step, int limit) {
        const int wanted = std::min(std::max(value, minimum), std::max(limit, 1));
        const int rounded = (wanted + step - 1) / step * step;
        return std::max(1, std::min(rounded, limit));
    };
    Region aligned;
    aligned.width = fit(region.width, MinRegionWidth, 32, sensor.width());
    aligned.height = fit(region.height, MinRegionHeight, 2, sensor.height());
    aligned.hOffset =
        down(std::max(0, std::min(region.hOffset, sensor.width() - aligned.width)), offsetStep.width());
    aligned.vOffset =
        down(std::max(0, std::min(region.vOffset, sensor.height() - aligned.height)), offsetStep.height());
    return aligned;
}

namespace {

// Non-positive sizes stay as they are for the camera to refuse.
int roundUp(int value, int step)
{
    if (value <= 0)
        return value;
    const long long rounded = (static_cast<long long>(value) + step - 1) / step * step;
    return int(std::min<long long>(rounded, std::numeric_limits<int>::max() / step * step));
}

} // namespace

int roundUpWidth(int width)
{
    return roundUp(width, 32);
}

int roundUpHeight(int height)
{
    return roundUp(height, 2);
}

stImageResolution customResolution(const stImageResolution &templ, const Region &region)
{
    stImageResolution resolution = templ;
    resolution.iIndex = CAMERA_RESOLUTION_CUSTOM;
    const int width = roundUpWidth(region.width);
    const int height = roundUpHeight(region.height);
    resolution.iHOffsetFOV = region.hOffset;
    resolution.iVOffsetFOV = region.vOffset;
    resolution.iWidthFOV = width;
    resolution.iHeightFOV = height;
    resolution.iWidth = width;
    resolution.iHeight = height;
    return resolution;
}

} // namespace RoiGeometry
