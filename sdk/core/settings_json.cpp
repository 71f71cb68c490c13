// Settings as JSON: the body of state files, parameter groups and files.
#include "file_format.h"
#include "parsers.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace vexo::sdk {

namespace fileformat {

namespace {

constexpr long long kBig = 100000000; // generous bound; the camera checks its own

} // namespace

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

} // namespace fileformat

using namespace fileformat;

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

} // namespace vexo::sdk
