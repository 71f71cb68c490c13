// The few GigE Vision control messages the backend sends itself, always to
// one address (unicast): discovery of a camera whose address is known, and
// register reads to see whether a camera is still there and who controls it.
// Broadcast discovery is left to Aravis and only runs when no addresses are
// configured.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vexo::gige {

constexpr uint16_t kGvcpPort = 3956;
constexpr size_t kDiscoveryDataSize = 248;

// Bootstrap registers.
constexpr uint32_t kRegisterCurrentIpConfig = 0x0014;
constexpr uint32_t kRegisterUserName = 0x00E8;
constexpr size_t kUserNameSize = 16;
constexpr uint32_t kRegisterControlPrivilege = 0x0A00;

// Bits of the IP configuration registers.
constexpr uint32_t kIpConfigPersistent = 0x1;
constexpr uint32_t kIpConfigDhcp = 0x2;

// What a camera says about itself in its discovery acknowledge.
struct Identity
{
    uint32_t address = 0; // host byte order, the camera's current address
    uint32_t mask = 0;
    uint32_t gateway = 0;
    uint32_t ipConfig = 0; // enabled procedures, kIpConfig*
    uint8_t mac[6] = {};
    std::string manufacturer;
    std::string model;
    std::string deviceVersion;
    std::string manufacturerInfo;
    std::string serial;
    std::string userName;
};

// Pure: the acknowledge payload after the 8-byte header; false when it is
// too short or names no serial number.
bool parseDiscoveryData(const uint8_t *data, size_t size, Identity *out);

// Asks every address at once and collects the answers until all have
// answered or the time is up. Addresses that do not answer are left out.
std::vector<Identity> discover(const std::vector<uint32_t> &addresses, std::chrono::milliseconds timeout);

enum class Reply {
    Value,   // *value holds the register
    Refused, // the camera answered with an error: it is there, the value is not
    None,    // no answer within the time-out, or nobody listens on the port
};

// Reads one register of the camera at address.
Reply readRegister(uint32_t address, uint32_t reg, uint32_t *value, std::chrono::milliseconds timeout);

// The local address the kernel would send from to reach address (no packet
// is sent); 0 when there is no route.
uint32_t localAddressFor(uint32_t address);

} // namespace vexo::gige
