#ifndef FRAMECLOCK_H
#define FRAMECLOCK_H

#include <cstdint>

// The time of each recorded frame, in microseconds from the first one. The
// camera's own time stamp says best when the frame was taken; the arrival
// time (a steady host clock) is what is left when the camera has none. The
// camera's clock is followed only while it runs with the host's: a camera
// whose clock restarts (lost and opened again), jumps, or ticks at another
// rate is read by arrival from there on, so a recording never runs fast,
// slow or backwards, and a pause of the camera stays a pause of the same
// length in the file.
class FrameClock final
{
public:
    // How far the camera's clock may run from the host's before it is no
    // longer believed: more than any delivery delay, less than a noticeable
    // error in the file's length.
    static constexpr int64_t ToleranceUs = 300000;

    // cameraUs: the camera's time stamp, 0 when it gives none.
    int64_t timeOf(uint64_t cameraUs, int64_t arrivalUs);

private:
    bool m_started = false;
    int64_t m_lastTime = 0;
    int64_t m_lastArrival = 0;
    uint64_t m_lastCamera = 0;
    // Where the camera's clock was last matched to the recording's.
    bool m_anchored = false;
    int64_t m_anchorTime = 0;
    int64_t m_anchorArrival = 0;
    uint64_t m_anchorCamera = 0;
};

#endif // FRAMECLOCK_H
