#ifndef YUVCONVERSION_H
#define YUVCONVERSION_H

#include <cstdint>

// Packed RGB (R, G, B in memory) to planar YUV 4:2:0, BT.601 limited range,
// with SIMD where the processor has it. Each chroma sample is the mean of a
// 2x2 block of pixels; width and height are even. Returns false on a
// picture it cannot take (null planes, sizes out of range).
bool rgbToYuv420(const uint8_t *rgb, int rowBytes, int width, int height, uint8_t *const planes[3],
                 const int strides[3]);

#endif // YUVCONVERSION_H
