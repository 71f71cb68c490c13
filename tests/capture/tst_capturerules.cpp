// The capture rules without a camera: recording frame rate and bit rate,
// the decisions of a series tick, the times given to recorded frames and the
// queue between a grabber and its encoder.

#include "capture/capturenaming.h"
#include "capture/captureseries.h"
#include "capture/encoderplan.h"
#include "capture/frameclock.h"
#include "capture/framequeue.h"

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
    void frameTimesFollowTheCapture_data();
    void frameTimesFollowTheCapture();
    void fullQueueDropsWithoutWaiting();
    void busierMachinesGetFasterPresets();
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

namespace {

// One frame given to the clock: the camera's stamp (0: none) and the arrival,
// both in ms.
struct Stamp
{
    double camera;
    double arrival;
};

} // namespace

Q_DECLARE_METATYPE(QVector<Stamp>)
Q_DECLARE_METATYPE(QVector<double>)

void TestCaptureRules::frameTimesFollowTheCapture_data()
{
    QTest::addColumn<QVector<Stamp>>("frames");
    QTest::addColumn<QVector<double>>("expectedMs");

    // Camera stamps start anywhere; arrivals come late and in bursts.
    QTest::newRow("camera stamps, uneven arrivals")
        << QVector<Stamp>{{5000, 100}, {5033.3, 160}, {5066.7, 161}, {5100, 162}, {5133.3, 240}}
        << QVector<double>{0, 33.3, 66.7, 100, 133.3};
    // Lost for two seconds while the camera's clock ran on.
    QTest::newRow("a gap on the camera's clock")
        << QVector<Stamp>{{1000, 0}, {1033.3, 35}, {3033.3, 2040}, {3066.7, 2070}}
        << QVector<double>{0, 33.3, 2033.3, 2066.7};
    // Opened again after a loss: the camera's clock starts afresh, so the
    // gap is the host's, and the camera's clock is followed again after it.
    QTest::newRow("camera clock restarts after a loss")
        << QVector<Stamp>{{90000, 0}, {90033.3, 34}, {10, 3034}, {43.3, 3070}}
        << QVector<double>{0, 33.3, 3033.3, 3066.6};
    QTest::newRow("no camera stamps: arrival times")
        << QVector<Stamp>{{0, 500}, {0, 533}, {0, 580}, {0, 1580}} << QVector<double>{0, 33, 80, 1080};
    // A clock in other units (nanoseconds taken for microseconds) is not believed.
    QTest::newRow("camera clock of another rate")
        << QVector<Stamp>{{1e6, 0}, {1e6 + 33333, 33.3}, {1e6 + 66666, 66.7}}
        << QVector<double>{0, 33.3, 66.7};
}

void TestCaptureRules::frameTimesFollowTheCapture()
{
    QFETCH(QVector<Stamp>, frames);
    QFETCH(QVector<double>, expectedMs);
    FrameClock clock;
    for (int i = 0; i < frames.size(); ++i) {
        const int64_t time =
            clock.timeOf(uint64_t(frames[i].camera * 1000.0), int64_t(frames[i].arrival * 1000.0));
        QVERIFY2(qAbs(double(time) / 1000.0 - expectedMs[i]) < 1.0,
                 qPrintable(QStringLiteral("frame %1 at %2 ms").arg(i).arg(double(time) / 1000.0)));
    }
}

// With nobody taking frames the queue fills its bounded buffers and then
// drops, counting, without ever waiting; what it kept comes out in order.
void TestCaptureRules::fullQueueDropsWithoutWaiting()
{
    constexpr int Width = 64;
    constexpr int Height = 48;
    constexpr int RowBytes = Width * 3 + 4;
    constexpr size_t FrameBytes = size_t(RowBytes) * Height;
    // Room for three frames of this size.
    FrameQueue queue(3 * FrameBytes + 10, 16);
    std::vector<uint8_t> picture(FrameBytes);
    for (int i = 0; i < 10; ++i) {
        picture[0] = uint8_t(i);
        const bool kept = queue.push(picture.data(), Width, Height, RowBytes, 0, int64_t(i) * 40000);
        QCOMPARE(kept, i < 3);
    }
    FrameQueue::Figures figures = queue.figures();
    QCOMPARE(figures.offered, 10);
    QCOMPARE(figures.dropped, 7);
    QCOMPARE(figures.depth, 3);
    QCOMPARE(figures.buffers, 3);

    // A frame taken out frees its buffer for the next one, which keeps its
    // own capture time.
    std::unique_ptr<FrameQueue::Frame> first = queue.pop();
    QCOMPARE(first->pixels[0], uint8_t(0));
    QCOMPARE(first->rowBytes, RowBytes);
    queue.recycle(std::move(first));
    picture[0] = 10;
    QVERIFY(queue.push(picture.data(), Width, Height, RowBytes, 0, 10 * 40000));
    queue.close();
    QVERIFY(!queue.push(picture.data(), Width, Height, RowBytes, 0, 11 * 40000));
    QVector<int> order;
    QVector<int64_t> times;
    while (std::unique_ptr<FrameQueue::Frame> frame = queue.pop()) {
        order << frame->pixels[0];
        times << frame->timeUs;
    }
    QCOMPARE(order, (QVector<int>{1, 2, 10}));
    QCOMPARE(times, (QVector<int64_t>{40000, 80000, 400000}));
    QCOMPARE(queue.figures().buffers, 3);
}

void TestCaptureRules::busierMachinesGetFasterPresets()
{
    const int64_t fullHd = 1920 * 1080;
    // The specified preset where the frames leave time for it.
    QCOMPARE(EncoderPlan::presetName(EncoderPlan::choosePreset(640 * 480, 30, 1.0)), "slow");
    const int at30 = EncoderPlan::choosePreset(fullHd, 30, 2.5);
    const int at60 = EncoderPlan::choosePreset(fullHd, 60, 2.5);
    QVERIFY(at30 > 0);
    QVERIFY(at60 > at30);
    // Nothing is faster than the fastest.
    QCOMPARE(EncoderPlan::presetName(EncoderPlan::choosePreset(fullHd, 60, 100.0)), "ultrafast");
    // Threads are shared out between recordings, at least one each.
    QCOMPARE(EncoderPlan::threadsFor(1, 4), 4);
    QCOMPARE(EncoderPlan::threadsFor(2, 4), 2);
    QCOMPARE(EncoderPlan::threadsFor(4, 2), 1);
}

QTEST_GUILESS_MAIN(TestCaptureRules)
#include "tst_capturerules.moc"
