// The display cell's zoom, panning and navigation thumbnail: how the picture
// is fitted, scaled about a point, dragged, and where the floating widgets
// over it go. The maths is in cameraviewmath.
#include "ui_camerathread.h"
#include "view/camerathread.h"
#include "view/pictureitem.h"

#include "layouts/customgraphicsscene.h"
#include "stream/cvideothread.h"
#include "view/cameraviewmath.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsSceneMouseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTabBar>
#include <QWheelEvent>

#include <algorithm>

using namespace CameraViewMath;

QSize CameraThread::pictureViewSize() const
{
    return geometrySize(ui->graphicsView->geometry());
}

QSize CameraThread::thumbnailViewSize() const
{
    return geometrySize(ui->graphicsView_Navigation->geometry());
}

void CameraThread::applyZoom(double zoom)
{
    // Setting the whole transform keeps it exactly zoom x identity; scaling
    // step by step would let rounding errors pile up.
    m_zoom = zoom;
    ui->graphicsView->setTransform(QTransform::fromScale(m_zoom, m_zoom));
    // The grabber makes pictures of the size they take on the screen.
    if (m_grabber)
        m_grabber->setDisplayScale(m_zoom * devicePixelRatioF());
}

void CameraThread::fullScreenZoom()
{
    if (m_pictureItem == nullptr)
        return;
    const QSize view = pictureViewSize();
    const QSizeF picture = m_pictureSize;
    if (picture.isEmpty() || view.isEmpty())
        return;
    m_fitX = view.width() / picture.width();
    m_fitY = view.height() / picture.height();
    applyZoom(fitZoom(view, picture, m_zoom));
}

void CameraThread::navigationWidgetZoom()
{
    const QPointF origin = ui->graphicsView->mapToScene(0, 0);
    const NavigationRect nav = navigationRect(pictureViewSize(), m_pictureScene->sceneRect().size(), m_zoom,
                                              origin, thumbnailViewSize());
    if (nav.partial) {
        m_thumbnailScaleX = nav.scaleX;
        m_thumbnailScaleY = nav.scaleY;
    }
    ui->label_displayWindow->setGeometry(nav.rect);
    m_rectX = nav.rect.x();
    m_rectY = nav.rect.y();
}

void CameraThread::zoomAbout(double zoom, const QPointF &scenePoint, const QPoint &viewportPoint)
{
    applyZoom(zoom);
    scrollBy(ui->graphicsView->mapFromScene(scenePoint) - viewportPoint);
}

void CameraThread::zoomAboutCentre(double zoom)
{
    const QPoint centre = ui->graphicsView->viewport()->rect().center();
    zoomAbout(zoom, ui->graphicsView->mapToScene(centre), centre);
}

void CameraThread::scrollBy(const QPoint &delta)
{
    QScrollBar *horizontal = ui->graphicsView->horizontalScrollBar();
    QScrollBar *vertical = ui->graphicsView->verticalScrollBar();
    horizontal->setValue(horizontal->value() + delta.x());
    vertical->setValue(vertical->value() + delta.y());
    // A drag in progress continues from here, not from where it would undo this.
    m_panLastHorizontal = horizontal->value();
    m_panLastVertical = vertical->value();
}

void CameraThread::zoomOut()
{
    if (isAttachCamera())
        zoomAboutCentre(zoomOutStep(m_zoom));
}

void CameraThread::zoomIn()
{
    if (isAttachCamera())
        zoomAboutCentre(zoomInStep(m_zoom));
}

void CameraThread::originalSize()
{
    zoomAboutCentre(1.0);
    navigationWidgetZoom();
}

bool CameraThread::wheelZoom(const QWheelEvent *event)
{
    if (!isAttachCamera())
        return false;
    QGraphicsView *view = ui->graphicsView;
    const QPoint cursor = event->position().toPoint();
    const QPoint scroll(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
    if (cursor != m_wheelCursor || scroll != m_wheelScroll) {
        m_wheelAnchor = view->mapToScene(cursor);
        m_wheelCursor = cursor;
    }
    zoomAbout(CameraViewMath::wheelZoom(m_zoom, event->angleDelta().y()), m_wheelAnchor, cursor);
    m_wheelScroll = QPoint(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
    return true;
}

bool CameraThread::panPicture(QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::GraphicsSceneMousePress && type != QEvent::GraphicsSceneMouseMove &&
        type != QEvent::GraphicsSceneMouseRelease)
        return false;
    auto *mouse = static_cast<QGraphicsSceneMouseEvent *>(event);
    QGraphicsView *view = ui->graphicsView;
    switch (type) {
    case QEvent::GraphicsSceneMousePress:
        // Only the left button pans: the right one opens the context menu,
        // which takes its release.
        if (mouse->button() != Qt::LeftButton)
            break;
        m_panning = true;
        m_panLastCursor = mouse->screenPos();
        m_panLastHorizontal = view->horizontalScrollBar()->value();
        m_panLastVertical = view->verticalScrollBar()->value();
        break;
    case QEvent::GraphicsSceneMouseMove:
        // Hover moves arrive too, and the view replays the last mouse event
        // (with the buttons it had) after every scroll: only a real move with
        // the left button held pans.
        if (!(mouse->buttons() & Qt::LeftButton)) {
            m_panning = false;
            break;
        }
        if (!m_panning || mouse->screenPos() == m_panLastCursor)
            break;
        view->setCursor(Qt::ClosedHandCursor);
        view->horizontalScrollBar()->setValue(m_panLastCursor.x() - mouse->screenPos().x() +
                                              m_panLastHorizontal);
        view->verticalScrollBar()->setValue(m_panLastCursor.y() - mouse->screenPos().y() + m_panLastVertical);
        m_panLastCursor = mouse->screenPos();
        m_panLastHorizontal = view->horizontalScrollBar()->value();
        m_panLastVertical = view->verticalScrollBar()->value();
        break;
    case QEvent::GraphicsSceneMouseRelease:
        if (!(mouse->buttons() & Qt::LeftButton)) {
            m_panning = false;
            view->setCursor(Qt::ArrowCursor);
        }
        break;
    default:
        break;
    }
    return false;
}

bool CameraThread::dragNavigationRectangle(QEvent *event)
{
    QLabel *rect = ui->label_displayWindow;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        // Taken here: passed on, the press would reach the cell and start
        // dragging the whole cell onto another.
        mouse->accept();
        m_rectDragging = mouse->button() == Qt::LeftButton;
        m_rectLastCursor = mouse->globalPos();
        return true;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        mouse->accept();
        if (!m_rectDragging || !(mouse->buttons() & Qt::LeftButton))
            return true;
        const QPoint cursor = mouse->globalPos();
        const QPoint moved =
            dragNavigationRect(rect->pos(), cursor - m_rectLastCursor, rect->size(), thumbnailViewSize());
        rect->move(moved);
        m_rectX = moved.x();
        m_rectY = moved.y();
        // Always rebased, so a drag without a camera cannot accelerate.
        m_rectLastCursor = cursor;
        if (isAttachCamera() && m_thumbnailScaleX > 0 && m_thumbnailScaleY > 0) {
            // The picture shows the part the rectangle now marks.
            QGraphicsView *view = ui->graphicsView;
            const QPointF target(moved.x() / m_thumbnailScaleX, moved.y() / m_thumbnailScaleY);
            const QPointF shift = (target - view->mapToScene(0, 0)) * m_zoom;
            scrollBy(shift.toPoint());
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        event->accept();
        if (!(static_cast<QMouseEvent *>(event)->buttons() & Qt::LeftButton))
            m_rectDragging = false;
        return true;
    case QEvent::Enter:
        rect->setCursor(Qt::SizeAllCursor);
        m_cursorOverRect = 1;
        break;
    case QEvent::Leave:
        rect->setCursor(Qt::ArrowCursor);
        m_cursorOverRect = 0;
        break;
    default:
        break;
    }
    return false;
}

QSize CameraThread::navigationMinimum() const
{
    // The whole tab title beside the corner's close button, and room for a
    // thumbnail under it.
    const QTabBar *tabs = ui->tabWidget->tabBar();
    const QWidget *corner = ui->tabWidget->cornerWidget(Qt::TopRightCorner);
    const int cornerWidth = corner != nullptr ? corner->sizeHint().width() : 0;
    return {std::max(96, tabs->sizeHint().width() + cornerWidth + 4), tabs->sizeHint().height() + 48};
}

void CameraThread::placeOverlayWidgets()
{
    const QSize view(ui->graphicsView->width(), ui->graphicsView->height());
    const OverlayPlacement placement = placeOverlays(view, ui->widget->size(), ui->label_media->size(),
                                                     navigationMinimum(), m_navigationWanted);
    ui->widget->move(placement.buttonBar);
    ui->label_media->move(placement.media);
    QWidget *navigation = ui->widget_Navigation;
    if (navigation->geometry() != placement.navigation)
        navigation->setGeometry(placement.navigation);
    const bool show = m_navigationWanted && placement.navigationFits;
    if (show != navigation->isVisible()) {
        navigation->setVisible(show);
        // The thumbnail is made only while it can be seen: catch up now.
        if (show && m_pictureItem != nullptr && isAttachCamera())
            updateThumbnail(m_pictureItem->picture());
    }
    navigation->raise();
}

void CameraThread::updateThumbnail(const QImage &image)
{
    const QSize thumbnail = thumbnailViewSize();
    const QPixmap small = QPixmap::fromImage(sampleThumbnail(image, thumbnail));
    if (m_thumbnailItem == nullptr)
        m_thumbnailItem = m_thumbnailScene->addPixmap(small);
    else
        m_thumbnailItem->setPixmap(small);
    m_thumbnailScene->setSceneRect(0, 0, thumbnail.width(), thumbnail.height());
}
