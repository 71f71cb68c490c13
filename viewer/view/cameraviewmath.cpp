#include "view/cameraviewmath.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace CameraViewMath {

// Upward steps are capped so a zoom can never pass the upper bound.
double zoomOutStep(double zoom)
{
    return zoom > 2 * ButtonZoomMin ? zoom - ButtonZoomStep : ButtonZoomMin;
}

double zoomInStep(double zoom)
{
    return zoom < ZoomMax ? std::min(zoom + ButtonZoomStep, ZoomMax) : ZoomMax;
}

double wheelZoom(double zoom, int delta)
{
    if (delta < 1)
        return zoom > 2 * WheelZoomMin ? zoom - WheelZoomStep : WheelZoomMin;
    return zoom < ZoomMax ? std::min(zoom + WheelZoomStep, ZoomMax) : ZoomMax;
}

double fitZoom(const QSize &view, const QSizeF &picture, double current)
{
    if (picture.width() <= 0 || picture.height() <= 0 || view.width() <= 0 || view.height() <= 0)
        return current;
    const double fitX = view.width() / picture.width();
    const double fitY = view.height() / picture.height();
    return std::min(fitX, fitY);
}

int zoomPercent(int width, int height, double zoom)
{
    if (width <= 0 || height <= 0)
        return int(std::trunc(zoom * zoom * 100.0));
    return int(std::trunc(width * zoom * height * zoom / (double(width) * height) * 100.0));
}

QString formatRate(float rate)
{
    const float truncated = std::trunc(rate * 10.0f) / 10.0f;
    return QString::number(double(truncated), 'g', 6);
}

QString statusLine(int width, int height, float captureFps, float displayFps, int frames, int zoomPercent)
{
    return QCoreApplication::translate(
               "CameraThread", "分辨率: %1x%2 | 获取帧率: %3 | 显示帧率: %4 | 图像数：%5 | 缩放比例：%6%")
        .arg(width)
        .arg(height)
        .arg(formatRate(captureFps), formatRate(displayFps))
        .arg(frames)
        .arg(zoomPercent);
}

QString linkFields(const LinkCounts &c)
{
    // A clean link costs the line no room, which a small cell needs.
    if (c.lost == 0 && c.incomplete == 0 && c.resent == 0 && c.missing == 0)
        return {};
    QString text = QCoreApplication::translate("CameraThread", " | 丢帧: %1 | 不完整帧: %2")
                       .arg(c.lost)
                       .arg(c.incomplete);
    if (c.packets)
        text += QCoreApplication::translate("CameraThread", " | 重发包: %1 | 丢包: %2")
                    .arg(c.resent)
                    .arg(c.missing);
    return text;
}

bool linkWorsened(const LinkCounts &before, const LinkCounts &now)
{
    return now.lost > before.lost || now.incomplete > before.incomplete || now.resent > before.resent ||
           now.missing > before.missing;
}

QSize geometrySize(const QRect &geometry)
{
    return {geometry.right() - geometry.left() + 1, geometry.bottom() - geometry.top() + 1};
}

NavigationRect navigationRect(const QSize &view, const QSizeF &scene, double zoom,
                              const QPointF &visibleOrigin, const QSize &thumbnail)
{
    NavigationRect result;
    result.rect = QRect(0, 0, thumbnail.width(), thumbnail.height());
    if (scene.width() <= 0 || scene.height() <= 0 || zoom <= 0)
        return result;
    const double fitX = view.width() / scene.width();
    const double fitY = view.height() / scene.height();
    if (zoom <= fitX && zoom <= fitY)
        return result;

    result.partial = true;
    result.scaleX = thumbnail.width() / scene.width();
    result.scaleY = thumbnail.height() / scene.height();
    const double visibleWidth = view.width() / zoom;
    const double visibleHeight = view.height() / zoom;
    result.rect = QRect(int(visibleOrigin.x() * result.scaleX), int(visibleOrigin.y() * result.scaleY),
                        int(visibleWidth * result.scaleX), int(visibleHeight * result.scaleY));
    return result;
}

QPoint dragNavigationRect(const QPoint &position, const QPoint &delta, const QSize &rectSize,
                          const QSize &thumbnail)
{
    QPoint moved = position;
    const int x = position.x() + delta.x();
    if (x >= 0 && x < thumbnail.width() - rectSize.width())
        moved.setX(x);
    const int y = position.y() + delta.y();
    if (y >= 0 && y < thumbnail.height() - rectSize.height())
        moved.setY(y);
    return moved;
}

OverlayPlacement placeOverlays(const QSize &view, const QSize &buttonBar, const QSize &media,
                               const QSize &navigationMinimum, bool navigationShown)
{
    constexpr int Gap = 4;
    const int w = view.width();
    const int h = view.height();
    OverlayPlacement placement;
    placement.buttonBar = QPoint((w - buttonBar.width()) / 2, (h / 4) * 3);
    placement.media = QPoint(w - 30 - media.width(), h / 4);

    const int navWidth = std::max(w / 4, navigationMinimum.width());
    const int navHeight = std::max(h / 4, navigationMinimum.height());
    placement.navigation =
        QRect(std::min((w / 4) * 3, w - navWidth), std::min((h / 4) * 3, h - navHeight), navWidth, navHeight);
    // A panel taking more than three quarters of the picture either way
    // would hide what it is meant to navigate.
    placement.navigationFits = navWidth * 4 <= w * 3 && navHeight * 4 <= h * 3;

    if (navigationShown && placement.navigationFits &&
        QRect(placement.buttonBar, buttonBar).intersects(placement.navigation)) {
        const int left = placement.navigation.left() - Gap - buttonBar.width();
        if (left >= 0)
            placement.buttonBar.setX(left);
        else
            placement.buttonBar.setY(std::max(0, placement.navigation.top() - Gap - buttonBar.height()));
    }
    return placement;
}

QImage sampleThumbnail(const QImage &image, const QSize &size)
{
    if (image.isNull() || size.isEmpty())
        return QImage();
    const int depth = image.depth();
    if (depth != 24 && depth != 32)
        return image.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const int bytes = depth / 8;
    QImage thumbnail(size, image.format());
    const int sourceWidth = image.width();
    const int sourceHeight = image.height();
    for (int y = 0; y < size.height(); ++y) {
        // Each thumbnail pixel takes the source pixel under its centre.
        const uchar *source =
            image.constScanLine(int((2 * qint64(y) + 1) * sourceHeight / (2 * size.height())));
        uchar *target = thumbnail.scanLine(y);
        for (int x = 0; x < size.width(); ++x) {
            const uchar *pixel = source + (2 * qint64(x) + 1) * sourceWidth / (2 * size.width()) * bytes;
            for (int b = 0; b < bytes; ++b)
                *target++ = pixel[b];
        }
    }
    return thumbnail;
}

BarVisibility buttonBarVisibility(const QPoint &cursor, const QRect &viewGeometry, bool hasCamera)
{
    if (!viewGeometry.contains(cursor))
        return BarVisibility::Hide;
    if (!hasCamera || cursor.x() <= 0)
        return BarVisibility::Keep;
    return cursor.y() - viewGeometry.top() <= viewGeometry.height() / 2 ? BarVisibility::Hide
                                                                        : BarVisibility::Show;
}

bool startsCellDrag(bool hasCamera, bool pressedOnCell, Qt::MouseButtons buttons, const QPoint &pressPosition,
                    const QPoint &position, int startDragDistance)
{
    return hasCamera && pressedOnCell && (buttons & Qt::LeftButton) &&
           (position - pressPosition).manhattanLength() >= startDragDistance;
}

} // namespace CameraViewMath
