#ifndef CAMERALISTWIDGET_H
#define CAMERALISTWIDGET_H

#include <QString>
#include <QWidget>

#include <memory>

class QTableWidgetItem;

namespace Ui {
class CameraListWidget;
}

// Lists the cameras the SDK finds and hands the chosen one's serial number
// to whoever opens cameras.
class CameraListWidget final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CameraListWidget)

public:
    explicit CameraListWidget(QWidget *parent = nullptr);
    ~CameraListWidget() override;

    void refreshCameraList();
    // The "链路" column: real GigE Vision / USB3 Vision, or a simulated camera.
    static QString linkText(int link);

signals:
    void cameraWidget_open(QString serial);

public slots:
    void on_pushButton_refresh_clicked();
    void on_pushButton_open_clicked();
    void openCameraByTableWidgetItem(QTableWidgetItem *item);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::CameraListWidget> ui;
    bool m_fitted = false;
};

#endif // CAMERALISTWIDGET_H
