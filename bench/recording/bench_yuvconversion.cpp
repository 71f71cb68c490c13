// The recorder's RGB to YUV 4:2:0 conversion per frame on one thread, beside
// FFmpeg's general scaler (bicubic, as the recorder used before). Run with
//   bench_yuvconversion --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// and read the summary at the end.
#include "benchsummary.h"
#include "capture/yuvconversion.h"

extern "C" {
#include <libswscale/swscale.h>
}

#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

namespace {

struct Size
{
    int width;
    int height;
};
// 0: 1920x1080, 1: 1280x1024, 2: 2592x1944.
constexpr Size Sizes[] = {{1920, 1080}, {1280, 1024}, {2592, 1944}};

// A picture as the grabber hands it over: RGB rows padded to 4 bytes.
struct Picture
{
    explicit Picture(Size size)
        : size(size), rowBytes((size.width * 3 + 3) & ~3), rgb(size_t(rowBytes) * size_t(size.height)),
          yuv(size_t(size.width) * size_t(size.height) * 3 / 2)
    {
        for (int y = 0; y < size.height; ++y) {
            for (int x = 0; x < size.width; ++x) {
                uint8_t *p = &rgb[size_t(y) * size_t(rowBytes) + size_t(x) * 3];
                p[0] = uint8_t(x / 8 + y);
                p[1] = uint8_t(y / 4);
                p[2] = uint8_t(x ^ y);
            }
        }
        const size_t luma = size_t(size.width) * size_t(size.height);
        planes[0] = yuv.data();
        planes[1] = yuv.data() + luma;
        planes[2] = yuv.data() + luma + luma / 4;
        strides[0] = size.width;
        strides[1] = strides[2] = size.width / 2;
    }

    Size size;
    int rowBytes;
    std::vector<uint8_t> rgb;
    std::vector<uint8_t> yuv;
    uint8_t *planes[3] = {};
    int strides[3] = {};
};

void BM_RgbToYuv420(benchmark::State &state)
{
    Picture picture(Sizes[state.range(0)]);
    for (auto _ : state) {
        rgbToYuv420(picture.rgb.data(), picture.rowBytes, picture.size.width, picture.size.height,
                    picture.planes, picture.strides);
        benchmark::DoNotOptimize(picture.yuv.data());
    }
}

void BM_GeneralScaler(benchmark::State &state)
{
    Picture picture(Sizes[state.range(0)]);
    const Size size = picture.size;
    SwsContext *scaler = sws_getContext(size.width, size.height, AV_PIX_FMT_RGB24, size.width, size.height,
                                        AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr, nullptr, nullptr);
    const uint8_t *source[1] = {picture.rgb.data()};
    for (auto _ : state) {
        sws_scale(scaler, source, &picture.rowBytes, 0, size.height, picture.planes, picture.strides);
        benchmark::DoNotOptimize(picture.yuv.data());
    }
    sws_freeContext(scaler);
}

BENCHMARK(BM_RgbToYuv420)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeneralScaler)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void printSummary(const benchsummary::MedianReporter &timings)
{
    const benchsummary::Table table("RGB to YUV 4:2:0", 32);
    const char *names[] = {"1920x1080", "1280x1024", "2592x1944"};
    for (int i = 0; i < 3; ++i) {
        const std::string arg = "/" + std::to_string(i);
        char label[64];
        std::snprintf(label, sizeof label, "recorder, %s", names[i]);
        table.row(label, timings["BM_RgbToYuv420" + arg]);
        std::snprintf(label, sizeof label, "general scaler, %s", names[i]);
        table.row(label, timings["BM_GeneralScaler" + arg]);
    }
    table.speedUp("general scaler / recorder, 1080p", timings["BM_RgbToYuv420/0"],
                  timings["BM_GeneralScaler/0"], 4.0, "not run");
    const benchsummary::Timing ours = timings["BM_RgbToYuv420/0"];
    if (ours.ran())
        table.verdict("recorder, 1080p", ours.cpuMs, "ms", 1.5);
}

} // namespace

int main(int argc, char **argv)
{
    benchsummary::MedianReporter reporter;
    if (!benchsummary::runBenchmarks(&argc, argv, reporter))
        return 1;
    printSummary(reporter);
    return 0;
}
