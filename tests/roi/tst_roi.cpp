// The region editor: drag zones, moving and resizing, scaling and rounding
// without a window; then the dialog on a simulated 1280x1024 camera.

#include "formchild.h"
#include "modalhelper.h"
#include "roi/roigeometry.h"
#include "roi/roiwidget.h"
#include "slotwarningguard.h"

#include "VexoCameraSDK.h"
#include "VexoCameraSim.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace RoiGeometry;

namespace {

const char *const Serial = "ROI-CAM-0001";
const QSize Preview(600, 500);

// A press at local followed by moves of the cursor by each delta, all while
// the left button is held, then the release: as a mouse sends them.
void drag(QWidget *target, const QPoint &local, const QVector<QPoint> &deltas, bool release = true)
{
    const QPoint start = target->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, start, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QPoint global = start;
    for (const QPoint &delta : deltas) {
        global += delta;
        QMouseEvent move(QEvent::MouseMove, target->mapFromGlobal(global), global, Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &move);
    }
    if (!release)
        return;
    QMouseEvent up(QEvent::MouseButtonRelease, target->mapFromGlobal(global), global, Qt::LeftButton,
                   Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &up);
}

} // namespace

class TestRoi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void dragZones_data();
    void dragZones();
    void dragRect_data();
    void dragRect();
    void regionScalingAndRounding();

    void editorShowsTheWholeSensor();
    void mouseMovesAndResizesTheRectangle();
    void applyChangesTheLiveResolution();
    void typedRegionIsAlignedBeforeApplying_data();
    void typedRegionIsAlignedBeforeApplying();
    void opensOverItsOwnerOnScreen();
    void failuresShowTheirMessages_data();
    void failuresShowTheirMessages();

private:
    RoiWidget *openEditor();
    template<typename T>
    T *child(const char *name) const
    {
        return ::child<T>(m_editor, name);
    }
    QString text(const char *name) const { return child<QLineEdit>(name)->text(); }
    QRect rect() const { return child<QLabel>("Picture_Rect")->geometry(); }
    QSize outSize() const
    {
        int width = 0;
        int height = 0;
        CameraGetOutImageSize(m_handle, &width, &height);
        return QSize(width, height);
    }

    CameraHandle m_handle = nullptr;
    QPointer<RoiWidget> m_editor;
};

void TestRoi::initTestCase()
{
    vexotest::installSlotWarningGuard();
    QVERIFY2(qEnvironmentVariableIsSet("VEXO_SDK_CAMERAS"), "run through ctest: the camera set is missing");
}

void TestRoi::init()
{
    QCOMPARE(CameraInitEx3(&m_handle, Serial), CAMERA_STATUS_SUCCESS);
    QCOMPARE(CameraPlay(m_handle), CAMERA_STATUS_SUCCESS);
}

void TestRoi::cleanup()
{
    delete m_editor;
    VexoSimClearFailures();
    VexoSimReplug(Serial);
    CameraUnInit(m_handle);
    m_handle = nullptr;
}

RoiWidget *TestRoi::openEditor()
{
    m_editor = RoiWidget::open(m_handle);
    m_editor->setAttribute(Qt::WA_DeleteOnClose, false);
    return m_editor;
}

void TestRoi::dragZones_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("cursor");

    // A 300x250 rectangle with 20-pixel grip bands.
    QTest::newRow("top-left") << QPoint(10, 10) << 5 << int(Qt::SizeFDiagCursor);
    QTest::newRow("left") << QPoint(10, 125) << 2 << int(Qt::SizeHorCursor);
    QTest::newRow("bottom-left") << QPoint(10, 240) << 7 << int(Qt::SizeBDiagCursor);
    QTest::newRow("top") << QPoint(150, 10) << 4 << int(Qt::SizeVerCursor);
    QTest::newRow("inside") << QPoint(150, 125) << 9 << int(Qt::SizeAllCursor);
    QTest::newRow("bottom") << QPoint(150, 240) << 3 << int(Qt::SizeVerCursor);
    QTest::newRow("top-right") << QPoint(290, 10) << 6 << int(Qt::SizeBDiagCursor);
    QTest::newRow("right") << QPoint(290, 125) << 1 << int(Qt::SizeHorCursor);
    QTest::newRow("bottom-right") << QPoint(290, 240) << 8 << int(Qt::SizeFDiagCursor);
    // The bands' inner borders belong to the middle.
    QTest::newRow("inner corner top-left") << QPoint(20, 20) << 9 << int(Qt::SizeAllCursor);
    QTest::newRow("inner corner bottom-right") << QPoint(280, 230) << 9 << int(Qt::SizeAllCursor);
    QTest::newRow("just past it") << QPoint(281, 231) << 8 << int(Qt::SizeFDiagCursor);
}

void TestRoi::dragZones()
{
    QFETCH(QPoint, point);
    QFETCH(int, zone);
    QFETCH(int, cursor);
    QCOMPARE(dragZone(point, QSize(300, 250)), zone);
    QCOMPARE(int(zoneCursor(zone)), cursor);
}

void TestRoi::dragRect_data()
{
    QTest::addColumn<int>("zone");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QRect>("expected");

    // From the initial rectangle (150, 125, 300, 250) in a 600x500 preview.
    QTest::newRow("move") << 9 << QPoint(20, -30) << QRect(170, 95, 300, 250);
    QTest::newRow("move stops at 0") << 9 << QPoint(-500, -500) << QRect(0, 0, 300, 250);
    QTest::newRow("move stops at the far edge") << 9 << QPoint(500, 500) << QRect(300, 250, 300, 250);
    QTest::newRow("top-left corner") << 5 << QPoint(-30, -20) << QRect(120, 105, 330, 270);
    QTest::newRow("bottom-right corner") << 8 << QPoint(30, 20) << QRect(150, 125, 330, 270);
    QTest::newRow("left edge keeps the right one") << 2 << QPoint(40, 99) << QRect(190, 125, 260, 250);
    QTest::newRow("top edge keeps the bottom one") << 4 << QPoint(99, 40) << QRect(150, 165, 300, 210);
    // The rectangle stays inside the preview and at least 10 x 4 (the
    // minimum given below), so its corners never cross.
    QTest::newRow("resizing stops at the preview") << 1 << QPoint(400, 0) << QRect(150, 125, 450, 250);
    QTest::newRow("corner stops at the preview") << 5 << QPoint(-500, -500) << QRect(0, 0, 450, 375);
    QTest::newRow("left edge past the right: minimum") << 2 << QPoint(400, 0) << QRect(440, 125, 10, 250);
    QTest::newRow("bottom edge past the top: minimum") << 3 << QPoint(0, -400) << QRect(150, 125, 300, 4);
    QTest::newRow("corner across the opposite one") << 8 << QPoint(-900, -900) << QRect(150, 125, 10, 4);
}

void TestRoi::dragRect()
{
    QFETCH(int, zone);
    QFETCH(QPoint, delta);
    QFETCH(QRect, expected);
    QCOMPARE(RoiGeometry::dragRect(InitialRect, zone, delta, Preview, QSize(10, 4)), expected);
}

void TestRoi::regionScalingAndRounding()
{
    // A 1280x1024 sensor in the 600x500 preview.
    const Region initial = toCamera(InitialRect, 1280.0 / 600, 1024.0 / 500);
    QCOMPARE(QRect(initial.hOffset, initial.vOffset, initial.width, initial.height),
             QRect(320, 256, 640, 512));

    const QList<QPair<int, int>> widths = {{641, 672}, {640, 640}, {1, 32}, {0, 0}, {-5, -5}};
    for (const auto &w : widths)
        QCOMPARE(roundUpWidth(w.first), w.second);
    const QList<QPair<int, int>> heights = {{511, 512}, {512, 512}, {1, 2}, {0, 0}};
    for (const auto &h : heights)
        QCOMPARE(roundUpHeight(h.first), h.second);

    stImageResolution preset{};
    preset.iIndex = 3;
    qstrcpy(preset.acDescription, "1280x1024");
    preset.uSkipMode = 7;
    preset.iWidthZoomSw = 99;
    const stImageResolution custom = customResolution(preset, Region{321, 257, 641, 511});
    // Offsets as drawn; the size rounded up, the same on the sensor and out;
    // everything else from the template.
    stImageResolution expected = preset;
    expected.iIndex = CAMERA_RESOLUTION_CUSTOM;
    expected.iHOffsetFOV = 321;
    expected.iVOffsetFOV = 257;
    expected.iWidthFOV = expected.iWidth = 672;
    expected.iHeightFOV = expected.iHeight = 512;
    QVERIFY(memcmp(&custom, &expected, sizeof custom) == 0);
}

void TestRoi::editorShowsTheWholeSensor()
{
    // The camera streams a small region: the still still covers the sensor.
    stImageResolution small{};
    small.iIndex = CAMERA_RESOLUTION_CUSTOM;
    small.iWidthFOV = small.iWidth = 320;
    small.iHeightFOV = small.iHeight = 240;
    QCOMPARE(CameraSetResolutionEx(m_handle, &small), CAMERA_STATUS_SUCCESS);

    openEditor();
    QCOMPARE(m_editor->windowTitle(), QStringLiteral("ROI设置"));
    QVERIFY(!m_editor->testAttribute(Qt::WA_QuitOnClose));
    QCOMPARE(text("lineEdit_maxwidth"), QStringLiteral("1280"));
    QCOMPARE(text("lineEdit_maxheight"), QStringLiteral("1024"));
    QVERIFY(!child<QLabel>("widget_6")->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(outSize(), QSize(320, 240));

    const auto regionTexts = [this] {
        return QStringList{text("lineEdit_Hshift"), text("lineEdit_Vshift"), text("lineEdit_width"),
                           text("lineEdit_height"), text("lineEdit_VShift"), text("lineEdit_HShift")};
    };
    QTRY_COMPARE(regionTexts(), (QStringList{"320", "256", "640", "512", "640", "512"}));

    const QList<QPair<const char *, QRect>> presets = {
        {"pushButton_LeftTop", QRect(0, 0, 300, 250)},
        {"pushButton_RightTop", QRect(300, 0, 300, 250)},
        {"pushButton_LeftBottom", QRect(0, 250, 300, 250)},
        {"pushButton_RightBottom", QRect(300, 250, 300, 250)},
        {"pushButton_max", QRect(0, 0, 600, 500)},
        {"pushButton_center", QRect(150, 125, 300, 250)},
    };
    for (const auto &preset : presets) {
        QTest::mouseClick(child<QPushButton>(preset.first), Qt::LeftButton);
        QCOMPARE(rect(), preset.second);
    }
    QTest::mouseClick(child<QPushButton>("pushButton_max"), Qt::LeftButton);
    QTRY_COMPARE(text("lineEdit_width"), QStringLiteral("1280"));
    QCOMPARE(text("lineEdit_height"), QStringLiteral("1024"));
}

void TestRoi::mouseMovesAndResizesTheRectangle()
{
    openEditor();
    auto *target = child<QLabel>("Picture_Rect");

    // Pressed 10 pixels inside the top-left corner: that corner follows,
    // however far a single move goes.
    drag(target, QPoint(10, 10), {QPoint(-2, -1), QPoint(-38, -24)}, false);
    QCOMPARE(rect(), QRect(110, 100, 340, 275));
    QCOMPARE(m_editor->dragZone(), 5);
    QCOMPARE(m_editor->cursor().shape(), Qt::SizeFDiagCursor);
    drag(target, QPoint(10, 10), {});
    QCOMPARE(m_editor->dragZone(), 0);
    QCOMPARE(m_editor->cursor().shape(), Qt::ArrowCursor);

    // Pressed in the middle: the rectangle moves and stops at the preview's
    // edges, and keeps its size while the cursor goes on past them.
    drag(target, QPoint(150, 125), {QPoint(5, 5), QPoint(900, 900), QPoint(50, 50)});
    QCOMPARE(rect(), QRect(600 - 340, 500 - 275, 340, 275));
    drag(target, QPoint(150, 125), {QPoint(-2000, -2000), QPoint(-50, -50)});
    QCOMPARE(rect(), QRect(0, 0, 340, 275));
}

void TestRoi::applyChangesTheLiveResolution()
{
    openEditor();
    // One preview pixel wider than the initial rectangle: 642 sensor columns,
    // applied as 672.
    drag(child<QLabel>("Picture_Rect"), QPoint(295, 125), {QPoint(1, 0)});
    QCOMPARE(rect().width(), 301);

    ModalAnswer answer;
    QTest::mouseClick(child<QPushButton>("pushButton_setup"), Qt::LeftButton);
    QCOMPARE(answer.count(), 1);
    QCOMPARE(answer.title(), QStringLiteral("提示"));
    QCOMPARE(answer.text(), QStringLiteral("设置成功"));
    QCOMPARE(answer.icon(), QMessageBox::Information);

    stImageResolution current{};
    QCOMPARE(CameraGetResolution(m_handle, &current), CAMERA_STATUS_SUCCESS);
    QCOMPARE(current.iIndex, CAMERA_RESOLUTION_CUSTOM);
    QCOMPARE(current.iHOffsetFOV, 320);
    QCOMPARE(current.iVOffsetFOV, 256);
    QCOMPARE(outSize(), QSize(672, 512));
    // The still taken after applying is the whole sensor again.
    QCOMPARE(text("lineEdit_maxwidth"), QStringLiteral("1280"));
}

void TestRoi::typedRegionIsAlignedBeforeApplying_data()
{
    // Typed offsets and size (x, y, width, height) on the 1280x1024 sensor,
    // and the region the camera gets, shown in the fields before applying.
    QTest::addColumn<QRect>("typed");
    QTest::addColumn<QRect>("applied");
    QTest::newRow("aligned already") << QRect(64, 100, 640, 480) << QRect(64, 100, 640, 480);
    QTest::newRow("width and height rounded up") << QRect(10, 12, 641, 511) << QRect(10, 12, 672, 512);
    QTest::newRow("odd offsets down to the camera's step")
        << QRect(11, 13, 640, 480) << QRect(10, 12, 640, 480);
    QTest::newRow("moved back from the right edge") << QRect(1270, 0, 100, 10) << QRect(1152, 0, 128, 10);
    QTest::newRow("too small") << QRect(0, 0, 1, 1) << QRect(0, 0, 32, 2);
    QTest::newRow("larger than the sensor") << QRect(5, 5, 99999, 99999) << QRect(0, 0, 1280, 1024);
}

void TestRoi::typedRegionIsAlignedBeforeApplying()
{
    QFETCH(QRect, typed);
    QFETCH(QRect, applied);
    openEditor();
    m_editor->activateWindow();
    const QList<QPair<const char *, int>> fields = {{"lineEdit_Hshift", typed.x()},
                                                    {"lineEdit_Vshift", typed.y()},
                                                    {"lineEdit_width", typed.width()},
                                                    {"lineEdit_height", typed.height()}};
    for (const auto &field : fields) {
        auto *edit = child<QLineEdit>(field.first);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QString::number(field.second));
        QTest::keyClick(edit, Qt::Key_Return);
    }
    const Region shown = m_editor->regionToApply();
    QCOMPARE(QRect(shown.hOffset, shown.vOffset, shown.width, shown.height), applied);
    QVERIFY(child<QLabel>("label_applied")
                ->text()
                .contains(QStringLiteral("%1 × %2").arg(applied.width()).arg(applied.height())));
    // The rectangle follows, inside the preview.
    QVERIFY(QRect(0, 0, 600, 500).contains(rect()));

    ModalAnswer answer;
    QTest::mouseClick(child<QPushButton>("pushButton_setup"), Qt::LeftButton);
    QCOMPARE(answer.text(), QStringLiteral("设置成功"));
    stImageResolution current{};
    QCOMPARE(CameraGetResolution(m_handle, &current), CAMERA_STATUS_SUCCESS);
    QCOMPARE(QRect(current.iHOffsetFOV, current.iVOffsetFOV, current.iWidthFOV, current.iHeightFOV), applied);
}

void TestRoi::opensOverItsOwnerOnScreen()
{
    QWidget owner;
    owner.setGeometry(QGuiApplication::primaryScreen()->availableGeometry().adjusted(400, 300, 0, 0));
    owner.show();
    m_editor = RoiWidget::open(m_handle, &owner);
    m_editor->setAttribute(Qt::WA_DeleteOnClose, false);
    QCOMPARE(m_editor->parentWidget(), &owner);
    QVERIFY(m_editor->isWindow());
    QVERIFY(owner.screen()->availableGeometry().contains(m_editor->geometry().topLeft()));
    delete m_editor;
}

void TestRoi::failuresShowTheirMessages_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");

    QTest::newRow("snap times out") << "snap"
                                    << "pushButton_refresh"
                                    << "错误"
                                    << "获取失败，请重新获取";
    QTest::newRow("capability unreadable") << "capability"
                                           << "pushButton_refresh"
                                           << "错误"
                                           << "获取分辨率失败，请重新获取";
    QTest::newRow("no capability to apply with") << "capability"
                                                 << "pushButton_setup"
                                                 << "提示"
                                                 << "设置失败，请重新设置";
    QTest::newRow("unplugged, refresh") << "unplug"
                                        << "pushButton_refresh"
                                        << "错误"
                                        << "获取分辨率失败，请重新获取";
    QTest::newRow("unplugged, apply") << "unplug"
                                      << "pushButton_setup"
                                      << "提示"
                                      << "设置失败，请重新设置";
}

void TestRoi::failuresShowTheirMessages()
{
    QFETCH(QString, fault);
    QFETCH(QString, button);
    QFETCH(QString, title);
    QFETCH(QString, message);

    openEditor();
    const QSize before = outSize();
    {
        // Setting up the fault may already show a box of its own.
        ModalAnswer setup;
        if (fault == QLatin1String("snap")) {
            VexoSimFailNext("CameraSnapToBuffer", CAMERA_STATUS_TIMEOUT, 1);
        } else if (fault == QLatin1String("capability")) {
            VexoSimFailNext("CameraGetCapability", CAMERA_STATUS_FAILED, 1);
            if (button == QLatin1String("pushButton_setup"))
                m_editor->init();
        } else if (fault == QLatin1String("unplug")) {
            QCOMPARE(VexoSimUnplug(Serial), CAMERA_STATUS_SUCCESS);
        }
    }

    ModalAnswer answer;
    QTest::mouseClick(child<QPushButton>(qPrintable(button)), Qt::LeftButton);
    QVERIFY(answer.fired());
    QCOMPARE(answer.title(), title);
    QCOMPARE(answer.text(), message);
    // Nothing the camera refused was applied.
    if (fault != QLatin1String("unplug"))
        QCOMPARE(outSize(), before);
}

VEXO_QTEST_MAIN(TestRoi)
#include "tst_roi.moc"
