// Firmware images (.upg) are picked by the operator from any folder.
//
// The first input byte chooses the mode: odd = repair the checksum of the
// rest before parsing (reaches the checks behind it), even = parse as is.
#include "parsers.h"

#include <cstdlib>
#include <zlib.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace vexo::sdk;
    if (size == 0)
        return 0;
    std::vector<uint8_t> file(data + 1, data + size);
    if ((data[0] & 1) && file.size() >= 48) {
        uint32_t crc = uint32_t(crc32(0, file.data(), 44));
        crc = uint32_t(crc32(crc, file.data() + 48, uInt(file.size() - 48)));
        for (int i = 0; i < 4; ++i)
            file[44 + i] = uint8_t(crc >> (8 * i));
    }
    FirmwareImage image;
    std::string error;
    bool badChecksum = false;
    if (!parseFirmwareImage(file.data(), file.size(), &image, &error, &badChecksum))
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
