#include "parsers.h"

#include <nlohmann/json.hpp>
#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>

namespace vexo::sdk {

using nlohmann::json;

namespace {

constexpr char kParamMagic[8] = {'V', 'X', 'P', 'A', 'R', 'A', 'M', '1'};
constexpr uint32_t kParamFormat = 1;
constexpr size_t kParamHeader = 20;
constexpr char kFwMagic[4] = {'V', 'X', 'F', 'W'};
constexpr uint16_t kFwFormat = 1;
constexpr size_t kFwHeader = 48;
constexpr int kStateFormat = 1;

void fail(std::string *error, const std::string &why)
{
    if (error != nullptr) {
        *error = why;
    }
}

uint32_t crc32Of(const uint8_t *data, size_t size)
{
    return static_cast<uint32_t>(::crc32(0, data, static_cast<uInt>(size)));
}

uint32_t readU32(const uint8_t *p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

uint16_t readU16(const uint8_t *p)
{
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

void putU32(std::vector<uint8_t> &v, uint32_t x)
{
    for (int i = 0; i < 4; ++i) {
        v.push_back(static_cast<uint8_t>(x >> (8 * i)));
    }
}

void putU16(std::vector<uint8_t> &v, uint16_t x)
{
    v.push_back(static_cast<uint8_t>(x));
    v.push_back(static_cast<uint8_t>(x >> 8));
}

bool parseJson(const uint8_t *data, size_t size, json *out, std::string *error)
{
    if (data == nullptr && size != 0) {
        fail(error, "no data");
        return false;
    }
    if (size > kMaxFileBytes) {
        fail(error, "file too large");
        return false;
    }
    const char *begin = reinterpret_cast<const char *>(data);
    json j = json::parse(begin, begin + size, nullptr, false);
    if (j.is_discarded()) {
        fail(error, "not valid JSON");
        return false;
    }
    *out = std::move(j);
    return true;
}

// Typed, range-checked reads of optional keys; the first failure sticks.
class Reader
{
public:
    Reader(const json &object, std::string *error) : object_(object), error_(error)
    {
        if (!object_.is_object()) {
            bad("expected an object");
        }
    }

    bool ok() const { return ok_; }

    void bad(const std::string &why)
    {
        if (ok_) {
            fail(error_, why);
        }
        ok_ = false;
    }

    bool has(const char *key) const { return ok_ && object_.contains(key); }

    template<typename T>
    void integer(const char *key, T &out, long long lo, long long hi)
    {
        if (!has(key)) {
            return;
        }
        const json &v = object_.at(key);
        if (!v.is_number_integer()) {
            bad(std::string(key) + ": not an integer");
            return;
        }
        const long long x = v.is_number_unsigned() ? static_cast<long long>(std::min<unsigned long long>(
                                                         v.get<unsigned long long>(), 1ull << 62))
                                                   : v.get<long long>();
        if (x < lo || x > hi) {
            bad(std::string(key) + ": out of range");
            return;
        }
        out = static_cast<T>(x);
    }

    void number(const char *key, double &out, double lo, double hi)
    {
        if (!has(key)) {
            return;
        }
        const json &v = object_.at(key);
        if (!v.is_number()) {
            bad(std::string(key) + ": not a number");
            return;
        }
        const double x = v.get<double>();
        if (!std::isfinite(x) || x < lo || x > hi) {
            bad(std::string(key) + ": out of range");
            return;
        }
        out = x;
    }

    void boolean(const char *key, bool &out)
    {
        if (!has(key)) {
            return;
        }
        const json &v = object_.at(key);
        if (!v.is_boolean()) {
            bad(std::string(key) + ": not a boolean");
            return;
        }
        out = v.get<bool>();
    }

    // A text that fits a field of fieldSize bytes with its NUL.
    void text(const char *key, std::string &out, size_t fieldSize)
    {
        if (!has(key)) {
            return;
        }
        const json &v = object_.at(key);
        if (!v.is_string()) {
            bad(std::string(key) + ": not a text");
            return;
        }
        const std::string s = v.get<std::string>();
        if (s.size() >= fieldSize || s.find('\0') != std::string::npos) {
            bad(std::string(key) + ": too long");
            return;
        }
        out = s;
    }

    const json *child(const char *key) { return has(key) ? &object_.at(key) : nullptr; }

private:
    const json &object_;
    std::string *error_;
    bool ok_ = true;
};

// --- settings ---------------------------------------------------------------

json settingsJson(const Settings &s)
{
    json j;
    j["aeState"] = s.aeState;
    j["exposureUs"] = s.exposureUs;
    j["analogGain"] = s.analogGain;
    j["aeTarget"] = s.aeTarget;
    j["aeExposureMinUs"] = s.aeExposureMinUs;
    j["aeExposureMaxUs"] = s.aeExposureMaxUs;
    j["aeGainMin"] = s.aeGainMin;
    j["aeGainMax"] = s.aeGainMax;
    j["antiFlick"] = s.antiFlick;
    j["lightFrequency"] = s.lightFrequency;
    j["wbMode"] = s.wbMode;
    j["gains"] = {s.rGain, s.gGain, s.bGain};
    j["saturation"] = s.saturation;
    j["monochrome"] = s.monochrome;
    j["frameSpeed"] = s.frameSpeed;
    j["sharpness"] = s.sharpness;
    j["contrast"] = s.contrast;
    j["mirrorH"] = s.mirrorH;
    j["mirrorV"] = s.mirrorV;
    j["deadPixelCorrection"] = s.deadPixelCorrection;
    j["sensorFormat"] = s.sensorFormat;
    j["lutMode"] = s.lutMode;
    j["gamma"] = s.gamma;
    j["contrastLut"] = s.contrastLut;
    j["lutPreset"] = s.lutPreset;
    json lines = json::array();
    for (const CrossLine &l : s.crossLines) {
        lines.push_back({{"x", l.x}, {"y", l.y}, {"colour", l.colour}, {"visible", l.visible}});
    }
    j["crossLines"] = lines;
    j["triggerMode"] = s.triggerMode;
    j["triggerFrameCount"] = s.triggerFrameCount;
    j["triggerDelayUs"] = s.triggerDelayUs;
    json inputs = json::array();
    for (const InputLine &l : s.inputs) {
        inputs.push_back({{"mode", l.mode}, {"signalType", l.signalType}, {"jitterUs", l.jitterUs}});
    }
    j["inputs"] = inputs;
    json outputs = json::array();
    for (const OutputLine &l : s.outputs) {
        outputs.push_back({{"mode", l.mode},
                           {"strobeMode", l.strobeMode},
                           {"polarity", l.polarity},
                           {"strobeDelayUs", l.strobeDelayUs},
                           {"strobePulseUs", l.strobePulseUs},
                           {"state", l.state},
                           {"pwmPeriodUs", l.pwmPeriodUs},
                           {"pwmHighUs", l.pwmHighUs}});
    }
    j["outputs"] = outputs;
    j["region"] = {{"index", s.region.index},
                   {"x", s.region.x},
                   {"y", s.region.y},
                   {"width", s.region.width},
                   {"height", s.region.height}};
    j["channelMask"] = s.channelMask;
    j["focusPosition"] = s.focusPosition;
    return j;
}

constexpr long long kBig = 100000000; // generous bound; the camera checks its own

bool readSettings(const json &j, Settings *out, std::string *error)
{
    Settings s = *out;
    Reader r(j, error);
    r.integer("aeState", s.aeState, 0, 1);
    r.number("exposureUs", s.exposureUs, 0, 1e9);
    r.integer("analogGain", s.analogGain, 0, kBig);
    r.integer("aeTarget", s.aeTarget, 0, 255);
    r.number("aeExposureMinUs", s.aeExposureMinUs, 0, 1e9);
    r.number("aeExposureMaxUs", s.aeExposureMaxUs, 0, 1e9);
    r.integer("aeGainMin", s.aeGainMin, 0, kBig);
    r.integer("aeGainMax", s.aeGainMax, 0, kBig);
    r.integer("antiFlick", s.antiFlick, 0, 1);
    r.integer("lightFrequency", s.lightFrequency, 1, 2);
    r.integer("wbMode", s.wbMode, 0, 1);
    if (const json *g = r.child("gains")) {
        if (!g->is_array() || g->size() != 3 || !(*g)[0].is_number_integer() ||
            !(*g)[1].is_number_integer() || !(*g)[2].is_number_integer()) {
            r.bad("gains");
        } else {
            const long long rg = (*g)[0].get<long long>(), gg = (*g)[1].get<long long>(),
                            bg = (*g)[2].get<long long>();
            if (rg < 0 || rg > 400 || gg < 0 || gg > 400 || bg < 0 || bg > 400) {
                r.bad("gains: out of range");
            } else {
                s.rGain = static_cast<int>(rg);
                s.gGain = static_cast<int>(gg);
                s.bGain = static_cast<int>(bg);
            }
        }
    }
    r.integer("saturation", s.saturation, 0, 255);
    r.integer("monochrome", s.monochrome, 0, 1);
    r.integer("frameSpeed", s.frameSpeed, 0, 2);
    r.integer("sharpness", s.sharpness, 0, 100);
    r.integer("contrast", s.contrast, 0, 100);
    r.integer("mirrorH", s.mirrorH, 0, 1);
    r.integer("mirrorV", s.mirrorV, 0, 1);
    r.integer("deadPixelCorrection", s.deadPixelCorrection, 0, 1);
    r.integer("sensorFormat", s.sensorFormat, 0, 0xFFFFFFFFll);
    r.integer("lutMode", s.lutMode, 0, 2);
    r.integer("gamma", s.gamma, 0, 1000);
    r.integer("contrastLut", s.contrastLut, 0, 200);
    r.integer("lutPreset", s.lutPreset, 0, kLutPresetCount - 1);
    if (const json *lines = r.child("crossLines")) {
        if (!lines->is_array() || lines->size() != s.crossLines.size()) {
            r.bad("crossLines");
        } else {
            for (size_t i = 0; i < s.crossLines.size() && r.ok(); ++i) {
                Reader l((*lines)[i], error);
                CrossLine &c = s.crossLines[i];
                l.integer("x", c.x, 0, kBig);
                l.integer("y", c.y, 0, kBig);
                l.integer("colour", c.colour, 0, 0xFFFFFF);
                l.integer("visible", c.visible, 0, 1);
                if (!l.ok()) {
                    r.bad("crossLines");
                }
            }
        }
    }
    r.integer("triggerMode", s.triggerMode, 0, 2);
    r.integer("triggerFrameCount", s.triggerFrameCount, 1, 1000);
    r.integer("triggerDelayUs", s.triggerDelayUs, 0, 10000000);
    if (const json *inputs = r.child("inputs")) {
        if (!inputs->is_array() || inputs->size() != s.inputs.size()) {
            r.bad("inputs");
        } else {
            for (size_t i = 0; i < s.inputs.size() && r.ok(); ++i) {
                Reader l((*inputs)[i], error);
                InputLine &c = s.inputs[i];
                l.integer("mode", c.mode, 0, 1);
                l.integer("signalType", c.signalType, 0, 3);
                l.integer("jitterUs", c.jitterUs, 0, 1000000);
                if (!l.ok()) {
                    r.bad("inputs");
                }
            }
        }
    }
    if (const json *outputs = r.child("outputs")) {
        if (!outputs->is_array() || outputs->size() != s.outputs.size()) {
            r.bad("outputs");
        } else {
            for (size_t i = 0; i < s.outputs.size() && r.ok(); ++i) {
                Reader l((*outputs)[i], error);
                OutputLine &c = s.outputs[i];
                l.integer("mode", c.mode, 0, 2);
                l.integer("strobeMode", c.strobeMode, 0, 1);
                l.integer("polarity", c.polarity, 0, 1);
                l.integer("strobeDelayUs", c.strobeDelayUs, 0, 10000000);
                l.integer("strobePulseUs", c.strobePulseUs, 0, 10000000);
                l.integer("state", c.state, 0, 1);
                l.integer("pwmPeriodUs", c.pwmPeriodUs, 1, 10000000);
                l.integer("pwmHighUs", c.pwmHighUs, 0, 10000000);
                if (!l.ok()) {
                    r.bad("outputs");
                }
            }
        }
    }
    if (const json *region = r.child("region")) {
        Reader l(*region, error);
        l.integer("index", s.region.index, 0, 255);
        l.integer("x", s.region.x, 0, kBig);
        l.integer("y", s.region.y, 0, kBig);
        l.integer("width", s.region.width, 0, kBig);
        l.integer("height", s.region.height, 0, kBig);
        if (!l.ok()) {
            r.bad("region");
        }
    }
    r.integer("channelMask", s.channelMask, 0, 255);
    r.integer("focusPosition", s.focusPosition, -kBig, kBig);
    if (!r.ok()) {
        return false;
    }
    *out = s;
    return true;
}

// --- camera sets --------------------------------------------------------------

CameraModel builtInModel(const char *serial, const char *series, const char *name, const char *nick,
                         const char *sensor, const char *port, int w, int h, bool color, double fps)
{
    CameraModel m;
    m.serial = serial;
    m.productSeries = series;
    m.productName = name;
    m.friendlyName = nick;
    m.sensorType = sensor;
    m.portType = port;
    m.sensorWidth = w;
    m.sensorHeight = h;
    m.color = color;
    m.maxFrameRate = fps;
    m.lineTimeUs = 1e6 / fps / (h + 40);                       // readout of one line at full rate
    m.exposureLinesMax = static_cast<int>(1e6 / m.lineTimeUs); // about one second
    m.exposureLinesMin = std::max(1, static_cast<int>(std::ceil(20.0 / m.lineTimeUs)));
    m.linkName = std::string("vexo-sim/") + serial;
    return m;
}

bool readModel(const json &j, CameraModel *out, std::string *error)
{
    CameraModel m;
    Reader r(j, error);
    if (!r.has("serial")) {
        r.bad("camera without serial");
    }
    r.text("serial", m.serial, sizeof(stDeviceInfo::acSn));
    r.text("productSeries", m.productSeries, sizeof(stDeviceInfo::acProductSeries));
    r.text("productName", m.productName, sizeof(stDeviceInfo::acProductName));
    r.text("friendlyName", m.friendlyName, sizeof(stDeviceInfo::acFriendlyName));
    r.text("sensorType", m.sensorType, sizeof(stDeviceInfo::acSensorType));
    r.text("portType", m.portType, sizeof(stDeviceInfo::acPortType));
    r.text("linkName", m.linkName, sizeof(stDeviceInfo::acLinkName));
    r.text("deviceVersion", m.deviceVersion, sizeof(stDeviceInfo::acDeviceVersion));
    if (r.has("firmwareVersion")) {
        std::string v;
        r.text("firmwareVersion", v, 16);
        if (r.ok() && !parseFirmwareVersion(v, &m.firmwareVersion)) {
            r.bad("firmwareVersion");
        }
    }
    r.integer("width", m.sensorWidth, 16, 8192);
    r.integer("height", m.sensorHeight, 16, 8192);
    r.boolean("color", m.color);
    r.number("maxFrameRate", m.maxFrameRate, 0.1, 1000.0);
    r.integer("inputLines", m.inputLines, 0, kMaxIoLines);
    r.integer("outputLines", m.outputLines, 0, kMaxIoLines);
    r.boolean("lut", m.lutSupported);
    r.integer("channels", m.channels, 1, kMaxChannels);
    if (const json *focus = r.child("focus")) {
        if (focus->is_boolean()) {
            m.focusSupported = focus->get<bool>();
        } else {
            Reader f(*focus, error);
            f.integer("min", m.focusMin, -100000, 100000);
            f.integer("max", m.focusMax, -100000, 100000);
            f.integer("default", m.focusDefault, -100000, 100000);
            if (!f.ok() || m.focusMin > m.focusMax || m.focusDefault < m.focusMin ||
                m.focusDefault > m.focusMax) {
                r.bad("focus");
            }
            m.focusSupported = true;
        }
    }
    r.integer("analogGainMin", m.analogGainMin, 100, 1000000);
    r.integer("analogGainMax", m.analogGainMax, 100, 1000000);
    r.integer("deviceType", m.deviceType, 0, 0xFFFFFFFFll);
    r.boolean("infoFails", m.infoFails);
    r.number("triggerPulseHz", m.triggerPulseHz, 0.0, 1000.0);
    if (r.ok() && m.analogGainMin > m.analogGainMax) {
        r.bad("analogGainMin > analogGainMax");
    }
    if (r.ok() && m.serial.empty()) {
        r.bad("empty serial");
    }
    if (r.ok() && static_cast<long long>(m.sensorWidth) * m.sensorHeight > 40000000ll) {
        r.bad("sensor too large");
    }
    if (!r.ok()) {
        return false;
    }
    const CameraModel defaults = builtInModel(m.serial.c_str(), "", "", "", "", "", m.sensorWidth,
                                              m.sensorHeight, m.color, m.maxFrameRate);
    m.lineTimeUs = defaults.lineTimeUs;
    m.exposureLinesMin = defaults.exposureLinesMin;
    m.exposureLinesMax = defaults.exposureLinesMax;
    if (m.linkName.empty()) {
        m.linkName = defaults.linkName;
    }
    if (m.productName.empty()) {
        m.productName = "VX-SIM";
    }
    if (m.friendlyName.empty()) {
        m.friendlyName = m.productName;
    }
    if (m.portType.empty()) {
        m.portType = "USB3.0";
    }
    if (const json *defects = r.child("defects")) {
        if (!defects->is_array() || defects->size() > 1000) {
            r.bad("defects");
        } else {
            for (const json &d : *defects) {
                if (!d.is_array() || d.size() != 2 || !d[0].is_number_integer() ||
                    !d[1].is_number_integer()) {
                    r.bad("defects");
                    break;
                }
                const long long x = d[0].get<long long>(), y = d[1].get<long long>();
                if (x < 0 || y < 0 || x >= m.sensorWidth || y >= m.sensorHeight) {
                    r.bad("defect outside the sensor");
                    break;
                }
                m.defects.push_back({static_cast<int>(x), static_cast<int>(y)});
            }
        }
    } else {
        // a few hot pixels spread over the sensor
        for (int i = 1; i <= 6; ++i) {
            m.defects.push_back({(m.sensorWidth * i / 7) | 1, (m.sensorHeight * (7 - i) / 7) & ~1});
        }
    }
    if (!r.ok()) {
        return false;
    }
    *out = std::move(m);
    return true;
}

bool validUtf8(const std::string &s)
{
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        size_t extra = 0;
        uint32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= s.size()) {
            return false;
        }
        for (size_t k = 1; k <= extra; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) {
                return false;
            }
            cp = cp << 6 | (d & 0x3F);
        }
        static const uint32_t minimum[4] = {0, 0x80, 0x800, 0x10000};
        if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return false;
        }
        i += extra + 1;
    }
    return true;
}

std::string toHex(const std::string &s)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : s) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

bool fromHex(const std::string &hex, std::string *out)
{
    if (hex.size() % 2 != 0) {
        return false;
    }
    std::string bytes;
    for (size_t i = 0; i < hex.size(); i += 2) {
        int v = 0;
        for (size_t k = 0; k < 2; ++k) {
            const char c = hex[i + k];
            const int d = (c >= '0' && c <= '9') ? c - '0' : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
            if (d < 0) {
                return false;
            }
            v = v * 16 + d;
        }
        bytes += static_cast<char>(v);
    }
    *out = std::move(bytes);
    return true;
}

bool validQuadOrEmpty(const std::string &s)
{
    uint32_t ignored = 0;
    return s.empty() || parseIpv4(s.c_str(), s.size() + 1, &ignored);
}

} // namespace

// --- public -----------------------------------------------------------------------

CameraSet builtInCameraSet()
{
    CameraSet set;
    CameraModel a = builtInModel("VXG2M-21A0457", "Vexo G", "VXG-200C", "Line camera A", "CMOS 1/2.9\"",
                                 "GigE", 1920, 1080, true, 60.0);
    a.inputLines = 2;
    a.outputLines = 2;
    a.firmwareVersion = 0x1203;
    a.deviceVersion = "2.3.1.0";
    a.deviceType = 0x3a2c;
    CameraModel b = builtInModel("VXG1M-19B0932", "Vexo G", "VXG-130M", "Line camera B", "CMOS 1/2\"", "GigE",
                                 1280, 1024, false, 90.0);
    b.inputLines = 2;
    b.outputLines = 2;
    b.firmwareVersion = 0x1104;
    b.deviceVersion = "2.3.1.0";
    b.deviceType = 0x3a1b;
    CameraModel c = builtInModel("VXU5M-22C1180", "Vexo U3", "VXU-500C", "Inspection zoom", "CMOS 1/2.5\"",
                                 "USB3.0", 2592, 1944, true, 30.0);
    c.channels = 4;
    c.focusSupported = true;
    c.focusMin = 0;
    c.focusMax = 1000;
    c.focusDefault = 420;
    c.firmwareVersion = 0x2010;
    c.deviceVersion = "3.0.4.2";
    c.deviceType = 0x5c01;
    CameraModel d = builtInModel("VXU03-18D0021", "Vexo U2", "VXU-030C", "Desk camera", "CMOS 1/4\"",
                                 "USB2.0", 640, 480, true, 30.0);
    d.firmwareVersion = 0x1001;
    d.deviceVersion = "1.8.0.0";
    d.deviceType = 0x2001;
    for (CameraModel *m : {&a, &b, &c, &d}) {
        for (int i = 1; i <= 6; ++i) {
            m->defects.push_back({(m->sensorWidth * i / 7) | 1, (m->sensorHeight * (7 - i) / 7) & ~1});
        }
        set.cameras.push_back(*m);
    }
    return set;
}

bool parseCameraSet(const uint8_t *data, size_t size, CameraSet *out, std::string *error)
{
    json j;
    if (!parseJson(data, size, &j, error)) {
        return false;
    }
    CameraSet set;
    Reader r(j, error);
    r.boolean("enumerationFails", set.enumerationFails);
    const json *cameras = r.child("cameras");
    if (r.ok() && (cameras == nullptr || !cameras->is_array())) {
        r.bad("cameras: expected an array");
    }
    if (!r.ok()) {
        return false;
    }
    if (cameras->size() > 64) {
        fail(error, "more than 64 cameras");
        return false;
    }
    std::set<std::string> serials;
    for (const json &c : *cameras) {
        CameraModel m;
        if (!readModel(c, &m, error)) {
            return false;
        }
        if (!serials.insert(m.serial).second) {
            fail(error, "duplicate serial " + m.serial);
            return false;
        }
        set.cameras.push_back(std::move(m));
    }
    *out = std::move(set);
    return true;
}

bool settingsFromJson(const std::string &text, Settings *out, std::string *error)
{
    json j;
    if (!parseJson(reinterpret_cast<const uint8_t *>(text.data()), text.size(), &j, error)) {
        return false;
    }
    return readSettings(j, out, error);
}

std::string settingsToJson(const Settings &settings)
{
    return settingsJson(settings).dump();
}

bool parseState(const uint8_t *data, size_t size, const CameraModel &model, PersistentState *out,
                std::string *error)
{
    json j;
    if (!parseJson(data, size, &j, error)) {
        return false;
    }
    PersistentState s;
    Reader r(j, error);
    int format = 0;
    r.integer("format", format, 0, 1000);
    if (r.ok() && format != kStateFormat) {
        r.bad("unknown state format");
    }
    r.text("nickname", s.nickname, sizeof(stDeviceInfo::acFriendlyName));
    if (r.has("nicknameHex")) {
        // A nickname that is not UTF-8 (another 8-bit encoding), byte for byte.
        std::string hex;
        r.text("nicknameHex", hex, 2 * sizeof(stDeviceInfo::acFriendlyName) - 1);
        if (r.ok() && (!fromHex(hex, &s.nickname) || s.nickname.find('\0') != std::string::npos)) {
            r.bad("nicknameHex");
        }
    }
    if (const json *ip = r.child("ip")) {
        Reader i(*ip, error);
        i.integer("mode", s.ipMode, 0, 1);
        i.text("ip", s.ip, 16);
        i.text("mask", s.mask, 16);
        i.text("gateway", s.gateway, 16);
        if (!i.ok() || !validQuadOrEmpty(s.ip) || !validQuadOrEmpty(s.mask) || !validQuadOrEmpty(s.gateway)) {
            r.bad("ip");
        }
        s.ipSet = !s.ip.empty();
    }
    r.integer("packetSize", s.packetSize, 1500, 9000);
    r.integer("packetDelayUs", s.packetDelayUs, 0, 1000000);
    r.integer("firmwareVersion", s.firmwareVersion, 0, 0xFFFF);
    r.integer("currentGroup", s.currentGroup, 0, kParameterGroups - 1);
    r.integer("parameterMode", s.parameterMode, 0, 2);
    if (const json *groups = r.child("groups")) {
        if (!groups->is_array() || groups->size() != kParameterGroups) {
            r.bad("groups");
        } else {
            for (int g = 0; g < kParameterGroups && r.ok(); ++g) {
                const json &item = (*groups)[g];
                if (item.is_null()) {
                    continue;
                }
                Settings settings = defaultSettings(model);
                if (!readSettings(item, &settings, error)) {
                    r.bad("groups");
                    break;
                }
                const std::string why = validateSettings(model, settings);
                if (!why.empty()) {
                    r.bad("group setting " + why);
                    break;
                }
                s.groups[g] = settings;
                s.groupSaved[g] = true;
            }
        }
    }
    if (!r.ok()) {
        return false;
    }
    *out = std::move(s);
    return true;
}

std::string writeState(const PersistentState &s)
{
    json j;
    j["format"] = kStateFormat;
    if (validUtf8(s.nickname)) {
        j["nickname"] = s.nickname;
    } else {
        j["nicknameHex"] = toHex(s.nickname);
    }
    if (s.ipSet) {
        j["ip"] = {{"mode", s.ipMode}, {"ip", s.ip}, {"mask", s.mask}, {"gateway", s.gateway}};
    }
    j["packetSize"] = s.packetSize;
    j["packetDelayUs"] = s.packetDelayUs;
    j["firmwareVersion"] = s.firmwareVersion;
    j["currentGroup"] = s.currentGroup;
    j["parameterMode"] = s.parameterMode;
    json groups = json::array();
    for (int g = 0; g < kParameterGroups; ++g) {
        groups.push_back(s.groupSaved[g] ? settingsJson(s.groups[g]) : json());
    }
    j["groups"] = groups;
    // Names may be in any 8-bit encoding: keep invalid UTF-8 rather than throw.
    return j.dump(1, ' ', false, json::error_handler_t::replace);
}

bool parseParameterFile(const uint8_t *data, size_t size, ParameterFile *out, std::string *error)
{
    if (data == nullptr || size < kParamHeader) {
        fail(error, "truncated header");
        return false;
    }
    if (std::memcmp(data, kParamMagic, sizeof kParamMagic) != 0) {
        fail(error, "not a parameter file");
        return false;
    }
    if (readU32(data + 8) != kParamFormat) {
        fail(error, "unsupported parameter file version");
        return false;
    }
    const uint32_t length = readU32(data + 12);
    if (length != size - kParamHeader) {
        fail(error, "truncated or padded body");
        return false;
    }
    const uint8_t *body = data + kParamHeader;
    if (crc32Of(body, length) != readU32(data + 16)) {
        fail(error, "checksum mismatch");
        return false;
    }
    json j;
    if (!parseJson(body, length, &j, error)) {
        return false;
    }
    ParameterFile f;
    Reader r(j, error);
    if (!r.has("product") || !r.has("settings")) {
        r.bad("missing product or settings");
    }
    r.text("product", f.productName, sizeof(stDeviceInfo::acProductName));
    r.text("serial", f.serial, sizeof(stDeviceInfo::acSn));
    if (!r.ok()) {
        return false;
    }
    // Every key must be present: a file does not inherit anything.
    const json &settings = j.at("settings");
    const json reference = settingsJson(Settings{});
    if (!settings.is_object()) {
        fail(error, "settings: expected an object");
        return false;
    }
    for (auto it = reference.begin(); it != reference.end(); ++it) {
        if (!settings.contains(it.key())) {
            fail(error, "settings: missing " + it.key());
            return false;
        }
    }
    if (!readSettings(settings, &f.settings, error)) {
        return false;
    }
    *out = std::move(f);
    return true;
}

std::vector<uint8_t> writeParameterFile(const ParameterFile &file)
{
    json j;
    j["product"] = file.productName;
    j["serial"] = file.serial;
    j["settings"] = settingsJson(file.settings);
    const std::string body = j.dump(1, ' ', false, json::error_handler_t::replace);
    std::vector<uint8_t> out(kParamMagic, kParamMagic + sizeof kParamMagic);
    putU32(out, kParamFormat);
    putU32(out, static_cast<uint32_t>(body.size()));
    putU32(out, crc32Of(reinterpret_cast<const uint8_t *>(body.data()), body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

bool parseFirmwareImage(const uint8_t *data, size_t size, FirmwareImage *out, std::string *error,
                        bool *badChecksum)
{
    if (badChecksum != nullptr) {
        *badChecksum = false;
    }
    if (data == nullptr || size < kFwHeader) {
        fail(error, "truncated header");
        return false;
    }
    if (std::memcmp(data, kFwMagic, sizeof kFwMagic) != 0) {
        fail(error, "not a firmware image");
        return false;
    }
    if (readU16(data + 4) != kFwFormat) {
        fail(error, "unsupported image format");
        return false;
    }
    const char *name = reinterpret_cast<const char *>(data + 8);
    const size_t nameLength = strnlen(name, 32);
    if (nameLength == 0 || nameLength == 32) {
        fail(error, "bad product name");
        return false;
    }
    const uint32_t length = readU32(data + 40);
    if (length != size - kFwHeader) {
        fail(error, "truncated or padded payload");
        return false;
    }
    uint32_t crc = static_cast<uint32_t>(::crc32(0, data, 44));
    crc = static_cast<uint32_t>(::crc32(crc, data + kFwHeader, static_cast<uInt>(length)));
    if (crc != readU32(data + 44)) {
        if (badChecksum != nullptr) {
            *badChecksum = true;
        }
        fail(error, "checksum mismatch");
        return false;
    }
    FirmwareImage image;
    image.productName.assign(name, nameLength);
    image.version = readU16(data + 6);
    image.payload.assign(data + kFwHeader, data + size);
    *out = std::move(image);
    return true;
}

std::vector<uint8_t> writeFirmwareImage(const FirmwareImage &image)
{
    std::vector<uint8_t> out(kFwMagic, kFwMagic + sizeof kFwMagic);
    putU16(out, kFwFormat);
    putU16(out, image.version);
    char name[32] = {};
    std::memcpy(name, image.productName.data(), std::min<size_t>(31, image.productName.size()));
    out.insert(out.end(), name, name + 32);
    putU32(out, static_cast<uint32_t>(image.payload.size()));
    uint32_t crc = static_cast<uint32_t>(::crc32(0, out.data(), 44));
    if (!image.payload.empty()) {
        // (zlib restarts the CRC when handed a null buffer, as an empty vector's may be)
        crc = static_cast<uint32_t>(
            ::crc32(crc, image.payload.data(), static_cast<uInt>(image.payload.size())));
    }
    putU32(out, crc);
    out.insert(out.end(), image.payload.begin(), image.payload.end());
    return out;
}

bool parseFirmwareVersion(const std::string &text, uint16_t *out)
{
    int parts[4];
    size_t pos = 0;
    for (int i = 0; i < 4; ++i) {
        if (pos >= text.size() || text[pos] < '0' || text[pos] > '9') {
            return false;
        }
        int v = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            v = v * 10 + (text[pos] - '0');
            if (v > 15) {
                return false;
            }
            ++pos;
        }
        parts[i] = v;
        if (i < 3) {
            if (pos >= text.size() || text[pos] != '.') {
                return false;
            }
            ++pos;
        }
    }
    if (pos != text.size()) {
        return false;
    }
    *out = static_cast<uint16_t>(parts[0] << 12 | parts[1] << 8 | parts[2] << 4 | parts[3]);
    return true;
}

std::string firmwareVersionText(uint16_t v)
{
    return "v" + std::to_string(v >> 12) + "." + std::to_string((v >> 8) & 15) + "." +
           std::to_string((v >> 4) & 15) + "." + std::to_string(v & 15);
}

bool parseIpv4(const char *text, size_t fieldSize, uint32_t *out)
{
    if (text == nullptr) {
        return false;
    }
    const size_t n = strnlen(text, fieldSize);
    if (n == fieldSize) {
        return false; // not terminated inside its field
    }
    uint32_t value = 0;
    size_t pos = 0;
    for (int part = 0; part < 4; ++part) {
        size_t digits = 0;
        int v = 0;
        while (pos < n && text[pos] >= '0' && text[pos] <= '9') {
            v = v * 10 + (text[pos] - '0');
            ++digits;
            ++pos;
            if (digits > 3) {
                return false;
            }
        }
        if (digits == 0 || v > 255) {
            return false;
        }
        value = value << 8 | static_cast<uint32_t>(v);
        if (part < 3) {
            if (pos >= n || text[pos] != '.') {
                return false;
            }
            ++pos;
        }
    }
    if (pos != n) {
        return false;
    }
    *out = value;
    return true;
}

} // namespace vexo::sdk
