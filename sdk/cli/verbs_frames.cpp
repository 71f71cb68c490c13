// grab and rate: frames to image files, and how fast they come.
#include "cli.h"
#include "verbs.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <thread>
#include <vector>

namespace vexocli {

namespace {

volatile std::sig_atomic_t g_interrupted = 0;

void onInterrupt(int)
{
    g_interrupted = 1;
}

struct ImageFormat
{
    const char *name;
    int fileType;
};
constexpr ImageFormat kFormats[] = {{"png", FILE_PNG}, {"jpg", FILE_JPG}, {"bmp", FILE_BMP}};

// "out/shot" -> "out/shot" for one frame, "out/shot_0001" .. for several.
std::string framePath(const std::string &base, long long index, long long count)
{
    if (count == 1)
        return base;
    std::string number = std::to_string(index + 1);
    const size_t digits = std::max<size_t>(4, std::to_string(count).size());
    number.insert(0, digits - std::min(digits, number.size()), '0');
    return base + "_" + number;
}

// Fetches one frame, converts it into buffer and releases it at once, so the
// library's ring never waits on a slow disk.
CameraSdkStatus fetchConverted(CameraHandle h, unsigned timeoutMs, std::vector<BYTE> *buffer,
                               stImageInfo *info)
{
    CameraFrameHandle frame = nullptr;
    CameraSdkStatus status = CameraGetRawImageBuffer(h, &frame, timeoutMs);
    if (status != CAMERA_STATUS_SUCCESS)
        return status;
    BYTE *raw = nullptr;
    status = CameraGetImageInfo(h, frame, info, &raw);
    if (status == CAMERA_STATUS_SUCCESS) {
        // The library's contract: width x height x 4 holds every output format.
        buffer->resize(static_cast<size_t>(info->uiWidth) * info->uiHeight * 4);
        status = CameraGetOutImageBuffer(h, info, raw, buffer->data());
    }
    CameraReleaseFrameHandle(h, frame);
    return status;
}

// The link's own counters, where the library has them.
struct LinkCounters
{
    bool known = false;
    bool packets = false;
    long long incomplete = 0, resent = 0, missing = 0;

    LinkCounters operator-(const LinkCounters &before) const
    {
        LinkCounters d = *this;
        d.incomplete -= before.incomplete;
        d.resent -= before.resent;
        d.missing -= before.missing;
        return d;
    }
};

LinkCounters linkCounters(CameraHandle h)
{
    LinkCounters counters;
#ifdef CAMERA_FEATURE_NAME_BUFFER // the libraries with features by name have transport counters too
    stTransportStatistic s{};
    if (CameraGetTransportStatistic(h, &s) == CAMERA_STATUS_SUCCESS) {
        counters.known = true;
        counters.packets = s.iPacketCounters != 0;
        counters.incomplete = s.uIncompleteFrames;
        counters.resent = s.uResentPackets;
        counters.missing = s.uMissingPackets;
    }
#else
    (void)h;
#endif
    return counters;
}

} // namespace

int runGrab(const Arguments &args)
{
    long long count = 1, quality = 90, timeoutMs = 2000;
    if (!parseInteger(args.value("count", "1"), 1, 1000000, &count))
        return fail(ExitUsage, "--count must be 1..1000000");
    if (!parseInteger(args.value("quality", "90"), 1, 100, &quality))
        return fail(ExitUsage, "--quality must be 1..100");
    if (!parseInteger(args.value("timeout", "2000"), 1, 3600000, &timeoutMs))
        return fail(ExitUsage, "--timeout must be 1..3600000 milliseconds");
    const std::string formatName = args.value("format", "png");
    const ImageFormat *format = nullptr;
    for (const ImageFormat &f : kFormats) {
        if (formatName == f.name)
            format = &f;
    }
    if (format == nullptr)
        return fail(ExitUsage, "--format must be png, jpg or bmp");
    const std::string base = args.value("output", "frame");
    if (base.empty() || base.back() == '/')
        return fail(ExitUsage, "--output must name a file (without extension), not a folder");

    const std::filesystem::path folder = std::filesystem::path(base).parent_path();
    std::error_code error;
    if (!folder.empty() && !std::filesystem::create_directories(folder, error) && error)
        return fail(ExitFile, "cannot create the folder " + folder.string() + ": " + error.message());

    Camera camera;
    if (const int code = camera.open(args.operands()[0]); code != ExitOk)
        return code;
    const bool softwareTrigger = args.has("software-trigger");
    if (softwareTrigger) {
        if (const int code = report("cannot switch to software trigger",
                                    CameraSetTriggerMode(camera.handle(), CAMERA_TRIGGER_SOFTWARE));
            code != ExitOk)
            return code;
    }
    if (const int code = report("cannot start the camera", CameraPlay(camera.handle())); code != ExitOk)
        return code;

    std::vector<BYTE> image;
    for (long long i = 0; i < count; ++i) {
        if (softwareTrigger) {
            if (const int code = report("software trigger failed", CameraSoftTrigger(camera.handle()));
                code != ExitOk)
                return code;
        }
        stImageInfo info{};
        if (const int code =
                report("frame " + std::to_string(i + 1) + " of " + std::to_string(count),
                       fetchConverted(camera.handle(), static_cast<unsigned>(timeoutMs), &image, &info));
            code != ExitOk)
            return code;
        const std::string path = framePath(base, i, count);
        if (const int code = report("cannot write " + path + "." + format->name,
                                    CameraSaveImage(camera.handle(), path.c_str(), image.data(), &info,
                                                    format->fileType, static_cast<int>(quality)));
            code != ExitOk)
            return code;
        std::printf("%s.%s %ux%u frame %u\n", path.c_str(), format->name, info.uiWidth, info.uiHeight,
                    info.uiFrameId);
    }
    CameraPause(camera.handle());
    return ExitOk;
}

int runRate(const Arguments &args)
{
    double seconds = 5;
    long long maxLost = -1;
    if (!parseNumber(args.value("seconds", "5"), &seconds) || seconds < 0.1 || seconds > 86400)
        return fail(ExitUsage, "--seconds must be 0.1..86400");
    if (args.has("max-lost") && !parseInteger(args.value("max-lost"), 0, 1ll << 32, &maxLost))
        return fail(ExitUsage, "--max-lost must be a count of frames");

    Camera camera;
    if (const int code = camera.open(args.operands()[0]); code != ExitOk)
        return code;
    const CameraHandle h = camera.handle();
    stFrameStatistic before{}, after{};
    if (const int code = report("cannot start the camera", CameraPlay(h)); code != ExitOk)
        return code;
    CameraGetFrameStatistic(h, &before);
    const LinkCounters linkBefore = linkCounters(h);

    std::signal(SIGINT, onInterrupt); // Ctrl-C ends the measurement early, with its figures
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const Clock::time_point end =
        start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    long long received = 0;
    bool wasLost = false;
    while (!g_interrupted && Clock::now() < end) {
        CameraFrameHandle frame = nullptr;
        const CameraSdkStatus status = CameraGetRawImageBuffer(h, &frame, 200);
        if (status == CAMERA_STATUS_SUCCESS) {
            ++received;
            CameraReleaseFrameHandle(h, frame);
        } else if (status == CAMERA_STATUS_DEVICE_LOST) {
            // The library brings the camera back by itself; keep measuring.
            if (!wasLost)
                std::fprintf(stderr, "vexocam-cli: the camera was lost during the measurement\n");
            wasLost = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        } else if (status != CAMERA_STATUS_TIMEOUT) {
            return report("frame fetch failed", status);
        }
    }
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    CameraGetFrameStatistic(h, &after);
    const LinkCounters link = linkCounters(h) - linkBefore;
    CameraPause(h);
    std::signal(SIGINT, SIG_DFL);

    const long long produced = static_cast<long long>(after.iTotal - before.iTotal);
    const long long lost = static_cast<long long>(after.iLost - before.iLost);
    const double rate = received / elapsed;
    if (args.has("json")) {
        Json out = {{"serial", camera.serial()}, {"seconds", elapsed}, {"frames", received},    {"fps", rate},
                    {"produced", produced},      {"lost", lost},       {"camera_lost", wasLost}};
        if (link.known) {
            out["incomplete"] = link.incomplete;
            if (link.packets) {
                out["resent_packets"] = link.resent;
                out["missing_packets"] = link.missing;
            }
        }
        printJson(out);
    } else {
        std::printf("%s: %lld frames in %.2f s = %.2f fps; camera produced %lld, lost %lld\n",
                    camera.serial().c_str(), received, elapsed, rate, produced, lost);
        if (link.known && link.packets)
            std::printf("incomplete frames %lld, packets resent %lld, missing %lld\n", link.incomplete,
                        link.resent, link.missing);
        else if (link.known)
            std::printf("incomplete frames %lld\n", link.incomplete);
    }
    if (received == 0)
        return fail(ExitTimeout, "no frame arrived");
    if (wasLost)
        return ExitLost;
    if (maxLost >= 0 && lost > maxLost)
        return fail(ExitFramesLost,
                    std::to_string(lost) + " frames lost, more than --max-lost " + std::to_string(maxLost));
    return ExitOk;
}

} // namespace vexocli
