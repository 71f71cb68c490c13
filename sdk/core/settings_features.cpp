#include "settings_features.h"

#include "device.h"

#include <cmath>
#include <functional>

namespace vexo::sdk {

namespace {

// What a feature is read and written against: the device, its settings as
// they are now (a write changes this copy and applies it whole) and the
// selectors.
struct Context
{
    Device &device;
    const CameraModel &model;
    Settings settings;
    FeatureSelectors &selectors; // locked by the caller
    bool settingsChanged = false;
};

struct FeatureDef
{
    const char *category;
    const char *name;
    const char *displayName;
    FeatureType type;
    const char *unit;
    const char *description;
    std::function<bool(const Context &)> present;
    std::function<FeatureAccess(const Context &)> access;
    std::function<void(const Context &, FeatureInfo &)> limits;
    std::function<std::string(const Context &)> get;
    std::function<FeatureOutcome(Context &, const FeatureValue &)> set;
    std::function<FeatureOutcome(Context &)> run;
};

constexpr struct
{
    uint32_t code;
    const char *name;
} kPixelFormats[] = {
    {CAMERA_MEDIA_TYPE_MONO8, "Mono8"},     {CAMERA_MEDIA_TYPE_BAYGR8, "BayerGR8"},
    {CAMERA_MEDIA_TYPE_BAYRG8, "BayerRG8"}, {CAMERA_MEDIA_TYPE_BAYGB8, "BayerGB8"},
    {CAMERA_MEDIA_TYPE_BAYBG8, "BayerBG8"}, {CAMERA_MEDIA_TYPE_RGB8, "RGB8"},
    {CAMERA_MEDIA_TYPE_BGR8, "BGR8"},
};

const char *const kUserSets[] = {"UserSet1", "UserSet2", "UserSet3", "UserSet4"};

bool always(const Context &)
{
    return true;
}
FeatureAccess readOnly(const Context &)
{
    return FeatureAccess::Read;
}
FeatureAccess readWrite(const Context &)
{
    return FeatureAccess::ReadWrite;
}
FeatureAccess command(const Context &)
{
    return FeatureAccess::Write;
}
void noLimits(const Context &, FeatureInfo &) {}

FeatureAccess whenManual(const Context &c, int Settings::*automatic)
{
    return c.settings.*automatic == 1 ? FeatureAccess::Read : FeatureAccess::ReadWrite;
}

void setEntries(FeatureInfo &f, std::vector<std::string> names)
{
    for (size_t i = 0; i < names.size(); ++i) {
        f.entries.push_back({names[i], names[i], static_cast<int64_t>(i), true});
    }
}

void intRange(FeatureInfo &f, int64_t min, int64_t max, int64_t increment)
{
    f.intMin = min;
    f.intMax = max;
    f.intIncrement = increment;
}

void floatRange(FeatureInfo &f, double min, double max, double increment)
{
    f.floatMin = min;
    f.floatMax = max;
    f.floatIncrement = increment;
}

FeatureOutcome statusOutcome(CameraSdkStatus status, const char *what)
{
    if (status == CAMERA_STATUS_SUCCESS) {
        return FeatureOutcome::ok();
    }
    return FeatureOutcome::fail(status,
                                std::string(what) + " refused (status " + std::to_string(status) + ")");
}

double gainDb(int x1000)
{
    return 20.0 * std::log10(std::max(1, x1000) / 1000.0);
}

int gainX1000(double db)
{
    return static_cast<int>(std::lround(1000.0 * std::pow(10.0, db / 20.0)));
}

int *balanceGain(Settings &s, const std::string &selector)
{
    return selector == "Green" ? &s.gGain : selector == "Blue" ? &s.bGain : &s.rGain;
}

// A region change keeps the rest of the region and becomes a custom region.
FeatureOutcome setRegion(Context &c, int Region::*field, int64_t value)
{
    c.settings.region.*field = static_cast<int>(value);
    c.settings.region.index = CAMERA_RESOLUTION_CUSTOM;
    c.settingsChanged = true;
    return FeatureOutcome::ok();
}

std::vector<FeatureDef> makeDefinitions()
{
    std::vector<FeatureDef> definitions;
    // --- DeviceControl ---
    auto info = [&](const char *name, const char *display, const char *description,
                    std::function<std::string(const Context &)> get) {
        definitions.push_back({"DeviceControl", name, display, FeatureType::String, "", description, always,
                               readOnly, noLimits, std::move(get), nullptr, nullptr});
    };
    info("DeviceVendorName", "Vendor Name", "Who makes the camera.",
         [](const Context &c) { return c.model.productSeries; });
    info("DeviceModelName", "Model Name", "The camera's model.",
         [](const Context &c) { return c.model.productName; });
    info("DeviceSerialNumber", "Serial Number", "The camera's serial number.",
         [](const Context &c) { return c.model.serial; });
    info("DeviceVersion", "Device Version", "Version of the camera's hardware.",
         [](const Context &c) { return c.model.deviceVersion; });
    info("DeviceFirmwareVersion", "Firmware Version", "Version of the firmware in the camera.",
         [](const Context &c) {
             const uint16_t v = c.device.firmwareVersion();
             return std::to_string(v >> 12 & 0xF) + "." + std::to_string(v >> 8 & 0xF) + "." +
                    std::to_string(v >> 4 & 0xF) + "." + std::to_string(v & 0xF);
         });
    definitions.push_back(
        {"DeviceControl", "DeviceUserID", "Device User ID", FeatureType::String, "",
         "The camera's nickname, kept in the camera.",
         [](const Context &c) { return c.model.features.nickname; }, readWrite,
         [](const Context &, FeatureInfo &f) { f.intMax = sizeof(stDeviceInfo::acFriendlyName) - 1; },
         [](const Context &c) { return c.device.nickname(); },
         [](Context &c, const FeatureValue &v) {
             if (v.text.empty()) {
                 return FeatureOutcome::fail(CAMERA_STATUS_INVALID_ARGUMENT, "the name is empty");
             }
             return statusOutcome(c.device.setNickname(v.text), "the name was");
         },
         nullptr});

    // --- ImageFormatControl ---
    auto sensor = [&](const char *name, const char *display, int CameraModel::*size) {
        definitions.push_back(
            {"ImageFormatControl", name, display, FeatureType::Integer, "px", "Size of the sensor in pixels.",
             always, readOnly,
             [size](const Context &c, FeatureInfo &f) { intRange(f, c.model.*size, c.model.*size, 1); },
             [size](const Context &c) { return formatInteger(c.model.*size); }, nullptr, nullptr});
    };
    sensor("SensorWidth", "Sensor Width", &CameraModel::sensorWidth);
    sensor("SensorHeight", "Sensor Height", &CameraModel::sensorHeight);
    auto region = [&](const char *name, const char *display, const char *description, int Region::*field,
                      std::function<void(const Context &, FeatureInfo &)> limits) {
        definitions.push_back(
            {"ImageFormatControl", name, display, FeatureType::Integer, "px", description, always, readWrite,
             std::move(limits), [field](const Context &c) { return formatInteger(c.settings.region.*field); },
             [field](Context &c, const FeatureValue &v) { return setRegion(c, field, v.integer); }, nullptr});
    };
    region("Width", "Width", "Width of the picture read out of the sensor.", &Region::width,
           [](const Context &c, FeatureInfo &f) {
               const int step = c.model.sizeStepX;
               intRange(f, std::max(2, step), c.model.sensorWidth - c.settings.region.x, step);
           });
    region("Height", "Height", "Height of the picture read out of the sensor.", &Region::height,
           [](const Context &c, FeatureInfo &f) {
               const int step = c.model.sizeStepY;
               intRange(f, std::max(2, step), c.model.sensorHeight - c.settings.region.y, step);
           });
    region("OffsetX", "Offset X", "Left edge of the picture on the sensor.", &Region::x,
           [](const Context &c, FeatureInfo &f) {
               intRange(f, 0, c.model.sensorWidth - c.settings.region.width, c.model.offsetStepX);
           });
    region("OffsetY", "Offset Y", "Top edge of the picture on the sensor.", &Region::y,
           [](const Context &c, FeatureInfo &f) {
               intRange(f, 0, c.model.sensorHeight - c.settings.region.height, c.model.offsetStepY);
           });
    definitions.push_back(
        {"ImageFormatControl", "PixelFormat", "Pixel Format", FeatureType::Enumeration, "",
         "Format of the pixels the sensor sends.", always, readWrite,
         [](const Context &c, FeatureInfo &f) {
             for (uint32_t code : c.model.rawFormats()) {
                 f.entries.push_back({pixelFormatName(code), pixelFormatName(code), code, true});
             }
         },
         [](const Context &c) { return std::string(pixelFormatName(c.settings.sensorFormat)); },
         [](Context &c, const FeatureValue &v) {
             c.settings.sensorFormat = static_cast<uint32_t>(v.integer);
             c.settingsChanged = true;
             return FeatureOutcome::ok();
         },
         nullptr});
    auto reverse = [&](const char *name, const char *display, const char *description, int Settings::*field) {
        definitions.push_back({"ImageFormatControl", name, display, FeatureType::Boolean, "", description,
                               [](const Context &c) { return c.model.features.mirror; }, readWrite, noLimits,
                               [field](const Context &c) { return formatInteger(c.settings.*field); },
                               [field](Context &c, const FeatureValue &v) {
                                   c.settings.*field = static_cast<int>(v.integer);
                                   c.settingsChanged = true;
                                   return FeatureOutcome::ok();
                               },
                               nullptr});
    };
    reverse("ReverseX", "Reverse X", "Mirrors the picture left to right.", &Settings::mirrorH);
    reverse("ReverseY", "Reverse Y", "Flips the picture upside down.", &Settings::mirrorV);

    // --- AcquisitionControl ---
    definitions.push_back(
        {"AcquisitionControl", "AcquisitionFrameRate", "Acquisition Frame Rate", FeatureType::Float, "Hz",
         "Frames a second the camera sends now (set through the frame speed).", always, readOnly, noLimits,
         [](const Context &c) { return formatFloat(nominalFrameRate(c.model, c.settings)); }, nullptr,
         nullptr});
    auto automatic = [&](const char *category, const char *name, const char *display, const char *description,
                         bool Features::*feature, int Settings::*field) {
        definitions.push_back(
            {category, name, display, FeatureType::Enumeration, "", description,
             [feature](const Context &c) { return c.model.features.*feature; }, readWrite,
             [](const Context &, FeatureInfo &f) {
                 setEntries(f, {"Off", "Continuous"});
             },
             [field](const Context &c) { return std::string(c.settings.*field == 1 ? "Continuous" : "Off"); },
             [field](Context &c, const FeatureValue &v) {
                 c.settings.*field = static_cast<int>(v.integer);
                 c.settingsChanged = true;
                 return FeatureOutcome::ok();
             },
             nullptr});
    };
    automatic("AcquisitionControl", "ExposureAuto", "Exposure Auto",
              "Continuous: the camera sets exposure time and gain itself.", &Features::autoExposure,
              &Settings::aeState);
    definitions.push_back(
        {"AcquisitionControl", "ExposureTime", "Exposure Time", FeatureType::Float, "us",
         "How long the sensor collects light for a frame. Read-only while the exposure is automatic.", always,
         [](const Context &c) { return whenManual(c, &Settings::aeState); },
         [](const Context &c, FeatureInfo &f) {
             floatRange(f, c.model.exposureLinesMin * c.model.lineTimeUs,
                        c.model.exposureLinesMax * c.model.lineTimeUs, 0.0);
         },
         [](const Context &c) { return formatFloat(c.settings.exposureUs); },
         [](Context &c, const FeatureValue &v) {
             c.settings.exposureUs = v.real;
             c.settingsChanged = true;
             return FeatureOutcome::ok();
         },
         nullptr});
    definitions.push_back(
        {"AcquisitionControl", "TriggerMode", "Trigger Mode", FeatureType::Enumeration, "",
         "On: a frame is taken on each trigger from the trigger source.", always, readWrite,
         [](const Context &, FeatureInfo &f) {
             setEntries(f, {"Off", "On"});
         },
         [](const Context &c) {
             return std::string(c.settings.triggerMode == CAMERA_TRIGGER_CONTINUOUS ? "Off" : "On");
         },
         [](Context &c, const FeatureValue &v) {
             c.settings.triggerMode = v.integer == 0                         ? CAMERA_TRIGGER_CONTINUOUS
                                      : c.selectors.triggerSource == "Line0" ? CAMERA_TRIGGER_HARDWARE
                                                                             : CAMERA_TRIGGER_SOFTWARE;
             c.settingsChanged = true;
             return FeatureOutcome::ok();
         },
         nullptr});
    definitions.push_back(
        {"AcquisitionControl", "TriggerSource", "Trigger Source", FeatureType::Enumeration, "",
         "Where triggers come from: a software command or input line 0.", always, readWrite,
         [](const Context &c, FeatureInfo &f) {
             f.entries.push_back({"Software", "Software", 0, c.model.features.softwareTrigger});
             f.entries.push_back({"Line0", "Line 0", 1, c.model.inputLines > 0});
         },
         [](const Context &c) {
             return c.settings.triggerMode == CAMERA_TRIGGER_HARDWARE   ? std::string("Line0")
                    : c.settings.triggerMode == CAMERA_TRIGGER_SOFTWARE ? std::string("Software")
                                                                        : c.selectors.triggerSource;
         },
         [](Context &c, const FeatureValue &v) {
             c.selectors.triggerSource = v.text;
             if (c.settings.triggerMode != CAMERA_TRIGGER_CONTINUOUS) {
                 c.settings.triggerMode =
                     v.text == "Line0" ? CAMERA_TRIGGER_HARDWARE : CAMERA_TRIGGER_SOFTWARE;
                 c.settingsChanged = true;
             }
             return FeatureOutcome::ok();
         },
         nullptr});
    definitions.push_back(
        {"AcquisitionControl", "TriggerSoftware", "Trigger Software", FeatureType::Command, "",
         "Takes one frame now (trigger mode On, source Software).",
         [](const Context &c) { return c.model.features.softwareTrigger; },
         [](const Context &c) {
             return c.settings.triggerMode == CAMERA_TRIGGER_SOFTWARE ? FeatureAccess::Write
                                                                      : FeatureAccess::None;
         },
         noLimits, nullptr, nullptr,
         [](Context &c) { return statusOutcome(c.device.softTrigger(), "the trigger was"); }});
    definitions.push_back({"AcquisitionControl", "TriggerDelay", "Trigger Delay", FeatureType::Float, "us",
                           "Time from a trigger to the start of the exposure.",
                           [](const Context &c) { return c.model.features.triggerDelay; }, readWrite,
                           [](const Context &, FeatureInfo &f) { floatRange(f, 0.0, 10000000.0, 1.0); },
                           [](const Context &c) { return formatFloat(c.settings.triggerDelayUs); },
                           [](Context &c, const FeatureValue &v) {
                               c.settings.triggerDelayUs = static_cast<uint32_t>(std::lround(v.real));
                               c.settingsChanged = true;
                               return FeatureOutcome::ok();
                           },
                           nullptr});
    definitions.push_back({"AcquisitionControl", "AcquisitionBurstFrameCount", "Burst Frame Count",
                           FeatureType::Integer, "", "Frames taken on each trigger.",
                           [](const Context &c) { return c.model.features.triggerFrameCount; }, readWrite,
                           [](const Context &, FeatureInfo &f) { intRange(f, 1, 1000, 1); },
                           [](const Context &c) { return formatInteger(c.settings.triggerFrameCount); },
                           [](Context &c, const FeatureValue &v) {
                               c.settings.triggerFrameCount = static_cast<int>(v.integer);
                               c.settingsChanged = true;
                               return FeatureOutcome::ok();
                           },
                           nullptr});

    // --- AnalogControl ---
    automatic("AnalogControl", "GainAuto", "Gain Auto",
              "Continuous: the camera sets gain and exposure time itself (one switch with Exposure Auto).",
              &Features::autoExposure, &Settings::aeState);
    definitions.push_back(
        {"AnalogControl", "Gain", "Gain", FeatureType::Float, "dB",
         "Amplification of the sensor signal. Read-only while the exposure is automatic.",
         [](const Context &c) { return c.model.features.analogGain; },
         [](const Context &c) { return whenManual(c, &Settings::aeState); },
         [](const Context &c, FeatureInfo &f) {
             floatRange(f, gainDb(c.model.analogGainMin), gainDb(c.model.analogGainMax), 0.0);
         },
         [](const Context &c) { return formatFloat(gainDb(c.settings.analogGain)); },
         [](Context &c, const FeatureValue &v) {
             c.settings.analogGain =
                 std::clamp(gainX1000(v.real), c.model.analogGainMin, c.model.analogGainMax);
             c.settingsChanged = true;
             return FeatureOutcome::ok();
         },
         nullptr});
    auto colour = [](const Context &c) { return c.model.color; };
    definitions.push_back(
        {"AnalogControl", "BalanceWhiteAuto", "Balance White Auto", FeatureType::Enumeration, "",
         "Continuous: the white balance follows the scene; Once: balances once on the current scene.",
         [](const Context &c) { return c.model.color && c.model.features.autoWhiteBalance; }, readWrite,
         [](const Context &, FeatureInfo &f) {
             setEntries(f, {"Off", "Continuous", "Once"});
         },
         [](const Context &c) { return std::string(c.settings.wbMode == 1 ? "Continuous" : "Off"); },
         [](Context &c, const FeatureValue &v) {
             if (v.integer == 2) {
                 return statusOutcome(c.device.oneShotWhiteBalance(), "the white balance was");
             }
             c.settings.wbMode = static_cast<int>(v.integer);
             c.settingsChanged = true;
             return FeatureOutcome::ok();
         },
         nullptr});
    definitions.push_back({"AnalogControl", "BalanceRatioSelector", "Balance Ratio Selector",
                           FeatureType::Enumeration, "", "The colour Balance Ratio addresses.", colour,
                           readWrite,
                           [](const Context &, FeatureInfo &f) {
                               setEntries(f, {"Red", "Green", "Blue"});
                           },
                           [](const Context &c) { return c.selectors.balanceRatio; },
                           [](Context &c, const FeatureValue &v) {
                               c.selectors.balanceRatio = v.text;
                               return FeatureOutcome::ok();
                           },
                           nullptr});
    definitions.push_back(
        {"AnalogControl", "BalanceRatio", "Balance Ratio", FeatureType::Float, "",
         "Gain of the selected colour for the white balance. Read-only while the balance is automatic.",
         colour, [](const Context &c) { return whenManual(c, &Settings::wbMode); },
         [](const Context &, FeatureInfo &f) { floatRange(f, 0.0, 4.0, 0.01); },
         [](const Context &c) {
             Settings s = c.settings;
             return formatFloat(*balanceGain(s, c.selectors.balanceRatio) / 100.0);
         },
         [](Context &c, const FeatureValue &v) {
             *balanceGain(c.settings, c.selectors.balanceRatio) =
                 static_cast<int>(std::lround(v.real * 100.0));
             c.settingsChanged = true;
             return FeatureOutcome::ok();
         },
         nullptr});
    definitions.push_back({"AnalogControl", "Gamma", "Gamma", FeatureType::Float, "",
                           "Gamma of the picture (the dynamic look-up table).",
                           [](const Context &c) { return c.model.lutSupported; }, readWrite,
                           [](const Context &, FeatureInfo &f) { floatRange(f, 0.0, 10.0, 0.01); },
                           [](const Context &c) { return formatFloat(c.settings.gamma / 100.0); },
                           [](Context &c, const FeatureValue &v) {
                               c.settings.gamma = static_cast<int>(std::lround(v.real * 100.0));
                               c.settingsChanged = true;
                               return FeatureOutcome::ok();
                           },
                           nullptr});

    // --- TransportLayerControl (GigE Vision) ---
    auto gige = [](const Context &c) { return c.model.isGige(); };
    definitions.push_back({"TransportLayerControl", "GevSCPSPacketSize", "Packet Size", FeatureType::Integer,
                           "B", "Size of the stream packets on the network.", gige, readWrite,
                           [](const Context &, FeatureInfo &f) { intRange(f, 1500, 9000, 1); },
                           [](const Context &c) { return formatInteger(c.device.packetSize()); },
                           [](Context &c, const FeatureValue &v) {
                               return statusOutcome(c.device.setPacketSize(static_cast<uint32_t>(v.integer)),
                                                    "the packet size was");
                           },
                           nullptr});
    definitions.push_back({"TransportLayerControl", "GevSCPD", "Packet Delay", FeatureType::Integer, "us",
                           "Pause between stream packets, for a busy network.",
                           [](const Context &c) { return c.model.isGige() && c.model.features.packetDelay; },
                           readWrite, [](const Context &, FeatureInfo &f) { intRange(f, 0, 100000, 1); },
                           [](const Context &c) { return formatInteger(c.device.packetDelay()); },
                           [](Context &c, const FeatureValue &v) {
                               return statusOutcome(c.device.setPacketDelay(static_cast<uint32_t>(v.integer)),
                                                    "the packet delay was");
                           },
                           nullptr});

    // --- UserSetControl ---
    definitions.push_back(
        {"UserSetControl", "UserSetSelector", "User Set Selector", FeatureType::Enumeration, "",
         "The parameter group User Set Load and Save address (Default: the factory settings).", always,
         readWrite,
         [](const Context &, FeatureInfo &f) {
             setEntries(f, {"Default", kUserSets[0], kUserSets[1], kUserSets[2], kUserSets[3]});
         },
         [](const Context &c) { return c.selectors.userSet; },
         [](Context &c, const FeatureValue &v) {
             c.selectors.userSet = v.text;
             return FeatureOutcome::ok();
         },
         nullptr});
    auto group = [](const Context &c) {
        for (int i = 0; i < 4; ++i) {
            if (c.selectors.userSet == kUserSets[i]) {
                return i;
            }
        }
        return CAMERA_PARAMETER_GROUP_DEFAULT;
    };
    definitions.push_back(
        {"UserSetControl", "UserSetLoad", "User Set Load", FeatureType::Command, "",
         "Loads the selected parameter group into the camera.", always, command, noLimits, nullptr, nullptr,
         [group](Context &c) { return statusOutcome(c.device.loadGroup(group(c)), "loading was"); }});
    definitions.push_back(
        {"UserSetControl", "UserSetSave", "User Set Save", FeatureType::Command, "",
         "Saves the current settings into the selected parameter group.", always,
         [group](const Context &c) {
             return group(c) == CAMERA_PARAMETER_GROUP_DEFAULT ? FeatureAccess::None : FeatureAccess::Write;
         },
         noLimits, nullptr, nullptr,
         [group](Context &c) { return statusOutcome(c.device.saveGroup(group(c)), "saving was"); }});
    return definitions;
}

const std::vector<FeatureDef> &definitions()
{
    static const std::vector<FeatureDef> all = makeDefinitions();
    return all;
}

FeatureInfo describe(const FeatureDef &def, const Context &c)
{
    FeatureInfo f;
    f.name = def.name;
    f.displayName = def.displayName;
    f.category = def.category;
    f.unit = def.unit;
    f.description = def.description;
    f.type = def.type;
    f.access = def.access(c);
    def.limits(c, f);
    if (f.readable() && def.get) {
        f.value = def.get(c);
    }
    return f;
}

const FeatureDef *findDefinition(const Context &c, const std::string &name)
{
    for (const FeatureDef &def : definitions()) {
        if (name == def.name && def.present(c)) {
            return &def;
        }
    }
    return nullptr;
}

FeatureOutcome unknown(const std::string &name)
{
    return FeatureOutcome::fail(CAMERA_STATUS_NOT_SUPPORTED, "the camera has no feature " + name);
}

} // namespace

const char *pixelFormatName(uint32_t mediaType)
{
    for (const auto &format : kPixelFormats) {
        if (format.code == mediaType) {
            return format.name;
        }
    }
    return "";
}

std::vector<FeatureInfo> describeSettingsFeatures(Device &device, FeatureSelectors &selectors)
{
    std::lock_guard<std::mutex> lock(selectors.mutex);
    const Context c{device, device.model(), device.settings(), selectors};
    std::vector<FeatureInfo> tree;
    std::string category;
    for (const FeatureDef &def : definitions()) {
        if (!def.present(c)) {
            continue;
        }
        if (def.category != category) {
            category = def.category;
            FeatureInfo branch;
            branch.name = category;
            branch.displayName = category;
            branch.type = FeatureType::Category;
            branch.access = FeatureAccess::Read;
            tree.push_back(std::move(branch));
        }
        tree.push_back(describe(def, c));
    }
    return tree;
}

FeatureOutcome writeSettingsFeature(Device &device, FeatureSelectors &selectors, const std::string &name,
                                    const std::string &value)
{
    std::lock_guard<std::mutex> lock(selectors.mutex);
    Context c{device, device.model(), device.settings(), selectors};
    const FeatureDef *def = findDefinition(c, name);
    if (def == nullptr) {
        return unknown(name);
    }
    const FeatureInfo f = describe(*def, c);
    if (!f.writable() || !def->set) {
        return FeatureOutcome::fail(CAMERA_STATUS_ACCESS_DENIED, name + " cannot be written now");
    }
    FeatureValue parsed;
    std::string reason;
    if (!parseFeatureValue(f, value, &parsed, &reason)) {
        return FeatureOutcome::fail(CAMERA_STATUS_INVALID_ARGUMENT, reason);
    }
    const std::string keptTrigger = selectors.triggerSource;
    FeatureOutcome outcome = def->set(c, parsed);
    if (outcome.status != CAMERA_STATUS_SUCCESS || !c.settingsChanged) {
        return outcome;
    }
    const std::string invalid = validateSettings(c.model, c.settings);
    if (!invalid.empty()) {
        selectors.triggerSource = keptTrigger;
        return FeatureOutcome::fail(CAMERA_STATUS_INVALID_ARGUMENT,
                                    value + " does not fit the camera's other settings (" + invalid + ")");
    }
    return statusOutcome(device.applySettings(c.settings), "the setting was");
}

FeatureOutcome executeSettingsFeature(Device &device, FeatureSelectors &selectors, const std::string &name)
{
    std::lock_guard<std::mutex> lock(selectors.mutex);
    Context c{device, device.model(), device.settings(), selectors};
    const FeatureDef *def = findDefinition(c, name);
    if (def == nullptr) {
        return unknown(name);
    }
    if (!def->run) {
        return FeatureOutcome::fail(CAMERA_STATUS_INVALID_ARGUMENT, name + " is not a command");
    }
    if (def->access(c) != FeatureAccess::Write) {
        return FeatureOutcome::fail(CAMERA_STATUS_ACCESS_DENIED, name + " cannot be executed now");
    }
    return def->run(c);
}

} // namespace vexo::sdk
