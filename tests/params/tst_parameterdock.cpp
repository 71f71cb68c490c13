// The parameter dock on simulated cameras (fixtures/dock_cameras.json): what
// a fill shows, and exactly what each family of controls sends to the
// camera, read from the library's call trace.
#include "VexoCameraSim.h"
#include "filedialoganswer.h"
#include "formchild.h"
#include "modalhelper.h"
#include "params/parameterdock.h"
#include "params/parameterpanel.h"
#include "shell/vexocam.h"
#include "simtrace.h"
#include "slotwarningguard.h"
#include "textfields.h"
#include "typedentry.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBox>
#include <QWheelEvent>

#include <functional>

namespace {

using Prepare = std::function<void(CameraHandle)>;
using Action = std::function<void(VexoCam &)>;

// The dock's objects that behaviour depends on.
const char *const kDockNames[] = {
    "checkBox_bPoint",
    "checkBox_bwmode",
    "checkBox_display1",
    "checkBox_display2",
    "checkBox_display3",
    "checkBox_display4",
    "checkBox_display5",
    "checkBox_display6",
    "checkBox_display7",
    "checkBox_display8",
    "checkBox_display9",
    "checkBox_flashScreen",
    "checkBox_mirror",
    "checkBox_negativeMode",
    "checkBox_vertical",
    "comboBox",
    "comboBox_2",
    "comboBox_imode",
    "comboBox_input",
    "comboBox_iostatus",
    "comboBox_output",
    "comboBox_owordmode",
    "comboBox_polarity",
    "comboBox_preset",
    "comboBox_resolution",
    "comboBox_tirggermode",
    "comboBox_workmode",
    "doubleSpinBox_analogGain",
    "doubleSpinBox_contrast",
    "doubleSpinBox_exposureTime",
    "doubleSpinBox_gainblue",
    "doubleSpinBox_gaingreen",
    "doubleSpinBox_gainred",
    "doubleSpinBox_gamma",
    "groupBox_13",
    "groupBox_AutoExposure",
    "groupBox_ManualExposure",
    "groupBox_Manualwb",
    "groupBox_channel",
    "groupBox_hardtrigger",
    "groupBox_iosignal",
    "groupBox_preset",
    "groupBox_supportFocusing",
    "groupBox_track",
    "horizontalSlider_analogGain",
    "horizontalSlider_contrast",
    "horizontalSlider_exposureTime",
    "horizontalSlider_gainblue",
    "horizontalSlider_gaingreen",
    "horizontalSlider_gainred",
    "horizontalSlider_gamma",
    "horizontalSlider_iContrast",
    "horizontalSlider_iSaturation",
    "horizontalSlider_iSharpness",
    "horizontalSlider_light",
    "horizontalSlider_supportFocusing",
    "label_communiType",
    "label_deviceDrive",
    "label_deviceFirmware",
    "label_deviceInterface",
    "label_deviceName",
    "label_deviceSerial",
    "label_deviceType",
    "label_hoffset",
    "label_hwidth",
    "label_productsseries",
    "label_sdkVersion",
    "label_vheight",
    "label_voffset",
    "lineEdit_PacketSize",
    "lineEdit_deviceName",
    "lineEdit_gateway",
    "lineEdit_ip",
    "lineEdit_ldelay",
    "lineEdit_lpulsewidth",
    "lineEdit_mac",
    "lineEdit_maxExposureRange",
    "lineEdit_maxGainRange",
    "lineEdit_minExposureRange",
    "lineEdit_minGainRange",
    "lineEdit_netMask",
    "lineEdit_netWorkIntervalTime",
    "lineEdit_pwmcycle",
    "lineEdit_pwmhighttime",
    "lineEdit_time",
    "lineEdit_tirggerdelay",
    "lineEdit_tirggerframes",
    "lineEdit_x1",
    "lineEdit_x2",
    "lineEdit_x3",
    "lineEdit_x4",
    "lineEdit_x5",
    "lineEdit_x6",
    "lineEdit_x7",
    "lineEdit_x8",
    "lineEdit_x9",
    "lineEdit_y1",
    "lineEdit_y2",
    "lineEdit_y3",
    "lineEdit_y4",
    "lineEdit_y5",
    "lineEdit_y6",
    "lineEdit_y7",
    "lineEdit_y8",
    "lineEdit_y9",
    "page_cameragige",
    "pushButton_color1",
    "pushButton_color2",
    "pushButton_color3",
    "pushButton_color4",
    "pushButton_color5",
    "pushButton_color6",
    "pushButton_color7",
    "pushButton_color8",
    "pushButton_color9",
    "pushButton_deviceName",
    "pushButton_ipsett",
    "pushButton_load",
    "pushButton_loadParametersToFile",
    "pushButton_onetouth",
    "pushButton_packetSizeSett",
    "pushButton_recove",
    "pushButton_restore",
    "pushButton_restoreDefaultParameters",
    "pushButton_roi",
    "pushButton_save",
    "pushButton_saveInfo",
    "pushButton_saveParametersToFile",
    "pushButton_savefile",
    "pushButton_tirggeronce",
    "radioButton_50Hz",
    "radioButton_60Hz",
    "radioButton_A",
    "radioButton_B",
    "radioButton_C",
    "radioButton_D",
    "radioButton_autoExposure",
    "radioButton_autoip",
    "radioButton_autowb",
    "radioButton_continuity",
    "radioButton_dhcp",
    "radioButton_hardtirgger",
    "radioButton_high",
    "radioButton_low",
    "radioButton_manualExposure",
    "radioButton_manualwb",
    "radioButton_medium",
    "radioButton_model",
    "radioButton_name",
    "radioButton_number",
    "radioButton_preset",
    "radioButton_softrigger",
    "radioButton_track",
    "spinBox_Light",
    "spinBox_iContrast",
    "spinBox_iSaturation",
    "spinBox_iSharpness",
    "stackedWidget_pwm",
    "tabWidget",
    "tab_3",
    "toolBox_2",
    "widget_4",
    "widget_5",
    "widget_settingToolbar",
};

// The controls kept quiet while the dock shows a camera's values.
const char *const kBlockedWhileFilling[] = {
    "radioButton_autowb",
    "radioButton_manualwb",
    "comboBox_resolution",
    "comboBox",
    "radioButton_low",
    "radioButton_high",
    "radioButton_medium",
    "checkBox_mirror",
    "checkBox_vertical",
    "checkBox_bwmode",
    "checkBox_bPoint",
    "checkBox_display1",
    "checkBox_display2",
    "checkBox_display3",
    "checkBox_display4",
    "checkBox_display5",
    "checkBox_display6",
    "checkBox_display7",
    "checkBox_display8",
    "checkBox_display9",
    "radioButton_track",
    "radioButton_preset",
    "comboBox_preset",
    "radioButton_autoExposure",
    "radioButton_manualExposure",
    "radioButton_50Hz",
    "radioButton_60Hz",
    "checkBox_flashScreen",
    "lineEdit_maxExposureRange",
    "lineEdit_minExposureRange",
    "lineEdit_maxGainRange",
    "lineEdit_minGainRange",
    "radioButton_continuity",
    "radioButton_softrigger",
    "radioButton_hardtirgger",
    "comboBox_input",
    "comboBox_output",
    "comboBox_workmode",
    "comboBox_tirggermode",
    "comboBox_owordmode",
    "comboBox_imode",
    "comboBox_polarity",
    "comboBox_iostatus",
    "lineEdit_tirggerframes",
    "lineEdit_tirggerdelay",
    "radioButton_model",
    "radioButton_name",
    "radioButton_number",
    "radioButton_A",
    "radioButton_B",
    "radioButton_C",
    "radioButton_D",
};

// The traced calls that change something in a camera.
QStringList writes()
{
    static const QRegularExpression writer(
        QStringLiteral("^Camera(Set|Load|Save|Select|Soft|ReadParameterFromFile|GigeSet)"));
    return traceLines().filter(writer);
}

// Every value the dock shows, as "objectName=value", + " off" when disabled.
QStringList dockState(const VexoCam &window)
{
    QStringList state;
    for (const QWidget *w : child(window, "tabWidget")->findChildren<QWidget *>()) {
        QString value;
        if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            value = QString::number(button->isChecked()) + button->styleSheet();
        else if (const auto *slider = qobject_cast<const QAbstractSlider *>(w))
            value = QString::number(slider->value());
        else if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(w))
            value = spin->text();
        else if (const auto *edit = qobject_cast<const QLineEdit *>(w))
            value = edit->text();
        else if (const auto *combo = qobject_cast<const QComboBox *>(w))
            value = QString::number(combo->count()) + QLatin1Char(' ') + combo->currentText();
        else if (const auto *label = qobject_cast<const QLabel *>(w))
            value = label->text();
        else if (!qobject_cast<const QGroupBox *>(w))
            continue;
        state << w->objectName() + QLatin1Char('=') + value +
                     (w->isEnabled() ? QString() : QStringLiteral(" off"));
    }
    return state;
}

void expectShown(const QStringList &state, const QStringList &entries)
{
    for (const QString &entry : entries)
        QVERIFY2(state.contains(entry), qPrintable(entry));
}

// A camera of the fixture set, open and at its factory settings.
class OpenCamera
{
public:
    explicit OpenCamera(const char *serial)
    {
        if (CameraInitEx3(&m_handle, serial) != CAMERA_STATUS_SUCCESS)
            qFatal("cannot open %s", serial);
        VexoSimTraceEnable(0);
        CameraLoadParameter(m_handle, CAMERA_PARAMETER_GROUP_DEFAULT);
        VexoSimTraceEnable(1);
    }
    ~OpenCamera() { CameraUnInit(m_handle); }
    OpenCamera(const OpenCamera &) = delete;
    OpenCamera &operator=(const OpenCamera &) = delete;
    CameraHandle handle() const { return m_handle; }

private:
    CameraHandle m_handle = nullptr;
};

void setLine(VexoCam &window, const char *name, const char *text)
{
    child<QLineEdit>(window, name)->setText(QString::fromUtf8(text));
}

// What a row of a control table does to the window.
Action click(const char *name)
{
    return [name](VexoCam &w) { child<QAbstractButton>(w, name)->click(); };
}
template<typename T, typename V>
Action set(const char *name, V value)
{
    return [name, value](VexoCam &w) { child<T>(w, name)->setValue(value); };
}
// Index from the end when negative.
Action pick(const char *name, int index)
{
    return [name, index](VexoCam &w) {
        auto *combo = child<QComboBox>(w, name);
        combo->setCurrentIndex(index < 0 ? combo->count() + index : index);
    };
}
// Types into the emptied line edit; finish ends the edit.
Action type(const char *name, const char *keys, bool finish = false)
{
    return [name, keys, finish](VexoCam &w) {
        auto *edit = child<QLineEdit>(w, name);
        edit->clear();
        QTest::keyClicks(edit, QString::fromLatin1(keys));
        if (finish)
            emit edit->editingFinished();
    };
}
Action steps(std::initializer_list<Action> actions)
{
    const QVector<Action> all(actions);
    return [all](VexoCam &w) {
        for (const Action &action : all)
            action(w);
    };
}

} // namespace

Q_DECLARE_METATYPE(Prepare)
Q_DECLARE_METATYPE(Action)

class TstParameterDock final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void formAndHandlerTablesAgree();
    void fillShowsTheCameraAndSendsNothing();
    void specialPageFollowsTheCamera();
    void controlsSendExactly_data();
    void controlsSendExactly();
    void typedValuesAreSentOnceFinished_data();
    void typedValuesAreSentOnceFinished();
    void refusedValuesAreReadBack_data();
    void refusedValuesAreReadBack();
    void groupsAndFilesRoundTrip();
    void badParameterFilesChangeNothing();
    void identityAndNetwork();
    void unpluggedCameraDisablesTheDock();
    void languageSwitchRefillsTheDock();
    void wheelScrollsEveryPage();

private:
    // The program directory holds the real translation files.
    QString appDir() const { return QCoreApplication::applicationDirPath(); }
};

void TstParameterDock::initTestCase()
{
    vexotest::installSlotWarningGuard();
}

void TstParameterDock::init()
{
    VexoSimClearFailures();
    VexoSimTraceEnable(1);
    VexoSimTraceClear();
}

void TstParameterDock::cleanup()
{
    VexoSimTraceEnable(0);
    QCOMPARE(int(vexotest::slotWarningCount()), 0);
}

void TstParameterDock::formAndHandlerTablesAgree()
{
    ParameterDock dock;
    QCOMPARE(int(std::size(kDockNames)), 164);
    QCOMPARE(formNameProblems(dock, kDockNames), QStringList());
    // Every row of the handler tables names a control of the form, and the
    // tables say which controls a fill keeps quiet.
    QCOMPARE(dock.panel()->unresolvedControls(), QStringList());
    QStringList blocked = dock.panel()->blockedControls();
    QStringList expected;
    for (const char *name : kBlockedWhileFilling)
        expected << QLatin1String(name);
    blocked.sort();
    expected.sort();
    QCOMPARE(blocked, expected);
}

void TstParameterDock::fillShowsTheCameraAndSendsNothing()
{
    OpenCamera gige("DOCK-GIGE");
    const CameraHandle h = gige.handle();
    QCOMPARE(CameraSetAeAnalogGainRange(h, 1000, 1999), CAMERA_STATUS_SUCCESS);
    QCOMPARE(CameraSetCrossLine(h, 2, 100, 50, 0x0000FF, 1), CAMERA_STATUS_SUCCESS);
    QCOMPARE(CameraSetGain(h, 115, 100, 100), CAMERA_STATUS_SUCCESS);
    stImageResolution custom{};
    custom.iWidthFOV = 320;
    custom.iHeightFOV = 240;
    custom.iHOffsetFOV = 16;
    QCOMPARE(CameraSetResolutionEx(h, &custom), CAMERA_STATUS_SUCCESS);
    stGigeInfo address{};
    QCOMPARE(CameraGigeGetIp("DOCK-GIGE", &address), CAMERA_STATUS_SUCCESS);
    VexoSimTraceClear();

    VexoCam window(appDir());
    window.initDeviceSetting(h);
    QCOMPARE(writes(), QStringList());
    QCOMPARE(window.currentCameraHandle(), h);
    QVERIFY(child(window, "tabWidget")->isEnabled());
    const auto blocked = [&window] {
        int count = 0;
        for (const QWidget *w : window.findChildren<QWidget *>())
            count += w->signalsBlocked() ? 1 : 0;
        return count;
    };
    window.closeSlot();
    QCOMPARE(blocked(), 52);
    window.openSlot();
    QCOMPARE(blocked(), 0);
    // 10000 us at 20 us per line; auto-exposure ranges with six significant
    // digits and in truncated multiples (their group is off: manual exposure).
    expectShown(dockState(window), {"doubleSpinBox_exposureTime=10.00",
                                    "horizontalSlider_exposureTime=500",
                                    "lineEdit_maxExposureRange=100 off",
                                    "lineEdit_minExposureRange=0.1 off",
                                    "lineEdit_maxGainRange=1 off",
                                    "doubleSpinBox_gainred=1.15",
                                    "horizontalSlider_gainred=115",
                                    "checkBox_display3=1",
                                    "lineEdit_x3=100",
                                    "pushButton_color3=0background-color:rgb(255,0,0)",
                                    "comboBox_resolution=2 自定义",
                                    "pushButton_roi=0",
                                    "label_hoffset=16",
                                    "label_hwidth=320",
                                    "comboBox_preset=3 直线 off",
                                    "label_deviceSerial=DOCK-GIGE",
                                    "comboBox_input=2 0 off",
                                    "lineEdit_ip=" + vexo::fromAsciiField(address.acIp),
                                    "lineEdit_mac=" + vexo::macText(address.abMac) + " off",
                                    "lineEdit_PacketSize=1500"});

    // A USB camera: the GigE page stays, disabled and empty; a preset
    // resolution disables the ROI button; no I/O lines, no hardware trigger.
    OpenCamera usb("DOCK-USB2");
    window.initDeviceSetting(usb.handle());
    QCOMPARE(child<QToolBox>(window, "toolBox_2")->widget(8)->objectName(),
             QStringLiteral("page_cameragige"));
    expectShown(dockState(window), {"lineEdit_ip= off", "pushButton_roi=0 off", "comboBox_input=0  off",
                                    "radioButton_hardtirgger=0 off"});

    // Without LUT: the box comes once the dock is filled, and no preset.
    OpenCamera plain("DOCK-NOLUT");
    {
        ModalAnswer boxes;
        window.initDeviceSetting(plain.handle());
        QTRY_COMPARE(boxes.count(), 1);
        QCOMPARE(boxes.title(), QStringLiteral("错误"));
        QCOMPARE(boxes.text(), QStringLiteral("相机不支持LUT模式"));
    }
    expectShown(dockState(window), {"comboBox_preset=0  off", "groupBox_track= off"});
    QCOMPARE(writes(), QStringList());
}

void TstParameterDock::specialPageFollowsTheCamera()
{
    VexoCam window(appDir());
    auto *toolBox = child<QToolBox>(window, "toolBox_2");
    const auto boxes = [&window] {
        QStringList names;
        for (const QCheckBox *box : window.parameterPanel()->channelBoxes())
            names << box->objectName() + QLatin1Char('/') + box->text() + (box->isChecked() ? "+" : "");
        return names;
    };

    OpenCamera one("DOCK-GIGE");
    window.initDeviceSetting(one.handle());
    QCOMPARE(toolBox->count(), 9);

    // Four channels, all on at the factory, and a focus motor.
    OpenCamera four("DOCK-USB4");
    window.initDeviceSetting(four.handle());
    QCOMPARE(toolBox->count(), 10);
    QCOMPARE(toolBox->widget(9), window.parameterDock()->specialSettingsPage());
    QCOMPARE(toolBox->itemText(9), QStringLiteral("特殊设置"));
    QCOMPARE(boxes(), (QStringList{"checkBox_channel0/通道0+", "checkBox_channel1/通道1+",
                                   "checkBox_channel2/通道2+", "checkBox_channel3/通道3+"}));
    QCOMPARE(child<QSlider>(window, "horizontalSlider_supportFocusing")->maximum(), 1000);
    expectShown(dockState(window), {"horizontalSlider_supportFocusing=420", "groupBox_supportFocusing="});

    OpenCamera two("DOCK-USB2");
    window.initDeviceSetting(two.handle());
    QCOMPARE(toolBox->count(), 10);
    QCOMPARE(boxes(), (QStringList{"checkBox_channel0/通道0+", "checkBox_channel1/通道1+"}));
    expectShown(dockState(window), {"groupBox_supportFocusing= off"});

    window.initDeviceSetting(one.handle());
    QCOMPARE(toolBox->count(), 9);
    QVERIFY(window.parameterDock()->specialSettingsPage()->isHidden());
    QCOMPARE(writes(), QStringList());
}

void TstParameterDock::controlsSendExactly_data()
{
    QTest::addColumn<QByteArray>("serial");
    QTest::addColumn<Prepare>("prepare");
    QTest::addColumn<Action>("act");
    QTest::addColumn<QStringList>("sent");
    // Entries of dockState(), and "signal:<name>=<count>" of the dock's signals.
    QTest::addColumn<QStringList>("shows");

    const QByteArray gige("DOCK-GIGE");
    const QByteArray usb4("DOCK-USB4");
    const Prepare none = [](CameraHandle) {};
    const auto trigger = [](int mode) {
        return Prepare([mode](CameraHandle h) { CameraSetTriggerMode(h, mode); });
    };

    // Radio buttons: the one losing the check reports first.
    QTest::newRow("group B after A") << gige << Prepare([](CameraHandle h) { CameraLoadParameter(h, 0); })
                                     << click("radioButton_B")
                                     << QStringList{"CameraLoadParameter(DOCK-GIGE,0)=0",
                                                    "CameraLoadParameter(DOCK-GIGE,1)=0"}
                                     << QStringList{"radioButton_B=1"};
    QTest::newRow("manual to automatic white balance")
        << gige << none << click("radioButton_autowb")
        << QStringList{"CameraSetWbMode(DOCK-GIGE,0)=0", "CameraSetOnceWB(DOCK-GIGE)=0",
                       "CameraSetWbMode(DOCK-GIGE,1)=0"}
        << QStringList{"groupBox_Manualwb= off"};
    QTest::newRow("software trigger")
        << gige << none << steps({click("radioButton_softrigger"), click("pushButton_tirggeronce")})
        << QStringList{"CameraSetTriggerMode(DOCK-GIGE,0)=0", "CameraSetTriggerMode(DOCK-GIGE,1)=0",
                       "CameraSoftTrigger(DOCK-GIGE)=0"}
        << QStringList{"pushButton_tirggeronce=0", "groupBox_iosignal= off"};

    // Check boxes.
    QTest::newRow("mirror") << gige << none << click("checkBox_mirror")
                            << QStringList{"CameraSetMirror(DOCK-GIGE,0,1)=0"} << QStringList();
    QTest::newRow("crosshair 3") << gige << none << Action([](VexoCam &w) {
        setLine(w, "lineEdit_x3", "100");
        setLine(w, "lineEdit_y3", "50");
        child(w, "pushButton_color3")->setStyleSheet(QStringLiteral("background-color:rgb(255,0,0)"));
        click("checkBox_display3")(w);
    }) << QStringList{"CameraSetCrossLine(DOCK-GIGE,2,100,50,255,1)=0"}
                                 << QStringList();
    QTest::newRow("crosshair off the sensor")
        << gige << none
        << steps({[](VexoCam &w) { setLine(w, "lineEdit_x1", "99999"); }, click("checkBox_display1")})
        << QStringList{"CameraSetCrossLine(DOCK-GIGE,0,640,230,255,1)=0"} << QStringList{"lineEdit_x1=640"};
    QTest::newRow("channels 0 and 2 of 4")
        << usb4 << none << steps({click("checkBox_channel1"), click("checkBox_channel3")})
        << QStringList{"CameraSetIntValue(DOCK-USB4,0,13)=0", "CameraSetIntValue(DOCK-USB4,0,5)=0"}
        << QStringList{"checkBox_channel1=0"};
    QTest::newRow("anti-flicker") << gige << Prepare([](CameraHandle h) { CameraSetAeState(h, 1); })
                                  << click("checkBox_flashScreen")
                                  << QStringList{"CameraSetAntiFlick(DOCK-GIGE,1)=0"}
                                  << QStringList{"radioButton_60Hz=0"};

    // Sliders and their spin boxes: one call per change.
    QTest::newRow("exposure slider 500 at 20 us")
        << gige << Prepare([](CameraHandle h) { CameraSetExposureTime(h, 4000.0); })
        << set<QSlider>("horizontalSlider_exposureTime", 500)
        << QStringList{"CameraSetExposureTime(DOCK-GIGE,10000)=0"}
        << QStringList{"doubleSpinBox_exposureTime=10.00"};
    QTest::newRow("1.15 typed into the red gain")
        << gige << none << set<QDoubleSpinBox>("doubleSpinBox_gainred", 1.15)
        << QStringList{"CameraSetGain(DOCK-GIGE,115,100,100)=0"}
        << QStringList{"horizontalSlider_gainred=115", "doubleSpinBox_gainred=1.15"};

    // Line edits: sent once the typing is finished, when the text is a value
    // the camera takes.
    QTest::newRow("max exposure range typed 12")
        << gige << Prepare([](CameraHandle h) { CameraSetAeState(h, 1); })
        << type("lineEdit_maxExposureRange", "12", true)
        << QStringList{"CameraSetAeExposureRange(DOCK-GIGE,100,12000)=0"} << QStringList();
    QTest::newRow("max exposure range still being typed")
        << gige << Prepare([](CameraHandle h) { CameraSetAeState(h, 1); })
        << type("lineEdit_maxExposureRange", "12") << QStringList() << QStringList();
    QTest::newRow("trigger frames never 0")
        << gige << trigger(1) << type("lineEdit_tirggerframes", "03", true)
        << QStringList{"CameraSetTriggerFrameCount(DOCK-GIGE,3)=0"} << QStringList();

    // Combo boxes.
    QTest::newRow("preset resolution")
        << gige << Prepare([](CameraHandle h) {
               stImageResolution custom{};
               custom.iWidthFOV = 320;
               custom.iHeightFOV = 240;
               CameraSetResolutionEx(h, &custom);
           })
        << pick("comboBox_resolution", 0) << QStringList{"CameraSetResolution(DOCK-GIGE,0)=0"}
        << QStringList{"pushButton_roi=0 off", "label_hwidth=640", "signal:resolutionChanged=1"};
    QTest::newRow("custom resolution opens the editor")
        << gige << none
        << pick("comboBox_resolution", -1)
        // The dock prepares the still, and the editor it opens asks for one
        // of the whole sensor again.
        << QStringList{"CameraSetResolutionForSnap(DOCK-GIGE,*)=0",
                       "CameraSetResolutionForSnap(DOCK-GIGE,*)=0"}
        << QStringList{"pushButton_roi=0 off", "signal:roiEditorRequested=1", "signal:resolutionChanged=0"};
    QTest::newRow("output line shown reports back")
        << gige << Prepare([](CameraHandle h) { CameraSetOutputIOMode(h, 1, 2); })
        << pick("comboBox_output", 1) << QStringList{"CameraSetOutputIOMode(DOCK-GIGE,1,2)=0"}
        << QStringList{"comboBox_owordmode=3 PWM off"};
    // A wheel turned over a control that was not clicked scrolls the dock.
    QTest::newRow("wheel over an unfocused combo box") << gige << trigger(2) << Action([](VexoCam &w) {
        auto *combo = child<QComboBox>(w, "comboBox_workmode");
        QWheelEvent wheel(QPointF(5, 5), combo->mapToGlobal(QPoint(5, 5)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &wheel);
    }) << QStringList() << QStringList{"comboBox_workmode=2 触发"};

    // Focus.
    QTest::newRow("focus default") << usb4 << Prepare([](CameraHandle h) { CameraSetIntValue(h, 3, 100); })
                                   << click("pushButton_restore")
                                   << QStringList{"CameraSetIntValue(DOCK-USB4,3,420)=0"}
                                   << QStringList{"horizontalSlider_supportFocusing=420"};
    QTest::newRow("focus default unreadable moves nothing")
        << usb4 << Prepare([](CameraHandle h) { CameraSetIntValue(h, 3, 100); })
        << steps({[](VexoCam &) { VexoSimFailNext("CameraGetIntValue", CAMERA_STATUS_FAILED, 1); },
                  click("pushButton_restore")})
        << QStringList() << QStringList{"horizontalSlider_supportFocusing=100"};
}

void TstParameterDock::controlsSendExactly()
{
    QFETCH(QByteArray, serial);
    QFETCH(Prepare, prepare);
    QFETCH(Action, act);
    QFETCH(QStringList, sent);
    QFETCH(QStringList, shows);

    OpenCamera camera(serial.constData());
    prepare(camera.handle());
    VexoCam window(appDir());
    window.initDeviceSetting(camera.handle());
    QSignalSpy editor(window.parameterPanel(), &ParameterPanel::roiEditorRequested);
    QSignalSpy refits(window.parameterPanel(), &ParameterPanel::resolutionChanged);
    VexoSimTraceClear();
    act(window);
    QCOMPARE(writes(), sent);
    expectShown(dockState(window) << QStringLiteral("signal:roiEditorRequested=%1").arg(editor.count())
                                  << QStringLiteral("signal:resolutionChanged=%1").arg(refits.count()),
                shows);
    // Whatever the dock reads back afterwards sends nothing more.
    QTest::qWait(20);
    QCOMPARE(writes(), sent);
}

void TstParameterDock::typedValuesAreSentOnceFinished_data()
{
    // Real keys into a focused field: "\n" is Enter, "^" an Up arrow; then
    // the field is left ("out"), a pause passes ("pause") or nothing.
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("then");
    QTest::addColumn<QByteArray>("call");
    QTest::addColumn<QStringList>("arguments"); // of each call, in order
    QTest::newRow("exposure 20, Enter")
        << "doubleSpinBox_exposureTime"
        << "20\n"
        << "out" << QByteArray("CameraSetExposureTime") << QStringList{"20000"};
    QTest::newRow("exposure 20, pause")
        << "doubleSpinBox_exposureTime"
        << "20"
        << "pause" << QByteArray("CameraSetExposureTime") << QStringList{"20000"};
    QTest::newRow("exposure 20, still typing") << "doubleSpinBox_exposureTime"
                                               << "20"
                                               << "" << QByteArray("CameraSetExposureTime") << QStringList();
    QTest::newRow("exposure 20, left")
        << "doubleSpinBox_exposureTime"
        << "20"
        << "out" << QByteArray("CameraSetExposureTime") << QStringList{"20000"};
    QTest::newRow("contrast arrow steps stay live")
        << "spinBox_iContrast"
        << "^^^"
        << "" << QByteArray("CameraSetContrast") << QStringList{"51", "52", "53"};
    QTest::newRow("contrast 80, Enter, left")
        << "spinBox_iContrast"
        << "80\n"
        << "out" << QByteArray("CameraSetContrast") << QStringList{"80"};
    QTest::newRow("trigger delay 250, Enter, left")
        << "lineEdit_tirggerdelay"
        << "250\n"
        << "out" << QByteArray("CameraSetTriggerDelayTime") << QStringList{"250"};
}

void TstParameterDock::typedValuesAreSentOnceFinished()
{
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, then);
    QFETCH(QByteArray, call);
    QFETCH(QStringList, arguments);

    OpenCamera camera("DOCK-GIGE");
    CameraSetExposureTime(camera.handle(), 4000.0);
    CameraSetContrast(camera.handle(), 50);
    CameraSetTriggerMode(camera.handle(), 1);
    VexoCam window(appDir());
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.initDeviceSetting(camera.handle());
    auto *target = child(window, qPrintable(field));
    // Bring the field's page forward so that it can take the focus.
    for (QWidget *w = target->parentWidget(); w; w = w->parentWidget()) {
        if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (tabs->widget(i)->isAncestorOf(target))
                    tabs->setCurrentIndex(i);
            }
        } else if (auto *box = qobject_cast<QToolBox *>(w)) {
            for (int i = 0; i < box->count(); ++i) {
                if (box->widget(i)->isAncestorOf(target))
                    box->setCurrentIndex(i);
            }
        }
    }
    target->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(target->hasFocus());
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    VexoSimTraceClear();
    for (const QChar key : keys) {
        if (key == QLatin1Char('\n'))
            QTest::keyClick(target, Qt::Key_Return);
        else if (key == QLatin1Char('^'))
            QTest::keyClick(target, Qt::Key_Up);
        else
            QTest::keyClicks(target, QString(key));
    }
    if (then == QLatin1String("out"))
        child(window, "checkBox_mirror")->setFocus(Qt::TabFocusReason);
    else if (then == QLatin1String("pause"))
        QTest::qWait(TypedEntry::PauseMs + 200);
    QStringList sent;
    for (const QString &line : writes()) {
        if (line.startsWith(QLatin1String(call) + QLatin1Char('(')))
            sent << line.section(QLatin1Char(','), -1).section(QLatin1Char(')'), 0, 0);
    }
    QCOMPARE(sent, arguments);
}

void TstParameterDock::refusedValuesAreReadBack_data()
{
    QTest::addColumn<QByteArray>("refusing");
    QTest::addColumn<Prepare>("prepare");
    QTest::addColumn<Action>("act");

    const Prepare none = [](CameraHandle) {};
    const auto trigger = [](int mode) {
        return Prepare([mode](CameraHandle h) { CameraSetTriggerMode(h, mode); });
    };
    QTest::newRow("mirror") << QByteArray("CameraSetMirror") << none << click("checkBox_mirror");
    QTest::newRow("trigger mode") << QByteArray("CameraSetTriggerMode") << none
                                  << click("radioButton_softrigger");
    QTest::newRow("exposure slider") << QByteArray("CameraSetExposureTime") << none
                                     << set<QSlider>("horizontalSlider_exposureTime", 800);
    QTest::newRow("LUT preset") << QByteArray("CameraSelectLutPreset") << none << pick("comboBox_preset", 2);
    QTest::newRow("typed trigger delay")
        << QByteArray("CameraSetTriggerDelayTime") << trigger(1) << type("lineEdit_tirggerdelay", "7", true);
    // The camera takes at most 1000 frames per trigger.
    QTest::newRow("typed frame count beyond the camera")
        << QByteArray() << trigger(1) << type("lineEdit_tirggerframes", "5000", true);
    QTest::newRow("strobe delay") << QByteArray("CameraSetStrobeDelayTime") << trigger(2)
                                  << steps({pick("comboBox_imode", 1), type("lineEdit_ldelay", "250", true)});
}

void TstParameterDock::refusedValuesAreReadBack()
{
    QFETCH(QByteArray, refusing);
    QFETCH(Prepare, prepare);
    QFETCH(Action, act);

    OpenCamera camera("DOCK-GIGE");
    prepare(camera.handle());
    VexoCam window(appDir());
    window.initDeviceSetting(camera.handle());
    if (!refusing.isEmpty())
        VexoSimFailNext(refusing.constData(), CAMERA_STATUS_FAILED, 2);
    VexoSimTraceClear();
    act(window);
    QVERIFY2(!writes().isEmpty(), "the control never reached the camera");
    // No control is left showing a value the camera does not have: the dock
    // ends as a fresh fill from the camera shows it.
    VexoSimClearFailures();
    VexoCam fresh(appDir());
    fresh.initDeviceSetting(camera.handle());
    QTRY_COMPARE(dockState(window), dockState(fresh));
    QVERIFY(child(window, "tabWidget")->isEnabled());
}

void TstParameterDock::groupsAndFilesRoundTrip()
{
    OpenCamera camera("DOCK-GIGE");
    const CameraHandle h = camera.handle();
    QCOMPARE(CameraSetFriendlyName(h, "Line2"), CAMERA_STATUS_SUCCESS);
    VexoCam window(appDir());
    window.initDeviceSetting(h);
    const auto push = [&window](const char *name) { child<QAbstractButton>(window, name)->click(); };
    push("radioButton_name");
    push("radioButton_C");
    QTest::qWait(20);
    VexoSimTraceClear();

    push("pushButton_save");
    QCOMPARE(writes(), QStringList{"CameraSaveParameter(DOCK-GIGE,2)=0"});

    QTemporaryDir dir;
    const QString binFile = dir.path() + QStringLiteral("/Line2_Cfg_C.bin");
    {
        FileDialogAnswer answer(dir.path());
        push("pushButton_saveParametersToFile");
        QCOMPARE(answer.count(), 1);
        QCOMPARE(answer.caption(), QStringLiteral("选择"));
        QCOMPARE(answer.directory(), QDir(appDir()).absolutePath());
    }
    QVERIFY(QFile::exists(binFile));
    {
        FileDialogAnswer answer(dir.path());
        push("pushButton_savefile");
    }
    QVERIFY(QFile::exists(dir.path() + QStringLiteral("/Line2_Cfg_C")));

    // A change, then the exported file brings the camera and the dock back.
    push("checkBox_mirror");
    {
        FileDialogAnswer answer(binFile);
        push("pushButton_loadParametersToFile");
        QCOMPARE(answer.caption(), QStringLiteral("打开"));
        // The chooser lists the files the export writes (case-sensitive names).
        QVERIFY(answer.nameFilters().value(0).contains(QStringLiteral("*.bin")));
    }
    QVERIFY(!child<QCheckBox>(window, "checkBox_mirror")->isChecked());

    // Factory defaults always re-read the dock.
    push("checkBox_mirror");
    VexoSimTraceClear();
    push("pushButton_recove");
    QCOMPARE(writes(), QStringList{"CameraLoadParameter(DOCK-GIGE,255)=0"});
    QVERIFY(!child<QCheckBox>(window, "checkBox_mirror")->isChecked());

    // Loading a group brings its settings into the dock: C holds no mirror.
    push("checkBox_mirror");
    push("radioButton_D");
    push("radioButton_C");
    QTRY_VERIFY(!child<QCheckBox>(window, "checkBox_mirror")->isChecked());

    // A cancelled chooser does nothing.
    VexoSimTraceClear();
    {
        FileDialogAnswer cancel{QString()};
        push("pushButton_load");
        push("pushButton_savefile");
        QCOMPARE(cancel.count(), 2);
    }
    QCOMPARE(writes(), QStringList());
}

void TstParameterDock::badParameterFilesChangeNothing()
{
    OpenCamera camera("DOCK-GIGE");
    OpenCamera other("DOCK-USB4");
    const CameraHandle h = camera.handle();
    QTemporaryDir dir;
    const QString good = dir.path() + QStringLiteral("/good.bin");
    const QString foreign = dir.path() + QStringLiteral("/foreign.bin");
    QCOMPARE(CameraSaveParameterToFile(h, vexo::toLocal(good).constData()), CAMERA_STATUS_SUCCESS);
    QCOMPARE(CameraSaveParameterToFile(other.handle(), vexo::toLocal(foreign).constData()),
             CAMERA_STATUS_SUCCESS);
    QFile file(good);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    const auto write = [&dir](const char *name, const QByteArray &content) {
        const QString path = dir.path() + QLatin1Char('/') + QLatin1String(name);
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size())
            qFatal("cannot write %s", name);
        return path;
    };
    QByteArray corrupted = bytes;
    corrupted[corrupted.size() - 10] = char(corrupted.at(corrupted.size() - 10) ^ 0x20);
    // Each bad file with the reason its box gives.
    const QList<QPair<QString, QString>> badFiles = {
        {write("truncated.bin", bytes.left(bytes.size() / 2)), QStringLiteral("已损坏")},
        {write("corrupted.bin", corrupted), QStringLiteral("已损坏")},
        {write("empty.bin", QByteArray()), QStringLiteral("已损坏")},
        {foreign, QStringLiteral("其他型号")},
        {dir.path(), QStringLiteral("无法读取")},
        {dir.path() + QStringLiteral("/missing.bin"), QStringLiteral("无法读取")}};

    // The camera moves away from what the files hold.
    QCOMPARE(CameraSetMirror(h, 0, 1), CAMERA_STATUS_SUCCESS);
    QCOMPARE(CameraSetGamma(h, 250), CAMERA_STATUS_SUCCESS);
    VexoCam window(appDir());
    window.initDeviceSetting(h);
    for (const auto &bad : badFiles) {
        const QString &path = bad.first;
        ModalAnswer box;
        QVERIFY2(!window.parameterPanel()->loadParameters(path), qPrintable(path));
        QCOMPARE(box.count(), 1);
        QVERIFY2(box.text().contains(path) && box.text().contains(bad.second), qPrintable(box.text()));
        // Read again from the camera, which kept its settings.
        QVERIFY(child<QCheckBox>(window, "checkBox_mirror")->isChecked());
        QCOMPARE(child<QSlider>(window, "horizontalSlider_gamma")->value(), 250);
        int mirror = 0, gamma = 0;
        CameraGetMirror(h, 0, &mirror);
        CameraGetGamma(h, &gamma);
        QCOMPARE(mirror, 1);
        QCOMPARE(gamma, 250);
    }
    QVERIFY(window.parameterPanel()->loadParameters(good));
    QVERIFY(!child<QCheckBox>(window, "checkBox_mirror")->isChecked());
    QCOMPARE(child<QSlider>(window, "horizontalSlider_gamma")->value(), 100);

    // A place that cannot be written says so, naming the file.
    const QString locked = dir.path() + QStringLiteral("/locked");
    QVERIFY(QDir().mkdir(locked));
    QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
    if (QFileInfo(locked).isWritable())
        QSKIP("running with rights that write anywhere");
    ModalAnswer box;
    window.parameterPanel()->exportParameters(locked, true);
    QCOMPARE(box.count(), 1);
    QVERIFY2(box.text().contains(locked) && box.text().contains(QStringLiteral("无法写入")),
             qPrintable(box.text()));
}

void TstParameterDock::identityAndNetwork()
{
    OpenCamera camera("DOCK-GIGE");
    const CameraHandle h = camera.handle();
    QCOMPARE(CameraGigeSetTransPacketSize(h, 1500), CAMERA_STATUS_SUCCESS);
    VexoCam window(appDir());
    window.initDeviceSetting(h);
    // Presses a button and answers the box it shows.
    const auto press = [&window](const char *button, const QString &title, const QString &text) {
        VexoSimTraceClear();
        ModalAnswer box;
        child<QPushButton>(window, button)->click();
        QCOMPARE(box.count(), title.isEmpty() ? 0 : 1);
        QCOMPARE(box.title(), title);
        QCOMPARE(box.text(), text);
        if (box.fired())
            QCOMPARE(box.icon(),
                     title == QStringLiteral("错误") ? QMessageBox::Critical : QMessageBox::Information);
    };

    setLine(window, "lineEdit_deviceName", "");
    press("pushButton_deviceName", QStringLiteral("提示"), QStringLiteral("请输入设备昵称"));
    QCOMPARE(writes(), QStringList());
    setLine(window, "lineEdit_deviceName", "Line3");
    press("pushButton_deviceName", QStringLiteral("成功"), QStringLiteral("修改设备名称成功"));
    QCOMPARE(writes(), QStringList{"CameraSetFriendlyName(DOCK-GIGE,\"Line3\")=0"});
    QCOMPARE(child<QLabel>(window, "label_deviceName")->text(), QStringLiteral("Line3"));
    // A refused name is reported as such and not left in the field.
    VexoSimFailNext("CameraSetFriendlyName", CAMERA_STATUS_FAILED, 1);
    setLine(window, "lineEdit_deviceName", "Refused");
    press("pushButton_deviceName", QStringLiteral("错误"),
          QStringLiteral("修改设备名称失败, 错误码:-1（操作失败）"));
    QCOMPARE(child<QLineEdit>(window, "lineEdit_deviceName")->text(), QStringLiteral("Line3"));
    QCOMPARE(child<QLabel>(window, "label_deviceName")->text(), QStringLiteral("Line3"));

    setLine(window, "lineEdit_PacketSize", "9000");
    setLine(window, "lineEdit_netWorkIntervalTime", "20");
    press("pushButton_packetSizeSett", QStringLiteral("成功"), QStringLiteral("修改成功"));
    QCOMPARE(writes(), (QStringList{"CameraGigeSetTransPacketSize(DOCK-GIGE,9000)=0",
                                    "CameraGigeSetPacketDelayTime(DOCK-GIGE,20)=0"}));
    VexoSimFailNext("CameraGigeSetPacketDelayTime", CAMERA_STATUS_FAILED, 1);
    setLine(window, "lineEdit_netWorkIntervalTime", "30");
    press("pushButton_packetSizeSett", QStringLiteral("错误"),
          QStringLiteral("修改失败, 错误码:-1（操作失败）"));
    QCOMPARE(child<QLineEdit>(window, "lineEdit_netWorkIntervalTime")->text(), QStringLiteral("20"));
    setLine(window, "lineEdit_PacketSize", "100");
    press("pushButton_packetSizeSett", QStringLiteral("提示"),
          QStringLiteral("为了达到最高传输效率，请设置为网卡最大传输包大小(1500-9000)。"));
    QCOMPARE(writes(), QStringList());

    // Another host of the camera's own subnet.
    stGigeInfo address{};
    QCOMPARE(CameraGigeGetIp("DOCK-GIGE", &address), CAMERA_STATUS_SUCCESS);
    QStringList octets = vexo::fromAsciiField(address.acIp).split(QLatin1Char('.'));
    octets.last() = octets.last() == QStringLiteral("77") ? QStringLiteral("78") : QStringLiteral("77");
    const QString moved = octets.join(QLatin1Char('.'));
    child<QLineEdit>(window, "lineEdit_ip")->setText(moved);
    press("pushButton_ipsett", QString(), QString());
    QCOMPARE(writes(), QStringList{"CameraGigeSetIp(\"DOCK-GIGE\",*)=0"});
    QCOMPARE(CameraGigeGetIp("DOCK-GIGE", &address), CAMERA_STATUS_SUCCESS);
    QCOMPARE(vexo::fromAsciiField(address.acIp), moved);
    // Only 15 characters fit the field; what is left is no address.
    child<QLineEdit>(window, "lineEdit_ip")->setText(moved + QStringLiteral("00000000000000"));
    press("pushButton_ipsett", QStringLiteral("错误"),
          QStringLiteral("修改IP失败, 错误码:-3（参数无效或超出范围）"));
    QCOMPARE(child<QLineEdit>(window, "lineEdit_ip")->text(), moved);
}

void TstParameterDock::unpluggedCameraDisablesTheDock()
{
    OpenCamera camera("DOCK-GIGE");
    VexoCam window(appDir());
    window.initDeviceSetting(camera.handle());
    QCOMPARE(VexoSimUnplug("DOCK-GIGE"), CAMERA_STATUS_SUCCESS);
    VexoSimTraceClear();
    auto *tabs = child<QTabWidget>(window, "tabWidget");

    child<QAbstractButton>(window, "radioButton_softrigger")->click();
    QVERIFY(!tabs->isEnabled());
    // The first answer of a camera that is gone ends the handler.
    QCOMPARE(writes(), QStringList{"CameraSetTriggerMode(DOCK-GIGE,0)=-13"});

    // Filling asks once, not once per setting (each could be a time-out).
    VexoSimTraceClear();
    window.initDeviceSetting(camera.handle());
    QCOMPARE(traceLines(), QStringList{"CameraGetCurDevInfo(DOCK-GIGE,*)=-13"});
    QVERIFY(!tabs->isEnabled());
    QVERIFY(child<QLabel>(window, "label_deviceSerial")->text().isEmpty());
    QCOMPARE(VexoSimReplug("DOCK-GIGE"), CAMERA_STATUS_SUCCESS);
}

void TstParameterDock::languageSwitchRefillsTheDock()
{
    OpenCamera camera("DOCK-USB4");
    VexoCam window(appDir());
    window.initDeviceSetting(camera.handle());
    VexoSimTraceClear();
    auto *resolution = child<QComboBox>(window, "comboBox_resolution");
    auto *toolBox = child<QToolBox>(window, "toolBox_2");

    child<QAction>(window, "action_language_EN")->trigger();
    QCOMPARE(resolution->itemText(resolution->count() - 1), QStringLiteral("Custom"));
    QCOMPARE(child<QComboBox>(window, "comboBox_preset")->itemText(0), QStringLiteral("Linear"));
    QCOMPARE(toolBox->itemText(9), QStringLiteral("Special Settings"));
    QCOMPARE(window.parameterPanel()->channelBoxes().first()->text(), QStringLiteral("Channel 0"));
    QCOMPARE(child<QLabel>(window, "label_deviceSerial")->text(), QStringLiteral("DOCK-USB4"));
    QCOMPARE(window.currentCameraHandle(), camera.handle());

    child<QAction>(window, "action_language_CH")->trigger();
    QCOMPARE(resolution->itemText(resolution->count() - 1), QStringLiteral("自定义"));
    QCOMPARE(window.parameterPanel()->channelBoxes().first()->text(), QStringLiteral("通道0"));
    QCOMPARE(writes(), QStringList());
}

void TstParameterDock::wheelScrollsEveryPage()
{
    // Controls ignore a wheel until clicked, so that it scrolls the page; the
    // pages' scroll bars, which take the wheel from the page, must keep it.
    OpenCamera camera("DOCK-GIGE");
    VexoCam window(appDir());
    window.initDeviceSetting(camera.handle());
    auto *toolBox = child<QToolBox>(window, "toolBox_2");
    QList<QScrollBar *> bars;
    for (QScrollBar *bar : toolBox->findChildren<QScrollBar *>()) {
        if (bar->orientation() == Qt::Vertical)
            bars << bar;
    }
    QVERIFY(bars.size() >= toolBox->count());
    for (QScrollBar *bar : qAsConst(bars)) {
        bar->setRange(0, 1000);
        bar->setValue(0);
        QWheelEvent wheel(QPointF(2, 2), bar->mapToGlobal(QPoint(2, 2)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &wheel);
        QVERIFY2(bar->value() > 0, qPrintable(QString::number(bars.indexOf(bar))));
    }
    QCOMPARE(writes(), QStringList());
}

VEXO_QTEST_MAIN(TstParameterDock)
#include "tst_parameterdock.moc"
