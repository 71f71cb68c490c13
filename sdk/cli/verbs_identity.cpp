// list and info: which cameras there are, and what one of them is.
#include "cli.h"
#include "verbs.h"

#include <cstdio>
#include <cstring>

namespace vexocli {

namespace {

Json deviceJson(const stDeviceInfo &info)
{
    return {
        {"serial", field(info.acSn)},
        {"nickname", field(info.acFriendlyName)},
        {"product", field(info.acProductName)},
        {"series", field(info.acProductSeries)},
        {"port", field(info.acPortType)},
        {"sensor", field(info.acSensorType)},
        {"device_version", field(info.acDeviceVersion)},
        {"firmware", firmwareText(info.uFirmwareVersion)},
        {"opened", info.iOpened != 0},
    };
}

bool isGige(const stDeviceInfo &info)
{
    return field(info.acPortType).find("GigE") != std::string::npos;
}

std::string sdkVersion()
{
    char version[CAMERA_SDK_VERSION_BUFFER] = {};
    return CameraSdkGetVersionString(version) == CAMERA_STATUS_SUCCESS ? field(version) : std::string();
}

void printObject(const Json &object, const char *indent)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        std::string value;
        if (it->is_string())
            value = it->get<std::string>();
        else if (it->is_boolean())
            value = it->get<bool>() ? "yes" : "no";
        else
            value = it->dump(-1, ' ', false, Json::error_handler_t::replace);
        std::printf("%s%-22s %s\n", indent, it.key().c_str(), value.c_str());
    }
}

} // namespace

int runList(const Arguments &args)
{
    int count = 0;
    if (const int code = report("cannot list the cameras", CameraEnumerateDevice(&count)); code != ExitOk)
        return code;
    const bool json = args.has("json");
    Json cameras = Json::array();
    if (!json)
        std::printf("%-20s %-24s %-12s %-8s %-10s %s\n", "SERIAL", "NICKNAME", "PRODUCT", "PORT", "FIRMWARE",
                    "OPEN");
    for (int i = 0; i < count; ++i) {
        stDeviceInfo info{};
        const CameraSdkStatus status = CameraGetEnumIndexInfo(i, &info);
        if (status != CAMERA_STATUS_SUCCESS) {
            // One unreadable camera does not hide the others.
            report("cannot read camera " + std::to_string(i), status);
            continue;
        }
        if (json) {
            cameras.push_back(deviceJson(info));
            continue;
        }
        std::printf("%-20s %-24s %-12s %-8s %-10s %s\n", field(info.acSn).c_str(),
                    field(info.acFriendlyName).c_str(), field(info.acProductName).c_str(),
                    field(info.acPortType).c_str(), firmwareText(info.uFirmwareVersion).c_str(),
                    info.iOpened ? "yes" : "no");
    }
    if (json)
        printJson(cameras);
    return ExitOk;
}

int runInfo(const Arguments &args)
{
    const std::string &serial = args.operands()[0];
    stDeviceInfo device{};
    int code = ExitOk;
    if (!findDevice(serial, &device, &code))
        return code;

    Json out = deviceJson(device);
    out["sdk_version"] = sdkVersion();
    if (isGige(device)) {
        stGigeInfo ip{};
        if (CameraGigeGetIp(serial.c_str(), &ip) == CAMERA_STATUS_SUCCESS)
            out["network"] = gigeJson(ip);
    }

    Camera camera;
    if ((code = camera.open(serial)) != ExitOk)
        return code;
    stCameraCapability capability{};
    if ((code = report("cannot read the capabilities", CameraGetCapability(camera.handle(), &capability))) !=
        ExitOk)
        return code;
    Json resolutions = Json::array();
    for (int i = 0; i < capability.iImageSizeDesc && capability.pImageSizeDesc != nullptr; ++i) {
        const stImageResolution &r = capability.pImageSizeDesc[i];
        resolutions.push_back({{"index", r.iIndex},
                               {"name", field(r.acDescription)},
                               {"width", r.iWidth},
                               {"height", r.iHeight}});
    }
    out["capability"] = {{"width", capability.iSensorWidth},
                         {"height", capability.iSensorHeight},
                         {"color", capability.iIsColor != 0},
                         {"max_frame_rate", capability.iMaxFrameRate},
                         {"input_lines", capability.iInputIoCounts},
                         {"output_lines", capability.iOutputIoCounts},
                         {"resolutions", resolutions}};
    stImageResolution current{};
    if (CameraGetResolution(camera.handle(), &current) == CAMERA_STATUS_SUCCESS)
        out["roi"] = {current.iHOffsetFOV, current.iVOffsetFOV, current.iWidthFOV, current.iHeightFOV};
    Json values;
    if ((code = readAllSettings(camera.handle(), &values)) != ExitOk)
        return code;
    out["settings"] = values;

    if (args.has("json")) {
        printJson(out);
        return ExitOk;
    }
    Json identity = out;
    for (const char *section : {"network", "capability", "settings", "roi"})
        identity.erase(section);
    printObject(identity, "");
    if (out.contains("network")) {
        std::printf("network\n");
        printObject(out["network"], "  ");
    }
    std::printf("capability\n");
    Json sensor = out["capability"];
    sensor.erase("resolutions");
    printObject(sensor, "  ");
    for (const Json &r : resolutions)
        std::printf("  resolution %-11d %s (%dx%d)\n", r["index"].get<int>(),
                    r["name"].get<std::string>().c_str(), r["width"].get<int>(), r["height"].get<int>());
    if (out.contains("roi"))
        std::printf("  %-22s %s\n", "roi (x y w h)", out["roi"].dump().c_str());
    std::printf("settings\n");
    for (const Setting &setting : settings()) {
        if (values.contains(setting.name))
            std::printf("  %-22s %s\n", setting.name.c_str(),
                        settingText(setting, values[setting.name]).c_str());
    }
    return ExitOk;
}

} // namespace vexocli
