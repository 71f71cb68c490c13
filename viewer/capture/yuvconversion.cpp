#include "capture/yuvconversion.h"

#include <libyuv/convert.h>

bool rgbToYuv420(const uint8_t *rgb, int rowBytes, int width, int height, uint8_t *const planes[3],
                 const int strides[3])
{
    if (rgb == nullptr || planes[0] == nullptr || planes[1] == nullptr || planes[2] == nullptr || width < 2 ||
        height < 2 || (width | height) & 1 || rowBytes < width * 3)
        return false;
    // libyuv calls R, G, B in memory "RAW" (its "RGB24" is B, G, R); its
    // I420 is BT.601 with limited range, as the encoders expect.
    return libyuv::RAWToI420(rgb, rowBytes, planes[0], strides[0], planes[1], strides[1], planes[2],
                             strides[2], width, height) == 0;
}
