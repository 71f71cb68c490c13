#include "netif.h"

#include <arpa/inet.h>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sstream>

namespace vexo::sdk {

namespace {

// Default gateway of an interface from the kernel's routing table.
uint32_t defaultGateway(const std::string &name)
{
    std::ifstream routes("/proc/net/route");
    std::string line;
    std::getline(routes, line); // header
    while (std::getline(routes, line)) {
        std::istringstream fields(line);
        std::string iface, destination, gateway;
        if (!(fields >> iface >> destination >> gateway)) {
            continue;
        }
        if (iface == name && destination == "00000000") {
            // little-endian hexadecimal, as the kernel stores it
            const uint32_t raw = static_cast<uint32_t>(std::strtoul(gateway.c_str(), nullptr, 16));
            return ntohl(raw);
        }
    }
    return 0;
}

std::vector<HostInterface> upInterfaces(bool withLoopback)
{
    std::vector<HostInterface> out;
    struct ifaddrs *list = nullptr;
    if (::getifaddrs(&list) == 0) {
        for (struct ifaddrs *i = list; i != nullptr; i = i->ifa_next) {
            if (i->ifa_addr == nullptr || i->ifa_addr->sa_family != AF_INET || i->ifa_netmask == nullptr ||
                (!withLoopback && (i->ifa_flags & IFF_LOOPBACK) != 0) || (i->ifa_flags & IFF_UP) == 0) {
                continue;
            }
            HostInterface h;
            h.name = i->ifa_name != nullptr ? i->ifa_name : "";
            h.ip = ntohl(reinterpret_cast<const sockaddr_in *>(i->ifa_addr)->sin_addr.s_addr);
            h.mask = ntohl(reinterpret_cast<const sockaddr_in *>(i->ifa_netmask)->sin_addr.s_addr);
            if (h.name.empty() || h.name.size() >= 32 || !isValidNetMask(h.mask)) {
                continue;
            }
            h.gateway = defaultGateway(h.name);
            out.push_back(h);
        }
        ::freeifaddrs(list);
    }
    return out;
}

bool usableHostAddress(uint32_t ip, uint32_t mask)
{
    const uint32_t top = ip >> 24;
    if (ip == 0 || ip == 0xFFFFFFFFu || top == 127 || top >= 224 || top == 0) {
        return false;
    }
    if (mask >= 0xFFFFFFFEu) {
        return true; // point-to-point subnets have no network/broadcast address
    }
    const uint32_t host = ip & ~mask;
    return host != 0 && host != ~mask;
}

} // namespace

std::vector<HostInterface> hostInterfaces()
{
    std::vector<HostInterface> out = upInterfaces(false);
    if (out.empty()) {
        out.push_back({"sim0", 0xC0A80A01u, 0xFFFFFF00u, 0});
    }
    return out;
}

std::string ipv4Text(uint32_t a)
{
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", a >> 24, (a >> 16) & 255, (a >> 8) & 255, a & 255);
    return text;
}

bool isValidNetMask(uint32_t mask)
{
    return mask != 0 && ((~mask + 1) & ~mask) == 0;
}

bool interfaceWithAddress(uint32_t address, HostInterface *out)
{
    for (const HostInterface &h : upInterfaces(true)) {
        if (h.ip == address) {
            *out = h;
            return true;
        }
    }
    return false;
}

bool isValidStaticAddress(uint32_t ip, uint32_t mask, uint32_t gateway)
{
    if (!isValidNetMask(mask) || !usableHostAddress(ip, mask)) {
        return false;
    }
    return gateway == 0 ||
           ((gateway & mask) == (ip & mask) && gateway != ip && usableHostAddress(gateway, mask));
}

} // namespace vexo::sdk
