// The display cell's arithmetic without a window: zoom steps and bounds,
// status-line numbers and line breaks, the navigation rectangle, overlay
// placement, the thumbnail and the picture made at the size it is shown.

#include "slotwarningguard.h"
#include "stream/displaypicture.h"
#include "view/cameraviewmath.h"
#include "view/heldkeys.h"
#include "view/statusline.h"

#include <QtTest>

using namespace CameraViewMath;

class TestCameraViewMath : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { vexotest::installSlotWarningGuard(); }
    void buttonZoomStepsAndBounds();
    void wheelZoomStepsAndBounds();
    void fitZoomTakesTheTighterAxis();
    void zoomPercent_data();
    void zoomPercent();
    void rateFormatting_data();
    void rateFormatting();
    void statusLineText();
    void linkCountsShowAndWorsen();
    void wholePictureVisibleCoversThumbnail();
    void zoomedRectangleFollowsVisibleArea();
    void draggingStopsOnlyTheBlockedAxis();
    void overlaysFollowTheView();
    void reportLinesBreakOnlyBetweenFields();
    void thumbnailSamplesThePicture();
    void displayPictureIsTheShownSizeSampledLikeTheView();
    void buttonBarFollowsCursorHalf();
    void cellDragNeedsLeftButtonAndDistance();
    void heldKeyActsOnce_data();
    void heldKeyActsOnce();
};

void TestCameraViewMath::buttonZoomStepsAndBounds()
{
    QCOMPARE(zoomOutStep(0.15), 0.1);
    QCOMPARE(zoomOutStep(0.1), 0.1);
    QVERIFY(qFuzzyCompare(zoomOutStep(1.0), 0.9));
    QCOMPARE(zoomInStep(10.0), 10.0);
    QVERIFY(qFuzzyCompare(zoomInStep(1.0), 1.1));
    // Near the top a step is capped instead of passing the bound.
    QCOMPARE(zoomInStep(9.95), 10.0);

    // Walking all the way down and up never leaves [0.1, 10].
    double zoom = 1.0;
    for (int i = 0; i < 50; ++i)
        zoom = zoomOutStep(zoom);
    QCOMPARE(zoom, 0.1);
    for (int i = 0; i < 200; ++i) {
        zoom = zoomInStep(zoom);
        QVERIFY(zoom <= ZoomMax);
    }
    QCOMPARE(zoom, 10.0);
}

void TestCameraViewMath::wheelZoomStepsAndBounds()
{
    QVERIFY(qFuzzyCompare(wheelZoom(1.0, 120), 1.01));
    QVERIFY(qFuzzyCompare(wheelZoom(1.0, -120), 0.99));
    // A delta below 1 (including none) zooms out.
    QVERIFY(qFuzzyCompare(wheelZoom(1.0, 0), 0.99));
    QCOMPARE(wheelZoom(0.015, -120), 0.01);
    QCOMPARE(wheelZoom(10.0, 120), 10.0);
    double zoom = 0.5;
    for (int i = 0; i < 100; ++i)
        zoom = wheelZoom(zoom, -120);
    QCOMPARE(zoom, 0.01);
}

void TestCameraViewMath::fitZoomTakesTheTighterAxis()
{
    QCOMPARE(fitZoom(QSize(400, 300), QSizeF(800, 300), 1.0), 0.5);
    QCOMPARE(fitZoom(QSize(400, 300), QSizeF(400, 600), 1.0), 0.5);
    QCOMPARE(fitZoom(QSize(400, 300), QSizeF(100, 100), 1.0), 3.0);
    // Nothing to fit: the zoom stays instead of becoming infinite.
    QCOMPARE(fitZoom(QSize(400, 300), QSizeF(0, 0), 0.7), 0.7);
    QCOMPARE(fitZoom(QSize(0, 0), QSizeF(640, 480), 0.7), 0.7);
}

void TestCameraViewMath::zoomPercent_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("percent");
    QTest::newRow("double") << 1920 << 1080 << 2.0 << 400;
    QTest::newRow("one") << 640 << 480 << 1.0 << 100;
    QTest::newRow("half") << 640 << 480 << 0.5 << 25;
    QTest::newRow("no size yet") << 0 << 0 << 2.0 << 400;
}

void TestCameraViewMath::zoomPercent()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, zoom);
    QFETCH(int, percent);
    QCOMPARE(CameraViewMath::zoomPercent(width, height, zoom), percent);
}

void TestCameraViewMath::rateFormatting_data()
{
    QTest::addColumn<float>("rate");
    QTest::addColumn<QString>("text");
    QTest::newRow("truncated") << 12.97f << "12.9";
    QTest::newRow("whole") << 30.0f << "30";
    QTest::newRow("one decimal") << 24.9f << "24.9";
    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("high") << 59.99f << "59.9";
}

void TestCameraViewMath::rateFormatting()
{
    QFETCH(float, rate);
    QFETCH(QString, text);
    QCOMPARE(formatRate(rate), text);
}

void TestCameraViewMath::statusLineText()
{
    QCOMPARE(
        statusLine(1920, 1080, 12.97f, 30.0f, 1234, 400),
        QStringLiteral("分辨率: 1920x1080 | 获取帧率: 12.9 | 显示帧率: 30 | 图像数：1234 | 缩放比例：400%"));
}

void TestCameraViewMath::wholePictureVisibleCoversThumbnail()
{
    const NavigationRect nav =
        navigationRect(QSize(400, 300), QSizeF(800, 600), 0.5, QPointF(0, 0), QSize(100, 75));
    QVERIFY(!nav.partial);
    QCOMPARE(nav.rect, QRect(0, 0, 100, 75));
    // An empty scene cannot divide by zero.
    QCOMPARE(navigationRect(QSize(400, 300), QSizeF(), 1.0, QPointF(), QSize(100, 75)).rect,
             QRect(0, 0, 100, 75));
}

void TestCameraViewMath::zoomedRectangleFollowsVisibleArea()
{
    // 800x600 scene at zoom 1 in a 400x300 view, scrolled to (200, 150):
    // a quarter of the picture, in the thumbnail's scale of 1/8.
    const NavigationRect nav =
        navigationRect(QSize(400, 300), QSizeF(800, 600), 1.0, QPointF(200, 150), QSize(100, 75));
    QVERIFY(nav.partial);
    QCOMPARE(nav.scaleX, 0.125);
    QCOMPARE(nav.scaleY, 0.125);
    QCOMPARE(nav.rect, QRect(25, 18, 50, 37));

    // Zoom exceeding only one axis' fit still counts as partial.
    const NavigationRect wide =
        navigationRect(QSize(400, 300), QSizeF(800, 200), 0.6, QPointF(100, 0), QSize(160, 40));
    QVERIFY(wide.partial);
    QCOMPARE(wide.rect.x(), 20);
}

void TestCameraViewMath::draggingStopsOnlyTheBlockedAxis()
{
    const QSize thumb(100, 75);
    const QSize rect(50, 37);
    QCOMPARE(dragNavigationRect(QPoint(10, 10), QPoint(5, 5), rect, thumb), QPoint(15, 15));
    // Past the right edge: x stays, y still follows.
    QCOMPARE(dragNavigationRect(QPoint(45, 10), QPoint(10, 5), rect, thumb), QPoint(45, 15));
    // Past the top: y stays, x still follows.
    QCOMPARE(dragNavigationRect(QPoint(10, 2), QPoint(-4, -5), rect, thumb), QPoint(6, 2));
    // The upper limit is exclusive: position must stay below thumb - size.
    QCOMPARE(dragNavigationRect(QPoint(49, 0), QPoint(1, 0), rect, thumb), QPoint(49, 0));
    QCOMPARE(dragNavigationRect(QPoint(1, 0), QPoint(-1, 0), rect, thumb), QPoint(0, 0));
}

void TestCameraViewMath::overlaysFollowTheView()
{
    const OverlayPlacement p = placeOverlays(QSize(403, 302), QSize(180, 36), QSize(24, 24));
    QCOMPARE(p.buttonBar, QPoint((403 - 180) / 2, (302 / 4) * 3));
    QCOMPARE(p.media, QPoint(403 - 30 - 24, 302 / 4));
    QCOMPARE(p.navigation, QRect(300, 225, 100, 75));
}

void TestCameraViewMath::reportLinesBreakOnlyBetweenFields()
{
    const QString report = statusLine(1920, 1080, 29.97f, 30.0f, 123456, 1);
    for (const qreal points : {8.0, 9.0, 10.5, 12.0}) {
        QFont font = QGuiApplication::font();
        font.setPointSizeF(points);
        const QFontMetrics metrics(font);
        int previousLines = 100;
        for (int width = 60; width <= 1000; ++width) {
            const QStringList lines = StatusLine::reportLines(report, metrics, width);
            const QString where =
                QStringLiteral("%1 pt, width %2: ").arg(points).arg(width) + lines.join(QLatin1Char('/'));
            for (const QString &line : lines) {
                QVERIFY2(metrics.horizontalAdvance(line) <= width, qPrintable(where));
                // Only a field too wide for any line is cut, never a packed line.
                QVERIFY2(!line.contains(QChar(0x2026)) || !line.contains(QStringLiteral(" | ")),
                         qPrintable(where));
            }
            // Unless a single field is wider than the line (then it is elided),
            // the lines are the fields, whole and in order.
            if (!lines.join(QString()).contains(QChar(0x2026)))
                QVERIFY2(lines.join(QStringLiteral(" | ")) == report, qPrintable(where));
            QVERIFY2(lines.size() <= previousLines, qPrintable(where));
            previousLines = lines.size();
        }
        QCOMPARE(previousLines, 1);
    }

    // Other messages wrap and end elided within the lines they get.
    const QString pause = QStringLiteral("相机已进入暂停，不再接收来自相机的图像数据");
    const QStringList two = StatusLine::messageLines(pause, QGuiApplication::font(), 90, 2);
    QCOMPARE(two.size(), 2);
    QVERIFY(two.last().endsWith(QChar(0x2026)));
    QCOMPARE(StatusLine::messageLines(pause, QGuiApplication::font(), 2000, 3), QStringList{pause});
}

void TestCameraViewMath::thumbnailSamplesThePicture()
{
    // Rows of 7 RGB pixels are padded to 24 bytes: the sampling must follow
    // each row's real start, in every format it handles itself.
    for (const QImage::Format format :
         {QImage::Format_RGB888, QImage::Format_RGB32, QImage::Format_Grayscale8}) {
        QImage picture(7, 5, format);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixelColor(x, y, QColor(x * 30, y * 50, (x + y) * 10));
        }
        const QImage small = sampleThumbnail(picture, QSize(3, 2));
        QCOMPARE(small.size(), QSize(3, 2));
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 3; ++x) {
                const QColor expected = picture.pixelColor((2 * x + 1) * 7 / 6, (2 * y + 1) * 5 / 4);
                QCOMPARE(small.pixelColor(x, y), expected);
            }
        }
    }
    QVERIFY(sampleThumbnail(QImage(), QSize(3, 2)).isNull());
    QVERIFY(sampleThumbnail(QImage(4, 4, QImage::Format_RGB888), QSize(0, 2)).isNull());
}

void TestCameraViewMath::buttonBarFollowsCursorHalf()
{
    const QRect view(0, 20, 300, 200);
    QCOMPARE(buttonBarVisibility(QPoint(350, 50), view, true), BarVisibility::Hide);
    QCOMPARE(buttonBarVisibility(QPoint(100, 60), view, true), BarVisibility::Hide);
    QCOMPARE(buttonBarVisibility(QPoint(100, 200), view, true), BarVisibility::Show);
    QCOMPARE(buttonBarVisibility(QPoint(100, 200), view, false), BarVisibility::Keep);
    QCOMPARE(buttonBarVisibility(QPoint(0, 200), view, true), BarVisibility::Keep);
    QCOMPARE(buttonBarVisibility(QPoint(350, 50), view, false), BarVisibility::Hide);
}

void TestCameraViewMath::cellDragNeedsLeftButtonAndDistance()
{
    const QPoint press(10, 10);
    QVERIFY(startsCellDrag(true, true, Qt::LeftButton, press, QPoint(20, 10), 10));
    // Hovering with mouse tracking on, another button, a short move, no camera
    // or no press on the cell: no drag.
    QVERIFY(!startsCellDrag(true, true, Qt::NoButton, press, QPoint(40, 40), 10));
    QVERIFY(!startsCellDrag(true, true, Qt::RightButton, press, QPoint(40, 40), 10));
    QVERIFY(!startsCellDrag(true, true, Qt::LeftButton, press, QPoint(14, 14), 10));
    QVERIFY(!startsCellDrag(false, true, Qt::LeftButton, press, QPoint(40, 40), 10));
    QVERIFY(!startsCellDrag(true, false, Qt::LeftButton, press, QPoint(40, 40), 10));
}

// Made only when smaller than the frame, at the size it covers on the
// screen, with the pixels the view would take: the same as the thumbnail's
// sampling, in 32-bit pixels (at the frame's size, its own pixels); the buffer
// is reused and follows size changes.
void TestCameraViewMath::displayPictureIsTheShownSizeSampledLikeTheView()
{
    const struct
    {
        QSize frame;
        double scale;
        QSize expected;
    } sizes[] = {
        {{1920, 1080}, 1.0 / 3.0, {640, 360}},
        {{1920, 1080}, 0.5, {960, 540}},
        {{1920, 1080}, 1.0, {}},
        {{1920, 1080}, 2.5, {}},
        {{1920, 1080}, 0.0, {}},
        {{2592, 1944}, 0.1, {260, 195}},
        {{7, 5}, 0.01, {1, 1}},
        {{}, 0.5, {}},
        {{1920, 1080}, 0.9999, {}},
    };
    for (const auto &c : sizes)
        QCOMPARE(DisplayPicture::sizeFor(c.frame, c.scale), c.expected);

    DisplayPicture picture;
    for (const QSize &frameSize : {QSize(1921, 1081), QSize(64, 48), QSize(7, 2)}) {
        QImage frame(frameSize, QImage::Format_RGB888);
        for (int y = 0; y < frame.height(); ++y) {
            uchar *row = frame.scanLine(y);
            for (int i = 0; i < frame.width() * 3; ++i)
                row[i] = uchar((i * 7 + y * 13) ^ (i >> 3));
        }
        // The frame's own size too: a picture the SDK already sampled.
        for (const QSize &size : {QSize(640, 361), QSize(17, 9), QSize(1, 1), QSize(64, 3), frameSize}) {
            if (size.width() > frameSize.width() || size.height() > frameSize.height())
                continue;
            const QImage made = picture.make(frame.constBits(), frameSize, frame.bytesPerLine(), size);
            QCOMPARE(made.format(), QImage::Format_RGB32);
            QCOMPARE(made.size(), size);
            QCOMPARE(made.convertToFormat(QImage::Format_RGB888), sampleThumbnail(frame, size));
        }
    }
    QVERIFY(picture.make(nullptr, {64, 48}, 192, {10, 10}).isNull());
    QVERIFY(
        picture.make(QImage(64, 48, QImage::Format_RGB888).constBits(), {64, 48}, 100, {10, 10}).isNull());
}

void TestCameraViewMath::heldKeyActsOnce_data()
{
    // Events: "P<key>@<time>" press, "R<key>@<time>" release, "F" focus
    // lost. "acted" lists, per press, whether it started a stroke.
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("acted");
    QTest::newRow("flagged repeats: presses only") << "PA@1 PA@30 PA@60 RA@90"
                                                   << "100";
    QTest::newRow("unflagged repeats: release and press at one time") << "PA@1 RA@30 PA@30 RA@60 PA@60 RA@95"
                                                                      << "100";
    QTest::newRow("two real strokes") << "PA@1 RA@30 PA@200 RA@230"
                                      << "11";
    QTest::newRow("other keys are their own") << "PA@1 PB@5 PA@9 RA@10 PB@11"
                                              << "1100";
    QTest::newRow("release missed while focus was away") << "PA@1 F PA@500"
                                                         << "11";
    QTest::newRow("no time stamps: strokes by the releases") << "PA@0 RA@0 PA@0 PA@0 RA@0"
                                                             << "110";
}

void TestCameraViewMath::heldKeyActsOnce()
{
    QFETCH(QString, events);
    QFETCH(QString, acted);
    HeldKeys keys;
    QString got;
    for (const QString &event : events.split(QLatin1Char(' '))) {
        if (event == QLatin1String("F")) {
            keys.clear();
            continue;
        }
        const int key = event.at(1).unicode();
        const unsigned long time = event.section(QLatin1Char('@'), 1).toULong();
        if (event.startsWith(QLatin1Char('P')))
            got += keys.press(key, time) ? QLatin1Char('1') : QLatin1Char('0');
        else
            keys.release(key, time);
    }
    QCOMPARE(got, acted);
}

// Packets only where the link counts them; any loss counter going up is a
// worse link, a counter that stays is not.
void TestCameraViewMath::linkCountsShowAndWorsen()
{
    const LinkCounts usb{3, 1, 0, 0, false};
    QCOMPARE(linkFields(usb), QStringLiteral(" | 丢帧: 3 | 不完整帧: 1"));
    const LinkCounts gige{3, 1, 7, 2, true};
    QCOMPARE(linkFields(gige), QStringLiteral(" | 丢帧: 3 | 不完整帧: 1 | 重发包: 7 | 丢包: 2"));
    QVERIFY(!linkWorsened(gige, gige));
    QCOMPARE(linkFields(LinkCounts{0, 0, 0, 0, true}), QString());
    const LinkCounts grown[] = {
        {4, 1, 7, 2, true}, {3, 2, 7, 2, true}, {3, 1, 8, 2, true}, {3, 1, 7, 3, true}};
    for (const LinkCounts &now : grown)
        QVERIFY(linkWorsened(gige, now));
}

VEXO_QTEST_MAIN(TestCameraViewMath)
#include "tst_cameraviewmath.moc"
