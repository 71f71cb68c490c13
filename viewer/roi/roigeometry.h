#ifndef ROIGEOMETRY_H
#define ROIGEOMETRY_H

#include "VexoCameraSDK.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <qnamespace.h>

// The region editor's arithmetic: drag zones of the rectangle, moving and
// resizing it, preview-to-camera scaling and the region the camera is given.
namespace RoiGeometry {

// Zone codes of a point in the rectangle (0 = no drag in progress).
enum Zone {
    NoZone = 0,
    RightEdge = 1,
    LeftEdge = 2,
    BottomEdge = 3,
    TopEdge = 4,
    TopLeft = 5,
    TopRight = 6,
    BottomLeft = 7,
    BottomRight = 8,
    Inside = 9,
};

constexpr int EdgeMargin = 20;
// The rectangle a freshly opened editor shows, in preview pixels.
constexpr QRect InitialRect(150, 125, 300, 250);

// Zone of point (in the rectangle's own coordinates) for a rectangle of size,
// with grip bands margin wide along each edge.
int dragZone(const QPoint &point, const QSize &size, int margin = EdgeMargin);
Qt::CursorShape zoneCursor(int zone);

// The rectangle after the cursor moved by delta while dragging zone. Moving
// keeps the rectangle inside the preview; resizing stops at the preview's
// edges and at the minimum size on its fixed edge, so corners never cross.
QRect dragRect(const QRect &rect, int zone, const QPoint &delta, const QSize &preview,
               const QSize &minimum = QSize(1, 1));

enum class Preset { Center, LeftTop, RightTop, LeftBottom, RightBottom, Max };
QRect presetRect(Preset preset, const QSize &preview);

// The rectangle in camera pixels: each product truncated towards zero.
struct Region
{
    int hOffset = 0;
    int vOffset = 0;
    int width = 0;
    int height = 0;
};
Region toCamera(const QRect &rect, double scaleX, double scaleY);
// The preview rectangle showing a region (rounded to the nearest pixel, at
// least one pixel wide and high).
QRect toPreview(const Region &region, double scaleX, double scaleY);

// The smallest region the camera takes: one 32-pixel column by two lines.
constexpr int MinRegionWidth = 32;
constexpr int MinRegionHeight = 2;

// The region the camera is given for what the user chose on a sensor of
// the given size: width and height rounded up as the camera reads them
// (never below the minimum, never beyond the sensor), the offsets moved
// back where the rounded size would reach past the sensor's edge and down
// to a multiple of the camera's offset steps, as the camera itself does.
Region alignedRegion(const Region &region, const QSize &sensor, const QSize &offsetStep = QSize(1, 1));

// Sensor windows are read in whole 32-pixel columns and pairs of lines.
int roundUpWidth(int width);
int roundUpHeight(int height);

// The custom resolution (index 255) for region, with every other field taken
// from templ; width and height rounded up as the camera needs.
stImageResolution customResolution(const stImageResolution &templ, const Region &region);

} // namespace RoiGeometry

#endif // ROIGEOMETRY_H
