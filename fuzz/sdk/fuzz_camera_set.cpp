// Camera-set files are named by an environment variable.
#include "parsers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace vexo::sdk;
    CameraSet set;
    std::string error;
    if (!parseCameraSet(data, size, &set, &error))
        return 0;
    // An accepted camera must be usable: defaults valid, presets inside the sensor.
    for (const CameraModel &model : set.cameras) {
        const Settings defaults = defaultSettings(model);
        if (!validateSettings(model, defaults).empty())
            __builtin_trap();
        for (const Region &r : presetRegions(model)) {
            if (r.x < 0 || r.y < 0 || r.width <= 0 || r.height <= 0 || r.x + r.width > model.sensorWidth ||
                r.y + r.height > model.sensorHeight)
                __builtin_trap();
        }
    }
    return 0;
}
