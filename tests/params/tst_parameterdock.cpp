// The parameter dock on simulated cameras (fixtures/dock_cameras.json): what
// a fill shows, and exactly what each family of controls sends to the
// camera, read from the library's call trace.
#include "VexoCameraSim.h"
#include "filedialoganswer.h"
#include "modalhelper.h"
#include "parameterpanel.h"
#include "slotwarningguard.h"
#include "textfields.h"
#include "vexocam.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSlider>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBox>
#include <QWheelEvent>

#include <functional>

namespace {

using Prepare = std::function<void(CameraHandle)>;
using Action = std::function<void(VexoCam &, CameraHandle)>;
using Check = std::function<bool(VexoCam &)>;

template<typename T>
T *child(const QObject &window, const char *name)
{
    T *found = window.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no %s in the window", name);
    return found;
}

QStringList traceLines()
{
    QStringList lines;
    for (int i = 0; i < VexoSimTraceCount(); ++i) {
        char line[512] = {};
        VexoSimTraceLine(i, line, sizeof line);
        lines << QString::fromUtf8(line);
    }
    return lines;
}

// The traced calls that change something in a camera.
QStringList writes()
{
    static const QRegularExpression writer(
        QStringLiteral("^Camera(Set|Load|Save|Select|Soft|ReadParameterFromFile|GigeSet)"));
    return traceLines().filter(writer);
}

// Every value and state the dock shows.
QStringList dockState(const VexoCam &window)
{
    QStringList state;
    for (const QWidget *w : child<QWidget>(window, "tabWidget")->findChildren<QWidget *>()) {
        QString value;
        if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            value = QString::number(button->isChecked()) + button->styleSheet();
        else if (const auto *slider = qobject_cast<const QAbstractSlider *>(w))
            value = QString::number(slider->value());
        else if (const auto *edit = qobject_cast<const QLineEdit *>(w))
            value = edit->text();
        else if (const auto *combo = qobject_cast<const QComboBox *>(w))
            value = QString::number(combo->count()) + combo->currentText();
        else if (const auto *label = qobject_cast<const QLabel *>(w))
            value = label->text();
        else
            continue;
        state << w->objectName() + QLatin1Char('=') + value +
                     (w->isEnabled() ? QString() : QStringLiteral(" off"));
    }
    return state;
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

} // namespace

Q_DECLARE_METATYPE(Prepare)
Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(Check)

class TstParameterDock final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fillShowsTheCameraAndSendsNothing();
    void specialPageFollowsTheCamera();
    void controlsSendExactly_data();
    void controlsSendExactly();
    void refusedValuesAreReadBack_data();
    void refusedValuesAreReadBack();
    void groupsAndFilesRoundTrip();
    void badParameterFilesChangeNothing();
    void identityAndNetwork();
    void unpluggedCameraDisablesTheDock();
    void languageSwitchRefillsTheDock();

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
    VexoSimTraceClear();

    VexoCam window(appDir());
    window.initDeviceSetting(h);
    QCOMPARE(writes(), QStringList());
    QCOMPARE(window.currentCameraHandle(), h);
    QVERIFY(child<QTabWidget>(window, "tabWidget")->isEnabled());

    // 10000 us at 20 us per line.
    QCOMPARE(child<QDoubleSpinBox>(window, "doubleSpinBox_exposureTime")->value(), 10.0);
    QCOMPARE(child<QSlider>(window, "horizontalSlider_exposureTime")->value(), 500);
    QCOMPARE(child<QLineEdit>(window, "lineEdit_maxExposureRange")->text(), QStringLiteral("100"));
    QCOMPARE(child<QLineEdit>(window, "lineEdit_minExposureRange")->text(), QStringLiteral("0.1"));
    QCOMPARE(child<QLineEdit>(window, "lineEdit_maxGainRange")->text(), QStringLiteral("1"));
    QCOMPARE(child<QDoubleSpinBox>(window, "doubleSpinBox_gainred")->value(), 1.15);
    QCOMPARE(child<QSlider>(window, "horizontalSlider_gainred")->value(), 115);
    QVERIFY(child<QCheckBox>(window, "checkBox_display3")->isChecked());
    QCOMPARE(child<QLineEdit>(window, "lineEdit_x3")->text(), QStringLiteral("100"));
    QCOMPARE(child<QPushButton>(window, "pushButton_color3")->styleSheet(),
             QStringLiteral("background-color:rgb(255,0,0)"));
    auto *resolution = child<QComboBox>(window, "comboBox_resolution");
    QCOMPARE(resolution->currentText(), QStringLiteral("自定义"));
    QCOMPARE(resolution->currentData().toInt(), 255);
    QVERIFY(child<QPushButton>(window, "pushButton_roi")->isEnabled());
    QCOMPARE(child<QLabel>(window, "label_hoffset")->text(), QStringLiteral("16"));
    QCOMPARE(child<QLabel>(window, "label_hwidth")->text(), QStringLiteral("320"));
    auto *presets = child<QComboBox>(window, "comboBox_preset");
    QCOMPARE(presets->count(), 3);
    QCOMPARE(presets->itemText(2), QStringLiteral("曲线2"));
    QCOMPARE(child<QLabel>(window, "label_deviceSerial")->text(), QStringLiteral("DOCK-GIGE"));
    QCOMPARE(child<QComboBox>(window, "comboBox_input")->count(), 2);

    stGigeInfo address{};
    QCOMPARE(CameraGigeGetIp("DOCK-GIGE", &address), CAMERA_STATUS_SUCCESS);
    auto *gigePage = child<QWidget>(window, "page_cameragige");
    QVERIFY(gigePage->isEnabled());
    QCOMPARE(child<QLineEdit>(window, "lineEdit_ip")->text(), vexo::fromAsciiField(address.acIp));
    QCOMPARE(child<QLineEdit>(window, "lineEdit_mac")->text(), vexo::macText(address.abMac));
    QCOMPARE(child<QLineEdit>(window, "lineEdit_PacketSize")->text(), QStringLiteral("1500"));

    // A USB camera: the GigE page stays, disabled and empty; a preset
    // resolution disables the ROI button; no I/O lines.
    OpenCamera usb("DOCK-USB2");
    VexoSimTraceClear();
    window.initDeviceSetting(usb.handle());
    QCOMPARE(writes(), QStringList());
    QCOMPARE(child<QToolBox>(window, "toolBox_2")->widget(8), gigePage);
    QVERIFY(!gigePage->isEnabled());
    QVERIFY(child<QLineEdit>(window, "lineEdit_ip")->text().isEmpty());
    QVERIFY(!child<QPushButton>(window, "pushButton_roi")->isEnabled());
    QCOMPARE(child<QComboBox>(window, "comboBox_input")->count(), 0);
    QVERIFY(!child<QRadioButton>(window, "radioButton_hardtirgger")->isEnabled());

    // Without LUT: the box comes once the dock is filled, and no preset.
    OpenCamera plain("DOCK-NOLUT");
    {
        ModalAnswer boxes;
        window.initDeviceSetting(plain.handle());
        QTRY_COMPARE(boxes.count(), 1);
        QCOMPARE(boxes.title(), QStringLiteral("错误"));
        QCOMPARE(boxes.text(), QStringLiteral("相机不支持LUT模式"));
    }
    QCOMPARE(presets->count(), 0);
    QVERIFY(!child<QGroupBox>(window, "groupBox_track")->isEnabled());
    QCOMPARE(writes(), QStringList());
}

void TstParameterDock::specialPageFollowsTheCamera()
{
    VexoCam window(appDir());
    auto *toolBox = child<QToolBox>(window, "toolBox_2");
    const auto boxNames = [&window] {
        QStringList names;
        for (const QCheckBox *box : window.parameterPanel()->channelBoxes())
            names << box->objectName() + QLatin1Char('/') + box->text();
        return names;
    };

    OpenCamera one("DOCK-GIGE");
    window.initDeviceSetting(one.handle());
    QCOMPARE(toolBox->count(), 9);

    OpenCamera four("DOCK-USB4");
    window.initDeviceSetting(four.handle());
    QCOMPARE(toolBox->count(), 10);
    QCOMPARE(toolBox->widget(9), window.specialSettingsPage());
    QCOMPARE(toolBox->itemText(9), QStringLiteral("特殊设置"));
    QCOMPARE(
        boxNames(),
        (QStringList{QStringLiteral("checkBox_channel0/通道0"), QStringLiteral("checkBox_channel1/通道1"),
                     QStringLiteral("checkBox_channel2/通道2"), QStringLiteral("checkBox_channel3/通道3")}));
    // Factory mask: every channel on.
    for (const QCheckBox *box : window.parameterPanel()->channelBoxes())
        QVERIFY(box->isChecked());
    auto *focus = child<QSlider>(window, "horizontalSlider_supportFocusing");
    QVERIFY(child<QGroupBox>(window, "groupBox_supportFocusing")->isEnabled());
    QCOMPARE(focus->maximum(), 1000);
    QCOMPARE(focus->value(), 420);

    OpenCamera two("DOCK-USB2");
    window.initDeviceSetting(two.handle());
    QCOMPARE(toolBox->count(), 10);
    QCOMPARE(boxNames(), (QStringList{QStringLiteral("checkBox_channel0/通道0"),
                                      QStringLiteral("checkBox_channel1/通道1")}));
    QVERIFY(!child<QGroupBox>(window, "groupBox_supportFocusing")->isEnabled());

    window.initDeviceSetting(one.handle());
    QCOMPARE(toolBox->count(), 9);
    QVERIFY(window.specialSettingsPage()->isHidden());
    QCOMPARE(writes(), QStringList());
}

void TstParameterDock::controlsSendExactly_data()
{
    QTest::addColumn<QByteArray>("serial");
    QTest::addColumn<Prepare>("prepare");
    QTest::addColumn<Action>("act");
    QTest::addColumn<QStringList>("sent");

    const Prepare none = [](CameraHandle) {};
    const auto click = [](const char *name) {
        return [name](VexoCam &w, CameraHandle) { child<QAbstractButton>(w, name)->click(); };
    };

    // Radio buttons: the one losing the check reports first.
    QTest::newRow("group B after A") << QByteArray("DOCK-GIGE")
                                     << Prepare([](CameraHandle h) { CameraLoadParameter(h, 0); })
                                     << Action(click("radioButton_B"))
                                     << QStringList{"CameraLoadParameter(DOCK-GIGE,0)=0",
                                                    "CameraLoadParameter(DOCK-GIGE,1)=0"};
    QTest::newRow("manual to automatic white balance")
        << QByteArray("DOCK-GIGE") << none << Action([](VexoCam &w, CameraHandle) {
               child<QAbstractButton>(w, "radioButton_autowb")->click();
               QVERIFY(!child<QGroupBox>(w, "groupBox_Manualwb")->isEnabled());
           })
        << QStringList{"CameraSetWbMode(DOCK-GIGE,0)=0", "CameraSetOnceWB(DOCK-GIGE)=0",
                       "CameraSetWbMode(DOCK-GIGE,1)=0"};
    QTest::newRow("software trigger")
        << QByteArray("DOCK-GIGE") << none << Action([](VexoCam &w, CameraHandle) {
               child<QAbstractButton>(w, "radioButton_softrigger")->click();
               QVERIFY(child<QPushButton>(w, "pushButton_tirggeronce")->isEnabled());
               QVERIFY(!child<QGroupBox>(w, "groupBox_iosignal")->isEnabled());
               child<QPushButton>(w, "pushButton_tirggeronce")->click();
           })
        << QStringList{"CameraSetTriggerMode(DOCK-GIGE,0)=0", "CameraSetTriggerMode(DOCK-GIGE,1)=0",
                       "CameraSoftTrigger(DOCK-GIGE)=0"};

    // Check boxes.
    QTest::newRow("mirror") << QByteArray("DOCK-GIGE") << none << Action(click("checkBox_mirror"))
                            << QStringList{"CameraSetMirror(DOCK-GIGE,0,1)=0"};
    QTest::newRow("crosshair 3") << QByteArray("DOCK-GIGE") << none << Action([](VexoCam &w, CameraHandle) {
        setLine(w, "lineEdit_x3", "100");
        setLine(w, "lineEdit_y3", "50");
        child<QPushButton>(w, "pushButton_color3")
            ->setStyleSheet(QStringLiteral("background-color:rgb(255,0,0)"));
        child<QAbstractButton>(w, "checkBox_display3")->click();
    }) << QStringList{"CameraSetCrossLine(DOCK-GIGE,2,100,50,255,1)=0"};
    QTest::newRow("crosshair off the sensor")
        << QByteArray("DOCK-GIGE") << none << Action([](VexoCam &w, CameraHandle) {
               setLine(w, "lineEdit_x1", "99999");
               child<QAbstractButton>(w, "checkBox_display1")->click();
               QCOMPARE(child<QLineEdit>(w, "lineEdit_x1")->text(), QStringLiteral("640"));
           })
        << QStringList{"CameraSetCrossLine(DOCK-GIGE,0,640,230,255,1)=0"};
    QTest::newRow("channels 0 and 2 of 4")
        << QByteArray("DOCK-USB4") << none << Action([](VexoCam &w, CameraHandle) {
               child<QAbstractButton>(w, "checkBox_channel1")->click();
               child<QAbstractButton>(w, "checkBox_channel3")->click();
           })
        << QStringList{"CameraSetIntValue(DOCK-USB4,0,13)=0", "CameraSetIntValue(DOCK-USB4,0,5)=0"};
    const Prepare automaticExposure = [](CameraHandle h) { CameraSetAeState(h, 1); };
    QTest::newRow("anti-flicker") << QByteArray("DOCK-GIGE") << automaticExposure
                                  << Action([](VexoCam &w, CameraHandle) {
                                         child<QAbstractButton>(w, "checkBox_flashScreen")->click();
                                         QVERIFY(child<QRadioButton>(w, "radioButton_60Hz")->isEnabled());
                                     })
                                  << QStringList{"CameraSetAntiFlick(DOCK-GIGE,1)=0"};

    // Sliders and their spin boxes: one call per change.
    QTest::newRow("exposure slider 500 at 20 us") << QByteArray("DOCK-GIGE") << Prepare([](CameraHandle h) {
        CameraSetExposureTime(h, 4000.0);
    }) << Action([](VexoCam &w, CameraHandle) {
        child<QSlider>(w, "horizontalSlider_exposureTime")->setValue(500);
        QCOMPARE(child<QDoubleSpinBox>(w, "doubleSpinBox_exposureTime")->value(), 10.0);
    }) << QStringList{"CameraSetExposureTime(DOCK-GIGE,10000)=0"};
    QTest::newRow("1.15 typed into the red gain")
        << QByteArray("DOCK-GIGE") << none << Action([](VexoCam &w, CameraHandle) {
               child<QDoubleSpinBox>(w, "doubleSpinBox_gainred")->setValue(1.15);
               QCOMPARE(child<QSlider>(w, "horizontalSlider_gainred")->value(), 115);
               QCOMPARE(child<QDoubleSpinBox>(w, "doubleSpinBox_gainred")->value(), 1.15);
           })
        << QStringList{"CameraSetGain(DOCK-GIGE,115,100,100)=0"};
    QTest::newRow("exposure typed in ms")
        << QByteArray("DOCK-GIGE") << none << Action([](VexoCam &w, CameraHandle) {
               child<QDoubleSpinBox>(w, "doubleSpinBox_exposureTime")->setValue(7.44);
           })
        << QStringList{"CameraSetExposureTime(DOCK-GIGE,7440)=0"};
    QTest::newRow("gamma") << QByteArray("DOCK-GIGE") << none << Action([](VexoCam &w, CameraHandle) {
        child<QSlider>(w, "horizontalSlider_gamma")->setValue(250);
        QCOMPARE(child<QDoubleSpinBox>(w, "doubleSpinBox_gamma")->value(), 2.5);
    }) << QStringList{"CameraSetGamma(DOCK-GIGE,250)=0"};

    // Line edits: sent at every keystroke that makes a value the camera takes.
    QTest::newRow("max exposure range typed 1 then 2")
        << QByteArray("DOCK-GIGE") << automaticExposure << Action([](VexoCam &w, CameraHandle) {
               auto *edit = child<QLineEdit>(w, "lineEdit_maxExposureRange");
               edit->clear();
               QTest::keyClicks(edit, QStringLiteral("12"));
           })
        << QStringList{"CameraSetAeExposureRange(DOCK-GIGE,100,1000)=0",
                       "CameraSetAeExposureRange(DOCK-GIGE,100,12000)=0"};
    QTest::newRow("gain range") << QByteArray("DOCK-GIGE") << automaticExposure
                                << Action([](VexoCam &w, CameraHandle) {
                                       auto *edit = child<QLineEdit>(w, "lineEdit_minGainRange");
                                       edit->clear();
                                       QTest::keyClicks(edit, QStringLiteral("2"));
                                   })
                                << QStringList{"CameraSetAeAnalogGainRange(DOCK-GIGE,2000,8000)=0"};
    QTest::newRow("trigger frames never 0") << QByteArray("DOCK-GIGE") << Prepare([](CameraHandle h) {
        CameraSetTriggerMode(h, 1);
    }) << Action([](VexoCam &w, CameraHandle) {
        auto *edit = child<QLineEdit>(w, "lineEdit_tirggerframes");
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("03"));
    }) << QStringList{"CameraSetTriggerFrameCount(DOCK-GIGE,3)=0"};

    // Combo boxes.
    const Prepare customRegion = [](CameraHandle h) {
        stImageResolution custom{};
        custom.iWidthFOV = 320;
        custom.iHeightFOV = 240;
        CameraSetResolutionEx(h, &custom);
    };
    QTest::newRow("preset resolution")
        << QByteArray("DOCK-GIGE") << customRegion << Action([](VexoCam &w, CameraHandle) {
               QSignalSpy refits(w.parameterPanel(), &ParameterPanel::resolutionChanged);
               child<QComboBox>(w, "comboBox_resolution")->setCurrentIndex(0);
               QVERIFY(!child<QPushButton>(w, "pushButton_roi")->isEnabled());
               QCOMPARE(child<QLabel>(w, "label_hwidth")->text(), QStringLiteral("640"));
               QCOMPARE(refits.count(), 1);
           })
        << QStringList{"CameraSetResolution(DOCK-GIGE,0)=0"};
    QTest::newRow("custom resolution opens the editor")
        << QByteArray("DOCK-GIGE") << none << Action([](VexoCam &w, CameraHandle h) {
               QSignalSpy editor(w.parameterPanel(), &ParameterPanel::roiEditorRequested);
               auto *combo = child<QComboBox>(w, "comboBox_resolution");
               combo->setCurrentIndex(combo->count() - 1);
               QCOMPARE(editor.count(), 1);
               QCOMPARE(editor.first().first().value<void *>(), h);
               QVERIFY(!child<QPushButton>(w, "pushButton_roi")->isEnabled());
           })
        << QStringList{"CameraSetResolutionForSnap(DOCK-GIGE,*)=0"};
    QTest::newRow("output line shown reports back") << QByteArray("DOCK-GIGE") << Prepare([](CameraHandle h) {
        CameraSetOutputIOMode(h, 1, 2);
    }) << Action([](VexoCam &w, CameraHandle) {
        child<QComboBox>(w, "comboBox_output")->setCurrentIndex(1);
        QCOMPARE(child<QStackedWidget>(w, "stackedWidget_pwm")->currentIndex(), 2);
    }) << QStringList{"CameraSetOutputIOMode(DOCK-GIGE,1,2)=0"};

    // A wheel turned over a control that was not clicked scrolls the dock.
    QTest::newRow("wheel over an unfocused combo box")
        << QByteArray("DOCK-GIGE") << Prepare([](CameraHandle h) { CameraSetTriggerMode(h, 2); })
        << Action([](VexoCam &w, CameraHandle) {
               auto *combo = child<QComboBox>(w, "comboBox_workmode");
               QWheelEvent wheel(QPointF(5, 5), combo->mapToGlobal(QPoint(5, 5)), QPoint(), QPoint(0, -120),
                                 Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
               QApplication::sendEvent(combo, &wheel);
               QCOMPARE(combo->currentIndex(), 0);
           })
        << QStringList();

    // Focus.
    QTest::newRow("focus default") << QByteArray("DOCK-USB4") << Prepare([](CameraHandle h) {
        CameraSetIntValue(h, 3, 100);
    }) << Action([](VexoCam &w, CameraHandle) {
        child<QPushButton>(w, "pushButton_restore")->click();
        QCOMPARE(child<QSlider>(w, "horizontalSlider_supportFocusing")->value(), 420);
    }) << QStringList{"CameraSetIntValue(DOCK-USB4,3,420)=0"};
    QTest::newRow("focus default unreadable moves nothing")
        << QByteArray("DOCK-USB4") << none << Action([](VexoCam &w, CameraHandle) {
               VexoSimFailNext("CameraGetIntValue", CAMERA_STATUS_FAILED, 1);
               child<QPushButton>(w, "pushButton_restore")->click();
               QCOMPARE(child<QSlider>(w, "horizontalSlider_supportFocusing")->value(), 420);
           })
        << QStringList();
}

void TstParameterDock::controlsSendExactly()
{
    QFETCH(QByteArray, serial);
    QFETCH(Prepare, prepare);
    QFETCH(Action, act);
    QFETCH(QStringList, sent);

    OpenCamera camera(serial.constData());
    prepare(camera.handle());
    VexoCam window(appDir());
    window.initDeviceSetting(camera.handle());
    VexoSimTraceClear();
    act(window, camera.handle());
    QCOMPARE(writes(), sent);
    // Whatever the dock reads back afterwards sends nothing more.
    QTest::qWait(20);
    QCOMPARE(writes(), sent);
}

void TstParameterDock::refusedValuesAreReadBack_data()
{
    QTest::addColumn<QByteArray>("refusing");
    QTest::addColumn<Prepare>("prepare");
    QTest::addColumn<Action>("act");

    const Prepare none = [](CameraHandle) {};
    const Prepare softwareTrigger = [](CameraHandle h) { CameraSetTriggerMode(h, 1); };

    QTest::newRow("mirror") << QByteArray("CameraSetMirror") << none << Action([](VexoCam &w, CameraHandle) {
        child<QAbstractButton>(w, "checkBox_mirror")->click();
    });
    QTest::newRow("trigger mode") << QByteArray("CameraSetTriggerMode") << none
                                  << Action([](VexoCam &w, CameraHandle) {
                                         child<QAbstractButton>(w, "radioButton_softrigger")->click();
                                     });
    QTest::newRow("exposure slider") << QByteArray("CameraSetExposureTime") << none
                                     << Action([](VexoCam &w, CameraHandle) {
                                            child<QSlider>(w, "horizontalSlider_exposureTime")->setValue(800);
                                        });
    QTest::newRow("LUT preset") << QByteArray("CameraSelectLutPreset") << none
                                << Action([](VexoCam &w, CameraHandle) {
                                       child<QComboBox>(w, "comboBox_preset")->setCurrentIndex(2);
                                   });
    QTest::newRow("typed trigger delay")
        << QByteArray("CameraSetTriggerDelayTime") << softwareTrigger << Action([](VexoCam &w, CameraHandle) {
               auto *edit = child<QLineEdit>(w, "lineEdit_tirggerdelay");
               edit->clear();
               QTest::keyClicks(edit, QStringLiteral("7"));
               emit edit->editingFinished();
           });
    // The camera takes at most 1000 frames per trigger.
    QTest::newRow("typed frame count beyond the camera")
        << QByteArray() << softwareTrigger << Action([](VexoCam &w, CameraHandle) {
               auto *edit = child<QLineEdit>(w, "lineEdit_tirggerframes");
               edit->clear();
               QTest::keyClicks(edit, QStringLiteral("5000"));
               emit edit->editingFinished();
           });
    QTest::newRow("strobe delay") << QByteArray("CameraSetStrobeDelayTime")
                                  << Prepare([](CameraHandle h) { CameraSetTriggerMode(h, 2); })
                                  << Action([](VexoCam &w, CameraHandle) {
                                         child<QComboBox>(w, "comboBox_imode")->setCurrentIndex(1);
                                         auto *edit = child<QLineEdit>(w, "lineEdit_ldelay");
                                         edit->clear();
                                         QTest::keyClicks(edit, QStringLiteral("250"));
                                         emit edit->editingFinished();
                                     });
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
    act(window, camera.handle());
    QVERIFY2(!writes().isEmpty(), "the control never reached the camera");
    // No control is left showing a value the camera does not have: the dock
    // ends as a fresh fill from the camera shows it.
    VexoSimClearFailures();
    VexoCam fresh(appDir());
    fresh.initDeviceSetting(camera.handle());
    QTRY_COMPARE(dockState(window), dockState(fresh));
    QVERIFY(child<QTabWidget>(window, "tabWidget")->isEnabled());
}

void TstParameterDock::groupsAndFilesRoundTrip()
{
    OpenCamera camera("DOCK-GIGE");
    const CameraHandle h = camera.handle();
    QCOMPARE(CameraSetFriendlyName(h, "Line2"), CAMERA_STATUS_SUCCESS);
    VexoCam window(appDir());
    window.initDeviceSetting(h);
    const auto click = [&window](const char *name) { child<QAbstractButton>(window, name)->click(); };
    click("radioButton_name");
    click("radioButton_C");
    QTest::qWait(20);
    VexoSimTraceClear();

    click("pushButton_save");
    QCOMPARE(writes(), QStringList{"CameraSaveParameter(DOCK-GIGE,2)=0"});

    QTemporaryDir dir;
    const QString binFile = dir.path() + QStringLiteral("/Line2_Cfg_C.bin");
    {
        FileDialogAnswer answer(dir.path());
        click("pushButton_saveParametersToFile");
        QCOMPARE(answer.count(), 1);
        QCOMPARE(answer.caption(), QStringLiteral("选择"));
        QCOMPARE(answer.directory(), QDir(appDir()).absolutePath());
    }
    QVERIFY(QFile::exists(binFile));
    {
        FileDialogAnswer answer(dir.path());
        click("pushButton_savefile");
    }
    QVERIFY(QFile::exists(dir.path() + QStringLiteral("/Line2_Cfg_C")));

    // A change, then the exported file brings the camera and the dock back.
    click("checkBox_mirror");
    {
        FileDialogAnswer answer(binFile);
        click("pushButton_loadParametersToFile");
        QCOMPARE(answer.caption(), QStringLiteral("打开"));
        // The chooser lists the files the export writes (case-sensitive names).
        const QString filter = answer.nameFilters().value(0);
        const QString patterns = filter.mid(filter.indexOf(QLatin1Char('(')) + 1).chopped(1);
        bool listed = false;
        for (const QString &pattern : patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            listed |= QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern))
                          .match(QStringLiteral("Line2_Cfg_C.bin"))
                          .hasMatch();
        QVERIFY2(listed, qPrintable(filter));
    }
    int mirror = -1;
    QCOMPARE(CameraGetMirror(h, 0, &mirror), CAMERA_STATUS_SUCCESS);
    QCOMPARE(mirror, 0);
    QVERIFY(!child<QCheckBox>(window, "checkBox_mirror")->isChecked());

    // Factory defaults always re-read the dock.
    click("checkBox_mirror");
    VexoSimTraceClear();
    click("pushButton_recove");
    QCOMPARE(writes(), QStringList{"CameraLoadParameter(DOCK-GIGE,255)=0"});
    QVERIFY(!child<QCheckBox>(window, "checkBox_mirror")->isChecked());

    // Loading a group brings its settings into the dock: C holds no mirror.
    click("checkBox_mirror");
    click("radioButton_D");
    click("radioButton_C");
    QTRY_VERIFY(!child<QCheckBox>(window, "checkBox_mirror")->isChecked());

    // A cancelled chooser does nothing.
    VexoSimTraceClear();
    {
        FileDialogAnswer cancel{QString()};
        click("pushButton_load");
        click("pushButton_savefile");
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
    const QStringList badFiles = {write("truncated.bin", bytes.left(bytes.size() / 2)),
                                  write("corrupted.bin", corrupted),
                                  write("empty.bin", QByteArray()),
                                  foreign,
                                  dir.path(),
                                  dir.path() + QStringLiteral("/missing.bin")};

    // The camera moves away from what the files hold.
    QCOMPARE(CameraSetMirror(h, 0, 1), CAMERA_STATUS_SUCCESS);
    QCOMPARE(CameraSetGamma(h, 250), CAMERA_STATUS_SUCCESS);
    VexoCam window(appDir());
    window.initDeviceSetting(h);
    const QStringList before = dockState(window);
    for (const QString &path : badFiles) {
        QVERIFY2(!window.parameterPanel()->loadParameters(path), qPrintable(path));
        QCOMPARE(dockState(window), before);
        int mirror = 0, gamma = 0;
        CameraGetMirror(h, 0, &mirror);
        CameraGetGamma(h, &gamma);
        QCOMPARE(mirror, 1);
        QCOMPARE(gamma, 250);
    }
    QVERIFY(window.parameterPanel()->loadParameters(good));
    QVERIFY(!child<QCheckBox>(window, "checkBox_mirror")->isChecked());
    QCOMPARE(child<QSlider>(window, "horizontalSlider_gamma")->value(), 100);
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
    press("pushButton_deviceName", QStringLiteral("错误"), QStringLiteral("修改设备名称失败, 错误码:-1"));
    QCOMPARE(child<QLineEdit>(window, "lineEdit_deviceName")->text(), QStringLiteral("Line3"));
    QCOMPARE(child<QLabel>(window, "label_deviceName")->text(), QStringLiteral("Line3"));

    setLine(window, "lineEdit_PacketSize", "9000");
    setLine(window, "lineEdit_netWorkIntervalTime", "20");
    press("pushButton_packetSizeSett", QStringLiteral("成功"), QStringLiteral("修改成功"));
    QCOMPARE(writes(), (QStringList{"CameraGigeSetTransPacketSize(DOCK-GIGE,9000)=0",
                                    "CameraGigeSetPacketDelayTime(DOCK-GIGE,20)=0"}));
    VexoSimFailNext("CameraGigeSetPacketDelayTime", CAMERA_STATUS_FAILED, 1);
    setLine(window, "lineEdit_netWorkIntervalTime", "30");
    press("pushButton_packetSizeSett", QStringLiteral("错误"), QStringLiteral("修改失败, 错误码:-1"));
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
    press("pushButton_ipsett", QStringLiteral("错误"), QStringLiteral("修改IP失败, 错误码:-3"));
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

VEXO_QTEST_MAIN(TstParameterDock)
#include "tst_parameterdock.moc"
