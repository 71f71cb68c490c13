#include "reconnector.h"

#include <string>
#include <system_error>
#include <thread>
#include <vector>

namespace vexo::capi {

using sdk::Device;
using sdk::ReconnectingDevice;

void Reconnector::watch(const std::weak_ptr<ReconnectingDevice> &device, sdk::Backend *backend)
{
    const std::shared_ptr<ReconnectingDevice> strong = device.lock();
    if (!strong) {
        return;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    Entry &entry = watched_[strong.get()];
    entry.device = device;
    entry.backend = backend;
    ++entry.noticed;
    woken_ = true;
    wake_.notify_all();
    if (running_) {
        return;
    }
    try {
        // Detached: closing a lost handle never waits for a look in progress.
        std::thread([this] { run(); }).detach();
        running_ = true;
    } catch (const std::system_error &) {
        // No thread now; the next loss tries again.
    }
}

void Reconnector::run()
{
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        std::map<const void *, Entry> batch = watched_;
        woken_ = false;
        lock.unlock();
        round(batch);
        lock.lock();
        // What needs no more watching goes, unless a notice came meanwhile.
        for (const auto &[key, seen] : batch) {
            const auto it = watched_.find(key);
            if (it != watched_.end() && it->second.noticed == seen.noticed && seen.device.expired()) {
                watched_.erase(it);
            }
        }
        if (watched_.empty()) {
            running_ = false;
            return;
        }
        wake_.wait_for(lock, kLookPeriod, [this] { return woken_; });
    }
}

void Reconnector::round(std::map<const void *, Entry> &batch)
{
    std::map<sdk::Backend *, std::vector<std::shared_ptr<ReconnectingDevice>>> ready;
    for (auto &[key, entry] : batch) {
        std::shared_ptr<ReconnectingDevice> device = entry.device.lock();
        if (device) {
            device->retire();
        }
        if (!device || device->closed() || !device->lost()) {
            entry.device.reset(); // done: closed, or back
            continue;
        }
        // The goodbyes of the lost connection must not reach the new one.
        if (device->released()) {
            ready[entry.backend].push_back(std::move(device));
        }
    }
    for (const auto &[backend, devices] : ready) {
        std::vector<sdk::Backend::Found> found;
        if (backend->enumerate(&found) != CAMERA_STATUS_SUCCESS) {
            continue;
        }
        for (const std::shared_ptr<ReconnectingDevice> &device : devices) {
            const std::string &serial = device->model().serial;
            bool free = false;
            for (const sdk::Backend::Found &f : found) {
                free = free || (f.model.serial == serial && !f.opened);
            }
            if (!free || device->closed()) {
                continue; // not back yet, or another program has it
            }
            std::shared_ptr<Device> fresh;
            if (backend->open(serial, &fresh) != CAMERA_STATUS_SUCCESS) {
                continue;
            }
            if (device->resume(fresh) != CAMERA_STATUS_SUCCESS) {
                fresh->close();
            }
        }
    }
}

} // namespace vexo::capi
