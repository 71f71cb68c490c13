// Address fields of a GigE record: 16 bytes from the caller, NUL or not.
#include "parsers.h"

#include <cstdlib>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // An exact-size heap copy lets the address sanitizer catch any read past the field.
    std::unique_ptr<char[]> field(new char[size ? size : 1]);
    memcpy(field.get(), data, size);
    uint32_t address = 0;
    if (!vexo::sdk::parseIpv4(field.get(), size, &address))
        return 0;
    // Accepted text is a plain dotted quad that the formatter reproduces.
    const std::string text(field.get(), strnlen(field.get(), size));
    char again[16];
    snprintf(again, sizeof again, "%u.%u.%u.%u", address >> 24, (address >> 16) & 255, (address >> 8) & 255,
             address & 255);
    uint32_t reparsed = 0;
    if (!vexo::sdk::parseIpv4(again, sizeof again, &reparsed) || reparsed != address)
        abort();
    return 0;
}
