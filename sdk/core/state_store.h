// The state directory of the simulated cameras: one JSON file of persistent
// state per camera and one lock file per camera that an open holds.
#pragma once

#include "model.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vexo::sdk {

// $VEXO_SDK_HOME, else $XDG_STATE_HOME/VexoCameraSDK, else ~/.local/state/VexoCameraSDK.
std::string stateDirectory();

// A serial number as a file name: safe bytes kept, others as %XX.
std::string fileKey(const std::string &serial);

// Whole file into out; false when it cannot be read or exceeds maxBytes.
bool readWholeFile(const std::string &path, size_t maxBytes, std::vector<uint8_t> *out);

// Writes a temporary file beside path, flushes it and renames it over path,
// so readers see the old or the new file, never a part.
bool writeFileAtomic(const std::string &path, const void *data, size_t size);

class StateStore final
{
public:
    explicit StateStore(std::string directory);

    // The stored state; defaults when missing or corrupt.
    PersistentState load(const CameraModel &model) const;
    // Read, change and write under a lock shared by all processes.
    bool update(const CameraModel &model, const std::function<void(PersistentState &)> &change,
                PersistentState *result = nullptr) const;

    std::string lockPath(const std::string &serial) const;
    // Unplugged cameras are marked in the directory so every process sees it.
    bool isUnplugged(const std::string &serial) const;
    bool setUnplugged(const std::string &serial, bool unplugged) const;
    bool ensureDirectory() const;

private:
    std::string statePath(const std::string &serial) const;
    std::string directory_;
};

// The exclusive open of one camera, held through flock by this process.
class DeviceLock final
{
public:
    ~DeviceLock();
    DeviceLock(const DeviceLock &) = delete;
    DeviceLock &operator=(const DeviceLock &) = delete;

    // nullptr when another holder has it (or the file cannot be made).
    static std::unique_ptr<DeviceLock> acquire(const std::string &path, bool *heldElsewhere);
    // Whether somebody holds the lock now.
    static bool isHeld(const std::string &path);

private:
    explicit DeviceLock(int fd) : fd_(fd) {}
    int fd_;
};

} // namespace vexo::sdk
