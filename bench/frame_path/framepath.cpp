// End-to-end frame path: opens N simulated cameras in real display cells
// (offscreen), lets them run and reports per cell how many frames the camera
// captured, how many the cell displayed, and what each displayed frame cost
// in CPU time.

#include "camerathread.h"
#include "cameraviewmath.h"
#include "cvideothread.h"

#include "VexoCameraSDK.h"
#include "VexoCameraSim.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGridLayout>
#include <QTemporaryDir>
#include <QWidget>

#include <pthread.h>
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

namespace {

double clockSeconds(clockid_t clock)
{
    timespec ts{};
    if (clock_gettime(clock, &ts) != 0)
        return 0.0;
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 != 0 ? values[mid] : (values[mid - 1] + values[mid]) / 2.0;
}

struct CellProbe
{
    CameraThread *cell = nullptr;             // the display cell (stage "cell")
    std::unique_ptr<CVideoThread> ownGrabber; // a bare grabber (other stages)
    CameraHandle handle = nullptr;
    CVideoThread *grabber = nullptr;
    QString serial;
    std::atomic<bool> clockKnown{false};
    clockid_t grabberClock{};
    // Taken at the start and the end of the measured span.
    uint32_t capturedStart = 0, capturedEnd = 0;
    int deliveredStart = 0, deliveredEnd = 0;
    double grabberCpuStart = 0, grabberCpuEnd = 0;
    std::vector<double> captureReports, displayReports;
    std::atomic<bool> measuring{false};
};

uint32_t capturedFrames(CameraHandle handle)
{
    stFrameStatistic statistic{};
    CameraGetFrameStatistic(handle, &statistic);
    return statistic.iCapture;
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Open locks and camera state go to a scratch folder, never the user's.
    QTemporaryDir stateDir;
    if (!qEnvironmentVariableIsSet("VEXO_SDK_HOME"))
        qputenv("VEXO_SDK_HOME", stateDir.path().toLocal8Bit());

    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Frame path of the display cells on simulated cameras"));
    parser.addHelpOption();
    const QCommandLineOption countOption(
        {QStringLiteral("n"), QStringLiteral("cameras")},
        QStringLiteral("Number of cameras / cells (default: all in the set)."), QStringLiteral("count"));
    const QCommandLineOption secondsOption({QStringLiteral("s"), QStringLiteral("seconds")},
                                           QStringLiteral("Measured seconds (default 10)."),
                                           QStringLiteral("seconds"), QStringLiteral("10"));
    const QCommandLineOption warmupOption(QStringLiteral("warmup"),
                                          QStringLiteral("Seconds before measuring (default 2)."),
                                          QStringLiteral("seconds"), QStringLiteral("2"));
    const QCommandLineOption setOption(
        {QStringLiteral("c"), QStringLiteral("camera-set")},
        QStringLiteral("Camera-set file (default: the library's built-in set)."), QStringLiteral("file"));
    const QCommandLineOption sizeOption(QStringLiteral("cell-size"),
                                        QStringLiteral("Cell size WxH (default 640x400)."),
                                        QStringLiteral("size"), QStringLiteral("640x400"));
    const QCommandLineOption stageOption(
        QStringLiteral("stage"),
        QStringLiteral("How far frames go: cell (real display cells, default), pixmap (grabber + pixmap and "
                       "thumbnail conversion only) or grab (grabber with an empty receiver)."),
        QStringLiteral("stage"), QStringLiteral("cell"));
    parser.addOptions({countOption, secondsOption, warmupOption, setOption, sizeOption, stageOption});
    parser.process(app);

    bool ok = false;
    const double seconds = parser.value(secondsOption).toDouble(&ok);
    if (!ok || seconds <= 0 || seconds > 3600) {
        std::fprintf(stderr, "--seconds: expected a number of seconds in (0, 3600]\n");
        return 2;
    }
    const double warmup = parser.value(warmupOption).toDouble(&ok);
    if (!ok || warmup < 0 || warmup > 600) {
        std::fprintf(stderr, "--warmup: expected a number of seconds in [0, 600]\n");
        return 2;
    }
    const QStringList sizeParts = parser.value(sizeOption).split(QLatin1Char('x'));
    const int cellWidth = sizeParts.value(0).toInt();
    const int cellHeight = sizeParts.value(1).toInt();
    if (sizeParts.size() != 2 || cellWidth < 50 || cellHeight < 50 || cellWidth > 4000 || cellHeight > 4000) {
        std::fprintf(stderr, "--cell-size: expected WxH between 50 and 4000\n");
        return 2;
    }
    const QString stage = parser.value(stageOption);
    if (stage != QLatin1String("cell") && stage != QLatin1String("pixmap") &&
        stage != QLatin1String("grab")) {
        std::fprintf(stderr, "--stage: expected cell, pixmap or grab\n");
        return 2;
    }
    const bool cells = stage == QLatin1String("cell");
    if (parser.isSet(setOption)) {
        const QString path = parser.value(setOption);
        if (!QFileInfo(path).isFile()) {
            std::fprintf(stderr, "camera set not found: %s\n", qPrintable(path));
            return 2;
        }
        const CameraSdkStatus status = VexoSimLoadCameraSet(QFile::encodeName(path).constData());
        if (status != CAMERA_STATUS_SUCCESS) {
            std::fprintf(stderr, "camera set refused (%d): %s\n", status, qPrintable(path));
            return 2;
        }
    }

    int available = 0;
    if (CameraEnumerateDevice(&available) != CAMERA_STATUS_SUCCESS || available <= 0) {
        std::fprintf(stderr, "no cameras\n");
        return 1;
    }
    int count = available;
    if (parser.isSet(countOption)) {
        count = parser.value(countOption).toInt(&ok);
        if (!ok || count < 1 || count > available) {
            std::fprintf(stderr, "--cameras: expected 1..%d\n", available);
            return 2;
        }
    }

    QWidget window;
    auto *grid = new QGridLayout(&window);
    grid->setSpacing(0);
    grid->setContentsMargins(0, 0, 0, 0);
    const int columns = int(std::ceil(std::sqrt(double(count))));
    std::vector<std::unique_ptr<CellProbe>> probes;
    for (int i = 0; i < count; ++i) {
        stDeviceInfo info{};
        if (CameraGetEnumIndexInfo(i, &info) != CAMERA_STATUS_SUCCESS) {
            std::fprintf(stderr, "camera %d: no device record\n", i);
            return 1;
        }
        info.acSn[sizeof info.acSn - 1] = '\0';
        auto probe = std::make_unique<CellProbe>();
        probe->serial = QString::fromLocal8Bit(info.acSn);
        if (cells) {
            probe->cell = new CameraThread(&window);
            probe->cell->setAttribute(Qt::WA_DeleteOnClose, false);
            probe->cell->setPostionInGridLayout(i / columns, i % columns, 1, 1);
            grid->addWidget(probe->cell, i / columns, i % columns);
        }
        probes.push_back(std::move(probe));
    }
    window.resize(cellWidth * columns, cellHeight * ((count + columns - 1) / columns));
    window.show();
    QCoreApplication::processEvents();

    QObject sink;
    const bool convert = stage == QLatin1String("pixmap");
    const QSize thumbnail(cellWidth / 4, cellHeight / 4);
    for (auto &probe : probes) {
        CellProbe *p = probe.get();
        if (cells) {
            if (!p->cell->attachCamera(p->serial)) {
                std::fprintf(stderr, "cannot open %s\n", qPrintable(p->serial));
                return 1;
            }
            p->handle = p->cell->cameraHandle();
            p->grabber = p->cell->grabber();
        } else {
            if (CameraInitEx3(&p->handle, p->serial.toLocal8Bit().constData()) != CAMERA_STATUS_SUCCESS ||
                CameraPlay(p->handle) != CAMERA_STATUS_SUCCESS) {
                std::fprintf(stderr, "cannot open %s\n", qPrintable(p->serial));
                return 1;
            }
            CameraSetIspOutFormat(p->handle, CAMERA_MEDIA_TYPE_RGB8);
            p->ownGrabber = std::make_unique<CVideoThread>(p->handle);
            p->grabber = p->ownGrabber.get();
            QObject::connect(
                p->grabber, &CVideoThread::acquireFrame, &sink,
                [convert, thumbnail](const QImage &image) {
                    if (convert) {
                        // What a cell does with a frame while its navigation panel shows.
                        const QPixmap picture = QPixmap::fromImage(image.copy(), Qt::NoFormatConversion);
                        const QPixmap small =
                            QPixmap::fromImage(CameraViewMath::sampleThumbnail(image, thumbnail));
                        Q_UNUSED(picture)
                        Q_UNUSED(small)
                    }
                },
                Qt::BlockingQueuedConnection);
            p->grabber->start(QThread::TimeCriticalPriority);
        }
        CVideoThread *grabber = p->grabber;
        // The rate report runs on the grabber's own thread here, which is
        // where its CPU clock can be taken.
        QObject::connect(
            grabber, &CVideoThread::updateFrameRate, grabber,
            [p](float, float, int) {
                if (!p->clockKnown.load()) {
                    pthread_getcpuclockid(pthread_self(), &p->grabberClock);
                    p->clockKnown.store(true);
                }
            },
            Qt::DirectConnection);
        QObject::connect(grabber, &CVideoThread::updateFrameRate, &app,
                         [p](float capture, float display, int) {
                             if (p->measuring) {
                                 p->captureReports.push_back(capture);
                                 p->displayReports.push_back(display);
                             }
                         });
    }

    // The span is timed on a thread of its own: with more frames than the
    // user-interface thread can take, its queue never runs dry and a timer
    // there would fire late or never.
    clockid_t uiClock{};
    pthread_getcpuclockid(pthread_self(), &uiClock);
    double uiCpuStart = 0, processCpuStart = 0, uiCpuEnd = 0, processCpuEnd = 0;
    QElapsedTimer span;
    qint64 spanNs = 0;
    std::thread measurer([&] {
        std::this_thread::sleep_for(std::chrono::duration<double>(warmup));
        for (auto &p : probes) {
            p->capturedStart = capturedFrames(p->handle);
            p->deliveredStart = p->grabber->deliveredFrames();
            p->grabberCpuStart = p->clockKnown.load() ? clockSeconds(p->grabberClock) : 0.0;
            p->measuring = true;
        }
        uiCpuStart = clockSeconds(uiClock);
        processCpuStart = processCpuSeconds();
        span.start();
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        for (auto &p : probes) {
            p->measuring = false;
            p->capturedEnd = capturedFrames(p->handle);
            p->deliveredEnd = p->grabber->deliveredFrames();
            p->grabberCpuEnd = p->clockKnown.load() ? clockSeconds(p->grabberClock) : 0.0;
        }
        spanNs = span.nsecsElapsed();
        uiCpuEnd = clockSeconds(uiClock);
        processCpuEnd = processCpuSeconds();
        // No more frames, so the queue drains and the quit is reached.
        for (auto &p : probes)
            p->grabber->stop();
        QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    app.exec();
    measurer.join();

    const double elapsed = double(spanNs) / 1e9;
    const double uiCpu = uiCpuEnd - uiCpuStart;
    const double processCpu = processCpuEnd - processCpuStart;

    std::printf("frame path (stage %s): %d camera(s), cells of %dx%d, %.1f s measured after %.1f s warm-up\n",
                qPrintable(stage), count, cellWidth, cellHeight, elapsed, warmup);
    std::printf("%-18s %9s %9s %7s %9s %9s %12s\n", "camera", "capture", "display", "ratio", "med.cap",
                "med.disp", "grab ms/frm");
    long long displayedTotal = 0;
    for (auto &p : probes) {
        const double capture = double(p->capturedEnd - p->capturedStart) / elapsed;
        const int displayed = p->deliveredEnd - p->deliveredStart;
        displayedTotal += displayed;
        const double display = double(displayed) / elapsed;
        const double grabMs =
            displayed > 0 ? (p->grabberCpuEnd - p->grabberCpuStart) * 1000.0 / displayed : 0.0;
        std::printf("%-18s %9.2f %9.2f %6.1f%% %9.2f %9.2f %12.3f\n", qPrintable(p->serial), capture, display,
                    capture > 0 ? 100.0 * display / capture : 0.0, median(p->captureReports),
                    median(p->displayReports), grabMs);
    }
    if (displayedTotal > 0) {
        std::printf("user-interface thread: %.3f ms CPU per displayed frame (%.0f%% of one core)\n",
                    uiCpu * 1000.0 / double(displayedTotal), 100.0 * uiCpu / elapsed);
        std::printf(
            "whole process (camera simulation included): %.3f ms CPU per displayed frame (%.0f%% of one "
            "core)\n",
            processCpu * 1000.0 / double(displayedTotal), 100.0 * processCpu / elapsed);
    }

    for (auto &p : probes) {
        if (p->cell != nullptr) {
            p->cell->cameraStop();
            continue;
        }
        p->grabber->stop();
        while (!p->grabber->wait(100))
            QCoreApplication::processEvents();
        p->ownGrabber.reset();
        CameraUnInit(p->handle);
    }
    return 0;
}
