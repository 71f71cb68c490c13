#include "isp_reference.h"

#include <algorithm>
#include <cmath>
#include <cstring>

// The image pipeline as it was written first, in plain loops, kept as the
// yardstick for the library's vectorised one: both must give the same bytes.
//
// The pipeline streams the frame row by row through small ring buffers so the
// working set stays in cache: tone and gains are applied to the raw row with
// one lookup per sensor pixel (a third of the lookups of doing it after the
// demosaic), the demosaic writes planar rows that the saturation and
// sharpening loops can vectorise, and only the last step interleaves.

namespace vexo::sdk::reference {

namespace {

inline uint8_t clampByte(int v)
{
    return static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

// A raw row with two reflected pixels on each side (reflection keeps the
// Bayer phase), so the kernels need no edge tests.
struct PaddedRow
{
    std::vector<uint8_t> buffer;
    uint8_t *pixels() { return buffer.data() + 2; }
    const uint8_t *pixels() const { return buffer.data() + 2; }
};

void reflectEdges(uint8_t *q, int width)
{
    q[-1] = q[1 < width ? 1 : 0];
    q[-2] = q[2 < width ? 2 : 0];
    q[width] = q[width >= 2 ? width - 2 : 0];
    q[width + 1] = q[width >= 3 ? width - 3 : (width == 2 ? 1 : 0)];
}

// Planar colour row.
struct PlanarRow
{
    std::vector<uint8_t> r, g, b;
    void resize(int width)
    {
        r.resize(width + 2);
        g.resize(width + 2);
        b.resize(width + 2);
    }
};

// Hot loops get an AVX2 twin picked at load time where the toolchain can
// (not under the thread sanitizer: the picking runs before it is ready).
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && !defined(__SANITIZE_THREAD__)
#define VEXO_KERNEL __attribute__((target_clones("avx2", "default")))
#else
#define VEXO_KERNEL
#endif

using u16 = uint16_t;

// Demosaics one row. c is the row at hand, u and d the rows above and below
// (already reflected at the frame's top and bottom); all padded.
VEXO_KERNEL void demosaicRowRG(const uint8_t *__restrict u, const uint8_t *__restrict c,
                               const uint8_t *__restrict d, int width, uint8_t *__restrict r,
                               uint8_t *__restrict g, uint8_t *__restrict b)
{
    const int pairs = (width + 1) / 2;
    for (int i = 0; i < pairs; ++i) {
        const int x = 2 * i;
        r[x] = c[x];
        g[x] = static_cast<uint8_t>(
            static_cast<u16>(u16(c[x - 1]) + u16(c[x + 1]) + u16(u[x]) + u16(d[x]) + 2) >> 2);
        b[x] = static_cast<uint8_t>(
            static_cast<u16>(u16(u[x - 1]) + u16(u[x + 1]) + u16(d[x - 1]) + u16(d[x + 1]) + 2) >> 2);
        r[x + 1] = static_cast<uint8_t>(static_cast<u16>(u16(c[x]) + u16(c[x + 2]) + 1) >> 1);
        g[x + 1] = c[x + 1];
        b[x + 1] = static_cast<uint8_t>(static_cast<u16>(u16(u[x + 1]) + u16(d[x + 1]) + 1) >> 1);
    }
}

VEXO_KERNEL void demosaicRowGB(const uint8_t *__restrict u, const uint8_t *__restrict c,
                               const uint8_t *__restrict d, int width, uint8_t *__restrict r,
                               uint8_t *__restrict g, uint8_t *__restrict b)
{
    const int pairs = (width + 1) / 2;
    for (int i = 0; i < pairs; ++i) {
        const int x = 2 * i;
        r[x] = static_cast<uint8_t>(static_cast<u16>(u16(u[x]) + u16(d[x]) + 1) >> 1);
        g[x] = c[x];
        b[x] = static_cast<uint8_t>(static_cast<u16>(u16(c[x - 1]) + u16(c[x + 1]) + 1) >> 1);
        r[x + 1] = static_cast<uint8_t>(
            static_cast<u16>(u16(u[x]) + u16(u[x + 2]) + u16(d[x]) + u16(d[x + 2]) + 2) >> 2);
        g[x + 1] = static_cast<uint8_t>(
            static_cast<u16>(u16(c[x]) + u16(c[x + 2]) + u16(u[x + 1]) + u16(d[x + 1]) + 2) >> 2);
        b[x + 1] = c[x + 1];
    }
}

VEXO_KERNEL void interleaveRgb(const uint8_t *__restrict r, const uint8_t *__restrict g,
                               const uint8_t *__restrict b, int width, uint8_t *__restrict out)
{
    for (int x = 0; x < width; ++x) {
        out[3 * x] = r[x];
        out[3 * x + 1] = g[x];
        out[3 * x + 2] = b[x];
    }
}

VEXO_KERNEL void interleaveRgbReversed(const uint8_t *__restrict r, const uint8_t *__restrict g,
                                       const uint8_t *__restrict b, int width, uint8_t *__restrict out)
{
    for (int x = 0; x < width; ++x) {
        const int s = width - 1 - x;
        out[3 * x] = r[s];
        out[3 * x + 1] = g[s];
        out[3 * x + 2] = b[s];
    }
}

VEXO_KERNEL void lumaRow(const uint8_t *__restrict r, const uint8_t *__restrict g,
                         const uint8_t *__restrict b, int width, uint8_t *__restrict out)
{
    for (int x = 0; x < width; ++x) {
        out[x] = static_cast<uint8_t>((77 * r[x] + 150 * g[x] + 29 * b[x] + 128) >> 8);
    }
}

VEXO_KERNEL void saturateRow(uint8_t *__restrict r, uint8_t *__restrict g, uint8_t *__restrict b, int width,
                             int s)
{
    const int16_t k = static_cast<int16_t>(s);
    for (int x = 0; x < width; ++x) {
        const int16_t y = static_cast<int16_t>(
            static_cast<u16>(u16(77 * r[x]) + u16(150 * g[x]) + u16(29 * b[x]) + 128) >> 8);
        const int16_t rr =
            static_cast<int16_t>(y + (static_cast<int16_t>(static_cast<int16_t>(r[x] - y) * k) >> 5));
        const int16_t gg =
            static_cast<int16_t>(y + (static_cast<int16_t>(static_cast<int16_t>(g[x] - y) * k) >> 5));
        const int16_t bb =
            static_cast<int16_t>(y + (static_cast<int16_t>(static_cast<int16_t>(b[x] - y) * k) >> 5));
        r[x] = static_cast<uint8_t>(rr < 0 ? 0 : (rr > 255 ? 255 : rr));
        g[x] = static_cast<uint8_t>(gg < 0 ? 0 : (gg > 255 ? 255 : gg));
        b[x] = static_cast<uint8_t>(bb < 0 ? 0 : (bb > 255 ? 255 : bb));
    }
}

// Luma-style sharpening: the green plane's Laplacian, added to every channel.
VEXO_KERNEL void sharpenRow(const uint8_t *__restrict u, const uint8_t *__restrict c,
                            const uint8_t *__restrict d, int width, int k, const uint8_t *__restrict r,
                            const uint8_t *__restrict b, uint8_t *__restrict outR, uint8_t *__restrict outG,
                            uint8_t *__restrict outB)
{
    const int16_t kk = static_cast<int16_t>(k);
    for (int x = 0; x < width; ++x) {
        const int16_t lap = static_cast<int16_t>(4 * int16_t(c[x]) - int16_t(c[x - 1]) - int16_t(c[x + 1]) -
                                                 int16_t(u[x]) - int16_t(d[x]));
        const int16_t delta = static_cast<int16_t>(static_cast<int16_t>(lap * kk) >> 5);
        const int16_t rr = static_cast<int16_t>(r[x] + delta);
        const int16_t gg = static_cast<int16_t>(c[x] + delta);
        const int16_t bb = static_cast<int16_t>(b[x] + delta);
        outR[x] = static_cast<uint8_t>(rr < 0 ? 0 : (rr > 255 ? 255 : rr));
        outG[x] = static_cast<uint8_t>(gg < 0 ? 0 : (gg > 255 ? 255 : gg));
        outB[x] = static_cast<uint8_t>(bb < 0 ? 0 : (bb > 255 ? 255 : bb));
    }
}

void applyLut(const uint8_t *__restrict src, uint8_t *__restrict dst, int width, const uint8_t *lutEven,
              const uint8_t *lutOdd)
{
    int x = 0;
    for (; x + 1 < width; x += 2) {
        dst[x] = lutEven[src[x]];
        dst[x + 1] = lutOdd[src[x + 1]];
    }
    if (x < width) {
        dst[x] = lutEven[src[x]];
    }
}

struct ToneTables
{
    uint8_t red[256], green[256], blue[256];
};

double presetCurve(int preset, double v)
{
    switch (preset) {
    case 1:
        return std::pow(v, 0.45);
    case 2:
        return v * v * (3.0 - 2.0 * v); // S-curve
    default:
        return v;
    }
}

void buildTables(const IspSettings &s, bool color, ToneTables *t)
{
    uint8_t tone[256];
    const double gamma = std::max(1, s.gamma) / 100.0;
    const double contrastLut = s.contrastLut / 100.0;
    const double contrast = s.contrast / 50.0;
    for (int i = 0; i < 256; ++i) {
        double v = i / 255.0;
        if (s.lutMode == 0) {
            v = std::pow(v, 1.0 / gamma);
            v = 0.5 + (v - 0.5) * contrastLut;
        } else if (s.lutMode == 1) {
            v = presetCurve(s.lutPreset, v);
        }
        v = 0.5 + (v - 0.5) * contrast;
        tone[i] = clampByte(static_cast<int>(std::lround(v * 255.0)));
    }
    const int rg = color ? s.rGain : 100;
    const int gg = color ? s.gGain : 100;
    const int bg = color ? s.bGain : 100;
    for (int i = 0; i < 256; ++i) {
        t->red[i] = tone[std::min(255, (i * rg + 50) / 100)];
        t->green[i] = tone[std::min(255, (i * gg + 50) / 100)];
        t->blue[i] = tone[std::min(255, (i * bg + 50) / 100)];
    }
}

struct RowDefect
{
    int row;
    int x;
};

struct Scratch
{
    PaddedRow raw[3];
    PlanarRow colour[3];
    PlanarRow sharpened;
    std::vector<uint8_t> mono;
};

Scratch &scratch()
{
    thread_local Scratch s;
    return s;
}

int reflectIndex(int i, int n)
{
    if (i < 0) {
        i = -i;
    }
    if (i >= n) {
        i = 2 * n - 2 - i;
    }
    return std::clamp(i, 0, n - 1);
}

} // namespace

void demosaicBayerRG8(const uint8_t *raw, int width, int height, uint8_t *rgb, int rgbStride)
{
    if (width < 2 || height < 2) {
        return;
    }
    Scratch &s = scratch();
    for (auto &r : s.raw) {
        r.buffer.resize(width + 4);
    }
    s.colour[0].resize(width);
    auto load = [&](int y, PaddedRow &row) {
        std::memcpy(row.pixels(), raw + static_cast<size_t>(y) * width, width);
        reflectEdges(row.pixels(), width);
    };
    load(1, s.raw[0]); // row -1 reflects to row 1
    load(0, s.raw[1]);
    for (int y = 0; y < height; ++y) {
        PaddedRow &up = s.raw[y % 3];
        PaddedRow &cur = s.raw[(y + 1) % 3];
        PaddedRow &down = s.raw[(y + 2) % 3];
        load(reflectIndex(y + 1, height), down);
        PlanarRow &p = s.colour[0];
        if (y % 2 == 0) {
            demosaicRowRG(up.pixels(), cur.pixels(), down.pixels(), width, p.r.data(), p.g.data(),
                          p.b.data());
        } else {
            demosaicRowGB(up.pixels(), cur.pixels(), down.pixels(), width, p.r.data(), p.g.data(),
                          p.b.data());
        }
        interleaveRgb(p.r.data(), p.g.data(), p.b.data(), width, rgb + static_cast<size_t>(y) * rgbStride);
    }
}

bool runIsp(const IspSettings &settings, const uint8_t *raw, int width, int height, uint32_t rawType,
            uint8_t *out, int outStride, uint32_t outType)
{
    const bool bayer = isBayer8(rawType);
    const bool rgbIn = rawType == CAMERA_MEDIA_TYPE_RGB8;
    const bool colour = bayer || rgbIn;
    if ((!colour && rawType != CAMERA_MEDIA_TYPE_MONO8) || outputBytesPerPixel(outType) == 0 || width < 2 ||
        height < 2 || raw == nullptr || out == nullptr) {
        return false;
    }
    // Where red sits in the 2x2 Bayer cell; the other orders run the RG
    // kernels one pixel to the left and/or on the other row parity.
    const int redX = (rawType == CAMERA_MEDIA_TYPE_BAYGR8 || rawType == CAMERA_MEDIA_TYPE_BAYBG8) ? 1 : 0;
    const int redY = (rawType == CAMERA_MEDIA_TYPE_BAYGB8 || rawType == CAMERA_MEDIA_TYPE_BAYBG8) ? 1 : 0;
    const int bpp = outputBytesPerPixel(outType);
    if (outStride < width * bpp) {
        return false;
    }

    ToneTables tables;
    buildTables(settings, colour, &tables);

    std::vector<RowDefect> defects;
    if (settings.deadPixelCorrection && settings.defects != nullptr) {
        for (const DefectPixel &p : *settings.defects) {
            const int x = p.x - settings.regionX;
            const int y = p.y - settings.regionY;
            if (x >= 0 && x < width && y >= 0 && y < height) {
                defects.push_back({y, x});
            }
        }
    }

    Scratch &s = scratch();
    for (auto &r : s.raw) {
        r.buffer.resize(width + 4);
    }
    for (auto &c : s.colour) {
        c.resize(width);
    }
    s.sharpened.resize(width);
    s.mono.resize(width + 2);

    const bool saturate = colour && !settings.monochrome && settings.saturation != 100;
    const int satFactor = settings.saturation * 32 / 100;
    const int sharpK = settings.sharpness * 32 / 100;

    // Tone, gains and defect correction on one raw row.
    auto load = [&](int y, PaddedRow &row) {
        if (rgbIn) {
            return; // colour rows are read straight from the frame
        }
        const uint8_t *src = raw + static_cast<size_t>(y) * width;
        uint8_t *q = row.pixels();
        if (!bayer) {
            applyLut(src, q, width, tables.green, tables.green);
        } else if (y % 2 == redY) {
            applyLut(src, q, width, redX == 0 ? tables.red : tables.green,
                     redX == 0 ? tables.green : tables.red);
        } else {
            applyLut(src, q, width, redX == 0 ? tables.green : tables.blue,
                     redX == 0 ? tables.blue : tables.green);
        }
        reflectEdges(q, width);
        for (const RowDefect &d : defects) {
            if (d.row == y) {
                const int step = bayer ? 2 : 1;
                q[d.x] = static_cast<uint8_t>((q[d.x - step] + q[d.x + step] + 1) >> 1);
            }
        }
        if (!defects.empty()) {
            reflectEdges(q, width);
        }
    };

    // Colour row y (demosaiced, saturated) into dst; slack pixels reflected.
    auto colourRow = [&](int y, PaddedRow &up, PaddedRow &cur, PaddedRow &down, PlanarRow &dst) {
        uint8_t *r = dst.r.data() + 1;
        uint8_t *g = dst.g.data() + 1;
        uint8_t *b = dst.b.data() + 1;
        if (bayer) {
            // The padding keeps two pixels each side, enough for the shifted kernels.
            const int shift = redX;
            const auto kernel = y % 2 == redY ? demosaicRowRG : demosaicRowGB;
            kernel(up.pixels() - shift, cur.pixels() - shift, down.pixels() - shift, width + shift, r - shift,
                   g - shift, b - shift);
        } else if (rgbIn) {
            const uint8_t *src = raw + static_cast<size_t>(y) * width * 3;
            for (int x = 0; x < width; ++x) {
                r[x] = tables.red[src[3 * x]];
                g[x] = tables.green[src[3 * x + 1]];
                b[x] = tables.blue[src[3 * x + 2]];
            }
        }
        if (colour) {
            if (saturate) {
                saturateRow(r, g, b, width, satFactor);
            }
        } else {
            std::memcpy(g, cur.pixels(), width);
        }
        for (uint8_t *p : {r, g, b}) {
            p[-1] = p[1];
            p[width] = p[width - 2];
        }
    };

    auto emit = [&](int y, const PlanarRow &row) {
        const int outY = settings.mirrorV ? height - 1 - y : y;
        uint8_t *dst = out + static_cast<size_t>(outY) * outStride;
        const uint8_t *r = row.r.data() + 1;
        const uint8_t *g = row.g.data() + 1;
        const uint8_t *b = row.b.data() + 1;
        if (!colour) {
            r = g;
            b = g;
        }
        if (outType == CAMERA_MEDIA_TYPE_MONO8 || (settings.monochrome && colour)) {
            uint8_t *luma = s.mono.data();
            if (colour) {
                lumaRow(r, g, b, width, luma);
            } else {
                std::memcpy(luma, g, width);
            }
            if (outType == CAMERA_MEDIA_TYPE_MONO8) {
                if (settings.mirrorH) {
                    std::reverse_copy(luma, luma + width, dst);
                } else {
                    std::memcpy(dst, luma, width);
                }
                return;
            }
            r = g = b = luma;
        }
        if (outType == CAMERA_MEDIA_TYPE_BGR8) {
            std::swap(r, b);
        }
        if (settings.mirrorH) {
            interleaveRgbReversed(r, g, b, width, dst);
        } else {
            interleaveRgb(r, g, b, width, dst);
        }
    };

    auto sharpenAndEmit = [&](int y, const PlanarRow &up, const PlanarRow &cur, const PlanarRow &down) {
        if (sharpK == 0) {
            emit(y, cur);
            return;
        }
        PlanarRow &o = s.sharpened;
        const uint8_t *r = cur.r.data() + 1;
        const uint8_t *b = cur.b.data() + 1;
        if (!colour) {
            r = b = cur.g.data() + 1;
        }
        sharpenRow(up.g.data() + 1, cur.g.data() + 1, down.g.data() + 1, width, sharpK, r, b, o.r.data() + 1,
                   o.g.data() + 1, o.b.data() + 1);
        emit(y, o);
    };

    // Raw rows y-1, y, y+1 live in s.raw[y % 3], [(y+1) % 3], [(y+2) % 3];
    // colour row y in s.colour[y % 3].
    load(1, s.raw[0]);
    load(0, s.raw[1]);
    load(reflectIndex(1, height), s.raw[2]);
    colourRow(0, s.raw[0], s.raw[1], s.raw[2], s.colour[0]);
    for (int y = 1; y < height; ++y) {
        PaddedRow &up = s.raw[y % 3];
        PaddedRow &cur = s.raw[(y + 1) % 3];
        PaddedRow &down = s.raw[(y + 2) % 3];
        load(reflectIndex(y + 1, height), down);
        colourRow(y, up, cur, down, s.colour[y % 3]);
        // colour row y-1 now has both neighbours
        const PlanarRow &above = s.colour[(y == 1 ? 1 : (y - 2)) % 3];
        sharpenAndEmit(y - 1, above, s.colour[(y - 1) % 3], s.colour[y % 3]);
    }
    sharpenAndEmit(height - 1, s.colour[(height - 2) % 3], s.colour[(height - 1) % 3],
                   s.colour[(height - 2) % 3]);
    return true;
}

} // namespace vexo::sdk::reference
