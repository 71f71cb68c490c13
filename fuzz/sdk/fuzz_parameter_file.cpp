// Parameter files come from anywhere the user browses to.
#include "parsers.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace vexo::sim;
    ParameterFile file;
    std::string error;
    if (!parseParameterFile(data, size, &file, &error))
        return 0;
    // Whatever was accepted must survive the writer unchanged.
    const std::vector<uint8_t> written = writeParameterFile(file);
    ParameterFile again;
    if (!parseParameterFile(written.data(), written.size(), &again, &error))
        abort();
    if (settingsToJson(again.settings) != settingsToJson(file.settings) ||
        again.productName != file.productName)
        abort();
    static const CameraSet cameras = builtInCameraSet();
    for (const CameraModel &model : cameras.cameras)
        validateSettings(model, file.settings);
    return 0;
}
