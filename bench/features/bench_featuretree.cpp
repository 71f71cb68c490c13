// How long opening a camera's feature tree takes: the SDK's read of the
// whole tree, and the feature browser's read and build of it, on Aravis's
// GigE Vision test camera on loopback (asked by address, never a broadcast)
// serving its own description plus generated features. The floor is one
// register round trip per feature, measured in the same run.
//
//   bench_featuretree [extra features (600)] [runs (30)]
//
// Prints median / 90th percentile / maximum in milliseconds against the
// 300 ms budget.

// glib names a field "signals": Aravis comes before Qt's keyword macros.
#include <arv.h>

#include "VexoCameraSDK.h"
#include "fakegigecamera.h"
#include "gvcp.h"
#include "params/featurebrowser.h"
#include "params/featuretree.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr uint32_t kLoopback = 0x7F000001;
constexpr const char *kSerial = "VXBENCH01";

struct Figures
{
    double median = 0.0, p90 = 0.0, max = 0.0;
};

Figures figures(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    if (ms.empty())
        return {};
    return {ms[ms.size() / 2], ms[ms.size() * 9 / 10], ms.back()};
}

double timed(const std::function<void()> &f)
{
    QElapsedTimer timer;
    timer.start();
    f();
    return timer.nsecsElapsed() / 1e6;
}

// The test camera's description with extra features in ten categories:
// integers, floats, enumerations of four entries and booleans, each on a
// spare register of the camera.
std::string description(const std::string &dir, int extra)
{
    ArvFakeCamera *fake = arv_fake_camera_new("BENCH");
    size_t size = 0;
    const char *xml = arv_fake_camera_get_genicam_xml(fake, &size);
    std::string text(xml, size);
    g_object_unref(fake);
    auto reg = [](const std::string &name, uint32_t address, const char *kind) {
        return "<" + std::string(kind) + " Name=\"" + name + "\"><Address>0x" +
               QString::number(address, 16).toStdString() +
               "</Address><Length>4</Length><AccessMode>RW</AccessMode><pPort>Device</pPort>" +
               (std::string(kind) == "IntReg" ? "<Sign>Unsigned</Sign>" : "") +
               "<Endianess>BigEndian</Endianess></" + kind + ">\n";
    };
    std::string nodes, roots;
    const int groups = 10;
    for (int g = 0; g < groups; ++g) {
        const std::string category = "BenchGroup" + std::to_string(g);
        roots += "<pFeature>" + category + "</pFeature>";
        std::string members;
        for (int i = g; i < extra; i += groups) {
            const std::string name = "BenchFeature" + std::to_string(i);
            const uint32_t address = 0xE000 + 4 * static_cast<uint32_t>(i);
            members += "<pFeature>" + name + "</pFeature>";
            switch (i % 4) {
            case 0:
                nodes += reg(name, address, "IntReg");
                break;
            case 1:
                nodes += reg(name, address, "FloatReg");
                break;
            case 2:
                nodes += "<Enumeration Name=\"" + name +
                         "\"><EnumEntry Name=\"Off\"><Value>0</Value></EnumEntry>"
                         "<EnumEntry Name=\"Low\"><Value>1</Value></EnumEntry><EnumEntry "
                         "Name=\"Mid\"><Value>2</Value>"
                         "</EnumEntry><EnumEntry Name=\"High\"><Value>3</Value></EnumEntry><pValue>Vx" +
                         name + "</pValue></Enumeration>\n" + reg("Vx" + name, address, "IntReg");
                break;
            default:
                nodes += "<Boolean Name=\"" + name + "\"><pValue>Vx" + name + "</pValue></Boolean>\n" +
                         reg("Vx" + name, address, "IntReg");
            }
        }
        nodes += "<Category Name=\"" + category + "\">" + members + "</Category>\n";
    }
    const size_t root = text.find("<Category Name=\"Root\"");
    const size_t first = text.find("<pFeature>", root);
    text.insert(first, roots);
    text.insert(text.rfind("</RegisterDescription>"), nodes);
    const std::string path = dir + "/bench-camera.xml";
    std::ofstream(path) << text;
    return path;
}

bool waitForCamera()
{
    for (int i = 0; i < 100; ++i) {
        int count = 0;
        if (CameraEnumerateDevice(&count) == CAMERA_STATUS_SUCCESS && count > 0)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

void print(const char *what, const Figures &f)
{
    std::printf("%-44s median %7.1f ms   p90 %7.1f ms   max %7.1f ms\n", what, f.median, f.p90, f.max);
}

} // namespace

int main(int argc, char **argv)
{
    const int extra = argc > 1 ? std::max(0, std::atoi(argv[1])) : 600;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;
    QTemporaryDir scratch;
    // Only the test camera, only at its loopback address.
    setenv("VEXO_SDK_BACKENDS", "aravis", 1);
    setenv("VEXO_SDK_GIGE_ADDRESSES", "127.0.0.1", 1);
    setenv("VEXO_SDK_SYSTEM_CONFIG", "/dev/null", 1);
    setenv("VEXO_SDK_CONFIG", "/dev/null", 1);
    setenv("VEXO_SDK_LOOPBACK_ONLY", "1", 1);
    setenv("VEXO_SDK_HOME", (scratch.path() + QStringLiteral("/sdk")).toLocal8Bit().constData(), 1);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    vexotest::FakeGigeCamera camera(kSerial, description(scratch.path().toStdString(), extra));
    if (!waitForCamera()) {
        std::fprintf(stderr, "bench_featuretree: the test camera does not answer on 127.0.0.1\n");
        return 1;
    }
    CameraHandle handle = nullptr;
    if (CameraInitEx3(&handle, kSerial) != CAMERA_STATUS_SUCCESS) {
        std::fprintf(stderr, "bench_featuretree: cannot open the test camera\n");
        return 1;
    }
    QVector<FeatureRow> rows;
    featuretree::read(handle, &rows);
    int features = 0;
    for (const FeatureRow &r : rows)
        features += r.isCategory() ? 0 : 1;
    std::printf("test camera with %d extra features: %d features in %d rows, %d runs\n", extra, features,
                int(rows.size()), runs);

    FeatureBrowser browser;
    browser.resize(400, 600);
    browser.show();
    std::vector<double> sdk, open, floor;
    for (int i = 0; i < runs; ++i) {
        sdk.push_back(timed([&] { featuretree::read(handle, &rows); }));
        // The same camera again keeps its tree: each run opens it afresh.
        browser.setCamera(nullptr);
        QCoreApplication::processEvents();
        open.push_back(timed([&] {
            browser.setCamera(handle);
            QCoreApplication::processEvents();
        }));
        floor.push_back(timed([&] {
            uint32_t value = 0;
            for (int f = 0; f < features; ++f)
                vexo::gige::readRegister(kLoopback, 0xE000, &value, std::chrono::milliseconds(200));
        }));
    }
    const Figures s = figures(sdk), o = figures(open), r = figures(floor);
    print("SDK tree read (CameraGetFeatureCount+infos)", s);
    print("browser open (read + build + show)", o);
    print("floor: one register round trip per feature", r);
    std::printf("browser open / floor (medians): %.2f; budget 300 ms: %s\n",
                o.median / std::max(r.median, 1e-3), o.median < 300.0 ? "met" : "MISSED");
    CameraUnInit(handle);
    return 0;
}
