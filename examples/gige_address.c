/*
 * gige_address - read and set the IP configuration of a GigE camera.
 *
 * Works by serial number, without opening the camera. Without arguments it
 * lists the GigE cameras with their addresses.
 *
 *   cc gige_address.c $(pkg-config --cflags --libs vexocamerasdk) -o gige_address
 *   ./gige_address                                    # list
 *   ./gige_address SERIAL                             # show
 *   ./gige_address SERIAL static IP MASK GATEWAY      # fixed address
 *   ./gige_address SERIAL dhcp                        # address from DHCP
 *
 * The camera uses a new configuration from its next start.
 */
#define _POSIX_C_SOURCE 200809L
#include <VexoCameraSDK.h>

#include <arpa/inet.h>
#include <stdio.h>
#include <string.h>

static int failed(const char *what, CameraSdkStatus status)
{
    if (status == CAMERA_STATUS_SUCCESS)
        return 0;
    fprintf(stderr, "gige_address: %s failed with status %d\n", what, (int)status);
    return 1;
}

static void show(const char *serial, const stGigeInfo *ip)
{
    printf("%s: %s %.16s mask %.16s gateway %.16s, MAC %02x:%02x:%02x:%02x:%02x:%02x, via %.32s (%.16s)\n",
           serial, ip->iIpMode ? "static" : "dhcp", ip->acIp, ip->acMask, ip->acGateway, ip->abMac[0],
           ip->abMac[1], ip->abMac[2], ip->abMac[3], ip->abMac[4], ip->abMac[5], ip->acNicName, ip->acNicIp);
}

/* Checks a dotted quad before it goes to the camera, and copies it. */
static int set_address(char field[16], const char *text, const char *what)
{
    struct in_addr address;
    if (strlen(text) >= 16 || inet_pton(AF_INET, text, &address) != 1) {
        fprintf(stderr, "gige_address: %s '%s' is not an IPv4 address\n", what, text);
        return 1;
    }
    memset(field, 0, 16);
    memcpy(field, text, strlen(text));
    return 0;
}

static int list(void)
{
    int count = 0;
    if (failed("CameraEnumerateDevice", CameraEnumerateDevice(&count)))
        return 1;
    for (int i = 0; i < count; ++i) {
        stDeviceInfo info;
        stGigeInfo ip;
        char serial[sizeof(info.acSn) + 1];
        if (CameraGetEnumIndexInfo(i, &info) != CAMERA_STATUS_SUCCESS ||
            !memchr(info.acPortType, '\0', sizeof(info.acPortType)) || !strstr(info.acPortType, "GigE"))
            continue;
        snprintf(serial, sizeof(serial), "%.32s", info.acSn);
        if (CameraGigeGetIp(serial, &ip) == CAMERA_STATUS_SUCCESS)
            show(serial, &ip);
    }
    return 0;
}

int main(int argc, char *argv[])
{
    if (argc == 1)
        return list();
    const char *serial = argv[1];
    stGigeInfo ip;
    if (failed("CameraGigeGetIp", CameraGigeGetIp(serial, &ip)))
        return 1;
    if (argc == 2) {
        show(serial, &ip);
        return 0;
    }

    if (argc == 3 && strcmp(argv[2], "dhcp") == 0) {
        ip.iIpMode = 0;
    } else if (argc == 6 && strcmp(argv[2], "static") == 0) {
        ip.iIpMode = 1;
        if (set_address(ip.acIp, argv[3], "address") || set_address(ip.acMask, argv[4], "mask") ||
            set_address(ip.acGateway, argv[5], "gateway"))
            return 1;
    } else {
        fprintf(stderr, "usage: gige_address [SERIAL [static IP MASK GATEWAY | dhcp]]\n");
        return 2;
    }
    if (failed("CameraGigeSetIp", CameraGigeSetIp(serial, &ip)))
        return 1;
    /* Read back what the camera keeps. */
    if (failed("CameraGigeGetIp", CameraGigeGetIp(serial, &ip)))
        return 1;
    show(serial, &ip);
    return 0;
}
