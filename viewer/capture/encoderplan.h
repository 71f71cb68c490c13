#ifndef ENCODERPLAN_H
#define ENCODERPLAN_H

#include <cstdint>
#include <string>

// How fast the H.264 encoder must run for the recordings to keep up. Every
// recording starts with the slowest preset (down to the specified one) that
// its frames leave time for, judged by what recordings on this machine have
// taken per pixel so far; a recording that falls behind says so, and later
// ones start faster. Encoder threads are shared out between the recordings
// that run at once, so several encoders do not fight over the cores.
namespace EncoderPlan {

struct Choice
{
    std::string preset;
    int threads = 1;
};

// The presets from the specified one to the fastest.
int presetCount();
const char *presetName(int index);
// Cost of a frame with a preset relative to the fastest one (conversion
// to YUV included).
double relativeCost(int index);

// pixelsPerFrame and framesPerSecond of the new recording; recordings: how
// many run with it (itself included); cores: usable cores; nsPerPixel: wall
// time a frame of the fastest preset has taken per pixel here.
int choosePreset(int64_t pixelsPerFrame, int framesPerSecond, double nsPerPixel);
int threadsFor(int recordings, int cores);

// The machine's figures, shared by every recording of the process.
class Machine
{
public:
    static Machine &instance();
    // A recording starts (and must be ended with finished()).
    Choice start(int64_t pixelsPerFrame, int framesPerSecond);
    void finished();
    // What a recording measured: wall time per frame with a preset, and
    // whether it kept up.
    void measured(int presetIndex, int64_t pixelsPerFrame, double wallNsPerFrame, bool keptUp);
    double nsPerPixel() const;

private:
    Machine() = default;
    int m_recordings = 0;
    double m_nsPerPixel = 0.0;
};

} // namespace EncoderPlan

#endif // ENCODERPLAN_H
