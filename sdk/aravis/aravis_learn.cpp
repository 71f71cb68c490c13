// AravisDevice: what the camera is, and reading its settings back.

#include "aravis_device.h"

#include "feature_access.h"
#include "gvcp.h"
#include "mapping.h"
#include "netif.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vexo::aravis {

namespace {

// Sustained payload rates of the links, bytes per second.
constexpr double kGigeLinkRate = 115e6;
constexpr double kUsb3LinkRate = 380e6;

} // namespace

void AravisDevice::learnLocked()
{
    ArvCamera *c = camera_;
    CameraModel &m = model_;
    learnIdentityLocked();
    const uint32_t current = learnGeometryLocked();
    Features &f = m.features;
    // No standard feature carries these.
    f.aeTarget = f.antiFlicker = f.deadPixelCorrection = false;
    f.triggerFrameCount = f.inputLineSettings = f.firmwareUpgrade = false;
    learnExposureLocked();
    learnFrameRateLocked();
    learnImageLocked();
    learnTriggerLocked();
    learnStorageLocked();
    m.lutSupported = true;
    m.channels = 1;
    m.focusSupported = false;

    // A camera left in a format the pipeline cannot read is moved to one it can.
    Error e;
    if (std::find(m.sensorFormats.begin(), m.sensorFormats.end(), current) == m.sensorFormats.end() &&
        rawBytesPerPixel(m.sensorFormats.front()) != 0) {
        arv_camera_set_pixel_format(c, m.sensorFormats.front(), e.out());
        e.clear();
    }
    nickname_ = readNicknameLocked();

    const Settings host = loadState();
    settings_ = readCameraLocked(host);
    if (!validateSettings(m, settings_).empty()) {
        // Something the camera reports does not fit what it claims to be:
        // start from the defaults rather than from an inconsistent record.
        std::fprintf(stderr, "VexoCameraSDK: %s: %s out of range, defaults used\n", m.serial.c_str(),
                     validateSettings(m, settings_).c_str());
        const Settings fallback = defaultSettings(m);
        Settings applied = settings_;
        writeLocked(settings_, fallback, &applied);
        settings_ = validateSettings(m, applied).empty() ? applied : fallback;
    }
}

void AravisDevice::learnIdentityLocked()
{
    ArvCamera *c = camera_;
    Error e;
    CameraModel &m = model_;
    m.productSeries = fitted(text(c, "DeviceVendorName"), sizeof(stDeviceInfo::acProductSeries));
    m.productName = fitted(text(c, "DeviceModelName"), sizeof(stDeviceInfo::acProductName));
    const char *serial = arv_camera_get_device_serial_number(c, e.out());
    m.serial = fitted(serial != nullptr ? serial : "", sizeof(stDeviceInfo::acSn));
    if (m.serial.empty()) {
        m.serial = fitted(text(c, "DeviceID"), sizeof(stDeviceInfo::acSn));
    }
    m.deviceVersion = fitted(text(c, "DeviceVersion"), sizeof(stDeviceInfo::acDeviceVersion));
    m.firmwareText = fitted(text(c, "DeviceFirmwareVersion"), CAMERA_VERSION_BUFFER);
    uint16_t packed = 0;
    m.firmwareVersion =
        packDottedVersion(m.firmwareText.empty() ? m.deviceVersion : m.firmwareText, &packed) ? packed : 0;
    m.friendlyName = m.productName;
    switch (endpoint_.kind) {
    case Endpoint::Kind::Gige:
        m.portType = "GigE";
        m.link = CAMERA_LINK_GIGE_VISION;
        m.linkName = ipv4Text(endpoint_.address);
        break;
    case Endpoint::Kind::Usb3:
        m.portType = "USB3.0";
        m.link = CAMERA_LINK_USB3_VISION;
        m.linkName = fitted(endpoint_.id, sizeof(stDeviceInfo::acLinkName));
        break;
    case Endpoint::Kind::Fake:
        m.portType = "Virtual";
        m.link = CAMERA_LINK_TEST_CAMERA;
        m.linkName = fitted(endpoint_.id, sizeof(stDeviceInfo::acLinkName));
        break;
    }
}

uint32_t AravisDevice::learnGeometryLocked()
{
    ArvCamera *c = camera_;
    Error e;
    CameraModel &m = model_;
    // Formats first: the colour of the camera and the Bayer cell size follow.
    guint n = 0;
    gint64 *formats = arv_camera_dup_available_pixel_formats(c, &n, e.out());
    std::vector<int64_t> all(formats, formats + (formats != nullptr ? n : 0));
    g_free(formats);
    const uint32_t current = static_cast<uint32_t>(arv_camera_get_pixel_format(c, e.out()));
    m.sensorFormats = usableFormats(all);
    if (m.sensorFormats.empty()) {
        m.sensorFormats = {current}; // streams nothing the pipeline could read
    }
    m.color = std::any_of(m.sensorFormats.begin(), m.sensorFormats.end(),
                          [](uint32_t f) { return isBayer8(f) || f == CAMERA_MEDIA_TYPE_RGB8; });

    int min = 0, max = 0, x = 0, y = 0, w = 0, h = 0;
    arv_camera_get_region(c, &x, &y, &w, &h, e.out());
    arv_camera_get_width_bounds(c, &min, &max, e.out());
    m.sensorWidth =
        has(c, "WidthMax") ? static_cast<int>(arv_camera_get_integer(c, "WidthMax", e.out())) : max;
    arv_camera_get_height_bounds(c, &min, &max, e.out());
    m.sensorHeight =
        has(c, "HeightMax") ? static_cast<int>(arv_camera_get_integer(c, "HeightMax", e.out())) : max;
    m.sensorWidth = std::clamp(m.sensorWidth, 2, 65535);
    m.sensorHeight = std::clamp(m.sensorHeight, 2, 65535);
    const bool bayer = std::any_of(m.sensorFormats.begin(), m.sensorFormats.end(), isBayer8);
    const auto step = [&](gint increment, bool cell) {
        int s = std::max(1, static_cast<int>(increment));
        return cell && s % 2 != 0 ? s * 2 : s; // offsets keep the Bayer phase
    };
    m.offsetStepX = step(arv_camera_get_x_offset_increment(c, e.out()), bayer);
    m.offsetStepY = step(arv_camera_get_y_offset_increment(c, e.out()), bayer);
    m.sizeStepX = step(arv_camera_get_width_increment(c, e.out()), false);
    m.sizeStepY = step(arv_camera_get_height_increment(c, e.out()), false);
    return current;
}

void AravisDevice::learnExposureLocked()
{
    ArvCamera *c = camera_;
    Error e;
    CameraModel &m = model_;
    Features &f = m.features;
    map_.gainInDecibel = has(c, "Gain");
    f.analogGain = map_.gainInDecibel || has(c, "GainRaw");
    if (f.analogGain) {
        double lo = 0, hi = 0;
        arv_camera_get_gain_bounds(c, &lo, &hi, e.out());
        m.analogGainMin = gainX1000(lo, map_.gainInDecibel);
        m.analogGainMax = std::max(m.analogGainMin, gainX1000(hi, map_.gainInDecibel));
    } else {
        m.analogGainMin = m.analogGainMax = 1000;
    }
    m.lineTimeUs = 1.0; // exposure in whole microseconds
    if (arv_camera_is_exposure_time_available(c, e.out())) {
        double lo = 0, hi = 0;
        arv_camera_get_exposure_time_bounds(c, &lo, &hi, e.out());
        m.exposureLinesMin = static_cast<int>(std::clamp(std::ceil(lo), 1.0, 1e9));
        m.exposureLinesMax = static_cast<int>(std::clamp(std::floor(hi), double(m.exposureLinesMin), 2e9));
    }
    map_.exposureAuto = arv_camera_is_exposure_auto_available(c, e.out());
    map_.gainAuto = arv_camera_is_gain_auto_available(c, e.out());
    f.autoExposure = map_.exposureAuto || map_.gainAuto;
    map_.aeLimits = has(c, "AutoExposureTimeLowerLimit") && has(c, "AutoExposureTimeUpperLimit");
    map_.aeGainLimits = f.analogGain && has(c, "AutoGainLowerLimit") && has(c, "AutoGainUpperLimit");
    f.aeExposureRange = map_.aeLimits;
    f.aeGainRange = map_.aeGainLimits;
}

void AravisDevice::learnFrameRateLocked()
{
    ArvCamera *c = camera_;
    Error e;
    CameraModel &m = model_;
    map_.frameRate = arv_camera_is_frame_rate_available(c, e.out());
    m.features.frameSpeed = map_.frameRate;
    double rateMax = 30.0;
    if (map_.frameRate) {
        double lo = 0;
        arv_camera_get_frame_rate_bounds(c, &lo, &rateMax, e.out());
    }
    const double link = endpoint_.kind == Endpoint::Kind::Gige   ? kGigeLinkRate
                        : endpoint_.kind == Endpoint::Kind::Usb3 ? kUsb3LinkRate
                                                                 : 0.0;
    const double fullFrame =
        double(m.sensorWidth) * m.sensorHeight * std::max(1, rawBytesPerPixel(m.sensorFormats.front()));
    m.maxFrameRate = std::max(0.1, fullSizeRate(rateMax, fullFrame, link));
}

void AravisDevice::learnImageLocked()
{
    ArvCamera *c = camera_;
    CameraModel &m = model_;
    Features &f = m.features;
    map_.reverseX = has(c, "ReverseX");
    map_.reverseY = has(c, "ReverseY");
    f.mirrorOnDevice = map_.reverseX && map_.reverseY; // else the host pipeline mirrors
    map_.balanceRatio = m.color && has(c, "BalanceRatioSelector") && has(c, "BalanceRatio");
    f.whiteBalanceOnDevice = map_.balanceRatio;
    map_.balanceAuto = m.color && has(c, "BalanceWhiteAuto");
    f.autoWhiteBalance = map_.balanceAuto;
}

void AravisDevice::learnTriggerLocked()
{
    ArvCamera *c = camera_;
    Error e;
    CameraModel &m = model_;
    Features &f = m.features;
    const bool triggers = has(c, "TriggerMode") && has(c, "TriggerSource");
    selectFrameStart(c);
    map_.triggerSoftware = triggers && hasEntry(c, "TriggerSource", "Software") &&
                           arv_camera_is_software_trigger_supported(c, e.out());
    f.softwareTrigger = map_.triggerSoftware;
    m.inputLines = 0;
    if (triggers) {
        for (const std::string &source : entries(c, "TriggerSource")) {
            if (source.rfind("Line", 0) == 0 && m.inputLines < kMaxIoLines) {
                if (map_.hardwareTriggerSource.empty()) {
                    map_.hardwareTriggerSource = source;
                }
                ++m.inputLines;
            }
        }
    }
    m.outputLines = 0;
    map_.triggerActivation = triggers && has(c, "TriggerActivation");
    map_.triggerDelay = has(c, "TriggerDelay")      ? "TriggerDelay"
                        : has(c, "TriggerDelayAbs") ? "TriggerDelayAbs"
                                                    : "";
    f.triggerDelay = !map_.triggerDelay.empty();
}

void AravisDevice::learnStorageLocked()
{
    ArvCamera *c = camera_;
    Features &f = model_.features;
    map_.userSets = has(c, "UserSetSelector") && has(c, "UserSetLoad") && has(c, "UserSetSave");
    for (int g = 1; map_.userSets && g <= kParameterGroups; ++g) {
        map_.userSets = hasEntry(c, "UserSetSelector", ("UserSet" + std::to_string(g)).c_str());
    }
    map_.userSetDefault = map_.userSets && has(c, "UserSetDefault");
    map_.deviceUserId = has(c, "DeviceUserID");
    f.nickname = map_.deviceUserId || endpoint_.kind == Endpoint::Kind::Gige;
    f.packetDelay = endpoint_.kind == Endpoint::Kind::Gige && has(c, "GevSCPD");
}

std::string AravisDevice::readNicknameLocked() const
{
    std::string name;
    if (map_.deviceUserId) {
        name = text(camera_, "DeviceUserID");
    } else if (endpoint_.kind == Endpoint::Kind::Gige) {
        char field[gige::kUserNameSize + 1] = {};
        Error e;
        if (arv_device_read_memory(device_, gige::kRegisterUserName, gige::kUserNameSize, field, e.out())) {
            name = field;
        }
    }
    return fitted(name, sizeof(stDeviceInfo::acFriendlyName));
}

void AravisDevice::readAutoValuesLocked(Settings *s, bool exposure, bool balance) const
{
    ArvCamera *c = camera_;
    const CameraModel &m = model_;
    Error e;
    if (exposure && arv_camera_is_exposure_time_available(c, e.out())) {
        s->exposureUs = std::clamp(arv_camera_get_exposure_time(c, e.out()), double(m.exposureLinesMin),
                                   double(m.exposureLinesMax));
    }
    if (exposure && m.features.analogGain) {
        s->analogGain = std::clamp(gainX1000(arv_camera_get_gain(c, e.out()), map_.gainInDecibel),
                                   m.analogGainMin, m.analogGainMax);
    }
    if (balance && map_.balanceRatio) {
        const auto ratio = [&](const char *channel) {
            arv_camera_set_string(c, "BalanceRatioSelector", channel, e.out());
            return std::clamp(
                static_cast<int>(std::lround(arv_camera_get_float(c, "BalanceRatio", e.out()) * 100)), 0,
                400);
        };
        s->rGain = ratio("Red");
        s->gGain = ratio("Green");
        s->bGain = ratio("Blue");
    }
}

Settings AravisDevice::readCameraLocked(const Settings &host) const
{
    ArvCamera *c = camera_;
    const CameraModel &m = model_;
    Error e;
    Settings s = host;
    readAutoValuesLocked(&s, true, true);
    s.aeState = map_.exposureAuto ? arv_camera_get_exposure_time_auto(c, e.out()) != ARV_AUTO_OFF
                : map_.gainAuto   ? arv_camera_get_gain_auto(c, e.out()) != ARV_AUTO_OFF
                                  : 0;
    if (map_.aeLimits) {
        const double lo = m.exposureLinesMin, hi = m.exposureLinesMax;
        s.aeExposureMinUs =
            std::clamp(arv_camera_get_float(c, "AutoExposureTimeLowerLimit", e.out()), lo, hi);
        s.aeExposureMaxUs =
            std::clamp(arv_camera_get_float(c, "AutoExposureTimeUpperLimit", e.out()), s.aeExposureMinUs, hi);
    } else {
        s.aeExposureMinUs =
            std::clamp(s.aeExposureMinUs, double(m.exposureLinesMin), double(m.exposureLinesMax));
        s.aeExposureMaxUs = std::clamp(s.aeExposureMaxUs, s.aeExposureMinUs, double(m.exposureLinesMax));
    }
    if (map_.aeGainLimits) {
        const auto limit = [&](const char *name) {
            return std::clamp(gainX1000(arv_camera_get_float(c, name, e.out()), map_.gainInDecibel),
                              m.analogGainMin, m.analogGainMax);
        };
        s.aeGainMin = limit("AutoGainLowerLimit");
        s.aeGainMax = std::max(s.aeGainMin, limit("AutoGainUpperLimit"));
    } else {
        s.aeGainMin = std::clamp(s.aeGainMin, m.analogGainMin, m.analogGainMax);
        s.aeGainMax = std::clamp(s.aeGainMax, s.aeGainMin, m.analogGainMax);
    }
    if (map_.frameRate) {
        const bool limited = !has(c, "AcquisitionFrameRateEnable") ||
                             arv_camera_get_boolean(c, "AcquisitionFrameRateEnable", e.out());
        s.frameSpeed = limited ? frameSpeedFor(arv_camera_get_frame_rate(c, e.out()), m.maxFrameRate) : 2;
    }
    if (map_.reverseX && map_.reverseY) {
        s.mirrorH = arv_camera_get_boolean(c, "ReverseX", e.out()) ? 1 : 0;
        s.mirrorV = arv_camera_get_boolean(c, "ReverseY", e.out()) ? 1 : 0;
    }
    s.wbMode = map_.balanceAuto && text(c, "BalanceWhiteAuto") == "Continuous" ? 1 : 0;
    const uint32_t format = static_cast<uint32_t>(arv_camera_get_pixel_format(c, e.out()));
    const std::vector<uint32_t> formats = m.rawFormats();
    s.sensorFormat =
        std::find(formats.begin(), formats.end(), format) != formats.end() ? format : formats.front();

    int x = 0, y = 0, w = 0, h = 0;
    arv_camera_get_region(c, &x, &y, &w, &h, e.out());
    Region r{CAMERA_RESOLUTION_CUSTOM, x, y, w, h};
    for (const Region &preset : presetRegions(m)) {
        if (sameArea(preset, r)) {
            r.index = preset.index;
        }
    }
    s.region = r;

    s.triggerMode = CAMERA_TRIGGER_CONTINUOUS;
    if (has(c, "TriggerMode")) {
        selectFrameStart(c);
        if (text(c, "TriggerMode") == "On") {
            const std::string source = text(c, "TriggerSource");
            s.triggerMode = source == "Software"                   ? CAMERA_TRIGGER_SOFTWARE
                            : source == map_.hardwareTriggerSource ? CAMERA_TRIGGER_HARDWARE
                                                                   : CAMERA_TRIGGER_CONTINUOUS;
        }
        if (map_.triggerActivation && m.inputLines > 0) {
            s.inputs[0].signalType = std::max(0, signalTypeOf(text(c, "TriggerActivation")));
        }
    }
    if (!map_.triggerDelay.empty()) {
        const double delay = arv_camera_get_float(c, map_.triggerDelay.c_str(), e.out());
        s.triggerDelayUs = static_cast<uint32_t>(std::clamp(std::lround(delay), 0L, 10000000L));
    }
    return s;
}

} // namespace vexo::aravis
