// The display cell on simulated cameras: opening and its failures, the
// status line, pause, stopping (also with a delivery pending or the camera
// lost), a lost camera and its return, fitting, zoom, navigation, drops and
// the button bar.

#include "cameraconnection.h"
#include "camerathread.h"
#include "cameraviewmath.h"
#include "customgraphicsscene.h"
#include "modalhelper.h"
#include "slotwarningguard.h"

#include "VexoCameraSDK.h"
#include "VexoCameraSim.h"

#include <QGraphicsSceneDragDropEvent>
#include <QGraphicsView>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QWidgetAction>
#include <QtTest>

namespace {

const QString SerialA = QStringLiteral("SIM-VIEW-0001");
const QString SerialB = QStringLiteral("SIM-VIEW-0002");
const QString NameA = QStringLiteral("View camera A");

QStringList traceLines()
{
    QStringList lines;
    char buffer[512];
    for (int i = 0; i < VexoSimTraceCount(); ++i) {
        if (VexoSimTraceLine(i, buffer, sizeof buffer) == CAMERA_STATUS_SUCCESS)
            lines << QString::fromLatin1(buffer);
    }
    return lines;
}

int countCalls(const QStringList &lines, const QString &prefix)
{
    int n = 0;
    for (const QString &line : lines)
        n += line.startsWith(prefix) ? 1 : 0;
    return n;
}

template<typename T>
T *child(QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (found == nullptr)
        qFatal("missing form object %s", name);
    return found;
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
    void lostCameraIsShownUntilItsFramesReturn();
    void firstFrameFitsOnlyOnce();
    void zoomButtonsWheelAndOriginalSize();
    void navigationRectangleFollowsAndDrives();
    void draggingThePicturePans();
    void dropsOpenCamerasAndSwapCells();
    void sceneDropCarriesTheSerial();
    void buttonBarFollowsTheCursor();
    void fullScreenNeedsACamera();
    void languageChangeKeepsTheCameraName();

private:
    CameraThread *makeCell();
    QLabel *statusLabel() { return child<QLabel>(m_cell, "label_camerainfo"); }

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
                                                 "([0-9.]+) \\| 图像数：(\\d+) \\| 缩放比例：(\\d+)%$"));
    QTRY_VERIFY_WITH_TIMEOUT(line.match(statusLabel()->text()).hasMatch(), 5000);
    const QRegularExpressionMatch match = line.match(statusLabel()->text());
    QCOMPARE(match.captured(4).toInt(), CameraViewMath::zoomPercent(320, 240, m_cell->zoomFactor()));
    QVERIFY(m_cell->lastCaptureRate() > 0);

    auto *play = child<QPushButton>(m_cell, "pushButton_open");
    QTest::mouseClick(play, Qt::LeftButton);
    QVERIFY(!m_cell->grabber()->isStreaming());
    QCOMPARE(statusLabel()->text(), QStringLiteral("相机已进入暂停，不再接收来自相机的图像数据"));
    const int delivered = m_cell->grabber()->deliveredFrames();

    QTest::mouseClick(play, Qt::LeftButton);
    QVERIFY(m_cell->grabber()->isStreaming());
    QTRY_VERIFY_WITH_TIMEOUT(line.match(statusLabel()->text()).hasMatch(), 5000);
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

void TestCameraThread::lostCameraIsShownUntilItsFramesReturn()
{
    const QByteArray serial = SerialA.toLatin1();
    QVERIFY(m_cell->attachCamera(SerialA));
    QTRY_VERIFY_WITH_TIMEOUT(statusLabel()->text().contains(QStringLiteral("显示帧率: 2")) ||
                                 statusLabel()->text().contains(QStringLiteral("显示帧率: 3")),
                             5000);
    QSignalSpy lost(m_cell, &CameraThread::cameraLost);
    const QString notice = QStringLiteral("相机已断开，正在重新连接…");

    // Gone: the frozen picture is covered, the status line says why, even
    // after the next rate report.
    QCOMPARE(VexoSimUnplug(serial.constData()), CAMERA_STATUS_SUCCESS);
    QTRY_VERIFY_WITH_TIMEOUT(m_cell->isCameraLost(), 3000);
    QVERIFY(m_cell->connection()->isNoticeShown());
    QCOMPARE(statusLabel()->text(), notice);
    QTest::qWait(1200);
    QCOMPARE(statusLabel()->text(), notice);
    QCOMPARE(lost.count(), 1);
    QCOMPARE(lost.first(), QVariantList({SerialA, true}));

    // Back: the frames move again without a click, and everything goes.
    const int delivered = m_cell->grabber()->deliveredFrames();
    QCOMPARE(VexoSimReplug(serial.constData()), CAMERA_STATUS_SUCCESS);
    QTRY_VERIFY_WITH_TIMEOUT(m_cell->grabber()->deliveredFrames() > delivered + 5, 5000);
    QVERIFY(!m_cell->isCameraLost());
    QVERIFY(!m_cell->connection()->isNoticeShown());
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
    QVERIFY2(closing.elapsed() < 300, qPrintable(QString::number(closing.elapsed())));
    QCOMPARE(closed.count(), 1);
    QVERIFY(!m_cell->isAttachCamera());
    QVERIFY(!m_cell->isCameraLost());
    QVERIFY(!m_cell->connection()->isNoticeShown());
    QVERIFY(statusLabel()->text().isEmpty());
}

void TestCameraThread::firstFrameFitsOnlyOnce()
{
    auto *view = child<QGraphicsView>(m_cell, "graphicsView");
    const QSize viewSize = CameraViewMath::geometrySize(view->geometry());
    QVERIFY(m_cell->attachCamera(SerialA));
    QTRY_VERIFY_WITH_TIMEOUT(m_cell->grabber()->deliveredFrames() > 0, 5000);
    QTRY_COMPARE(m_cell->zoomFactor(), CameraViewMath::fitZoom(viewSize, QSizeF(320, 240), 0));
    QCOMPARE(view->transform(), QTransform::fromScale(m_cell->zoomFactor(), m_cell->zoomFactor()));

    m_cell->cameraStop();
    QCOMPARE(m_cell->zoomFactor(), 1.0);
    // Opened again: the start fits the idle picture, the first frame no longer refits.
    QVERIFY(m_cell->attachCamera(SerialA));
    const double idleFit = m_cell->zoomFactor();
    QTRY_VERIFY_WITH_TIMEOUT(m_cell->grabber()->deliveredFrames() > 3, 5000);
    QCoreApplication::processEvents();
    QCOMPARE(m_cell->zoomFactor(), idleFit);
    QVERIFY(!qFuzzyCompare(idleFit, CameraViewMath::fitZoom(viewSize, QSizeF(320, 240), 0)));

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

VEXO_QTEST_MAIN(TestCameraThread)
#include "tst_camerathread.moc"
