#include "image_io.h"

#include "isp.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>
#include <png.h>

namespace vexo::sdk {

namespace {

void putLe(std::vector<uint8_t> &v, uint32_t x, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        v.push_back(static_cast<uint8_t>(x >> (8 * i)));
    }
}

bool encodeBmp(const uint8_t *image, int width, int height, int stride, uint32_t type,
               std::vector<uint8_t> *out)
{
    const bool mono = type == CAMERA_MEDIA_TYPE_MONO8;
    const int rowBytes = paddedRowBytes(width, mono ? 1 : 3);
    const uint32_t palette = mono ? 256 * 4 : 0;
    const uint32_t offset = 14 + 40 + palette;
    const uint64_t size = offset + static_cast<uint64_t>(rowBytes) * height;
    if (size > 0x7FFFFFFFu) {
        return false;
    }
    std::vector<uint8_t> v;
    v.reserve(static_cast<size_t>(size));
    v.push_back('B');
    v.push_back('M');
    putLe(v, static_cast<uint32_t>(size), 4);
    putLe(v, 0, 4);
    putLe(v, offset, 4);
    putLe(v, 40, 4);
    putLe(v, static_cast<uint32_t>(width), 4);
    putLe(v, static_cast<uint32_t>(height), 4); // bottom-up
    putLe(v, 1, 2);
    putLe(v, mono ? 8 : 24, 2);
    putLe(v, 0, 4);
    putLe(v, static_cast<uint32_t>(rowBytes) * height, 4);
    putLe(v, 2835, 4); // 72 dpi
    putLe(v, 2835, 4);
    putLe(v, mono ? 256 : 0, 4);
    putLe(v, 0, 4);
    if (mono) {
        for (uint32_t i = 0; i < 256; ++i) {
            putLe(v, i | i << 8 | i << 16, 4);
        }
    }
    std::vector<uint8_t> row(rowBytes, 0);
    for (int y = height - 1; y >= 0; --y) {
        const uint8_t *src = image + static_cast<size_t>(y) * stride;
        if (mono) {
            std::memcpy(row.data(), src, width);
        } else {
            for (int x = 0; x < width; ++x) {
                const uint8_t *p = src + 3 * x;
                const bool bgr = type == CAMERA_MEDIA_TYPE_BGR8;
                row[3 * x] = bgr ? p[0] : p[2];
                row[3 * x + 1] = p[1];
                row[3 * x + 2] = bgr ? p[2] : p[0];
            }
        }
        v.insert(v.end(), row.begin(), row.end());
    }
    *out = std::move(v);
    return true;
}

struct JpegError
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void jpegFail(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegError *>(info->err)->jump, 1);
}

bool encodeJpeg(const uint8_t *image, int width, int height, int stride, uint32_t type, int quality,
                std::vector<uint8_t> *out)
{
    jpeg_compress_struct c{};
    JpegError error{};
    c.err = jpeg_std_error(&error.base);
    error.base.error_exit = jpegFail;
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    std::vector<uint8_t> row(static_cast<size_t>(width) * 3);
    if (setjmp(error.jump) != 0) {
        jpeg_destroy_compress(&c);
        std::free(buffer);
        return false;
    }
    jpeg_create_compress(&c);
    jpeg_mem_dest(&c, &buffer, &size);
    c.image_width = static_cast<JDIMENSION>(width);
    c.image_height = static_cast<JDIMENSION>(height);
    const bool mono = type == CAMERA_MEDIA_TYPE_MONO8;
    c.input_components = mono ? 1 : 3;
    c.in_color_space = mono ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, quality, TRUE);
    jpeg_start_compress(&c, TRUE);
    while (c.next_scanline < c.image_height) {
        const uint8_t *src = image + static_cast<size_t>(c.next_scanline) * stride;
        JSAMPROW rows[1];
        if (type == CAMERA_MEDIA_TYPE_BGR8) {
            for (int x = 0; x < width; ++x) {
                row[3 * x] = src[3 * x + 2];
                row[3 * x + 1] = src[3 * x + 1];
                row[3 * x + 2] = src[3 * x];
            }
            rows[0] = row.data();
        } else {
            rows[0] = const_cast<JSAMPROW>(src);
        }
        jpeg_write_scanlines(&c, rows, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    out->assign(buffer, buffer + size);
    std::free(buffer);
    return true;
}

void pngWrite(png_structp png, png_bytep data, png_size_t length)
{
    auto *out = static_cast<std::vector<uint8_t> *>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void pngFlush(png_structp) {}

bool encodePng(const uint8_t *image, int width, int height, int stride, uint32_t type,
               std::vector<uint8_t> *out)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    std::vector<uint8_t> data;
    std::vector<uint8_t> row(static_cast<size_t>(width) * 3);
    if (info == nullptr || setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &data, pngWrite, pngFlush);
    const bool mono = type == CAMERA_MEDIA_TYPE_MONO8;
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 mono ? PNG_COLOR_TYPE_GRAY : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 3); // snapshots should not stall the caller
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        const uint8_t *src = image + static_cast<size_t>(y) * stride;
        if (type == CAMERA_MEDIA_TYPE_BGR8) {
            for (int x = 0; x < width; ++x) {
                row[3 * x] = src[3 * x + 2];
                row[3 * x + 1] = src[3 * x + 1];
                row[3 * x + 2] = src[3 * x];
            }
            png_write_row(png, row.data());
        } else {
            png_write_row(png, const_cast<png_bytep>(src));
        }
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    *out = std::move(data);
    return true;
}

} // namespace

const char *imageExtension(int fileType)
{
    switch (fileType) {
    case FILE_BMP:
        return ".bmp";
    case FILE_JPG:
        return ".jpg";
    case FILE_PNG:
        return ".png";
    default:
        return nullptr;
    }
}

bool encodeImage(const uint8_t *image, int width, int height, int stride, uint32_t mediaType, int fileType,
                 int quality, std::vector<uint8_t> *out)
{
    if (image == nullptr || width <= 0 || height <= 0 || outputBytesPerPixel(mediaType) == 0 ||
        stride < width * outputBytesPerPixel(mediaType)) {
        return false;
    }
    switch (fileType) {
    case FILE_BMP:
        return encodeBmp(image, width, height, stride, mediaType, out);
    case FILE_JPG:
        return quality >= 1 && quality <= 100 &&
               encodeJpeg(image, width, height, stride, mediaType, quality, out);
    case FILE_PNG:
        return encodePng(image, width, height, stride, mediaType, out);
    default:
        return false;
    }
}

} // namespace vexo::sdk
