// vexo-sim: a command-line window on the simulated cameras.

#include "VexoCameraSDK.h"
#include "VexoCameraSim.h"
#include "parsers.h"
#include "state_store.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

void usage(FILE *out)
{
    std::fputs(
        "Usage:\n"
        "  vexo-sim list\n"
        "      Lists the simulated cameras: serial, name, model, port, firmware, opened.\n"
        "  vexo-sim make-upg --model <product name> --version <a.b.c.d> -o <file.upg> [--size <bytes>]\n"
        "      Writes a firmware file for the model (each version part 0..15).\n"
        "  vexo-sim unplug <serial> | vexo-sim replug <serial>\n"
        "      Pulls or puts back a camera's cable, for every program using the same state directory.\n"
        "  vexo-sim --help\n"
        "\n"
        "Environment: VEXO_SDK_CAMERAS (camera-set file), VEXO_SDK_HOME (state directory).\n",
        out);
}

// Bounded copy of a record's text field.
std::string field(const char *text, size_t size)
{
    return std::string(text, strnlen(text, size));
}

int list()
{
    int count = 0;
    const CameraSdkStatus status = CameraEnumerateDevice(&count);
    if (status != CAMERA_STATUS_SUCCESS) {
        std::fprintf(stderr, "vexo-sim: enumeration failed (status %d)\n", status);
        return 1;
    }
    std::printf("%-16s %-20s %-10s %-8s %-10s %s\n", "SERIAL", "NAME", "MODEL", "PORT", "FIRMWARE", "OPENED");
    for (int i = 0; i < count; ++i) {
        stDeviceInfo info{};
        const CameraSdkStatus s = CameraGetEnumIndexInfo(i, &info);
        if (s != CAMERA_STATUS_SUCCESS) {
            std::printf("(camera %d could not be read: status %d)\n", i, s);
            continue;
        }
        std::printf("%-16s %-20s %-10s %-8s %-10s %s\n", field(info.acSn, sizeof info.acSn).c_str(),
                    field(info.acFriendlyName, sizeof info.acFriendlyName).c_str(),
                    field(info.acProductName, sizeof info.acProductName).c_str(),
                    field(info.acPortType, sizeof info.acPortType).c_str(),
                    vexo::sdk::firmwareVersionText(info.uFirmwareVersion).c_str(),
                    info.iOpened ? "yes" : "no");
    }
    return 0;
}

int makeUpgrade(int argc, char **argv)
{
    std::string model, version, output;
    long size = 4096;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            usage(stdout);
            return 0;
        }
        if (i + 1 >= argc) {
            std::fprintf(stderr, "vexo-sim: %s needs a value\n", arg.c_str());
            return 2;
        }
        const char *value = argv[++i];
        if (arg == "--model") {
            model = value;
        } else if (arg == "--version") {
            version = value;
        } else if (arg == "-o" || arg == "--output") {
            output = value;
        } else if (arg == "--size") {
            char *end = nullptr;
            size = std::strtol(value, &end, 10);
            if (end == value || *end != '\0' || size < 0 || size > (16l << 20)) {
                std::fprintf(stderr, "vexo-sim: --size must be 0..16777216\n");
                return 2;
            }
        } else {
            std::fprintf(stderr, "vexo-sim: unknown option %s\n", arg.c_str());
            return 2;
        }
    }
    vexo::sdk::FirmwareImage image;
    if (model.empty() || model.size() > 31) {
        std::fprintf(stderr, "vexo-sim: --model must name a product (1..31 bytes)\n");
        return 2;
    }
    if (!vexo::sdk::parseFirmwareVersion(version, &image.version)) {
        std::fprintf(stderr, "vexo-sim: --version must look like 1.2.0.3 (each part 0..15)\n");
        return 2;
    }
    if (output.empty()) {
        std::fprintf(stderr, "vexo-sim: -o <file> is required\n");
        return 2;
    }
    image.productName = model;
    image.payload.resize(static_cast<size_t>(size));
    uint32_t x = 0x9E3779B9u; // filler that compresses poorly, like real firmware
    for (uint8_t &b : image.payload) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<uint8_t>(x);
    }
    const std::vector<uint8_t> bytes = vexo::sdk::writeFirmwareImage(image);
    if (!vexo::sdk::writeFileAtomic(output, bytes.data(), bytes.size())) {
        std::fprintf(stderr, "vexo-sim: cannot write %s\n", output.c_str());
        return 1;
    }
    std::printf("%s: firmware %s for %s, %zu bytes\n", output.c_str(),
                vexo::sdk::firmwareVersionText(image.version).c_str(), model.c_str(), bytes.size());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        usage(stderr);
        return 2;
    }
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        usage(stdout);
        return 0;
    }
    if (command == "list" && argc == 3 &&
        (std::strcmp(argv[2], "--help") == 0 || std::strcmp(argv[2], "-h") == 0)) {
        usage(stdout);
        return 0;
    }
    if (command == "list" && argc == 2) {
        return list();
    }
    if (command == "make-upg") {
        return makeUpgrade(argc, argv);
    }
    if ((command == "unplug" || command == "replug") && argc == 3) {
        const CameraSdkStatus status = command == "unplug" ? VexoSimUnplug(argv[2]) : VexoSimReplug(argv[2]);
        if (status != CAMERA_STATUS_SUCCESS) {
            std::fprintf(stderr, "vexo-sim: %s %s failed (status %d)\n", command.c_str(), argv[2], status);
            return 1;
        }
        return 0;
    }
    usage(stderr);
    return 2;
}
