// Encoders behind CameraSaveImage.
#pragma once

#include "VexoCameraSDK.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vexo::sdk {

// Encodes an output image (RGB8, BGR8 or Mono8 rows of stride bytes) as
// FILE_BMP, FILE_JPG (quality 1..100) or FILE_PNG. False on any failure.
bool encodeImage(const uint8_t *image, int width, int height, int stride, uint32_t mediaType, int fileType,
                 int quality, std::vector<uint8_t> *out);

// ".bmp", ".jpg", ".png"; null for an unknown type.
const char *imageExtension(int fileType);

} // namespace vexo::sdk
