#include "capture/frameclock.h"

#include <algorithm>
#include <cstdlib>

int64_t FrameClock::timeOf(uint64_t cameraUs, int64_t arrivalUs)
{
    if (!m_started) {
        m_started = true;
        m_lastTime = 0;
        m_lastArrival = arrivalUs;
        m_lastCamera = cameraUs;
        m_anchored = cameraUs != 0;
        m_anchorTime = 0;
        m_anchorArrival = arrivalUs;
        m_anchorCamera = cameraUs;
        return 0;
    }

    int64_t time = -1;
    if (m_anchored && cameraUs > m_lastCamera) {
        const int64_t byCamera = int64_t(cameraUs - m_anchorCamera);
        const int64_t byArrival = arrivalUs - m_anchorArrival;
        if (std::llabs(byCamera - byArrival) <= ToleranceUs)
            time = m_anchorTime + byCamera;
    }
    if (time < 0) {
        // The camera's clock cannot be followed here: the time that passed
        // on the host's clock counts instead, and the camera's clock is
        // matched again from this frame.
        time = m_lastTime + std::max<int64_t>(0, arrivalUs - m_lastArrival);
        m_anchored = cameraUs != 0;
        m_anchorTime = time;
        m_anchorArrival = arrivalUs;
        m_anchorCamera = cameraUs;
    }
    // Two frames never share a time.
    time = std::max(time, m_lastTime + 1);
    m_lastTime = time;
    m_lastArrival = arrivalUs;
    m_lastCamera = cameraUs;
    return time;
}
