// The image pipeline behind CameraGetOutImageBuffer: raw sensor pixels in,
// display pixels out. Pure functions over buffers, no camera state.
#pragma once

#include "model.h"

#include <cstdint>
#include <vector>

namespace vexo::sdk {

// Bytes of one output row: pixels * bytesPerPixel rounded up to 4.
inline int paddedRowBytes(int width, int bytesPerPixel)
{
    return (width * bytesPerPixel + 3) & ~3;
}

// Bytes per pixel of an output media type; 0 when it is not an ISP output.
int outputBytesPerPixel(uint32_t mediaType);

// Bilinear BayerRG8 (R at (0,0)) to packed RGB8; rgbStride bytes per row.
// width and height must be at least 2.
void demosaicBayerRG8(const uint8_t *raw, int width, int height, uint8_t *rgb, int rgbStride);

// Everything the pipeline needs to know about the camera's settings.
struct IspSettings
{
    int rGain = 100, gGain = 100, bGain = 100; // x100
    int saturation = 100;                      // 100 = unchanged
    int contrast = 50;                         // 50 = unchanged
    int sharpness = 0;                         // 0 = off
    int lutMode = 0;                           // 0 gamma + contrast, 1 preset, 2 none
    int gamma = 100;                           // x100
    int contrastLut = 100;                     // x100
    int lutPreset = 0;
    bool mirrorH = false;
    bool mirrorV = false;
    bool monochrome = false;
    bool deadPixelCorrection = false;
    const std::vector<DefectPixel> *defects = nullptr; // sensor coordinates
    int regionX = 0, regionY = 0;                      // where the raw frame sits on the sensor
};

IspSettings ispSettingsFrom(const Settings &settings, const std::vector<DefectPixel> *defects);

// Converts one raw frame (Mono8, an 8-bit Bayer order or RGB8) into out (RGB8, BGR8 or Mono8)
// with rows of outStride bytes. Returns false for an unsupported type pair or
// a size below 2x2; out is untouched then.
bool runIsp(const IspSettings &settings, const uint8_t *raw, int width, int height, uint32_t rawType,
            uint8_t *out, int outStride, uint32_t outType);

// The pixel under the centre of each of count equal parts of full pixels:
// indices[i] = (2i + 1) * full / (2 * count), rounded down.
void centreSamples(int full, int count, int *indices);

// Only the given pixels of what runIsp would write: out's pixel (i, j) is
// runIsp's pixel at column columns[i], row rows[j] (each within the frame),
// to the bit. Rows of the frame that no sample needs are not converted, and
// the steps after the demosaic run on the sampled pixels only. out has
// rowCount rows of outStride bytes. Returns false where runIsp would, or for
// a sample outside the frame; out is untouched then.
bool runIspSampled(const IspSettings &settings, const uint8_t *raw, int width, int height, uint32_t rawType,
                   const int *columns, int columnCount, const int *rows, int rowCount, uint8_t *out,
                   int outStride, uint32_t outType);

// Names of the LUT presets, index = value for CameraSelectLutPreset.
const char *lutPresetName(int preset);

// Draws the visible cross lines over an output image.
void drawCrossLines(const CrossLine *lines, int count, uint8_t *image, int width, int height, int stride,
                    uint32_t mediaType);

// The same over a picture sampled as runIspSampled samples: exactly the
// sampled pixels of the lines drawn over the full image.
void drawCrossLinesSampled(const CrossLine *lines, int count, uint8_t *image, const int *columns,
                           int columnCount, const int *rows, int rowCount, int stride, uint32_t mediaType);

} // namespace vexo::sdk
