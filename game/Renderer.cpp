#include "game/Renderer.h"

#include <QPainter>
#include <cmath>

#include "game/DisplayObject.h"

namespace valdorn {

struct Renderer::Frame {
    QPainter& painter;
    QTransform stageToDevice;
    double scale;
    QRectF deviceArea;
    // Where drawing can still show: the surface, narrowed by every mask and clip rectangle on the way
    // down. Objects wholly outside it are skipped.
    QRectF visibleArea;
};

QTransform Renderer::showAll(QSizeF surface) {
    const double scale = std::min(surface.width() / kStageWidth, surface.height() / kStageHeight);
    QTransform t;
    t.translate((surface.width() - kStageWidth * scale) / 2, (surface.height() - kStageHeight * scale) / 2);
    t.scale(scale, scale);
    return t;
}

void Renderer::render(QPainter& painter, const DisplayObject& root, QSize surface) {
    painter.save();
    painter.resetTransform();
    painter.fillRect(QRect(QPoint(0, 0), surface), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QTransform stageToDevice = showAll(QSizeF(surface));
    // What lies outside the stage is not part of the game: the bands stay white.
    const QRectF stageOnDevice = stageToDevice.mapRect(QRectF(0, 0, kStageWidth, kStageHeight));
    painter.setClipRect(stageOnDevice);
    Frame frame{painter, stageToDevice, stageToDevice.m11(), stageOnDevice, stageOnDevice};
    draw(frame, root, stageToDevice, 1.0, ColorTransform{});
    painter.restore();

    // Forget pictures of objects that no longer exist.
    std::erase_if(cache_, [](const auto& entry) { return entry.second.owner.expired(); });
}

void Renderer::draw(Frame& frame, const DisplayObject& object, const QTransform& parentToDevice, double opacity,
                    const ColorTransform& color) {
    if (!object.visible() || object.isMask()) return;
    opacity *= object.alpha() / 100.0;
    if (opacity <= 0) return;
    const QTransform toDevice = object.transform() * parentToDevice;
    const ColorTransform total = object.colorTransform().isIdentity() ? color : color.compose(object.colorTransform());

    QPainter& painter = frame.painter;
    const bool masked = object.mask() != nullptr || !object.clipRect().isNull();
    const QRectF outerVisible = frame.visibleArea;
    if (masked) {
        painter.save();
        painter.resetTransform();
        if (object.mask()) {
            const QPainterPath shape = frame.stageToDevice.map(object.maskShapeOnStage());
            painter.setClipPath(shape, Qt::IntersectClip);
            frame.visibleArea &= shape.boundingRect();
        }
        if (!object.clipRect().isNull()) {
            painter.setTransform(toDevice);
            painter.setClipRect(object.clipRect(), Qt::IntersectClip);
            painter.resetTransform();
            frame.visibleArea &= toDevice.mapRect(object.clipRect());
        }
    }
    if (!object.filters().empty())
        drawFiltered(frame, object, toDevice, opacity, total);
    else
        drawContent(frame, object, toDevice, opacity, total);
    if (masked) {
        painter.restore();
        frame.visibleArea = outerVisible;
    }
}

void Renderer::drawContent(Frame& frame, const DisplayObject& object, const QTransform& toDevice, double opacity,
                           const ColorTransform& color) {
    QPainter& painter = frame.painter;
    const QRectF own = object.contentBounds();
    if (frame.visibleArea.isEmpty()) return;
    if (!own.isEmpty() && toDevice.mapRect(own).intersects(frame.visibleArea)) {
        painter.setTransform(toDevice);
        painter.setOpacity(opacity);
        object.paint(painter, PaintContext{color, frame.scale});
    } else if (own.isEmpty()) {
        painter.setTransform(toDevice);
        painter.setOpacity(opacity);
        object.paint(painter, PaintContext{color, frame.scale});
    }
    for (DisplayObject* child : object.children()) draw(frame, *child, toDevice, opacity, color);
}

void Renderer::drawFiltered(Frame& frame, const DisplayObject& object, const QTransform& toDevice, double opacity,
                            const ColorTransform& color) {
    if (frame.visibleArea.isEmpty()) return;
    QPointF topLeft;
    QImage picture;
    const QTransform linear(toDevice.m11(), toDevice.m12(), toDevice.m21(), toDevice.m22(), 0, 0);
    CachedPicture* cached = nullptr;
    if (object.filtersCached()) {
        auto it = cache_.find(&object);
        if (it != cache_.end() && !it->second.owner.expired() && it->second.revision == object.revision() &&
            it->second.linear == linear && it->second.color == color &&
            (!it->second.clamped || (it->second.placement == toDevice && it->second.visible == frame.visibleArea))) {
            cached = &it->second;
        }
    }
    if (cached) {
        picture = cached->picture;
        topLeft = cached->offset + QPointF(toDevice.dx(), toDevice.dy());
    } else {
        bool clamped = false;
        picture = filteredPicture(frame, object, toDevice, color, topLeft, clamped);
        if (object.filtersCached()) {
            cache_[&object] = CachedPicture{object.weak_from_this(), object.revision(), linear, toDevice, clamped,
                                            frame.visibleArea, color, picture,
                                            topLeft - QPointF(toDevice.dx(), toDevice.dy())};
        }
    }
    if (picture.isNull()) return;
    QPainter& painter = frame.painter;
    painter.resetTransform();
    painter.setOpacity(opacity);
    // Whole device pixels: a cached picture moved by a fraction would blur.
    painter.drawImage(QPointF(std::round(topLeft.x()), std::round(topLeft.y())), picture);
}

QImage Renderer::filteredPicture(const Frame& outer, const DisplayObject& object, const QTransform& toDevice,
                                 const ColorTransform& color, QPointF& topLeft, bool& clamped) {
    const double scale = outer.scale;
    const double margin = filterMargin(object.filters()) * scale;
    const QRectF whole = toDevice.mapRect(object.subtreeBounds()).adjusted(-margin, -margin, margin, margin);
    // Never more than can be seen through the masks on the way down, plus what the filters pull in
    // from beside it.
    const QRectF area = whole & outer.visibleArea.adjusted(-margin, -margin, margin, margin);
    clamped = area != whole;
    if (area.isEmpty()) return {};
    const QRect pixels = area.toAlignedRect();
    topLeft = pixels.topLeft();
    QImage picture(pixels.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        const QRectF all(QPointF(0, 0), QSizeF(pixels.size()));
        Frame inner{painter, QTransform(), scale, all, all};
        const QTransform shifted = toDevice * QTransform::fromTranslate(-pixels.left(), -pixels.top());
        inner.stageToDevice = outer.stageToDevice * QTransform::fromTranslate(-pixels.left(), -pixels.top());
        drawContent(inner, object, shifted, 1.0, color);
    }
    applyFilters(picture, object.filters(), scale);
    return picture;
}

}  // namespace valdorn
