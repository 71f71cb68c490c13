#pragma once

#include "VexoCameraSDK.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QSlider;
class QWidget;

namespace Ui {
class ParameterDock;
}

// What the parameter dock does with a camera. It fills the dock's controls
// from the camera the selected cell shows (initDeviceSetting) and sends every
// change of a control to that camera at once; the dock keeps no copy of a
// setting, so whatever the camera refuses is read back from it.
//
// The control families share one handler each and tell their members apart
// by object name. The family tables built in buildRows() are the one list of
// the dock's controls: the wiring and the quieting during a fill follow them.
class ParameterPanel final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ParameterPanel)

public:
    // ui: the dock's form; dock: the widget it was set up on, whose window
    // parents the message boxes and dialogs.
    ParameterPanel(Ui::ParameterDock *ui, QWidget *dock);
    ~ParameterPanel() override;

    // Where the file dialogs start: the program directory.
    void setDefaultFolder(const QString &folder) { m_appDir = folder; }

    // The camera the dock acts on, 0 before any camera was shown.
    CameraHandle currentHandle() const { return m_handle; }
    const QList<QCheckBox *> &channelBoxes() const { return m_channelBoxes; }
    // Rows of the family tables whose control the dock does not have; each
    // is also reported as a warning when the panel is built. Empty unless a
    // control was renamed or removed from the form.
    const QStringList &unresolvedControls() const { return m_unresolved; }
    // The controls closeSlot() blocks, by object name.
    QStringList blockedControls() const;

    // The file operations behind their dialogs, for a chosen path.
    void exportParameters(const QString &directory, bool withExtension);
    bool loadParameters(const QString &path);

signals:
    // The ROI editor is to open for this camera ("ROI区域", or "自定义" in
    // the resolution list, after the full-sensor still was prepared).
    void roiEditorRequested(void *handle);
    // A preset resolution was set: the cell showing this camera refits.
    void resolutionChanged(void *handle);
    // The dock now shows this camera (nullptr: none, or it went away).
    void cameraShown(void *handle);

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

    // How a control keeps quiet while the dock is filled, so that showing a
    // camera's values sends nothing back to it.
    enum class Quiet {
        Blocked,      // its signals are blocked by closeSlot() until openSlot()
        Disconnected, // taken off its handler and put back when the fill ends
        Held,         // its signals are blocked by the fill itself
        ByStep,       // the fill step that sets it blocks it there
    };
    // Controls that report through one signal to one handler slot (the
    // toolkit's string signatures); the handler finds the row of the sender
    // by its object name.
    template<typename Handler>
    struct Family
    {
        const char *signal = nullptr;
        const char *slot = nullptr;
        // How the members keep quiet, but for those of their own way.
        Quiet quiet = Quiet::Blocked;
        QHash<QString, Quiet> ownQuiet;
        // What a change of each member does, by object name.
        QHash<QString, Handler> rows;

        Family() = default;
        Family(const char *signal, const char *slot, Quiet quiet) : signal(signal), slot(slot), quiet(quiet)
        {
        }
        Quiet quietOf(const QString &name) const { return ownQuiet.value(name, quiet); }
    };
    using Radios = Family<std::function<void()>>;
    using Checks = Family<std::function<void(bool)>>;
    using Sliders = Family<std::function<void(int)>>;
    using Spins = Family<std::function<void(double)>>;
    using LineEdits = Family<std::function<void()>>;
    using Combos = Family<std::function<void(int)>>;

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

    void buildRows();
    void addChannelRows();
    void wire();
    template<typename Handler>
    void wireFamily(const Family<Handler> &family);
    void wireOthers();
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
    // Why a parameter file could not be read or written, in words.
    static QString fileProblem(CameraSdkStatus status);
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

    Ui::ParameterDock *ui;
    QWidget *m_dock;
    QString m_appDir;

    CameraHandle m_handle = nullptr;
    Limits m_limits;
    QList<QCheckBox *> m_channelBoxes;
    // Filled from the family tables by wire().
    QVector<QWidget *> m_blocked;
    QVector<QSlider *> m_handlerSliders;
    QVector<QWidget *> m_heldByFill;
    QVector<QLineEdit *> m_typedEdits;
    QVector<CrossRow> m_crossRows;
    QStringList m_unresolved;
    bool m_filling = false;
    bool m_refillQueued = false;

    Radios m_radioRows;
    Checks m_checkRows;
    Sliders m_sliderRows;
    Spins m_spinRows;
    LineEdits m_lineEditRows;
    Combos m_comboRows;
};
