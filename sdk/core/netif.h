// The host's IPv4 interfaces, for the GigE records. Read only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vexo::sdk {

struct HostInterface
{
    std::string name;
    uint32_t ip = 0; // host byte order
    uint32_t mask = 0;
    uint32_t gateway = 0;
};

// Interfaces that are up, have an IPv4 address and are not loopback, in the
// order the system lists them. When there is none, one made-up interface
// ("sim0", 192.168.10.1/24) so GigE cameras still have a subnet.
std::vector<HostInterface> hostInterfaces();

std::string ipv4Text(uint32_t address);

// Whether mask is a contiguous run of ones from the top (and not 0).
bool isValidNetMask(uint32_t mask);

// The interface (loopback included) that holds address; false when none does.
bool interfaceWithAddress(uint32_t address, HostInterface *out);

// A static camera address the user may give: a host address of its subnet,
// and a gateway in the same subnet (or none, 0).
bool isValidStaticAddress(uint32_t ip, uint32_t mask, uint32_t gateway);

} // namespace vexo::sdk
