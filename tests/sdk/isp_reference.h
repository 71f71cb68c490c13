// The image pipeline in plain loops, the yardstick for the library's own.
#pragma once

#include "isp.h"

namespace vexo::sdk::reference {

void demosaicBayerRG8(const uint8_t *raw, int width, int height, uint8_t *rgb, int rgbStride);

bool runIsp(const IspSettings &settings, const uint8_t *raw, int width, int height, uint32_t rawType,
            uint8_t *out, int outStride, uint32_t outType);

} // namespace vexo::sdk::reference
