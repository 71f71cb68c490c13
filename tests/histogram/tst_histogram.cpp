// The histogram window: the statistics of known frames, the chart and its
// check boxes, the read-outs, and the window on a live colour or mono camera
// closed or unplugged while frames keep coming.

#include "histogram/histogrammath.h"
#include "histogram/histogramwidget.h"
#include "slotwarningguard.h"
#include "view/camerathread.h"

#include "VexoCameraSDK.h"
#include "VexoCameraSim.h"

#include <QAction>
#include <QCheckBox>
#include <QGraphicsPathItem>
#include <QGraphicsScene>
#include <QGraphicsSceneEvent>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

using namespace HistogramMath;

Q_DECLARE_METATYPE(QVector<double>)

namespace {

QImage filled(int width, int height, const QColor &colour)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(colour);
    return image;
}

QImage grey(const QVector<uchar> &levels)
{
    QImage image(levels.size(), 1, QImage::Format_Grayscale8);
    std::copy(levels.begin(), levels.end(), image.bits());
    return image;
}

// Pixels of level 10 whose rows end in padding bytes of 255.
QImage padded()
{
    QImage image = filled(3, 2, QColor(10, 10, 10));
    for (int y = 0; y < image.height(); ++y)
        std::fill(image.scanLine(y) + 9, image.scanLine(y) + image.bytesPerLine(), uchar(255));
    return image;
}

QGraphicsPathItem *bars(const histogramWidget &window, int channel)
{
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 74, 255)};
    for (QGraphicsItem *item : window.chartScene()->items()) {
        auto *path = qgraphicsitem_cast<QGraphicsPathItem *>(item);
        if (path != nullptr && path->pen().color().rgb() == colours[channel])
            return path;
    }
    qFatal("no bars of channel %d", channel);
}

QStringList row(const histogramWidget &window, int channel)
{
    auto *table = window.findChild<QTableWidget *>(QStringLiteral("tableWidget"));
    QStringList texts;
    for (int column = 2; column < 6; ++column)
        texts << table->item(channel, column)->text();
    return texts;
}

histogramWidget *openWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<histogramWidget *>(widget))
            return window;
    }
    return nullptr;
}

} // namespace

class TestHistogram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void statistics_data();
    void statistics();
    void chartFollowsFramesAndCheckBoxes();
    void readouts();
    void windowsOpenBesideEachOther_data();
    void windowsOpenBesideEachOther();
    void liveWindowSurvivesCloseAndUnplug_data();
    void liveWindowSurvivesCloseAndUnplug();
};

void TestHistogram::initTestCase()
{
    vexotest::installSlotWarningGuard();
    QVERIFY2(qEnvironmentVariableIsSet("VEXO_SDK_CAMERAS"), "run through ctest: the camera set is missing");
}

void TestHistogram::statistics_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QVector<int>>("expected"); // minimum, maximum, mean of red, green, blue
    QTest::addColumn<QVector<double>>("deviation");

    QTest::newRow("all black") << filled(16, 8, Qt::black) << QVector<int>{0, 0, 0, 0, 0, 0, 0, 0, 0}
                               << QVector<double>{0, 0, 0};
    QTest::newRow("red 200") << filled(16, 8, QColor(200, 0, 0))
                             << QVector<int>{200, 200, 200, 0, 0, 0, 0, 0, 0} << QVector<double>{0, 0, 0};
    // 2, 4, 4, 4, 5, 5, 7, 9: mean 5, standard deviation 2 (in every channel).
    QTest::newRow("mono, known spread")
        << grey({2, 4, 4, 4, 5, 5, 7, 9}) << QVector<int>{2, 9, 5, 2, 9, 5, 2, 9, 5}
        << QVector<double>{2, 2, 2};
    // The mean shown is whole; the deviation is that of the levels, 255 included.
    QTest::newRow("0 and 255") << grey({0, 255}) << QVector<int>{0, 255, 127, 0, 255, 127, 0, 255, 127}
                               << QVector<double>{127.5, 127.5, 127.5};
    QTest::newRow("row padding is not counted")
        << padded() << QVector<int>{10, 10, 10, 10, 10, 10, 10, 10, 10} << QVector<double>{0, 0, 0};
    QTest::newRow("empty image") << QImage() << QVector<int>{0, 0, 0, 0, 0, 0, 0, 0, 0}
                                 << QVector<double>{0, 0, 0};
    QTest::newRow("other formats are converted")
        << filled(5, 3, QColor(1, 2, 3)).convertToFormat(QImage::Format_ARGB32)
        << QVector<int>{1, 1, 1, 2, 2, 2, 3, 3, 3} << QVector<double>{0, 0, 0};
}

void TestHistogram::statistics()
{
    QFETCH(QImage, image);
    QFETCH(QVector<int>, expected);
    QFETCH(QVector<double>, deviation);

    Histograms histograms;
    histograms.bins[Red][7] = 99; // left over from an earlier frame
    analyse(image, histograms);
    QCOMPARE(histograms.pixels, quint64(image.isNull() ? 0 : image.width() * image.height()));
    for (int channel = 0; channel < ChannelCount; ++channel) {
        const Bins &bins = histograms.bins[size_t(channel)];
        QCOMPARE(std::accumulate(bins.begin(), bins.end(), quint64(0)), histograms.pixels);
        const ChannelStats stats = channelStats(bins, histograms.pixels);
        QCOMPARE(stats.minimum, expected[channel * 3]);
        QCOMPARE(stats.maximum, expected[channel * 3 + 1]);
        QCOMPARE(stats.mean, qint64(expected[channel * 3 + 2]));
        QCOMPARE(stats.deviation, deviation[channel]);
    }
}

void TestHistogram::chartFollowsFramesAndCheckBoxes()
{
    histogramWidget window(nullptr);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.dealtData(filled(40, 30, QColor(200, 0, 0)));
    QCOMPARE(row(window, Red), (QStringList{"200", "200", "200", "0"}));
    QCOMPARE(row(window, Green), (QStringList{"0", "0", "0", "0"}));
    QCOMPARE(window.highestCount(), 1200u);

    // One bar per channel, each the full height: red at level 200, green and
    // blue at level 0.
    QCOMPARE(bars(window, Red)->path().boundingRect(), QRectF(54 + 400, 50, 0, 200));
    QCOMPARE(bars(window, Green)->path().boundingRect(), QRectF(54, 50, 0, 200));
    QCOMPARE(bars(window, Blue)->pen().color(), QColor(0, 74, 255, 80));
    QStringList labels;
    for (QGraphicsItem *item : window.chartScene()->items(Qt::AscendingOrder)) {
        if (auto *text = qgraphicsitem_cast<QGraphicsSimpleTextItem *>(item))
            labels << text->text();
    }
    QCOMPARE(labels, (QStringList{"0", "50", "100", "150", "200", "250", "300", "600", "900", "1200"}));

    auto *table = window.findChild<QTableWidget *>(QStringLiteral("tableWidget"));
    auto *greenBox = qobject_cast<QCheckBox *>(table->cellWidget(Green, 0));
    greenBox->setChecked(false);
    QVERIFY(!bars(window, Green)->isVisible());
    window.dealtData(filled(40, 30, QColor(10, 100, 30)));
    QVERIFY(!bars(window, Green)->isVisible());
    QCOMPARE(row(window, Green), (QStringList{"100", "100", "100", "0"}));
    QCOMPARE(bars(window, Red)->path().boundingRect(), QRectF(54 + 20, 50, 0, 200));
    greenBox->setChecked(true);
    QCOMPARE(bars(window, Green)->path().boundingRect(), QRectF(54 + 200, 50, 0, 200));
}

void TestHistogram::readouts()
{
    const QList<QPair<int, int>> boxes = {{300, 310}, {450, 360}, {432, 442}, {433, 343}};
    for (const auto &box : boxes)
        QCOMPARE(readoutBoxX(box.first, 512), box.second);

    histogramWidget window(nullptr);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.dealtData(filled(40, 30, QColor(150, 225, 1)));

    auto *level = window.findChild<QSpinBox *>(QStringLiteral("spinBox_x"));
    QCOMPARE(level->minimum(), 1);
    level->setValue(225);
    QTRY_COMPARE(window.findChild<QLabel *>(QStringLiteral("label_green"))->text(), QStringLiteral("1200"));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("label_red"))->text(), QStringLiteral("0"));

    // The cursor 300 pixels into the overlay: level 150, the box to the right.
    auto *overlay = window.findChild<QGraphicsView *>(QStringLiteral("graphicsView_info"));
    QCursor::setPos(overlay->mapToGlobal(QPoint(300, 100)));
    QTRY_VERIFY(!window.overlayScene()->items().isEmpty());
    QStringList texts;
    QRectF box;
    for (QGraphicsItem *item : window.overlayScene()->items(Qt::AscendingOrder)) {
        if (auto *text = qgraphicsitem_cast<QGraphicsSimpleTextItem *>(item))
            texts << text->text();
        else if (auto *rect = qgraphicsitem_cast<QGraphicsRectItem *>(item))
            box = rect->rect();
    }
    QCOMPARE(texts, (QStringList{"X轴:150", "Red:1200", "Green:0", "Blue:0"}));
    QCOMPARE(box, QRectF(310, 50, 80, 60));

    // Leaving the overlay clears it.
    QCursor::setPos(window.mapToGlobal(QPoint(700, 420)));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(overlay->viewport(), &leave);
    QVERIFY(window.overlayScene()->items().isEmpty());
}

void TestHistogram::windowsOpenBesideEachOther_data()
{
    // Windows of 400 x 300 on a 1000 x 700 area starting at (0, 20).
    QTest::addColumn<QVector<QRect>>("open");
    QTest::addColumn<QPoint>("expected");
    const QSize size(400, 300);
    QTest::newRow("first: centred") << QVector<QRect>{} << QPoint(300, 220);
    QTest::newRow("second: to the right")
        << QVector<QRect>{{QRect(QPoint(100, 20), size)}} << QPoint(504, 20);
    QTest::newRow("no room on the right: below")
        << QVector<QRect>{{QRect(QPoint(500, 20), size)}} << QPoint(500, 324);
    QTest::newRow("row full: next row from the left")
        << QVector<QRect>{QRect(QPoint(0, 20), size), QRect(QPoint(404, 20), size)} << QPoint(0, 324);
    QTest::newRow("area full: cascaded, on the area")
        << QVector<QRect>{QRect(QPoint(0, 20), size), QRect(QPoint(404, 20), size),
                          QRect(QPoint(0, 324), size), QRect(QPoint(404, 324), size),
                          QRect(QPoint(590, 410), size)}
        << QPoint(600, 420);
}

void TestHistogram::windowsOpenBesideEachOther()
{
    QFETCH(QVector<QRect>, open);
    QFETCH(QPoint, expected);
    const QRect area(0, 20, 1000, 700);
    const QPoint at = HistogramMath::placeBeside(open, QSize(400, 300), area);
    QCOMPARE(at, expected);
    QVERIFY(area.contains(QRect(at, QSize(400, 300))));
}

void TestHistogram::liveWindowSurvivesCloseAndUnplug_data()
{
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("name");
    QTest::newRow("colour") << "HIST-RGB-0001"
                            << "Colour camera";
    QTest::newRow("mono") << "HIST-MONO-0002"
                          << "Mono camera";
}

void TestHistogram::liveWindowSurvivesCloseAndUnplug()
{
    QFETCH(QString, serial);
    QFETCH(QString, name);

    CameraThread cell;
    cell.setAttribute(Qt::WA_DeleteOnClose, false);
    cell.resize(400, 300);
    cell.show();
    QVERIFY(cell.attachCamera(serial));
    QAction *histogram = nullptr;
    for (QAction *action : cell.findChildren<QAction *>()) {
        if (action->text() == QStringLiteral("直方图"))
            histogram = action;
    }
    QVERIFY(histogram != nullptr);

    histogram->trigger();
    QPointer<histogramWidget> window = openWindow();
    QVERIFY(window != nullptr);
    QCOMPARE(window->windowTitle(), name);
    QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose));
    QTRY_VERIFY(window->highestCount() > 0);
    if (serial.contains(QLatin1String("MONO"))) {
        QCOMPARE(row(*window, Green), row(*window, Red));
        QCOMPARE(row(*window, Blue), row(*window, Red));
    }

    // Closed while frames keep coming: the frames still reach the cell.
    window->close();
    QTRY_VERIFY(window.isNull());
    const int delivered = cell.grabber()->deliveredFrames();
    QTRY_VERIFY(cell.grabber()->deliveredFrames() > delivered + 3);

    // Unplugged, then the camera closed, with a window open.
    histogram->trigger();
    window = openWindow();
    QTRY_VERIFY(window->highestCount() > 0);
    QCOMPARE(VexoSimUnplug(serial.toLatin1().constData()), CAMERA_STATUS_SUCCESS);
    QTest::qWait(300);
    cell.cameraStop();
    QVERIFY(!window.isNull());
    window->dealtData(filled(2, 2, Qt::white));
    QCOMPARE(row(*window, Red), (QStringList{"255", "255", "255", "0"}));
    delete window;
    QCOMPARE(VexoSimReplug(serial.toLatin1().constData()), CAMERA_STATUS_SUCCESS);
}

VEXO_QTEST_MAIN(TestHistogram)
#include "tst_histogram.moc"
