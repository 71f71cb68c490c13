// What the display cell's controls do: its context menu, full screen, and
// the buttons of its title and button bars (pause, snapshot, recording,
// series, navigation).
#include "view/camerathread.h"
#include "ui_camerathread.h"

#include "capture/cellcapture.h"
#include "histogram/histogramwidget.h"
#include "view/statusline.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QWidgetAction>

void CameraThread::createContextMenu()
{
    m_contextMenu = new QMenu(this);
    m_actionClose = m_contextMenu->addAction(QString());
    m_actionFullScreen = m_contextMenu->addAction(QString());
    m_actionFit = m_contextMenu->addAction(QString());
    m_actionOriginalSize = m_contextMenu->addAction(QString());
    m_actionHistogram = m_contextMenu->addAction(QString());

    auto *zoomRow = new QWidget(m_contextMenu);
    auto *layout = new QHBoxLayout(zoomRow);
    layout->setContentsMargins(15, 2, 2, 2);
    m_zoomLabel = new QLabel(zoomRow);
    m_zoomLabel->setFont(QFont(QStringLiteral("微软雅黑"), 14));
    const QString transparent = QStringLiteral("background-color: rgba(222, 240, 255, 0);");
    m_zoomOutButton = new QPushButton(QIcon(QStringLiteral(":/images/ICO/narrow.png")), QString(), zoomRow);
    m_zoomOutButton->setStyleSheet(transparent);
    m_zoomInButton = new QPushButton(QIcon(QStringLiteral(":/images/ICO/enlarge.png")), QString(), zoomRow);
    m_zoomInButton->setStyleSheet(transparent);
    layout->addWidget(m_zoomLabel);
    layout->addWidget(m_zoomOutButton);
    layout->addWidget(m_zoomInButton);
    auto *zoomAction = new QWidgetAction(m_contextMenu);
    zoomAction->setDefaultWidget(zoomRow);
    m_contextMenu->addAction(zoomAction);
    retranslateContextMenu();

    connect(m_actionFullScreen, &QAction::triggered, this, &CameraThread::toggleFullScreen);
    connect(m_actionClose, &QAction::triggered, this, &CameraThread::cameraStop);
    connect(m_actionFit, &QAction::triggered, this, [this] {
        if (isAttachCamera()) {
            fullScreenZoom();
            navigationWidgetZoom();
        }
    });
    connect(m_actionOriginalSize, &QAction::triggered, this, &CameraThread::originalSize);
    connect(m_actionHistogram, &QAction::triggered, this, &CameraThread::openHistogram);
    connect(m_zoomOutButton, &QPushButton::clicked, this, &CameraThread::zoomOut);
    connect(m_zoomInButton, &QPushButton::clicked, this, &CameraThread::zoomIn);
}

void CameraThread::retranslateContextMenu()
{
    m_actionClose->setText(tr("关闭"));
    m_actionFullScreen->setText(tr("全屏/窗口"));
    m_actionFit->setText(tr("自适应"));
    m_actionOriginalSize->setText(tr("原比例"));
    m_actionHistogram->setText(tr("直方图"));
    m_zoomLabel->setText(tr("缩放:"));
}

void CameraThread::toggleFullScreen()
{
    if (m_fullScreen) {
        leaveFullScreen();
        return;
    }
    if (isAttachCamera()) {
        m_fullScreen = true;
        emit enterFullScreen();
        setWindowFlags(Qt::Window);
        showFullScreen();
    }
    fullScreenZoom();
    navigationWidgetZoom();
}

void CameraThread::leaveFullScreen()
{
    m_fullScreen = false;
    emit exitFullScreen();
    setWindowFlags(Qt::SubWindow);
    showNormal();
    fullScreenZoom();
    navigationWidgetZoom();
}

void CameraThread::openHistogram()
{
    if (isAttachCamera() && m_grabber != nullptr)
        histogramWidget::open(m_cameraHandle, m_grabber.get());
}

void CameraThread::on_pushButton_close_clicked()
{
    cameraStop();
}

void CameraThread::on_pushButton_screenzoom_clicked()
{
    toggleFullScreen();
}

void CameraThread::on_pushButton_navigation_clicked()
{
    m_navigationWanted = ui->widget_Navigation->isHidden();
    placeOverlayWidgets();
    if (!m_navigationWanted)
        ui->widget_Navigation->hide();
}

void CameraThread::on_pushButton_open_clicked()
{
    if (!isAttachCamera() || m_grabber == nullptr)
        return;
    if (m_grabber->isStreaming()) {
        ui->pushButton_open->setIcon(QIcon(QStringLiteral(":/images/ICO/Play.png")));
        m_statusLine->setMessage(tr("相机已进入暂停，不再接收来自相机的图像数据"));
        m_grabber->setStreaming(false);
    } else {
        ui->pushButton_open->setIcon(QIcon(QStringLiteral(":/images/ICO/pause.png")));
        m_grabber->setStreaming(true);
    }
}

void CameraThread::on_pushButton_photogrape_clicked()
{
    if (isAttachCamera() && m_grabber != nullptr)
        m_grabber->requestSnapshot();
}

void CameraThread::finishRecording()
{
    // Finishes the file before the camera is released.
    m_capture->stopRecording(false);
}

void CameraThread::finishContinuousCapture()
{
    m_capture->endSeries(false);
}

void CameraThread::on_pushButton_recording_clicked()
{
    if (isAttachCamera())
        m_capture->toggleRecording();
}

void CameraThread::on_pushButton_continuityPhotogrape_clicked()
{
    if (isAttachCamera())
        m_capture->toggleSeries();
}
