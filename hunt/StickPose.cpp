#include "hunt/StickPose.h"

#include <QPainterPathStroker>
#include <cmath>
#include <numbers>

namespace valdorn {
namespace {

QPointF mix(QPointF a, QPointF b, double t) { return a + (b - a) * t; }

QPainterPath stroke(const std::vector<QPointF>& points, double width) {
    QPainterPath line;
    line.moveTo(points.front());
    for (size_t i = 1; i < points.size(); ++i) line.lineTo(points[i]);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line);
}

}  // namespace

StickPose StickPose::blend(const StickPose& a, const StickPose& b, double t) {
    StickPose p;
    p.head = mix(a.head, b.head, t);
    p.headRadius = a.headRadius + (b.headRadius - a.headRadius) * t;
    p.neck = mix(a.neck, b.neck, t);
    p.hips = mix(a.hips, b.hips, t);
    p.leftElbow = mix(a.leftElbow, b.leftElbow, t);
    p.leftHand = mix(a.leftHand, b.leftHand, t);
    p.rightElbow = mix(a.rightElbow, b.rightElbow, t);
    p.rightHand = mix(a.rightHand, b.rightHand, t);
    p.leftKnee = mix(a.leftKnee, b.leftKnee, t);
    p.leftFoot = mix(a.leftFoot, b.leftFoot, t);
    p.rightKnee = mix(a.rightKnee, b.rightKnee, t);
    p.rightFoot = mix(a.rightFoot, b.rightFoot, t);
    p.rifleButt = mix(a.rifleButt, b.rifleButt, t);
    p.rifleMuzzle = mix(a.rifleMuzzle, b.rifleMuzzle, t);
    p.limbWidth = a.limbWidth + (b.limbWidth - a.limbWidth) * t;
    p.bodyWidth = a.bodyWidth + (b.bodyWidth - a.bodyWidth) * t;
    return p;
}

StickPose StickPose::moved(QPointF offset) const {
    StickPose p = *this;
    for (QPointF* point : {&p.head, &p.neck, &p.hips, &p.leftElbow, &p.leftHand, &p.rightElbow, &p.rightHand,
                           &p.leftKnee, &p.leftFoot, &p.rightKnee, &p.rightFoot, &p.rifleButt, &p.rifleMuzzle})
        *point += offset;
    return p;
}

StickPose poseAt(const std::vector<PoseKey>& keys, int frame, int frameCount) {
    if (keys.size() == 1) return keys.front().pose;
    for (size_t i = 0; i < keys.size(); ++i) {
        const PoseKey& from = keys[i];
        const bool last = i + 1 == keys.size();
        const int toFrame = last ? keys.front().frame + frameCount : keys[i + 1].frame;
        const StickPose& to = last ? keys.front().pose : keys[i + 1].pose;
        int f = frame;
        if (last && f < from.frame) f += frameCount;
        if (f >= from.frame && f < toFrame) {
            const double t = double(f - from.frame) / (toFrame - from.frame);
            const double eased = (1 - std::cos(t * std::numbers::pi)) / 2;  // ease in and out
            return StickPose::blend(from.pose, to, eased);
        }
    }
    return keys.front().pose;
}

QPainterPath bodyOutline(const StickPose& p) {
    QPainterPath outline;
    outline.setFillRule(Qt::WindingFill);
    outline.addEllipse(p.head, p.headRadius, p.headRadius);
    outline.addPath(stroke({p.neck, p.hips}, p.bodyWidth));
    outline.addPath(stroke({p.head, p.neck}, p.limbWidth * 0.8));
    outline.addPath(stroke({p.neck, p.leftElbow, p.leftHand}, p.limbWidth));
    outline.addPath(stroke({p.neck, p.rightElbow, p.rightHand}, p.limbWidth));
    outline.addPath(stroke({p.hips, p.leftKnee, p.leftFoot}, p.limbWidth * 1.1));
    outline.addPath(stroke({p.hips, p.rightKnee, p.rightFoot}, p.limbWidth * 1.1));
    if (p.rifleButt != p.rifleMuzzle) {
        // Stock, barrel and a small scope on top.
        const QLineF gun(p.rifleButt, p.rifleMuzzle);
        QLineF stock = gun;
        stock.setLength(gun.length() * 0.3);
        outline.addPath(stroke({stock.p1(), stock.p2()}, p.limbWidth * 0.9));
        outline.addPath(stroke({p.rifleButt, p.rifleMuzzle}, p.limbWidth * 0.45));
        QLineF sight = gun;
        sight.setLength(gun.length() * 0.55);
        const QPointF up = QLineF(sight.p2(), sight.p1()).normalVector().unitVector().p2() - sight.p2();
        const QPointF lift = up * p.limbWidth * 0.55;
        QLineF scopeStart = gun;
        scopeStart.setLength(gun.length() * 0.35);
        outline.addPath(stroke({scopeStart.p2() + lift, sight.p2() + lift}, p.limbWidth * 0.45));
    }
    // Overlapping parts stay separate subpaths: the winding fill draws and hit-tests their union
    // without a costly boolean merge.
    return outline;
}

QPainterPath capOutline(const StickPose& p, bool facingLeft) {
    const double r = p.headRadius;
    QPainterPath cap;
    cap.setFillRule(Qt::WindingFill);
    // The crown: the upper half of an ellipse over the head, cut flat at the brim line.
    const QRectF crown(p.head.x() - r * 1.05, p.head.y() - r * 1.15, r * 2.1, r * 1.3);
    cap.moveTo(crown.left(), crown.center().y());
    cap.arcTo(crown, 180, -180);
    cap.closeSubpath();
    // The peak, to the side the figure faces.
    cap.addRoundedRect(QRectF(p.head.x() + (facingLeft ? -r * 1.7 : r * 0.1), p.head.y() - r * 0.55, r * 1.6,
                              r * 0.35),
                       r * 0.15, r * 0.15);
    return cap;
}

}  // namespace valdorn
