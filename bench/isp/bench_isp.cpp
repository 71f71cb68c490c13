// 1080p per-frame costs on one thread. Run with
//   bench_isp --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// and read the summary at the end: each stage against its yardstick.
#include "isp.h"
#include "scene.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#ifdef VEXO_HAVE_OPENCV
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#endif

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
const int kStride = vexo::sdk::paddedRowBytes(kWidth, 3);

// One realistic sensor frame shared by every benchmark.
const std::vector<uint8_t> &sensorFrame()
{
    static const std::vector<uint8_t> frame = [] {
        std::vector<uint8_t> raw(size_t(kWidth) * kHeight);
        vexo::sim::SceneGenerator scene(kWidth, kHeight, true);
        scene.render(raw.data(), 17, 1.0);
        return raw;
    }();
    return frame;
}

void BM_Memcpy(benchmark::State &state)
{
    std::vector<uint8_t> from(size_t(kStride) * kHeight, 7);
    std::vector<uint8_t> to(from.size());
    for (auto _ : state) {
        memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(from.size()));
}

void BM_Demosaic(benchmark::State &state)
{
    const std::vector<uint8_t> &raw = sensorFrame();
    std::vector<uint8_t> rgb(size_t(kStride) * kHeight);
    for (auto _ : state) {
        vexo::sdk::demosaicBayerRG8(raw.data(), kWidth, kHeight, rgb.data(), kStride);
        benchmark::DoNotOptimize(rgb.data());
        benchmark::ClobberMemory();
    }
}

#ifdef VEXO_HAVE_OPENCV
void BM_OpenCvDemosaic(benchmark::State &state)
{
    cv::setNumThreads(1);
    const std::vector<uint8_t> &raw = sensorFrame();
    const cv::Mat bayer(kHeight, kWidth, CV_8UC1, const_cast<uint8_t *>(raw.data()));
    cv::Mat rgb(kHeight, kWidth, CV_8UC3);
    for (auto _ : state) {
        cv::cvtColor(bayer, rgb, cv::COLOR_BayerRG2RGB);
        benchmark::DoNotOptimize(rgb.data);
        benchmark::ClobberMemory();
    }
}
#endif

vexo::sdk::IspSettings everyStageOn(const std::vector<vexo::sdk::DefectPixel> &defects, bool monochrome)
{
    vexo::sdk::IspSettings s;
    s.rGain = 140;
    s.gGain = 100;
    s.bGain = 85;
    s.saturation = 150;
    s.contrast = 70;
    s.sharpness = 60;
    s.lutMode = 0;
    s.gamma = 180;
    s.contrastLut = 120;
    s.mirrorH = true;
    s.mirrorV = true;
    s.monochrome = monochrome;
    s.deadPixelCorrection = true;
    s.defects = &defects;
    return s;
}

void fullIsp(benchmark::State &state, bool monochrome)
{
    const std::vector<uint8_t> &raw = sensorFrame();
    std::vector<uint8_t> rgb(size_t(kStride) * kHeight);
    const std::vector<vexo::sdk::DefectPixel> defects = {{100, 100}, {901, 333}, {1500, 1001}, {7, 1070}};
    const vexo::sdk::IspSettings settings = everyStageOn(defects, monochrome);
    for (auto _ : state) {
        const bool ok = vexo::sdk::runIsp(settings, raw.data(), kWidth, kHeight, CAMERA_MEDIA_TYPE_BAYRG8,
                                          rgb.data(), kStride, CAMERA_MEDIA_TYPE_RGB8);
        if (!ok) {
            state.SkipWithError("runIsp refused the frame");
            break;
        }
        benchmark::DoNotOptimize(rgb.data());
        benchmark::ClobberMemory();
    }
}

void BM_FullIsp(benchmark::State &state)
{
    fullIsp(state, false);
}

void BM_FullIspMonochrome(benchmark::State &state)
{
    fullIsp(state, true);
}

void BM_SceneRender(benchmark::State &state)
{
    vexo::sim::SceneGenerator scene(kWidth, kHeight, true);
    std::vector<uint8_t> raw(size_t(kWidth) * kHeight);
    uint64_t frame = 0;
    for (auto _ : state) {
        scene.render(raw.data(), frame++, 1.3);
        benchmark::DoNotOptimize(raw.data());
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Demosaic)->Unit(benchmark::kMillisecond);
#ifdef VEXO_HAVE_OPENCV
BENCHMARK(BM_OpenCvDemosaic)->Unit(benchmark::kMillisecond);
#endif
BENCHMARK(BM_FullIsp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullIspMonochrome)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SceneRender)->Unit(benchmark::kMillisecond);

// Keeps the median (or the single run) of each benchmark for the summary.
// CPU time is what one core spends; on a busy machine wall time also counts
// the waits for the core, so both are shown and the targets use CPU time.
struct Timing
{
    double realMs = -1;
    double cpuMs = -1;
};

class SummaryReporter final : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.error_occurred)
                continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (median || single)
                timings[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        }
    }

    std::map<std::string, Timing> timings;
};

void printSummary(const std::map<std::string, Timing> &timings)
{
    auto get = [&](const char *name) {
        const auto it = timings.find(name);
        return it == timings.end() ? Timing{} : it->second;
    };
    const Timing copy = get("BM_Memcpy");
    const Timing demosaic = get("BM_Demosaic");
    const Timing opencv = get("BM_OpenCvDemosaic");
    const Timing isp = get("BM_FullIsp");
    const Timing mono = get("BM_FullIspMonochrome");
    const Timing scene = get("BM_SceneRender");

    printf("\nSummary (medians, one thread, %dx%d; targets judged on CPU time):\n", kWidth, kHeight);
    printf("  %-30s %9s %9s %10s\n", "", "wall ms", "CPU ms", "x memcpy");
    auto row = [&](const char *what, const Timing &t) {
        if (t.cpuMs < 0)
            return;
        printf("  %-30s %9.3f %9.3f", what, t.realMs, t.cpuMs);
        if (copy.cpuMs > 0)
            printf(" %10.1f", t.cpuMs / copy.cpuMs);
        printf("\n");
    };
    row("memcpy of the output (floor)", copy);
    row("demosaic", demosaic);
    row("OpenCV cvtColor BayerRG2RGB", opencv);
    row("full ISP, every stage on", isp);
    row("full ISP + monochrome", mono);
    row("frame generation", scene);

    auto verdict = [](const char *what, double value, double limit, const char *unit) {
        printf("  %-30s %7.3f %s (target <= %.1f %s) %s\n", what, value, unit, limit, unit,
               value <= limit ? "ok" : "MISSED");
    };
    if (opencv.cpuMs > 0 && demosaic.cpuMs > 0)
        verdict("demosaic / OpenCV", demosaic.cpuMs / opencv.cpuMs, 1.5, "x");
    else
        printf("  demosaic / OpenCV: OpenCV not built in, no ratio\n");
    if (isp.cpuMs > 0)
        verdict("full ISP", isp.cpuMs, 4.0, "ms");
    if (scene.cpuMs > 0)
        verdict("frame generation", scene.cpuMs, 2.0, "ms");
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    printSummary(reporter.timings);
    return 0;
}
