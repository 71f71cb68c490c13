// The capture rules without a camera: recording frame rate and bit rate,
// and the decisions of a series tick.

#include "capture/capturenaming.h"
#include "capture/captureseries.h"

#include <QtTest>

using namespace CaptureNaming;

class TestCaptureRules : public QObject
{
    Q_OBJECT

private slots:
    void recordingFigures_data();
    void recordingFigures();
    void countTicks_data();
    void countTicks();
};

void TestCaptureRules::recordingFigures_data()
{
    QTest::addColumn<int>("playSpeed");
    QTest::addColumn<int>("autoFrameRate");
    QTest::addColumn<float>("measured");
    QTest::addColumn<int>("fps");

    QTest::newRow("camera rate truncated") << 1 << 25 << 29.8f << 29;
    QTest::newRow("any non-zero speed") << 3 << 25 << 59.99f << 59;
    QTest::newRow("no rate measured yet") << 1 << 25 << 0.0f << 0;
    QTest::newRow("custom rate") << 0 << 25 << 29.8f << 25;
    QTest::newRow("custom rate 0") << 0 << 0 << 29.8f << 0;
}

void TestCaptureRules::recordingFigures()
{
    QFETCH(int, playSpeed);
    QFETCH(int, autoFrameRate);
    QFETCH(float, measured);
    QFETCH(int, fps);
    QCOMPARE(recordFrameRate(playSpeed, autoFrameRate, measured), fps);
    QCOMPARE(videoBitRate(0), 500000);
    QCOMPARE(videoBitRate(1), 1000000);
    QCOMPARE(videoBitRate(2), 2000000);
}

void TestCaptureRules::countTicks_data()
{
    QTest::addColumn<int>("radix");
    QTest::addColumn<bool>("stop");
    QTest::addColumn<QVector<int>>("framesAtTicks");
    QTest::addColumn<QString>("expected"); // per tick: . nothing, T take, E end

    // 30 frames a second, one tick a second.
    const QVector<int> steady{30, 60, 90, 120, 150};
    QTest::newRow("radix 1: one picture per tick") << 1 << false << steady << "TTTTT";
    QTest::newRow("radix 45: every other tick") << 45 << false << steady << ".T.T.";
    QTest::newRow("stop after 3") << 1 << true << steady << "TTTE";
    QTest::newRow("paused camera: no new frames") << 1 << false << QVector<int>{30, 30, 30, 31} << "T..T";
}

void TestCaptureRules::countTicks()
{
    QFETCH(int, radix);
    QFETCH(bool, stop);
    QFETCH(QVector<int>, framesAtTicks);
    QFETCH(QString, expected);
    CaptureSeries::Settings settings;
    settings.numberRadix = radix;
    settings.numberStop = stop;
    settings.numberCount = 3;

    QString seen;
    int lastFrames = 0;
    int pictures = 0;
    for (int frames : framesAtTicks) {
        switch (CaptureSeries::countTick(settings, frames, lastFrames, pictures)) {
        case CaptureSeries::Tick::Nothing:
            seen += QLatin1Char('.');
            break;
        case CaptureSeries::Tick::Take:
            seen += QLatin1Char('T');
            ++pictures;
            break;
        case CaptureSeries::Tick::End:
            seen += QLatin1Char('E');
            break;
        }
        if (seen.endsWith(QLatin1Char('E')))
            break;
    }
    QCOMPARE(seen, expected);
}

QTEST_GUILESS_MAIN(TestCaptureRules)
#include "tst_capturerules.moc"
