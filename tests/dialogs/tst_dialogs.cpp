// The camera list and the About box on simulated cameras, and the main
// window's menu entries and region button that open them.

#include "dialogs/aboutwidget.h"
#include "dialogs/cameralistwidget.h"
#include "messagebox.h"
#include "modalhelper.h"
#include "params/parameterpanel.h"
#include "roi/roiwidget.h"
#include "shell/vexocam.h"
#include "slotwarningguard.h"
#include "vexoversion.h"
#include "view/camerathread.h"

#include "VexoCameraSDK.h"
#include "VexoCameraSim.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

template<typename T>
T *topLevel()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<T *>(widget); found != nullptr && found->isVisible())
            return found;
    }
    return nullptr;
}

QTableWidget *tableOf(QWidget *list)
{
    return list->findChild<QTableWidget *>(QStringLiteral("tableWidget"));
}

void doubleClick(QTableWidget *table, int row, int column)
{
    // The view takes a double click only on the cell its first click pressed.
    const QPoint centre = table->visualItemRect(table->item(row, column)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void listShowsEveryCamera();
    void choosingACamera_data();
    void choosingACamera();
    void aboutShowsTheSdkVersion();
    void mainWindowOpensThem();
    void boxTitlesStayWhole_data();
    void boxTitlesStayWhole();

private:
    QTemporaryDir m_dir;
};

void TestDialogs::initTestCase()
{
    vexotest::installSlotWarningGuard();
    QVERIFY2(qEnvironmentVariableIsSet("VEXO_SDK_CAMERAS"), "run through ctest: the camera set is missing");
    QVERIFY(m_dir.isValid());
}

void TestDialogs::cleanup()
{
    VexoSimClearFailures();
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<CameraListWidget *>(widget) || qobject_cast<AboutWidget *>(widget) ||
            qobject_cast<RoiWidget *>(widget))
            delete widget;
    }
}

void TestDialogs::listShowsEveryCamera()
{
    CameraHandle opened = nullptr;
    QCOMPARE(CameraInitEx3(&opened, "LIST-USB-02"), CAMERA_STATUS_SUCCESS);
    auto *list = new CameraListWidget;
    QCOMPARE(list->windowTitle(), QStringLiteral("请选择设备"));
    QVERIFY(list->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(!list->testAttribute(Qt::WA_QuitOnClose));
    QTableWidget *table = tableOf(list);

    QStringList headers;
    for (int column = 0; column < table->columnCount(); ++column)
        headers << table->horizontalHeaderItem(column)->text();
    QCOMPARE(headers,
             (QStringList{"设备名称", "接口类型", "sensor版本", "设备版本", "状态", "链路", "IP地址"}));
    QCOMPARE(table->rowCount(), 3);

    stGigeInfo gate{};
    QCOMPARE(CameraGigeGetIp("LIST-GIGE-01", &gate), CAMERA_STATUS_SUCCESS);
    const QStringList rows[] = {
        {"Gate camera", "GigE", "CMOS 1/2.9\"", "v1.2.0.3", "空闲", "模拟相机",
         QString::fromLatin1(gate.acIp)},
        {"Bench camera", "USB3.0", "CMOS 1/4\"", "v10.0.15.7", "已打开", "模拟相机", ""},
    };
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 7; ++column) {
            QCOMPARE(table->item(row, column)->text(), rows[row][column]);
            QCOMPARE(table->item(row, column)->textAlignment(), int(Qt::AlignHCenter | Qt::AlignVCenter));
        }
    }
    list->show();
    QVERIFY(QTest::qWaitForWindowExposed(list));
    // Every column and row shows whole, without scrolling, unless the
    // window already takes the room the screen allows.
    const int room = list->screen()->availableGeometry().width() * 9 / 10;
    QTRY_VERIFY2(table->horizontalScrollBar()->maximum() == 0 || list->width() >= room,
                 qPrintable(QString::number(list->width())));
    QTRY_COMPARE(table->verticalScrollBar()->maximum(), 0);
    QCOMPARE(table->item(0, 0)->data(Qt::UserRole).toString(), QStringLiteral("LIST-GIGE-01"));
    QCOMPARE(table->item(0, 4)->background().style(), Qt::NoBrush);
    QCOMPARE(table->item(1, 4)->background().color(), QColor(117, 241, 60));
    // The record that cannot be read leaves its row empty.
    for (int column = 0; column < 7; ++column)
        QVERIFY(table->item(2, column) == nullptr);

    CameraUnInit(opened);
    QTest::mouseClick(list->findChild<QPushButton *>(QStringLiteral("pushButton_refresh")), Qt::LeftButton);
    QCOMPARE(table->item(1, 4)->text(), QStringLiteral("空闲"));

    VexoSimFailNext("CameraEnumerateDevice", CAMERA_STATUS_FAILED, 1);
    list->refreshCameraList();
    QCOMPARE(table->columnCount(), 7);
    QCOMPARE(table->horizontalHeaderItem(4)->text(), QStringLiteral("状态"));
    QCOMPARE(table->rowCount(), 0);
}

void TestDialogs::choosingACamera_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("chosen"); // empty: nothing happens

    QTest::newRow("double click on the status") << "double click"
                                                << "LIST-USB-02";
    QTest::newRow("open with a row selected") << "select and open"
                                              << "LIST-USB-02";
    QTest::newRow("open with nothing selected") << "open"
                                                << "";
    QTest::newRow("double click on an unreadable row") << "double click broken"
                                                       << "";
}

void TestDialogs::choosingACamera()
{
    QFETCH(QString, how);
    QFETCH(QString, chosen);

    QPointer<CameraListWidget> list = new CameraListWidget;
    list->show();
    QVERIFY(QTest::qWaitForWindowExposed(list));
    QSignalSpy spy(list.data(), &CameraListWidget::cameraWidget_open);
    QTableWidget *table = tableOf(list);
    auto *open = list->findChild<QPushButton *>(QStringLiteral("pushButton_open"));

    if (how == QLatin1String("double click")) {
        doubleClick(table, 1, 4);
    } else if (how == QLatin1String("select and open")) {
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier,
                          table->visualItemRect(table->item(1, 2)).center());
        QTest::mouseClick(open, Qt::LeftButton);
    } else if (how == QLatin1String("open")) {
        QTest::mouseClick(open, Qt::LeftButton);
    } else {
        list->openCameraByTableWidgetItem(table->item(2, 0));
    }

    if (chosen.isEmpty()) {
        QCOMPARE(spy.count(), 0);
        QVERIFY(list->isVisible());
    } else {
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().first().toString(), chosen);
        QTRY_VERIFY(list.isNull());
    }
}

void TestDialogs::aboutShowsTheSdkVersion()
{
    char version[CAMERA_SDK_VERSION_BUFFER] = {};
    QCOMPARE(CameraSdkGetVersionString(version), CAMERA_STATUS_SUCCESS);
    // One version: the library's, its header's and the suite's.
    QCOMPARE(QString::fromUtf8(version), QStringLiteral(VEXO_SDK_VERSION_STRING));
    QCOMPARE(QString::fromUtf8(version), QStringLiteral(VEXO_SUITE_VERSION));

    QPointer<AboutWidget> about = new AboutWidget;
    about->show();
    QCOMPARE(about->windowTitle(), QStringLiteral("关于"));
    QCOMPARE(about->findChild<QLabel *>(QStringLiteral("label"))->text(),
             QStringLiteral("VexoCamPro V1.5.0 SDK ") + QString::fromUtf8(version));
    QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("pushButton")), Qt::LeftButton);
    QTRY_VERIFY(about.isNull());
}

void TestDialogs::mainWindowOpensThem()
{
    ModalAnswer boxes; // the missing translation at start
    VexoCam window(m_dir.path());
    window.show();
    window.findChild<QAction *>(QStringLiteral("action_oneframe"))->trigger();
    QTRY_COMPARE(window.cells().size(), 1);

    window.findChild<QAction *>(QStringLiteral("action_opencamera"))->trigger();
    CameraListWidget *list = topLevel<CameraListWidget>();
    QVERIFY(list != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(list));
    doubleClick(tableOf(list), 0, 1);
    CameraThread *cell = window.findCameraWidget(QStringLiteral("LIST-GIGE-01"));
    QVERIFY(cell != nullptr);
    QCOMPARE(window.currentCameraHandle(), cell->cameraHandle());

    window.findChild<QAction *>(QStringLiteral("action_about"))->trigger();
    QVERIFY(topLevel<AboutWidget>() != nullptr);

    // The region editor the dock asks for works on that camera and goes
    // with it.
    emit window.parameterPanel()->roiEditorRequested(cell->cameraHandle());
    QPointer<RoiWidget> editor = topLevel<RoiWidget>();
    QVERIFY(editor != nullptr);
    QCOMPARE(editor->cameraHandle(), cell->cameraHandle());
    QVERIFY(window.closeCamera(QStringLiteral("LIST-GIGE-01")));
    QTRY_VERIFY(editor.isNull());

    // Opened by choosing "自定义" and closed without applying: the dock
    // shows the preset the camera still runs.
    window.findChild<QAction *>(QStringLiteral("action_opencamera"))->trigger();
    QVERIFY(topLevel<CameraListWidget>() != nullptr);
    doubleClick(tableOf(topLevel<CameraListWidget>()), 0, 1);
    cell = window.findCameraWidget(QStringLiteral("LIST-GIGE-01"));
    QVERIFY(cell != nullptr);
    auto *resolution = window.findChild<QComboBox *>(QStringLiteral("comboBox_resolution"));
    const QString running = resolution->currentText();
    resolution->setCurrentIndex(resolution->count() - 1);
    QTRY_VERIFY(!(editor = topLevel<RoiWidget>()).isNull());
    editor->close();
    QTRY_COMPARE(resolution->currentText(), running);
    QTRY_VERIFY(editor.isNull());
}

void TestDialogs::boxTitlesStayWhole_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("short Chinese") << "提示"
                                   << "好";
    QTest::newRow("long English, short text") << "The camera cannot be opened now"
                                              << "OK";
    QTest::newRow("text wider than the title") << "Notice" << QString(120, QLatin1Char('x'));
}

void TestDialogs::boxTitlesStayWhole()
{
    QFETCH(QString, title);
    QFETCH(QString, text);
    // The window frame draws the title beside its own buttons: the box is
    // wide enough for both, whatever its text.
    QPointer<QMessageBox> box =
        vexo::openMessage(nullptr, QMessageBox::Information, title, text, QStringLiteral("OK"), QString());
    QVERIFY(QTest::qWaitForWindowExposed(box));
    QVERIFY2(box->width() >= QFontMetrics(box->font()).horizontalAdvance(title) + 150,
             qPrintable(QString::number(box->width())));
    box->close();
}

VEXO_QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
