#include "game/ArtworkIcons.h"

#include <QRadialGradient>

#include "game/VectorShape.h"

namespace valdorn {
namespace {

constexpr double kFrame = 3;          // px
constexpr double kInner = kIconSide / 2 - kFrame;
const QColor kRed(0xe0, 0x16, 0x16);

QRectF around(double radius) { return {-radius, -radius, 2 * radius, 2 * radius}; }

QPainterPath ring(double radius, double width) {
    QPainterPath path;
    path.addEllipse(around(radius + width / 2));
    path.addEllipse(around(radius - width / 2));
    return path;
}

// A crosshair of four arms from `from` to `to` px from the centre, `width` px thick.
QPainterPath arms(double from, double to, double width) {
    QPainterPath path;
    path.addRect(QRectF(from, -width / 2, to - from, width));
    path.addRect(QRectF(-to, -width / 2, to - from, width));
    path.addRect(QRectF(-width / 2, from, width, to - from));
    path.addRect(QRectF(-width / 2, -to, width, to - from));
    return path;
}

void scopeSize(std::vector<Fill>& fills, int level) {
    const double r = 7 + 3.6 * (level - 1);  // px: 7 at level 1 .. 25 at level 6
    fills.push_back(fillRect(around(kInner), Qt::white));
    fills.push_back({ring(r, 2), Qt::black});
    fills.push_back({arms(r * 0.25, r + 2, 1.2), Qt::black});
}

void zoom(std::vector<Fill>& fills, int level) {
    const double r = 6 + 3.6 * (level - 1);  // px: 6 .. 24
    fills.push_back(fillRect(around(kInner), Qt::black));
    fills.push_back(fillEllipse(around(r), Qt::white));
    fills.push_back({arms(0, r, 1), Qt::black});
}

// The four reticles of the scope: 1 thin arms short of the centre; 2 a thin cross with thick
// posts left and right; 3 posts on all arms and a double circle; 4 broken rings and a red dot.
void scopeStyle(std::vector<Fill>& fills, int style) {
    constexpr double r = 24;
    QRadialGradient glass(QPointF(-6, -8), r * 1.4);
    glass.setColorAt(0, QColor(0xe8, 0xf2, 0xf8));
    glass.setColorAt(1, QColor(0x8c, 0xa6, 0xb8));
    fills.push_back(fillRect(around(kInner), Qt::white));
    fills.push_back(fillEllipse(around(r), glass));
    const QColor dark(0, 0, 0, 220);
    if (style == 1) {
        fills.push_back({arms(5, r, 1), dark});
    } else {
        fills.push_back({arms(0, r, 0.8), dark});
        QPainterPath posts;
        posts.addRect(QRectF(r * 0.55, -2, r * 0.45, 4));
        posts.addRect(QRectF(-r, -2, r * 0.45, 4));
        if (style >= 3) {
            posts.addRect(QRectF(-2, r * 0.55, 4, r * 0.45));
            posts.addRect(QRectF(-2, -r, 4, r * 0.45));
        }
        fills.push_back({posts, dark});
    }
    if (style == 3) {
        fills.push_back({ring(6, 0.9), dark});
        fills.push_back({ring(9, 0.9), dark});
    } else if (style == 4) {
        QPainterPath gaps = arms(0, r, 5);
        fills.push_back({ring(7, 1).subtracted(gaps), dark});
        fills.push_back({ring(11, 1).subtracted(gaps), dark});
        fills.push_back(fillEllipse(around(2.2), QColor(0xff, 0x30, 0x30, 120)));
        fills.push_back(fillEllipse(around(1.2), QColor(0xff, 0x00, 0x00)));
    }
    fills.push_back({ring(r, 2), QColor(0x33, 0x33, 0x33)});
}

}  // namespace

std::shared_ptr<VectorShape> makeUpgradeIcon(UpgradeIcon icon, int level) {
    std::vector<Fill> fills;
    switch (icon) {
        case UpgradeIcon::ScopeSize: scopeSize(fills, level); break;
        case UpgradeIcon::Zoom: zoom(fills, level); break;
        case UpgradeIcon::ScopeStyle: scopeStyle(fills, level); break;
    }
    QPainterPath frame;
    frame.addRect(around(kIconSide / 2));
    frame.addRect(around(kInner));
    fills.push_back({frame, kRed});
    return makeShape(std::move(fills));
}

}  // namespace valdorn
