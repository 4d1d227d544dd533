#include "effects/FigureIcon.h"

#include <QPainterPathStroker>

#include "game/VectorShape.h"

namespace valdorn {
namespace {

const QColor kInk(0x22, 0x22, 0x26);
const QColor kRim(255, 255, 255, 150);  // a faint light rim keeps the figure readable on the dark wall

QPainterPath limb(QPointF from, QPointF to, double width) {
    QPainterPath line(from);
    line.lineTo(to);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(line);
}

}  // namespace

std::shared_ptr<VectorShape> makeFigureIcon() {
    QPainterPath body;
    body.setFillRule(Qt::WindingFill);
    body.addEllipse(QPointF(18, 6.5), 4.2, 4.2);  // head
    QPainterPath torso;
    torso.addRoundedRect(QRectF(13.2, 11.5, 9.6, 12), 3, 3);
    body.addPath(torso);
    body.addPath(limb({14.5, 13.5}, {9.5, 22}, 3.4));   // arms
    body.addPath(limb({21.5, 13.5}, {26.5, 22}, 3.4));
    body.addPath(limb({15.8, 22}, {13.5, 33.5}, 3.8));  // legs
    body.addPath(limb({20.2, 22}, {22.5, 33.5}, 3.8));
    body = body.simplified();
    return makeShape({Fill{body, kInk, QPen(kRim, 0.8)}});
}

}  // namespace valdorn
