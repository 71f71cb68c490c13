// Per-camera state files live in a directory other programs and people can edit.
#include "parsers.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace vexo::sdk;
    static const CameraSet cameras = builtInCameraSet();
    if (cameras.cameras.empty())
        return 0;
    const CameraModel &model = cameras.cameras.front();
    PersistentState state;
    std::string error;
    if (!parseState(data, size, model, &state, &error))
        return 0;
    const std::string written = writeState(state);
    PersistentState again;
    if (!parseState(reinterpret_cast<const uint8_t *>(written.data()), written.size(), model, &again, &error))
        abort();
    if (writeState(again) != written)
        abort();
    return 0;
}
