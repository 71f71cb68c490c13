// 1080p per-frame costs on one thread. Run with
//   bench_isp --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// and read the summary at the end: each stage against its yardstick.
//
// The pipeline runs the fastest kernel set the CPU has (chosen once, at
// first use, from the CPU's feature flags). The rows "full ISP, <set>" pin
// each set this CPU runs in turn, so a machine with AVX-512 also measures
// what one with only AVX2 gets; one of them alone, with its yardstick:
//   bench_isp --benchmark_filter='Memcpy|FullIspOn/avx2'
#include "benchsummary.h"
#include "isp.h"
#include "isp_kernels.h"
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

// The same on each instruction set the CPU has, slowest first: what a
// machine without the newest vector units gets.
void BM_FullIspOn(benchmark::State &state, const vexo::sdk::IspKernels *set)
{
    vexo::sdk::pinIspKernels(set);
    fullIsp(state, false);
    vexo::sdk::pinIspKernels(nullptr);
}

void BM_FullIspMonochrome(benchmark::State &state)
{
    fullIsp(state, true);
}

// The picture a 640x400 cell shows of the frame, converted alone (the pixel
// under each centre), with every stage on and with all but sharpening, the
// one stage that needs whole rows around each sampled one.
void sampledIsp(benchmark::State &state, bool sharpen)
{
    const std::vector<uint8_t> &raw = sensorFrame();
    constexpr int kShownWidth = 640, kShownHeight = 360;
    const int stride = vexo::sdk::paddedRowBytes(kShownWidth, 3);
    std::vector<uint8_t> rgb(size_t(stride) * kShownHeight);
    const std::vector<vexo::sdk::DefectPixel> defects = {{100, 100}, {901, 333}, {1500, 1001}, {7, 1070}};
    vexo::sdk::IspSettings settings = everyStageOn(defects, false);
    if (!sharpen)
        settings.sharpness = 0;
    std::vector<int> columns(kShownWidth), rows(kShownHeight);
    for (auto _ : state) {
        vexo::sdk::centreSamples(kWidth, kShownWidth, columns.data());
        vexo::sdk::centreSamples(kHeight, kShownHeight, rows.data());
        const bool ok = vexo::sdk::runIspSampled(
            settings, raw.data(), kWidth, kHeight, CAMERA_MEDIA_TYPE_BAYRG8, columns.data(), kShownWidth,
            rows.data(), kShownHeight, rgb.data(), stride, CAMERA_MEDIA_TYPE_RGB8);
        if (!ok) {
            state.SkipWithError("runIspSampled refused the frame");
            break;
        }
        benchmark::DoNotOptimize(rgb.data());
        benchmark::ClobberMemory();
    }
}

void BM_SampledIsp(benchmark::State &state)
{
    sampledIsp(state, false);
}

void BM_SampledIspSharpened(benchmark::State &state)
{
    sampledIsp(state, true);
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
BENCHMARK(BM_SampledIsp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SampledIspSharpened)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SceneRender)->Unit(benchmark::kMillisecond);

void printSummary(const benchsummary::MedianReporter &timings)
{
    const benchsummary::Timing copy = timings["BM_Memcpy"];
    const benchsummary::Timing demosaic = timings["BM_Demosaic"];
    const benchsummary::Timing opencv = timings["BM_OpenCvDemosaic"];
    const benchsummary::Timing isp = timings["BM_FullIsp"];
    const benchsummary::Timing mono = timings["BM_FullIspMonochrome"];
    const benchsummary::Timing scene = timings["BM_SceneRender"];
    const benchsummary::Timing sampled = timings["BM_SampledIsp"];
    const benchsummary::Timing sampledSharpened = timings["BM_SampledIspSharpened"];

    char frame[32];
    std::snprintf(frame, sizeof frame, "%dx%d", kWidth, kHeight);
    const benchsummary::Table table(frame, 30, &copy, "x memcpy");
    table.row("memcpy of the output (floor)", copy);
    table.row("demosaic", demosaic);
    table.row("OpenCV cvtColor BayerRG2RGB", opencv);
    table.row("full ISP, every stage on", isp);
    table.row("full ISP + monochrome", mono);
    const vexo::sdk::IspKernels *sets[8];
    const int setCount = vexo::sdk::availableIspKernels(sets, 8);
    for (int i = 0; i < setCount; ++i) {
        const std::string name = sets[i]->name;
        table.row(("full ISP, " + name).c_str(), timings["BM_FullIspOn/" + name]);
    }
    table.row("shown 640x360, no sharpening", sampled);
    table.row("shown 640x360, every stage", sampledSharpened);
    table.row("frame generation", scene);

    // Demosaic must stay ahead of OpenCV; the whole pipeline, colour or
    // monochrome, within ten copies of its output.
    if (opencv.cpuMs > 0 && demosaic.cpuMs > 0)
        table.verdict("demosaic / OpenCV", demosaic.cpuMs / opencv.cpuMs, "x", 1.0);
    else
        std::printf("  demosaic / OpenCV: OpenCV not built in, no ratio\n");
    if (isp.ran() && copy.cpuMs > 0)
        table.verdict("full ISP / memcpy", isp.cpuMs / copy.cpuMs, "x", 10.0);
    if (mono.ran() && copy.cpuMs > 0)
        table.verdict("full ISP + mono / memcpy", mono.cpuMs / copy.cpuMs, "x", 10.0);
    // The same bound for every vector set a machine may pick (the portable
    // loops are only what CPUs without vector units fall back to).
    for (int i = 0; i < setCount; ++i) {
        const std::string name = sets[i]->name;
        const benchsummary::Timing pinned = timings["BM_FullIspOn/" + name];
        if (name != "portable" && pinned.ran() && copy.cpuMs > 0)
            table.verdict(("full ISP, " + name + " / memcpy").c_str(), pinned.cpuMs / copy.cpuMs, "x", 10.0);
    }
    if (scene.ran())
        table.verdict("frame generation", scene.cpuMs, "ms", 2.0);
}

} // namespace

int main(int argc, char **argv)
{
    const vexo::sdk::IspKernels *sets[8];
    const int setCount = vexo::sdk::availableIspKernels(sets, 8);
    for (int i = 0; i < setCount; ++i)
        benchmark::RegisterBenchmark((std::string("BM_FullIspOn/") + sets[i]->name).c_str(), BM_FullIspOn,
                                     sets[i])
            ->Unit(benchmark::kMillisecond);
    benchsummary::MedianReporter reporter;
    if (!benchsummary::runBenchmarks(&argc, argv, reporter))
        return 1;
    printSummary(reporter);
    return 0;
}
