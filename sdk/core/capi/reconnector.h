// Gives lost cameras their device back. A thread that runs only while some
// handle's camera is lost: it closes the lost device, and twice a second
// asks the backend that had the camera for its list; once the camera is
// listed and nobody holds it, it opens it again from there and hands it to
// the handle's device (reconnecting_device.h). A camera another program
// took meanwhile stays with that program; the handle comes back when it is
// free again.
#pragma once

#include "reconnecting_device.h"

#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>

namespace vexo::capi {

class Reconnector final
{
public:
    static constexpr std::chrono::milliseconds kLookPeriod{500};

    Reconnector() = default;
    Reconnector(const Reconnector &) = delete;
    Reconnector &operator=(const Reconnector &) = delete;

    // From a loss notice: may run under a device's locks, so it only notes
    // the device and wakes the thread. backend: where the camera was opened.
    void watch(const std::weak_ptr<sdk::ReconnectingDevice> &device, sdk::Backend *backend);

private:
    struct Entry
    {
        std::weak_ptr<sdk::ReconnectingDevice> device;
        sdk::Backend *backend = nullptr;
        uint64_t noticed = 0; // bumped by every notice
    };

    void run();
    // One look and the reopenings it allows; the entries that need no more
    // watching (closed, or back) are left without a device.
    static void round(std::map<const void *, Entry> &batch);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::map<const void *, Entry> watched_;
    bool woken_ = false;
    bool running_ = false;
};

} // namespace vexo::capi
