#include "model.h"

#include <algorithm>
#include <cstdio>

namespace vexo::sdk {

namespace {

int roundDown(int value, int step)
{
    return step > 1 ? value - value % step : value;
}

Region centred(const CameraModel &m, int index, int width, int height)
{
    Region r;
    r.index = index;
    r.width = roundDown(width, m.sizeStepX);
    r.height = roundDown(height, m.sizeStepY);
    r.x = roundDown((m.sensorWidth - r.width) / 2, m.offsetStepX);
    r.y = roundDown((m.sensorHeight - r.height) / 2, m.offsetStepY);
    return r;
}

bool inRange(int v, int lo, int hi)
{
    return v >= lo && v <= hi;
}

} // namespace

std::vector<uint32_t> CameraModel::rawFormats() const
{
    if (!sensorFormats.empty()) {
        return sensorFormats;
    }
    return {color ? CAMERA_MEDIA_TYPE_BAYRG8 : CAMERA_MEDIA_TYPE_MONO8};
}

bool isBayer8(uint32_t mediaType)
{
    return mediaType == CAMERA_MEDIA_TYPE_BAYGR8 || mediaType == CAMERA_MEDIA_TYPE_BAYRG8 ||
           mediaType == CAMERA_MEDIA_TYPE_BAYGB8 || mediaType == CAMERA_MEDIA_TYPE_BAYBG8;
}

int rawBytesPerPixel(uint32_t mediaType)
{
    if (mediaType == CAMERA_MEDIA_TYPE_MONO8 || isBayer8(mediaType)) {
        return 1;
    }
    return mediaType == CAMERA_MEDIA_TYPE_RGB8 ? 3 : 0;
}

double nominalFrameRate(const CameraModel &model, const Settings &settings)
{
    static constexpr double kSpeedFactor[3] = {0.25, 0.5, 1.0};
    const double bySpeed = model.maxFrameRate * kSpeedFactor[std::clamp(settings.frameSpeed, 0, 2)];
    const double byExposure = 1e6 / std::max(1.0, settings.exposureUs);
    return std::max(0.1, std::min(bySpeed, byExposure));
}

std::vector<Region> presetRegions(const CameraModel &model)
{
    // Common sizes that fit the sensor, smallest first, then the full sensor.
    static const int sizes[][2] = {{640, 480}, {1280, 720}, {1280, 960}, {1920, 1080}};
    std::vector<Region> out;
    for (const auto &s : sizes) {
        if (s[0] < model.sensorWidth && s[1] < model.sensorHeight) {
            out.push_back(centred(model, static_cast<int>(out.size()), s[0], s[1]));
        }
    }
    out.push_back(centred(model, static_cast<int>(out.size()), model.sensorWidth, model.sensorHeight));
    return out;
}

Settings defaultSettings(const CameraModel &model)
{
    Settings s;
    s.sensorFormat = model.rawFormats().front();
    s.analogGain = std::clamp(1000, model.analogGainMin, model.analogGainMax);
    s.aeGainMin = model.analogGainMin;
    s.aeGainMax = std::min(model.analogGainMax, std::max(model.analogGainMin, 8000));
    const double lineMin = model.exposureLinesMin * model.lineTimeUs;
    const double lineMax = model.exposureLinesMax * model.lineTimeUs;
    s.exposureUs = std::clamp(10000.0, lineMin, lineMax);
    s.aeExposureMinUs = std::clamp(100.0, lineMin, lineMax);
    s.aeExposureMaxUs = std::clamp(100000.0, lineMin, lineMax);
    s.lutMode = model.lutSupported ? 0 : 2;
    s.region = presetRegions(model).back();
    s.channelMask = (1 << model.channels) - 1;
    s.focusPosition = model.focusSupported ? model.focusDefault : 0;
    for (int i = 0; i < CAMERA_CROSSLINE_COUNT; ++i) {
        s.crossLines[i].x = model.sensorWidth / 2;
        s.crossLines[i].y = model.sensorHeight / 2;
    }
    return s;
}

std::string validateSettings(const CameraModel &m, const Settings &s)
{
    const double lineMin = m.exposureLinesMin * m.lineTimeUs;
    const double lineMax = m.exposureLinesMax * m.lineTimeUs;
    if (!inRange(s.aeState, 0, 1)) {
        return "aeState";
    }
    if (!(s.exposureUs >= lineMin && s.exposureUs <= lineMax)) {
        return "exposure";
    }
    if (!inRange(s.analogGain, m.analogGainMin, m.analogGainMax)) {
        return "analogGain";
    }
    if (!inRange(s.aeTarget, 0, 255)) {
        return "aeTarget";
    }
    if (!(s.aeExposureMinUs >= lineMin && s.aeExposureMaxUs <= lineMax &&
          s.aeExposureMinUs <= s.aeExposureMaxUs)) {
        return "aeExposureRange";
    }
    if (!(inRange(s.aeGainMin, m.analogGainMin, m.analogGainMax) &&
          inRange(s.aeGainMax, m.analogGainMin, m.analogGainMax) && s.aeGainMin <= s.aeGainMax)) {
        return "aeGainRange";
    }
    if (!inRange(s.antiFlick, 0, 1) || !inRange(s.lightFrequency, 1, 2)) {
        return "antiFlick";
    }
    if (!inRange(s.wbMode, 0, 1) || !inRange(s.rGain, 0, 400) || !inRange(s.gGain, 0, 400) ||
        !inRange(s.bGain, 0, 400)) {
        return "whiteBalance";
    }
    if (!inRange(s.saturation, 0, 255) || !inRange(s.monochrome, 0, 1)) {
        return "colour";
    }
    if (!inRange(s.frameSpeed, 0, 2) || !inRange(s.sharpness, 0, 100) || !inRange(s.contrast, 0, 100)) {
        return "processing";
    }
    if (!inRange(s.mirrorH, 0, 1) || !inRange(s.mirrorV, 0, 1) || !inRange(s.deadPixelCorrection, 0, 1)) {
        return "mirror";
    }
    const std::vector<uint32_t> formats = m.rawFormats();
    if (std::find(formats.begin(), formats.end(), s.sensorFormat) == formats.end()) {
        return "sensorFormat";
    }
    if (m.lutSupported ? !inRange(s.lutMode, 0, 1) : s.lutMode != 2) {
        return "lutMode";
    }
    if (!inRange(s.gamma, 0, 1000) || !inRange(s.contrastLut, 0, 200) || !inRange(s.lutPreset, 0, 2)) {
        return "lut";
    }
    for (const CrossLine &l : s.crossLines) {
        if (!inRange(l.x, 0, m.sensorWidth) || !inRange(l.y, 0, m.sensorHeight) || l.colour > 0xFFFFFF ||
            !inRange(l.visible, 0, 1)) {
            return "crossLine";
        }
    }
    if (!inRange(s.triggerMode, 0, 2) || (s.triggerMode == 2 && m.inputLines == 0)) {
        return "triggerMode";
    }
    if (!inRange(s.triggerFrameCount, 1, 1000) || s.triggerDelayUs > 10000000u) {
        return "trigger";
    }
    for (const InputLine &l : s.inputs) {
        if (!inRange(l.mode, 0, 1) || !inRange(l.signalType, 0, 3) || l.jitterUs > 1000000u ||
            !inRange(l.state, 0, 1)) {
            return "input";
        }
    }
    for (const OutputLine &l : s.outputs) {
        if (!inRange(l.mode, 0, 2) || !inRange(l.strobeMode, 0, 1) || !inRange(l.polarity, 0, 1) ||
            l.strobeDelayUs > 10000000u || l.strobePulseUs > 10000000u || !inRange(l.state, 0, 1) ||
            !inRange(l.pwmPeriodUs, 1, 10000000) || !inRange(l.pwmHighUs, 0, l.pwmPeriodUs)) {
            return "output";
        }
    }
    const Region &r = s.region;
    if (r.width < 2 || r.height < 2 || r.x < 0 || r.y < 0 || r.x % m.offsetStepX != 0 ||
        r.y % m.offsetStepY != 0 || r.width % m.sizeStepX != 0 || r.height % m.sizeStepY != 0 ||
        r.x > m.sensorWidth - r.width || r.y > m.sensorHeight - r.height) {
        return "region";
    }
    if (r.index != CAMERA_RESOLUTION_CUSTOM) {
        const auto presets = presetRegions(m);
        if (r.index < 0 || r.index >= static_cast<int>(presets.size())) {
            return "region";
        }
        const Region &p = presets[r.index];
        if (p.x != r.x || p.y != r.y || p.width != r.width || p.height != r.height) {
            return "region";
        }
    }
    if (s.channelMask < 0 || s.channelMask >= (1 << m.channels)) {
        return "channelMask";
    }
    if (m.focusSupported ? !inRange(s.focusPosition, m.focusMin, m.focusMax) : s.focusPosition != 0) {
        return "focus";
    }
    return {};
}

} // namespace vexo::sdk
