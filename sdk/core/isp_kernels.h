// The image pipeline's per-row loops, once per instruction set. The pipeline
// (isp.cpp) calls them through one table picked at first use for the CPU it
// runs on; every set computes exactly the same bytes.
//
// Row buffers handed to the kernels must carry kRowFront bytes before the
// first pixel and kRowSlack bytes after the last: the loops work in whole
// vectors and read and write past the row's end. Lanes beyond the row's width
// are garbage. Pipeline outputs (the caller's image) are written exactly.
#pragma once

#include <cstdint>

namespace vexo::sdk {

struct IspKernels
{
    const char *name;

    // dst = lutEven / lutOdd applied to the even / odd pixels of src, in
    // reverse pixel order when reversed. Exact writes.
    void (*lutRow)(const uint8_t *src, uint8_t *dst, int width, const uint8_t *lutEven, const uint8_t *lutOdd,
                   bool reversed);

    // Bilinear demosaic of row c (u above, d below; reflected at their ends),
    // into planar r, g, b. RG: red at even x of this row; GB: green at even x.
    void (*demosaicRowRG)(const uint8_t *u, const uint8_t *c, const uint8_t *d, int width, uint8_t *r,
                          uint8_t *g, uint8_t *b);
    void (*demosaicRowGB)(const uint8_t *u, const uint8_t *c, const uint8_t *d, int width, uint8_t *r,
                          uint8_t *g, uint8_t *b);

    // Colour saturation around the luma, factor x32, in place.
    void (*saturateRow)(uint8_t *r, uint8_t *g, uint8_t *b, int width, int factor);

    // The green Laplacian of rows u, c, d (factor x32) added to r, c (as green) and b.
    void (*sharpenRow)(const uint8_t *u, const uint8_t *c, const uint8_t *d, int width, int factor,
                       const uint8_t *r, const uint8_t *b, uint8_t *outR, uint8_t *outG, uint8_t *outB);

    void (*lumaRow)(const uint8_t *r, const uint8_t *g, const uint8_t *b, int width, uint8_t *out);

    // Packed three-byte pixels. Exact writes.
    void (*interleaveRgb)(const uint8_t *r, const uint8_t *g, const uint8_t *b, int width, uint8_t *out);
};

constexpr int kRowFront = 64;
constexpr int kRowSlack = 160;

// The fastest set this CPU runs.
const IspKernels &ispKernels();

// Every set this CPU runs, slowest first; and a way to pin one (for tests and
// benchmarks). pinIspKernels(nullptr) returns to the automatic choice.
int availableIspKernels(const IspKernels **sets, int capacity);
void pinIspKernels(const IspKernels *set);

} // namespace vexo::sdk
