#include "game/Bitmap.h"

#include <QPainter>
#include <cmath>

#include "game/PictureCache.h"

namespace valdorn {

Bitmap::Bitmap(QImage image, QRectF destination, bool smooth)
    : image_(std::move(image)),
      destination_(destination.isNull() ? QRectF(QPointF(0, 0), QSizeF(image_.size())) : destination),
      smooth_(smooth) {}

void Bitmap::setImage(QImage image) {
    image_ = std::move(image);
    tinted_.forget();
    markChanged();
}

QPainterPath Bitmap::contentShape() const {
    QPainterPath path;
    path.addRect(destination_);
    return path;
}

void Bitmap::paint(QPainter& painter, const PaintContext& context) const {
    if (image_.isNull() || destination_.isEmpty()) return;
    const QImage* image = &tinted_.under(image_, context.color);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth_);
    if (paintFromCache(painter, *image)) return;

    // The part of the destination that can be seen, in local coordinates.
    bool invertible = false;
    const QTransform toLocal = painter.transform().inverted(&invertible);
    QRectF visible = destination_;
    if (invertible && painter.device()) {
        QRectF deviceArea(0, 0, painter.device()->width(), painter.device()->height());
        visible &= toLocal.mapRect(deviceArea);
        if (painter.hasClipping()) visible &= painter.clipBoundingRect();
    }
    if (visible.isEmpty()) return;
    if (visible == destination_) {
        painter.drawImage(destination_, *image);
        return;
    }
    // Whole source pixels only, so the blocks of an enlarged picture stay where they belong.
    const double sx = image->width() / destination_.width();
    const double sy = image->height() / destination_.height();
    const int left = std::max(0, static_cast<int>(std::floor((visible.left() - destination_.left()) * sx)));
    const int top = std::max(0, static_cast<int>(std::floor((visible.top() - destination_.top()) * sy)));
    const int right =
        std::min(image->width(), static_cast<int>(std::ceil((visible.right() - destination_.left()) * sx)));
    const int bottom =
        std::min(image->height(), static_cast<int>(std::ceil((visible.bottom() - destination_.top()) * sy)));
    if (right <= left || bottom <= top) return;
    const QRectF target(destination_.left() + left / sx, destination_.top() + top / sy, (right - left) / sx,
                        (bottom - top) / sy);
    const QRect source(left, top, right - left, bottom - top);
    const QTransform toDevice = painter.transform();
    if (!smooth_ && toDevice.m12() == 0 && toDevice.m21() == 0 && toDevice.m11() > 0 && toDevice.m22() > 0) {
        // An enlarged part of a picture behind a window: enlarge just that part ourselves and blit it.
        // Handing the transformed picture to the painter costs several times more per frame.
        const QRect pixels = toDevice.mapRect(target).toRect();
        if (pixels.isEmpty()) return;
        const QImage block = image->copy(source).scaled(pixels.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        painter.setTransform(QTransform());
        painter.drawImage(pixels.topLeft(), block);
        painter.setTransform(toDevice);
        return;
    }
    painter.drawImage(target, *image, source);
}

bool Bitmap::paintFromCache(QPainter& painter, const QImage& image) const {
    constexpr int kSpritePixels = 256;  // pictures this small are drawn as prepared sprites
    const QTransform toDevice = painter.transform();
    const bool axisAligned = toDevice.m12() == 0 && toDevice.m21() == 0 && toDevice.m11() > 0 && toDevice.m22() > 0;
    QPointF topLeft;
    const QImage* picture = nullptr;
    if (image.width() * image.height() <= kSpritePixels) {
        QPointF offset;
        picture = &picture_cache::sprite(image, destination_, toDevice, smooth_, offset);
        topLeft = toDevice.map(QPointF(0, 0)) + offset;
    } else if (axisAligned) {
        const QRectF area = toDevice.mapRect(destination_);
        // Only pictures shown smaller than their pixels: enlarged ones draw just their visible part.
        if (area.width() >= image.width() || area.height() >= image.height()) return false;
        const QRect pixels = area.toRect();
        picture = &picture_cache::scaled(image, pixels.size(), smooth_);
        topLeft = pixels.topLeft();
    } else {
        return false;
    }
    // Plain transform switches: a full save/restore per sprite costs more than the blit.
    painter.setTransform(QTransform());
    painter.drawImage(QPoint(qRound(topLeft.x()), qRound(topLeft.y())), *picture);
    painter.setTransform(toDevice);
    return true;
}

}  // namespace valdorn
