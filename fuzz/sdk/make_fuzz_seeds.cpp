// Writes valid inputs for every fuzz target with the library's own writers,
// so the fuzzers start from files the library accepts.
#include "parsers.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

void write(const std::string &dir, const std::string &name, const std::string &bytes)
{
    std::filesystem::create_directories(dir);
    std::ofstream(dir + "/" + name, std::ios::binary) << bytes;
}

std::string text(const std::vector<uint8_t> &bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

int main(int argc, char **argv)
{
    using namespace vexo::sdk;
    if (argc != 2) {
        fprintf(stderr, "usage: %s <corpus dir>\n", argv[0]);
        return 2;
    }
    const std::string root = argv[1];
    const CameraSet cameras = builtInCameraSet();

    for (size_t i = 0; i < cameras.cameras.size(); ++i) {
        const CameraModel &model = cameras.cameras[i];
        ParameterFile file{model.productName, model.serial, defaultSettings(model)};
        write(root + "/fuzz_parameter_file", "defaults" + std::to_string(i) + ".Bin",
              text(writeParameterFile(file)));
        file.settings.region = presetRegions(model).front();
        file.settings.crossLines[2] = {10, 20, 0x00FF00, 1};
        file.settings.triggerMode = CAMERA_TRIGGER_HARDWARE;
        file.settings.mirrorH = 1;
        const std::string changed = text(writeParameterFile(file));
        write(root + "/fuzz_parameter_file", "changed" + std::to_string(i) + ".Bin", changed);
        // The bare JSON body: the fuzz target wraps it in a valid header.
        write(root + "/fuzz_parameter_file", "body" + std::to_string(i) + ".json", changed.substr(20));

        FirmwareImage image{model.productName, uint16_t(0x1203 + i), std::vector<uint8_t>(64 + 32 * i, 0x5A)};
        // The fuzz target reads a mode byte first: 0 = as is, 1 = repair the checksum.
        const std::string fw = text(writeFirmwareImage(image));
        const std::string name = "fw" + std::to_string(i);
        write(root + "/fuzz_firmware_image", name + ".upg", std::string(1, '\0') + fw);
        write(root + "/fuzz_firmware_image", name + "-repair.upg", std::string(1, '\1') + fw);
    }

    const CameraModel &first = cameras.cameras.front();
    PersistentState state;
    write(root + "/fuzz_state", "empty.json", writeState(state));
    state.nickname = "Line 3 检测";
    state.ipSet = true;
    state.ip = "192.168.1.20";
    state.mask = "255.255.255.0";
    state.gateway = "192.168.1.1";
    state.firmwareVersion = 0x2101;
    state.currentGroup = 2;
    state.groupSaved = {true, false, true, false};
    state.groups[0] = defaultSettings(first);
    state.groups[2] = defaultSettings(first);
    state.groups[2].sharpness = 40;
    write(root + "/fuzz_state", "full.json", writeState(state));

    for (const char *ip : {"192.168.1.20", "0.0.0.0", "255.255.255.255", "10.0.0.1"})
        write(root + "/fuzz_ipv4", std::string(ip) + ".txt", std::string(ip));
    return 0;
}
