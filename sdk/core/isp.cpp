#include "isp.h"

#include "isp_kernels.h"

#include <algorithm>
#include <cmath>
#include <cstring>

// The pipeline streams the frame row by row through small ring buffers so the
// working set stays in cache: tone and gains are applied to the raw row with
// one lookup per sensor pixel (a third of the lookups of doing it after the
// demosaic), the demosaic writes planar rows that the saturation and
// sharpening loops process in whole vectors, and only the last step
// interleaves. Horizontal mirroring happens as the raw row is loaded (the
// kernels are symmetric, so mirroring first gives the same picture) and
// vertical mirroring by the order the rows are written out.

namespace vexo::sdk {

namespace {

inline uint8_t clampByte(int v)
{
    return static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

// A raw row with two reflected pixels on each side (reflection keeps the
// Bayer phase), so the kernels need no edge tests, and room for the kernels'
// whole vectors.
struct PaddedRow
{
    std::vector<uint8_t> buffer;
    void resize(int width) { buffer.resize(static_cast<size_t>(width) + kRowFront + kRowSlack); }
    uint8_t *pixels() { return buffer.data() + kRowFront; }
    const uint8_t *pixels() const { return buffer.data() + kRowFront; }
};

void reflectEdges(uint8_t *q, int width)
{
    q[-1] = q[1 < width ? 1 : 0];
    q[-2] = q[2 < width ? 2 : 0];
    q[width] = q[width >= 2 ? width - 2 : 0];
    q[width + 1] = q[width >= 3 ? width - 3 : (width == 2 ? 1 : 0)];
}

// Planar colour row, one reflected pixel on each side.
struct PlanarRow
{
    PaddedRow r, g, b;
    void resize(int width)
    {
        r.resize(width);
        g.resize(width);
        b.resize(width);
    }
};

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
    PaddedRow mono;
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

int outputBytesPerPixel(uint32_t mediaType)
{
    switch (mediaType) {
    case CAMERA_MEDIA_TYPE_RGB8:
    case CAMERA_MEDIA_TYPE_BGR8:
        return 3;
    case CAMERA_MEDIA_TYPE_MONO8:
        return 1;
    default:
        return 0;
    }
}

void demosaicBayerRG8(const uint8_t *raw, int width, int height, uint8_t *rgb, int rgbStride)
{
    if (width < 2 || height < 2) {
        return;
    }
    const IspKernels &k = ispKernels();
    Scratch &s = scratch();
    for (auto &r : s.raw) {
        r.resize(width);
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
        const auto kernel = y % 2 == 0 ? k.demosaicRowRG : k.demosaicRowGB;
        kernel(up.pixels(), cur.pixels(), down.pixels(), width, p.r.pixels(), p.g.pixels(), p.b.pixels());
        k.interleaveRgb(p.r.pixels(), p.g.pixels(), p.b.pixels(), width,
                        rgb + static_cast<size_t>(y) * rgbStride);
    }
}

IspSettings ispSettingsFrom(const Settings &settings, const std::vector<DefectPixel> *defects)
{
    IspSettings s;
    s.rGain = settings.rGain;
    s.gGain = settings.gGain;
    s.bGain = settings.bGain;
    s.saturation = settings.saturation;
    s.contrast = settings.contrast;
    s.sharpness = settings.sharpness;
    s.lutMode = settings.lutMode;
    s.gamma = settings.gamma;
    s.contrastLut = settings.contrastLut;
    s.lutPreset = settings.lutPreset;
    s.mirrorH = settings.mirrorH != 0;
    s.mirrorV = settings.mirrorV != 0;
    s.monochrome = settings.monochrome != 0;
    s.deadPixelCorrection = settings.deadPixelCorrection != 0;
    s.defects = defects;
    s.regionX = settings.region.x;
    s.regionY = settings.region.y;
    return s;
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
    const int bpp = outputBytesPerPixel(outType);
    if (outStride < width * bpp) {
        return false;
    }
    const bool mirrorH = settings.mirrorH;
    // Where red sits in the 2x2 Bayer cell of the sensor, and of the rows as
    // loaded (mirrored rows of even width start on the other column); the
    // other orders run the RG kernels one pixel to the left and/or on the
    // other row parity.
    const int sensorRedX =
        (rawType == CAMERA_MEDIA_TYPE_BAYGR8 || rawType == CAMERA_MEDIA_TYPE_BAYBG8) ? 1 : 0;
    const int redX = mirrorH ? (width - 1 - sensorRedX) % 2 : sensorRedX;
    const int redY = (rawType == CAMERA_MEDIA_TYPE_BAYGB8 || rawType == CAMERA_MEDIA_TYPE_BAYBG8) ? 1 : 0;

    ToneTables tables;
    buildTables(settings, colour, &tables);

    std::vector<RowDefect> defects;
    if (settings.deadPixelCorrection && settings.defects != nullptr) {
        for (const DefectPixel &p : *settings.defects) {
            const int x = p.x - settings.regionX;
            const int y = p.y - settings.regionY;
            if (x >= 0 && x < width && y >= 0 && y < height) {
                defects.push_back({y, mirrorH ? width - 1 - x : x});
            }
        }
    }

    const IspKernels &k = ispKernels();
    Scratch &s = scratch();
    for (auto &r : s.raw) {
        r.resize(width);
    }
    for (auto &c : s.colour) {
        c.resize(width);
    }
    s.sharpened.resize(width);
    s.mono.resize(width);

    const bool saturate = colour && !settings.monochrome && settings.saturation != 100;
    const int satFactor = settings.saturation * 32 / 100;
    const int sharpK = settings.sharpness * 32 / 100;

    // Tone, gains, mirroring and defect correction on one raw row.
    auto load = [&](int y, PaddedRow &row) {
        if (rgbIn) {
            return; // colour rows are read straight from the frame
        }
        const uint8_t *src = raw + static_cast<size_t>(y) * width;
        uint8_t *q = row.pixels();
        if (!bayer) {
            k.lutRow(src, q, width, tables.green, tables.green, mirrorH);
        } else if (y % 2 == redY) {
            k.lutRow(src, q, width, sensorRedX == 0 ? tables.red : tables.green,
                     sensorRedX == 0 ? tables.green : tables.red, mirrorH);
        } else {
            k.lutRow(src, q, width, sensorRedX == 0 ? tables.green : tables.blue,
                     sensorRedX == 0 ? tables.blue : tables.green, mirrorH);
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
        uint8_t *r = dst.r.pixels();
        uint8_t *g = dst.g.pixels();
        uint8_t *b = dst.b.pixels();
        if (bayer) {
            // The padding leaves room for the shifted kernels.
            const int shift = redX;
            const auto kernel = y % 2 == redY ? k.demosaicRowRG : k.demosaicRowGB;
            kernel(up.pixels() - shift, cur.pixels() - shift, down.pixels() - shift, width + shift, r - shift,
                   g - shift, b - shift);
        } else if (rgbIn) {
            const uint8_t *src = raw + static_cast<size_t>(y) * width * 3;
            for (int x = 0; x < width; ++x) {
                const uint8_t *p = src + 3 * (mirrorH ? width - 1 - x : x);
                r[x] = tables.red[p[0]];
                g[x] = tables.green[p[1]];
                b[x] = tables.blue[p[2]];
            }
        }
        if (colour) {
            if (saturate) {
                k.saturateRow(r, g, b, width, satFactor);
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
        const uint8_t *r = row.r.pixels();
        const uint8_t *g = row.g.pixels();
        const uint8_t *b = row.b.pixels();
        if (!colour) {
            r = g;
            b = g;
        }
        if (outType == CAMERA_MEDIA_TYPE_MONO8 || (settings.monochrome && colour)) {
            const uint8_t *luma = g;
            if (colour) {
                k.lumaRow(r, g, b, width, s.mono.pixels());
                luma = s.mono.pixels();
            }
            if (outType == CAMERA_MEDIA_TYPE_MONO8) {
                std::memcpy(dst, luma, width);
                return;
            }
            r = g = b = luma;
        }
        if (outType == CAMERA_MEDIA_TYPE_BGR8) {
            std::swap(r, b);
        }
        k.interleaveRgb(r, g, b, width, dst);
    };

    auto sharpenAndEmit = [&](int y, const PlanarRow &up, const PlanarRow &cur, const PlanarRow &down) {
        if (sharpK == 0) {
            emit(y, cur);
            return;
        }
        PlanarRow &o = s.sharpened;
        const uint8_t *r = cur.r.pixels();
        const uint8_t *b = cur.b.pixels();
        if (!colour) {
            r = b = cur.g.pixels();
        }
        k.sharpenRow(up.g.pixels(), cur.g.pixels(), down.g.pixels(), width, sharpK, r, b, o.r.pixels(),
                     o.g.pixels(), o.b.pixels());
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

const char *lutPresetName(int preset)
{
    switch (preset) {
    case 0:
        return "直线";
    case 1:
        return "曲线1";
    case 2:
        return "曲线2";
    default:
        return nullptr;
    }
}

void drawCrossLines(const CrossLine *lines, int count, uint8_t *image, int width, int height, int stride,
                    uint32_t mediaType)
{
    const int bpp = outputBytesPerPixel(mediaType);
    if (image == nullptr || bpp == 0 || width <= 0 || height <= 0) {
        return;
    }
    for (int i = 0; i < count; ++i) {
        const CrossLine &l = lines[i];
        if (l.visible != 1) {
            continue;
        }
        uint8_t px[3] = {static_cast<uint8_t>(l.colour & 0xFF), static_cast<uint8_t>((l.colour >> 8) & 0xFF),
                         static_cast<uint8_t>((l.colour >> 16) & 0xFF)};
        if (mediaType == CAMERA_MEDIA_TYPE_BGR8) {
            std::swap(px[0], px[2]);
        } else if (mediaType == CAMERA_MEDIA_TYPE_MONO8) {
            px[0] = static_cast<uint8_t>((77 * px[0] + 150 * px[1] + 29 * px[2] + 128) >> 8);
        }
        auto put = [&](int x, int y) {
            uint8_t *p = image + static_cast<size_t>(y) * stride + static_cast<size_t>(x) * bpp;
            std::memcpy(p, px, bpp);
        };
        if (l.y >= 0 && l.y < height) {
            for (int x = 0; x < width; ++x) {
                put(x, l.y);
            }
        }
        if (l.x >= 0 && l.x < width) {
            for (int y = 0; y < height; ++y) {
                put(l.x, y);
            }
        }
    }
}

} // namespace vexo::sdk
