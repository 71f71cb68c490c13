// The histogram window's cost per 1080p frame on one thread. Run with
//   bench_histogram --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// and read the summary at the end.
#include "benchsummary.h"
#include "histogram/histogrammath.h"
#include "histogram/histogramwidget.h"
#include "isp.h"
#include "scene.h"

#include <QApplication>
#include <QGraphicsView>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#ifdef VEXO_HAVE_OPENCV
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#endif

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// Frames as the grabber hands them out, RGB rows padded to 4 bytes: 0 is the
// simulated scene through the image pipeline (large even areas, where equal
// neighbours slow every counting loop down), 1 is noise (every level about
// equally often).
const QImage &frame(int kind = 0)
{
    static const QImage scene = [] {
        std::vector<uint8_t> raw(size_t(kWidth) * kHeight);
        vexo::sim::SceneGenerator generator(kWidth, kHeight, true);
        generator.render(raw.data(), 17, 1.0);
        QImage rgb(kWidth, kHeight, QImage::Format_RGB888);
        vexo::sdk::runIsp(vexo::sdk::IspSettings{}, raw.data(), kWidth, kHeight, CAMERA_MEDIA_TYPE_BAYRG8,
                          rgb.bits(), int(rgb.bytesPerLine()), CAMERA_MEDIA_TYPE_RGB8);
        return rgb;
    }();
    static const QImage noise = [] {
        QImage rgb(kWidth, kHeight, QImage::Format_RGB888);
        std::mt19937 random(7);
        for (int y = 0; y < kHeight; ++y) {
            uchar *row = rgb.scanLine(y);
            for (int x = 0; x < kWidth * 3; ++x)
                row[x] = uchar(random());
        }
        return rgb;
    }();
    return kind == 0 ? scene : noise;
}

// Three histograms and the statistics of every channel.
void BM_Analysis(benchmark::State &state)
{
    const QImage &image = frame(int(state.range(0)));
    HistogramMath::Histograms histograms;
    for (auto _ : state) {
        HistogramMath::analyse(image, histograms);
        for (const HistogramMath::Bins &bins : histograms.bins) {
            HistogramMath::ChannelStats stats = HistogramMath::channelStats(bins, histograms.pixels);
            benchmark::DoNotOptimize(stats);
        }
        benchmark::ClobberMemory();
    }
}

#ifdef VEXO_HAVE_OPENCV
void BM_OpenCvSplitCalcHist(benchmark::State &state)
{
    cv::setNumThreads(1);
    const QImage &image = frame(int(state.range(0)));
    const cv::Mat rgb(kHeight, kWidth, CV_8UC3, const_cast<uchar *>(image.constBits()),
                      size_t(image.bytesPerLine()));
    std::vector<cv::Mat> planes;
    cv::Mat hist[3];
    const int channel = 0;
    const int bins = 256;
    const float range[] = {0, 256};
    const float *ranges = range;
    for (auto _ : state) {
        cv::split(rgb, planes);
        for (int i = 0; i < 3; ++i)
            cv::calcHist(&planes[size_t(i)], 1, &channel, cv::Mat(), hist[i], 1, &bins, &ranges);
        benchmark::DoNotOptimize(hist[2].data);
        benchmark::ClobberMemory();
    }
}
#endif

std::unique_ptr<histogramWidget> &window()
{
    static std::unique_ptr<histogramWidget> w;
    if (!w) {
        w = std::make_unique<histogramWidget>(nullptr);
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->show();
        w->dealtData(frame());
    }
    return w;
}

// The chart redrawn from the last histograms: count labels and bars.
void BM_ChartUpdate(benchmark::State &state)
{
    histogramWidget &w = *window();
    for (auto _ : state)
        w.updataScene();
}

// The same, and the chart view painted as it will be on screen.
void BM_ChartUpdateAndPaint(benchmark::State &state)
{
    histogramWidget &w = *window();
    auto *view = w.findChild<QGraphicsView *>(QStringLiteral("graphicsView"));
    QImage target(view->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        w.updataScene();
        QPainter painter(&target);
        view->render(&painter);
    }
}

// The whole slot the grabber waits for: analysis, table and chart.
void BM_DealtData(benchmark::State &state)
{
    histogramWidget &w = *window();
    const QImage &image = frame();
    for (auto _ : state)
        w.dealtData(image);
}

// The slot and the whole window painted, as the screen gets it every frame.
void BM_DealtDataAndPaint(benchmark::State &state)
{
    histogramWidget &w = *window();
    const QImage &image = frame();
    QImage target(w.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        w.dealtData(image);
        QPainter painter(&target);
        w.render(&painter);
    }
}

BENCHMARK(BM_Analysis)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
#ifdef VEXO_HAVE_OPENCV
BENCHMARK(BM_OpenCvSplitCalcHist)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
#endif
BENCHMARK(BM_ChartUpdate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartUpdateAndPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DealtData)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DealtDataAndPaint)->Unit(benchmark::kMillisecond);

void printSummary(const benchsummary::MedianReporter &timings)
{
    const benchsummary::Timing analysis = timings["BM_Analysis/0"];
    const benchsummary::Timing opencv = timings["BM_OpenCvSplitCalcHist/0"];
    const benchsummary::Timing analysisNoise = timings["BM_Analysis/1"];
    const benchsummary::Timing opencvNoise = timings["BM_OpenCvSplitCalcHist/1"];
    const benchsummary::Timing chart = timings["BM_ChartUpdate"];

    char frame[32];
    std::snprintf(frame, sizeof frame, "%dx%d RGB", kWidth, kHeight);
    const benchsummary::Table table(frame, 36);
    table.row("analysis (3 histograms + statistics)", analysis);
    table.row("OpenCV split + 3 calcHist", opencv);
    table.row("analysis, noise frame", analysisNoise);
    table.row("OpenCV, noise frame", opencvNoise);
    table.row("chart update", chart);
    table.row("chart update + paint of the view", timings["BM_ChartUpdateAndPaint"]);
    table.row("whole frame slot (dealtData)", timings["BM_DealtData"]);
    table.row("frame slot + paint of the window", timings["BM_DealtDataAndPaint"]);

    table.speedUp("OpenCV / analysis", analysis, opencv, 1.5, "OpenCV not built in");
    table.speedUp("OpenCV / analysis, noise frame", analysisNoise, opencvNoise, 1.5, "OpenCV not built in");
    if (chart.ran())
        table.verdict("chart update", chart.cpuMs, "ms", 1.0);
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchsummary::MedianReporter reporter;
    if (!benchsummary::runBenchmarks(&argc, argv, reporter))
        return 1;
    window().reset();
    printSummary(reporter);
    return 0;
}
