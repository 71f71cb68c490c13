#include "view/camerathread.h"
#include "ui_camerathread.h"

#include "capture/cellcapture.h"
#include "config/configparameter.h"
#include "dialogs/settingsrules.h"
#include "layouts/customgraphicsscene.h"
#include "messagebox.h"
#include "stream/cameraconnection.h"
#include "view/cameraviewmath.h"
#include "view/lostnotice.h"
#include "view/pictureitem.h"
#include "view/statusline.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QTabBar>
#include <QTimer>
#include <QWheelEvent>

using namespace CameraViewMath;

namespace {

QString fromSdkText(const char *text)
{
    return QString::fromLocal8Bit(text);
}

QString friendlyNameOf(CameraHandle handle)
{
    char name[CAMERA_TEXT_BUFFER] = {};
    if (CameraGetFriendlyName(handle, name) != CAMERA_STATUS_SUCCESS)
        return QString();
    name[CAMERA_TEXT_BUFFER - 1] = '\0';
    return fromSdkText(name);
}

void showCritical(QWidget *parent, const QString &title, const QString &text)
{
    vexo::showMessage(parent, QMessageBox::Critical, title, text,
                      QCoreApplication::translate("CameraThread", "确定"));
}

} // namespace

CameraThread::CameraThread(QWidget *parent) : QDockWidget(parent), ui(std::make_unique<Ui::CameraThread>())
{
    CVideoThread::registerMetaTypes();
    setMouseTracking(true);
    setAttribute(Qt::WA_DeleteOnClose);
    ui->setupUi(this);
    m_statusLine = new StatusLine(ui->label_camerainfo, this);

    connect(this, &QWidget::windowTitleChanged, ui->label_title, &QLabel::setText);
    setTitleBarWidget(new QWidget(this));

    ui->graphicsView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui->graphicsView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui->graphicsView_Navigation->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui->graphicsView_Navigation->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Zooms place the picture themselves (zoomAbout); an anchor would move it again.
    ui->graphicsView->setTransformationAnchor(QGraphicsView::NoAnchor);
    ui->widget_Navigation->hide();
    // The panel is sized to show its whole tab title (navigationMinimum).
    ui->tabWidget->tabBar()->setUsesScrollButtons(false);
    auto *closeNavigation =
        new QPushButton(QIcon(QStringLiteral(":/images/ICO/exit_close.png")), QString(), ui->tabWidget);
    closeNavigation->setStyleSheet(QStringLiteral("background-color:transparent"));
    ui->tabWidget->setCornerWidget(closeNavigation, Qt::TopRightCorner);
    connect(closeNavigation, &QPushButton::clicked, this, [this] {
        m_navigationWanted = false;
        ui->widget_Navigation->hide();
    });

    init();

    m_capture = new CellCapture(this);
    // A picture's result stays readable for a while before the rate report
    // takes the line again.
    connect(m_capture, &CellCapture::statusMessage, this,
            [this](const QString &message) { m_statusLine->setMessage(message, CaptureMessageHoldMs); });
    connect(m_capture, &CellCapture::titleChanged, this, &QWidget::setWindowTitle);
    connect(m_capture, &CellCapture::mediaVisible, ui->label_media, &QWidget::setVisible);
    connect(m_capture, &CellCapture::seriesRunning, this, [this](bool running) {
        ui->pushButton_continuityPhotogrape->setIcon(
            QIcon(running ? QStringLiteral(":/images/ICO/easyicon_on.png")
                          : QStringLiteral(":/images/ICO/easyicon_off.png")));
    });

    m_connection = new CameraConnection(this);
    m_lostNotice = new LostNotice(ui->graphicsView);
    connect(m_connection, &CameraConnection::lostChanged, this, [this](bool lost) {
        m_lostNotice->setVisible(lost);
        if (lost) {
            m_statusLine->setMessage(CameraConnection::lostText());
        } else if (m_grabber && !m_grabber->isStreaming()) {
            // Back while paused: no rate report will replace the notice.
            m_statusLine->setMessage(tr("相机已进入暂停，不再接收来自相机的图像数据"));
        }
        if (!lost && windowTitle().isEmpty()) {
            // Asked for while the camera was away (a language switch).
            setWindowTitle(friendlyNameOf(m_cameraHandle));
        }
        emit cameraLost(m_cameraSerial, lost);
    });

    ui->label_media->hide();
    ui->graphicsView->installEventFilter(this);
    // Wheel and double clicks land on the viewport, not on the view itself.
    ui->graphicsView->viewport()->installEventFilter(this);
    m_pictureScene->installEventFilter(this);
    installEventFilter(this);
    ui->label_displayWindow->installEventFilter(this);
    setAcceptDrops(true);
    ui->graphicsView->setAcceptDrops(true);

    m_buttonBarTimer = new QTimer(this);
    connect(m_buttonBarTimer, &QTimer::timeout, this, &CameraThread::updateButtonBar);
    // The bar follows the cursor only while it is over the cell: the timer
    // starts when the cursor enters or leaves and stops once it is away and
    // the bar hidden, so idle cells ask the window system nothing. Its first
    // round settles the bar of a new cell.
    m_buttonBarTimer->start(ButtonBarIntervalMs);
}

CameraThread::~CameraThread()
{
    cameraStop();
    if (m_pictureItem != nullptr) {
        m_pictureScene->removeItem(m_pictureItem);
        delete m_pictureItem;
        m_pictureItem = nullptr;
    }
}

void CameraThread::init()
{
    m_pictureScene = new CustomGraphicsScene(this);
    connect(m_pictureScene, &CustomGraphicsScene::openCamera, this, &CameraThread::on_openCamera);
    m_thumbnailScene = new QGraphicsScene(this);
    // A scene of one picture needs no item index, and its painter keeps no
    // state between items worth saving: a frame's repaint is the picture.
    m_pictureScene->setItemIndexMethod(QGraphicsScene::NoIndex);
    ui->graphicsView->setOptimizationFlags(QGraphicsView::DontSavePainterState |
                                           QGraphicsView::DontAdjustForAntialiasing);
    ui->graphicsView->setScene(m_pictureScene);
    // The view paints every pixel it shows, the picture and the cell's
    // colour around it, so nothing beneath it is painted for a frame.
    QWidget *viewport = ui->graphicsView->viewport();
    viewport->ensurePolished();
    m_pictureScene->setBackgroundBrush(viewport->palette().brush(viewport->backgroundRole()));
    viewport->setAttribute(Qt::WA_OpaquePaintEvent);
    ui->graphicsView_Navigation->setScene(m_thumbnailScene);
    showIdlePicture();
    createContextMenu();
    ui->graphicsView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->graphicsView, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &) { m_contextMenu->popup(QCursor::pos()); });
}

void CameraThread::showIdlePicture()
{
    const QPixmap logo(QStringLiteral(":/images/ICO/logomin.png"));
    QPixmap faint(logo.size());
    faint.fill(Qt::transparent);
    if (!logo.isNull()) {
        QPainter painter(&faint);
        painter.drawPixmap(0, 0, logo);
        painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        painter.fillRect(faint.rect(), QColor(0, 0, 0, 25));
    }
    m_pictureItem = new PictureItem;
    m_pictureItem->setPicture(faint.toImage());
    m_pictureScene->addItem(m_pictureItem);
    m_pictureSize = faint.size();
}

bool CameraThread::isCameraLost() const
{
    return m_connection->isLost();
}

bool CameraThread::isLostNoticeShown() const
{
    return !m_lostNotice->isHidden();
}

bool CameraThread::isMyAttachCamera(const QString &serial) const
{
    return m_cameraHandle != nullptr && m_cameraSerial == serial;
}

bool CameraThread::attachCamera(const QString &serial)
{
    if (m_cameraHandle != nullptr) {
        char held[CAMERA_TEXT_BUFFER] = {};
        CameraReadSN(m_cameraHandle, held, 0);
        held[CAMERA_TEXT_BUFFER - 1] = '\0';
        return fromSdkText(held) == serial;
    }

    CameraHandle handle = nullptr;
    const QByteArray serialBytes = serial.toLocal8Bit();
    CameraSdkStatus status = CameraInitEx3(&handle, serialBytes.constData());
    if (status == CAMERA_STATUS_SUCCESS) {
        const QString name = friendlyNameOf(handle);
        if (!name.isNull())
            setWindowTitle(name);
        status = CameraPlay(handle);
        if (status == CAMERA_STATUS_SUCCESS) {
            m_cameraHandle = handle;
            m_link = {}; // counted from this opening
            cameraPlay();
            m_cameraSerial = serial;
            return true;
        }
        CameraUnInit(handle);
        // An idle cell must not keep the name of a camera it does not hold.
        setWindowTitle(QString());
    }

    showCritical(this, tr("错误"),
                 status == CAMERA_STATUS_ALREADY_OPENED ? tr("相机已打开，不能重复打开")
                                                        : tr("打开相机失败, 错误码:%1").arg(status));
    return false;
}

void CameraThread::cameraPlay()
{
    // One grabber per open camera; without a camera there is nothing to grab.
    if (m_cameraHandle == nullptr || m_grabber != nullptr)
        return;
    CameraSetIspOutFormat(m_cameraHandle, DisplayMediaType);
    m_grabber = std::make_unique<CVideoThread>(m_cameraHandle);
    int width = 0;
    int height = 0;
    CameraGetOutImageSize(m_cameraHandle, &width, &height);
    m_statusLine->reserveFor(statusLine(width, height, 30.0f, 30.0f, 100000, 100));
    fullScreenZoom();
    // The fit above is of the idle picture; every opening fits its camera's
    // first picture, or a camera opened again in this cell would show at the
    // idle picture's zoom (thousands of percent).
    m_firstFrame = true;
    CVideoThread *grabber = m_grabber.get();
    connect(grabber, &CVideoThread::updateFrameRate, this, &CameraThread::updateFrameRate);
    grabber->connectDisplay(this, &CameraThread::showFrame);
    connect(grabber, &CVideoThread::cameraSavePic, this, &CameraThread::cameraSavePic);
    connect(grabber, &CVideoThread::cameraMessage, this, &CameraThread::cameraMessage);
    // A report still queued from a grabber that has ended is stale.
    connect(grabber, &CVideoThread::cameraLost, this,
            [this, sender = QPointer<CVideoThread>(grabber)](bool lost) {
                if (sender && sender == m_grabber.get())
                    m_connection->setLost(lost);
            });
    ui->pushButton_open->setIcon(QIcon(QStringLiteral(":/images/ICO/pause.png")));
    m_capture->attach(m_cameraHandle, grabber);
    grabber->setDisplayScale(m_zoom * devicePixelRatioF());
    m_grabber->start(QThread::TimeCriticalPriority);
}

void CameraThread::stopGrabber()
{
    // Taken out first: nothing run while we wait may use it.
    const std::unique_ptr<CVideoThread> grabber = std::move(m_grabber);
    grabber->stop();
    // The grabber may be blocked in a frame delivery to this thread (to us
    // or a histogram), so waiting alone could deadlock. Until its loop has
    // noticed the stop, serve the calls queued to this thread: every queued
    // slot call of any object (that delivery, but also frames and rate
    // reports of the other cells' grabbers, a recorder's failure report,
    // zero-delay single shots). Input, paint, timer and deferred-delete
    // events stay queued, so no click, key or layout change runs meanwhile.
    while (!grabber->wait(StopSliceMs))
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

void CameraThread::cameraStop()
{
    if (m_stopping)
        return;
    const QScopedValueRollback<bool> stopping(m_stopping, true);
    finishRecording();
    finishContinuousCapture();

    emit cameraClose(m_cameraSerial);

    if (m_grabber != nullptr)
        stopGrabber();
    m_capture->detach();
    m_connection->reset();
    m_lostNotice->hide();

    if (m_cameraHandle != nullptr) {
        CameraUnInit(m_cameraHandle);
        m_cameraHandle = nullptr;
    }

    if (m_pictureItem != nullptr) {
        m_pictureScene->removeItem(m_pictureItem);
        delete m_pictureItem;
        m_pictureItem = nullptr;
    }
    if (m_thumbnailItem != nullptr) {
        m_thumbnailScene->removeItem(m_thumbnailItem);
        delete m_thumbnailItem;
        m_thumbnailItem = nullptr;
    }
    m_statusLine->clear();
    setWindowTitle(QString());
    m_cameraSerial.clear();

    m_pictureScene->setSceneRect(QRectF());
    showIdlePicture();
    m_actionOriginalSize->trigger();
}

void CameraThread::setFrame()
{
    ui->dockWidgetContents->setContentsMargins(2, 3, 2, 2);
}

void CameraThread::resetFrame()
{
    ui->dockWidgetContents->setContentsMargins(0, 0, 0, 0);
}

void CameraThread::positionInGridLayout(int &row, int &column, int &rowSpan, int &columnSpan) const
{
    row = m_row;
    column = m_column;
    rowSpan = m_rowSpan;
    columnSpan = m_columnSpan;
}

void CameraThread::setPostionInGridLayout(int row, int column, int rowSpan, int columnSpan)
{
    m_row = row;
    m_column = column;
    m_rowSpan = rowSpan;
    m_columnSpan = columnSpan;
}

bool CameraThread::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && (event->type() == QEvent::Enter || event->type() == QEvent::Leave) &&
        m_buttonBarTimer != nullptr && !m_buttonBarTimer->isActive())
        m_buttonBarTimer->start();
    // Key presses also pass the view and the scene on their way up to the
    // cell; matching them only here acts once per press.
    if (watched == this && event->type() == QEvent::KeyPress && isAttachCamera())
        handleHotkey(static_cast<QKeyEvent *>(event));
    // A release may be taken by the view on its way up: look at it there too.
    if ((watched == this || watched == ui->graphicsView) && event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        m_heldKeys.release(key->key(), key->timestamp());
    }
    // The focus is the view's, not the cell's: a window opened by a hotkey
    // (a folder to save to) takes the focus from the view, and with it the
    // release of the held key.
    if ((watched == this || watched == ui->graphicsView) && event->type() == QEvent::FocusOut)
        m_heldKeys.clear();

    if (watched == ui->graphicsView && event->type() == QEvent::Resize) {
        // The picture view changes size without the cell (the status line
        // below it takes more or fewer lines as its figures change): a fitted
        // picture must stay whole, while a zoom the user chose stays as it is.
        const auto *resize = static_cast<QResizeEvent *>(event);
        const bool fitted =
            !resize->oldSize().isValid() ||
            qFuzzyCompare(CameraViewMath::fitZoom(resize->oldSize(), m_pictureSize, m_zoom), m_zoom);
        if (isAttachCamera() && fitted)
            fullScreenZoom();
        placeOverlayWidgets();
    } else if (watched == ui->graphicsView->viewport()) {
        if (event->type() == QEvent::Wheel)
            return wheelZoom(static_cast<QWheelEvent *>(event));
        if (event->type() == QEvent::MouseButtonDblClick) {
            toggleFullScreen();
            return false;
        }
    } else if (watched == m_pictureScene) {
        return panPicture(event);
    } else if (watched == ui->label_displayWindow) {
        return dragNavigationRectangle(event);
    }
    return QDockWidget::eventFilter(watched, event);
}

void CameraThread::paintEvent(QPaintEvent *event)
{
    QDockWidget::paintEvent(event);
    placeOverlayWidgets();
    if (m_cursorOverRect == 0)
        navigationWidgetZoom();
}

void CameraThread::resizeEvent(QResizeEvent *event)
{
    QDockWidget::resizeEvent(event);
    if (isAttachCamera())
        fullScreenZoom();
}

void CameraThread::closeEvent(QCloseEvent *event)
{
    // The window manager closes a full-screen cell (title-bar X, Alt+F4) as
    // its own button would: back into the grid with its camera. Deleting
    // itself would leave the main window holding a dead cell.
    if (m_fullScreen) {
        event->ignore();
        leaveFullScreen();
        return;
    }
    QDockWidget::closeEvent(event);
}

void CameraThread::updateButtonBar()
{
    const QPoint cursor = mapFromGlobal(QCursor::pos());
    const QRect view(ui->graphicsView->mapTo(this, QPoint(0, 0)), ui->graphicsView->size());
    switch (buttonBarVisibility(cursor, view, isAttachCamera())) {
    case BarVisibility::Hide:
        ui->widget->hide();
        if (!rect().contains(cursor))
            m_buttonBarTimer->stop();
        break;
    case BarVisibility::Show:
        ui->widget->show();
        break;
    case BarVisibility::Keep:
        break;
    }
}

void CameraThread::updateFrameRate(float captureFps, float displayFps, int frames)
{
    // A report queued before the camera was closed is stale.
    if (!isAttachCamera())
        return;
    // Rates of a camera that is away say nothing; its last format stays for
    // a recording started meanwhile.
    if (m_connection->isLost()) {
        m_statusLine->setMessage(CameraConnection::lostText());
        return;
    }
    m_lastCaptureFps = captureFps;
    int width = 0;
    int height = 0;
    if (CameraGetOutImageSize(m_cameraHandle, &width, &height) == CAMERA_STATUS_SUCCESS) {
        m_outWidth = width;
        m_outHeight = height;
    }
    m_capture->setCameraFormat(m_outWidth, m_outHeight, captureFps);
    m_zoomPercent = zoomPercent(m_outWidth, m_outHeight, m_zoom);
    // Losses since opening; a count that went up shows the line in red until
    // a report without a new loss. A recording that loses frames says so too.
    LinkCounts link = m_link;
    stFrameStatistic frameCounts{};
    if (CameraGetFrameStatistic(m_cameraHandle, &frameCounts) == CAMERA_STATUS_SUCCESS)
        link.lost = frameCounts.iLost;
    stTransportStatistic transport{};
    if (CameraGetTransportStatistic(m_cameraHandle, &transport) == CAMERA_STATUS_SUCCESS) {
        link.incomplete = transport.uIncompleteFrames;
        link.resent = transport.uResentPackets;
        link.missing = transport.uMissingPackets;
        link.packets = transport.iPacketCounters != 0;
    }
    const bool linkGrew = linkWorsened(m_link, link);
    m_link = link;
    QString report =
        statusLine(m_outWidth, m_outHeight, captureFps, displayFps, frames, m_zoomPercent) + linkFields(link);
    bool lossGrew = false;
    const QString loss = m_capture->recordingLossField(&lossGrew);
    if (!loss.isEmpty())
        report += QStringLiteral(" | ") + loss;
    m_statusLine->setHighlighted(linkGrew || lossGrew);
    m_statusLine->setReport(report);
}

void CameraThread::acquireFrame(QImage image)
{
    showFrame(image, image.size());
}

void CameraThread::showFrame(QImage picture, QSize frameSize)
{
    // One item per scene, its picture replaced: cheaper than clearing the
    // scenes and adding new items for every frame. The grabber already made
    // the picture in the screen's format and at the size it is shown, so
    // painting it reads and converts nothing more. A picture made for
    // showing is ours and is shared as it is; a full frame lends the
    // grabber's buffer, which the next frame overwrites, so it is copied.
    if (m_pictureItem == nullptr) {
        m_pictureItem = new PictureItem;
        m_pictureScene->addItem(m_pictureItem);
    }
    m_pictureItem->setPicture(picture.size() == frameSize ? picture.copy() : picture);
    // The scene keeps the frame's coordinates whatever size the picture has,
    // so zoom, panning and navigation do not change with it.
    m_pictureItem->setTransform(
        DisplayPicture::placement(frameSize, picture.size(), m_zoom * devicePixelRatioF()));
    m_pictureSize = frameSize;
    m_pictureScene->setSceneRect(0, 0, frameSize.width(), frameSize.height());
    // Nobody sees a hidden thumbnail; it is caught up when the panel shows.
    if (ui->widget_Navigation->isVisible())
        updateThumbnail(picture);

    if (m_firstFrame) {
        fullScreenZoom();
        navigationWidgetZoom();
        m_firstFrame = false;
    }
}

void CameraThread::cameraSavePic(const QByteArray &pixels, const stImageInfo &head)
{
    m_capture->savePicture(pixels, head);
}

void CameraThread::cameraMessage(const QString &message)
{
    m_statusLine->setMessage(message);
}

void CameraThread::on_openCamera(const QString &serial)
{
    if (isAttachCamera()) {
        showCritical(this, tr("提示"), tr("打开失败,该窗口存在已被打开的相机"));
        return;
    }
    if (attachCamera(serial))
        emit cameraOpen(serial);
}

void CameraThread::updateLanguage()
{
    retranslateContextMenu();
    ui->retranslateUi(this);
    m_statusLine->relayout();
    setWindowTitle(QString());
    if (isAttachCamera()) {
        const QString name = friendlyNameOf(m_cameraHandle);
        if (!name.isNull())
            setWindowTitle(name);
        m_capture->retranslate();
    }
}
