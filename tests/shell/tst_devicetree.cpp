// The device tree of the main window and the opening and closing of cameras
// from it, on a set of simulated cameras (fixtures/tree_cameras.json).
#include "VexoCameraSim.h"
#include "config/configparameter.h"
#include "formchild.h"
#include "layouts/customwindowsettingwidget.h"
#include "modalhelper.h"
#include "shell/vexocam.h"
#include "slotwarningguard.h"
#include "textfields.h"
#include "view/camerathread.h"

#include <QAbstractButton>
#include <QAction>
#include <QDrag>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

namespace {

QString labelText(const QObject &window, const char *name)
{
    return child<QLabel>(window, name)->text();
}

// Icons compare by their pixels; QIcon instances are never equal.
bool showsIcon(const QIcon &icon, const char *file)
{
    const QImage expected = QIcon(QStringLiteral(":/images/ICO/") + QLatin1String(file)).pixmap(16).toImage();
    return !expected.isNull() && icon.pixmap(16).toImage() == expected;
}

QStringList childTexts(const QTreeWidgetItem *group)
{
    QStringList texts;
    for (int i = 0; i < group->childCount(); ++i)
        texts << group->child(i)->text(0);
    return texts;
}

} // namespace

class TstDeviceTree final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void groupsByPortType();
    void identityPages();
    void enumerationFailure();
    void openedElsewhere();
    void openAndCloseFromTree();
    void noFreeCell();
    void layoutChangeKeepsOpenCameras();
    void clickSelectsCell();
    void languageSwitchRefreshesTree();
    void closingWithOpenCameras();
    void lostCameraIsMarkedUntilItComesBack();
    void dragFromTreeOntoCells();
    void layoutEditorDrivesTheGrid();
    void labelsShowTheirWholeText_data();
    void labelsShowTheirWholeText();

private:
    QTreeWidgetItem *item(VexoCam &window, const QString &name);
    void doubleClick(VexoCam &window, QTreeWidgetItem *item);
    void applyLayout(VexoCam &window, const char *action);

    QTemporaryDir m_dir;
};

void TstDeviceTree::initTestCase()
{
    vexotest::installSlotWarningGuard();
    QVERIFY(m_dir.isValid());
    QVERIFY(QFile::copy(QStringLiteral(SHELL_TEST_QM_DIR "/shelltest_zh.qm"),
                        m_dir.path() + QStringLiteral("/VexoCam_zh_CN.qm")));
    QVERIFY(QFile::copy(QStringLiteral(SHELL_TEST_QM_DIR "/shelltest_en.qm"),
                        m_dir.path() + QStringLiteral("/VexoCam_en_CN.qm")));
    QCOMPARE(VexoSimLoadCameraSet(SHELL_TEST_FIXTURES "/tree_cameras.json"), CAMERA_STATUS_SUCCESS);
    // No layout at start: each test builds the cells it needs.
    ConfigParameter::getInstance()->setValue(QStringLiteral("WIDGETINFO"), QStringLiteral("WidgetCount"), 0);
}

void TstDeviceTree::init()
{
    VexoSimClearFailures();
}

void TstDeviceTree::cleanup()
{
    QCOMPARE(int(vexotest::slotWarningCount()), 0);
}

QTreeWidgetItem *TstDeviceTree::item(VexoCam &window, const QString &name)
{
    const QList<QTreeWidgetItem *> found = child<QTreeWidget>(window, "treeWidget_devicelist")
                                               ->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    return found.size() == 1 ? found.first() : nullptr;
}

void TstDeviceTree::doubleClick(VexoCam &window, QTreeWidgetItem *target)
{
    auto *tree = child<QTreeWidget>(window, "treeWidget_devicelist");
    tree->setCurrentItem(target);
    emit tree->itemDoubleClicked(target, 0);
}

void TstDeviceTree::applyLayout(VexoCam &window, const char *action)
{
    // Let the start-up restore pass first, so it cannot land in the middle
    // of a test.
    QTRY_VERIFY(!window.isLayoutRestorePending());
    child<QAction>(window, action)->trigger();
}

void TstDeviceTree::groupsByPortType()
{
    ModalAnswer boxes;
    VexoCam window(m_dir.path());
    auto *tree = child<QTreeWidget>(window, "treeWidget_devicelist");
    QCOMPARE(tree->topLevelItemCount(), 2);
    QTreeWidgetItem *network = tree->topLevelItem(0);
    QTreeWidgetItem *usb = tree->topLevelItem(1);
    QCOMPARE(network->text(0), QStringLiteral("网络相机"));
    QCOMPARE(usb->text(0), QStringLiteral("USB相机"));
    // "GigE" anywhere in the port type, with that exact case, means network;
    // a camera whose record cannot be read is left out.
    QCOMPARE(childTexts(network),
             (QStringList{QStringLiteral("Gate camera"), QStringLiteral("Dock camera")}));
    QCOMPARE(childTexts(usb), (QStringList{QStringLiteral("Bench camera"), QStringLiteral("Lower camera"),
                                           QStringLiteral("Spare camera")}));
    QVERIFY(network->isExpanded());
    QVERIFY(usb->isExpanded());
    QVERIFY(showsIcon(network->child(0)->icon(0), "cameraOff.png"));

    // A refresh rebuilds the same tree from a new enumeration.
    QTest::mouseClick(child<QPushButton>(window, "pushButton_refresh"), Qt::LeftButton);
    QCOMPARE(tree->topLevelItemCount(), 2);
    QCOMPARE(childTexts(tree->topLevelItem(0)).size(), 2);
    QCOMPARE(childTexts(tree->topLevelItem(1)).size(), 3);

    QTest::mouseClick(child<QPushButton>(window, "pushButton_collapse"), Qt::LeftButton);
    QVERIFY(!tree->topLevelItem(0)->isExpanded());
    QTest::mouseClick(child<QPushButton>(window, "pushButton_expand"), Qt::LeftButton);
    QVERIFY(tree->topLevelItem(1)->isExpanded());
    QCOMPARE(boxes.count(), 0);
}

void TstDeviceTree::identityPages()
{
    ModalAnswer boxes;
    VexoCam window(m_dir.path());
    auto *tree = child<QTreeWidget>(window, "treeWidget_devicelist");
    auto *pages = child<QStackedWidget>(window, "stackedWidget_InterfaceInfo");
    QCOMPARE(pages->currentIndex(), 3);

    emit tree->itemClicked(item(window, QStringLiteral("Gate camera")), 0);
    QCOMPARE(pages->currentIndex(), 0);
    stGigeInfo gige{};
    QCOMPARE(CameraGigeGetIp("TREE-GIGE-01", &gige), CAMERA_STATUS_SUCCESS);
    QCOMPARE(labelText(window, "label_gigeName"), QStringLiteral("VXG-TREE"));
    QCOMPARE(labelText(window, "label_gigeIP"), vexo::fromAsciiField(gige.acIp));
    QVERIFY(!labelText(window, "label_gigeIP").isEmpty());
    QCOMPARE(labelText(window, "label_gigeNetMask"), vexo::fromAsciiField(gige.acMask));
    QCOMPARE(labelText(window, "label_gigePorttype"), QStringLiteral("GigE"));
    QCOMPARE(labelText(window, "label_gigePhyAdder"), vexo::macText(gige.abMac));
    QCOMPARE(labelText(window, "label_gigeBroAdder"), QStringLiteral("未打开"));
    QVERIFY(showsIcon(child<QPushButton>(window, "pushButton_onoff")->icon(), "connect.png"));

    emit tree->itemClicked(item(window, QStringLiteral("Bench camera")), 0);
    QCOMPARE(pages->currentIndex(), 2);
    QCOMPARE(labelText(window, "label_productName"), QStringLiteral("VXU-TREE"));
    QCOMPARE(labelText(window, "label_productsSeries"), QStringLiteral("Vexo U3"));
    QCOMPARE(labelText(window, "label_sensor"), QStringLiteral("CMOS 1/4\""));
    QCOMPARE(labelText(window, "label_porttype"), QStringLiteral("USB3.0"));
    QCOMPARE(labelText(window, "label_edition"), QStringLiteral("1.0.4.2"));
    QCOMPARE(labelText(window, "label_firmware"), QStringLiteral("v10.0.15.7"));
    QCOMPARE(labelText(window, "label_status"), QStringLiteral("未打开"));

    // The camera went away since the refresh: no address that looks real.
    VexoSimFailNext("CameraGigeGetIp", CAMERA_STATUS_DEVICE_LOST, 1);
    emit tree->itemClicked(item(window, QStringLiteral("Gate camera")), 0);
    QCOMPARE(pages->currentIndex(), 0);
    for (const char *field : {"label_gigeIP", "label_gigeNetMask", "label_gigePhyAdder"})
        QVERIFY2(labelText(window, field).isEmpty(), field);
    QCOMPARE(labelText(window, "label_gigeName"), QStringLiteral("VXG-TREE"));

    // The lower-case "gige" camera is a USB camera.
    emit tree->itemClicked(item(window, QStringLiteral("Lower camera")), 0);
    QCOMPARE(pages->currentIndex(), 2);

    emit tree->itemClicked(tree->topLevelItem(0), 0);
    QCOMPARE(pages->currentIndex(), 3);
    // The on/off button does nothing for a group.
    tree->setCurrentItem(tree->topLevelItem(0));
    QTest::mouseClick(child<QPushButton>(window, "pushButton_onoff"), Qt::LeftButton);
    QCOMPARE(boxes.count(), 0);
}

void TstDeviceTree::enumerationFailure()
{
    ModalAnswer boxes;
    VexoCam window(m_dir.path());
    QCOMPARE(VexoSimFailNext("CameraEnumerateDevice", CAMERA_STATUS_FAILED, 1), CAMERA_STATUS_SUCCESS);
    QTest::mouseClick(child<QPushButton>(window, "pushButton_refresh"), Qt::LeftButton);
    auto *tree = child<QTreeWidget>(window, "treeWidget_devicelist");
    QCOMPARE(tree->topLevelItemCount(), 2);
    QCOMPARE(tree->topLevelItem(0)->childCount(), 0);
    QCOMPARE(tree->topLevelItem(1)->childCount(), 0);
    QCOMPARE(boxes.count(), 0);

    // The same refresh with a working library lists them again.
    QTest::mouseClick(child<QPushButton>(window, "pushButton_refresh"), Qt::LeftButton);
    QCOMPARE(tree->topLevelItem(1)->childCount(), 3);
}

void TstDeviceTree::openedElsewhere()
{
    // Held by someone else: the library reports it opened, no cell holds it.
    CameraHandle foreign = nullptr;
    QCOMPARE(CameraInitEx3(&foreign, "TREE-USB-06"), CAMERA_STATUS_SUCCESS);
    ModalAnswer boxes;
    VexoCam window(m_dir.path());
    QTreeWidgetItem *spare = item(window, QStringLiteral("Spare camera"));
    QVERIFY(showsIcon(spare->icon(0), "cameraOn.png"));
    auto *tree = child<QTreeWidget>(window, "treeWidget_devicelist");
    tree->setCurrentItem(spare);
    emit tree->itemClicked(spare, 0);
    QCOMPARE(labelText(window, "label_status"), QStringLiteral("已打开"));
    QVERIFY(showsIcon(child<QPushButton>(window, "pushButton_onoff")->icon(), "disconnect.png"));

    QTest::mouseClick(child<QPushButton>(window, "pushButton_onoff"), Qt::LeftButton);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.title(), QStringLiteral("提示"));
    QCOMPARE(boxes.text(), QStringLiteral("相机已在其它地方打开，无法关闭"));
    QCOMPARE(boxes.icon(), QMessageBox::Critical);
    QVERIFY(showsIcon(spare->icon(0), "cameraOn.png"));
    QCOMPARE(labelText(window, "label_status"), QStringLiteral("已打开"));

    // Once released, a refresh takes the state from the library again.
    QCOMPARE(CameraUnInit(foreign), CAMERA_STATUS_SUCCESS);
    QTest::mouseClick(child<QPushButton>(window, "pushButton_refresh"), Qt::LeftButton);
    QVERIFY(showsIcon(item(window, QStringLiteral("Spare camera"))->icon(0), "cameraOff.png"));
}

void TstDeviceTree::openAndCloseFromTree()
{
    ModalAnswer boxes;
    VexoCam window(m_dir.path());
    applyLayout(window, "action_oneframe");
    QCOMPARE(window.cells().size(), 1);
    auto *tabs = child<QTabWidget>(window, "tabWidget");
    QVERIFY(!tabs->isEnabled());

    QTreeWidgetItem *bench = item(window, QStringLiteral("Bench camera"));
    doubleClick(window, bench);
    CameraThread *cell = window.cells().first();
    QVERIFY(cell->isMyAttachCamera(QStringLiteral("TREE-USB-02")));
    QVERIFY(showsIcon(bench->icon(0), "cameraOn.png"));
    QCOMPARE(labelText(window, "label_status"), QStringLiteral("已打开"));
    QVERIFY(showsIcon(child<QPushButton>(window, "pushButton_onoff")->icon(), "disconnect.png"));
    QVERIFY(tabs->isEnabled());
    QCOMPARE(window.currentCameraHandle(), cell->cameraHandle());

    // Opening it again only selects it again.
    doubleClick(window, bench);
    QCOMPARE(window.cells().first(), cell);
    QCOMPARE(boxes.count(), 0);

    QTest::mouseClick(child<QPushButton>(window, "pushButton_onoff"), Qt::LeftButton);
    QVERIFY(!cell->isAttachCamera());
    QVERIFY(showsIcon(bench->icon(0), "cameraOff.png"));
    QCOMPARE(labelText(window, "label_status"), QStringLiteral("未打开"));
    QVERIFY(showsIcon(child<QPushButton>(window, "pushButton_onoff")->icon(), "connect.png"));
    QVERIFY(!tabs->isEnabled());
    QCOMPARE(window.currentCameraHandle(), CameraHandle(nullptr));

    // And the on/off button opens it as well.
    QTest::mouseClick(child<QPushButton>(window, "pushButton_onoff"), Qt::LeftButton);
    QVERIFY(cell->isMyAttachCamera(QStringLiteral("TREE-USB-02")));
    QVERIFY(showsIcon(bench->icon(0), "cameraOn.png"));
    QCOMPARE(boxes.count(), 0);
}

void TstDeviceTree::noFreeCell()
{
    ModalAnswer boxes;
    VexoCam window(m_dir.path());
    applyLayout(window, "action_oneframe");
    doubleClick(window, item(window, QStringLiteral("Bench camera")));
    QTreeWidgetItem *gate = item(window, QStringLiteral("Gate camera"));
    doubleClick(window, gate);
    QVERIFY(showsIcon(gate->icon(0), "cameraOff.png"));
    QVERIFY(window.cells().first()->isMyAttachCamera(QStringLiteral("TREE-USB-02")));
    QCOMPARE(boxes.count(), 0);
    // Opening from the camera list takes the same road.
    window.cameraWidget_open(QStringLiteral("TREE-GIGE-01"));
    QVERIFY(showsIcon(gate->icon(0), "cameraOff.png"));
}

void TstDeviceTree::layoutChangeKeepsOpenCameras()
{
    ModalAnswer boxes;
    VexoCam window(m_dir.path());
    applyLayout(window, "action_fourframe");
    const QStringList names = {QStringLiteral("Gate camera"), QStringLiteral("Bench camera"),
                               QStringLiteral("Dock camera"), QStringLiteral("Spare camera")};
    for (const QString &name : names)
        doubleClick(window, item(window, name));
    for (int i = 0; i < 4; ++i)
        QVERIFY(window.cells().at(i)->isAttachCamera());
    // Cameras left in the second and fourth cells only.
    auto *tree = child<QTreeWidget>(window, "treeWidget_devicelist");
    for (const QString &name : {names.at(0), names.at(2)}) {
        tree->setCurrentItem(item(window, name));
        QTest::mouseClick(child<QPushButton>(window, "pushButton_onoff"), Qt::LeftButton);
    }
    QVERIFY(!window.cells().at(0)->isAttachCamera());
    QVERIFY(window.cells().at(3)->isMyAttachCamera(QStringLiteral("TREE-USB-06")));

    applyLayout(window, "action_oneframe");
    QCOMPARE(window.cells().size(), 1);
    QVERIFY(window.cells().first()->isMyAttachCamera(QStringLiteral("TREE-USB-02")));
    QVERIFY(showsIcon(item(window, QStringLiteral("Spare camera"))->icon(0), "cameraOff.png"));
    QVERIFY(showsIcon(item(window, QStringLiteral("Bench camera"))->icon(0), "cameraOn.png"));
    // The camera closed by the layout change is free again.
    CameraHandle probe = nullptr;
    QCOMPARE(CameraInitEx3(&probe, "TREE-USB-06"), CAMERA_STATUS_SUCCESS);
    CameraUnInit(probe);
    QCOMPARE(boxes.count(), 0);
}

void TstDeviceTree::clickSelectsCell()
{
    ModalAnswer boxes;
    VexoCam window(m_dir.path());
    window.resize(1280, 800);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    applyLayout(window, "action_fourframe");
    // The camera goes to the first idle cell; give the second one a camera.
    window.cells().at(0)->attachCamera(QStringLiteral("TREE-GIGE-01"));
    doubleClick(window, item(window, QStringLiteral("Bench camera")));
    window.cells().at(0)->cameraStop();
    CameraThread *withCamera = window.cells().at(1);
    QVERIFY(withCamera->isMyAttachCamera(QStringLiteral("TREE-USB-02")));
    auto *tabs = child<QTabWidget>(window, "tabWidget");
    auto *grid = child<QWidget>(window, "widget_devicewindows");
    QTRY_VERIFY(window.cells().at(0)->width() > 0);

    const auto clickCell = [&](int index) {
        const QPoint centre = window.cells().at(index)->geometry().center();
        QTest::mouseClick(&window, Qt::LeftButton, {}, grid->mapTo(&window, centre));
    };
    clickCell(0);
    QVERIFY(!tabs->isEnabled());
    clickCell(1);
    QVERIFY(tabs->isEnabled());
    QCOMPARE(window.currentCameraHandle(), withCamera->cameraHandle());
    clickCell(3);
    QVERIFY(!tabs->isEnabled());
    // Outside the grid nothing changes.
    clickCell(1);
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(5, window.height() - 5));
    QVERIFY(tabs->isEnabled());
    QCOMPARE(boxes.count(), 0);
}

void TstDeviceTree::languageSwitchRefreshesTree()
{
    ModalAnswer boxes;
    VexoCam window(m_dir.path());
    auto *tree = child<QTreeWidget>(window, "treeWidget_devicelist");
    QTreeWidgetItem *bench = item(window, QStringLiteral("Bench camera"));
    tree->setCurrentItem(bench);
    emit tree->itemClicked(bench, 0);
    QCOMPARE(labelText(window, "label_status"), QStringLiteral("未打开"));

    child<QAction>(window, "action_language_EN")->trigger();
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Network cameras"));
    QCOMPARE(tree->topLevelItem(1)->text(0), QStringLiteral("USB cameras"));
    QCOMPARE(labelText(window, "label_status"), QStringLiteral("Not open"));
    // The tree keeps its cameras and its selection.
    QCOMPARE(tree->currentItem(), bench);
    QCOMPARE(child<QStackedWidget>(window, "stackedWidget_InterfaceInfo")->currentIndex(), 2);

    child<QAction>(window, "action_language_CH")->trigger();
    QCOMPARE(labelText(window, "label_status"), QStringLiteral("未打开"));
    QCOMPARE(boxes.count(), 0);
}

void TstDeviceTree::lostCameraIsMarkedUntilItComesBack()
{
    ModalAnswer boxes;
    VexoCam window(m_dir.path());
    applyLayout(window, "action_fourframe");
    QTreeWidgetItem *gate = item(window, QStringLiteral("Gate camera"));
    QTreeWidgetItem *bench = item(window, QStringLiteral("Bench camera"));
    doubleClick(window, gate);
    doubleClick(window, bench); // the dock's camera
    CameraThread *cell = window.findCameraWidget(QStringLiteral("TREE-USB-02"));
    QVERIFY(cell);
    QTRY_VERIFY_WITH_TIMEOUT(cell->grabber()->deliveredFrames() > 0, 5000);
    auto *tabs = child<QTabWidget>(window, "tabWidget");
    const QString notice = QStringLiteral("相机已断开，正在重新连接…");

    QCOMPARE(VexoSimUnplug("TREE-USB-02"), CAMERA_STATUS_SUCCESS);
    QTRY_VERIFY_WITH_TIMEOUT(showsIcon(bench->icon(0), "cameraLost.png"), 3000);
    QCOMPARE(bench->toolTip(0), notice);
    QCOMPARE(labelText(window, "label_status"), QStringLiteral("已断开"));
    QVERIFY(showsIcon(gate->icon(0), "cameraOn.png"));
    // A control touched meanwhile finds no camera and greys the dock out.
    child<QAbstractButton>(window, "radioButton_softrigger")->click();
    QVERIFY(!tabs->isEnabled());

    // Back by itself: open again in the tree, and the dock works again.
    QCOMPARE(VexoSimReplug("TREE-USB-02"), CAMERA_STATUS_SUCCESS);
    QTRY_VERIFY_WITH_TIMEOUT(showsIcon(bench->icon(0), "cameraOn.png"), 5000);
    QVERIFY(bench->toolTip(0).isEmpty());
    QCOMPARE(labelText(window, "label_status"), QStringLiteral("已打开"));
    QVERIFY(tabs->isEnabled());
    QCOMPARE(window.currentCameraHandle(), cell->cameraHandle());

    // A GigE camera's page shows no addresses while it is away and reads
    // them again when it is back.
    auto *tree = child<QTreeWidget>(window, "treeWidget_devicelist");
    tree->setCurrentItem(gate);
    emit tree->itemClicked(gate, 0);
    const QString address = labelText(window, "label_gigeIP");
    QVERIFY(!address.isEmpty());
    QCOMPARE(VexoSimUnplug("TREE-GIGE-01"), CAMERA_STATUS_SUCCESS);
    QTRY_COMPARE_WITH_TIMEOUT(labelText(window, "label_gigeBroAdder"), QStringLiteral("已断开"), 3000);
    QCOMPARE(labelText(window, "label_gigeIP"), QString());
    QCOMPARE(VexoSimReplug("TREE-GIGE-01"), CAMERA_STATUS_SUCCESS);
    QTRY_COMPARE_WITH_TIMEOUT(labelText(window, "label_gigeBroAdder"), QStringLiteral("已打开"), 5000);
    QCOMPARE(labelText(window, "label_gigeIP"), address);

    // Closed while lost: simply closed.
    QCOMPARE(VexoSimUnplug("TREE-USB-02"), CAMERA_STATUS_SUCCESS);
    QTRY_VERIFY_WITH_TIMEOUT(showsIcon(bench->icon(0), "cameraLost.png"), 3000);
    child<QTreeWidget>(window, "treeWidget_devicelist")->setCurrentItem(bench);
    QTest::mouseClick(child<QPushButton>(window, "pushButton_onoff"), Qt::LeftButton);
    QVERIFY(!cell->isAttachCamera());
    QVERIFY(showsIcon(bench->icon(0), "cameraOff.png"));
    QVERIFY(bench->toolTip(0).isEmpty());
    emit child<QTreeWidget>(window, "treeWidget_devicelist")->itemClicked(bench, 0);
    QCOMPARE(labelText(window, "label_status"), QStringLiteral("未打开"));
    QCOMPARE(VexoSimReplug("TREE-USB-02"), CAMERA_STATUS_SUCCESS);
    QCOMPARE(boxes.count(), 0);
}

void TstDeviceTree::closingWithOpenCameras()
{
    // Also with the grid full screen, a window of its own.
    for (const bool fullScreen : {false, true}) {
        {
            ModalAnswer boxes;
            VexoCam window(m_dir.path());
            applyLayout(window, "action_fourframe");
            doubleClick(window, item(window, QStringLiteral("Gate camera")));
            doubleClick(window, item(window, QStringLiteral("Bench camera")));
            QVERIFY(window.cells().at(1)->isAttachCamera());
            if (fullScreen)
                child<QAction>(window, "action_fullScreen")->trigger();
        }
        // Every camera was let go.
        for (const char *serial : {"TREE-GIGE-01", "TREE-USB-02"}) {
            CameraHandle handle = nullptr;
            QCOMPARE(CameraInitEx3(&handle, serial), CAMERA_STATUS_SUCCESS);
            CameraUnInit(handle);
        }
    }
}

void TstDeviceTree::dragFromTreeOntoCells()
{
    VexoCam window(m_dir.path());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    applyLayout(window, "action_fourframe");
    auto *tree = child<QTreeWidget>(window, "treeWidget_devicelist");
    // A camera whose serial is not ASCII, beside the enumerated ones.
    stDeviceInfo unusual{};
    qstrncpy(unusual.acSn, QStringLiteral("相机-Ω7").toLocal8Bit().constData(), sizeof unusual.acSn);
    QTreeWidgetItem unusualItem(tree->topLevelItem(1), {QStringLiteral("Unusual camera")});
    unusualItem.setData(0, Qt::UserRole, QVariant::fromValue<void *>(&unusual));

    // Press, then move past the start-drag distance (to the given point, the
    // press point's right by default): the payload of the drag that starts.
    const auto dragPayload = [tree](QTreeWidgetItem *from, QPoint to = {}) {
        const QPoint at = tree->visualItemRect(from).center();
        if (to.isNull())
            to = at + QPoint(QApplication::startDragDistance() + 1, 0);
        QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, at);
        QMouseEvent move(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tree->viewport(), &move);
        std::unique_ptr<QDrag> drag(tree->findChild<QDrag *>());
        // A drag takes the release for itself.
        if (!drag)
            QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, to);
        return drag ? QString::fromLocal8Bit(drag->mimeData()->data(QStringLiteral("INFO"))) : QString();
    };
    QCOMPARE(dragPayload(&unusualItem), QStringLiteral("相机-Ω7"));
    QVERIFY(dragPayload(tree->topLevelItem(0)).isNull());
    // A fast move that is already over the next row still carries the
    // pressed camera.
    QTreeWidgetItem *dock = item(window, QStringLiteral("Dock camera"));
    QTreeWidgetItem *below = tree->itemBelow(dock);
    QVERIFY(below != nullptr);
    QCOMPARE(dragPayload(dock, tree->visualItemRect(below).center()), QStringLiteral("TREE-GIGE-05"));
    QCOMPARE(dragPayload(item(window, QStringLiteral("Dock camera"))), QStringLiteral("TREE-GIGE-05"));
    // After a drag the next click on the tree counts.
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      tree->visualItemRect(item(window, QStringLiteral("Bench camera"))).center());
    QCOMPARE(child<QStackedWidget>(window, "stackedWidget_InterfaceInfo")->currentIndex(), 2);

    // Dropped on the third cell, the camera opens there and the tree shows
    // it; the busy cell refuses the next one.
    ModalAnswer refusal;
    for (const char *serial : {"TREE-GIGE-05", "TREE-USB-02"}) {
        QMimeData data;
        data.setData(QStringLiteral("INFO"), serial);
        QDragEnterEvent enter(QPoint(5, 5), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.cells().at(2), &enter);
        QDropEvent drop(QPointF(5, 5), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.cells().at(2), &drop);
    }
    QCOMPARE(refusal.text(), QStringLiteral("打开失败,该窗口存在已被打开的相机"));
    QVERIFY(window.cells().at(2)->isMyAttachCamera(QStringLiteral("TREE-GIGE-05")));
    QVERIFY(!window.cells().at(0)->isAttachCamera());
    QVERIFY(showsIcon(item(window, QStringLiteral("Dock camera"))->icon(0), "cameraOn.png"));
    QVERIFY(showsIcon(item(window, QStringLiteral("Bench camera"))->icon(0), "cameraOff.png"));

    // A double click without movement still opens, in the first idle cell
    // (a widget gets a press, a release, then a double-click event).
    const QPoint gate = tree->visualItemRect(item(window, QStringLiteral("Gate camera"))).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, gate);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, gate);
    QVERIFY(window.cells().at(0)->isMyAttachCamera(QStringLiteral("TREE-GIGE-01")));
}

void TstDeviceTree::layoutEditorDrivesTheGrid()
{
    const QString longName(3000, QChar(0x5E03));
    ConfigParameter *config = ConfigParameter::getInstance();
    SceneFrameLayout a = VexoCam::presetLayout(2), b = VexoCam::presetLayout(3), c = a;
    a.name = QStringLiteral("A");
    b.name = QStringLiteral("B");
    c.name = longName;
    QVERIFY(config->writeSceneFrameLayout({a, b, c}));
    config->setValue(QStringLiteral("WIDGETINFO"), QStringLiteral("WidgetCount"), 4);
    config->setValue(QStringLiteral("CUSTOMWIDGET"), QStringLiteral("UsedCustomWidget"), QStringLiteral("A"));
    VexoCam window(m_dir.path());
    QTRY_COMPARE(window.cells().size(), 4);
    doubleClick(window, item(window, QStringLiteral("Gate camera")));
    doubleClick(window, item(window, QStringLiteral("Bench camera")));
    const auto placements = [&window] {
        QStringList frames;
        for (CameraThread *cell : window.cells()) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            cell->positionInGridLayout(row, column, rowSpan, columnSpan);
            frames << QStringLiteral("%1,%2,%3,%4").arg(row).arg(column).arg(rowSpan).arg(columnSpan);
        }
        return frames.join(QLatin1Char('|'));
    };
    // Runs the editor from the menu: select the first layout, click these
    // buttons (or close the editor when there are none).
    const auto runEditor = [&window](const QStringList &cells, const QList<const char *> &buttons) {
        QTimer::singleShot(0, &window, [cells, buttons] {
            auto *editor = qobject_cast<CustomWindowSettingWidget *>(QApplication::activeModalWidget());
            QVERIFY(editor);
            editor->findChild<QListWidget *>()->setCurrentRow(0);
            for (const QString &cell : cells)
                QTest::mouseClick(editor->previewCell(cell), Qt::LeftButton);
            for (const char *button : buttons)
                QTest::mouseClick(editor->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
            editor->close();
        });
        child<QAction>(window, "action_customframe")->trigger();
    };

    // Merging the top two cells of the layout in use: the cameras keep their
    // cells, in frame order.
    runEditor({QStringLiteral("0,0,1,1"), QStringLiteral("0,1,1,1")},
              {"pushButton_merge", "pushButton_save"});
    QCOMPARE(placements(), QStringLiteral("0,0,1,2|1,0,1,1|1,1,1,1"));
    QVERIFY(window.cells().at(0)->isMyAttachCamera(QStringLiteral("TREE-GIGE-01")));
    QVERIFY(window.cells().at(1)->isMyAttachCamera(QStringLiteral("TREE-USB-02")));
    // A long name is shortened in the menu, not the menu stretched.
    QCOMPARE(window.displayMenu()->actions().at(9)->toolTip(), longName);
    QVERIFY(window.displayMenu()->sizeHint().width() < 800);

    // Saved unchanged, or closed: the grid stays as it is, with the two
    // cells the user swapped.
    int fromRow = 0, fromColumn = 0, toRow = 1, toColumn = 0;
    window.onWindowMoving(fromRow, fromColumn, toRow, toColumn);
    runEditor({}, {"pushButton_save"});
    runEditor({}, {});
    QCOMPARE(placements(), QStringLiteral("1,0,1,1|0,0,1,2|1,1,1,1"));

    // Deleting the layout in use falls back to one cell.
    runEditor({}, {"pushButton_deleteFram", "pushButton_save"});
    QCOMPARE(placements(), QStringLiteral("0,0,1,1"));
    QVERIFY(window.cells().at(0)->isMyAttachCamera(QStringLiteral("TREE-GIGE-01")));
    QVERIFY(showsIcon(item(window, QStringLiteral("Bench camera"))->icon(0), "cameraOff.png"));
    QCOMPARE(window.displayMenu()->actions().at(7)->text(), QStringLiteral("B"));
    QVERIFY(config->writeSceneFrameLayout({}));
    config->setValue(QStringLiteral("WIDGETINFO"), QStringLiteral("WidgetCount"), 0);
}

void TstDeviceTree::labelsShowTheirWholeText_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("Chinese") << 0;
    QTest::newRow("English") << 1;
}

void TstDeviceTree::labelsShowTheirWholeText()
{
    QFETCH(int, language);
    // The program's own translations, which lie beside the test.
    const QString programDir = QCoreApplication::applicationDirPath();
    QVERIFY(QFile::exists(programDir + VexoCam::translationFileName(language)));
    ConfigParameter::getInstance()->setValue(QStringLiteral("EDITION"), QStringLiteral("Language"), language);
    ModalAnswer boxes;
    VexoCam window(programDir);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    applyLayout(window, "action_fourframe");
    doubleClick(window, item(window, QStringLiteral("Gate camera")));
    QTRY_VERIFY_WITH_TIMEOUT(!child<QLabel>(*window.cells().first(), "label_camerainfo")->text().isEmpty(),
                             5000);
    auto *tree = child<QTreeWidget>(window, "treeWidget_devicelist");

    auto check = [&window](const char *page) {
        QCoreApplication::processEvents();
        for (QLabel *label : window.findChildren<QLabel *>()) {
            if (!label->isVisible() || label->text().isEmpty() || label->wordWrap())
                continue;
            const QSize needed = label->fontMetrics().size(0, label->text());
            QVERIFY2(label->contentsRect().width() >= needed.width() &&
                         label->contentsRect().height() >= needed.height(),
                     qPrintable(QStringLiteral("%1 on %2: \"%3\" needs %4x%5 px, has %6x%7")
                                    .arg(label->objectName(), QLatin1String(page), label->text())
                                    .arg(needed.width())
                                    .arg(needed.height())
                                    .arg(label->contentsRect().width())
                                    .arg(label->contentsRect().height())));
        }
    };
    emit tree->itemClicked(item(window, QStringLiteral("Gate camera")), 0);
    check("the GigE page");
    emit tree->itemClicked(item(window, QStringLiteral("Bench camera")), 0);
    check("the USB page");
    ConfigParameter::getInstance()->setValue(QStringLiteral("EDITION"), QStringLiteral("Language"), 0);
}

VEXO_QTEST_MAIN(TstDeviceTree)
#include "tst_devicetree.moc"
