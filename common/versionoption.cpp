#include "versionoption.h"

#include "vexoversion.h"

#include <cstdio>
#include <cstring>

namespace vexo {

bool printVersionIfAsked(int argc, char *argv[], const char *program)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s %s\n", program, VEXO_SUITE_VERSION);
            return true;
        }
    }
    return false;
}

} // namespace vexo
