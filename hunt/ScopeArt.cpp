#include "hunt/ScopeArt.h"

#include <QImage>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>

namespace valdorn {
namespace {

constexpr double kRifleWidth = 150.55, kRifleHeight = 478.95;  // units
constexpr double kBodyWidth = 117.4, kBodyHeight = 114.8;      // units
constexpr int kDarken = 102;                                    // /256, the metal's and the ring's tint
constexpr double kGlassRadius = kWindowDiameter / 2;            // units, in the art's 70-unit frame
constexpr double kRingWidth = (kScopeArtSize - kWindowDiameter) / 2;

// Reticle line tones: a dark line with a light one beside it, so it reads on dark and light photos.
const QColor kDark(0, 0, 0, 220);
const QColor kLight(255, 255, 255, 95);
constexpr double kThin = 0.45;   // units
constexpr double kPost = 2.6;    // units
constexpr double kPostFrom = 13;  // units from the centre

QPolygonF octagon(double width, double height) {
    const double sideX = width / (1 + std::sqrt(2.0)) / 2, sideY = height / (1 + std::sqrt(2.0)) / 2;
    const double w = width / 2, h = height / 2;
    return QPolygonF({{-sideX, -h}, {sideX, -h}, {w, -sideY}, {w, sideY}, {sideX, h}, {-sideX, h}, {-w, sideY},
                      {-w, -sideY}});
}

// An axis-aligned bar from `a` to `b`, `width` thick, with its light twin beside it (below a
// horizontal bar, right of a vertical one).
void bar(std::vector<Fill>& fills, QPointF a, QPointF b, double width) {
    const bool horizontal = a.y() == b.y();
    const QRectF line = horizontal ? QRectF(QPointF(std::min(a.x(), b.x()), a.y() - width / 2),
                                            QSizeF(std::abs(b.x() - a.x()), width))
                                   : QRectF(QPointF(a.x() - width / 2, std::min(a.y(), b.y())),
                                            QSizeF(width, std::abs(b.y() - a.y())));
    fills.push_back(fillRect(line, kDark));
    const double twin = std::max(kThin * 0.8, width * 0.3);
    fills.push_back(fillRect(horizontal ? QRectF(line.left(), line.bottom(), line.width(), twin)
                                        : QRectF(line.right(), line.top(), twin, line.height()),
                             kLight));
}

// Four arms along the axes from `from` to `to` units off the centre.
void arms(std::vector<Fill>& fills, double from, double to, double width, bool vertical = true) {
    bar(fills, {-to, 0}, {-from, 0}, width);
    bar(fills, {from, 0}, {to, 0}, width);
    if (!vertical) return;
    bar(fills, {0, -to}, {0, -from}, width);
    bar(fills, {0, from}, {0, to}, width);
}

void ring(std::vector<Fill>& fills, double radius, double width, double spanDegrees = 360, int pieces = 1) {
    for (int i = 0; i < pieces; ++i) {
        QPainterPath path;
        const QRectF box(-radius, -radius, 2 * radius, 2 * radius);
        const double start = 45 - spanDegrees / 2 + i * 360.0 / pieces;
        path.arcMoveTo(box, start);
        path.arcTo(box, start, spanDegrees);
        fills.push_back({path, Qt::NoBrush, QPen(kDark, width, Qt::SolidLine, Qt::FlatCap)});
        QPainterPath outer;
        const QRectF outerBox = box.adjusted(-width, -width, width, width);
        outer.arcMoveTo(outerBox, start);
        outer.arcTo(outerBox, start, spanDegrees);
        fills.push_back({outer, Qt::NoBrush, QPen(kLight, width * 0.8, Qt::SolidLine, Qt::FlatCap)});
    }
}

std::vector<Fill> reticle(int style) {
    std::vector<Fill> fills;
    switch (style) {
        case 1:
            arms(fills, 5, kGlassRadius, kThin);
            break;
        case 2:
            bar(fills, {-kGlassRadius, 0}, {kGlassRadius, 0}, kThin);
            bar(fills, {0, -kGlassRadius}, {0, kGlassRadius}, kThin);
            arms(fills, kPostFrom, kGlassRadius, kPost, /*vertical=*/false);
            break;
        default:  // 3 and 4
            bar(fills, {-kGlassRadius, 0}, {kGlassRadius, 0}, kThin);
            bar(fills, {0, -kGlassRadius}, {0, kGlassRadius}, kThin);
            arms(fills, kPostFrom, kGlassRadius, kPost);
            if (style == 3) {
                ring(fills, 5, kThin);
                ring(fills, 6.4, kThin);
            } else {
                ring(fills, 8, kThin, 60, 4);
                ring(fills, 10.5, kThin, 60, 4);
            }
    }
    return fills;
}

// A faint glass: a radial gradient white - black - white at 20 %, centred off the middle so the
// glass looks lit from one side.
std::shared_ptr<VectorShape> glass(int style) {
    struct Glass {
        double diameter, cx, cy, darkStop;  // units, units, units, fraction of the radius
        int centreAlpha;                    // 0..255
    };
    static constexpr Glass kGlass[kScopeStyles] = {
        {96, 9.75, 16.15, 0.85, 51}, {96, 9.75, 16.15, 0.85, 51}, {67, 0, 2, 0.88, 51}, {74, 0.35, 3.5, 0.88, 26}};
    const Glass& g = kGlass[style - 1];
    QRadialGradient gradient(QPointF(g.cx, g.cy), g.diameter / 2);
    gradient.setColorAt(0, QColor(255, 255, 255, g.centreAlpha));
    gradient.setColorAt(g.darkStop, QColor(0, 0, 0, 51));
    gradient.setColorAt(1, QColor(255, 255, 255, 51));
    return makeShape({fillEllipse(QRectF(-kGlassRadius, -kGlassRadius, 2 * kGlassRadius, 2 * kGlassRadius),
                                  QBrush(gradient))});
}

std::shared_ptr<DisplayObject> style(int number) {
    auto group = std::make_shared<DisplayObject>();
    group->add(glass(number));
    group->add(makeShape(reticle(number)));
    if (number == 4) {
        auto dot = group->add(makeShape({fillEllipse(QRectF(-0.6, -0.6, 1.2, 1.2), QColor(255, 0, 0))}));
        dot->setFilters({GlowFilter{QColor(255, 0, 0), 2, 2, 1}});
    }
    return group;
}

std::shared_ptr<VectorShape> rimRing() {
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), kScopeArtSize / 2, kScopeArtSize / 2);
    path.addEllipse(QPointF(0, 0), kScopeArtSize / 2 - kRingWidth, kScopeArtSize / 2 - kRingWidth);
    auto ringShape = makeShape({{path, QColor(0x33, 0x33, 0x33)}});
    ringShape->setColorTransform(ColorTransform::tint(kDarken));
    ringShape->setFilters({BevelFilter{QColor(0x66, 0x66, 0x66), Qt::white, 5, 5, 45, 5, 1, 1, true}});
    return ringShape;
}

}  // namespace

std::shared_ptr<Bitmap> makeRifle(const QImage& picture) {
    return std::make_shared<Bitmap>(
        picture, QRectF(-kRifleWidth / 2, -kRifleHeight / 2, kRifleWidth, kRifleHeight), /*smooth=*/true);
}

std::shared_ptr<VectorShape> makeScopeBody(const QImage& metal) {
    QBrush brush(QColor(140, 140, 140));
    if (!metal.isNull()) brush = QBrush(metal.transformed(QTransform().rotate(90)));
    auto body = makeShape({fillPolygon(octagon(kBodyWidth, kBodyHeight), brush)});
    body->setSmoothTextures(false);
    body->setColorTransform(ColorTransform::tint(kDarken));
    const QColor edge(0x33, 0x33, 0x33);
    body->setFilters({BevelFilter{edge, edge, 5, 5, 45, 5, 1, 1, true}});
    return body;
}

std::shared_ptr<VectorShape> makeDisc(double diameter) {
    return makeShape({fillEllipse(QRectF(-diameter / 2, -diameter / 2, diameter, diameter), Qt::black)});
}

std::shared_ptr<Clip> makeScopeArt() {
    auto art = std::make_shared<Clip>(kScopeStyles);
    art->setName("scope");
    std::vector<DisplayObject*> styles;
    for (int number = 1; number <= kScopeStyles; ++number) styles.push_back(art->add(style(number)).get());
    art->add(rimRing());
    art->onFrameEntered = [styles](int frame) {
        for (int i = 0; i < kScopeStyles; ++i) styles[i]->setVisible(i + 1 == frame);
    };
    art->gotoAndStop(1);
    for (int i = 0; i < kScopeStyles; ++i) styles[i]->setVisible(i == 0);
    return art;
}

}  // namespace valdorn
