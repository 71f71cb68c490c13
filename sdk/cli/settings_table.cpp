#include "settings_table.h"

#include "cli.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <type_traits>

namespace vexocli {

namespace {

// A double that the C parameter type T holds exactly, or false.
template<typename T>
bool fits(double value, T *out)
{
    if constexpr (std::is_floating_point_v<T>) {
        *out = static_cast<T>(value);
        return true;
    } else {
        if (value != std::floor(value) || value < static_cast<double>(std::numeric_limits<T>::min()) ||
            value > static_cast<double>(std::numeric_limits<T>::max()))
            return false;
        *out = static_cast<T>(value);
        return true;
    }
}

#define CALL(function) #function, function

// A setting read by get(handle, leading..., G*) and written by set(handle, leading..., S).
template<typename G, typename S>
Setting one(const char *name, Kind kind, const char *description, const char *getter,
            CameraSdkStatus (*get)(CameraHandle, G *), const char *setter,
            CameraSdkStatus (*set)(CameraHandle, S))
{
    Setting s{name, kind, 1, description, getter, setter, {}, {}};
    s.get = [get](CameraHandle h, double *values) {
        G value{};
        const CameraSdkStatus status = get(h, &value);
        values[0] = static_cast<double>(value);
        return status;
    };
    s.set = [set](CameraHandle h, const double *values) {
        S value{};
        return fits(values[0], &value) ? set(h, value) : CAMERA_STATUS_INVALID_ARGUMENT;
    };
    return s;
}

template<typename G, typename S>
Setting indexed(const char *name, Kind kind, const char *description, int index, const char *getter,
                CameraSdkStatus (*get)(CameraHandle, int, G *), const char *setter,
                CameraSdkStatus (*set)(CameraHandle, int, S))
{
    Setting s{name, kind, 1, description, getter, setter, {}, {}};
    s.get = [get, index](CameraHandle h, double *values) {
        G value{};
        const CameraSdkStatus status = get(h, index, &value);
        values[0] = static_cast<double>(value);
        return status;
    };
    s.set = [set, index](CameraHandle h, const double *values) {
        S value{};
        return fits(values[0], &value) ? set(h, index, value) : CAMERA_STATUS_INVALID_ARGUMENT;
    };
    return s;
}

template<typename T>
Setting pair(const char *name, Kind kind, const char *description, const char *getter,
             CameraSdkStatus (*get)(CameraHandle, T *, T *), const char *setter,
             CameraSdkStatus (*set)(CameraHandle, T, T))
{
    Setting s{name, kind, 2, description, getter, setter, {}, {}};
    s.get = [get](CameraHandle h, double *values) {
        T a{}, b{};
        const CameraSdkStatus status = get(h, &a, &b);
        values[0] = static_cast<double>(a);
        values[1] = static_cast<double>(b);
        return status;
    };
    s.set = [set](CameraHandle h, const double *values) {
        T a{}, b{};
        return fits(values[0], &a) && fits(values[1], &b) ? set(h, a, b) : CAMERA_STATUS_INVALID_ARGUMENT;
    };
    return s;
}

Setting rgbGain()
{
    Setting s{"rgb_gain",      Kind::Int,       3,  "white balance gains x100 (red, green, blue), 0..400",
              "CameraGetGain", "CameraSetGain", {}, {}};
    s.get = [](CameraHandle h, double *values) {
        int r = 0, g = 0, b = 0;
        const CameraSdkStatus status = CameraGetGain(h, &r, &g, &b);
        values[0] = r;
        values[1] = g;
        values[2] = b;
        return status;
    };
    s.set = [](CameraHandle h, const double *values) {
        int r = 0, g = 0, b = 0;
        return fits(values[0], &r) && fits(values[1], &g) && fits(values[2], &b)
                   ? CameraSetGain(h, r, g, b)
                   : CAMERA_STATUS_INVALID_ARGUMENT;
    };
    return s;
}

Setting resolution()
{
    Setting s{"resolution",
              Kind::Int,
              1,
              "preset resolution index (info lists them), 255 = custom region",
              "CameraGetResolution",
              "CameraSetResolution",
              {},
              {}};
    s.get = [](CameraHandle h, double *values) {
        stImageResolution r{};
        const CameraSdkStatus status = CameraGetResolution(h, &r);
        values[0] = r.iIndex;
        return status;
    };
    s.set = [](CameraHandle h, const double *values) {
        int index = 0;
        return fits(values[0], &index) ? CameraSetResolution(h, index) : CAMERA_STATUS_INVALID_ARGUMENT;
    };
    return s;
}

Setting regionOfInterest()
{
    Setting s{"roi",
              Kind::Int,
              4,
              "region of interest on the sensor (x, y, width, height)",
              "CameraGetResolution",
              "CameraSetResolutionEx",
              {},
              {}};
    s.get = [](CameraHandle h, double *values) {
        stImageResolution r{};
        const CameraSdkStatus status = CameraGetResolution(h, &r);
        values[0] = r.iHOffsetFOV;
        values[1] = r.iVOffsetFOV;
        values[2] = r.iWidthFOV;
        values[3] = r.iHeightFOV;
        return status;
    };
    s.set = [](CameraHandle h, const double *values) {
        stImageResolution r{};
        r.iIndex = CAMERA_RESOLUTION_CUSTOM;
        if (!fits(values[0], &r.iHOffsetFOV) || !fits(values[1], &r.iVOffsetFOV) ||
            !fits(values[2], &r.iWidthFOV) || !fits(values[3], &r.iHeightFOV))
            return CAMERA_STATUS_INVALID_ARGUMENT;
        r.iWidth = r.iWidthFOV; // no binning or skipping: the output is the region
        r.iHeight = r.iHeightFOV;
        return CameraSetResolutionEx(h, &r);
    };
    return s;
}

std::vector<Setting> makeSettings()
{
    using K = Kind;
    return {
        one("auto_exposure", K::Bool, "automatic exposure", CALL(CameraGetAeState), CALL(CameraSetAeState)),
        one("exposure_time", K::Float, "exposure time, microseconds", CALL(CameraGetExposureTime),
            CALL(CameraSetExposureTime)),
        one("analog_gain", K::Int, "analog gain x1000", CALL(CameraGetAnalogGain), CALL(CameraSetAnalogGain)),
        one("ae_target", K::Int, "automatic exposure brightness target", CALL(CameraGetAeTarget),
            CALL(CameraSetAeTarget)),
        pair("ae_exposure_range", K::Float, "automatic exposure limits, microseconds (min, max)",
             CALL(CameraGetAeExposureRange), CALL(CameraSetAeExposureRange)),
        pair("ae_gain_range", K::Int, "automatic exposure gain limits x1000 (min, max)",
             CALL(CameraGetAeAnalogGainRange), CALL(CameraSetAeAnalogGainRange)),
        one("anti_flicker", K::Bool, "anti-flicker", CALL(CameraGetAntiFlick), CALL(CameraSetAntiFlick)),
        one("light_frequency", K::Int, "mains frequency: 1 = 50 Hz, 2 = 60 Hz", CALL(CameraGetLightFrequency),
            CALL(CameraSetLightFrequency)),
        one("auto_white_balance", K::Bool, "automatic white balance", CALL(CameraGetWbMode),
            CALL(CameraSetWbMode)),
        rgbGain(),
        one("saturation", K::Int, "saturation 0..255", CALL(CameraGetSaturation), CALL(CameraSetSaturation)),
        one("monochrome", K::Bool, "monochrome output", CALL(CameraGetMonochrome), CALL(CameraSetMonochrome)),
        one("frame_speed", K::Int, "frame speed: 0 low, 1 medium, 2 high", CALL(CameraGetFrameSpeed),
            CALL(CameraSetFrameSpeed)),
        one("sharpness", K::Int, "sharpness 0..100", CALL(CameraGetSharpness), CALL(CameraSetSharpness)),
        one("contrast", K::Int, "contrast 0..100", CALL(CameraGetContrast), CALL(CameraSetContrast)),
        indexed("mirror_horizontal", K::Bool, "horizontal mirror", 0, CALL(CameraGetMirror),
                CALL(CameraSetMirror)),
        indexed("mirror_vertical", K::Bool, "vertical flip", 1, CALL(CameraGetMirror), CALL(CameraSetMirror)),
        one("dead_pixel_correction", K::Bool, "dead pixel correction", CALL(CameraGetCorrectDeadPixel),
            CALL(CameraSetCorrectDeadPixel)),
        one("sensor_pixel_format", K::Hex, "sensor output format (PFNC code)",
            CALL(CameraGetSensorOutPixelFormat), CALL(CameraSetSensorOutPixelFormat)),
        one("isp_output_format", K::Hex,
            "converted image format (PFNC code: 0x02180014 RGB8, 0x01080001 Mono8)",
            CALL(CameraGetIspOutFormat), CALL(CameraSetIspOutFormat)),
        one("lut_mode", K::Int, "LUT: 0 gamma and contrast, 1 preset", CALL(CameraGetLutMode),
            CALL(CameraSetLutMode)),
        one("gamma", K::Int, "gamma x100, 0..1000", CALL(CameraGetGamma), CALL(CameraSetGamma)),
        one("lut_contrast", K::Int, "LUT contrast x100, 0..200", CALL(CameraGetContrastLut),
            CALL(CameraSetContrastLut)),
        one("lut_preset", K::Int, "LUT preset index", CALL(CameraGetLutPresetSel),
            CALL(CameraSelectLutPreset)),
        resolution(),
        regionOfInterest(),
        one("trigger_mode", K::Int, "0 continuous, 1 software, 2 hardware", CALL(CameraGetTriggerMode),
            CALL(CameraSetTriggerMode)),
        one("trigger_frame_count", K::Int, "frames per trigger", CALL(CameraGetTriggerFrameCount),
            CALL(CameraSetTriggerFrameCount)),
        one("trigger_delay", K::Int, "trigger delay, microseconds", CALL(CameraGetTriggerDelayTime),
            CALL(CameraSetTriggerDelayTime)),
        one("packet_size", K::Int, "GigE packet size, bytes", CALL(CameraGigeGetTransPacketSize),
            CALL(CameraGigeSetTransPacketSize)),
        one("packet_delay", K::Int, "GigE packet delay, microseconds", CALL(CameraGigeGetPacketDelayTime),
            CALL(CameraGigeSetPacketDelayTime)),
        indexed("focus_position", K::Int, "focus motor position", CAMERA_INT_FOCUS_POSITION,
                CALL(CameraGetIntValue), CALL(CameraSetIntValue)),
        indexed("channel_mask", K::Int, "enabled channels, bit i = channel i", CAMERA_INT_CHANNEL_MASK,
                CALL(CameraGetIntValue), CALL(CameraSetIntValue)),
        one("parameter_mode", K::Int, "parameter groups kept by 0 model, 1 nickname, 2 serial number",
            CALL(CameraGetParameterMode), CALL(CameraSetParameterMode)),
    };
}

} // namespace

const std::vector<Setting> &settings()
{
    static const std::vector<Setting> table = makeSettings();
    return table;
}

const Setting *findSetting(const std::string &name)
{
    std::string key = name;
    std::replace(key.begin(), key.end(), '-', '_');
    for (const Setting &setting : settings()) {
        if (setting.name == key)
            return &setting;
    }
    return nullptr;
}

std::string formatValue(Kind kind, double value)
{
    char text[64];
    switch (kind) {
    case Kind::Bool:
        return value != 0 ? "on" : "off";
    case Kind::Hex:
        std::snprintf(text, sizeof text, "0x%08llx", static_cast<unsigned long long>(value));
        return text;
    case Kind::Int:
        std::snprintf(text, sizeof text, "%.0f", value);
        return text;
    case Kind::Float: {
        // The shortest text that reads back as the same double.
        const std::to_chars_result end =
            std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
        return std::string(text, end.ptr);
    }
    }
    return {};
}

bool parseValue(Kind kind, const std::string &text, double *value)
{
    if (kind == Kind::Bool) {
        if (text == "on" || text == "true" || text == "1") {
            *value = 1;
            return true;
        }
        if (text == "off" || text == "false" || text == "0") {
            *value = 0;
            return true;
        }
        return false;
    }
    if (kind == Kind::Float)
        return parseNumber(text, value);
    long long integer = 0;
    if (!parseInteger(text, std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max(),
                      &integer))
        return false;
    *value = static_cast<double>(integer);
    return true;
}

} // namespace vexocli
