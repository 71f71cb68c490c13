// Camera sets: the built-in one and the JSON files that replace it.
#include "file_format.h"
#include "parsers.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace vexo::sdk {

using namespace fileformat;

namespace {

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

} // namespace

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

} // namespace vexo::sdk
