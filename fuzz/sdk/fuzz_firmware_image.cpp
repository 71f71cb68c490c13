// Firmware images (.upg) are picked by the operator from any folder.
#include "parsers.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace vexo::sim;
    FirmwareImage image;
    std::string error;
    bool badChecksum = false;
    if (!parseFirmwareImage(data, size, &image, &error, &badChecksum))
        return 0;
    const std::vector<uint8_t> written = writeFirmwareImage(image);
    FirmwareImage again;
    if (!parseFirmwareImage(written.data(), written.size(), &again, &error, &badChecksum))
        abort();
    if (again.productName != image.productName || again.version != image.version ||
        again.payload != image.payload)
        abort();
    firmwareVersionText(image.version);
    return 0;
}
