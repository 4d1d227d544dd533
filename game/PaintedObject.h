#pragma once
// Artwork drawn by code each frame (a figure's pose, a particle cloud): the paint function draws in
// local coordinates, the hit function says where it is solid.

#include <functional>

#include "game/DisplayObject.h"

namespace valdorn {

class PaintedObject : public DisplayObject {
public:
    using PaintFunction = std::function<void(QPainter&, const PaintContext&)>;
    using HitFunction = std::function<bool(QPointF)>;

    PaintedObject(PaintFunction paint, QRectF bounds, HitFunction hit = {});

    void setBounds(const QRectF& bounds) { bounds_ = bounds; }
    void paint(QPainter& painter, const PaintContext& context) const override { paint_(painter, context); }
    [[nodiscard]] bool hitsContent(QPointF local) const override { return hit_ && hit_(local); }
    [[nodiscard]] QRectF contentBounds() const override { return bounds_; }

private:
    PaintFunction paint_;
    QRectF bounds_;
    HitFunction hit_;
};

}  // namespace valdorn
