// The grabber thread against simulated cameras: rates, pause and resume,
// stopping, an unplugged camera, buffer growth, snapshot copies and the
// picture made for the display, from whole frames or from only its pixels.

#include "simtrace.h"
#include "slotwarningguard.h"
#include "stream/cvideothread.h"
#include "view/cameraviewmath.h"

#include "VexoCameraSDK.h"
#include "VexoCameraSim.h"

#include <QtTest>

#include <deque>

namespace {

const char *const SmallSerial = "SIM-VIEW-0001";
const char *const GrowSerial = "SIM-GROW-0003";

QByteArray packedPixels(const QImage &image)
{
    return QByteArray(reinterpret_cast<const char *>(image.constBits()), int(image.sizeInBytes()));
}

} // namespace

// Receives frames on the test's thread the way the display cell does.
class FrameSink : public QObject
{
    Q_OBJECT

public:
    int frames = 0;
    QSize lastSize;
    QImage::Format lastFormat = QImage::Format_Invalid;
    std::deque<QByteArray> recent; // deep copies of the latest frames

public slots:
    void acquireFrame(QImage image)
    {
        ++frames;
        lastSize = image.size();
        lastFormat = image.format();
        recent.push_back(packedPixels(image));
        if (recent.size() > 16)
            recent.pop_front();
    }
};

struct RateReport
{
    float capture = 0;
    float display = 0;
    int delivered = 0;
};

class TestCVideoThread : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void deliversFramesAndRatesOncePerSecond();
    void pauseDeliversNothingAndResumeRestartsRates();
    void stopWhilePausedEndsTheLoop();
    void unpluggedCameraKeepsRetryingAndReporting();
    void largerFrameGrowsBufferSmallerKeepsIt();
    void snapshotIsServedByTheNextFrameWithItsOwnCopy();
    void receiverHoldsTheFrameUntilItReturns();
    void displayGetsEachFrameAtItsScaleAfterTheFullFrame();
    void displayAloneGetsOnlyThePixelsItShows();

private:
    // preset: the resolution chosen before the camera streams (-1: as it is).
    CameraHandle openCamera(const char *serial, int preset = -1);
    void startGrabber(CameraHandle handle);
    void stopGrabber();
    void pauseAndSettle();

    CameraHandle m_handle = nullptr;
    std::unique_ptr<CVideoThread> m_grabber;
    std::unique_ptr<FrameSink> m_sink;
    QVector<RateReport> m_rates;
};

void TestCVideoThread::initTestCase()
{
    vexotest::installSlotWarningGuard();
    QVERIFY2(qEnvironmentVariableIsSet("VEXO_SDK_CAMERAS"), "run through ctest: the camera set is missing");
    CVideoThread::registerMetaTypes();
}

void TestCVideoThread::init()
{
    m_sink = std::make_unique<FrameSink>();
    m_rates.clear();
}

void TestCVideoThread::cleanup()
{
    if (m_grabber)
        stopGrabber();
    if (m_handle != nullptr) {
        CameraUnInit(m_handle);
        m_handle = nullptr;
    }
    VexoSimReplug(SmallSerial);
    VexoSimClearFailures();
    VexoSimTraceEnable(0);
}

CameraHandle TestCVideoThread::openCamera(const char *serial, int preset)
{
    CameraHandle handle = nullptr;
    if (CameraInitEx3(&handle, serial) != CAMERA_STATUS_SUCCESS)
        return nullptr;
    // Chosen before streaming, so that no frame of another size is waiting.
    if (preset >= 0 && CameraSetResolution(handle, preset) != CAMERA_STATUS_SUCCESS) {
        CameraUnInit(handle);
        return nullptr;
    }
    CameraPlay(handle);
    CameraSetIspOutFormat(handle, CAMERA_MEDIA_TYPE_RGB8);
    return handle;
}

void TestCVideoThread::startGrabber(CameraHandle handle)
{
    m_grabber = std::make_unique<CVideoThread>(handle);
    m_grabber->connectFrames(m_sink.get(), &FrameSink::acquireFrame);
    connect(m_grabber.get(), &CVideoThread::updateFrameRate, this,
            [this](float capture, float display, int delivered) {
                m_rates.append({capture, display, delivered});
            });
    m_grabber->start(QThread::TimeCriticalPriority);
}

void TestCVideoThread::stopGrabber()
{
    m_grabber->stop();
    while (!m_grabber->wait(100))
        QCoreApplication::processEvents();
    m_grabber.reset();
}

void TestCVideoThread::pauseAndSettle()
{
    QSignalSpy frames(m_grabber.get(), &CVideoThread::acquireFrame);
    m_grabber->setStreaming(false);
    // A frame fetched just before the pause is still handed out; after that
    // nothing comes.
    frames.wait(300);
    const int settled = frames.count();
    QVERIFY(settled <= 1);
    QVERIFY(!frames.wait(1200));
    QCOMPARE(frames.count(), settled);
}

void TestCVideoThread::deliversFramesAndRatesOncePerSecond()
{
    m_handle = openCamera(SmallSerial);
    QVERIFY(m_handle != nullptr);
    startGrabber(m_handle);

    QTRY_VERIFY_WITH_TIMEOUT(m_rates.size() >= 2, 5000);
    QCOMPARE(m_sink->lastSize, QSize(320, 240));
    QCOMPARE(m_sink->lastFormat, QImage::Format_RGB888);
    const RateReport second = m_rates.at(1);
    QVERIFY2(second.capture > 20 && second.capture < 40, qPrintable(QString::number(second.capture)));
    QVERIFY2(second.display > 20 && second.display < 40, qPrintable(QString::number(second.display)));
    // The third argument is the running total, never reset between windows.
    QVERIFY(second.delivered > m_rates.at(0).delivered);
    QVERIFY(m_grabber->deliveredFrames() >= second.delivered);
    QCOMPARE(m_grabber->bufferCapacity(), quint32(320 * 240 * 4));
}

void TestCVideoThread::pauseDeliversNothingAndResumeRestartsRates()
{
    m_handle = openCamera(SmallSerial);
    QVERIFY(m_handle != nullptr);
    startGrabber(m_handle);
    QTRY_VERIFY_WITH_TIMEOUT(m_rates.size() >= 1, 5000);

    const int ratesAtPause = m_rates.size();
    pauseAndSettle();
    QVERIFY(!m_grabber->isStreaming());
    // Nothing is fetched while paused, so no rate window closes either.
    QVERIFY(m_rates.size() <= ratesAtPause + 1);
    const int deliveredAtPause = m_grabber->deliveredFrames();

    QCoreApplication::processEvents();
    const int ratesAtResume = m_rates.size();
    m_grabber->setStreaming(true);
    QTRY_VERIFY_WITH_TIMEOUT(m_rates.size() >= ratesAtResume + 2, 6000);
    // The first window after resuming spans the pause: it comes at once and
    // shows far fewer frames per second than the next, normal one.
    const RateReport spanning = m_rates.at(ratesAtResume);
    const RateReport normal = m_rates.at(ratesAtResume + 1);
    QVERIFY2(spanning.display < 20, qPrintable(QString::number(spanning.display)));
    QVERIFY2(normal.display > 20, qPrintable(QString::number(normal.display)));
    QVERIFY(normal.delivered > deliveredAtPause);
}

void TestCVideoThread::stopWhilePausedEndsTheLoop()
{
    m_handle = openCamera(SmallSerial);
    QVERIFY(m_handle != nullptr);
    startGrabber(m_handle);
    QTRY_VERIFY_WITH_TIMEOUT(m_sink->frames > 0, 5000);
    m_grabber->setStreaming(false);

    VexoSimTraceClear();
    VexoSimTraceEnable(1);
    m_grabber->stop();
    QElapsedTimer stopping;
    stopping.start();
    while (!m_grabber->wait(100))
        QCoreApplication::processEvents();
    // The paused wait wakes on the stop at once, not after a poll or a fetch time-out.
    QVERIFY2(stopping.elapsed() < 900, qPrintable(QString::number(stopping.elapsed())));
    QCOMPARE(m_grabber->bufferCapacity(), quint32(0));
    QVERIFY(traceLines().contains(QStringLiteral("CameraPause(%1)=0").arg(QLatin1String(SmallSerial))));
}

void TestCVideoThread::unpluggedCameraKeepsRetryingAndReporting()
{
    m_handle = openCamera(SmallSerial);
    QVERIFY(m_handle != nullptr);
    startGrabber(m_handle);
    QTRY_VERIFY_WITH_TIMEOUT(m_rates.size() >= 1, 5000);

    QCOMPARE(VexoSimUnplug(SmallSerial), CAMERA_STATUS_SUCCESS);
    const int ratesAtUnplug = m_rates.size();
    // Two full windows after the unplug: nothing shown, the reports keep coming.
    QTRY_VERIFY_WITH_TIMEOUT(m_rates.size() >= ratesAtUnplug + 3, 6000);
    QCOMPARE(m_rates.last().display, 0.0f);
    QCOMPARE(m_rates.at(m_rates.size() - 2).display, 0.0f);
    QVERIFY(m_grabber->isRunning());

    QElapsedTimer stopping;
    stopping.start();
    stopGrabber();
    QVERIFY(stopping.elapsed() < 2000);
}

void TestCVideoThread::largerFrameGrowsBufferSmallerKeepsIt()
{
    // Preset 0 is 640x480, the last one the full 800x600 sensor.
    m_handle = openCamera(GrowSerial, 0);
    QVERIFY(m_handle != nullptr);
    startGrabber(m_handle);
    QTRY_COMPARE_WITH_TIMEOUT(m_sink->lastSize, QSize(640, 480), 5000);
    QCOMPARE(m_grabber->bufferCapacity(), quint32(640 * 480 * 4));

    QCOMPARE(CameraSetResolution(m_handle, 1), CAMERA_STATUS_SUCCESS);
    QTRY_COMPARE_WITH_TIMEOUT(m_sink->lastSize, QSize(800, 600), 5000);
    QCOMPARE(m_grabber->bufferCapacity(), quint32(800 * 600 * 4));

    QCOMPARE(CameraSetResolution(m_handle, 0), CAMERA_STATUS_SUCCESS);
    QTRY_COMPARE_WITH_TIMEOUT(m_sink->lastSize, QSize(640, 480), 5000);
    const int framesAfterShrink = m_sink->frames;
    QTRY_VERIFY_WITH_TIMEOUT(m_sink->frames >= framesAfterShrink + 3, 5000);
    QCOMPARE(m_sink->lastSize, QSize(640, 480));
    QCOMPARE(m_grabber->bufferCapacity(), quint32(800 * 600 * 4));
}

void TestCVideoThread::snapshotIsServedByTheNextFrameWithItsOwnCopy()
{
    m_handle = openCamera(SmallSerial);
    QVERIFY(m_handle != nullptr);
    startGrabber(m_handle);
    QTRY_VERIFY_WITH_TIMEOUT(m_sink->frames > 2, 5000);

    QStringList order;
    QByteArray pixels;
    stImageInfo head{};
    connect(m_grabber.get(), &CVideoThread::cameraSavePic, this, [&](QByteArray p, stImageInfo h) {
        order << QStringLiteral("save");
        pixels = p;
        head = h;
    });
    connect(m_grabber.get(), &CVideoThread::cameraMessage, this,
            [&](const QString &message) { order << message; });

    // Asked while paused: served by the first frame after resuming.
    pauseAndSettle();
    m_grabber->requestSnapshot();
    QSignalSpy saveSpy(m_grabber.get(), &CVideoThread::cameraSavePic);
    QVERIFY(!saveSpy.wait(500));
    QVERIFY(m_grabber->isSnapshotRequested());
    m_grabber->setStreaming(true);
    // The grabber only hands the frame over; the outcome is the save's to tell.
    QTRY_COMPARE_WITH_TIMEOUT(order.size(), 1, 5000);
    QCOMPARE(order, QStringList({QStringLiteral("save")}));
    QVERIFY(!m_grabber->isSnapshotRequested());

    QCOMPARE(head.uiWidth, 320u);
    QCOMPARE(head.uiHeight, 240u);
    QCOMPARE(head.uiMediaType, CAMERA_MEDIA_TYPE_RGB8);
    QCOMPARE(pixels.size(), 320 * 3 * 240);
    // The copy is one of the delivered frames and keeps its bytes while the
    // grabber goes on writing later frames into its own buffer.
    const QByteArray kept = QByteArray(pixels.constData(), pixels.size());
    QVERIFY(std::find(m_sink->recent.begin(), m_sink->recent.end(), kept) != m_sink->recent.end());
    const int framesNow = m_sink->frames;
    QTRY_VERIFY_WITH_TIMEOUT(m_sink->frames >= framesNow + 5, 5000);
    QCOMPARE(pixels, kept);
    QCOMPARE(order.size(), 1);
}

void TestCVideoThread::receiverHoldsTheFrameUntilItReturns()
{
    // Every receiver is connected through connectFrames: while one works on
    // a frame, the grabber neither counts another nor writes into the
    // buffer the image lends, however long the receiver takes.
    m_handle = openCamera(SmallSerial);
    QVERIFY(m_handle != nullptr);
    m_grabber = std::make_unique<CVideoThread>(m_handle);
    int slowFrames = 0;
    int changedWhileHeld = 0;
    // Declared after the counters, so it goes first and takes the connection
    // with it: a frame still queued when the test ends must not reach them.
    QObject receiver;
    m_grabber->connectFrames(&receiver, [&](const QImage &image) {
        const int delivered = m_grabber->deliveredFrames();
        const QByteArray before = packedPixels(image);
        // Three frame times of the 30 fps camera.
        QThread::msleep(100);
        if (m_grabber->deliveredFrames() != delivered || packedPixels(image) != before)
            ++changedWhileHeld;
        ++slowFrames;
    });
    m_grabber->start(QThread::TimeCriticalPriority);
    QTRY_VERIFY_WITH_TIMEOUT(slowFrames >= 5, 5000);
    QCOMPARE(changedWhileHeld, 0);
}

// Each full frame is followed by the display's picture of that same frame:
// sampled at the display scale while it is below 1, the frame itself at 1.
void TestCVideoThread::displayGetsEachFrameAtItsScaleAfterTheFullFrame()
{
    m_handle = openCamera(SmallSerial);
    QVERIFY(m_handle != nullptr);
    startGrabber(m_handle);
    struct Shown
    {
        QSize frame;
        QImage picture; // deep copy
        QByteArray fullBefore;
    };
    std::vector<Shown> shown;
    int fullFrames = 0;
    QObject receiver; // goes first, taking the connection with it
    m_grabber->connectDisplay(&receiver, [&](QImage picture, QSize frameSize) {
        shown.push_back(
            {frameSize, picture.copy(), m_sink->frames > fullFrames ? m_sink->recent.back() : QByteArray()});
        fullFrames = m_sink->frames;
    });

    for (const double scale : {0.25, 1.0}) {
        m_grabber->setDisplayScale(scale);
        const size_t from = shown.size();
        QTRY_VERIFY_WITH_TIMEOUT(shown.size() >= from + 4, 5000);
        // The first may have been made before the scale changed.
        for (size_t i = from + 1; i < shown.size(); ++i) {
            const Shown &s = shown[i];
            QCOMPARE(s.frame, QSize(320, 240));
            QVERIFY2(!s.fullBefore.isEmpty(), "the full frame comes first");
            const QImage full(reinterpret_cast<const uchar *>(s.fullBefore.constData()), 320, 240, 320 * 3,
                              QImage::Format_RGB888);
            if (scale < 1) {
                QCOMPARE(s.picture.size(), QSize(80, 60));
                QCOMPARE(s.picture.convertToFormat(QImage::Format_RGB888),
                         CameraViewMath::sampleThumbnail(full, QSize(80, 60)));
            } else {
                QCOMPARE(s.picture, full);
            }
        }
    }
}

// The display alone, shown smaller: only its pixels are converted (the
// buffer holds just a picture). A snapshot still gets a whole frame, handed
// over after that frame's picture, which is the whole frame sampled; a
// receiver of whole frames gets them from its first frame on.
void TestCVideoThread::displayAloneGetsOnlyThePixelsItShows()
{
    m_handle = openCamera(SmallSerial);
    QVERIFY(m_handle != nullptr);
    m_grabber = std::make_unique<CVideoThread>(m_handle);
    QStringList order;
    std::vector<QImage> pictures;
    QSize frameSize;
    QByteArray saved;
    QObject receiver; // goes first, taking the connections with it
    m_grabber->connectDisplay(&receiver, [&](QImage picture, QSize frame) {
        order << QStringLiteral("picture");
        pictures.push_back(picture.convertToFormat(QImage::Format_RGB888));
        frameSize = frame;
    });
    connect(m_grabber.get(), &CVideoThread::cameraSavePic, &receiver, [&](QByteArray pixels, stImageInfo) {
        order << QStringLiteral("save");
        saved = pixels;
    });
    m_grabber->setDisplayScale(0.25);
    m_grabber->start(QThread::TimeCriticalPriority);
    QTRY_VERIFY_WITH_TIMEOUT(pictures.size() >= 3, 5000);
    QCOMPARE(frameSize, QSize(320, 240));
    QCOMPARE(pictures.back().size(), QSize(80, 60));
    QCOMPARE(m_grabber->bufferCapacity(), quint32(80 * 3 * 60));

    m_grabber->requestSnapshot();
    QTRY_VERIFY_WITH_TIMEOUT(!saved.isEmpty(), 5000);
    QCOMPARE(saved.size(), 320 * 3 * 240);
    QCOMPARE(order.count(QStringLiteral("save")), 1);
    const int at = order.indexOf(QStringLiteral("save"));
    QVERIFY(at >= 2);
    const QImage whole(reinterpret_cast<const uchar *>(saved.constData()), 320, 240, 320 * 3,
                       QImage::Format_RGB888);
    const QImage sampled = CameraViewMath::sampleThumbnail(whole, QSize(80, 60));
    QCOMPARE(pictures[size_t(at - 1)], sampled);
    // The frame before, converted only where shown, differs only where the
    // scene moved (the disc, the frame counter).
    const QImage &before = pictures[size_t(at - 2)];
    int same = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x)
            same += before.pixel(x, y) == sampled.pixel(x, y);
    QVERIFY2(same > 80 * 60 * 9 / 10, qPrintable(QString::number(same)));

    m_grabber->connectFrames(m_sink.get(), &FrameSink::acquireFrame);
    QTRY_VERIFY_WITH_TIMEOUT(m_sink->frames >= 2, 5000);
    QCOMPARE(m_sink->lastSize, QSize(320, 240));
}

VEXO_QTEST_MAIN(TestCVideoThread)
#include "tst_cvideothread.moc"
