// The display cell on simulated cameras: opening and its failures, the
// status line, pause, stopping (also with a delivery pending, a second stop
// arriving meanwhile or the camera lost), a lost camera and its return,
// fitting, zoom at a point, panning, navigation, drops and the button bar.

#include "formchild.h"
#include "layouts/customgraphicsscene.h"
#include "modalhelper.h"
#include "simtrace.h"
#include "slotwarningguard.h"
#include "stream/cameraconnection.h"
#include "view/camerathread.h"
#include "view/cameraviewmath.h"

#include "config/configparameter.h"

#include "VexoCameraSDK.h"
#include "VexoCameraSim.h"

#include <QGraphicsSceneDragDropEvent>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QWidgetAction>
#include <QtTest>

namespace {

const QString SerialA = QStringLiteral("SIM-VIEW-0001");
const QString SerialB = QStringLiteral("SIM-VIEW-0002");
const QString NameA = QStringLiteral("View camera A");

int countCalls(const QStringList &lines, const QString &prefix)
{
    int n = 0;
    for (const QString &line : lines)
        n += line.startsWith(prefix) ? 1 : 0;
    return n;
}

} // namespace

class TestCameraThread : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void attachingTheHeldSerialDoesNotReopen();
    void openFailuresShowTheirMessages();
    void dropOnAHeldCellIsRefused();
    void statusLineAndPauseResume();
    void stopReturnsToIdle();
    void stopWithAFrameDeliveryPendingDoesNotHang();
    void lostCameraIsShownUntilItsFramesReturn_data();
    void lostCameraIsShownUntilItsFramesReturn();
    void firstFrameOfEveryOpeningFits();
    void zoomButtonsWheelAndOriginalSize();
    void navigationRectangleFollowsAndDrives();
    void draggingThePicturePans();
    void dropsOpenCamerasAndSwapCells();
    void sceneDropCarriesTheSerial();
    void buttonBarFollowsTheCursor();
    void fullScreenNeedsACamera();
    void languageChangeKeepsTheCameraName();

    void secondStopDuringTheWaitIsTheSameStop();
    void wheelKeepsThePointUnderTheCursor();
    void draggingTheNavigationRectanglePansOnly();
    void fittedPictureStaysWholeUnderAGrowingStatusLine();
    void navigationPanelFitsSmallCells();
    void viewPaintsEveryPixelItShows();
    void heldHotkeyActsOnce_data();
    void heldHotkeyActsOnce();

private:
    CameraThread *makeCell();
    QLabel *statusLabel() { return child<QLabel>(m_cell, "label_camerainfo"); }
    // The status line as one text: its lines break between fields.
    QString statusText() { return statusLabel()->text().replace(QLatin1Char('\n'), QStringLiteral(" | ")); }
    void zoomTo(double zoom);

    CameraThread *m_cell = nullptr;
};

void TestCameraThread::initTestCase()
{
    vexotest::installSlotWarningGuard();
    QVERIFY2(qEnvironmentVariableIsSet("VEXO_SDK_CAMERAS"), "run through ctest: the camera set is missing");
}

CameraThread *TestCameraThread::makeCell()
{
    auto *cell = new CameraThread;
    cell->setAttribute(Qt::WA_DeleteOnClose, false);
    cell->resize(400, 340);
    cell->show();
    if (!QTest::qWaitForWindowExposed(cell))
        qWarning("cell not exposed");
    return cell;
}

void TestCameraThread::init()
{
    m_cell = makeCell();
}

void TestCameraThread::cleanup()
{
    delete m_cell;
    m_cell = nullptr;
    VexoSimReplug(SerialA.toLatin1().constData());
    VexoSimClearFailures();
    VexoSimTraceEnable(0);
    VexoSimTraceClear();
}

void TestCameraThread::attachingTheHeldSerialDoesNotReopen()
{
    VexoSimTraceClear();
    VexoSimTraceEnable(1);
    ModalAnswer noBox;
    QVERIFY(m_cell->attachCamera(SerialA));
    QVERIFY(m_cell->isAttachCamera());
    QVERIFY(m_cell->isMyAttachCamera(SerialA));
    QVERIFY(!m_cell->isMyAttachCamera(SerialA.toLower()));
    QCOMPARE(m_cell->windowTitle(), NameA);
    QCOMPARE(child<QLabel>(m_cell, "label_title")->text(), NameA);

    QVERIFY(m_cell->attachCamera(SerialA));
    QVERIFY(!m_cell->attachCamera(SerialB));
    const QStringList lines = traceLines();
    QCOMPARE(countCalls(lines, QStringLiteral("CameraInitEx3(")), 1);
    QCOMPARE(countCalls(lines, QStringLiteral("CameraReadSN(")), 2);
    QVERIFY(lines.contains(
        QStringLiteral("CameraSetIspOutFormat(%1,%2)=0").arg(SerialA).arg(CAMERA_MEDIA_TYPE_RGB8)));
    QVERIFY(!noBox.fired());
}

void TestCameraThread::openFailuresShowTheirMessages()
{
    // Another holder of the camera: -18.
    CameraHandle other = nullptr;
    QCOMPARE(CameraInitEx3(&other, SerialB.toLatin1().constData()), CAMERA_STATUS_SUCCESS);
    {
        ModalAnswer answer(QStringLiteral("确定"));
        QVERIFY(!m_cell->attachCamera(SerialB));
        QVERIFY(answer.fired());
        QCOMPARE(answer.title(), QStringLiteral("错误"));
        QCOMPARE(answer.text(), QStringLiteral("相机已打开，不能重复打开"));
        QCOMPARE(answer.icon(), QMessageBox::Critical);
        QCOMPARE(answer.pressed(), QStringLiteral("确定"));
    }
    CameraUnInit(other);
    QVERIFY(!m_cell->isAttachCamera());

    {
        ModalAnswer answer;
        QVERIFY(!m_cell->attachCamera(QStringLiteral("NO-SUCH-CAMERA")));
        QCOMPARE(answer.text(), QStringLiteral("打开相机失败, 错误码:%1").arg(CAMERA_STATUS_NO_DEVICE));
    }

    // The camera opens but refuses to start: it is closed again, the cell stays idle.
    VexoSimTraceClear();
    VexoSimTraceEnable(1);
    VexoSimFailNext("CameraPlay", CAMERA_STATUS_FAILED, 1);
    {
        ModalAnswer answer;
        QVERIFY(!m_cell->attachCamera(SerialA));
        QCOMPARE(answer.text(), QStringLiteral("打开相机失败, 错误码:-1"));
    }
    QVERIFY(!m_cell->isAttachCamera());
    QVERIFY(m_cell->windowTitle().isEmpty());
    QVERIFY(m_cell->grabber() == nullptr);
    QCOMPARE(countCalls(traceLines(), QStringLiteral("CameraUnInit(%1)").arg(SerialA)), 1);
    // ... and can be opened again at once.
    ModalAnswer noBox;
    QVERIFY(m_cell->attachCamera(SerialA));
    QVERIFY(!noBox.fired());
}

void TestCameraThread::dropOnAHeldCellIsRefused()
{
    QVERIFY(m_cell->attachCamera(SerialA));
    QSignalSpy opened(m_cell, &CameraThread::cameraOpen);
    ModalAnswer answer;
    m_cell->on_openCamera(SerialB);
    QCOMPARE(answer.title(), QStringLiteral("提示"));
    QCOMPARE(answer.text(), QStringLiteral("打开失败,该窗口存在已被打开的相机"));
    QVERIFY(m_cell->isMyAttachCamera(SerialA));
    QCOMPARE(opened.count(), 0);

    auto *idle = makeCell();
    QSignalSpy idleOpened(idle, &CameraThread::cameraOpen);
    idle->on_openCamera(SerialB);
    QCOMPARE(idleOpened.count(), 1);
    QCOMPARE(idleOpened.at(0).at(0).toString(), SerialB);
    delete idle;
}

void TestCameraThread::statusLineAndPauseResume()
{
    QVERIFY(m_cell->attachCamera(SerialA));
    const QRegularExpression line(QStringLiteral("^分辨率: 320x240 \\| 获取帧率: ([0-9.]+) \\| 显示帧率: "
                                                 "([0-9.]+) \\| 图像数：(\\d+) \\| 缩放比例：(\\d+)%"
                                                 "( \\| 丢帧: \\d+ \\| 不完整帧: \\d+)?$"));
    QTRY_VERIFY_WITH_TIMEOUT(line.match(statusText()).hasMatch(), 5000);
    const QRegularExpressionMatch match = line.match(statusText());
    QCOMPARE(match.captured(4).toInt(), CameraViewMath::zoomPercent(320, 240, m_cell->zoomFactor()));
    QVERIFY(m_cell->lastCaptureRate() > 0);

    auto *play = child<QPushButton>(m_cell, "pushButton_open");
    QTest::mouseClick(play, Qt::LeftButton);
    QVERIFY(!m_cell->grabber()->isStreaming());
    const QString paused = QStringLiteral("相机已进入暂停，不再接收来自相机的图像数据");
    QCOMPARE(statusLabel()->text(), paused);
    // Narrowed while paused (no report follows), the notice wraps, whole.
    m_cell->resize(150, 340);
    QTRY_VERIFY(statusLabel()->text().contains(QLatin1Char('\n')));
    QCOMPARE(statusLabel()->text().remove(QLatin1Char('\n')), paused);
    m_cell->resize(400, 340);
    const int delivered = m_cell->grabber()->deliveredFrames();

    QTest::mouseClick(play, Qt::LeftButton);
    QVERIFY(m_cell->grabber()->isStreaming());
    QTRY_VERIFY_WITH_TIMEOUT(line.match(statusText()).hasMatch(), 5000);
    QVERIFY(m_cell->grabber()->deliveredFrames() > delivered);
}

void TestCameraThread::stopReturnsToIdle()
{
    QVERIFY(m_cell->attachCamera(SerialA));
    QTRY_VERIFY_WITH_TIMEOUT(!statusLabel()->text().isEmpty(), 5000);
    QSignalSpy closed(m_cell, &CameraThread::cameraClose);

    m_cell->cameraStop();
    QCOMPARE(closed.count(), 1);
    QCOMPARE(closed.at(0).at(0).toString(), SerialA);
    QVERIFY(!m_cell->isAttachCamera());
    QVERIFY(m_cell->grabber() == nullptr);
    QVERIFY(m_cell->windowTitle().isEmpty());
    QVERIFY(statusLabel()->text().isEmpty());
    QCOMPARE(m_cell->zoomFactor(), 1.0);
    // The camera was released: another holder can open it now.
    CameraHandle other = nullptr;
    QCOMPARE(CameraInitEx3(&other, SerialA.toLatin1().constData()), CAMERA_STATUS_SUCCESS);
    CameraUnInit(other);
    // A rate report still queued from the old grabber must not refill the line.
    QCoreApplication::processEvents();
    QVERIFY(statusLabel()->text().isEmpty());
}

void TestCameraThread::stopWithAFrameDeliveryPendingDoesNotHang()
{
    for (int round = 0; round < 5; ++round) {
        QVERIFY(m_cell->attachCamera(SerialA));
        QTRY_VERIFY_WITH_TIMEOUT(m_cell->grabber()->deliveredFrames() > round % 3, 5000);
        // Keep the user-interface thread busy so the grabber is left waiting
        // in a blocked delivery when the stop comes.
        QThread::msleep(40 + 10 * round);
        QElapsedTimer stopping;
        stopping.start();
        m_cell->cameraStop();
        QVERIFY(stopping.elapsed() < 3000);
        QVERIFY(!m_cell->isAttachCamera());
    }
}

void TestCameraThread::lostCameraIsShownUntilItsFramesReturn_data()
{
    QTest::addColumn<bool>("paused");
    QTest::newRow("streaming") << false;
    QTest::newRow("paused") << true;
}

void TestCameraThread::lostCameraIsShownUntilItsFramesReturn()
{
    QFETCH(bool, paused);
    const QByteArray serial = SerialA.toLatin1();
    QVERIFY(m_cell->attachCamera(SerialA));
    QTRY_VERIFY_WITH_TIMEOUT(statusText().contains(QStringLiteral("显示帧率: 2")) ||
                                 statusText().contains(QStringLiteral("显示帧率: 3")),
                             5000);
    QSignalSpy lost(m_cell, &CameraThread::cameraLost);
    const QString notice = QStringLiteral("相机已断开，正在重新连接…");
    if (paused)
        m_cell->on_pushButton_open_clicked();

    // Gone: the frozen picture is covered, the status line says why, even
    // after the next rate report; paused or not, within a second.
    QCOMPARE(VexoSimUnplug(serial.constData()), CAMERA_STATUS_SUCCESS);
    QTRY_VERIFY_WITH_TIMEOUT(m_cell->isCameraLost(), paused ? 1000 : 3000);
    QVERIFY(m_cell->isLostNoticeShown());
    QCOMPARE(statusLabel()->text().remove(QLatin1Char('\n')), notice);
    QTest::qWait(1200);
    QCOMPARE(statusLabel()->text().remove(QLatin1Char('\n')), notice);
    QCOMPARE(lost.count(), 1);
    QCOMPARE(lost.first(), QVariantList({SerialA, true}));

    if (paused) {
        // Back while paused: the notice goes, the cell stays paused.
        QCOMPARE(VexoSimReplug(serial.constData()), CAMERA_STATUS_SUCCESS);
        QTRY_VERIFY_WITH_TIMEOUT(!m_cell->isCameraLost(), 3000);
        QVERIFY(!m_cell->isLostNoticeShown());
        QCOMPARE(lost.count(), 2);
        QVERIFY(statusText().contains(QStringLiteral("暂停")));
        return;
    }

    // Back: the frames move again without a click, and everything goes.
    const int delivered = m_cell->grabber()->deliveredFrames();
    QCOMPARE(VexoSimReplug(serial.constData()), CAMERA_STATUS_SUCCESS);
    QTRY_VERIFY_WITH_TIMEOUT(m_cell->grabber()->deliveredFrames() > delivered + 5, 5000);
    QVERIFY(!m_cell->isCameraLost());
    QVERIFY(!m_cell->isLostNoticeShown());
    QTRY_VERIFY_WITH_TIMEOUT(statusLabel()->text().contains(QStringLiteral("320x240")), 3000);
    QCOMPARE(lost.count(), 2);
    QCOMPARE(lost.last(), QVariantList({SerialA, false}));
    QCOMPARE(m_cell->windowTitle(), NameA);

    // Closing a lost camera is immediate and leaves an idle cell.
    QCOMPARE(VexoSimUnplug(serial.constData()), CAMERA_STATUS_SUCCESS);
    QTRY_VERIFY_WITH_TIMEOUT(m_cell->isCameraLost(), 3000);
    QSignalSpy closed(m_cell, &CameraThread::cameraClose);
    QElapsedTimer closing;
    closing.start();
    m_cell->cameraStop();
    QVERIFY2(closing.elapsed() < 1000, qPrintable(QString::number(closing.elapsed())));
    QCOMPARE(closed.count(), 1);
    QVERIFY(!m_cell->isAttachCamera());
    QVERIFY(!m_cell->isCameraLost());
    QVERIFY(!m_cell->isLostNoticeShown());
    QVERIFY(statusLabel()->text().isEmpty());
}

void TestCameraThread::firstFrameOfEveryOpeningFits()
{
    auto *view = child<QGraphicsView>(m_cell, "graphicsView");
    QVERIFY(m_cell->attachCamera(SerialA));
    QTRY_VERIFY_WITH_TIMEOUT(m_cell->grabber()->deliveredFrames() > 0, 5000);
    const QSize viewSize = CameraViewMath::geometrySize(view->geometry());
    QTRY_COMPARE(m_cell->zoomFactor(), CameraViewMath::fitZoom(viewSize, QSizeF(320, 240), 0));
    QCOMPARE(view->transform(), QTransform::fromScale(m_cell->zoomFactor(), m_cell->zoomFactor()));

    m_cell->cameraStop();
    QCOMPARE(m_cell->zoomFactor(), 1.0);
    // Opened again: the start fits the idle picture, the first frame fits the
    // camera's picture again.
    QVERIFY(m_cell->attachCamera(SerialA));
    const double idleFit = m_cell->zoomFactor();
    QVERIFY(!qFuzzyCompare(idleFit, CameraViewMath::fitZoom(viewSize, QSizeF(320, 240), 0)));
    QTRY_VERIFY_WITH_TIMEOUT(m_cell->grabber()->deliveredFrames() > 3, 5000);
    QTRY_COMPARE(m_cell->zoomFactor(), CameraViewMath::fitZoom(viewSize, QSizeF(320, 240), 0));

    // A resize while the camera is held fits the frame again.
    m_cell->resize(500, 420);
    QTRY_COMPARE(m_cell->zoomFactor(), CameraViewMath::fitZoom(CameraViewMath::geometrySize(view->geometry()),
                                                               QSizeF(320, 240), 0));
}

void TestCameraThread::zoomButtonsWheelAndOriginalSize()
{
    auto *menu = m_cell->findChild<QMenu *>();
    QVERIFY(menu != nullptr);
    const QList<QAction *> actions = menu->actions();
    QCOMPARE(actions.size(), 6);
    QStringList texts;
    for (int i = 0; i < 5; ++i)
        texts << actions.at(i)->text();
    QCOMPARE(texts,
             QStringList({QStringLiteral("关闭"), QStringLiteral("全屏/窗口"), QStringLiteral("自适应"),
                          QStringLiteral("原比例"), QStringLiteral("直方图")}));
    auto *zoomRow = qobject_cast<QWidgetAction *>(actions.at(5));
    QVERIFY(zoomRow != nullptr);
    const QList<QPushButton *> buttons = zoomRow->defaultWidget()->findChildren<QPushButton *>();
    QCOMPARE(buttons.size(), 2);
    QPushButton *zoomOut = buttons.at(0);
    QPushButton *zoomIn = buttons.at(1);

    // Without a camera the buttons do nothing.
    zoomIn->click();
    QCOMPARE(m_cell->zoomFactor(), 1.0);

    QVERIFY(m_cell->attachCamera(SerialA));
    QTRY_VERIFY_WITH_TIMEOUT(m_cell->grabber()->deliveredFrames() > 0, 5000);
    actions.at(3)->trigger(); // 原比例
    QCOMPARE(m_cell->zoomFactor(), 1.0);
    zoomIn->click();
    zoomIn->click();
    QVERIFY(qFuzzyCompare(m_cell->zoomFactor(), 1.2));
    for (int i = 0; i < 20; ++i)
        zoomOut->click();
    QCOMPARE(m_cell->zoomFactor(), 0.1);

    // The wheel zooms by 0.01 and keeps the scene point under the cursor.
    actions.at(3)->trigger();
    for (int i = 0; i < 10; ++i)
        zoomIn->click(); // 2.0: the picture is larger than the view
    auto *view = child<QGraphicsView>(m_cell, "graphicsView");
    const QPoint cursor(view->viewport()->width() / 3, view->viewport()->height() / 3);
    const QPointF before = view->mapToScene(cursor);
    const double zoomBefore = m_cell->zoomFactor();
    QWheelEvent wheel(QPointF(cursor), QPointF(view->viewport()->mapToGlobal(cursor)), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view->viewport(), &wheel);
    QVERIFY(qFuzzyCompare(m_cell->zoomFactor(), zoomBefore + 0.01));
    const QPointF after = view->mapToScene(cursor);
    QVERIFY2(
        QLineF(before, after).length() < 1.5,
        qPrintable(
            QStringLiteral("%1,%2 -> %3,%4").arg(before.x()).arg(before.y()).arg(after.x()).arg(after.y())));

    actions.at(3)->trigger();
    QCOMPARE(m_cell->zoomFactor(), 1.0);
    QCOMPARE(view->transform(), QTransform());
}

void TestCameraThread::navigationRectangleFollowsAndDrives()
{
    QVERIFY(m_cell->attachCamera(SerialA));
    QTRY_VERIFY_WITH_TIMEOUT(m_cell->grabber()->deliveredFrames() > 0, 5000);
    auto *panel = child<QWidget>(m_cell, "widget_Navigation");
    auto *thumbnail = child<QGraphicsView>(m_cell, "graphicsView_Navigation");
    auto *rect = child<QLabel>(m_cell, "label_displayWindow");
    QVERIFY(panel->isHidden());
    QTest::mouseClick(child<QPushButton>(m_cell, "pushButton_navigation"), Qt::LeftButton);
    QVERIFY(panel->isVisible());

    // Fitted: the whole picture is visible and the rectangle covers the thumbnail.
    m_cell->fullScreenZoom();
    m_cell->navigationWidgetZoom();
    const QSize thumb = CameraViewMath::geometrySize(thumbnail->geometry());
    QCOMPARE(rect->geometry(), QRect(QPoint(0, 0), thumb));

    // Zoomed in: a smaller rectangle, dragged within the thumbnail.
    m_cell->findChild<QMenu *>()->actions().at(3)->trigger();
    auto *zoomIn = qobject_cast<QWidgetAction *>(m_cell->findChild<QMenu *>()->actions().at(5))
                       ->defaultWidget()
                       ->findChildren<QPushButton *>()
                       .at(1);
    for (int i = 0; i < 20; ++i)
        zoomIn->click(); // 3.0
    m_cell->navigationWidgetZoom();
    QVERIFY(rect->width() < thumb.width() && rect->height() < thumb.height());

    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(rect, &enter);
    rect->move(0, 0);
    const QPoint start = rect->mapToGlobal(QPoint(2, 2));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(start), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(rect, &press);
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 4), QPointF(start + QPoint(3, 2)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(rect, &move);
    QCOMPARE(rect->pos(), QPoint(3, 2));
    // The picture shows the part the rectangle now marks.
    auto *view = child<QGraphicsView>(m_cell, "graphicsView");
    const QPointF shown = view->mapToScene(0, 0);
    QVERIFY2(qAbs(shown.x() - 3 * 320.0 / thumb.width()) < 2 &&
                 qAbs(shown.y() - 2 * 240.0 / thumb.height()) < 2,
             qPrintable(QStringLiteral("%1,%2").arg(shown.x()).arg(shown.y())));
    // While the cursor rests on it, painting does not move it back.
    m_cell->repaint();
    QCOMPARE(rect->pos(), QPoint(3, 2));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(rect, &leave);
}

void TestCameraThread::draggingThePicturePans()
{
    QVERIFY(m_cell->attachCamera(SerialA));
    QTRY_VERIFY_WITH_TIMEOUT(m_cell->grabber()->deliveredFrames() > 0, 5000);
    auto *view = child<QGraphicsView>(m_cell, "graphicsView");
    QWidget *viewport = view->viewport();
    m_cell->findChild<QMenu *>()->actions().at(3)->trigger();
    auto *zoomIn = qobject_cast<QWidgetAction *>(m_cell->findChild<QMenu *>()->actions().at(5))
                       ->defaultWidget()
                       ->findChildren<QPushButton *>()
                       .at(1);
    for (int i = 0; i < 20; ++i)
        zoomIn->click(); // 3.0: room to pan both ways
    view->centerOn(160, 120);
    const int h = view->horizontalScrollBar()->value();
    const int v = view->verticalScrollBar()->value();

    const QPoint start(viewport->width() / 2, viewport->height() / 2);
    auto send = [viewport](QEvent::Type type, const QPoint &pos, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(pos), QPointF(viewport->mapToGlobal(pos)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &event);
    };
    // A hover without a button must not pan.
    send(QEvent::MouseMove, start + QPoint(15, 15), Qt::NoButton);
    QCOMPARE(view->horizontalScrollBar()->value(), h);

    send(QEvent::MouseButtonPress, start, Qt::LeftButton);
    send(QEvent::MouseMove, start + QPoint(-30, -20), Qt::LeftButton);
    send(QEvent::MouseMove, start + QPoint(-40, -25), Qt::LeftButton);
    send(QEvent::MouseButtonRelease, start + QPoint(-40, -25), Qt::NoButton);
    // The picture follows the cursor: dragging left and up scrolls right and down.
    QCOMPARE(view->horizontalScrollBar()->value(), h + 40);
    QCOMPARE(view->verticalScrollBar()->value(), v + 25);
}

void TestCameraThread::dropsOpenCamerasAndSwapCells()
{
    m_cell->setPostionInGridLayout(1, 2, 1, 1);
    int fromRow = -1, fromColumn = -1, toRow = -1, toColumn = -1;
    connect(m_cell, &CameraThread::windowMoving, this, [&](int &r, int &c, int &tr, int &tc) {
        fromRow = r;
        fromColumn = c;
        toRow = tr;
        toColumn = tc;
    });
    QSignalSpy opened(m_cell, &CameraThread::cameraOpen);

    auto drop = [this](QMimeData *data) {
        // A drop reaches only the widget that accepted the drag's entry.
        QDragEnterEvent enter(QPoint(5, 5), Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_cell, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent event(QPointF(5, 5), Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_cell, &event);
    };

    QMimeData swap;
    swap.setData(QStringLiteral("ROW"), "0");
    swap.setData(QStringLiteral("COLUMN"), "1");
    drop(&swap);
    QCOMPARE(QVector<int>({fromRow, fromColumn, toRow, toColumn}), QVector<int>({0, 1, 1, 2}));

    // Garbage positions from a foreign drag are ignored.
    fromRow = -1;
    QMimeData garbage;
    garbage.setData(QStringLiteral("ROW"), "x");
    drop(&garbage);
    QCOMPARE(fromRow, -1);

    QMimeData serial;
    serial.setData(QStringLiteral("INFO"), SerialA.toLocal8Bit());
    drop(&serial);
    QCOMPARE(opened.count(), 1);
    QVERIFY(m_cell->isMyAttachCamera(SerialA));
}

void TestCameraThread::sceneDropCarriesTheSerial()
{
    CustomGraphicsScene scene;
    QSignalSpy open(&scene, &CustomGraphicsScene::openCamera);

    const QString unusual = QStringLiteral("SN-ä-01");
    QMimeData withSerial;
    QByteArray bytes = unusual.toLocal8Bit();
    bytes.append('\0').append("tail");
    withSerial.setData(QStringLiteral("INFO"), bytes);
    QMimeData other;
    other.setData(QStringLiteral("text/plain"), "x");

    QGraphicsSceneDragDropEvent enter(QEvent::GraphicsSceneDragEnter);
    enter.setMimeData(&other);
    QCoreApplication::sendEvent(&scene, &enter);
    QVERIFY(!enter.isAccepted());
    enter.setMimeData(&withSerial);
    QCoreApplication::sendEvent(&scene, &enter);
    QVERIFY(enter.isAccepted());

    QGraphicsSceneDragDropEvent dropOther(QEvent::GraphicsSceneDrop);
    dropOther.setMimeData(&other);
    QCoreApplication::sendEvent(&scene, &dropOther);
    QVERIFY(dropOther.isAccepted());
    QCOMPARE(open.count(), 0);

    QGraphicsSceneDragDropEvent dropSerial(QEvent::GraphicsSceneDrop);
    dropSerial.setMimeData(&withSerial);
    QCoreApplication::sendEvent(&scene, &dropSerial);
    QCOMPARE(open.count(), 1);
    QCOMPARE(open.at(0).at(0).toString(), unusual);
}

void TestCameraThread::buttonBarFollowsTheCursor()
{
    QVERIFY(m_cell->attachCamera(SerialA));
    auto *view = child<QGraphicsView>(m_cell, "graphicsView");
    auto *bar = child<QWidget>(m_cell, "widget");
    QCursor::setPos(view->mapToGlobal(QPoint(view->width() / 2, view->height() / 4)));
    QTRY_VERIFY_WITH_TIMEOUT(bar->isHidden(), 1000);
    QCursor::setPos(view->mapToGlobal(QPoint(view->width() / 2, view->height() * 3 / 4)));
    QTRY_VERIFY_WITH_TIMEOUT(bar->isVisible(), 1000);
    QCursor::setPos(m_cell->mapToGlobal(QPoint(m_cell->width() + 50, 10)));
    QTRY_VERIFY_WITH_TIMEOUT(bar->isHidden(), 1000);
    // Away, the cell stops asking where the cursor is; coming back wakes it.
    QTest::qWait(3 * CameraThread::ButtonBarIntervalMs);
    QCursor::setPos(view->mapToGlobal(QPoint(view->width() / 2, view->height() * 3 / 4)));
    QTRY_VERIFY_WITH_TIMEOUT(bar->isVisible(), 1000);
}

void TestCameraThread::fullScreenNeedsACamera()
{
    QSignalSpy enter(m_cell, &CameraThread::enterFullScreen);
    QSignalSpy exit(m_cell, &CameraThread::exitFullScreen);
    auto *button = child<QPushButton>(m_cell, "pushButton_screenzoom");
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(enter.count(), 0);
    QVERIFY(!m_cell->isFullScreen());

    QVERIFY(m_cell->attachCamera(SerialA));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(enter.count(), 1);
    QVERIFY(m_cell->isWindow());
    QTRY_VERIFY(m_cell->isFullScreen());
    QTest::mouseClick(child<QPushButton>(m_cell, "pushButton_screenzoom"), Qt::LeftButton);
    QCOMPARE(exit.count(), 1);
    QVERIFY(!m_cell->isFullScreen());
}

void TestCameraThread::languageChangeKeepsTheCameraName()
{
    QVERIFY(m_cell->attachCamera(SerialA));
    m_cell->updateLanguage();
    QCOMPARE(m_cell->windowTitle(), NameA);
    QCOMPARE(child<QPushButton>(m_cell, "pushButton_open")->toolTip(), QStringLiteral("播放/暂停"));
    m_cell->cameraStop();
    m_cell->updateLanguage();
    QVERIFY(m_cell->windowTitle().isEmpty());
}

void TestCameraThread::zoomTo(double zoom)
{
    m_cell->findChild<QMenu *>()->actions().at(3)->trigger(); // 原比例
    auto *zoomIn = qobject_cast<QWidgetAction *>(m_cell->findChild<QMenu *>()->actions().at(5))
                       ->defaultWidget()
                       ->findChildren<QPushButton *>()
                       .at(1);
    while (m_cell->zoomFactor() < zoom - 0.05)
        zoomIn->click();
}

void TestCameraThread::secondStopDuringTheWaitIsTheSameStop()
{
    // A second stop that is served while the first one waits for the
    // grabber (a second click, the context menu, a layout change) must not
    // close the camera under the running grabber.
    for (int round = 0; round < 3; ++round) {
        QVERIFY(m_cell->attachCamera(SerialA));
        QTRY_VERIFY_WITH_TIMEOUT(m_cell->grabber()->deliveredFrames() > 1, 5000);
        VexoSimTraceClear();
        VexoSimTraceEnable(1);
        QMetaObject::invokeMethod(
            m_cell, [this] { m_cell->cameraStop(); }, Qt::QueuedConnection);
        // Busy long enough for the grabber to block in a frame delivery
        // queued behind the second stop.
        QThread::msleep(150);
        m_cell->cameraStop();
        QCoreApplication::processEvents();
        VexoSimTraceEnable(0);
        QVERIFY(!m_cell->isAttachCamera());

        const QStringList lines = traceLines();
        const QString handle = QStringLiteral("(%1").arg(SerialA);
        int pause = -1;
        int unInit = -1;
        for (int i = 0; i < lines.size(); ++i) {
            if (lines.at(i).startsWith(QStringLiteral("CameraPause") + handle))
                pause = i;
            if (lines.at(i).startsWith(QStringLiteral("CameraUnInit") + handle))
                unInit = unInit < 0 ? i : -2;
        }
        QVERIFY2(unInit >= 0, qPrintable(lines.join(QLatin1Char('\n'))));
        // The grabber's last call comes before the camera is closed, and
        // nothing touches the handle afterwards.
        QVERIFY2(pause >= 0 && pause < unInit, qPrintable(lines.join(QLatin1Char('\n'))));
        for (int i = unInit + 1; i < lines.size(); ++i)
            QVERIFY2(!lines.at(i).contains(QStringLiteral("(invalid")), qPrintable(lines.at(i)));
    }
}

void TestCameraThread::wheelKeepsThePointUnderTheCursor()
{
    QVERIFY(m_cell->attachCamera(SerialA));
    QTRY_VERIFY_WITH_TIMEOUT(m_cell->grabber()->deliveredFrames() > 0, 5000);
    auto *view = child<QGraphicsView>(m_cell, "graphicsView");
    QWidget *viewport = view->viewport();
    zoomTo(3.0);
    // Panned away from the top-left corner first, as a user would.
    view->centerOn(200, 150);
    const QPoint mark(viewport->width() * 2 / 3, viewport->height() / 3);
    const QPointF marked = view->mapToScene(mark);

    auto wheel = [&](int delta) {
        QWheelEvent event(QPointF(mark), QPointF(viewport->mapToGlobal(mark)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(viewport, &event);
        QCoreApplication::processEvents();
    };
    auto stays = [&](const char *when) {
        QVERIFY2((view->mapFromScene(marked) - mark).manhattanLength() <= 2, when);
    };
    for (int i = 0; i < 8; ++i)
        wheel(120);
    stays("zooming in");
    for (int i = 0; i < 5; ++i)
        wheel(-120);
    stays("zooming out");

    // A right press opens the context menu, which takes the release; the
    // view replays that press as a move after every scroll. Neither may pan.
    QMouseEvent rightPress(QEvent::MouseButtonPress, QPointF(mark), QPointF(viewport->mapToGlobal(mark)),
                           Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &rightPress);
    if (QWidget *menu = QApplication::activePopupWidget())
        menu->close();
    const QPoint aside = mark + QPoint(-25, 15);
    QMouseEvent hover(QEvent::MouseMove, QPointF(aside), QPointF(viewport->mapToGlobal(aside)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &hover);
    stays("hovering after a right click");
    for (int i = 0; i < 4; ++i)
        wheel(120);
    stays("zooming after a right click");

    // The zoom buttons keep the view's centre.
    const QPoint centre = viewport->rect().center();
    const QPointF centred = view->mapToScene(centre);
    auto *zoomOut = qobject_cast<QWidgetAction *>(m_cell->findChild<QMenu *>()->actions().at(5))
                        ->defaultWidget()
                        ->findChildren<QPushButton *>()
                        .at(0);
    zoomOut->click();
    QVERIFY((view->mapFromScene(centred) - centre).manhattanLength() <= 2);
}

void TestCameraThread::draggingTheNavigationRectanglePansOnly()
{
    QVERIFY(m_cell->attachCamera(SerialA));
    QTRY_VERIFY_WITH_TIMEOUT(m_cell->grabber()->deliveredFrames() > 0, 5000);
    QTest::mouseClick(child<QPushButton>(m_cell, "pushButton_navigation"), Qt::LeftButton);
    auto *thumbnail = child<QGraphicsView>(m_cell, "graphicsView_Navigation");
    auto *rect = child<QLabel>(m_cell, "label_displayWindow");
    auto *view = child<QGraphicsView>(m_cell, "graphicsView");
    zoomTo(3.0);
    view->centerOn(0, 0);
    m_cell->navigationWidgetZoom();
    QCOMPARE(rect->pos(), QPoint(0, 0));

    // The rectangle frames the thumbnail without hiding it.
    QCOMPARE(rect->grab().toImage().pixelColor(rect->rect().center()).alpha(), 0);

    // Whatever the rectangle does not take reaches the cell, which would
    // start dragging the whole cell: count (and swallow) what gets there.
    struct CellMouse : QObject
    {
        QObject *cell;
        int seen = 0;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (watched == cell &&
                (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove)) {
                ++seen;
                return true;
            }
            return false;
        }
    } cellMouse;
    cellMouse.cell = m_cell;
    m_cell->installEventFilter(&cellMouse);

    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(rect, &enter);
    const QPoint start = rect->mapToGlobal(QPoint(3, 3));
    auto send = [rect](QEvent::Type type, const QPoint &global, Qt::MouseButton button,
                       Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(rect->mapFromGlobal(global)), QPointF(global), button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(rect, &event);
    };
    send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    for (int step = 1; step <= 4; ++step)
        send(QEvent::MouseMove, start + QPoint(3 * step, 2 * step), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, start + QPoint(12, 8), Qt::LeftButton, Qt::NoButton);
    m_cell->removeEventFilter(&cellMouse);
    QCOMPARE(cellMouse.seen, 0);

    QCOMPARE(rect->pos(), QPoint(12, 8));
    const QSize thumb = CameraViewMath::geometrySize(thumbnail->geometry());
    const QPointF shown = view->mapToScene(0, 0);
    QVERIFY2(qAbs(shown.x() - 12 * 320.0 / thumb.width()) < 1.5 &&
                 qAbs(shown.y() - 8 * 240.0 / thumb.height()) < 1.5,
             qPrintable(QStringLiteral("%1,%2").arg(shown.x()).arg(shown.y())));
    // Frames keep arriving without moving the picture back.
    const int delivered = m_cell->grabber()->deliveredFrames();
    QTRY_VERIFY_WITH_TIMEOUT(m_cell->grabber()->deliveredFrames() > delivered + 2, 5000);
    QVERIFY(QLineF(view->mapToScene(0, 0), shown).length() < 1.0);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(rect, &leave);
}

void TestCameraThread::fittedPictureStaysWholeUnderAGrowingStatusLine()
{
    // So narrow that the status line takes three lines or more.
    m_cell->resize(190, 360);
    QVERIFY(m_cell->attachCamera(SerialA));
    auto *view = child<QGraphicsView>(m_cell, "graphicsView");
    auto pictureIsWhole = [&](const char *when) {
        QCoreApplication::processEvents();
        const QRect picture = view->mapFromScene(QRectF(0, 0, 320, 240)).boundingRect();
        QVERIFY2(view->viewport()->rect().adjusted(-1, -1, 1, 1).contains(picture), when);
    };
    QTRY_VERIFY_WITH_TIMEOUT(statusText().startsWith(QStringLiteral("分辨率")), 5000);
    QVERIFY(statusLabel()->height() >= 3 * statusLabel()->fontMetrics().lineSpacing());
    pictureIsWhole("first report");

    // The status line grows under a fitted picture (here: a larger font; a
    // language switch does the same) and the view shrinks without the cell.
    const QFont original = statusLabel()->font();
    QFont larger = original;
    larger.setPointSizeF(larger.pointSizeF() * 1.3);
    statusLabel()->setFont(larger);
    const QString before = statusLabel()->text();
    QTRY_VERIFY_WITH_TIMEOUT(statusLabel()->text() != before, 3000);
    pictureIsWhole("grown status line");

    // The rates change every second; the picture's height does not, and
    // lines break only between fields.
    const int height = view->height();
    const QRegularExpression field(
        QStringLiteral("^(分辨率: \\d+x\\d+|获取帧率: [0-9.]+|显示帧率: [0-9.]+|"
                       "图像数：\\d+|缩放比例：\\d+%|丢帧: \\d+|不完整帧: \\d+)$"));
    for (int report = 0; report < 2; ++report) {
        const QString shown = statusLabel()->text();
        QTRY_VERIFY_WITH_TIMEOUT(statusLabel()->text() != shown, 3000);
        QCOMPARE(view->height(), height);
        for (const QString &line : statusLabel()->text().split(QLatin1Char('\n'))) {
            for (const QString &part : line.split(QStringLiteral(" | ")))
                QVERIFY2(field.match(part).hasMatch(), qPrintable(line));
        }
    }

    // A zoom the user chose stays when the status line takes fewer lines.
    const QPoint at(40, 40);
    QWheelEvent wheel(QPointF(at), QPointF(view->viewport()->mapToGlobal(at)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(view->viewport(), &wheel);
    const double zoomed = m_cell->zoomFactor();
    statusLabel()->setFont(original);
    QTRY_VERIFY_WITH_TIMEOUT(view->height() != height, 3000);
    QCOMPARE(m_cell->zoomFactor(), zoomed);
}

void TestCameraThread::viewPaintsEveryPixelItShows()
{
    // Nothing beneath the picture view is painted for a frame, so the view
    // itself must cover every pixel: the picture, and the cell's colour in
    // the margins. A pixel it leaves keeps what was in the buffer before.
    auto *view = child<QGraphicsView>(m_cell, "graphicsView");
    QVERIFY(view->viewport()->testAttribute(Qt::WA_OpaquePaintEvent));
    const QColor stale(7, 249, 13);
    const QColor cellColour(222, 240, 255);
    auto check = [&](const char *when, bool margins) {
        QCoreApplication::processEvents();
        QImage shown(view->viewport()->size(), QImage::Format_RGB32);
        shown.fill(stale);
        view->viewport()->render(&shown, QPoint(), QRegion(), QWidget::RenderFlags());
        int left = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x)
                left += shown.pixelColor(x, y) == stale ? 1 : 0;
        }
        QVERIFY2(left == 0, qPrintable(QStringLiteral("%1: %2 pixels unpainted").arg(when).arg(left)));
        QCOMPARE(shown.pixelColor(0, 0) == cellColour, margins);
    };
    check("idle", true);
    QVERIFY(m_cell->attachCamera(SerialA));
    QTRY_VERIFY_WITH_TIMEOUT(m_cell->grabber()->deliveredFrames() > 2, 5000);
    check("fitted", true);
    zoomTo(3.0);
    QTRY_VERIFY_WITH_TIMEOUT(m_cell->grabber()->deliveredFrames() > 6, 5000);
    check("zoomed in", false);
    m_cell->findChild<QMenu *>()->actions().at(3)->trigger(); // 原比例: smaller than the view
    m_cell->resize(700, 600);
    QTRY_VERIFY_WITH_TIMEOUT(m_cell->grabber()->deliveredFrames() > 10, 5000);
    check("original size", true);
}

void TestCameraThread::navigationPanelFitsSmallCells()
{
    QVERIFY(m_cell->attachCamera(SerialA));
    auto *panel = child<QWidget>(m_cell, "widget_Navigation");
    auto *tabs = child<QTabWidget>(m_cell, "tabWidget");
    auto *bar = child<QWidget>(m_cell, "widget");
    auto *view = child<QGraphicsView>(m_cell, "graphicsView");
    QTest::mouseClick(child<QPushButton>(m_cell, "pushButton_navigation"), Qt::LeftButton);

    // A cell of the nine-cell grid, one of a small window, one too small.
    const struct
    {
        QSize cell;
        bool shown;
    } cases[] = {
        {QSize(300, 240), true}, {QSize(210, 190), true}, {QSize(120, 110), false}, {QSize(400, 340), true}};
    for (const auto &c : cases) {
        m_cell->resize(c.cell);
        QTRY_COMPARE(panel->isVisible(), c.shown);
        if (!c.shown)
            continue;
        m_cell->repaint();
        const QString where = QStringLiteral("%1x%2").arg(c.cell.width()).arg(c.cell.height());
        // The whole tab title is shown, not scroll arrows.
        QVERIFY2(tabs->tabBar()->tabRect(0).width() >
                     tabs->tabBar()->fontMetrics().horizontalAdvance(tabs->tabBar()->tabText(0)),
                 qPrintable(where));
        QVERIFY2(tabs->tabBar()->findChildren<QToolButton *>().isEmpty() ||
                     !tabs->tabBar()->findChildren<QToolButton *>().first()->isVisible(),
                 qPrintable(where));
        QVERIFY2(QRect(QPoint(0, 0), view->size()).contains(panel->geometry()), qPrintable(where));
        // The button bar stays off the panel.
        QVERIFY2(!bar->geometry().intersects(panel->geometry()), qPrintable(where));
    }
}

void TestCameraThread::heldHotkeyActsOnce_data()
{
    // Key events of the play/pause hotkey at the picture view, which holds
    // the focus: P a press, R a press flagged as a repeat, U a release, F the
    // focus leaving for another window (a dialog), which takes the release.
    QTest::addColumn<QString>("events");
    QTest::addColumn<int>("toggles");
    QTest::newRow("one stroke") << "P U" << 1;
    QTest::newRow("held, repeats flagged") << "P R R R U" << 1;
    QTest::newRow("held, repeats not flagged") << "P P P U" << 1;
    QTest::newRow("two strokes") << "P U P U" << 2;
    QTest::newRow("release lost to another window") << "P F P U" << 2;
}

void TestCameraThread::heldHotkeyActsOnce()
{
    QFETCH(QString, events);
    QFETCH(int, toggles);
    QVERIFY(m_cell->attachCamera(SerialA));
    const QKeySequence hotkey(ConfigParameter::getInstance()->getHotkeyParameter()->onoff);
    QCOMPARE(hotkey.count(), 1);
    const auto key = Qt::Key(hotkey[0] & ~int(Qt::KeyboardModifierMask));
    const auto modifiers = Qt::KeyboardModifiers(hotkey[0] & int(Qt::KeyboardModifierMask));
    auto *view = child<QGraphicsView>(m_cell, "graphicsView");
    int toggled = 0;
    bool streaming = m_cell->grabber()->isStreaming();
    for (const QString &event : events.split(QLatin1Char(' '))) {
        if (event == QLatin1String("F")) {
            QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
            QApplication::sendEvent(view, &out);
            continue;
        }
        const QEvent::Type type = event == QLatin1String("U") ? QEvent::KeyRelease : QEvent::KeyPress;
        QKeyEvent keyEvent(type, key, modifiers, QString(), event == QLatin1String("R"));
        QApplication::sendEvent(view, &keyEvent);
        if (m_cell->grabber()->isStreaming() != streaming) {
            streaming = !streaming;
            ++toggled;
        }
    }
    QCOMPARE(toggled, toggles);
}

VEXO_QTEST_MAIN(TestCameraThread)
#include "tst_camerathread.moc"
