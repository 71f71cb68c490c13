#include "gvcp.h"

#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vexo::gige {

namespace {

constexpr uint8_t kCommandKey = 0x42;
constexpr uint8_t kFlagAckRequired = 0x01;
constexpr uint16_t kDiscoveryCommand = 0x0002;
constexpr uint16_t kDiscoveryAck = 0x0003;
constexpr uint16_t kReadRegisterCommand = 0x0080;
constexpr uint16_t kReadRegisterAck = 0x0081;
constexpr size_t kHeaderSize = 8;

using Clock = std::chrono::steady_clock;

uint16_t nextRequestId()
{
    static std::atomic<uint16_t> id{1};
    uint16_t value = id.fetch_add(1);
    return value == 0 ? id.fetch_add(1) : value; // 0 is not a valid id
}

void put16(uint8_t *p, uint16_t v)
{
    p[0] = static_cast<uint8_t>(v >> 8);
    p[1] = static_cast<uint8_t>(v);
}

void put32(uint8_t *p, uint32_t v)
{
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<uint8_t>(v >> (24 - 8 * i));
    }
}

uint16_t get16(const uint8_t *p)
{
    return static_cast<uint16_t>(p[0] << 8 | p[1]);
}

uint32_t get32(const uint8_t *p)
{
    return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
           static_cast<uint32_t>(p[2]) << 8 | p[3];
}

std::string textField(const uint8_t *p, size_t size)
{
    const void *end = std::memchr(p, '\0', size);
    return std::string(reinterpret_cast<const char *>(p),
                       end != nullptr ? static_cast<const uint8_t *>(end) - p : size);
}

// A UDP socket connected to the camera's control port, so that a closed port
// (ICMP unreachable) shows up as an error instead of silence.
class ControlSocket final
{
public:
    explicit ControlSocket(uint32_t address)
    {
        fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        if (fd_ < 0) {
            return;
        }
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(kGvcpPort);
        to.sin_addr.s_addr = htonl(address);
        if (::connect(fd_, reinterpret_cast<const sockaddr *>(&to), sizeof to) != 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~ControlSocket()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    ControlSocket(const ControlSocket &) = delete;
    ControlSocket &operator=(const ControlSocket &) = delete;
    ControlSocket(ControlSocket &&other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

    int fd() const { return fd_; }
    bool send(const uint8_t *data, size_t size) const
    {
        return fd_ >= 0 && ::send(fd_, data, size, MSG_NOSIGNAL) == static_cast<ssize_t>(size);
    }

private:
    int fd_ = -1;
};

size_t command(uint8_t *packet, uint16_t code, uint16_t length, uint16_t id)
{
    packet[0] = kCommandKey;
    packet[1] = kFlagAckRequired;
    put16(packet + 2, code);
    put16(packet + 4, length);
    put16(packet + 6, id);
    return kHeaderSize + length;
}

// The payload of an acknowledge of the given kind and id; null otherwise.
const uint8_t *ackPayload(const uint8_t *packet, ssize_t size, uint16_t answer, uint16_t id, size_t *length)
{
    if (size < static_cast<ssize_t>(kHeaderSize) || get16(packet) != 0 || get16(packet + 2) != answer ||
        get16(packet + 6) != id) {
        return nullptr;
    }
    *length = std::min<size_t>(get16(packet + 4), static_cast<size_t>(size) - kHeaderSize);
    return packet + kHeaderSize;
}

int millisecondsUntil(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

} // namespace

bool parseDiscoveryData(const uint8_t *data, size_t size, Identity *out)
{
    if (data == nullptr || size < kDiscoveryDataSize) {
        return false;
    }
    Identity id;
    std::memcpy(id.mac, data + 0x0A, 2);
    std::memcpy(id.mac + 2, data + 0x0C, 4);
    id.ipConfig = get32(data + 0x14);
    id.address = get32(data + 0x24);
    id.mask = get32(data + 0x34);
    id.gateway = get32(data + 0x44);
    id.manufacturer = textField(data + 0x48, 32);
    id.model = textField(data + 0x68, 32);
    id.deviceVersion = textField(data + 0x88, 32);
    id.manufacturerInfo = textField(data + 0xA8, 48);
    id.serial = textField(data + 0xD8, 16);
    id.userName = textField(data + kRegisterUserName, kUserNameSize);
    if (id.serial.empty()) {
        return false;
    }
    *out = std::move(id);
    return true;
}

std::vector<Identity> discover(const std::vector<uint32_t> &addresses, std::chrono::milliseconds timeout)
{
    struct Pending
    {
        uint32_t address;
        ControlSocket socket;
        uint16_t id;
        bool done;
    };
    std::vector<Pending> pending;
    pending.reserve(addresses.size());
    for (const uint32_t address : addresses) {
        Pending p{address, ControlSocket(address), nextRequestId(), false};
        uint8_t packet[kHeaderSize];
        if (p.socket.send(packet, command(packet, kDiscoveryCommand, 0, p.id))) {
            pending.push_back(std::move(p));
        }
    }
    std::vector<Identity> found;
    const Clock::time_point deadline = Clock::now() + timeout;
    size_t open = pending.size();
    while (open > 0) {
        std::vector<pollfd> fds;
        std::vector<Pending *> owners;
        for (Pending &p : pending) {
            if (!p.done) {
                fds.push_back({p.socket.fd(), POLLIN, 0});
                owners.push_back(&p);
            }
        }
        const int ready = ::poll(fds.data(), fds.size(), millisecondsUntil(deadline));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            break;
        }
        for (size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].revents == 0) {
                continue;
            }
            Pending &p = *owners[i];
            uint8_t reply[1024];
            const ssize_t n = ::recv(p.socket.fd(), reply, sizeof reply, MSG_DONTWAIT);
            if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
                continue;
            }
            size_t length = 0;
            const uint8_t *payload = n > 0 ? ackPayload(reply, n, kDiscoveryAck, p.id, &length) : nullptr;
            if (n > 0 && payload == nullptr) {
                continue; // a stray or late packet: keep waiting for ours
            }
            Identity identity;
            if (payload != nullptr && parseDiscoveryData(payload, length, &identity)) {
                found.push_back(std::move(identity));
            }
            p.done = true; // answered, refused or unreachable
            --open;
        }
    }
    return found;
}

Reply readRegister(uint32_t address, uint32_t reg, uint32_t *value, std::chrono::milliseconds timeout)
{
    ControlSocket socket(address);
    const uint16_t id = nextRequestId();
    uint8_t packet[kHeaderSize + 4];
    put32(packet + kHeaderSize, reg);
    if (!socket.send(packet, command(packet, kReadRegisterCommand, 4, id))) {
        return Reply::None;
    }
    const Clock::time_point deadline = Clock::now() + timeout;
    for (;;) {
        pollfd fd{socket.fd(), POLLIN, 0};
        const int ready = ::poll(&fd, 1, millisecondsUntil(deadline));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return Reply::None;
        }
        uint8_t reply[64];
        const ssize_t n = ::recv(socket.fd(), reply, sizeof reply, MSG_DONTWAIT);
        if (n < 0) {
            if (errno == EAGAIN || errno == EINTR) {
                continue;
            }
            return Reply::None; // port closed: nobody is there
        }
        size_t length = 0;
        const uint8_t *payload = ackPayload(reply, n, kReadRegisterAck, id, &length);
        if (payload == nullptr) {
            // A refusal (non-zero status) still proves the camera is there.
            if (n >= static_cast<ssize_t>(kHeaderSize) && get16(reply + 2) == kReadRegisterAck &&
                get16(reply + 6) == id) {
                return Reply::Refused;
            }
            continue;
        }
        if (length < 4) {
            return Reply::Refused;
        }
        *value = get32(payload);
        return Reply::Value;
    }
}

uint32_t localAddressFor(uint32_t address)
{
    ControlSocket socket(address);
    sockaddr_in local{};
    socklen_t size = sizeof local;
    if (socket.fd() < 0 || ::getsockname(socket.fd(), reinterpret_cast<sockaddr *>(&local), &size) != 0) {
        return 0;
    }
    return ntohl(local.sin_addr.s_addr);
}

} // namespace vexo::gige
