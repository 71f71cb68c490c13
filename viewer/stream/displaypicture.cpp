#include "stream/displaypicture.h"

#include <cmath>
#include <cstring>

#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#define VEXO_PACK_SSSE3 1
#endif

namespace {

inline uint32_t packed(const uchar *p)
{
    return 0xff000000u | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
}

void packRowPlain(const uchar *rgb, uint32_t *out, int width)
{
    for (int x = 0; x < width; ++x)
        out[x] = packed(rgb + 3 * x);
}

#ifdef VEXO_PACK_SSSE3
// Four pixels per byte shuffle. Each load takes 16 bytes for the 12 it
// uses, so the last pixels of the row go one by one.
__attribute__((target("ssse3"))) void packRowSsse3(const uchar *rgb, uint32_t *out, int width)
{
    const __m128i order = _mm_setr_epi8(2, 1, 0, -1, 5, 4, 3, -1, 8, 7, 6, -1, 11, 10, 9, -1);
    const __m128i opaque = _mm_set1_epi32(int(0xff000000u));
    int x = 0;
    for (; x + 6 <= width; x += 4) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(rgb + 3 * x));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + x),
                         _mm_or_si128(_mm_shuffle_epi8(v, order), opaque));
    }
    packRowPlain(rgb + 3 * x, out + x, width - x);
}
#endif

// One row of packed RGB into 32-bit pixels, pixel for pixel.
void packRow(const uchar *rgb, uint32_t *out, int width)
{
#ifdef VEXO_PACK_SSSE3
    static const bool ssse3 = __builtin_cpu_supports("ssse3");
    if (ssse3) {
        packRowSsse3(rgb, out, width);
        return;
    }
#endif
    packRowPlain(rgb, out, width);
}

} // namespace

QSize DisplayPicture::sizeFor(const QSize &frame, double scale)
{
    if (frame.isEmpty() || !(scale > 0.0) || scale >= 1.0)
        return QSize();
    const QSize size(qMax(1, int(std::ceil(frame.width() * scale))),
                     qMax(1, int(std::ceil(frame.height() * scale))));
    if (size.width() >= frame.width() && size.height() >= frame.height())
        return QSize();
    return size.boundedTo(frame);
}

QTransform DisplayPicture::placement(const QSize &frame, const QSize &picture, double scale)
{
    if (picture == frame || picture.isEmpty())
        return QTransform();
    if (picture == sizeFor(frame, scale))
        return QTransform::fromScale(1.0 / scale, 1.0 / scale);
    return QTransform::fromScale(double(frame.width()) / picture.width(),
                                 double(frame.height()) / picture.height());
}

QImage &DisplayPicture::freeImage(const QSize &size)
{
    // Held by the pool alone: no receiver can still be reading it.
    for (QImage &image : m_pool) {
        if (image.size() == size && image.isDetached())
            return image;
    }
    for (QImage &image : m_pool) {
        if (image.isNull() || image.size() != size || image.isDetached()) {
            image = QImage(size, QImage::Format_RGB32);
            return image;
        }
    }
    // Every picture still held (a slow receiver): a new one, dropped by the pool.
    m_pool[0] = QImage(size, QImage::Format_RGB32);
    return m_pool[0];
}

QImage DisplayPicture::make(const uchar *rgb, const QSize &frame, int stride, const QSize &size)
{
    if (rgb == nullptr || frame.isEmpty() || size.isEmpty() || size.width() > frame.width() ||
        size.height() > frame.height() || stride < frame.width() * 3)
        return QImage();
    if (frame != m_frame || size != m_size) {
        m_columns.resize(size_t(size.width()));
        for (int x = 0; x < size.width(); ++x)
            m_columns[size_t(x)] = int((2 * qint64(x) + 1) * frame.width() / (2 * size.width())) * 3;
        m_frame = frame;
        m_size = size;
    }
    QImage &image = freeImage(size);
    if (image.isNull())
        return QImage();
    if (size == frame) {
        for (int y = 0; y < size.height(); ++y)
            packRow(rgb + qint64(y) * stride, reinterpret_cast<uint32_t *>(image.scanLine(y)), size.width());
        return image;
    }
    const int *columns = m_columns.data();
    for (int y = 0; y < size.height(); ++y) {
        const uchar *row = rgb + qint64((2 * qint64(y) + 1) * frame.height() / (2 * size.height())) * stride;
        auto *out = reinterpret_cast<uint32_t *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            out[x] = packed(row + columns[x]);
        }
    }
    return image;
}
