// The viewer on a real camera end to end (offscreen): Aravis's GigE Vision
// test camera on the loopback interface, reached by address, listed under
// the network cameras with its identity, streamed in a cell, pulled while
// streaming, back again, and closed while pulled.
#include "config/configparameter.h"
#include "fakegigecamera.h"
#include "formchild.h"
#include "modalhelper.h"
#include "shell/vexocam.h"
#include "slotwarningguard.h"
#include "stream/cameraconnection.h"
#include "stream/cvideothread.h"
#include "view/camerathread.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

namespace {

const QString kSerial = QStringLiteral("VXVIEW01");

bool listed()
{
    int count = 0;
    if (CameraEnumerateDevice(&count) != CAMERA_STATUS_SUCCESS)
        return false;
    for (int i = 0; i < count; ++i) {
        stDeviceInfo info{};
        if (CameraGetEnumIndexInfo(i, &info) == CAMERA_STATUS_SUCCESS && QLatin1String(info.acSn) == kSerial)
            return true;
    }
    return false;
}

} // namespace

class TstRealCamera final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void showsStreamsAndComesBackAfterThePull();

private:
    QTemporaryDir m_dir;
};

void TstRealCamera::initTestCase()
{
    vexotest::installSlotWarningGuard();
    QVERIFY(m_dir.isValid());
    QVERIFY(QFile::copy(QStringLiteral(SHELL_TEST_QM_DIR "/shelltest_zh.qm"),
                        m_dir.path() + QStringLiteral("/VexoCam_zh_CN.qm")));
    QVERIFY(QFile::copy(QStringLiteral(SHELL_TEST_QM_DIR "/shelltest_en.qm"),
                        m_dir.path() + QStringLiteral("/VexoCam_en_CN.qm")));
    ConfigParameter::getInstance()->setValue(QStringLiteral("WIDGETINFO"), QStringLiteral("WidgetCount"), 0);
}

void TstRealCamera::showsStreamsAndComesBackAfterThePull()
{
    auto camera = std::make_unique<vexotest::FakeGigeCamera>(kSerial.toStdString());
    QTRY_VERIFY_WITH_TIMEOUT(listed(), 10000);

    ModalAnswer boxes;
    VexoCam window(m_dir.path());
    auto *tree = child<QTreeWidget>(window, "treeWidget_devicelist");
    QTreeWidgetItem *network = tree->topLevelItem(0);
    QCOMPARE(network->childCount(), 1);
    QTreeWidgetItem *item = network->child(0);
    QCOMPARE(item->text(0), QStringLiteral("Fake"));

    emit tree->itemClicked(item, 0);
    QCOMPARE(child<QStackedWidget>(window, "stackedWidget_InterfaceInfo")->currentIndex(), 0);
    QCOMPARE(child<QLabel>(window, "label_gigeName")->text(), QStringLiteral("Fake"));
    QCOMPARE(child<QLabel>(window, "label_gigeIP")->text(), QStringLiteral("127.0.0.1"));
    QCOMPARE(child<QLabel>(window, "label_gigePorttype")->text(), QStringLiteral("GigE"));

    // Past the start-up restore, one cell; the camera opens into it.
    QTRY_VERIFY(!window.isLayoutRestorePending());
    child<QAction>(window, "action_oneframe")->trigger();
    QCOMPARE(window.cells().size(), 1);
    tree->setCurrentItem(item);
    emit tree->itemDoubleClicked(item, 0);
    CameraThread *cell = window.cells().first();
    QVERIFY(cell->isMyAttachCamera(kSerial));
    QVERIFY(cell->grabber() != nullptr);
    // The test camera sends 25 frames a second.
    QTRY_VERIFY_WITH_TIMEOUT(cell->grabber()->deliveredFrames() >= 25, 5000);

    // Pulled while streaming: the window stays responsive and says so, in
    // the cell and in the tree.
    camera->kill();
    QElapsedTimer responsive;
    responsive.start();
    QTest::qWait(1500);
    QVERIFY(responsive.elapsed() < 3000);
    QTRY_VERIFY_WITH_TIMEOUT(cell->isCameraLost(), 3000);
    QVERIFY(cell->isLostNoticeShown());
    QCOMPARE(item->toolTip(0), CameraConnection::lostText());
    const int delivered = cell->grabber()->deliveredFrames();
    QTest::qWait(300);
    QCOMPARE(cell->grabber()->deliveredFrames(), delivered);

    // The camera starts again: its pictures come back by themselves.
    camera = std::make_unique<vexotest::FakeGigeCamera>(kSerial.toStdString());
    QTRY_VERIFY_WITH_TIMEOUT(cell->grabber()->deliveredFrames() > delivered + 10, 15000);
    QVERIFY(!cell->isCameraLost());
    QVERIFY(!cell->isLostNoticeShown());
    QVERIFY(item->toolTip(0).isEmpty());

    // Pulled again and closed meanwhile: at once, and it leaves the list.
    camera->kill();
    QTRY_VERIFY_WITH_TIMEOUT(cell->isCameraLost(), 3000);

    QElapsedTimer closing;
    closing.start();
    QTest::mouseClick(child<QPushButton>(window, "pushButton_onoff"), Qt::LeftButton);
    QVERIFY(!cell->isAttachCamera());
    QVERIFY(closing.elapsed() < 1000);
    QTest::mouseClick(child<QPushButton>(window, "pushButton_refresh"), Qt::LeftButton);
    QCOMPARE(tree->topLevelItem(0)->childCount(), 0);
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(int(vexotest::slotWarningCount()), 0);
}

QTEST_MAIN(TstRealCamera)
#include "tst_realcamera.moc"
