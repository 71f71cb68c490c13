#ifndef DISPLAYPICTURE_H
#define DISPLAYPICTURE_H

#include <QImage>
#include <QSize>
#include <QTransform>

#include <cstdint>
#include <vector>

// The picture a cell shows, made from a full frame at the size it is shown:
// each pixel the frame pixel under its centre, as the view samples a picture
// it shrinks, into 32-bit pixels the screen takes without converting. Made in
// the grabber thread, so the user-interface thread paints only what can be
// seen and copies nothing: the pictures are the receiver's to keep, from a
// small pool whose images are written again only once nobody holds them.
class DisplayPicture final
{
public:
    // The size to make for a frame of frame pixels shown scale times its size
    // (device pixels per frame pixel); empty when the frame itself is as
    // small, so nothing is gained.
    static QSize sizeFor(const QSize &frame, double scale);

    // Where a picture of a frame goes in a scene of frame coordinates shown
    // at scale. A picture made for that scale gets exactly its inverse, so it
    // is painted one pixel per device pixel: a plain copy, no resampling.
    static QTransform placement(const QSize &frame, const QSize &picture, double scale);

    // Samples an RGB888 frame (rows of stride bytes) into size; a frame of
    // that size already (sampled by the SDK) is taken pixel for pixel.
    QImage make(const uchar *rgb, const QSize &frame, int stride, const QSize &size);

private:
    QImage &freeImage(const QSize &size);

    QImage m_pool[3];
    std::vector<int> m_columns; // byte offset of each output column in a frame row
    QSize m_frame;
    QSize m_size;
};

#endif // DISPLAYPICTURE_H
