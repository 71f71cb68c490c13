// End-to-end frame path: opens N cameras (simulated, or real ones with
// VEXO_SDK_BACKENDS) in real display cells (offscreen), lets them run and reports per cell how many frames
// the camera captured, how many the cell displayed, and what each displayed frame cost in CPU time. With
// --record or --series every cell records or takes a snapshot series during the measured span, and the report
// adds the encode or save rate, where that time goes and how late the user-interface thread runs its timers.

#include "capture/cellcapture.h"
#include "config/configparameter.h"
#include "histogram/histogramwidget.h"
#include "stream/cvideothread.h"
#include "view/camerathread.h"
#include "view/cameraviewmath.h"

#include "VexoCameraSDK.h"
#include "VexoCameraSim.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGridLayout>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <pthread.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

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
    uint32_t lostStart = 0, lostEnd = 0;
    VideoEncoder::Timing encodeStart, encodeEnd;
    RecordVideoThread::Figures recordStart, recordEnd;
    qint64 encodeCallStart = 0, encodeCallEnd = 0;
    SnapshotWriter::Totals savedStart, savedEnd;
    int deliveredStart = 0, deliveredEnd = 0;
    double grabberCpuStart = 0, grabberCpuEnd = 0;
    std::vector<double> captureReports, displayReports;
    std::atomic<bool> measuring{false};
};

stFrameStatistic frameStatistic(CameraHandle handle)
{
    stFrameStatistic statistic{};
    CameraGetFrameStatistic(handle, &statistic);
    return statistic;
}

uint32_t capturedFrames(CameraHandle handle)
{
    return frameStatistic(handle).iCapture;
}

// The cells read their recording and snapshot settings from Config.ini,
// which is built before main() from XDG_DATA_HOME: the measurement runs in a
// child whose settings live in a scratch folder, never in the user's.
int runWithScratchSettings(char **argv)
{
    char pattern[] = "/tmp/vexo-framepath-XXXXXX";
    const char *home = mkdtemp(pattern);
    if (home == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string data = std::string(home) + "/data";
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (std::string(home) + "/config").c_str(), 1);
    setenv("VEXO_FRAMEPATH_HOME", home, 1);
    pid_t child = 0;
    int status = 1;
    if (posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, argv, environ) == 0)
        waitpid(child, &status, 0);
    QDir(QString::fromLocal8Bit(home)).removeRecursively();
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

double percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(fraction * double(values.size())))];
}

// Bytes the calling thread has sent towards storage so far (written files,
// counted when pages are dirtied), or -1 where the kernel does not count.
long long threadStorageWrites()
{
    QFile io(QStringLiteral("/proc/self/task/%1/io").arg(qint64(gettid())));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("write_bytes:"))
            return line.mid(12).trimmed().toLongLong();
    }
    return -1;
}

double msPer(int64_t ns, int64_t count)
{
    return count > 0 ? double(ns) / 1e6 / double(count) : 0.0;
}

// The camera's largest preset, its whole sensor.
bool useFullSensor(CameraHandle handle)
{
    stCameraCapability capability{};
    return CameraGetCapability(handle, &capability) == CAMERA_STATUS_SUCCESS &&
           capability.iImageSizeDesc > 0 &&
           CameraSetResolution(handle, capability.iImageSizeDesc - 1) == CAMERA_STATUS_SUCCESS;
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("VEXO_FRAMEPATH_HOME"))
        return runWithScratchSettings(argv);
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
    const QCommandLineOption recordOption(
        QStringLiteral("record"), QStringLiteral("Every cell records during the measured span: mp4 or avi."),
        QStringLiteral("container"));
    const QCommandLineOption qualityOption(QStringLiteral("quality"),
                                           QStringLiteral("Recording quality 0, 1 or 2 (default 2)."),
                                           QStringLiteral("quality"), QStringLiteral("2"));
    const QCommandLineOption seriesOption(
        QStringLiteral("series"),
        QStringLiteral("Every cell takes a snapshot series during the measured span: bmp, jpg or png."),
        QStringLiteral("type"));
    const QCommandLineOption intervalOption(
        QStringLiteral("series-interval"),
        QStringLiteral("Milliseconds between the pictures of a series (default 33, about 30 a second)."),
        QStringLiteral("ms"), QStringLiteral("33"));
    const QCommandLineOption outputOption(
        QStringLiteral("output"),
        QStringLiteral("Folder for recordings and pictures (default: a scratch folder)."),
        QStringLiteral("folder"));
    const QCommandLineOption fullOption(
        QStringLiteral("full-sensor"),
        QStringLiteral("Read every camera's whole sensor (its largest preset)."));
    const QCommandLineOption packetOption(
        QStringLiteral("packet-size"), QStringLiteral("GigE packet size in bytes for the network cameras."),
        QStringLiteral("bytes"));
    const QCommandLineOption histogramOption(
        QStringLiteral("histogram"),
        QStringLiteral("Open a histogram window on every camera, as its cell does."));
    parser.addOptions({countOption, secondsOption, warmupOption, setOption, sizeOption, stageOption,
                       histogramOption, recordOption, qualityOption, seriesOption, intervalOption,
                       outputOption, fullOption, packetOption});
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
    const QStringList containers{QStringLiteral("mp4"), QStringLiteral("avi")};
    const QStringList pictureTypes{QStringLiteral("bmp"), QStringLiteral("jpg"), QStringLiteral("png")};
    const bool recording = parser.isSet(recordOption);
    const bool series = parser.isSet(seriesOption);
    const int quality = parser.value(qualityOption).toInt(&ok);
    if (recording &&
        (!containers.contains(parser.value(recordOption)) || !ok || quality < 0 || quality > 2)) {
        std::fprintf(stderr, "--record: expected mp4 or avi, --quality 0, 1 or 2\n");
        return 2;
    }
    const int interval = parser.value(intervalOption).toInt(&ok);
    if (series && (!pictureTypes.contains(parser.value(seriesOption)) || !ok || interval < 0)) {
        std::fprintf(stderr, "--series: expected bmp, jpg or png and an interval of 0 ms or more\n");
        return 2;
    }
    if ((recording || series) && !cells) {
        std::fprintf(stderr, "--record and --series need --stage cell\n");
        return 2;
    }
    // The cells take only absolute folders.
    const QString output = parser.isSet(outputOption)
                               ? QDir(parser.value(outputOption)).absolutePath()
                               : qEnvironmentVariable("VEXO_FRAMEPATH_HOME") + QStringLiteral("/out");
    if ((recording || series) && !QDir().mkpath(output)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(output));
        return 2;
    }
    ConfigParameter *store = ConfigParameter::getInstance();
    if (recording) {
        RecordParameter r = ConfigParameter::firstRunRecord();
        r.savePath = output;
        r.autoSaveState = 2;
        r.videoType = containers.indexOf(parser.value(recordOption));
        r.videoQuality = quality;
        store->writeRecordParameter(&r);
    }
    if (series) {
        CaptureParameter c = ConfigParameter::firstRunCapture();
        c.savePath = output;
        c.autoSaveState = 2;
        c.pictureType = pictureTypes.indexOf(parser.value(seriesOption));
        c.captureMode = 1;
        c.grapTimeRadix = interval;
        store->writeCaptureParament(&c);
    }
    // What writing one key through to the disk costs the user-interface
    // thread (a snapshot named by running index writes one).
    std::vector<double> storeWrites;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer clock;
        clock.start();
        store->setValue(QStringLiteral("BENCH"), QStringLiteral("Probe"), i);
        storeWrites.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
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
    std::vector<std::unique_ptr<histogramWidget>> histograms;
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
            p->grabber->connectFrames(&sink, [convert, thumbnail](const QImage &image) {
                if (convert) {
                    // What a cell does with a frame while its navigation panel shows.
                    const QPixmap picture = QPixmap::fromImage(image.copy(), Qt::NoFormatConversion);
                    const QPixmap small =
                        QPixmap::fromImage(CameraViewMath::sampleThumbnail(image, thumbnail));
                    Q_UNUSED(picture)
                    Q_UNUSED(small)
                }
            });
            p->grabber->start(QThread::TimeCriticalPriority);
        }
        if (parser.isSet(fullOption) && !useFullSensor(p->handle)) {
            std::fprintf(stderr, "cannot read the whole sensor of %s\n", qPrintable(p->serial));
            return 1;
        }
        if (parser.isSet(packetOption)) {
            uint32_t current = 0;
            // Only network cameras have a packet size.
            if (CameraGigeGetTransPacketSize(p->handle, &current) == CAMERA_STATUS_SUCCESS &&
                CameraGigeSetTransPacketSize(p->handle, parser.value(packetOption).toUInt()) !=
                    CAMERA_STATUS_SUCCESS) {
                std::fprintf(stderr, "packet size refused by %s\n", qPrintable(p->serial));
                return 1;
            }
        }
        CVideoThread *grabber = p->grabber;
        if (parser.isSet(histogramOption)) {
            histograms.emplace_back(histogramWidget::open(p->handle, grabber));
            histograms.back()->setAttribute(Qt::WA_DeleteOnClose, false);
        }
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

    // How late a 10 ms timer of the user-interface thread fires: the time
    // that thread could not serve events (frames, clicks, repaints).
    std::vector<double> timerLateness;
    bool measuringLateness = false;
    QDateTime configStart, configEnd;
    long long uiWritesStart = -1, uiWritesEnd = -1;
    QElapsedTimer latenessClock;
    QTimer latenessProbe;
    latenessProbe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&latenessProbe, &QTimer::timeout, &app, [&] {
        if (measuringLateness && latenessClock.isValid())
            timerLateness.push_back(std::max(0.0, double(latenessClock.nsecsElapsed()) / 1e6 - 10.0));
        latenessClock.restart();
    });
    latenessProbe.start(10);

    // What the end of the span does on the user-interface thread.
    const auto finish = [&] {
        measuringLateness = false;
        configEnd = QFileInfo(store->getSavePath()).lastModified();
        uiWritesEnd = threadStorageWrites();
        for (auto &p : probes) {
            if (recording) {
                p->recordEnd = p->cell->capture()->recorder()->figures();
                p->encodeEnd = p->recordEnd.timing;
                p->encodeCallEnd = p->cell->capture()->recorder()->encodeCallNs();
                p->cell->capture()->toggleRecording();
            }
            if (series) {
                p->cell->capture()->toggleSeries();
                p->savedEnd = p->cell->capture()->writer()->totals();
            }
        }
        app.quit();
    };
    // The end of the span is taken on a thread of its own: with more frames
    // than the user-interface thread can take, its queue never runs dry and a
    // timer there would fire late or never.
    clockid_t uiClock{};
    pthread_getcpuclockid(pthread_self(), &uiClock);
    double uiCpuStart = 0, processCpuStart = 0, uiCpuEnd = 0, processCpuEnd = 0;
    qint64 spanNs = 0;
    std::thread measurer;
    QElapsedTimer span;
    QTimer::singleShot(int(warmup * 1000), Qt::PreciseTimer, &app, [&] {
        for (auto &p : probes) {
            if (recording) {
                p->cell->capture()->toggleRecording();
                if (!p->cell->capture()->isRecording()) {
                    std::fprintf(stderr, "%s: the recording did not start\n", qPrintable(p->serial));
                    std::exit(1);
                }
                p->recordStart = p->cell->capture()->recorder()->figures();
                p->encodeStart = p->recordStart.timing;
                p->encodeCallStart = p->cell->capture()->recorder()->encodeCallNs();
            }
            if (series) {
                p->savedStart = p->cell->capture()->writer()->totals();
                p->cell->capture()->toggleSeries();
                if (!p->cell->capture()->isSeriesRunning()) {
                    std::fprintf(stderr, "%s: the series did not start\n", qPrintable(p->serial));
                    std::exit(1);
                }
            }
        }
        measuringLateness = true;
        configStart = QFileInfo(store->getSavePath()).lastModified();
        uiWritesStart = threadStorageWrites();
        for (auto &p : probes) {
            p->measuring = true;
            p->lostStart = frameStatistic(p->handle).iLost;
            p->capturedStart = capturedFrames(p->handle);
            p->deliveredStart = p->grabber->deliveredFrames();
            p->grabberCpuStart = p->clockKnown.load() ? clockSeconds(p->grabberClock) : 0.0;
        }
        uiCpuStart = clockSeconds(uiClock);
        processCpuStart = processCpuSeconds();
        span.start();
        measurer = std::thread([&] {
            std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
            for (auto &p : probes) {
                p->measuring = false;
                p->lostEnd = frameStatistic(p->handle).iLost;
                p->capturedEnd = capturedFrames(p->handle);
                p->deliveredEnd = p->grabber->deliveredFrames();
                p->grabberCpuEnd = p->clockKnown.load() ? clockSeconds(p->grabberClock) : 0.0;
            }
            spanNs = span.nsecsElapsed();
            uiCpuEnd = clockSeconds(uiClock);
            processCpuEnd = processCpuSeconds();
            // No more frames, so the queue drains and the rest is reached.
            for (auto &p : probes)
                p->grabber->stop();
            QMetaObject::invokeMethod(
                &app, [&] { finish(); }, Qt::QueuedConnection);
        });
    });
    app.exec();
    measurer.join();

    const double elapsed = double(spanNs) / 1e9;
    const double uiCpu = uiCpuEnd - uiCpuStart;
    const double processCpu = processCpuEnd - processCpuStart;

    std::printf(
        "frame path (stage %s%s): %d camera(s), cells of %dx%d, %.1f s measured after %.1f s warm-up\n",
        qPrintable(stage), parser.isSet(histogramOption) ? ", histogram open" : "", count, cellWidth,
        cellHeight, elapsed, warmup);
    std::printf("%-18s %9s %9s %7s %9s %9s %12s %7s\n", "camera", "capture", "display", "ratio", "med.cap",
                "med.disp", "grab ms/frm", "lost");
    long long displayedTotal = 0;
    for (auto &p : probes) {
        const double capture = double(p->capturedEnd - p->capturedStart) / elapsed;
        const int displayed = p->deliveredEnd - p->deliveredStart;
        displayedTotal += displayed;
        const double display = double(displayed) / elapsed;
        const double grabMs =
            displayed > 0 ? (p->grabberCpuEnd - p->grabberCpuStart) * 1000.0 / displayed : 0.0;
        std::printf("%-18s %9.2f %9.2f %6.1f%% %9.2f %9.2f %12.3f %7u\n", qPrintable(p->serial), capture,
                    display, capture > 0 ? 100.0 * display / capture : 0.0, median(p->captureReports),
                    median(p->displayReports), grabMs, p->lostEnd - p->lostStart);
    }
    if (recording) {
        std::printf("recording %s, quality %d: encoded frames per second and milliseconds per frame\n",
                    qPrintable(parser.value(recordOption)), quality);
        std::printf("%-18s %9s %9s %9s %9s %9s %9s %7s %8s %7s %-10s\n", "camera", "encoded", "total",
                    "convert", "encode", "write", "kbit/s", "kept", "dropped", "peak q", "preset");
        for (auto &p : probes) {
            const int64_t frames = p->encodeEnd.frames - p->encodeStart.frames;
            // Frames offered to the recording during the span, and those it lost.
            const int64_t offered = p->recordEnd.queue.offered - p->recordStart.queue.offered;
            const int64_t dropped = p->recordEnd.dropped() - p->recordStart.dropped();
            std::printf(
                "%-18s %9.2f %9.2f %9.2f %9.2f %9.2f %9.0f %6.1f%% %8lld %7d %-10s\n", qPrintable(p->serial),
                double(frames) / elapsed, msPer(p->encodeCallEnd - p->encodeCallStart, frames),
                msPer(p->encodeEnd.convertNs - p->encodeStart.convertNs, frames),
                msPer(p->encodeEnd.encodeNs - p->encodeStart.encodeNs, frames),
                msPer(p->encodeEnd.writeNs - p->encodeStart.writeNs, frames),
                double(p->encodeEnd.bytes - p->encodeStart.bytes) * 8.0 / 1000.0 / elapsed,
                offered > 0 ? 100.0 * double(offered - dropped) / double(offered) : 0.0,
                static_cast<long long>(dropped), p->recordEnd.queue.peakDepth,
                qPrintable(p->recordEnd.preset.isEmpty() ? QStringLiteral("-") : p->recordEnd.preset));
        }
    }
    if (series) {
        std::printf("series of %s pictures every %d ms: pictures written per second, milliseconds per save\n",
                    qPrintable(parser.value(seriesOption)), interval);
        std::printf("%-18s %9s %9s %9s\n", "camera", "written", "failed", "save ms");
        for (auto &p : probes) {
            p->cell->capture()->writer()->drain();
            const SnapshotWriter::Totals end = p->cell->capture()->writer()->totals();
            const int64_t written = p->savedEnd.written - p->savedStart.written;
            std::printf("%-18s %9.2f %9lld %9.2f\n", qPrintable(p->serial), double(written) / elapsed,
                        static_cast<long long>(end.failed - p->savedStart.failed),
                        msPer(p->savedEnd.busyNs - p->savedStart.busyNs, written));
        }
    }
    std::printf("user-interface thread: 10 ms timer late by median %.2f ms, p99 %.2f ms, max %.2f ms\n",
                median(timerLateness), percentile(timerLateness, 0.99),
                timerLateness.empty() ? 0.0 : *std::max_element(timerLateness.begin(), timerLateness.end()));
    if (uiWritesStart >= 0 && uiWritesEnd >= 0)
        std::printf("user-interface thread: %lld bytes written to files during the measured span\n",
                    uiWritesEnd - uiWritesStart);
    std::printf("configuration store: one key written through in median %.3f ms (max %.3f ms); "
                "Config.ini %s during the measured span\n",
                median(storeWrites), *std::max_element(storeWrites.begin(), storeWrites.end()),
                configStart == configEnd ? "not written" : "written");
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
    histograms.clear();
    return 0;
}
