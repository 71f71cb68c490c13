// Parameter files come from anywhere the user browses to.
//
// Input that starts with the file magic is taken as a whole file. Anything
// else is taken as the JSON body and wrapped in a valid header, so that the
// checksum does not keep the fuzzer away from the settings reader.
#include "parsers.h"

#include <cstdlib>
#include <cstring>
#include <zlib.h>

namespace {

std::vector<uint8_t> wrapBody(const uint8_t *body, size_t size)
{
    // Magic and format version as the writer puts them.
    static const std::vector<uint8_t> head = [] {
        std::vector<uint8_t> file = vexo::sdk::writeParameterFile(vexo::sdk::ParameterFile{});
        file.resize(12);
        return file;
    }();
    std::vector<uint8_t> out = head;
    auto putU32 = [&out](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out.push_back(uint8_t(v >> (8 * i)));
    };
    putU32(uint32_t(size));
    putU32(uint32_t(crc32(0, body, uInt(size))));
    out.insert(out.end(), body, body + size);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace vexo::sdk;
    std::vector<uint8_t> wrapped;
    if (size < 8 || memcmp(data, "VXPARAM1", 8) != 0) {
        wrapped = wrapBody(data, size);
        data = wrapped.data();
        size = wrapped.size();
    }
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
