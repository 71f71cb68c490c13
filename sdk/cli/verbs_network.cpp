// nickname and ip: a camera's name and its GigE address.
#include "cli.h"
#include "verbs.h"

#include <arpa/inet.h>
#include <cstdio>
#include <cstring>

namespace vexocli {

namespace {

bool isDottedQuad(const std::string &text)
{
    in_addr address{};
    return text.size() < sizeof(stGigeInfo{}.acIp) && inet_pton(AF_INET, text.c_str(), &address) == 1;
}

void copyQuad(char (&target)[16], const std::string &text)
{
    std::memset(target, 0, sizeof target);
    std::memcpy(target, text.data(), text.size());
}

} // namespace

Json gigeJson(const stGigeInfo &ip)
{
    char mac[32];
    std::snprintf(mac, sizeof mac, "%02x:%02x:%02x:%02x:%02x:%02x", ip.abMac[0], ip.abMac[1], ip.abMac[2],
                  ip.abMac[3], ip.abMac[4], ip.abMac[5]);
    return {
        {"mode", ip.iIpMode != 0 ? "static" : "dhcp"},
        {"ip", field(ip.acIp)},
        {"mask", field(ip.acMask)},
        {"gateway", field(ip.acGateway)},
        {"mac", mac},
        {"host_interface", field(ip.acNicName)},
        {"host_ip", field(ip.acNicIp)},
        {"host_mask", field(ip.acNicMask)},
    };
}

int runNickname(const Arguments &args)
{
    const std::string &name = args.operands()[1];
    if (name.size() >= CAMERA_TEXT_BUFFER)
        return fail(ExitUsage, "the nickname is too long");
    Camera camera;
    if (const int code = camera.open(args.operands()[0]); code != ExitOk)
        return code;
    if (const int code =
            report("cannot rename " + camera.serial(), CameraSetFriendlyName(camera.handle(), name.c_str()));
        code != ExitOk)
        return code;
    char stored[CAMERA_TEXT_BUFFER] = {};
    if (const int code =
            report("cannot read the nickname back", CameraGetFriendlyName(camera.handle(), stored));
        code != ExitOk)
        return code;
    std::printf("%s\n", field(stored).c_str());
    return ExitOk;
}

int runIp(const Arguments &args)
{
    const std::string &serial = args.operands()[0];
    const bool dhcp = args.has("dhcp");
    const bool change = dhcp || args.has("static") || args.has("mask") || args.has("gateway");
    if (dhcp && (args.has("static") || args.has("mask") || args.has("gateway")))
        return fail(ExitUsage, "--dhcp does not go with --static, --mask or --gateway");
    for (const char *option : {"static", "mask", "gateway"}) {
        if (args.has(option) && !isDottedQuad(args.value(option)))
            return fail(ExitUsage, "--" + std::string(option) +
                                       " needs a dotted quad such as 192.168.1.20, not '" +
                                       args.value(option) + "'");
    }

    stGigeInfo info{};
    if (const int code =
            report("cannot read the IP configuration of " + serial, CameraGigeGetIp(serial.c_str(), &info));
        code != ExitOk)
        return code;
    if (change) {
        info.iIpMode = dhcp ? 0 : 1;
        if (args.has("static"))
            copyQuad(info.acIp, args.value("static"));
        if (args.has("mask"))
            copyQuad(info.acMask, args.value("mask"));
        if (args.has("gateway"))
            copyQuad(info.acGateway, args.value("gateway"));
        if (const int code = report("cannot write the IP configuration of " + serial,
                                    CameraGigeSetIp(serial.c_str(), &info));
            code != ExitOk)
            return code;
        if (const int code =
                report("cannot read the IP configuration back", CameraGigeGetIp(serial.c_str(), &info));
            code != ExitOk)
            return code;
    }
    Json out = gigeJson(info);
    out["serial"] = serial;
    if (args.has("json")) {
        printJson(out);
        return ExitOk;
    }
    std::printf("%s: %s %s mask %s gateway %s, mac %s, reached through %s (%s/%s)\n", serial.c_str(),
                info.iIpMode != 0 ? "static" : "dhcp", field(info.acIp).c_str(), field(info.acMask).c_str(),
                field(info.acGateway).c_str(), out["mac"].get<std::string>().c_str(),
                field(info.acNicName).c_str(), field(info.acNicIp).c_str(), field(info.acNicMask).c_str());
    if (change)
        std::printf("The camera uses the new configuration from its next start.\n");
    return ExitOk;
}

} // namespace vexocli
