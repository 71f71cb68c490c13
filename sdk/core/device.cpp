#include "device.h"

namespace vexo::sdk {

void Device::onLost(std::function<void()> handler)
{
    bool already = false;
    {
        std::lock_guard<std::mutex> lock(lostMutex_);
        lostHandler_ = handler;
        already = lostReported_;
    }
    // A loss that came before anybody listened is told now.
    if (already && handler) {
        handler();
    }
}

void Device::reportLost()
{
    std::function<void()> handler;
    {
        std::lock_guard<std::mutex> lock(lostMutex_);
        if (lostReported_) {
            return;
        }
        lostReported_ = true;
        handler = lostHandler_;
    }
    if (handler) {
        handler();
    }
}

} // namespace vexo::sdk
