#include "isp.h"

#include "isp_kernels.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

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
    // A sampled conversion keeps the raw and colour rows neighbouring output
    // rows share: row i in slot i & 3, so the three consecutive rows one
    // output row needs never push each other out.
    PaddedRow rawSlot[4];
    PlanarRow colourSlot[4];
    PlanarRow picked; // the sampled columns of one row
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

// The steps of one frame's conversion, row by row. runIsp streams every row
// through them; runIspSampled only the rows and columns a smaller picture
// takes. Both run the same kernels on the same rows, so a sampled pixel is
// the full conversion's pixel to the bit.
class RowPipeline
{
public:
    RowPipeline(const IspSettings &settings, const uint8_t *raw, int width, int height, uint32_t rawType,
                uint32_t outType)
        : settings_(settings), k_(ispKernels()), raw_(raw), width_(width), height_(height), outType_(outType),
          bayer_(isBayer8(rawType)), rgbIn_(rawType == CAMERA_MEDIA_TYPE_RGB8), colour_(bayer_ || rgbIn_),
          saturate_(colour_ && !settings.monochrome && settings.saturation != 100),
          satFactor_(settings.saturation * 32 / 100), sharpK_(settings.sharpness * 32 / 100)
    {
        // Where red sits in the 2x2 Bayer cell of the sensor, and of the rows as
        // loaded (mirrored rows of even width start on the other column); the
        // other orders run the RG kernels one pixel to the left and/or on the
        // other row parity.
        sensorRedX_ = (rawType == CAMERA_MEDIA_TYPE_BAYGR8 || rawType == CAMERA_MEDIA_TYPE_BAYBG8) ? 1 : 0;
        redX_ = settings.mirrorH ? (width - 1 - sensorRedX_) % 2 : sensorRedX_;
        redY_ = (rawType == CAMERA_MEDIA_TYPE_BAYGB8 || rawType == CAMERA_MEDIA_TYPE_BAYBG8) ? 1 : 0;
        buildTables(settings, colour_, &tables_);
        // The tables of the even and odd pixels of a red row ([0]; every row
        // of a monochrome frame) and of a blue row ([1]).
        if (!bayer_) {
            evenTone_[0] = oddTone_[0] = tables_.green;
        } else {
            evenTone_[0] = sensorRedX_ == 0 ? tables_.red : tables_.green;
            oddTone_[0] = sensorRedX_ == 0 ? tables_.green : tables_.red;
            evenTone_[1] = sensorRedX_ == 0 ? tables_.green : tables_.blue;
            oddTone_[1] = sensorRedX_ == 0 ? tables_.blue : tables_.green;
        }
        // Tables that change nothing (as the cameras start: linear tone, unit
        // gains) leave a plain copy.
        for (int kind = 0; kind < 2; ++kind) {
            plainCopy_[kind] =
                evenTone_[kind] != nullptr && isIdentity(evenTone_[kind]) && isIdentity(oddTone_[kind]);
        }
        if (settings.deadPixelCorrection && settings.defects != nullptr) {
            for (const DefectPixel &p : *settings.defects) {
                const int x = p.x - settings.regionX;
                const int y = p.y - settings.regionY;
                if (x >= 0 && x < width && y >= 0 && y < height) {
                    defects_.push_back({y, settings.mirrorH ? width - 1 - x : x});
                }
            }
        }
    }

    bool bayer() const { return bayer_; }
    bool rgbIn() const { return rgbIn_; }
    bool sharpening() const { return sharpK_ != 0; }

    // Tone, gains, mirroring and defect correction on raw row y.
    void load(int y, PaddedRow &row) const
    {
        if (rgbIn_) {
            return; // colour rows are read straight from the frame
        }
        const uint8_t *src = raw_ + static_cast<size_t>(y) * width_;
        uint8_t *q = row.pixels();
        const bool mirrorH = settings_.mirrorH;
        const int kind = !bayer_ || y % 2 == redY_ ? 0 : 1;
        if (plainCopy_[kind] && !mirrorH) {
            std::memcpy(q, src, width_);
        } else {
            k_.lutRow(src, q, width_, evenTone_[kind], oddTone_[kind], mirrorH);
        }
        reflectEdges(q, width_);
        for (const RowDefect &d : defects_) {
            if (d.row == y) {
                const int step = bayer_ ? 2 : 1;
                q[d.x] = static_cast<uint8_t>((q[d.x - step] + q[d.x + step] + 1) >> 1);
            }
        }
        if (!defects_.empty()) {
            reflectEdges(q, width_);
        }
    }

    // Colour row y from the loaded raw rows y-1, y, y+1, before saturation.
    void demosaic(int y, const PaddedRow &up, const PaddedRow &cur, const PaddedRow &down,
                  PlanarRow &dst) const
    {
        uint8_t *r = dst.r.pixels();
        uint8_t *g = dst.g.pixels();
        uint8_t *b = dst.b.pixels();
        if (bayer_) {
            // The padding leaves room for the shifted kernels.
            const int shift = redX_;
            const auto kernel = y % 2 == redY_ ? k_.demosaicRowRG : k_.demosaicRowGB;
            kernel(up.pixels() - shift, cur.pixels() - shift, down.pixels() - shift, width_ + shift,
                   r - shift, g - shift, b - shift);
        } else if (rgbIn_) {
            rgbRow(y, nullptr, width_, dst);
        } else {
            std::memcpy(g, cur.pixels(), width_);
        }
    }

    // Colour row y of an RGB frame through the tables, at the given columns
    // of the (mirrored) row, or all of them when columns is null.
    void rgbRow(int y, const int *columns, int count, PlanarRow &dst) const
    {
        const uint8_t *src = raw_ + static_cast<size_t>(y) * width_ * 3;
        uint8_t *r = dst.r.pixels();
        uint8_t *g = dst.g.pixels();
        uint8_t *b = dst.b.pixels();
        for (int i = 0; i < count; ++i) {
            const int x = columns == nullptr ? i : columns[i];
            const uint8_t *p = src + 3 * (settings_.mirrorH ? width_ - 1 - x : x);
            r[i] = tables_.red[p[0]];
            g[i] = tables_.green[p[1]];
            b[i] = tables_.blue[p[2]];
        }
    }

    // Saturation works pixel by pixel, so it may run before or after sampling.
    void saturate(PlanarRow &row, int count) const
    {
        if (saturate_) {
            k_.saturateRow(row.r.pixels(), row.g.pixels(), row.b.pixels(), count, satFactor_);
        }
    }

    // The finished colour row that sharpening reads: saturated, slack
    // pixels reflected.
    void finish(PlanarRow &row) const
    {
        saturate(row, width_);
        for (uint8_t *p : {row.r.pixels(), row.g.pixels(), row.b.pixels()}) {
            p[-1] = p[1];
            p[width_] = p[width_ - 2];
        }
    }

    void sharpen(const PlanarRow &up, const PlanarRow &cur, const PlanarRow &down, PlanarRow &out) const
    {
        const uint8_t *r = cur.r.pixels();
        const uint8_t *b = cur.b.pixels();
        if (!colour_) {
            r = b = cur.g.pixels();
        }
        k_.sharpenRow(up.g.pixels(), cur.g.pixels(), down.g.pixels(), width_, sharpK_, r, b, out.r.pixels(),
                      out.g.pixels(), out.b.pixels());
    }

    // count pixels of a finished row into one output row.
    void emit(const PlanarRow &row, int count, uint8_t *dst, PaddedRow &mono) const
    {
        const uint8_t *r = row.r.pixels();
        const uint8_t *g = row.g.pixels();
        const uint8_t *b = row.b.pixels();
        if (!colour_) {
            r = g;
            b = g;
        }
        if (outType_ == CAMERA_MEDIA_TYPE_MONO8 || (settings_.monochrome && colour_)) {
            const uint8_t *luma = g;
            if (colour_) {
                k_.lumaRow(r, g, b, count, mono.pixels());
                luma = mono.pixels();
            }
            if (outType_ == CAMERA_MEDIA_TYPE_MONO8) {
                std::memcpy(dst, luma, count);
                return;
            }
            r = g = b = luma;
        }
        if (outType_ == CAMERA_MEDIA_TYPE_BGR8) {
            std::swap(r, b);
        }
        k_.interleaveRgb(r, g, b, count, dst);
    }

    // The given columns of a row, in their order (only green for a
    // monochrome frame: the other planes are not read).
    void pick(const PlanarRow &row, const int *columns, int count, PlanarRow &dst) const
    {
        const uint8_t *g = row.g.pixels();
        uint8_t *pg = dst.g.pixels();
        if (!colour_) {
            for (int i = 0; i < count; ++i) {
                pg[i] = g[columns[i]];
            }
            return;
        }
        const uint8_t *r = row.r.pixels();
        const uint8_t *b = row.b.pixels();
        uint8_t *pr = dst.r.pixels();
        uint8_t *pb = dst.b.pixels();
        for (int i = 0; i < count; ++i) {
            const int x = columns[i];
            pr[i] = r[x];
            pg[i] = g[x];
            pb[i] = b[x];
        }
    }

private:
    static bool isIdentity(const uint8_t *table)
    {
        for (int i = 0; i < 256; ++i) {
            if (table[i] != i) {
                return false;
            }
        }
        return true;
    }

    const IspSettings &settings_;
    const IspKernels &k_;
    const uint8_t *raw_;
    int width_, height_;
    uint32_t outType_;
    bool bayer_, rgbIn_, colour_, saturate_;
    int satFactor_, sharpK_;
    int sensorRedX_ = 0, redX_ = 0, redY_ = 0;
    ToneTables tables_;
    const uint8_t *evenTone_[2] = {}, *oddTone_[2] = {};
    bool plainCopy_[2] = {};
    std::vector<RowDefect> defects_;
};

// The arguments both conversions share; false when runIsp refuses them.
bool acceptable(const uint8_t *raw, int width, int height, uint32_t rawType, const uint8_t *out,
                uint32_t outType)
{
    const bool known =
        isBayer8(rawType) || rawType == CAMERA_MEDIA_TYPE_RGB8 || rawType == CAMERA_MEDIA_TYPE_MONO8;
    return known && outputBytesPerPixel(outType) != 0 && width >= 2 && height >= 2 && raw != nullptr &&
           out != nullptr;
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
    if (!acceptable(raw, width, height, rawType, out, outType) ||
        outStride < width * outputBytesPerPixel(outType)) {
        return false;
    }
    const RowPipeline p(settings, raw, width, height, rawType, outType);
    Scratch &s = scratch();
    for (auto &r : s.raw) {
        r.resize(width);
    }
    for (auto &c : s.colour) {
        c.resize(width);
    }
    s.sharpened.resize(width);
    s.mono.resize(width);

    auto colourRow = [&](int y, PaddedRow &up, PaddedRow &cur, PaddedRow &down, PlanarRow &dst) {
        p.demosaic(y, up, cur, down, dst);
        p.finish(dst);
    };
    auto sharpenAndEmit = [&](int y, const PlanarRow &up, const PlanarRow &cur, const PlanarRow &down) {
        const int outY = settings.mirrorV ? height - 1 - y : y;
        uint8_t *dst = out + static_cast<size_t>(outY) * outStride;
        if (!p.sharpening()) {
            p.emit(cur, width, dst, s.mono);
            return;
        }
        p.sharpen(up, cur, down, s.sharpened);
        p.emit(s.sharpened, width, dst, s.mono);
    };

    // Raw rows y-1, y, y+1 live in s.raw[y % 3], [(y+1) % 3], [(y+2) % 3];
    // colour row y in s.colour[y % 3].
    p.load(1, s.raw[0]);
    p.load(0, s.raw[1]);
    p.load(reflectIndex(1, height), s.raw[2]);
    colourRow(0, s.raw[0], s.raw[1], s.raw[2], s.colour[0]);
    for (int y = 1; y < height; ++y) {
        PaddedRow &up = s.raw[y % 3];
        PaddedRow &cur = s.raw[(y + 1) % 3];
        PaddedRow &down = s.raw[(y + 2) % 3];
        p.load(reflectIndex(y + 1, height), down);
        colourRow(y, up, cur, down, s.colour[y % 3]);
        // colour row y-1 now has both neighbours
        const PlanarRow &above = s.colour[(y == 1 ? 1 : (y - 2)) % 3];
        sharpenAndEmit(y - 1, above, s.colour[(y - 1) % 3], s.colour[y % 3]);
    }
    sharpenAndEmit(height - 1, s.colour[(height - 2) % 3], s.colour[(height - 1) % 3],
                   s.colour[(height - 2) % 3]);
    return true;
}

void centreSamples(int full, int count, int *indices)
{
    for (int i = 0; i < count; ++i) {
        indices[i] =
            static_cast<int>((2 * static_cast<int64_t>(i) + 1) * full / (2 * static_cast<int64_t>(count)));
    }
}

bool runIspSampled(const IspSettings &settings, const uint8_t *raw, int width, int height, uint32_t rawType,
                   const int *columns, int columnCount, const int *rows, int rowCount, uint8_t *out,
                   int outStride, uint32_t outType)
{
    if (!acceptable(raw, width, height, rawType, out, outType) || columns == nullptr || rows == nullptr ||
        columnCount < 1 || rowCount < 1 || outStride < columnCount * outputBytesPerPixel(outType) ||
        !std::all_of(columns, columns + columnCount, [&](int x) { return x >= 0 && x < width; }) ||
        !std::all_of(rows, rows + rowCount, [&](int y) { return y >= 0 && y < height; })) {
        return false;
    }
    const RowPipeline p(settings, raw, width, height, rawType, outType);
    Scratch &s = scratch();
    for (int i = 0; i < 4; ++i) {
        s.rawSlot[i].resize(width);
        s.colourSlot[i].resize(width);
    }
    s.sharpened.resize(width);
    s.picked.resize(columnCount);
    s.mono.resize(columnCount);
    int rawTag[4] = {-1, -1, -1, -1};
    int colourTag[4] = {-1, -1, -1, -1};

    auto rawRow = [&](int y) -> const PaddedRow & {
        if (rawTag[y & 3] != y) {
            p.load(y, s.rawSlot[y & 3]);
            rawTag[y & 3] = y;
        }
        return s.rawSlot[y & 3];
    };
    auto demosaic = [&](int y, PlanarRow &dst) {
        if (!p.bayer()) {
            p.demosaic(y, rawRow(y), rawRow(y), rawRow(y), dst); // one raw row is all it reads
            return;
        }
        p.demosaic(y, rawRow(reflectIndex(y - 1, height)), rawRow(y), rawRow(reflectIndex(y + 1, height)),
                   dst);
    };
    auto colourRow = [&](int y) -> const PlanarRow & {
        if (colourTag[y & 3] != y) {
            demosaic(y, s.colourSlot[y & 3]);
            p.finish(s.colourSlot[y & 3]);
            colourTag[y & 3] = y;
        }
        return s.colourSlot[y & 3];
    };

    for (int j = 0; j < rowCount; ++j) {
        const int y = settings.mirrorV ? height - 1 - rows[j] : rows[j];
        if (p.sharpening()) {
            // Sharpening reads the neighbours of every pixel: the whole
            // rows, sampled afterwards.
            const PlanarRow &above = colourRow(reflectIndex(y - 1, height));
            const PlanarRow &below = colourRow(reflectIndex(y + 1, height));
            p.sharpen(above, colourRow(y), below, s.sharpened);
            p.pick(s.sharpened, columns, columnCount, s.picked);
        } else {
            // Everything after the demosaic works pixel by pixel: sampled
            // first, it runs only on the pixels shown.
            if (p.rgbIn()) {
                p.rgbRow(y, columns, columnCount, s.picked);
            } else {
                demosaic(y, s.sharpened);
                p.pick(s.sharpened, columns, columnCount, s.picked);
            }
            p.saturate(s.picked, columnCount);
        }
        p.emit(s.picked, columnCount, out + static_cast<size_t>(j) * outStride, s.mono);
    }
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

namespace {

// A line's pixel in the image's format; bpp bytes of px are used.
void linePixel(const CrossLine &l, uint32_t mediaType, uint8_t px[3])
{
    px[0] = static_cast<uint8_t>(l.colour & 0xFF);
    px[1] = static_cast<uint8_t>((l.colour >> 8) & 0xFF);
    px[2] = static_cast<uint8_t>((l.colour >> 16) & 0xFF);
    if (mediaType == CAMERA_MEDIA_TYPE_BGR8) {
        std::swap(px[0], px[2]);
    } else if (mediaType == CAMERA_MEDIA_TYPE_MONO8) {
        px[0] = static_cast<uint8_t>((77 * px[0] + 150 * px[1] + 29 * px[2] + 128) >> 8);
    }
}

} // namespace

void drawCrossLines(const CrossLine *lines, int count, uint8_t *image, int width, int height, int stride,
                    uint32_t mediaType)
{
    if (width <= 0 || height <= 0) {
        return;
    }
    // The whole image is the one sampled at every column and row.
    std::vector<int> columns(static_cast<size_t>(width));
    std::vector<int> rows(static_cast<size_t>(height));
    std::iota(columns.begin(), columns.end(), 0);
    std::iota(rows.begin(), rows.end(), 0);
    drawCrossLinesSampled(lines, count, image, columns.data(), width, rows.data(), height, stride, mediaType);
}

void drawCrossLinesSampled(const CrossLine *lines, int count, uint8_t *image, const int *columns,
                           int columnCount, const int *rows, int rowCount, int stride, uint32_t mediaType)
{
    const int bpp = outputBytesPerPixel(mediaType);
    if (image == nullptr || columns == nullptr || rows == nullptr || bpp == 0) {
        return;
    }
    for (int i = 0; i < count; ++i) {
        const CrossLine &l = lines[i];
        if (l.visible != 1) {
            continue;
        }
        uint8_t px[3];
        linePixel(l, mediaType, px);
        auto put = [&](int x, int y) {
            uint8_t *p = image + static_cast<size_t>(y) * stride + static_cast<size_t>(x) * bpp;
            std::memcpy(p, px, bpp);
        };
        // In the order the full image gets them: the row, then the column.
        for (int y = 0; y < rowCount; ++y) {
            if (rows[y] == l.y) {
                for (int x = 0; x < columnCount; ++x) {
                    put(x, y);
                }
            }
        }
        for (int x = 0; x < columnCount; ++x) {
            if (columns[x] == l.x) {
                for (int y = 0; y < rowCount; ++y) {
                    put(x, y);
                }
            }
        }
    }
}

} // namespace vexo::sdk
