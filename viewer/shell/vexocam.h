#pragma once

#include "VexoCameraSDK.h"
#include "config/sceneframelayout.h"

#include <QList>
#include <QMainWindow>
#include <QString>
#include <QVector>

#include <memory>
#include <vector>

class CameraThread;
class CellGrid;
class DeviceTree;
class ParameterDock;
class ParameterPanel;
class QAction;
class QMenu;
class QTimer;
class QToolButton;
class QTranslator;
class QTreeWidgetItem;

namespace Ui {
class VexoCam;
}

// The viewer's main window: device tree on the left, the grid of display
// cells in the middle, the camera parameter dock on the right. It keeps the
// menus and the language and wires the parts: the tree's model is a
// DeviceTree, the cells are placed by a CellGrid.
class VexoCam final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(VexoCam)

public:
    explicit VexoCam(QWidget *parent = nullptr);
    // Translations, the manual and the sibling tools are looked up in appDir
    // instead of the program's own directory (tests run without them).
    explicit VexoCam(const QString &appDir, QWidget *parent = nullptr);
    ~VexoCam() override;

    // "/VexoCam_zh_CN.qm" for language 0, "/VexoCam_en_CN.qm" for any other.
    static QString translationFileName(int language);
    // One frame per unit cell, row by row: the one/four/nine presets.
    static SceneFrameLayout presetLayout(int size);

    QString applicationDir() const { return m_appDir; }
    // The remembered layout is applied shortly after start; true until then.
    bool isLayoutRestorePending() const;
    // The file the translator holds, empty when none is loaded.
    QString translationFile() const;
    const QList<CameraThread *> &cells() const;
    CameraHandle currentCameraHandle() const { return m_cameraHandle; }
    QMenu *displayMenu() const { return m_displayMenu; }
    // The camera parameter dock, and what it does with the camera.
    ParameterDock *parameterDock() const;
    ParameterPanel *parameterPanel() const;

    void initDeviceList();
    void updateLanguage();
    // Starts the sibling program name from the program directory, detached.
    void processOpen(const QString &name);

    bool openCamera(const QString &serial);
    bool closeCamera(const QString &serial);
    CameraThread *findCameraWidget(const QString &serial) const;
    CameraThread *findIdleCameraWidget() const;
    void cameraWindowSetting(SceneFrameLayout &layout);
    // After the saved layouts changed: rebuilds the custom-layout entries of
    // the display menu and re-applies the remembered custom layout unless it
    // is still the shown one.
    void reloadCustomLayouts(const SceneFrameLayout *shown = nullptr);

public slots:
    void initDeviceSetting(void *handle);
    void openSlot();
    void closeSlot();
    void cameraWidget_open(const QString serial);
    void onOpenCamera(const QString &serial);
    void onCloseCamera(const QString &serial);
    void onCameraLost(const QString &serial, bool lost);

    void on_treeWidget_devicelist_itemClicked(QTreeWidgetItem *item, int column);
    void on_treeWidget_devicelist_itemDoubleClicked(QTreeWidgetItem *item, int column);
    void on_pushButton_onoff_clicked();
    void on_pushButton_refresh_clicked();
    void on_pushButton_expand_clicked();
    void on_pushButton_collapse_clicked();
    // A region editor for the camera, closed with the camera.
    void openRoiEditor(void *handle);

    void on_action_opencamera_triggered();
    void on_action_defaultParPath_triggered();
    void on_action_capturesetting_triggered();
    void on_action_videosetting_triggered();
    void on_action_hotkey_triggered();
    void on_action_ipSettingTool_triggered();
    void on_action_update_triggered();
    void on_action_help_triggered();
    void on_action_about_triggered();
    void on_action_language_CH_triggered();
    void on_action_language_EN_triggered();
    void on_action_oneframe_triggered();
    void on_action_fourframe_triggered();
    void on_action_nineframe_triggered();
    void on_action_customframe_triggered();
    void on_action_fullScreen_triggered();

    void onCameraWidgetEnterFullScreen();
    void onCameraWidgetExitFullScreen();
    void onWindowMoving(int &fromRow, int &fromColumn, int &toRow, int &toColumn);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void init();
    // Loads the language's file into the translator and installs it; on
    // failure the translator keeps what it held.
    bool installLanguage(int language);
    void switchLanguage(int language);
    void createDisplayMenu();
    void appendCustomLayoutActions();
    void removeCustomLayoutActions();
    void restoreDisplayLayout();
    void applyRememberedCustomLayout();
    void applyPreset(int size);
    void applyCustomLayout(QAction *action);
    QAction *findCustomLayoutAction(const QString &name) const;
    void wireParameterPanel();
    // Refits the cell showing the camera once its pictures have the size
    // the camera now sends.
    void refitCellAfterResolutionChange(void *handle);
    // Connects a new cell's reports to the window.
    void wireCell(CameraThread *cell);
    QTreeWidgetItem *findDeviceItem(const QString &serial) const;
    void markOpened(QTreeWidgetItem *item, bool opened);
    void widenDevicePane();
    // Gives the dock the width its current page needs (long values, English).
    void widenParameterDock();
    void showBox(bool critical, const QString &title, const QString &text);

    std::unique_ptr<Ui::VexoCam> ui;
    std::unique_ptr<CellGrid> m_grid;
    DeviceTree *m_devices = nullptr;
    CameraHandle m_cameraHandle = nullptr;
    QTranslator *m_translator = nullptr;
    QToolButton *m_displaySwitch = nullptr;
    QTimer *m_restoreTimer = nullptr;
    QMenu *m_displayMenu = nullptr;
    QList<QAction *> m_customLayoutActions;
    std::vector<std::unique_ptr<SceneFrameLayout>> m_customLayouts;

    QString m_appDir;
};
