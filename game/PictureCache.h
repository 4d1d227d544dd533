#pragma once
// Device-resolution copies of bitmaps, so a frame blits instead of transforming pictures again:
//  - small sprites (a particle's 3 x 3 dot) drawn rotated and scaled: one copy per transform, and
//    particles only turn in whole degrees, so a burst needs a few hundred copies at most;
//  - large pictures shown smaller than their pixels (a 2959 x 1661 photograph on a 1286 x 918 area):
//    one copy at the size they are shown, made again only when the window size changes.
// Both are process-wide, bounded, and keyed by the picture's identity and the device transform.

#include <QImage>
#include <QTransform>

namespace valdorn::picture_cache {

// The sprite of `image` (drawn into `destination`) under the linear part of `toDevice`, and where its
// top-left corner goes relative to the device position of the local origin.
const QImage& sprite(const QImage& image, const QRectF& destination, const QTransform& toDevice, bool smooth,
                     QPointF& offset);

// `image` scaled to `size` device pixels (nearest-neighbour unless `smooth`).
const QImage& scaled(const QImage& image, QSize size, bool smooth);

void clear();

}  // namespace valdorn::picture_cache
