#include "state_store.h"

#include "parsers.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace vexo::sdk {

namespace {

bool makeDirectories(const std::string &path)
{
    if (path.empty()) {
        return false;
    }
    std::string partial;
    size_t pos = 0;
    while (pos != std::string::npos) {
        pos = path.find('/', pos + 1);
        partial = path.substr(0, pos);
        if (partial.empty()) {
            continue;
        }
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
    }
    struct stat st
    {
    };
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Serialises read-modify-write of one state file across processes.
class FileMutex final
{
public:
    explicit FileMutex(const std::string &path)
        : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600))
    {
        if (fd_ >= 0) {
            while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
            }
        }
    }
    ~FileMutex()
    {
        if (fd_ >= 0) {
            ::close(fd_); // releases the lock
        }
    }
    FileMutex(const FileMutex &) = delete;
    FileMutex &operator=(const FileMutex &) = delete;

private:
    int fd_;
};

} // namespace

std::string stateDirectory()
{
    if (const char *home = std::getenv("VEXO_SDK_HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    if (const char *xdg = std::getenv("XDG_STATE_HOME"); xdg != nullptr && *xdg == '/') {
        return std::string(xdg) + "/VexoCameraSDK";
    }
    const char *home = std::getenv("HOME");
    return std::string(home != nullptr && *home != '\0' ? home : "/tmp") + "/.local/state/VexoCameraSDK";
}

std::string fileKey(const std::string &serial)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : serial) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
            c == '_' || (c == '.' && !out.empty())) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

bool readWholeFile(const std::string &path, size_t maxBytes, std::vector<uint8_t> *out)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || static_cast<size_t>(st.st_size) > maxBytes) {
        ::close(fd);
        return false;
    }
    std::vector<uint8_t> data;
    data.reserve(static_cast<size_t>(st.st_size));
    uint8_t chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            ::close(fd);
            return false;
        }
        if (n == 0) {
            break;
        }
        data.insert(data.end(), chunk, chunk + n);
        if (data.size() > maxBytes) {
            ::close(fd);
            return false;
        }
    }
    ::close(fd);
    *out = std::move(data);
    return true;
}

bool writeFileAtomic(const std::string &path, const void *data, size_t size)
{
    const size_t slash = path.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    std::string temp = path + ".XXXXXX.tmp";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    const int fd = ::mkstemps(name.data(), 4);
    if (fd < 0) {
        return false;
    }
    temp.assign(name.data());
    const auto *p = static_cast<const uint8_t *>(data);
    size_t left = size;
    bool ok = true;
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            ok = false;
            break;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    ok = ok && ::fchmod(fd, 0644) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (!ok || ::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable.
    const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

StateStore::StateStore(std::string directory) : directory_(std::move(directory)) {}

bool StateStore::ensureDirectory() const
{
    return makeDirectories(directory_);
}

std::string StateStore::statePath(const std::string &serial) const
{
    return directory_ + "/" + fileKey(serial) + ".json";
}

std::string StateStore::lockPath(const std::string &serial) const
{
    return directory_ + "/" + fileKey(serial) + ".lock";
}

bool StateStore::isUnplugged(const std::string &serial) const
{
    return ::access((directory_ + "/" + fileKey(serial) + ".unplugged").c_str(), F_OK) == 0;
}

bool StateStore::setUnplugged(const std::string &serial, bool unplugged) const
{
    const std::string path = directory_ + "/" + fileKey(serial) + ".unplugged";
    if (!unplugged) {
        return ::unlink(path.c_str()) == 0 || errno == ENOENT;
    }
    if (!ensureDirectory()) {
        return false;
    }
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    return true;
}

PersistentState StateStore::load(const CameraModel &model) const
{
    PersistentState state;
    std::vector<uint8_t> bytes;
    if (readWholeFile(statePath(model.serial), kMaxFileBytes, &bytes)) {
        PersistentState parsed;
        if (parseState(bytes.data(), bytes.size(), model, &parsed, nullptr)) {
            state = std::move(parsed);
        }
    }
    return state;
}

bool StateStore::update(const CameraModel &model, const std::function<void(PersistentState &)> &change,
                        PersistentState *result) const
{
    if (!ensureDirectory()) {
        return false;
    }
    FileMutex guard(directory_ + "/" + fileKey(model.serial) + ".state-lock");
    PersistentState state = load(model);
    change(state);
    const std::string text = writeState(state);
    if (!writeFileAtomic(statePath(model.serial), text.data(), text.size())) {
        return false;
    }
    if (result != nullptr) {
        *result = std::move(state);
    }
    return true;
}

DeviceLock::~DeviceLock()
{
    ::close(fd_);
}

std::unique_ptr<DeviceLock> DeviceLock::acquire(const std::string &path, bool *heldElsewhere)
{
    *heldElsewhere = false;
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        return nullptr;
    }
    // Another process may be probing the lock for a moment (enumeration):
    // retry briefly before calling the camera taken.
    int error = 0;
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            return std::unique_ptr<DeviceLock>(new DeviceLock(fd));
        }
        error = errno;
        if (error != EWOULDBLOCK && error != EINTR) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    *heldElsewhere = error == EWOULDBLOCK;
    ::close(fd);
    return nullptr;
}

bool DeviceLock::isHeld(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false; // never opened
    }
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

} // namespace vexo::sdk
