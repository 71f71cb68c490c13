#include "scene.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vexo::sim {

using namespace vexo::sdk;

namespace {

struct Rgb
{
    int r, g, b;
};

// Colour-checker-like patches, 6 x 4.
constexpr Rgb kChart[24] = {
    {115, 82, 68},   {194, 150, 130}, {98, 122, 157},  {87, 108, 67},   {133, 128, 177}, {103, 189, 170},
    {214, 126, 44},  {80, 91, 166},   {193, 90, 99},   {94, 60, 108},   {157, 188, 64},  {224, 163, 46},
    {56, 61, 150},   {70, 148, 73},   {175, 54, 60},   {231, 199, 31},  {187, 86, 149},  {8, 133, 161},
    {243, 243, 242}, {200, 200, 200}, {160, 160, 160}, {122, 122, 121}, {85, 85, 85},    {52, 52, 52},
};

// 5 x 7 digits, one row per byte, bit 4 = leftmost column.
constexpr uint8_t kDigits[10][7] = {
    {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}, {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},
    {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}, {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E},
    {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}, {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},
    {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},
    {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}, {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C},
};

constexpr int kCounterDigits = 8;

// Sixteen pixels at a time in 16-bit lanes: with the multiplier split into
// whole and fractional parts, (v * m) >> 8 = v * (m >> 8) + ((v * (m & 255)) >> 8)
// exactly, and every term fits 16 bits.
typedef uint8_t Bytes16 __attribute__((vector_size(16)));
typedef uint16_t Halves16 __attribute__((vector_size(32)));

void scaleRow(const uint8_t *__restrict src, uint8_t *__restrict dst, int n, int multiplier)
{
    const uint16_t whole = static_cast<uint16_t>(multiplier >> 8);
    const uint16_t fraction = static_cast<uint16_t>(multiplier & 255);
    int i = 0;
    for (; i + 16 <= n; i += 16) {
        Bytes16 in;
        std::memcpy(&in, src + i, sizeof in);
        const Halves16 v = __builtin_convertvector(in, Halves16);
        Halves16 scaled = v * whole + ((v * fraction) >> 8);
        scaled = scaled > 255 ? 255 : scaled;
        const Bytes16 out = __builtin_convertvector(scaled, Bytes16);
        std::memcpy(dst + i, &out, sizeof out);
    }
    for (; i < n; ++i) {
        const int v = (src[i] * multiplier) >> 8;
        dst[i] = static_cast<uint8_t>(v > 255 ? 255 : v);
    }
}

} // namespace

SceneGenerator::SceneGenerator(int width, int height, bool color)
    : width_(std::max(2, width)), height_(std::max(2, height)), color_(color),
      background_(static_cast<size_t>(width_) * height_)
{
    const int chartX0 = width_ * 5 / 100;
    const int chartY0 = height_ * 8 / 100;
    const int patchW = std::max(1, width_ * 50 / 100 / 6);
    const int patchH = std::max(1, height_ * 47 / 100 / 4);
    const int gap = std::max(1, patchW / 10);
    const int rampY0 = height_ * 70 / 100;
    const int rampY1 = height_ * 80 / 100;
    const int rampX0 = width_ * 5 / 100;
    const int rampX1 = width_ * 95 / 100;
    uint64_t sum = 0;
    for (int y = 0; y < height_; ++y) {
        uint8_t *row = background_.data() + static_cast<size_t>(y) * width_;
        for (int x = 0; x < width_; ++x) {
            // backdrop: a soft vertical gradient
            Rgb c{60 + 40 * y / height_, 70 + 30 * y / height_, 90 - 20 * y / height_};
            const int cx = (x - chartX0) / patchW;
            const int cy = (y - chartY0) / patchH;
            if (x >= chartX0 && y >= chartY0 && cx < 6 && cy < 4) {
                const bool inGap = (x - chartX0) % patchW < gap || (y - chartY0) % patchH < gap;
                c = inGap ? Rgb{20, 20, 20} : kChart[cy * 6 + cx];
            } else if (y >= rampY0 && y < rampY1 && x >= rampX0 && x < rampX1) {
                const int v = 10 + 235 * (x - rampX0) / std::max(1, rampX1 - rampX0 - 1);
                c = {v, v, v};
            } else if (x > width_ * 70 / 100 && y < height_ * 50 / 100 && y > height_ * 10 / 100) {
                // a resolution wedge: lines that get finer towards the top
                const int period = 4 + 12 * (y - height_ / 10) / std::max(1, height_ * 40 / 100);
                const int v = ((x / std::max(1, period / 2)) % 2) ? 200 : 40;
                c = {v, v, v};
            }
            row[x] = sample(x, y, c.r, c.g, c.b);
            sum += row[x];
        }
    }
    baseMean_ = static_cast<double>(sum) / (static_cast<double>(width_) * height_);
}

uint8_t SceneGenerator::sample(int x, int y, int r, int g, int b) const
{
    if (!color_) {
        return static_cast<uint8_t>((77 * r + 150 * g + 29 * b + 128) >> 8);
    }
    if ((y & 1) == 0) {
        return static_cast<uint8_t>((x & 1) == 0 ? r : g);
    }
    return static_cast<uint8_t>((x & 1) == 0 ? g : b);
}

void SceneGenerator::render(uint8_t *raw, uint64_t frameIndex, double brightness) const
{
    renderRegion(raw, width_, 0, 0, width_, height_, frameIndex, brightness);
}

void SceneGenerator::renderRegion(uint8_t *raw, int stride, int x0, int y0, int width, int height,
                                  uint64_t frameIndex, double brightness) const
{
    x0 = std::clamp(x0 & ~1, 0, width_ - 1);
    y0 = std::clamp(y0 & ~1, 0, height_ - 1);
    width = std::clamp(width, 0, width_ - x0);
    height = std::clamp(height, 0, height_ - y0);
    const int multiplier = static_cast<int>(std::lround(std::clamp(brightness, 0.0, 64.0) * 256.0));
    for (int y = 0; y < height; ++y) {
        const uint8_t *src = background_.data() + static_cast<size_t>(y0 + y) * width_ + x0;
        uint8_t *dst = raw + static_cast<size_t>(y) * stride;
        if (multiplier == 256) {
            std::memcpy(dst, src, width);
        } else {
            scaleRow(src, dst, width, multiplier);
        }
    }

    auto level = [&](int v) { return static_cast<uint8_t>(std::min(255, (v * multiplier) >> 8)); };
    // The moving disc follows a slow Lissajous path over the sensor.
    const double t = static_cast<double>(frameIndex) / 60.0;
    const int radius = std::max(4, height_ / 10);
    const int cx = static_cast<int>(width_ / 2 + (width_ / 2 - radius - 1) * std::sin(t * 0.9));
    const int cy = static_cast<int>(height_ / 2 + (height_ / 2 - radius - 1) * std::sin(t * 1.3 + 0.5));
    for (int dy = -radius; dy <= radius; ++dy) {
        const int sy = cy + dy;
        if (sy < y0 || sy >= y0 + height) {
            continue;
        }
        const int half = static_cast<int>(std::sqrt(static_cast<double>(radius * radius - dy * dy)));
        const int from = std::max(cx - half, x0);
        const int to = std::min(cx + half, x0 + width - 1);
        uint8_t *row = raw + static_cast<size_t>(sy - y0) * stride;
        const uint8_t even = level(sample(0, sy, 235, 120, 30));
        const uint8_t odd = level(sample(1, sy, 235, 120, 30));
        for (int sx = from; sx <= to; ++sx) {
            row[sx - x0] = (sx & 1) ? odd : even;
        }
    }

    // Frame counter, top right, white on black.
    const int scale = std::max(1, height_ / 120);
    const int digitW = 6 * scale;
    const int boxW = kCounterDigits * digitW + 2 * scale;
    const int boxH = 9 * scale;
    const int bx = std::max(0, width_ - boxW - 2 * scale);
    const int by = 2 * scale;
    uint64_t value = frameIndex;
    char text[kCounterDigits];
    for (int i = kCounterDigits - 1; i >= 0; --i) {
        text[i] = static_cast<char>(value % 10);
        value /= 10;
    }
    const int ys = std::max(by, y0);
    const int ye = std::min(by + boxH, y0 + height);
    const int xs = std::max(bx, x0);
    const int xe = std::min(bx + boxW, x0 + width);
    // Scanlines of one glyph row are alike: each is made once, then copied.
    std::vector<uint8_t> line(static_cast<size_t>(std::max(0, boxW)));
    int lineGlyphRow = -2;
    for (int sy = ys; sy < ye; ++sy) {
        const int gy = (sy - by) / scale - 1; // glyph row
        if (gy != lineGlyphRow) {
            for (int i = 0; i < boxW; ++i) {
                const int px = i / scale - 1;
                bool on = false;
                if (gy >= 0 && gy < 7 && px >= 0) {
                    const int digit = px / 6;
                    const int col = px % 6;
                    if (digit < kCounterDigits && col < 5) {
                        on = (kDigits[static_cast<int>(text[digit])][gy] >> (4 - col)) & 1;
                    }
                }
                // The counter is drawn at full scale: it stays readable at any exposure.
                line[static_cast<size_t>(i)] = on ? 240 : 8;
            }
            lineGlyphRow = gy;
        }
        if (xe > xs) {
            std::memcpy(raw + static_cast<size_t>(sy - y0) * stride + (xs - x0), line.data() + (xs - bx),
                        static_cast<size_t>(xe - xs));
        }
    }

    for (const DefectPixel &d : defects_) {
        const int x = d.x - x0;
        const int y = d.y - y0;
        if (x >= 0 && y >= 0 && x < width && y < height) {
            raw[static_cast<size_t>(y) * stride + x] = 255;
        }
    }
}

} // namespace vexo::sim
