#ifndef CAMERAVIEWMATH_H
#define CAMERAVIEWMATH_H

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <qnamespace.h>

// The display cell's arithmetic, kept apart from the widget so it can be
// checked without a window.
namespace CameraViewMath {

constexpr double ButtonZoomStep = 0.1;
constexpr double ButtonZoomMin = 0.1;
constexpr double WheelZoomStep = 0.01;
constexpr double WheelZoomMin = 0.01;
constexpr double ZoomMax = 10.0;

double zoomOutStep(double zoom);
double zoomInStep(double zoom);
// delta is the wheel's vertical angle delta; below 1 zooms out.
double wheelZoom(double zoom, int delta);

// The zoom that fits the whole picture into the view, or current when the
// picture has no size.
double fitZoom(const QSize &view, const QSizeF &picture, double current);

// Displayed area relative to the image area, in percent (100 x zoom^2).
int zoomPercent(int width, int height, double zoom);

// A rate truncated to one decimal, without trailing zeros: 12.97 -> "12.9".
QString formatRate(float rate);
QString statusLine(int width, int height, float captureFps, float displayFps, int frames, int zoomPercent);

// How the link is doing since the camera was opened.
struct LinkCounts
{
    quint32 lost = 0, incomplete = 0, resent = 0, missing = 0;
    bool packets = false; // the link counts packets (GigE Vision)
};
// The status line's link fields, appended to its rate report; none while
// nothing was lost.
QString linkFields(const LinkCounts &counts);
// A loss counter went up since the last report.
bool linkWorsened(const LinkCounts &before, const LinkCounts &now);

// Size of a widget from its geometry, as right - left + 1 and bottom - top + 1.
QSize geometrySize(const QRect &geometry);

struct NavigationRect
{
    QRect rect;
    double scaleX = 0.0;
    double scaleY = 0.0;
    bool partial = false; // false: the whole picture is visible
};

// The red rectangle on the thumbnail marking the visible part of the scene.
// visibleOrigin is the scene point at the view's top-left corner.
NavigationRect navigationRect(const QSize &view, const QSizeF &scene, double zoom,
                              const QPointF &visibleOrigin, const QSize &thumbnail);

// Moves the rectangle by delta; an axis whose new position would leave
// 0 <= position < thumbnail - size keeps its old position.
QPoint dragNavigationRect(const QPoint &position, const QPoint &delta, const QSize &rectSize,
                          const QSize &thumbnail);

struct OverlayPlacement
{
    QPoint buttonBar;
    QPoint media;
    QRect navigation;
    // false: the view is too small for a usable navigation panel.
    bool navigationFits = true;
};

// The button bar in the lower quarter, the media label near the top right,
// the navigation panel in the bottom-right quarter but never below
// navigationMinimum. A shown panel keeps the button bar off itself.
OverlayPlacement placeOverlays(const QSize &view, const QSize &buttonBar, const QSize &media,
                               const QSize &navigationMinimum = QSize(), bool navigationShown = false);

// A nearest-neighbour copy of a 24- or 32-bit image at size; other formats
// go through QImage::scaled. Reads only the pixels it keeps, so a small
// thumbnail of a large frame costs next to nothing.
QImage sampleThumbnail(const QImage &image, const QSize &size);

enum class BarVisibility { Hide, Show, Keep };

// cursor and viewGeometry in the cell's coordinates: the bar shows while the
// cursor rests in the lower half of the picture.
BarVisibility buttonBarVisibility(const QPoint &cursor, const QRect &viewGeometry, bool hasCamera);

// Whether a mouse move over a cell starts dragging it onto another cell: only
// with a camera, the left button held since a press on the cell, and once the
// cursor has left the platform's start-drag distance.
bool startsCellDrag(bool hasCamera, bool pressedOnCell, Qt::MouseButtons buttons, const QPoint &pressPosition,
                    const QPoint &position, int startDragDistance);

} // namespace CameraViewMath

#endif // CAMERAVIEWMATH_H
