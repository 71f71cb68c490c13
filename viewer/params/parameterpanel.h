#pragma once

#include "VexoCameraSDK.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QVector>

#include <functional>

class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QSlider;
class QWidget;

namespace Ui {
class VexoCam;
}

// The camera parameter dock of the main window. It fills its controls from
// the camera the selected cell shows (initDeviceSetting) and sends every
// change of a control to that camera at once; the dock keeps no copy of a
// setting, so whatever the camera refuses is read back from it.
//
// The control families share one handler each and tell their members apart
// by object name (the rows built in buildRows()).
class ParameterPanel final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ParameterPanel)

public:
    // ui: the main window's form, which holds the dock; window: the parent of
    // message boxes and file dialogs; appDir: where parameter files go unless
    // the operator picks another folder.
    ParameterPanel(Ui::VexoCam *ui, QWidget *window, QString appDir);
    ~ParameterPanel() override;

    // The camera the dock acts on, 0 before any camera was shown.
    CameraHandle currentHandle() const { return m_handle; }
    const QList<QCheckBox *> &channelBoxes() const { return m_channelBoxes; }

    // The file operations behind their dialogs, for a chosen path.
    void exportParameters(const QString &directory, bool withExtension);
    bool loadParameters(const QString &path);

signals:
    // The ROI editor is to open for this camera ("ROI区域", or "自定义" in
    // the resolution list, after the full-sensor still was prepared).
    void roiEditorRequested(void *handle);
    // A preset resolution was set: the cell showing this camera refits.
    void resolutionChanged(void *handle);

public slots:
    void initDeviceSetting(void *handle);
    void openSlot();
    void closeSlot();

    void onRadioClickResult(bool checked);
    void onCheckStatsResult(bool checked);
    void onSliderResult(int value);
    void onLineEditResult(const QString &text);
    void onConboxResult(int index);
    void onDoubleSpinBoxFruits(double value);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Fill;
    using FillStep = void (ParameterPanel::*)(Fill &);

    // The camera's limits read at the last fill, for checking typed values.
    struct Limits
    {
        double exposureMinUs = 0.0;
        double exposureMaxUs = 0.0;
        int gainMinX1000 = 0;
        int gainMaxX1000 = 0;
        int sensorWidth = 0;
        int sensorHeight = 0;
        double lineUs = 0.0;
    };

    void wire();
    void buildRows();
    void connectSliders(bool connected);

    // Filling, in the order the steps run.
    void fillDeviceInfo(Fill &fill);
    void fillWhiteBalance(Fill &fill);
    void fillImageProcessing(Fill &fill);
    void fillCrossLines(Fill &fill);
    void fillLut(Fill &fill);
    void fillResolution(Fill &fill);
    void fillExposure(Fill &fill);
    void fillTrigger(Fill &fill);
    void fillGige(Fill &fill);
    void fillSpecialSettings(Fill &fill);
    void fillParameterGroups(Fill &fill);
    void fillChannels(Fill &fill, int count);
    void fillFocus(Fill &fill, int supported);

    // Showing one value family again from the camera.
    void showAeRanges(const stCurrentDeviceInfo &info);
    void showTriggerParameters(CameraHandle handle);
    void showInputLine(CameraHandle handle, int line);
    void showOutputLine(CameraHandle handle, int line);
    CameraSdkStatus showResolution(CameraHandle handle, bool select);
    void showGige(CameraHandle handle, const QString &serial);
    void restoreTypedValues();
    // The spin box beside slider shows the slider's value; not while the
    // operator types into it, unless the edit just ended.
    void syncSpinFromSlider(QSlider *slider, bool evenWhileTyping);

    // Statuses of setters: true when the camera took the value. A refusal
    // has the dock read back later; a camera that is gone disables the dock.
    bool accepted(CameraSdkStatus status);
    bool acceptedWhileTyping(CameraSdkStatus status);
    void refillLater();
    void cameraGone();
    // The statuses of a camera that cannot answer any more.
    static bool isGone(CameraSdkStatus status);
    void loadGroup(int group);

    void changeResolution(int index);
    void sendCrossLine(int row, bool visible);
    void sendChannelMask();
    void sendAeExposureRange();
    void sendAeGainRange();
    void sendLineTimes(QLineEdit *edit);
    int inputLine() const;
    int outputLine() const;

    // Buttons of their own.
    void softTrigger();
    void oneTouchWhiteBalance();
    void restoreFocus();
    void pickColour(int row);
    void saveToGroup();
    void loadFromFile();
    void exportToFile(bool withExtension);
    void restoreFactoryDefaults();
    void setNickname();
    void setGigeAddress();
    void setPacketSizeAndDelay();

    void showBox(bool critical, const QString &title, const QString &text);
    QString checkedGroupLetter() const;
    int checkedGroup() const;

    // One crosshair row of the dock: line i of the camera is row i.
    struct CrossRow
    {
        QCheckBox *shown = nullptr;
        QPushButton *colour = nullptr;
        QLineEdit *x = nullptr;
        QLineEdit *y = nullptr;
    };

    Ui::VexoCam *ui;
    QWidget *m_window;
    QString m_appDir;

    CameraHandle m_handle = nullptr;
    Limits m_limits;
    QList<QCheckBox *> m_channelBoxes;
    QVector<QWidget *> m_blocked;
    QVector<QSlider *> m_handlerSliders;
    QVector<QDoubleSpinBox *> m_scaledSpins;
    QVector<QLineEdit *> m_typedEdits;
    QVector<CrossRow> m_crossRows;
    bool m_filling = false;
    bool m_refillQueued = false;

    QHash<QString, std::function<void()>> m_radioRows;
    QHash<QString, std::function<void(bool)>> m_checkRows;
    QHash<QString, std::function<void(int)>> m_sliderRows;
    QHash<QString, std::function<void(double)>> m_spinRows;
    QHash<QString, std::function<void()>> m_lineEditRows;
    QHash<QString, std::function<void(int)>> m_comboRows;
};
