#include "stream/displaypicture.h"

#include <cmath>

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
    const int *columns = m_columns.data();
    for (int y = 0; y < size.height(); ++y) {
        const uchar *row = rgb + qint64((2 * qint64(y) + 1) * frame.height() / (2 * size.height())) * stride;
        auto *out = reinterpret_cast<uint32_t *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const uchar *p = row + columns[x];
            out[x] = 0xff000000u | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
        }
    }
    return image;
}
