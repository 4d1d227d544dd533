#include "game/ArtworkDisc.h"

#include "game/ArtworkText.h"
#include "game/GameFonts.h"
#include "game/VectorShape.h"

namespace valdorn {
namespace {

constexpr double kLabelPx = 34;
constexpr QRectF kDisc{-kDiscDiameter / 2, -kDiscDiameter / 2, kDiscDiameter, kDiscDiameter};

QPainterPath labelPath(const QString& label) {
    // A little above the centre: handwriting sits low on its baseline.
    return centredTextPath(label, fonts::handwriting(kLabelPx), QPointF(0, -2));
}

}  // namespace

std::shared_ptr<DisplayObject> makeDiscFace(const QString& label, const QColor& discColor, const QColor& labelColor) {
    auto face = std::make_shared<DisplayObject>();
    auto disc = face->add(makeShape({fillEllipse(kDisc, discColor)}));
    // Bevel first, so the glow does not get bevelled edges of its own.
    disc->setFilters({BevelFilter{QColor(255, 255, 255, 200), QColor(0, 0, 0, 150), 6, 6, 45, 4, 1, 2, true},
                      GlowFilter{QColor(255, 255, 255, 190), 10, 10, 1.4, 2}});
    face->add(makeShape({{labelPath(label), labelColor}}));
    return face;
}

QRectF discLabelBounds(const QString& label) { return labelPath(label).boundingRect(); }

}  // namespace valdorn
