// Gives lost cameras their device back. A thread that runs only while some
// handle's camera is lost: it closes the lost device, and twice a second
// looks for the serial; once the camera is present and nobody holds it, it
// opens it again and hands it to the handle's device (reconnecting_device.h).
// A camera another program took meanwhile stays with that program; the
// handle comes back when it is free again.
#pragma once

#include "reconnecting_device.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace vexo::capi {

class Reconnector final
{
public:
    // Present now: serial -> whether somebody holds the camera.
    using Look = std::function<std::map<std::string, bool>()>;
    using Open = std::function<CameraSdkStatus(const std::string &serial, std::shared_ptr<sdk::Device> *)>;

    static constexpr std::chrono::milliseconds kLookPeriod{500};

    Reconnector(Look look, Open open);
    Reconnector(const Reconnector &) = delete;
    Reconnector &operator=(const Reconnector &) = delete;

    // From a loss notice: may run under a device's locks, so it only notes
    // the device and wakes the thread.
    void watch(const std::weak_ptr<sdk::ReconnectingDevice> &device);

private:
    struct Entry
    {
        std::weak_ptr<sdk::ReconnectingDevice> device;
        uint64_t noticed = 0; // bumped by every notice
    };

    void run();
    // One look and the reopenings it allows; the entries that need no more
    // watching (closed, or back) are left without a device.
    void round(std::map<const void *, Entry> &batch);

    const Look look_;
    const Open open_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::map<const void *, Entry> watched_;
    bool woken_ = false;
    bool running_ = false;
};

} // namespace vexo::capi
