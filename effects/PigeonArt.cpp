#include "effects/PigeonArt.h"

#include <QLinearGradient>

namespace valdorn {
namespace {

const QColor kBody(0x8a, 0x90, 0x9c);
const QColor kWing(0x6c, 0x72, 0x80);
const QColor kDark(0x3a, 0x3d, 0x45);
const QColor kNeck(0x5d, 0x7a, 0x6e);  // the green sheen of the neck
const QColor kBeak(0xd9, 0xa0, 0x7a);
const QColor kEye(0xe8, 0x6a, 0x10);

QPainterPath polygonPath(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

Fill pathFill(const QPainterPath& path, const QBrush& brush) { return {path, brush, Qt::NoPen}; }

std::vector<Fill> head(QPointF centre, double radius) {
    std::vector<Fill> fills;
    fills.push_back(fillEllipse(QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)), kBody));
    fills.push_back(pathFill(polygonPath({centre + QPointF(radius * 0.8, -radius * 0.2),
                                          centre + QPointF(radius * 1.8, radius * 0.15),
                                          centre + QPointF(radius * 0.8, radius * 0.35)}),
                             kBeak));
    const double eye = radius * 0.22;
    fills.push_back(fillEllipse(QRectF(centre + QPointF(radius * 0.25 - eye, -radius * 0.3 - eye), QSizeF(2 * eye, 2 * eye)),
                                kEye));
    return fills;
}

}  // namespace

std::shared_ptr<VectorShape> makePerchedPigeon() {
    // Spans about x -103..103, y -80.5..80.5.
    std::vector<Fill> fills;
    fills.push_back(pathFill(polygonPath({{-103, 10}, {-55, -8}, {-40, 22}, {-98, 34}}), kDark));  // tail
    QLinearGradient bodyShade(QPointF(0, -40), QPointF(0, 60));
    bodyShade.setColorAt(0, kBody.lighter(115));
    bodyShade.setColorAt(1, kBody.darker(120));
    fills.push_back(fillEllipse(QRectF(-70, -30, 140, 88), bodyShade));                       // body
    fills.push_back(pathFill(polygonPath({{-62, 0}, {10, -22}, {40, 6}, {-20, 32}}), kWing));  // folded wing
    fills.push_back(pathFill(polygonPath({{-30, 6}, {0, 2}, {-10, 16}}), kDark));              // wing bars
    fills.push_back(pathFill(polygonPath({{-16, 16}, {14, 10}, {4, 24}}), kDark));
    fills.push_back(fillEllipse(QRectF(30, -52, 44, 60), kNeck));                              // neck
    for (const Fill& f : head({62, -56}, 24)) fills.push_back(f);
    fills.push_back(pathFill(polygonPath({{-6, 50}, {-2, 50}, {-4, 80}, {-14, 80.5}}), kBeak.darker(130)));  // legs
    fills.push_back(pathFill(polygonPath({{16, 50}, {20, 50}, {18, 80}, {8, 80.5}}), kBeak.darker(130)));
    return makeShape(std::move(fills));
}

std::shared_ptr<VectorShape> makeFlyingPigeon(bool wingsUp) {
    std::vector<Fill> fills;
    if (wingsUp) {
        // About 268 x 277: wings raised high above the body, which covers the origin.
        fills.push_back(pathFill(polygonPath({{-20, -35}, {-110, -165}, {-60, -183}, {30, -45}}), kWing));
        fills.push_back(pathFill(polygonPath({{10, -40}, {60, -175}, {110, -179}, {50, -25}}), kWing.darker(110)));
        fills.push_back(pathFill(polygonPath({{-134, 45}, {-80, 5}, {-70, 35}, {-126, 73}}), kDark));  // tail
        fills.push_back(fillEllipse(QRectF(-90, -25, 170, 70), kBody));
        fills.push_back(fillEllipse(QRectF(60, -37, 40, 46), kNeck));
        for (const Fill& f : head({100, -27}, 22)) fills.push_back(f);
        fills.push_back(pathFill(polygonPath({{-20, 40}, {0, 40}, {-10, 94}}), kDark));  // tucked feet
    } else {
        // x -111..134, y -48.4..165.5: wings swept down under the body.
        fills.push_back(pathFill(polygonPath({{-111, 16}, {-66, -4}, {-56, 30}, {-104, 44}}), kDark));  // tail
        fills.push_back(fillEllipse(QRectF(-74, -20, 160, 64), kBody));
        fills.push_back(fillEllipse(QRectF(68, -38, 38, 44), kNeck));
        for (const Fill& f : head({108, -26}, 22)) fills.push_back(f);
        fills.push_back(pathFill(polygonPath({{-30, 10}, {-60, 150}, {-20, 165.5}, {30, 20}}), kWing));
        fills.push_back(pathFill(polygonPath({{10, 10}, {40, 140}, {80, 150}, {50, 10}}), kWing.darker(110)));
    }
    return makeShape(std::move(fills));
}

}  // namespace valdorn
