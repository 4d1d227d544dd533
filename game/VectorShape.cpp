#include "game/VectorShape.h"

#include <QPainter>
#include <QPainterPathStroker>

namespace valdorn {
namespace {

QGradient tintedGradient(const QGradient& gradient, const ColorTransform& color) {
    QGradient copy = gradient;
    QGradientStops stops = gradient.stops();
    for (auto& stop : stops) stop.second = color.apply(stop.second);
    copy.setStops(stops);
    return copy;
}

}  // namespace

VectorShape::VectorShape(std::vector<Fill> fills) : fills_(std::move(fills)) {}

void VectorShape::setFills(std::vector<Fill> fills) {
    fills_ = std::move(fills);
    tintedTextures_.clear();
    markChanged();
}

void VectorShape::addFill(Fill fill) {
    fills_.push_back(std::move(fill));
    tintedTextures_.clear();
    markChanged();
}

QBrush VectorShape::tinted(const QBrush& brush, const ColorTransform& color) const {
    if (color.isIdentity()) return brush;
    QBrush out = brush;
    switch (brush.style()) {
        case Qt::LinearGradientPattern:
        case Qt::RadialGradientPattern:
        case Qt::ConicalGradientPattern: {
            out = QBrush(tintedGradient(*brush.gradient(), color));
            out.setTransform(brush.transform());
            break;
        }
        case Qt::TexturePattern: {
            if (!(textureTint_ == color)) {
                tintedTextures_.clear();
                textureTint_ = color;
            }
            // Tinted textures are made once per tint: the tint of static art never changes per tick.
            const QImage source = brush.textureImage();
            auto cached = tintedTextures_.find(source.cacheKey());
            if (cached == tintedTextures_.end())
                cached = tintedTextures_.emplace(source.cacheKey(), color.apply(source)).first;
            const QImage& tintedImage = cached->second;
            out.setTextureImage(tintedImage);
            out.setTransform(brush.transform());
            break;
        }
        case Qt::NoBrush:
            break;
        default:
            out.setColor(color.apply(brush.color()));
    }
    return out;
}

void VectorShape::paint(QPainter& painter, const PaintContext& context) const {
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smoothTextures_);
    for (const Fill& fill : fills_) {
        QPen pen = fill.pen;
        if (pen.style() != Qt::NoPen) pen.setColor(context.color.apply(pen.color()));
        painter.setPen(pen);
        painter.setBrush(tinted(fill.brush, context.color));
        painter.drawPath(fill.path);
    }
}

bool VectorShape::hitsContent(QPointF local) const {
    for (const Fill& fill : fills_) {
        if (fill.brush.style() != Qt::NoBrush && fill.path.contains(local)) return true;
        if (fill.pen.style() != Qt::NoPen) {
            QPainterPathStroker stroker(fill.pen);
            if (stroker.createStroke(fill.path).contains(local)) return true;
        }
    }
    return false;
}

QRectF VectorShape::contentBounds() const {
    QRectF bounds;
    for (const Fill& fill : fills_) {
        const double pad = fill.pen.style() == Qt::NoPen ? 0 : fill.pen.widthF() / 2;
        const QRectF b = fill.path.boundingRect().adjusted(-pad, -pad, pad, pad);
        bounds = bounds.isEmpty() ? b : bounds.united(b);
    }
    return bounds;
}

QPainterPath VectorShape::contentShape() const {
    QPainterPath shape;
    for (const Fill& fill : fills_) shape.addPath(fill.path);
    return shape;
}

Fill fillRect(const QRectF& rect, const QBrush& brush, const QPen& pen) {
    QPainterPath path;
    path.addRect(rect);
    return {path, brush, pen};
}

Fill fillEllipse(const QRectF& rect, const QBrush& brush, const QPen& pen) {
    QPainterPath path;
    path.addEllipse(rect);
    return {path, brush, pen};
}

Fill fillPolygon(const QPolygonF& polygon, const QBrush& brush, const QPen& pen) {
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return {path, brush, pen};
}

std::shared_ptr<VectorShape> makeShape(std::vector<Fill> fills) {
    return std::make_shared<VectorShape>(std::move(fills));
}

}  // namespace valdorn
