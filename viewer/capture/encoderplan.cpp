#include "capture/encoderplan.h"

#include <algorithm>
#include <mutex>
#include <thread>

namespace EncoderPlan {

namespace {

struct Preset
{
    const char *name;
    double cost;
};

// Measured at 1920x1080 with "zerolatency": conversion plus encoding, relative
// to "ultrafast".
constexpr Preset Presets[] = {{"slow", 5.4},     {"medium", 2.9},    {"fast", 2.2},     {"faster", 1.8},
                              {"veryfast", 1.6}, {"superfast", 1.4}, {"ultrafast", 1.0}};
constexpr int PresetCount = int(sizeof Presets / sizeof Presets[0]);

// What the fastest preset took here per pixel, before anything was measured:
// one core of a current desktop machine.
constexpr double InitialNsPerPixel = 5.0;
// Share of a frame's interval the encoder may use: the rest absorbs the
// moments when the machine is busy elsewhere.
constexpr double Headroom = 0.75;

std::mutex &lock()
{
    static std::mutex m;
    return m;
}

} // namespace

int presetCount()
{
    return PresetCount;
}

const char *presetName(int index)
{
    return Presets[std::clamp(index, 0, PresetCount - 1)].name;
}

double relativeCost(int index)
{
    return Presets[std::clamp(index, 0, PresetCount - 1)].cost;
}

int choosePreset(int64_t pixelsPerFrame, int framesPerSecond, double nsPerPixel)
{
    if (pixelsPerFrame <= 0 || framesPerSecond <= 0 || nsPerPixel <= 0)
        return 0;
    const double budgetNs = Headroom * 1e9 / double(framesPerSecond);
    for (int i = 0; i < PresetCount; ++i) {
        if (double(pixelsPerFrame) * nsPerPixel * Presets[i].cost <= budgetNs)
            return i;
    }
    return PresetCount - 1;
}

int threadsFor(int recordings, int cores)
{
    return std::max(1, std::max(1, cores) / std::max(1, recordings));
}

Machine &Machine::instance()
{
    static Machine machine;
    return machine;
}

Choice Machine::start(int64_t pixelsPerFrame, int framesPerSecond)
{
    std::lock_guard<std::mutex> guard(lock());
    ++m_recordings;
    const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    const int threads = threadsFor(m_recordings, cores);
    // Without figures of its own the machine is assumed to share its cores
    // between the recordings, each encoder running on its threads.
    double nsPerPixel = m_nsPerPixel > 0 ? m_nsPerPixel : InitialNsPerPixel / double(threads);
    nsPerPixel *= std::max(1.0, double(m_recordings) * threads / double(cores));
    return Choice{presetName(choosePreset(pixelsPerFrame, framesPerSecond, nsPerPixel)), threads};
}

void Machine::finished()
{
    std::lock_guard<std::mutex> guard(lock());
    m_recordings = std::max(0, m_recordings - 1);
}

void Machine::measured(int presetIndex, int64_t pixelsPerFrame, double wallNsPerFrame, bool keptUp)
{
    if (pixelsPerFrame <= 0 || wallNsPerFrame <= 0)
        return;
    std::lock_guard<std::mutex> guard(lock());
    double perPixel = wallNsPerFrame / double(pixelsPerFrame) / relativeCost(presetIndex);
    // A recording that fell behind is taken at its word even when its
    // frames looked cheap: the machine was busier than they show.
    if (!keptUp)
        perPixel *= 1.5;
    m_nsPerPixel = m_nsPerPixel > 0 ? (m_nsPerPixel + perPixel) / 2 : perPixel;
}

double Machine::nsPerPixel() const
{
    std::lock_guard<std::mutex> guard(lock());
    return m_nsPerPixel;
}

} // namespace EncoderPlan
