#ifndef ROIWIDGET_H
#define ROIWIDGET_H

#include "VexoCameraSDK.h"
#include "roi/roigeometry.h"

#include <QPoint>
#include <QWidget>

#include <memory>

class QLabel;
class QMouseEvent;

namespace Ui {
class RoiWidget;
}

// The region-of-interest editor of one camera: a still of the whole sensor
// with a rectangle to drag, applied to the camera as a custom resolution.
class RoiWidget final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RoiWidget)

public:
    explicit RoiWidget(QWidget *parent = nullptr);
    ~RoiWidget() override;

    // Creates an editor for the camera, shows it and takes the first still.
    // It deletes itself when closed.
    // With an owner it stays in front of the owner's window and opens over
    // it, fully on the owner's screen.
    static RoiWidget *open(CameraHandle handle, QWidget *owner = nullptr);

    // The region the camera will be given, after its alignment.
    RoiGeometry::Region regionToApply() const;

    void setCameraHandle(CameraHandle handle) { m_cameraHandle = handle; }
    CameraHandle cameraHandle() const { return m_cameraHandle; }

    // Takes a new still of the whole sensor and reads the capability.
    void init();

    int getMousePosStatus(const QSize &size, const QMouseEvent &event) const;
    double scaleX() const { return m_scaleX; }
    double scaleY() const { return m_scaleY; }
    // The zone being dragged, 0 between drags.
    int dragZone() const { return m_dragZone; }

signals:
    // The camera took a new region: its pictures change size.
    void regionApplied(CameraHandle handle);
    // The user closed the editor; what the camera runs may not be what the
    // dock chose to open it ("自定义").
    void closedByUser(CameraHandle handle);

public slots:
    void on_pushButton_refresh_clicked();
    void on_pushButton_center_clicked();
    void on_pushButton_LeftTop_clicked();
    void on_pushButton_RightTop_clicked();
    void on_pushButton_LeftBottom_clicked();
    void on_pushButton_RightBottom_clicked();
    void on_pushButton_max_clicked();
    void on_pushButton_setup_clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool snapPreview();
    void setRect(const QRect &rect);
    void refreshRegionTexts();
    void showBox(bool critical, const QString &title, const QString &text);
    // The region as chosen: typed in the fields, or the rectangle's.
    RoiGeometry::Region chosenRegion() const;
    QSize minimumRect() const;
    void regionTyped();
    void placeOver(QWidget *owner);

    std::unique_ptr<Ui::RoiWidget> ui;
    CameraHandle m_cameraHandle = nullptr;
    double m_scaleX = 0.0;
    double m_scaleY = 0.0;
    int m_edgeMargin = 20;
    int m_dragZone = 0;
    QPoint m_lastCursor;
    // The template of an applied region: a copy of the last preset
    // resolution, since the capability's own array dies with the camera.
    bool m_haveTemplate = false;
    stImageResolution m_template{};
    QSize m_sensor;
    // Offsets the camera takes are multiples of these; it rounds others down.
    QSize m_offsetStep{1, 1};
    // A typed region is kept exactly (the rectangle can only approximate it)
    // until the rectangle is moved again.
    bool m_typed = false;
    RoiGeometry::Region m_typedRegion;
    QLabel *m_appliedLabel = nullptr;
};

#endif // ROIWIDGET_H
