// The main window: its form, language, launcher, manual, grid container and
// display layouts. Cameras come from the simulated SDK (see tst_devicetree).
#include "config/configparameter.h"
#include "formchild.h"
#include "layouts/customwindowsettingwidget.h"
#include "modalhelper.h"
#include "params/parameterdock.h"
#include "shell/vexocam.h"
#include "slotwarningguard.h"
#include "view/camerathread.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolBox>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>

namespace {

// The main window's own objects that behaviour depends on (the dock's are
// checked with the dock).
const char *const kMainWindowNames[] = {
    "action_about",
    "action_capturesetting",
    "action_customframe",
    "action_defaultParPath",
    "action_exitapp",
    "action_fourframe",
    "action_fullScreen",
    "action_help",
    "action_hotkey",
    "action_ipSettingTool",
    "action_language_CH",
    "action_language_EN",
    "action_nineframe",
    "action_oneframe",
    "action_opencamera",
    "action_update",
    "action_videosetting",
    "gridLayout_devicewindow",
    "label_edition",
    "label_firmware",
    "label_gigeBroAdder",
    "label_gigeIP",
    "label_gigeName",
    "label_gigeNetMask",
    "label_gigePhyAdder",
    "label_gigePorttype",
    "label_porttype",
    "label_productName",
    "label_productsSeries",
    "label_sensor",
    "label_status",
    "pushButton_collapse",
    "pushButton_expand",
    "pushButton_onoff",
    "pushButton_refresh",
    "splitter",
    "stackedWidget_InterfaceInfo",
    "toolBar",
    "treeWidget_devicelist",
    "widget_8",
    "widget_devicewindows",
};

ConfigParameter *config()
{
    return ConfigParameter::getInstance();
}

QString qmFixture(const char *language)
{
    return QStringLiteral(SHELL_TEST_QM_DIR "/shelltest_%1.qm").arg(QLatin1String(language));
}

// A program directory holding the chosen translation files and nothing else.
void addTranslations(const QTemporaryDir &dir, bool zh, bool en)
{
    if (zh)
        QVERIFY(QFile::copy(qmFixture("zh"), dir.path() + QStringLiteral("/VexoCam_zh_CN.qm")));
    if (en)
        QVERIFY(QFile::copy(qmFixture("en"), dir.path() + QStringLiteral("/VexoCam_en_CN.qm")));
}

// Receives what the window hands to the desktop's default handler.
class UrlRecorder final : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

} // namespace

class TstVexoCam final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void formCarriesEveryObjectName();
    void formFixedContents();
    void constructionState();

    void startLanguage_data();
    void startLanguage();
    void startWithoutTranslation();
    void languageSwitch();
    void failedSwitchStoresChoice_data();
    void failedSwitchStoresChoice();

    void launchFailure_data();
    void launchFailure();
    void launchStartsSibling();
    void manualAndProgramFolder();

    void escapeRestoresGrid();
    void presetLayouts();
    void customLayoutPlacement();
    void restoreAtStart_data();
    void restoreAtStart();
    void swapAndSingleCellFullScreen();
    void savedCustomLayouts();
    void unusableStoredLayoutsAreSkipped_data();
    void unusableStoredLayoutsAreSkipped();
    void windowManagerClosesFullScreenWindows();
};

void TstVexoCam::initTestCase()
{
    // QtTest replaces the message handler when the run starts and does not
    // pass messages on; the guard goes on top of it again.
    vexotest::installSlotWarningGuard();
}

void TstVexoCam::cleanup()
{
    QCOMPARE(int(vexotest::slotWarningCount()), 0);
    config()->setValue(QStringLiteral("EDITION"), QStringLiteral("Language"), 0);
    config()->setValue(QStringLiteral("WIDGETINFO"), QStringLiteral("WidgetCount"), 1);
}

void TstVexoCam::formCarriesEveryObjectName()
{
    QTemporaryDir dir;
    ModalAnswer boxes;
    VexoCam window(dir.path());
    QCOMPARE(int(std::size(kMainWindowNames)), 41);
    QCOMPARE(formNameProblems(window, kMainWindowNames), QStringList());
    // In the main window's own form, not in the dock beside it.
    QWidget *dock = child<QWidget>(window, "widget_parameterPanel");
    QCOMPARE(dock, window.parameterDock());
    for (const char *name : kMainWindowNames) {
        if (auto *widget = qobject_cast<QWidget *>(child<QObject>(window, name)))
            QVERIFY2(!dock->isAncestorOf(widget), name);
    }
}

void TstVexoCam::formFixedContents()
{
    QTemporaryDir dir;
    ModalAnswer boxes;
    VexoCam window(dir.path());
    QCOMPARE(window.windowTitle(), QStringLiteral("VexoCam"));

    const QList<QPair<const char *, QStringList>> combos = {
        {"comboBox_workmode", {QStringLiteral("触发"), QStringLiteral("输入IO")}},
        {"comboBox_tirggermode",
         {QStringLiteral("上升沿触发"), QStringLiteral("下降沿触发"), QStringLiteral("高电平触发"),
          QStringLiteral("低电平触发")}},
        {"comboBox_owordmode", {QStringLiteral("闪光灯"), QStringLiteral("输出IO"), QStringLiteral("PWM")}},
        {"comboBox_imode", {QStringLiteral("自动"), QStringLiteral("半自动")}},
        {"comboBox_polarity", {QStringLiteral("低电平"), QStringLiteral("高电平")}},
        {"comboBox_iostatus", {QStringLiteral("低电平"), QStringLiteral("高电平")}},
    };
    for (const auto &combo : combos) {
        auto *box = child<QComboBox>(window, combo.first);
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        QCOMPARE(items, combo.second);
    }
    // One page of the PWM stack per output mode.
    QCOMPARE(child<QStackedWidget>(window, "stackedWidget_pwm")->count(), 3);

    const QList<std::tuple<const char *, int, int>> sliders = {
        {"horizontalSlider_iContrast", 0, 100},   {"horizontalSlider_iSharpness", 0, 100},
        {"horizontalSlider_iSaturation", 0, 255}, {"horizontalSlider_light", 10, 160},
        {"horizontalSlider_gainred", 0, 400},     {"horizontalSlider_gaingreen", 0, 400},
        {"horizontalSlider_gainblue", 0, 400},    {"horizontalSlider_gamma", 0, 1000},
        {"horizontalSlider_contrast", 0, 200},
    };
    for (const auto &s : sliders) {
        auto *slider = child<QSlider>(window, std::get<0>(s));
        QCOMPARE(slider->minimum(), std::get<1>(s));
        QCOMPARE(slider->maximum(), std::get<2>(s));
    }
    const QList<std::tuple<const char *, int, int>> spins = {{"spinBox_iContrast", 0, 100},
                                                             {"spinBox_iSharpness", 0, 100},
                                                             {"spinBox_iSaturation", 0, 255},
                                                             {"spinBox_Light", 10, 160}};
    for (const auto &s : spins) {
        auto *spin = child<QSpinBox>(window, std::get<0>(s));
        QCOMPARE(spin->minimum(), std::get<1>(s));
        QCOMPARE(spin->maximum(), std::get<2>(s));
    }
    const QList<std::tuple<const char *, double>> doubles = {{"doubleSpinBox_gainred", 4.0},
                                                             {"doubleSpinBox_gaingreen", 4.0},
                                                             {"doubleSpinBox_gainblue", 4.0},
                                                             {"doubleSpinBox_gamma", 10.0},
                                                             {"doubleSpinBox_contrast", 2.0}};
    for (const auto &s : doubles) {
        auto *spin = child<QDoubleSpinBox>(window, std::get<0>(s));
        QCOMPARE(spin->minimum(), 0.0);
        QCOMPARE(spin->maximum(), std::get<1>(s));
        QCOMPARE(spin->singleStep(), 0.01);
    }
    QCOMPARE(child<QDoubleSpinBox>(window, "doubleSpinBox_exposureTime")->singleStep(), 0.01);
    QCOMPARE(child<QDoubleSpinBox>(window, "doubleSpinBox_analogGain")->singleStep(), 0.01);

    QVERIFY(!child<QCheckBox>(window, "checkBox_negativeMode")->isEnabled());
    QVERIFY(!child<QComboBox>(window, "comboBox_2")->isEnabled());
    auto *mac = child<QLineEdit>(window, "lineEdit_mac");
    QVERIFY(mac->isReadOnly());
    QVERIFY(!mac->isEnabled());

    auto *toolBox = child<QToolBox>(window, "toolBox_2");
    const QStringList titles = {
        QStringLiteral("设备信息"),   QStringLiteral("视频参数设置"), QStringLiteral("曝光设置"),
        QStringLiteral("白平衡设置"), QStringLiteral("十字线设置"),   QStringLiteral("输出设置"),
        QStringLiteral("分辨率设置"), QStringLiteral("伽玛设置"),     QStringLiteral("GigE设置")};
    QCOMPARE(toolBox->count(), titles.size());
    for (int i = 0; i < titles.size(); ++i)
        QCOMPARE(toolBox->itemText(i), titles.at(i));
    QCOMPARE(toolBox->widget(8)->objectName(), QStringLiteral("page_cameragige"));
    auto *tabs = child<QTabWidget>(window, "tabWidget");
    QCOMPARE(tabs->tabText(tabs->indexOf(child<QWidget>(window, "tab_3"))), QStringLiteral("参数保存"));

    const QList<QPair<const char *, const char *>> captions = {
        {"action_opencamera", "打开相机"}, {"action_defaultParPath", "打开相机参数默认保存目录"},
        {"action_capturesetting", "抓图"}, {"action_videosetting", "录像"},
        {"action_hotkey", "快捷键"},       {"action_ipSettingTool", "IP配置工具"},
        {"action_update", "升级工具"},     {"action_help", "帮助文档"},
        {"action_about", "关于"},          {"action_language_CH", "简体中文"},
        {"action_language_EN", "English"}, {"action_oneframe", "单画面"},
        {"action_fourframe", "四画面"},    {"action_nineframe", "九画面"},
        {"action_customframe", "自定义"},  {"action_fullScreen", "全屏"},
        {"action_exitapp", "画面切换"}};
    for (const auto &c : captions)
        QCOMPARE(child<QAction>(window, c.first)->text(), QString::fromUtf8(c.second));
    QCOMPARE(child<QAction>(window, "action_fullScreen")->toolTip(), QStringLiteral("全屏显示"));

    const QList<QPair<const char *, const char *>> buttons = {
        {"pushButton_refresh", "刷新"},        {"pushButton_expand", "展开"},
        {"pushButton_collapse", "收起"},       {"pushButton_save", "保存参数"},
        {"pushButton_load", "加载参数从文件"}, {"pushButton_savefile", "导出参数到文件"},
        {"pushButton_recove", "恢复默认参数"}, {"pushButton_restore", "恢复默认值"},
        {"pushButton_onetouth", "一键白平衡"}, {"pushButton_tirggeronce", "触发一次"},
        {"pushButton_roi", "ROI区域"}};
    for (const auto &b : buttons)
        QCOMPARE(child<QPushButton>(window, b.first)->text(), QString::fromUtf8(b.second));
}

void TstVexoCam::constructionState()
{
    QTemporaryDir dir;
    addTranslations(dir, true, true);
    ModalAnswer boxes;
    VexoCam window(dir.path());
    QCOMPARE(boxes.count(), 0);

    QVERIFY(!child<QWidget>(window, "tabWidget")->isEnabled());
    QVERIFY(!child<QWidget>(window, "widget_settingToolbar")->isEnabled());
    QCOMPARE(child<QWidget>(window, "widget_settingToolbar")->layout()->spacing(), 10);
    QCOMPARE(child<QWidget>(window, "widget_4")->layout()->spacing(), 10);
    QCOMPARE(child<QWidget>(window, "tab_3")->layout()->spacing(), 20);
    QCOMPARE(child<QWidget>(window, "widget_5")->layout()->spacing(), 20);

    // The special settings page is out of the tool box and hidden, its
    // controls kept for the cameras that need them.
    auto *toolBox = child<QToolBox>(window, "toolBox_2");
    QCOMPARE(toolBox->count(), 9);
    QCOMPARE(toolBox->currentIndex(), 0);
    QWidget *special = window.parameterDock()->specialSettingsPage();
    QVERIFY(special);
    QCOMPARE(toolBox->indexOf(special), -1);
    QVERIFY(special->isHidden());
    QVERIFY(special->isAncestorOf(child<QWidget>(window, "groupBox_channel")));
    QVERIFY(special->isAncestorOf(child<QWidget>(window, "horizontalSlider_supportFocusing")));

    // Display menu: the presets, then custom/full screen, then saved layouts.
    const QList<QAction *> entries = window.displayMenu()->actions();
    QCOMPARE(entries.size(), 7);
    QCOMPARE(entries.at(0), child<QAction>(window, "action_oneframe"));
    QCOMPARE(entries.at(1), child<QAction>(window, "action_fourframe"));
    QCOMPARE(entries.at(2), child<QAction>(window, "action_nineframe"));
    QVERIFY(entries.at(3)->isSeparator());
    QCOMPARE(entries.at(4), child<QAction>(window, "action_customframe"));
    QCOMPARE(entries.at(5), child<QAction>(window, "action_fullScreen"));
    QVERIFY(entries.at(6)->isSeparator());
    QToolButton *switchButton = nullptr;
    for (QToolButton *button : child<QToolBar>(window, "toolBar")->findChildren<QToolButton *>()) {
        if (button->menu() == window.displayMenu())
            switchButton = button;
    }
    QVERIFY(switchButton);
    QCOMPARE(switchButton->text(), QStringLiteral("画面切换"));
    QCOMPARE(switchButton->popupMode(), QToolButton::InstantPopup);
    QCOMPARE(switchButton->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);

    // 250 | 625 | 250; a side pane never shrinks below what its contents
    // need, and the grid takes whatever the window has beyond that.
    window.resize(1280, 800);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *splitter = child<QSplitter>(window, "splitter");
    const QList<int> sizes = splitter->sizes();
    QCOMPARE(sizes.size(), 3);
    const int rightMinimum =
        qMax(splitter->widget(2)->minimumWidth(), splitter->widget(2)->minimumSizeHint().width());
    QCOMPARE(sizes.at(0), 250);
    QCOMPARE(sizes.at(2), qMax(250, rightMinimum));
    QVERIFY(sizes.at(1) > 625);
    window.resize(1600, 900);
    QTRY_COMPARE(splitter->sizes().at(1), sizes.at(1) + 320);
    QCOMPARE(splitter->sizes().at(0), 250);
}

void TstVexoCam::startLanguage_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("refresh");
    QTest::newRow("absent") << QVariant() << "/VexoCam_zh_CN.qm"
                            << "刷新";
    QTest::newRow("zero") << QVariant(0) << "/VexoCam_zh_CN.qm"
                          << "刷新";
    QTest::newRow("one") << QVariant(1) << "/VexoCam_en_CN.qm"
                         << "Refresh";
    QTest::newRow("other") << QVariant(7) << "/VexoCam_en_CN.qm"
                           << "Refresh";
}

void TstVexoCam::startLanguage()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, file);
    QFETCH(QString, refresh);
    QTemporaryDir dir;
    addTranslations(dir, true, true);
    config()->setValue(QStringLiteral("EDITION"), QStringLiteral("Language"), stored);

    ModalAnswer boxes;
    VexoCam window(dir.path());
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(window.translationFile(), dir.path() + file);
    QCOMPARE(child<QPushButton>(window, "pushButton_refresh")->text(), refresh);
}

void TstVexoCam::startWithoutTranslation()
{
    QTemporaryDir dir;
    ModalAnswer boxes;
    VexoCam window(dir.path());
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.icon(), QMessageBox::Critical);
    QCOMPARE(boxes.title(), QStringLiteral("提示"));
    QCOMPARE(boxes.text(), QStringLiteral("切换语言失败"));
    QCOMPARE(boxes.pressed(), QStringLiteral("确定"));
    // The program carries on, in the form's own texts.
    QVERIFY(window.translationFile().isEmpty());
    QCOMPARE(window.windowTitle(), QStringLiteral("VexoCam"));
    QCOMPARE(child<QPushButton>(window, "pushButton_refresh")->text(), QStringLiteral("刷新"));
}

void TstVexoCam::languageSwitch()
{
    QTemporaryDir dir;
    addTranslations(dir, true, true);
    ModalAnswer boxes;
    VexoCam window(dir.path());
    auto *tree = child<QTreeWidget>(window, "treeWidget_devicelist");

    child<QAction>(window, "action_language_EN")->trigger();
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(window.translationFile(), dir.path() + QStringLiteral("/VexoCam_en_CN.qm"));
    QCOMPARE(config()->value(QStringLiteral("EDITION"), QStringLiteral("Language")).toInt(), 1);
    QCOMPARE(child<QPushButton>(window, "pushButton_refresh")->text(), QStringLiteral("Refresh"));
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Network cameras"));
    QCOMPARE(window.displayMenu()->parentWidget(), &window);
    bool switchRenamed = false;
    for (QToolButton *button : window.findChildren<QToolButton *>())
        switchRenamed |= button->menu() == window.displayMenu() && button->text() == QStringLiteral("Layout");
    QVERIFY(switchRenamed);
    QCOMPARE(window.windowTitle(), QStringLiteral("VexoCam"));

    child<QAction>(window, "action_language_CH")->trigger();
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(window.translationFile(), dir.path() + QStringLiteral("/VexoCam_zh_CN.qm"));
    QCOMPARE(config()->value(QStringLiteral("EDITION"), QStringLiteral("Language")).toInt(), 0);
    QCOMPARE(child<QPushButton>(window, "pushButton_refresh")->text(), QStringLiteral("刷新"));
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("网络相机"));
}

void TstVexoCam::failedSwitchStoresChoice_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("kept");
    QTest::newRow("to English") << 0 << "action_language_EN" << 1 << "/VexoCam_zh_CN.qm";
    QTest::newRow("to Chinese") << 1 << "action_language_CH" << 0 << "/VexoCam_en_CN.qm";
}

void TstVexoCam::failedSwitchStoresChoice()
{
    QFETCH(int, start);
    QFETCH(QString, action);
    QFETCH(int, stored);
    QFETCH(QString, kept);
    QTemporaryDir dir;
    addTranslations(dir, start == 0, start != 0);
    config()->setValue(QStringLiteral("EDITION"), QStringLiteral("Language"), start);
    ModalAnswer boxes;
    VexoCam window(dir.path());
    QCOMPARE(boxes.count(), 0);

    window.findChild<QAction *>(action)->trigger();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.title(), QStringLiteral("提示"));
    QCOMPARE(boxes.text(), QStringLiteral("设置失败"));
    QCOMPARE(boxes.icon(), QMessageBox::Critical);
    QCOMPARE(config()->value(QStringLiteral("EDITION"), QStringLiteral("Language")).toInt(), stored);
    // The language already shown stays in place.
    QCOMPARE(window.translationFile(), dir.path() + kept);
    QCOMPARE(child<QPushButton>(window, "pushButton_refresh")->text(),
             start == 0 ? QStringLiteral("刷新") : QStringLiteral("Refresh"));
}

void TstVexoCam::launchFailure_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("text");
    QTest::newRow("Addrix") << "action_ipSettingTool"
                            << "打开失败,请检查程序执行目录下是否存在IP配置程序";
    QTest::newRow("VexoUpgrade") << "action_update"
                                 << "打开失败,请检查程序执行目录下是否存在升级程序";
}

void TstVexoCam::launchFailure()
{
    QFETCH(QString, action);
    QFETCH(QString, text);
    QTemporaryDir dir;
    addTranslations(dir, true, false);
    ModalAnswer boxes;
    VexoCam window(dir.path());

    window.findChild<QAction *>(action)->trigger();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.icon(), QMessageBox::Critical);
    QCOMPARE(boxes.title(), QStringLiteral("错误"));
    QCOMPARE(boxes.text(), text);
    QCOMPARE(boxes.pressed(), QStringLiteral("确定"));

    // A file of that name that cannot be executed is no program either.
    QFile notProgram(dir.path() + (action.endsWith(QLatin1String("update")) ? QStringLiteral("/VexoUpgrade")
                                                                            : QStringLiteral("/Addrix")));
    QVERIFY(notProgram.open(QIODevice::WriteOnly));
    notProgram.close();
    window.findChild<QAction *>(action)->trigger();
    QCOMPARE(boxes.count(), 2);
    QCOMPARE(boxes.text(), text);
}

void TstVexoCam::launchStartsSibling()
{
    QTemporaryDir dir;
    addTranslations(dir, true, false);
    const QList<QPair<const char *, QString>> tools = {{"action_ipSettingTool", QStringLiteral("Addrix")},
                                                       {"action_update", QStringLiteral("VexoUpgrade")}};
    for (const auto &tool : tools) {
        // The stand-in tool leaves a mark where it was started.
        QFile script(dir.path() + QLatin1Char('/') + tool.second);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\ntouch \"$0.started\"\n");
        script.close();
        QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
    }
    ModalAnswer boxes;
    VexoCam window(dir.path());
    for (const auto &tool : tools) {
        child<QAction>(window, tool.first)->trigger();
        QTRY_VERIFY(QFile::exists(dir.path() + QLatin1Char('/') + tool.second + QStringLiteral(".started")));
    }
    QCOMPARE(boxes.count(), 0);
}

void TstVexoCam::manualAndProgramFolder()
{
    QTemporaryDir dir;
    addTranslations(dir, true, false);
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
    ModalAnswer boxes;
    VexoCam window(dir.path());
    const QString manual = dir.path() + QStringLiteral("/软件使用说明书.pdf");

    child<QAction>(window, "action_help")->trigger();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.icon(), QMessageBox::Critical);
    QCOMPARE(boxes.title(), QStringLiteral("提示"));
    QCOMPARE(boxes.text(), QStringLiteral("请检查执行目录下是否存在软件使用说明书.pdf"));
    QCOMPARE(boxes.pressed(), QStringLiteral("确定"));
    QVERIFY(recorder.urls.isEmpty());

    QFile pdf(manual);
    QVERIFY(pdf.open(QIODevice::WriteOnly));
    pdf.close();
    child<QAction>(window, "action_help")->trigger();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(recorder.urls, QList<QUrl>{QUrl::fromLocalFile(manual)});

    recorder.urls.clear();
    child<QAction>(window, "action_defaultParPath")->trigger();
    QCOMPARE(recorder.urls, QList<QUrl>{QUrl::fromLocalFile(dir.path())});
    QCOMPARE(boxes.count(), 1);
    boxes.stop();

    // Without the manual the box offers the program folder and the path.
    QVERIFY(pdf.remove());
    recorder.urls.clear();
    {
        ModalAnswer folder(QStringLiteral("打开所在文件夹"));
        child<QAction>(window, "action_help")->trigger();
        QCOMPARE(folder.count(), 1);
    }
    QCOMPARE(recorder.urls, QList<QUrl>{QUrl::fromLocalFile(dir.path())});
    {
        ModalAnswer copy(QStringLiteral("复制路径"));
        child<QAction>(window, "action_help")->trigger();
        QCOMPARE(copy.count(), 1);
    }
    QCOMPARE(QGuiApplication::clipboard()->text(), QDir::toNativeSeparators(dir.path()));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

void TstVexoCam::escapeRestoresGrid()
{
    QTemporaryDir dir;
    addTranslations(dir, true, false);
    ModalAnswer boxes;
    VexoCam window(dir.path());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(window.cells().size(), 1);
    auto *grid = child<QWidget>(window, "widget_devicewindows");
    auto *holder = child<QWidget>(window, "widget_8");

    // Escape while the grid is in its place leaves it there.
    QTest::keyClick(grid, Qt::Key_Escape);
    QCOMPARE(grid->parentWidget(), holder);

    child<QAction>(window, "action_fullScreen")->trigger();
    QVERIFY(!grid->parentWidget());
    QVERIFY(grid->isWindow());
    QVERIFY(grid->isVisible());
    QCOMPARE(holder->layout()->indexOf(grid), -1);

    QTest::keyClick(grid, Qt::Key_Escape);
    QCOMPARE(grid->parentWidget(), holder);
    QVERIFY(!grid->isWindow());
    QVERIFY(holder->layout()->indexOf(grid) >= 0);
    QVERIFY(grid->isVisible());
    // The cells travel with their container.
    QCOMPARE(window.cells().first()->parentWidget(), grid);

    // The menu entry toggles back as well.
    child<QAction>(window, "action_fullScreen")->trigger();
    QVERIFY(grid->isWindow());
    child<QAction>(window, "action_fullScreen")->trigger();
    QCOMPARE(grid->parentWidget(), holder);
    QCOMPARE(boxes.count(), 0);
}

namespace {

// Where each cell sits in the grid, in cell order.
QList<QList<int>> placements(const VexoCam &window)
{
    auto *grid = window.findChild<QGridLayout *>(QStringLiteral("gridLayout_devicewindow"));
    QList<QList<int>> out;
    for (CameraThread *cell : window.cells()) {
        int row = -1, column = -1, rowSpan = -1, columnSpan = -1;
        const int index = grid->indexOf(cell);
        if (index >= 0)
            grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        out.append({row, column, rowSpan, columnSpan});
    }
    return out;
}

} // namespace

void TstVexoCam::presetLayouts()
{
    QTemporaryDir dir;
    addTranslations(dir, true, false);
    config()->setValue(QStringLiteral("WIDGETINFO"), QStringLiteral("WidgetCount"), 0);
    ModalAnswer boxes;
    VexoCam window(dir.path());
    const auto widgetCount = [] {
        return config()->value(QStringLiteral("WIDGETINFO"), QStringLiteral("WidgetCount")).toInt();
    };

    child<QAction>(window, "action_fourframe")->trigger();
    QCOMPARE(placements(window), (QList<QList<int>>{{0, 0, 1, 1}, {0, 1, 1, 1}, {1, 0, 1, 1}, {1, 1, 1, 1}}));
    QCOMPARE(widgetCount(), 2);
    QList<QPointer<CameraThread>> four;
    for (CameraThread *cell : window.cells())
        four.append(cell);

    child<QAction>(window, "action_nineframe")->trigger();
    QCOMPARE(window.cells().size(), 9);
    QCOMPARE(placements(window).at(5), (QList<int>{1, 2, 1, 1}));
    QCOMPARE(placements(window).at(8), (QList<int>{2, 2, 1, 1}));
    QCOMPARE(widgetCount(), 3);
    // Idle cells are not kept across a layout change.
    for (const QPointer<CameraThread> &cell : four)
        QVERIFY(cell.isNull());

    child<QAction>(window, "action_oneframe")->trigger();
    QCOMPARE(placements(window), (QList<QList<int>>{{0, 0, 1, 1}}));
    QCOMPARE(widgetCount(), 1);
    auto *grid = window.findChild<QGridLayout *>(QStringLiteral("gridLayout_devicewindow"));
    QCOMPARE(grid->rowStretch(0), 1);
    QCOMPARE(grid->rowStretch(1), 0);
    QCOMPARE(grid->columnStretch(2), 0);
    QCOMPARE(grid->count(), 1);
    QVERIFY(!child<QWidget>(window, "tabWidget")->isEnabled());
    QCOMPARE(boxes.count(), 0);
}

void TstVexoCam::customLayoutPlacement()
{
    QTemporaryDir dir;
    addTranslations(dir, true, false);
    config()->setValue(QStringLiteral("WIDGETINFO"), QStringLiteral("WidgetCount"), 0);
    ModalAnswer boxes;
    VexoCam window(dir.path());

    SceneFrameLayout layout;
    layout.name = QStringLiteral("big");
    layout.row = 3;
    layout.column = 3;
    layout.frameLayoutList = QStringList{QStringLiteral("0,0,2,2"), QStringLiteral("0,2,1,1"),
                                         QStringLiteral("1,2,1,1"), QStringLiteral("2,0,1,3")};
    window.cameraWindowSetting(layout);
    QCOMPARE(placements(window), (QList<QList<int>>{{0, 0, 2, 2}, {0, 2, 1, 1}, {1, 2, 1, 1}, {2, 0, 1, 3}}));
    auto *grid = window.findChild<QGridLayout *>(QStringLiteral("gridLayout_devicewindow"));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(grid->rowStretch(i), 1);
        QCOMPARE(grid->columnStretch(i), 1);
    }
    int row = -1, column = -1, rowSpan = -1, columnSpan = -1;
    window.cells().first()->positionInGridLayout(row, column, rowSpan, columnSpan);
    QCOMPARE((QList<int>{row, column, rowSpan, columnSpan}), (QList<int>{0, 0, 2, 2}));

    // A layout with frames a hand-edited file may hold that cannot be placed
    // is not applied at all, not in part.
    layout.row = 2;
    layout.column = 2;
    layout.frameLayoutList =
        QStringList{QStringLiteral("0,0,1,1"), QStringLiteral("0,x,1,1"), QStringLiteral("1,1,5,1"),
                    QStringLiteral("1,0"), QStringLiteral("1,1,1,1")};
    window.cameraWindowSetting(layout);
    QCOMPARE(placements(window), (QList<QList<int>>{{0, 0, 2, 2}, {0, 2, 1, 1}, {1, 2, 1, 1}, {2, 0, 1, 3}}));
    QCOMPARE(grid->rowStretch(2), 1);
    // Applying a layout directly does not change the remembered one.
    QCOMPARE(config()->value(QStringLiteral("WIDGETINFO"), QStringLiteral("WidgetCount")).toInt(), 0);
}

void TstVexoCam::restoreAtStart_data()
{
    QTest::addColumn<QVariant>("widgetCount");
    QTest::addColumn<int>("cells");
    QTest::newRow("one") << QVariant(1) << 1;
    QTest::newRow("four") << QVariant(2) << 4;
    QTest::newRow("nine") << QVariant(3) << 9;
    QTest::newRow("custom, not saved") << QVariant(4) << 1;
    // A cut or hand-edited file starts with one cell, never an empty grid.
    QTest::newRow("missing") << QVariant() << 1;
    QTest::newRow("out of range") << QVariant(5) << 1;
    QTest::newRow("not a number") << QVariant(QStringLiteral("x")) << 1;
}

void TstVexoCam::restoreAtStart()
{
    QFETCH(QVariant, widgetCount);
    QFETCH(int, cells);
    QTemporaryDir dir;
    addTranslations(dir, true, false);
    config()->setValue(QStringLiteral("WIDGETINFO"), QStringLiteral("WidgetCount"), widgetCount);
    config()->setValue(QStringLiteral("CUSTOMWIDGET"), QStringLiteral("UsedCustomWidget"),
                       QStringLiteral("no such layout"));
    ModalAnswer boxes;
    VexoCam window(dir.path());
    // The remembered layout is applied 100 ms after construction.
    QCOMPARE(window.cells().size(), 0);
    QVERIFY(window.isLayoutRestorePending());
    QTRY_VERIFY(!window.isLayoutRestorePending());
    QCOMPARE(window.cells().size(), cells);
    QCOMPARE(boxes.count(), 0);
}

void TstVexoCam::swapAndSingleCellFullScreen()
{
    QTemporaryDir dir;
    addTranslations(dir, true, false);
    config()->setValue(QStringLiteral("WIDGETINFO"), QStringLiteral("WidgetCount"), 0);
    ModalAnswer boxes;
    VexoCam window(dir.path());
    SceneFrameLayout layout;
    layout.row = 3;
    layout.column = 3;
    layout.frameLayoutList = QStringList{QStringLiteral("0,0,2,2"), QStringLiteral("0,2,1,1"),
                                         QStringLiteral("1,2,1,1"), QStringLiteral("2,0,1,3")};
    window.cameraWindowSetting(layout);
    const QList<CameraThread *> cells = window.cells();

    // A dropped cell swaps places and sizes with the one it was dropped on;
    // the cell order stays.
    int fromRow = 0, fromColumn = 0, toRow = 2, toColumn = 1;
    window.onWindowMoving(fromRow, fromColumn, toRow, toColumn);
    QCOMPARE(window.cells(), cells);
    QCOMPARE(placements(window), (QList<QList<int>>{{2, 0, 1, 3}, {0, 2, 1, 1}, {1, 2, 1, 1}, {0, 0, 2, 2}}));
    int row = -1, column = -1, rowSpan = -1, columnSpan = -1;
    cells.at(3)->positionInGridLayout(row, column, rowSpan, columnSpan);
    QCOMPARE((QList<int>{row, column, rowSpan, columnSpan}), (QList<int>{0, 0, 2, 2}));
    // Moving onto an empty place or onto itself changes nothing.
    toRow = 1;
    toColumn = 1;
    window.onWindowMoving(toRow, toColumn, toRow, toColumn);
    QCOMPARE(placements(window).at(3), (QList<int>{0, 0, 2, 2}));

    // One cell full screen leaves the grid and comes back to its place.
    auto *grid = window.findChild<QGridLayout *>(QStringLiteral("gridLayout_devicewindow"));
    emit cells.at(1)->enterFullScreen();
    QCOMPARE(grid->indexOf(cells.at(1)), -1);
    emit cells.at(1)->exitFullScreen();
    QCOMPARE(placements(window).at(1), (QList<int>{0, 2, 1, 1}));
    QCOMPARE(grid->count(), 4);
    QCOMPARE(boxes.count(), 0);
}

void TstVexoCam::savedCustomLayouts()
{
    SceneFrameLayout wide;
    wide.name = QStringLiteral("Wide");
    wide.row = 2;
    wide.column = 3;
    wide.frameLayoutList =
        QStringList{QStringLiteral("0,0,1,3"), QStringLiteral("1,0,1,1"), QStringLiteral("1,1,1,2")};
    SceneFrameLayout pair;
    pair.name = QStringLiteral("Pair");
    pair.row = 1;
    pair.column = 2;
    pair.frameLayoutList = QStringList{QStringLiteral("0,0,1,1"), QStringLiteral("0,1,1,1")};
    QVERIFY(config()->writeSceneFrameLayout({wide, pair}));
    config()->setValue(QStringLiteral("WIDGETINFO"), QStringLiteral("WidgetCount"), 4);
    config()->setValue(QStringLiteral("CUSTOMWIDGET"), QStringLiteral("UsedCustomWidget"),
                       QStringLiteral("Pair"));

    QTemporaryDir dir;
    addTranslations(dir, true, false);
    ModalAnswer boxes;
    VexoCam window(dir.path());
    const QList<QAction *> entries = window.displayMenu()->actions();
    QCOMPARE(entries.size(), 9);
    QCOMPARE(entries.at(7)->text(), QStringLiteral("Wide"));
    QCOMPARE(entries.at(8)->text(), QStringLiteral("Pair"));
    // The remembered custom layout comes back at start.
    QTRY_COMPARE(window.cells().size(), 2);
    QCOMPARE(placements(window), (QList<QList<int>>{{0, 0, 1, 1}, {0, 1, 1, 1}}));

    entries.at(7)->trigger();
    QCOMPARE(placements(window), (QList<QList<int>>{{0, 0, 1, 3}, {1, 0, 1, 1}, {1, 1, 1, 2}}));
    QCOMPARE(config()->value(QStringLiteral("WIDGETINFO"), QStringLiteral("WidgetCount")).toInt(), 4);
    QCOMPARE(config()->value(QStringLiteral("CUSTOMWIDGET"), QStringLiteral("UsedCustomWidget")).toString(),
             QStringLiteral("Wide"));

    // The layout in use was deleted in the editor: one cell instead.
    QVERIFY(config()->writeSceneFrameLayout({pair}));
    window.reloadCustomLayouts();
    QCOMPARE(window.displayMenu()->actions().size(), 8);
    QCOMPARE(window.displayMenu()->actions().at(7)->text(), QStringLiteral("Pair"));
    QCOMPARE(placements(window), (QList<QList<int>>{{0, 0, 1, 1}}));
    QCOMPARE(boxes.count(), 0);
    QVERIFY(config()->writeSceneFrameLayout({}));
}

void TstVexoCam::unusableStoredLayoutsAreSkipped_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("frames");
    // Cells the layout gives when it is applied; 0: it is not offered.
    QTest::addColumn<int>("cells");
    const QString nine =
        QStringLiteral("0,0,1,1|0,1,1,1|0,2,1,1|1,0,1,1|1,1,1,1|1,2,1,1|2,0,1,1|2,1,1,1|2,2,1,1");
    QTest::newRow("merged 3x3") << 3 << 3 << "0,0,2,2|0,2,1,1|1,2,1,1|2,0,1,3" << 4;
    QTest::newRow("2x3") << 2 << 3 << "0,0,1,3|1,0,1,1|1,1,1,2" << 3;
    QTest::newRow("nine frames") << 3 << 3 << nine << 9;
    QTest::newRow("one frame") << 1 << 1 << "0,0,1,1" << 1;
    QTest::newRow("short and far frames") << 3 << 3 << "0,0,2,2|0,2|9,9,9,9" << 0;
    QTest::newRow("not a number") << 2 << 2 << "0,0,1,1|0,x,1,1" << 0;
    QTest::newRow("fifth part") << 2 << 2 << "0,0,1,1,1" << 0;
    QTest::newRow("sign") << 2 << 2 << "+0,0,1,1" << 0;
    QTest::newRow("leading zero") << 2 << 2 << "00,0,1,1" << 0;
    QTest::newRow("space") << 2 << 2 << "0, 0,1,1" << 0;
    QTest::newRow("empty list") << 2 << 2 << "" << 0;
    QTest::newRow("empty frame") << 2 << 2 << "0,0,1,1||0,1,1,1" << 0;
    QTest::newRow("no rows") << 0 << 2 << "0,0,1,1" << 0;
    QTest::newRow("four rows") << 4 << 4 << "0,0,1,1" << 0;
    QTest::newRow("negative columns") << 2 << -1 << "0,0,1,1" << 0;
    QTest::newRow("zero span") << 2 << 2 << "0,0,0,1" << 0;
    QTest::newRow("below the rows") << 2 << 2 << "0,0,1,1|1,0,2,1" << 0;
    QTest::newRow("beyond the columns") << 2 << 2 << "0,0,1,1|0,1,1,2" << 0;
    QTest::newRow("overlapping") << 2 << 2 << "0,0,2,2|1,1,1,1" << 0;
    QTest::newRow("gap") << 2 << 2 << "0,0,1,2|1,0,1,1" << 0;
    QTest::newRow("gap in a merged 3x3") << 3 << 3 << "0,0,2,2|0,2,1,1|2,0,1,3" << 0;
    QTest::newRow("ten frames") << 3 << 3 << nine + QStringLiteral("|0,0,1,1") << 0;
}

void TstVexoCam::unusableStoredLayoutsAreSkipped()
{
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(QString, frames);
    QFETCH(int, cells);
    SceneFrameLayout keep{
        QStringLiteral("Keep"), 2, 2, {QStringLiteral("0,0,1,2"), QStringLiteral("1,0,1,2")}};
    SceneFrameLayout tried{QStringLiteral("Tried"), rows, columns, frames.split(QLatin1Char('|'))};
    QVERIFY(config()->writeSceneFrameLayout({tried, keep}));
    config()->setValue(QStringLiteral("WIDGETINFO"), QStringLiteral("WidgetCount"), 4);
    config()->setValue(QStringLiteral("CUSTOMWIDGET"), QStringLiteral("UsedCustomWidget"), tried.name);

    QTemporaryDir dir;
    addTranslations(dir, true, false);
    ModalAnswer boxes;
    VexoCam window(dir.path());
    QStringList offered;
    const QList<QAction *> entries = window.displayMenu()->actions();
    for (int i = 7; i < entries.size(); ++i)
        offered << entries.at(i)->text();
    const QStringList expected = cells > 0 ? QStringList{tried.name, keep.name} : QStringList{keep.name};
    QCOMPARE(offered, expected);
    // The remembered layout comes back at start when it can be shown whole;
    // otherwise the one-cell preset takes its place.
    QTRY_COMPARE(window.cells().size(), cells > 0 ? cells : 1);
    QCOMPARE(window.findChild<QGridLayout *>(QStringLiteral("gridLayout_devicewindow"))->count(),
             window.cells().size());
    QCOMPARE(boxes.count(), 0);
    // The editor gives the same verdict: the frames drawn, or the reason.
    CustomWindowSettingWidget editor({tried}, &window);
    editor.show();
    editor.findChild<QListWidget *>(QStringLiteral("listWidget"))->setCurrentRow(0);
    auto *reason = editor.findChild<QLabel *>(QStringLiteral("label_layoutFault"));
    QCOMPARE(reason->isVisible(), cells == 0);
    QCOMPARE(editor.previewFrames().size(), cells);
    QVERIFY(config()->writeSceneFrameLayout({}));
}

void TstVexoCam::windowManagerClosesFullScreenWindows()
{
    QTemporaryDir dir;
    addTranslations(dir, true, false);
    config()->setValue(QStringLiteral("WIDGETINFO"), QStringLiteral("WidgetCount"), 2);
    const QString serial = QStringLiteral("VXG1M-19B0932");
    ModalAnswer boxes;
    QPointer<CameraThread> cell;
    {
        VexoCam window(dir.path());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(window.cells().size(), 4);
        QVERIFY(window.openCamera(serial));
        cell = window.cells().first();
        auto *screenZoom = cell->findChild<QPushButton *>(QStringLiteral("pushButton_screenzoom"));
        auto *grid = child<QWidget>(window, "widget_devicewindows");

        // The title-bar X (or Alt+F4) on a full-screen cell: it comes back to
        // its place with its camera, exactly as its button would bring it.
        QTest::mouseClick(screenZoom, Qt::LeftButton);
        QVERIFY(cell->isWindow());
        QVERIFY(!cell->close());
        QVERIFY(!cell.isNull());
        QVERIFY(!cell->isWindow());
        QVERIFY(cell->isMyAttachCamera(serial));
        QCOMPARE(placements(window).first(), (QList<int>{0, 0, 1, 1}));
        // ... and the window goes on working with it.
        child<QAction>(window, "action_nineframe")->trigger();
        QCOMPARE(window.cells().size(), 9);
        QCOMPARE(window.cells().first(), cell.data());
        QTest::mouseClick(screenZoom, Qt::LeftButton);
        QVERIFY(cell->isWindow());
        QTest::mouseClick(screenZoom, Qt::LeftButton);
        QVERIFY(!cell->isWindow());

        // The full-screen grid closed the same way comes back into the window.
        child<QAction>(window, "action_fullScreen")->trigger();
        QVERIFY(grid->isWindow());
        QVERIFY(!grid->close());
        QCOMPARE(grid->parentWidget(), child<QWidget>(window, "widget_8"));
        QVERIFY(grid->isVisible());
        QCOMPARE(window.cells().size(), 9);

        child<QAction>(window, "action_oneframe")->trigger();
        QCOMPARE(window.cells(), QList<CameraThread *>{cell.data()});
        // Closing the main window with a cell still full screen.
        QTest::mouseClick(screenZoom, Qt::LeftButton);
        QVERIFY(cell->close() == false);
        QTest::mouseClick(screenZoom, Qt::LeftButton);
        window.close();
    }
    QVERIFY(cell.isNull());
    CameraHandle handle = nullptr;
    QCOMPARE(CameraInitEx3(&handle, serial.toLatin1().constData()), CAMERA_STATUS_SUCCESS);
    CameraUnInit(handle);
    QCOMPARE(boxes.count(), 0);
}

VEXO_QTEST_MAIN(TstVexoCam)
#include "tst_vexocam.moc"
