#ifndef CAMERATHREAD_H
#define CAMERATHREAD_H

#include "VexoCameraSDK.h"
#include "stream/cvideothread.h"
#include "view/cameraviewmath.h"
#include "view/heldkeys.h"

#include <QByteArray>
#include <QDockWidget>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QString>

#include <memory>

class CameraConnection;
class CellCapture;
class CustomGraphicsScene;
class QGraphicsPixmapItem;
class PictureItem;
class LostNotice;
class QAction;
class QCloseEvent;
class QGraphicsScene;
class QKeyEvent;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class QWheelEvent;
class StatusLine;

namespace Ui {
class CameraThread;
}

// One display cell of the grid: holds at most one camera, shows its live
// picture with zoom, panning and a navigation thumbnail, and owns the
// grabber thread that feeds it.
class CameraThread final : public QDockWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CameraThread)

public:
    explicit CameraThread(QWidget *parent = nullptr);
    ~CameraThread() override;

    bool attachCamera(const QString &serial);
    bool isAttachCamera() const { return m_cameraHandle != nullptr; }
    bool isMyAttachCamera(const QString &serial) const;
    CameraHandle cameraHandle() const { return m_cameraHandle; }
    QString cameraSerial() const { return m_cameraSerial; }

    void cameraPlay();
    void cameraStop();

    void setFrame();
    void resetFrame();
    void positionInGridLayout(int &row, int &column, int &rowSpan, int &columnSpan) const;
    void setPostionInGridLayout(int row, int column, int rowSpan, int columnSpan);

    void fullScreenZoom();
    void navigationWidgetZoom();
    void updateLanguage();

    double zoomFactor() const { return m_zoom; }
    int zoomPercentage() const { return m_zoomPercent; }
    float lastCaptureRate() const { return m_lastCaptureFps; }
    // The grabber while a camera is held, for receivers of its frames.
    CVideoThread *grabber() const { return m_grabber.get(); }
    // Snapshots, series and recording of this cell.
    CellCapture *capture() const { return m_capture; }
    // Whether the held camera went away and is being reconnected.
    CameraConnection *connection() const { return m_connection; }
    bool isCameraLost() const;
    // The notice over the frozen picture of a lost camera is on (visible
    // whenever the cell is).
    bool isLostNoticeShown() const;

    static constexpr uint32_t DisplayMediaType = CAMERA_MEDIA_TYPE_RGB8;
    static constexpr int ButtonBarIntervalMs = 100;
    // How long the result of a picture or a recording stays on the status line.
    static constexpr int CaptureMessageHoldMs = 3000;
    static constexpr unsigned long StopSliceMs = 100;

signals:
    void enterFullScreen();
    void exitFullScreen();
    void cameraClose(const QString &serial);
    void cameraOpen(const QString &serial);
    void cameraLost(const QString &serial, bool lost);
    void windowMoving(int &fromRow, int &fromColumn, int &toRow, int &toColumn);

public slots:
    void updateFrameRate(float captureFps, float displayFps, int frames);
    void acquireFrame(QImage image);
    // A frame as the grabber made it for showing: picture covers the whole
    // frame of frameSize pixels, at the size it takes on the screen.
    void showFrame(QImage picture, QSize frameSize);
    void cameraSavePic(const QByteArray &pixels, const stImageInfo &head);
    void cameraMessage(const QString &message);
    void on_openCamera(const QString &serial);

    void on_pushButton_close_clicked();
    void on_pushButton_screenzoom_clicked();
    void on_pushButton_navigation_clicked();
    void on_pushButton_open_clicked();
    void on_pushButton_photogrape_clicked();
    void on_pushButton_recording_clicked();
    void on_pushButton_continuityPhotogrape_clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void init();
    void createContextMenu();
    void retranslateContextMenu();
    void showIdlePicture();
    void applyZoom(double zoom);
    // Zooms and scrolls so that scenePoint comes to lie under viewportPoint.
    void zoomAbout(double zoom, const QPointF &scenePoint, const QPoint &viewportPoint);
    void zoomAboutCentre(double zoom);
    void scrollBy(const QPoint &delta);
    void zoomOut();
    void zoomIn();
    void originalSize();
    void toggleFullScreen();
    void leaveFullScreen();
    void openHistogram();
    void updateButtonBar();
    void placeOverlayWidgets();
    QSize navigationMinimum() const;
    void updateThumbnail(const QImage &image);
    bool wheelZoom(const QWheelEvent *event);
    bool panPicture(QEvent *event);
    bool dragNavigationRectangle(QEvent *event);
    // A key press that reached the cell itself, matched against the hotkeys.
    void handleHotkey(const QKeyEvent *event);
    void stopGrabber();
    void finishRecording();
    void finishContinuousCapture();
    QSize pictureViewSize() const;
    QSize thumbnailViewSize() const;

    std::unique_ptr<Ui::CameraThread> ui;

    int m_row = 0;
    int m_column = 0;
    int m_rowSpan = 1;
    int m_columnSpan = 1;
    float m_lastCaptureFps = 0.0f;
    CameraViewMath::LinkCounts m_link; // at the last rate report

    QMenu *m_contextMenu = nullptr;
    QAction *m_actionClose = nullptr;
    QAction *m_actionFullScreen = nullptr;
    QAction *m_actionFit = nullptr;
    QAction *m_actionOriginalSize = nullptr;
    QAction *m_actionHistogram = nullptr;

    QString m_cameraSerial;
    CameraHandle m_cameraHandle = nullptr;
    std::unique_ptr<CVideoThread> m_grabber;
    int m_outWidth = 0;
    int m_outHeight = 0;

    CustomGraphicsScene *m_pictureScene = nullptr;
    PictureItem *m_pictureItem = nullptr;
    QGraphicsScene *m_thumbnailScene = nullptr;
    QGraphicsPixmapItem *m_thumbnailItem = nullptr;

    double m_fitX = 1.0;
    double m_fitY = 1.0;
    int m_zoomPercent = 100;
    // The picture's size in scene (frame) pixels, whatever size it was made at.
    QSizeF m_pictureSize;

    QPoint m_panLastCursor;
    int m_panLastHorizontal = 0;
    int m_panLastVertical = 0;
    bool m_panning = false;

    int m_cursorOverRect = 0;
    double m_thumbnailScaleX = 0.0;
    double m_thumbnailScaleY = 0.0;
    double m_rectX = 100.0;
    double m_rectY = 100.0;
    QPoint m_rectLastCursor;

    double m_zoom = 1.0;

    QPushButton *m_zoomOutButton = nullptr;
    HeldKeys m_heldKeys;
    QPushButton *m_zoomInButton = nullptr;
    QLabel *m_zoomLabel = nullptr;
    QTimer *m_buttonBarTimer = nullptr;

    CellCapture *m_capture = nullptr;
    CameraConnection *m_connection = nullptr;
    LostNotice *m_lostNotice = nullptr;

    // Set by every start: the first picture of each opening is fitted.
    bool m_firstFrame = true;
    bool m_fullScreen = false;
    // Set while cameraStop waits for the grabber: a stop arriving then is
    // the same stop.
    bool m_stopping = false;
    // What the user asked for; the panel shows only where it fits.
    bool m_navigationWanted = false;
    bool m_rectDragging = false;
    // The scene point a run of wheel steps keeps under the cursor; taken
    // afresh once the cursor or the scroll position changed in between, so
    // rounding does not pile up over the steps.
    QPointF m_wheelAnchor;
    QPoint m_wheelCursor{-1, -1};
    QPoint m_wheelScroll;
    StatusLine *m_statusLine = nullptr;
    QPoint m_dragStart;
    bool m_dragArmed = false;
};

#endif // CAMERATHREAD_H
