// How long filling the parameter dock takes (initDeviceSetting, run on every
// click on a cell): the main window offscreen on the simulated cameras,
// 100 fills per scenario, median / 90th percentile / maximum, against the
// 20 ms budget and a 60 fps frame period (the user-interface thread shows
// no picture while it fills).
//
//   bench_parameterfill [fills]
//
// The built-in camera set is used unless VEXO_SDK_CAMERAS names another; the
// camera state goes to a scratch folder unless VEXO_SDK_HOME is set. The
// window reads the configuration store: run with XDG_DATA_HOME pointing at a
// scratch folder.

#include "VexoCameraSDK.h"
#include "VexoCameraSim.h"
#include "config/sceneframelayout.h"
#include "shell/vexocam.h"
#include "view/camerathread.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Figures
{
    double median = 0.0;
    double p90 = 0.0;
    double max = 0.0;
};

Figures figures(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    if (ms.empty())
        return {};
    return {ms[ms.size() / 2], ms[ms.size() * 9 / 10], ms.back()};
}

// Runs events for a while, so frames keep flowing between fills.
void serveEvents(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

Figures measure(VexoCam &window, const std::vector<CameraHandle> &handles, int fills, int gapMs)
{
    std::vector<double> ms;
    for (int i = 0; i < fills; ++i) {
        QElapsedTimer timer;
        timer.start();
        window.initDeviceSetting(handles[size_t(i) % handles.size()]);
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        serveEvents(gapMs);
    }
    return figures(ms);
}

void report(const char *name, const Figures &f)
{
    constexpr double kBudgetMs = 20.0;
    constexpr double kFramePeriodMs = 1000.0 / 60.0;
    std::printf("%-44s median %6.2f ms  p90 %6.2f ms  max %6.2f ms  median/budget %.2f  median/frame %.2f\n",
                name, f.median, f.p90, f.max, f.median / kBudgetMs, f.median / kFramePeriodMs);
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    return QString::fromLatin1(file.readLine()).trimmed();
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir stateDir;
    if (!qEnvironmentVariableIsSet("VEXO_SDK_HOME"))
        qputenv("VEXO_SDK_HOME", stateDir.path().toLocal8Bit());
    QApplication app(argc, argv);
    const int fills = argc > 1 ? std::max(1, atoi(argv[1])) : 100;

    int count = 0;
    if (CameraEnumerateDevice(&count) != CAMERA_STATUS_SUCCESS || count < 1) {
        std::fprintf(stderr, "no cameras\n");
        return 1;
    }
    // The first camera with one channel and the first with the special page.
    QStringList serials;
    for (int i = 0; i < count; ++i) {
        stDeviceInfo info{};
        if (CameraGetEnumIndexInfo(i, &info) == CAMERA_STATUS_SUCCESS)
            serials << QString::fromLatin1(info.acSn);
    }

    VexoCam window(QCoreApplication::applicationDirPath());
    window.resize(1500, 950);
    window.show();
    serveEvents(300);
    SceneFrameLayout grid = VexoCam::presetLayout(2);
    window.cameraWindowSetting(grid);
    std::vector<CameraHandle> handles;
    for (const QString &serial : serials.mid(0, 4)) {
        if (window.openCamera(serial))
            handles.push_back(window.findCameraWidget(serial)->cameraHandle());
    }
    if (handles.empty()) {
        std::fprintf(stderr, "no camera opened\n");
        return 1;
    }
    serveEvents(1000);

    // Which calls one fill makes.
    VexoSimTraceEnable(1);
    VexoSimTraceClear();
    window.initDeviceSetting(handles.front());
    const int calls = VexoSimTraceCount();
    VexoSimTraceEnable(0);

    std::printf(
        "parameter dock fill, %d fills per line, %zu cameras streaming, %d SDK calls per fill, load %s\n",
        fills, handles.size(), calls, qPrintable(loadAverage()));
    report("same camera again (streaming)", measure(window, {handles.front()}, fills, 10));
    report("cycling through the cameras (streaming)", measure(window, handles, fills, 10));
    if (handles.size() >= 3)
        report("1-channel <-> 4-channel camera (page moves)",
               measure(window, {handles[0], handles[2]}, fills, 10));

    for (CameraThread *cell : window.cells())
        cell->cameraStop();
    serveEvents(200);
    return 0;
}
