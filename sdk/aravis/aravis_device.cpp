#include "aravis_device.h"

#include "gvcp.h"
#include "mapping.h"
#include "netif.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace vexo::aravis {

namespace {

constexpr int kStreamBuffers = 6;
constexpr size_t kWaitingFrames = 3; // finished frames kept for a slow caller; older ones are dropped
constexpr auto kWatchPeriod = std::chrono::milliseconds(200);
constexpr auto kProbeTimeout = std::chrono::milliseconds(250);
constexpr int kMissedProbesLost = 2;
constexpr auto kWhiteBalanceSettling = std::chrono::seconds(3);
// Sustained payload rates of the links, bytes per second.
constexpr double kGigeLinkRate = 115e6;
constexpr double kUsb3LinkRate = 380e6;

// Owns a GError for one call.
class Error final
{
public:
    Error() = default;
    ~Error()
    {
        if (error_ != nullptr) {
            g_error_free(error_);
        }
    }
    Error(const Error &) = delete;
    Error &operator=(const Error &) = delete;

    GError **out()
    {
        clear();
        return &error_;
    }
    GError *get() const { return error_; }
    GError *release() { return std::exchange(error_, nullptr); }
    explicit operator bool() const { return error_ != nullptr; }
    void clear()
    {
        if (error_ != nullptr) {
            g_error_free(error_);
            error_ = nullptr;
        }
    }

private:
    GError *error_ = nullptr;
};

bool has(ArvCamera *camera, const char *feature)
{
    Error e;
    return arv_camera_is_feature_available(camera, feature, e.out()) && !e;
}

bool hasEntry(ArvCamera *camera, const char *feature, const char *entry)
{
    Error e;
    return arv_camera_is_enumeration_entry_available(camera, feature, entry, e.out()) && !e;
}

std::vector<std::string> entries(ArvCamera *camera, const char *feature)
{
    std::vector<std::string> out;
    Error e;
    guint n = 0;
    const char **names = arv_camera_dup_available_enumerations_as_strings(camera, feature, &n, e.out());
    if (names != nullptr) {
        for (guint i = 0; i < n; ++i) {
            out.emplace_back(names[i] != nullptr ? names[i] : "");
        }
        g_free(names);
    }
    return out;
}

std::string text(ArvCamera *camera, const char *feature)
{
    if (!has(camera, feature)) {
        return {};
    }
    Error e;
    const char *value = arv_camera_get_string(camera, feature, e.out());
    return value != nullptr && !e ? std::string(value) : std::string();
}

// A text field of a record must fit, NUL included.
std::string fitted(const std::string &text, size_t field)
{
    return text.substr(0, std::min(text.size(), field - 1));
}

GInetAddress *inetAddress(uint32_t address)
{
    const uint32_t network = g_htonl(address);
    return g_inet_address_new_from_bytes(reinterpret_cast<const guint8 *>(&network), G_SOCKET_FAMILY_IPV4);
}

void selectFrameStart(ArvCamera *camera)
{
    if (hasEntry(camera, "TriggerSelector", "FrameStart")) {
        Error e;
        arv_camera_set_string(camera, "TriggerSelector", "FrameStart", e.out());
    }
}

bool sameArea(const Region &a, const Region &b)
{
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

void onControlLost(ArvGvDevice *, gpointer device)
{
    static_cast<AravisDevice *>(device)->markLostFromSignal();
}

} // namespace

AravisDevice::AravisDevice(const Endpoint &where, StateStore store, std::unique_ptr<DeviceLock> lock)
    : DeviceBase(CameraModel{}, std::move(store), std::move(lock)), endpoint_(where)
{
}

CameraSdkStatus AravisDevice::open(const Endpoint &where, StateStore store, std::unique_ptr<DeviceLock> lock,
                                   std::shared_ptr<AravisDevice> *out)
{
    std::shared_ptr<AravisDevice> d(new AravisDevice(where, std::move(store), std::move(lock)));
    Error e;
    switch (where.kind) {
    case Endpoint::Kind::Gige: {
        // Someone holds the control channel: say so at once rather than
        // after the camera's refusal and Aravis's retries.
        uint32_t privilege = 0;
        if (gige::readRegister(where.address, gige::kRegisterControlPrivilege, &privilege, kProbeTimeout) ==
                gige::Reply::Value &&
            privilege != 0) {
            return CAMERA_STATUS_ALREADY_OPENED;
        }
        GInetAddress *host = inetAddress(where.hostAddress);
        GInetAddress *camera = inetAddress(where.address);
        d->device_ = arv_gv_device_new(host, camera, e.out());
        g_object_unref(host);
        g_object_unref(camera);
        if (d->device_ != nullptr && !arv_gv_device_is_controller(ARV_GV_DEVICE(d->device_))) {
            return CAMERA_STATUS_ALREADY_OPENED; // another program controls it
        }
        break;
    }
    case Endpoint::Kind::Usb3:
        d->device_ = arv_interface_open_device(arv_uv_interface_get_instance(), where.id.c_str(), e.out());
        break;
    case Endpoint::Kind::Fake:
        d->device_ = arv_interface_open_device(arv_fake_interface_get_instance(), where.id.c_str(), e.out());
        break;
    }
    if (d->device_ == nullptr) {
        return CAMERA_STATUS_FAILED;
    }
    d->camera_ = arv_camera_new_with_device(d->device_, e.out());
    if (d->camera_ == nullptr) {
        return CAMERA_STATUS_FAILED;
    }
    {
        std::lock_guard<std::mutex> control(d->control_);
        d->learnLocked();
    }
    if (ARV_IS_GV_DEVICE(d->device_)) {
        g_signal_connect(d->device_, "control-lost", G_CALLBACK(onControlLost), d.get());
    }
    AravisDevice *self = d.get();
    d->watchdog_ = std::thread([self] { self->watch(); });
    *out = std::move(d);
    return CAMERA_STATUS_SUCCESS;
}

AravisDevice::~AravisDevice()
{
    close();
    if (camera_ != nullptr) {
        g_object_unref(camera_);
    }
    if (device_ != nullptr) {
        g_object_unref(device_);
    }
}

// --- what the camera is -----------------------------------------------------

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
        m.linkName = ipv4Text(endpoint_.address);
        break;
    case Endpoint::Kind::Usb3:
        m.portType = "USB3.0";
        m.linkName = fitted(endpoint_.id, sizeof(stDeviceInfo::acLinkName));
        break;
    case Endpoint::Kind::Fake:
        m.portType = "Virtual";
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

// --- writing settings -----------------------------------------------------------

CameraSdkStatus AravisDevice::failureLocked(GError *error)
{
    const bool timeout =
        error != nullptr && error->domain == ARV_DEVICE_ERROR &&
        (error->code == ARV_DEVICE_ERROR_TIMEOUT || error->code == ARV_DEVICE_ERROR_NOT_CONNECTED);
    if (error != nullptr) {
        g_error_free(error);
    }
    if (timeout) {
        markLost(); // the camera stopped answering
        return CAMERA_STATUS_DEVICE_LOST;
    }
    return CAMERA_STATUS_FAILED;
}

// What applying `to` leaves behind before the camera took anything: the
// host's own settings at once, everything the camera keeps as it was.
Settings AravisDevice::keptByCamera(const Settings &from, const Settings &to) const
{
    const Features &f = model_.features;
    Settings a = to;
    a.exposureUs = from.exposureUs;
    a.analogGain = from.analogGain;
    a.aeState = from.aeState;
    a.aeExposureMinUs = from.aeExposureMinUs;
    a.aeExposureMaxUs = from.aeExposureMaxUs;
    a.aeGainMin = from.aeGainMin;
    a.aeGainMax = from.aeGainMax;
    a.aeTarget = from.aeTarget;
    a.antiFlick = from.antiFlick;
    a.lightFrequency = from.lightFrequency;
    a.frameSpeed = from.frameSpeed;
    a.wbMode = from.wbMode;
    a.sensorFormat = from.sensorFormat;
    a.region = from.region;
    a.triggerMode = from.triggerMode;
    a.triggerDelayUs = from.triggerDelayUs;
    a.triggerFrameCount = from.triggerFrameCount;
    a.inputs = from.inputs;
    a.deadPixelCorrection = from.deadPixelCorrection;
    if (f.mirrorOnDevice) {
        a.mirrorH = from.mirrorH;
        a.mirrorV = from.mirrorV;
    }
    if (f.whiteBalanceOnDevice) {
        a.rGain = from.rGain;
        a.gGain = from.gGain;
        a.bGain = from.bGain;
    }
    return a;
}

CameraSdkStatus AravisDevice::writeLocked(const Settings &from, const Settings &to, Settings *applied)
{
    // Each change the camera accepts is taken over into *applied; the first
    // one it refuses ends the write.
    *applied = keptByCamera(from, to);
    // Size and format only change while the camera is not sending.
    const bool reshape = !sameArea(from.region, to.region) || from.sensorFormat != to.sensorFormat;
    const bool restart = reshape && acquiring_;
    if (restart) {
        stopLocked();
    }
    using Write = CameraSdkStatus (AravisDevice::*)(const Settings &, const Settings &, Settings *);
    static constexpr Write kGroups[] = {
        &AravisDevice::writeGeometryLocked, &AravisDevice::writeTriggerLocked,
        &AravisDevice::writeExposureLocked, &AravisDevice::writeFrameRateLocked,
        &AravisDevice::writeMirrorLocked,   &AravisDevice::writeWhiteBalanceLocked,
    };
    CameraSdkStatus status = CAMERA_STATUS_SUCCESS;
    for (const Write write : kGroups) {
        status = (this->*write)(from, to, applied);
        if (status != CAMERA_STATUS_SUCCESS) {
            break;
        }
    }
    if (restart) {
        const CameraSdkStatus started = startLocked();
        if (status == CAMERA_STATUS_SUCCESS) {
            status = started;
        }
    }
    return status;
}

CameraSdkStatus AravisDevice::writeGeometryLocked(const Settings &from, const Settings &to, Settings *a)
{
    ArvCamera *c = camera_;
    Error e;
    if (from.sensorFormat != to.sensorFormat) {
        arv_camera_set_pixel_format(c, to.sensorFormat, e.out());
        if (e) {
            return failureLocked(e.release());
        }
        a->sensorFormat = to.sensorFormat;
    }
    if (!sameArea(from.region, to.region)) {
        arv_camera_set_region(c, to.region.x, to.region.y, to.region.width, to.region.height, e.out());
        if (e) {
            return failureLocked(e.release());
        }
        a->region = to.region;
    }
    a->region.index = to.region.index;
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus AravisDevice::writeTriggerLocked(const Settings &from, const Settings &to, Settings *a)
{
    ArvCamera *c = camera_;
    Error e;
    if (from.triggerMode != to.triggerMode) {
        selectFrameStart(c);
        if (to.triggerMode == CAMERA_TRIGGER_CONTINUOUS) {
            arv_camera_set_string(c, "TriggerMode", "Off", e.out());
        } else {
            const char *source =
                to.triggerMode == CAMERA_TRIGGER_SOFTWARE ? "Software" : map_.hardwareTriggerSource.c_str();
            arv_camera_set_string(c, "TriggerSource", source, e.out());
            if (!e) {
                arv_camera_set_string(c, "TriggerMode", "On", e.out());
            }
        }
        if (e) {
            return failureLocked(e.release());
        }
        a->triggerMode = to.triggerMode;
    }
    if (map_.triggerActivation && model_.inputLines > 0 &&
        from.inputs[0].signalType != to.inputs[0].signalType) {
        selectFrameStart(c);
        const char *activation = activationName(to.inputs[0].signalType);
        if (!hasEntry(c, "TriggerActivation", activation)) {
            return CAMERA_STATUS_NOT_SUPPORTED;
        }
        arv_camera_set_string(c, "TriggerActivation", activation, e.out());
        if (e) {
            return failureLocked(e.release());
        }
        a->inputs[0].signalType = to.inputs[0].signalType;
    }
    if (model_.features.triggerDelay && from.triggerDelayUs != to.triggerDelayUs) {
        arv_camera_set_float(c, map_.triggerDelay.c_str(), to.triggerDelayUs, e.out());
        if (e) {
            return failureLocked(e.release());
        }
        a->triggerDelayUs = to.triggerDelayUs;
    }
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus AravisDevice::writeExposureLocked(const Settings &from, const Settings &to, Settings *a)
{
    ArvCamera *c = camera_;
    const CameraModel &m = model_;
    const Features &f = m.features;
    Error e;
    if (f.autoExposure && from.aeState != to.aeState) {
        const ArvAuto mode = to.aeState == 1 ? ARV_AUTO_CONTINUOUS : ARV_AUTO_OFF;
        if (map_.exposureAuto) {
            arv_camera_set_exposure_time_auto(c, mode, e.out());
        }
        if (!e && map_.gainAuto) {
            arv_camera_set_gain_auto(c, mode, e.out());
        }
        if (e) {
            return failureLocked(e.release());
        }
        a->aeState = to.aeState;
    }
    if (f.aeExposureRange &&
        (from.aeExposureMinUs != to.aeExposureMinUs || from.aeExposureMaxUs != to.aeExposureMaxUs)) {
        arv_camera_set_float(c, "AutoExposureTimeLowerLimit", to.aeExposureMinUs, e.out());
        if (!e) {
            arv_camera_set_float(c, "AutoExposureTimeUpperLimit", to.aeExposureMaxUs, e.out());
        }
        if (e) {
            return failureLocked(e.release());
        }
        a->aeExposureMinUs = to.aeExposureMinUs;
        a->aeExposureMaxUs = to.aeExposureMaxUs;
    }
    if (f.aeGainRange && (from.aeGainMin != to.aeGainMin || from.aeGainMax != to.aeGainMax)) {
        arv_camera_set_float(c, "AutoGainLowerLimit", cameraGain(to.aeGainMin, map_.gainInDecibel), e.out());
        if (!e) {
            arv_camera_set_float(c, "AutoGainUpperLimit", cameraGain(to.aeGainMax, map_.gainInDecibel),
                                 e.out());
        }
        if (e) {
            return failureLocked(e.release());
        }
        a->aeGainMin = to.aeGainMin;
        a->aeGainMax = to.aeGainMax;
    }
    // While the camera runs its own exposure control, it owns these two.
    if (a->aeState == 0 && from.exposureUs != to.exposureUs &&
        arv_camera_is_exposure_time_available(c, nullptr)) {
        arv_camera_set_exposure_time(c, to.exposureUs, e.out());
        if (e) {
            return failureLocked(e.release());
        }
        a->exposureUs = std::clamp(arv_camera_get_exposure_time(c, e.out()), double(m.exposureLinesMin),
                                   double(m.exposureLinesMax));
        e.clear();
    }
    if (a->aeState == 0 && f.analogGain && from.analogGain != to.analogGain) {
        arv_camera_set_gain(c, cameraGain(to.analogGain, map_.gainInDecibel), e.out());
        if (e) {
            return failureLocked(e.release());
        }
        a->analogGain = std::clamp(gainX1000(arv_camera_get_gain(c, e.out()), map_.gainInDecibel),
                                   m.analogGainMin, m.analogGainMax);
        e.clear();
    }
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus AravisDevice::writeFrameRateLocked(const Settings &from, const Settings &to, Settings *a)
{
    if (!model_.features.frameSpeed || from.frameSpeed == to.frameSpeed) {
        return CAMERA_STATUS_SUCCESS;
    }
    Error e;
    arv_camera_set_frame_rate(camera_, frameRateFor(to.frameSpeed, model_.maxFrameRate), e.out());
    if (e) {
        return failureLocked(e.release());
    }
    a->frameSpeed = to.frameSpeed;
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus AravisDevice::writeMirrorLocked(const Settings &from, const Settings &to, Settings *a)
{
    if (!model_.features.mirrorOnDevice || (from.mirrorH == to.mirrorH && from.mirrorV == to.mirrorV)) {
        return CAMERA_STATUS_SUCCESS;
    }
    Error e;
    arv_camera_set_boolean(camera_, "ReverseX", to.mirrorH != 0, e.out());
    if (!e) {
        arv_camera_set_boolean(camera_, "ReverseY", to.mirrorV != 0, e.out());
    }
    if (e) {
        return failureLocked(e.release());
    }
    a->mirrorH = to.mirrorH;
    a->mirrorV = to.mirrorV;
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus AravisDevice::writeWhiteBalanceLocked(const Settings &from, const Settings &to, Settings *a)
{
    ArvCamera *c = camera_;
    Error e;
    if (map_.balanceAuto && from.wbMode != to.wbMode) {
        arv_camera_set_string(c, "BalanceWhiteAuto", to.wbMode == 1 ? "Continuous" : "Off", e.out());
        if (e) {
            return failureLocked(e.release());
        }
        a->wbMode = to.wbMode;
    }
    if (!map_.balanceRatio || a->wbMode != 0) {
        return CAMERA_STATUS_SUCCESS;
    }
    const struct
    {
        const char *name;
        int from, to;
        int *applied;
    } channels[] = {{"Red", from.rGain, to.rGain, &a->rGain},
                    {"Green", from.gGain, to.gGain, &a->gGain},
                    {"Blue", from.bGain, to.bGain, &a->bGain}};
    for (const auto &ch : channels) {
        if (ch.from == ch.to) {
            continue;
        }
        arv_camera_set_string(c, "BalanceRatioSelector", ch.name, e.out());
        if (!e) {
            arv_camera_set_float(c, "BalanceRatio", ch.to / 100.0, e.out());
        }
        if (e) {
            return failureLocked(e.release());
        }
        *ch.applied = ch.to;
    }
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus AravisDevice::applySettings(const Settings &wanted)
{
    std::lock_guard<std::mutex> control(control_);
    Settings current;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (closed_) {
            return CAMERA_STATUS_INVALID_HANDLE;
        }
        if (lost_) {
            return CAMERA_STATUS_DEVICE_LOST;
        }
        current = settings_;
    }
    Settings applied;
    const CameraSdkStatus status = writeLocked(current, wanted, &applied);
    std::lock_guard<std::mutex> lock(mutex_);
    if (applied.triggerMode != current.triggerMode) {
        latest_.reset(); // a still of the old mode is not what a trigger asks for
    }
    settings_ = applied;
    return status;
}

CameraSdkStatus AravisDevice::oneShotWhiteBalance()
{
    std::lock_guard<std::mutex> control(control_);
    if (lost()) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    Error e;
    arv_camera_set_string(camera_, "BalanceWhiteAuto", "Once", e.out());
    if (e) {
        return failureLocked(e.release());
    }
    std::lock_guard<std::mutex> lock(mutex_);
    autoUntil_ = Clock::now() + kWhiteBalanceSettling;
    return CAMERA_STATUS_SUCCESS;
}

void AravisDevice::refreshAutoValuesLocked()
{
    Settings s;
    bool whiteBalance = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (lost_ || closed_) {
            return;
        }
        s = settings_;
        whiteBalance = s.wbMode == 1 || Clock::now() < autoUntil_;
    }
    if (s.aeState != 1 && !whiteBalance) {
        return;
    }
    Settings fresh = s;
    readAutoValuesLocked(&fresh, s.aeState == 1, whiteBalance);
    std::lock_guard<std::mutex> lock(mutex_);
    if (s.aeState == 1) {
        settings_.exposureUs = fresh.exposureUs;
        settings_.analogGain = fresh.analogGain;
    }
    if (whiteBalance && map_.balanceRatio) {
        settings_.rGain = fresh.rGain;
        settings_.gGain = fresh.gGain;
        settings_.bGain = fresh.bGain;
    }
}

// --- acquisition ------------------------------------------------------------------

CameraSdkStatus AravisDevice::ensurePoolLocked()
{
    Error e;
    const size_t payload = arv_camera_get_payload(camera_, e.out());
    if (e || payload == 0) {
        return failureLocked(e.release());
    }
    std::shared_ptr<StreamPool> old;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (pool_ && pool_->bufferBytes() >= payload) {
            return CAMERA_STATUS_SUCCESS;
        }
        old = std::move(pool_);
        available_ = 0;
    }
    if (old) {
        uint64_t c = 0, f = 0, u = 0;
        old->retire(); // never under mutex_: the stream thread may be waiting for it
        old->statistics(&c, &f, &u);
        std::lock_guard<std::mutex> lock(mutex_);
        baseCompleted_ += c;
        baseFailures_ += f;
        baseUnderruns_ += u;
    }
    std::shared_ptr<StreamPool> pool = StreamPool::create(
        camera_, payload, kStreamBuffers, [this](StreamPool *from) { frameArrived(from); }, e.out());
    if (!pool) {
        return failureLocked(e.release());
    }
    std::lock_guard<std::mutex> lock(mutex_);
    pool_ = std::move(pool);
    return CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus AravisDevice::startLocked()
{
    if (acquiring_) {
        return CAMERA_STATUS_SUCCESS;
    }
    const CameraSdkStatus status = ensurePoolLocked();
    if (status != CAMERA_STATUS_SUCCESS) {
        return status;
    }
    Error e;
    arv_camera_start_acquisition(camera_, e.out());
    if (e) {
        return failureLocked(e.release());
    }
    acquiring_ = true;
    return CAMERA_STATUS_SUCCESS;
}

void AravisDevice::stopLocked()
{
    if (acquiring_) {
        Error e;
        arv_camera_stop_acquisition(camera_, e.out());
        acquiring_ = false;
    }
    // Frames of the old size or mode are of no use to anybody now.
    std::shared_ptr<StreamPool> pool;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        pool = pool_;
        available_ = 0;
        latest_.reset();
    }
    if (pool) {
        Frame *frame = nullptr;
        while (ArvBuffer *buffer = pool->take(&frame)) {
            pool->giveBack(buffer);
        }
    }
}

CameraSdkStatus AravisDevice::play()
{
    std::lock_guard<std::mutex> control(control_);
    if (lost()) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    if (rawBytesPerPixel(settings().sensorFormat) == 0) {
        return CAMERA_STATUS_NOT_SUPPORTED; // nothing the pipeline could show
    }
    const CameraSdkStatus status = startLocked();
    if (status == CAMERA_STATUS_SUCCESS) {
        std::lock_guard<std::mutex> lock(mutex_);
        playing_ = true;
    }
    return status;
}

CameraSdkStatus AravisDevice::pause()
{
    std::lock_guard<std::mutex> control(control_);
    if (lost()) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        playing_ = false;
    }
    stopLocked();
    return CAMERA_STATUS_SUCCESS;
}

void AravisDevice::frameArrived(StreamPool *from)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (from != pool_.get()) {
        return; // the last words of a stream being retired
    }
    ++available_;
    // Like a ring: a caller that falls behind finds the newest frames, and
    // the stream always has free buffers to fill.
    while (static_cast<size_t>(available_) > kWaitingFrames) {
        Frame *frame = nullptr;
        ArvBuffer *oldest = pool_->take(&frame);
        if (oldest == nullptr) {
            break;
        }
        pool_->giveBack(oldest);
        --available_;
        ++dropped_;
    }
    wake_.notify_all();
}

CameraSdkStatus AravisDevice::takeFrameLocked(std::unique_lock<std::mutex> &lock, Clock::time_point deadline,
                                              const Region *still, std::shared_ptr<const Frame> *out)
{
    for (;;) {
        if (closed_) {
            return CAMERA_STATUS_INVALID_HANDLE;
        }
        if (lost_) {
            return CAMERA_STATUS_DEVICE_LOST;
        }
        if (snapping_ && !still) {
            // A still being taken has the stream to itself.
            if (wake_.wait_until(lock, deadline) == std::cv_status::timeout && snapping_) {
                return CAMERA_STATUS_TIMEOUT;
            }
            continue;
        }
        std::shared_ptr<StreamPool> pool = pool_;
        if (!playing_ && !still) {
            // Paused: what was still on its way is not handed out.
            while (pool && available_ > 0) {
                --available_;
                Frame *frame = nullptr;
                if (ArvBuffer *buffer = pool->take(&frame)) {
                    pool->giveBack(buffer);
                }
            }
            pool.reset();
        }
        while (pool && available_ > 0) {
            --available_;
            Frame *frame = nullptr;
            ArvBuffer *buffer = pool->take(&frame);
            if (buffer == nullptr) {
                available_ = 0;
                break;
            }
            if (arv_buffer_get_status(buffer) != ARV_BUFFER_STATUS_SUCCESS) {
                pool->giveBack(buffer); // counted by the stream as a failure
                continue;
            }
            const int width = arv_buffer_get_image_width(buffer);
            const int height = arv_buffer_get_image_height(buffer);
            const uint32_t format = static_cast<uint32_t>(arv_buffer_get_image_pixel_format(buffer));
            const int bpp = rawBytesPerPixel(format);
            gint paddingX = 0, paddingY = 0;
            arv_buffer_get_image_padding(buffer, &paddingX, &paddingY);
            size_t size = 0;
            const void *data = arv_buffer_get_data(buffer, &size);
            const size_t needed = static_cast<size_t>(std::max(width, 0)) * std::max(height, 0) * bpp;
            const Region &wanted = still != nullptr ? *still : settings_.region;
            if (width != wanted.width || height != wanted.height || format != settings_.sensorFormat) {
                pool->giveBack(buffer); // sent before the region or format changed
                ++dropped_;
                continue;
            }
            if (arv_buffer_get_payload_type(buffer) != ARV_BUFFER_PAYLOAD_TYPE_IMAGE || bpp == 0 ||
                width < 2 || height < 2 || paddingX != 0 || data != frame->data.data() || size < needed) {
                pool->giveBack(buffer);
                ++rejected_;
                if (bpp == 0) {
                    return CAMERA_STATUS_NOT_SUPPORTED;
                }
                continue;
            }
            stImageInfo &info = frame->info;
            info = stImageInfo{};
            info.uiWidth = static_cast<uint32_t>(width);
            info.uiHeight = static_cast<uint32_t>(height);
            info.uiBytes = static_cast<uint32_t>(needed);
            info.uiMediaType = format;
            info.uiFrameId = static_cast<uint32_t>(arv_buffer_get_frame_id(buffer));
            info.uiExposureUs = static_cast<uint32_t>(std::lround(settings_.exposureUs));
            info.uiGain = static_cast<uint32_t>(settings_.analogGain);
            info.uiTimestamp = arv_buffer_get_timestamp(buffer) / 1000u;
            frame->regionX = arv_buffer_get_image_x(buffer);
            frame->regionY = arv_buffer_get_image_y(buffer);
            *out = pool->lend(buffer);
            return CAMERA_STATUS_SUCCESS;
        }
        if (wake_.wait_until(lock, deadline) == std::cv_status::timeout && available_ == 0 && !lost_ &&
            !closed_) {
            return CAMERA_STATUS_TIMEOUT;
        }
    }
}

CameraSdkStatus AravisDevice::fetchFrame(unsigned timeoutMs, std::shared_ptr<const Frame> *frame)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::unique_lock<std::mutex> lock(mutex_);
    const CameraSdkStatus status = takeFrameLocked(lock, deadline, nullptr, frame);
    if (status == CAMERA_STATUS_SUCCESS) {
        latest_ = *frame;
    }
    return status;
}

CameraSdkStatus AravisDevice::snap(const Region &region, unsigned timeoutMs,
                                   std::shared_ptr<const Frame> *out)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (lost_) {
            return CAMERA_STATUS_DEVICE_LOST;
        }
        // The stream already shows this area: its newest frame is the still.
        if (latest_ && playing_ && sameArea(region, settings_.region)) {
            *out = latest_;
            return CAMERA_STATUS_SUCCESS;
        }
    }
    std::lock_guard<std::mutex> control(control_);
    Settings before = settings();
    Settings still = before;
    still.region = region;
    still.triggerMode = CAMERA_TRIGGER_CONTINUOUS;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        snapping_ = true;
    }
    const bool wasAcquiring = acquiring_;
    stopLocked();
    Settings applied;
    CameraSdkStatus status = writeLocked(before, still, &applied);
    if (status == CAMERA_STATUS_SUCCESS) {
        status = startLocked();
    }
    std::shared_ptr<const Frame> frame;
    if (status == CAMERA_STATUS_SUCCESS) {
        std::unique_lock<std::mutex> lock(mutex_);
        status = takeFrameLocked(lock, Clock::now() + std::chrono::milliseconds(timeoutMs), &region, &frame);
    }
    if (frame) {
        // A copy: the stream starts over below and takes its buffers back.
        auto copy = std::make_shared<Frame>();
        copy->info = frame->info;
        copy->regionX = frame->regionX;
        copy->regionY = frame->regionY;
        copy->data.assign(frame->data.begin(), frame->data.begin() + frame->info.uiBytes);
        frame.reset();
        *out = std::move(copy);
    }
    stopLocked();
    Settings restored;
    const CameraSdkStatus back = writeLocked(applied, before, &restored);
    if (wasAcquiring && back == CAMERA_STATUS_SUCCESS) {
        startLocked();
    }
    std::lock_guard<std::mutex> lock(mutex_);
    settings_ = restored;
    snapping_ = false;
    wake_.notify_all();
    return status != CAMERA_STATUS_SUCCESS ? status : back;
}

CameraSdkStatus AravisDevice::softTrigger()
{
    std::lock_guard<std::mutex> control(control_);
    if (lost()) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    if (settings().triggerMode != CAMERA_TRIGGER_SOFTWARE) {
        return CAMERA_STATUS_FAILED;
    }
    Error e;
    arv_camera_software_trigger(camera_, e.out());
    return e ? failureLocked(e.release()) : CAMERA_STATUS_SUCCESS;
}

stFrameStatistic AravisDevice::statistic() const
{
    std::shared_ptr<StreamPool> pool;
    stFrameStatistic s{};
    uint64_t completed = 0, failures = 0, underruns = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        pool = pool_;
        completed = baseCompleted_;
        failures = baseFailures_;
        underruns = baseUnderruns_;
        s.iLost = dropped_ + rejected_;
    }
    if (pool) {
        uint64_t c = 0, f = 0, u = 0;
        pool->statistics(&c, &f, &u);
        completed += c;
        failures += f;
        underruns += u;
    }
    // Incomplete frames and frames that found no free buffer never reach the
    // caller: they count as lost, and in the total the camera sent.
    s.iTotal = static_cast<uint32_t>(completed + failures + underruns);
    s.iCapture = static_cast<uint32_t>(completed);
    s.iLost += static_cast<uint32_t>(failures + underruns);
    return s;
}

// --- parameter groups ---------------------------------------------------------------

CameraSdkStatus AravisDevice::saveGroup(int group)
{
    if (group < 0 || group >= kParameterGroups) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    {
        std::lock_guard<std::mutex> control(control_);
        if (lost()) {
            return CAMERA_STATUS_DEVICE_LOST;
        }
        if (map_.userSets) {
            // The camera keeps its own part, so it also starts up with it.
            const std::string set = "UserSet" + std::to_string(group + 1);
            Error e;
            arv_camera_set_string(camera_, "UserSetSelector", set.c_str(), e.out());
            if (!e) {
                arv_camera_execute_command(camera_, "UserSetSave", e.out());
            }
            if (!e && map_.userSetDefault) {
                arv_camera_set_string(camera_, "UserSetDefault", set.c_str(), e.out());
            }
            if (e) {
                return failureLocked(e.release());
            }
        }
    }
    return persistGroup(group, settings());
}

CameraSdkStatus AravisDevice::loadGroup(int group)
{
    const bool factory = group == CAMERA_PARAMETER_GROUP_DEFAULT;
    if (!factory && (group < 0 || group >= kParameterGroups)) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    Settings host;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (lost_) {
            return CAMERA_STATUS_DEVICE_LOST;
        }
        host = factory ? defaultSettings(model_) : groupSettingsLocked(group);
    }
    const std::string set = factory ? "Default" : "UserSet" + std::to_string(group + 1);
    const bool onCamera = map_.userSets && hasEntry(camera_, "UserSetSelector", set.c_str());
    if (!onCamera) {
        // The library keeps the whole group and writes it to the camera.
        const CameraSdkStatus status = applySettings(host);
        if (status != CAMERA_STATUS_SUCCESS || factory) {
            return status;
        }
        return persistCurrentGroup(group);
    }
    {
        std::lock_guard<std::mutex> control(control_);
        const bool wasAcquiring = acquiring_;
        stopLocked();
        Error e;
        arv_camera_set_string(camera_, "UserSetSelector", set.c_str(), e.out());
        if (!e) {
            arv_camera_execute_command(camera_, "UserSetLoad", e.out());
        }
        const CameraSdkStatus status = e ? failureLocked(e.release()) : CAMERA_STATUS_SUCCESS;
        const Settings fresh = readCameraLocked(host);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            settings_ = validateSettings(model_, fresh).empty() ? fresh : settings_;
        }
        if (wasAcquiring) {
            startLocked();
        }
        if (status != CAMERA_STATUS_SUCCESS || factory) {
            return status;
        }
    }
    return persistCurrentGroup(group);
}

// --- identity and transport ---------------------------------------------------------

std::string AravisDevice::nickname() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return nickname_.empty() ? model_.friendlyName : nickname_;
}

CameraSdkStatus AravisDevice::setNickname(const std::string &name)
{
    std::lock_guard<std::mutex> control(control_);
    if (lost()) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    Error e;
    if (map_.deviceUserId) {
        ArvGcNode *node = arv_device_get_feature(device_, "DeviceUserID");
        if (node != nullptr && ARV_IS_GC_STRING(node)) {
            const gint64 limit = arv_gc_string_get_max_length(ARV_GC_STRING(node), e.out());
            if (!e && limit > 0 && name.size() > static_cast<size_t>(limit)) {
                return CAMERA_STATUS_INVALID_ARGUMENT; // refused rather than cut short
            }
            e.clear();
        }
        arv_camera_set_string(camera_, "DeviceUserID", name.c_str(), e.out());
    } else if (endpoint_.kind == Endpoint::Kind::Gige) {
        // The bootstrap's user-defined name: 16 bytes, NUL included.
        if (name.size() >= gige::kUserNameSize) {
            return CAMERA_STATUS_INVALID_ARGUMENT;
        }
        char field[gige::kUserNameSize] = {};
        std::memcpy(field, name.data(), name.size());
        arv_device_write_memory(device_, gige::kRegisterUserName, gige::kUserNameSize, field, e.out());
    } else {
        return CAMERA_STATUS_NOT_SUPPORTED;
    }
    if (e) {
        return failureLocked(e.release());
    }
    std::lock_guard<std::mutex> lock(mutex_);
    nickname_ = name;
    return CAMERA_STATUS_SUCCESS;
}

uint32_t AravisDevice::packetSize() const
{
    if (endpoint_.kind != Endpoint::Kind::Gige) {
        return 0;
    }
    std::lock_guard<std::mutex> control(control_);
    Error e;
    const guint size = arv_camera_gv_get_packet_size(camera_, e.out());
    return e ? 0 : size;
}

CameraSdkStatus AravisDevice::setPacketSize(uint32_t bytes)
{
    if (endpoint_.kind != Endpoint::Kind::Gige) {
        return CAMERA_STATUS_NOT_SUPPORTED;
    }
    if (bytes < 1500 || bytes > 9000) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    std::lock_guard<std::mutex> control(control_);
    if (lost()) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    const bool wasAcquiring = acquiring_;
    stopLocked();
    Error e;
    arv_camera_gv_set_packet_size(camera_, static_cast<gint>(bytes), e.out());
    const CameraSdkStatus status = e ? failureLocked(e.release()) : CAMERA_STATUS_SUCCESS;
    if (wasAcquiring) {
        startLocked();
    }
    return status;
}

uint32_t AravisDevice::packetDelay() const
{
    if (!model_.features.packetDelay) {
        return 0;
    }
    std::lock_guard<std::mutex> control(control_);
    Error e;
    const gint64 nanoseconds = arv_camera_gv_get_packet_delay(camera_, e.out());
    return e ? 0 : static_cast<uint32_t>(std::clamp<gint64>(nanoseconds / 1000, 0, 1000000));
}

CameraSdkStatus AravisDevice::setPacketDelay(uint32_t microseconds)
{
    if (!model_.features.packetDelay) {
        return CAMERA_STATUS_NOT_SUPPORTED;
    }
    if (microseconds > 1000000) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    std::lock_guard<std::mutex> control(control_);
    if (lost()) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    Error e;
    arv_camera_gv_set_packet_delay(camera_, static_cast<gint64>(microseconds) * 1000, e.out());
    return e ? failureLocked(e.release()) : CAMERA_STATUS_SUCCESS;
}

CameraSdkStatus AravisDevice::setIpConfiguration(bool isStatic, uint32_t ip, uint32_t mask, uint32_t gateway)
{
    if (endpoint_.kind != Endpoint::Kind::Gige) {
        return CAMERA_STATUS_NOT_SUPPORTED;
    }
    std::lock_guard<std::mutex> control(control_);
    if (lost()) {
        return CAMERA_STATUS_DEVICE_LOST;
    }
    ArvGvDevice *gv = ARV_GV_DEVICE(device_);
    Error e;
    if (isStatic) {
        arv_gv_device_set_persistent_ip_from_string(gv, ipv4Text(ip).c_str(), ipv4Text(mask).c_str(),
                                                    ipv4Text(gateway).c_str(), e.out());
    }
    if (!e) {
        arv_gv_device_set_ip_configuration_mode(
            gv, isStatic ? ARV_GV_IP_CONFIGURATION_MODE_PERSISTENT_IP : ARV_GV_IP_CONFIGURATION_MODE_DHCP,
            e.out());
    }
    return e ? failureLocked(e.release()) : CAMERA_STATUS_SUCCESS;
}

uint16_t AravisDevice::firmwareVersion() const
{
    return model_.firmwareVersion;
}

CameraSdkStatus AravisDevice::upgrade(const FirmwareImage &, const std::function<bool(int)> &)
{
    return CAMERA_STATUS_NOT_SUPPORTED; // each maker has its own way, none is standard
}

// --- loss and closing -------------------------------------------------------------

bool AravisDevice::busy() const
{
    return false;
}

void AravisDevice::markLost()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (lost_ || closed_) {
            return;
        }
        lost_ = true;
        wake_.notify_all();
    }
    reportLost();
}

bool AravisDevice::released() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return !farewell_ || farewell_->load();
}

void AravisDevice::markLostFromSignal()
{
    markLost();
}

bool AravisDevice::probe()
{
    if (endpoint_.kind == Endpoint::Kind::Gige) {
        // Its own socket, so a long call on the control channel cannot hide a
        // pulled cable; any answer, even a refusal, means the camera is there.
        uint32_t value = 0;
        return gige::readRegister(endpoint_.address, gige::kRegisterControlPrivilege, &value,
                                  kProbeTimeout) != gige::Reply::None;
    }
    if (endpoint_.kind == Endpoint::Kind::Fake) {
        return true;
    }
    std::unique_lock<std::mutex> control(control_, std::try_to_lock);
    if (!control.owns_lock()) {
        return true; // in use, so it answered recently enough
    }
    guint32 value = 0;
    Error e;
    return arv_device_read_register(device_, 0, &value, e.out()) && !e;
}

void AravisDevice::watch()
{
    int missed = 0;
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait_for(lock, kWatchPeriod, [this] { return closed_; });
            if (closed_) {
                return;
            }
            if (lost_) {
                continue;
            }
        }
        missed = probe() ? 0 : missed + 1;
        if (missed >= kMissedProbesLost) {
            markLost();
            continue;
        }
        std::unique_lock<std::mutex> control(control_, std::try_to_lock);
        if (control.owns_lock()) {
            refreshAutoValuesLocked();
        }
    }
}

void AravisDevice::close()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (closed_) {
            return;
        }
        closed_ = true;
        latest_.reset();
        wake_.notify_all();
    }
    if (watchdog_.joinable()) {
        watchdog_.join();
    }
    if (device_ != nullptr && ARV_IS_GV_DEVICE(device_)) {
        g_signal_handlers_disconnect_by_data(device_, this);
    }
    std::shared_ptr<StreamPool> pool;
    ArvCamera *camera = nullptr;
    ArvDevice *device = nullptr;
    bool acquiring = false;
    {
        std::lock_guard<std::mutex> control(control_);
        std::lock_guard<std::mutex> lock(mutex_);
        pool = std::move(pool_);
        camera = std::exchange(camera_, nullptr);
        device = std::exchange(device_, nullptr);
        acquiring = std::exchange(acquiring_, false);
    }
    const bool gone = lost();
    auto said = std::make_shared<std::atomic<bool>>(false);
    const auto release = [pool, camera, device, acquiring, gone, said] {
        if (acquiring && camera != nullptr && !gone) {
            arv_camera_stop_acquisition(camera, nullptr);
        }
        if (pool) {
            pool->retire();
        }
        if (camera != nullptr) {
            g_object_unref(camera);
        }
        if (device != nullptr) {
            g_object_unref(device); // gives up the control of a GigE camera
        }
        said->store(true);
    };
    if (gone) {
        // Every request to a vanished camera waits out its retries; the caller
        // must not, so the goodbyes are said on a thread of their own. They
        // end quickly once the camera answers again.
        {
            std::lock_guard<std::mutex> lock(mutex_);
            farewell_ = said;
        }
        std::thread(release).detach();
    } else {
        release();
    }
    lock_.reset();
}

} // namespace vexo::aravis
