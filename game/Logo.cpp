#include "game/Logo.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include "game/ArtworkText.h"
#include "game/Game.h"
#include "game/GameFonts.h"
#include "game/VectorShape.h"

namespace valdorn {
namespace {

// The emblem's circle touches the logo's left, top and bottom edges.
constexpr double kEmblemRadius = kLogoBounds.height() / 2;                             // px
constexpr QPointF kEmblemCentre{kLogoBounds.left() + kEmblemRadius, kLogoBounds.center().y()};
constexpr double kBezel = 13;                                                          // px
constexpr double kOutline = 3;  // px of dark edge outside the lettering
constexpr QRectF kWordBox{-55.5, -83.5, 287.9 + 55.5, 74};        // ink of "VALDORN"; its outline ends at 290.9
constexpr QRectF kBandBox{-58, 12, 250, 54};                      // "SNIPER QUEST" band
constexpr QPointF kBadgeCentre{246, 42};
constexpr double kBadgeRadius = 44;

const QColor kInk(0x14, 0x16, 0x1a);
const QColor kRed(0xd0, 0x10, 0x10);

QRectF around(QPointF centre, double radius) { return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius}; }

// Lettering with a dark edge outside its ink: the edge is the same outline stroked and filled
// underneath, so the letters keep their full width.
void outlined(std::vector<Fill>& fills, const QPainterPath& path, const QBrush& brush, double edge) {
    fills.push_back({path, kInk, QPen(kInk, 2 * edge, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)});
    fills.push_back({path, brush});
}

void emblem(std::vector<Fill>& fills) {
    const QPointF c = kEmblemCentre;
    const double r = kEmblemRadius;
    QLinearGradient metal(c - QPointF(r, r), c + QPointF(r, r));
    metal.setColorAt(0, QColor(0x8a, 0x95, 0xa1));
    metal.setColorAt(0.5, QColor(0x2b, 0x31, 0x39));
    metal.setColorAt(1, QColor(0x0c, 0x0e, 0x11));
    fills.push_back(fillEllipse(around(c, r), kInk));
    fills.push_back(fillEllipse(around(c, r - 3), metal));

    const double lens = r - kBezel;
    QRadialGradient dusk(c - QPointF(0, lens * 0.35), lens * 1.2);
    dusk.setColorAt(0, QColor(0xff, 0xc2, 0x6e));
    dusk.setColorAt(0.45, QColor(0xe0, 0x6a, 0x2a));
    dusk.setColorAt(1, QColor(0x3a, 0x12, 0x10));
    fills.push_back(fillEllipse(around(c, lens), dusk, QPen(kInk, 2)));

    // The tiny figure the player hunts, standing on a roof line under the crosshair.
    QPainterPath roof;
    roof.moveTo(c + QPointF(-lens, 30));
    roof.lineTo(c + QPointF(-20, 22));
    roof.lineTo(c + QPointF(35, 26));
    roof.lineTo(c + QPointF(lens, 18));
    roof.lineTo(c + QPointF(lens, lens));
    roof.lineTo(c + QPointF(-lens, lens));
    roof.closeSubpath();
    QPainterPath lensClip;
    lensClip.addEllipse(around(c, lens - 1));
    fills.push_back({roof.intersected(lensClip), QColor(0x1e, 0x0c, 0x0a)});
    QPainterPath figure;
    figure.addEllipse(around(c + QPointF(0, -10), 6.5));
    figure.moveTo(c + QPointF(-9, -2));
    figure.lineTo(c + QPointF(9, -2));
    figure.lineTo(c + QPointF(6, 15));
    figure.lineTo(c + QPointF(7, 24));
    figure.lineTo(c + QPointF(-7, 24));
    figure.lineTo(c + QPointF(-6, 15));
    figure.closeSubpath();
    fills.push_back({figure, QColor(0x1e, 0x0c, 0x0a)});

    // Crosshair: thin arms that stop short of the centre, with thick posts at the rim.
    const double gap = 16, post = 42;
    for (int quarter = 0; quarter < 4; ++quarter) {
        QTransform turn;
        turn.translate(c.x(), c.y());
        turn.rotate(90.0 * quarter);
        fills.push_back({turn.map([&] {
                             QPainterPath arm;
                             arm.addRect(QRectF(gap, -0.9, lens - gap, 1.8));
                             arm.addRect(QRectF(lens - post, -4, post, 8));
                             return arm;
                         }()),
                         kInk});
    }
    fills.push_back(fillEllipse(around(c, 2.6), QColor(0xff, 0x20, 0x20)));

    // A glint on the glass.
    QPainterPath glint;
    glint.addEllipse(around(c + QPointF(-lens * 0.28, -lens * 0.32), lens * 0.55));
    QPainterPath cut;
    cut.addEllipse(around(c + QPointF(-lens * 0.18, -lens * 0.2), lens * 0.55));
    fills.push_back({glint.subtracted(cut).intersected(lensClip), QColor(255, 255, 255, 70)});
}

void lettering(std::vector<Fill>& fills) {
    QLinearGradient steel(0, kWordBox.top(), 0, kWordBox.bottom());
    steel.setColorAt(0, Qt::white);
    steel.setColorAt(0.55, QColor(0xe6, 0xea, 0xee));
    steel.setColorAt(1, QColor(0xa9, 0xb4, 0xbf));
    outlined(fills, fittedTextPath("VALDORN", fonts::arialBlack(72), kWordBox), steel, kOutline);

    QLinearGradient band(0, kBandBox.top(), 0, kBandBox.bottom());
    band.setColorAt(0, QColor(0xff, 0x8a, 0x2a));
    band.setColorAt(1, QColor(0xd9, 0x4a, 0x00));
    QPainterPath plate;
    plate.addRoundedRect(kBandBox, 9, 9);
    fills.push_back({plate, band, QPen(kInk, 3)});
    fills.push_back({fittedTextPath("SNIPER QUEST", fonts::arialBlack(40), kBandBox.adjusted(12, 11, -12, -11),
                                    Qt::KeepAspectRatio),
                     kInk});
    // A rail joins the emblem to the band, like a scope's mount.
    fills.push_back(fillRect(QRectF(kEmblemCentre.x() + kEmblemRadius - 2, kBandBox.center().y() - 4,
                                    kBandBox.left() - (kEmblemCentre.x() + kEmblemRadius - 2), 8),
                             kInk));

    fills.push_back(fillEllipse(around(kBadgeCentre, kBadgeRadius - 1.5), kRed, QPen(kInk, 3)));
    fills.push_back({[] {
                         QPainterPath ring;
                         ring.addEllipse(around(kBadgeCentre, kBadgeRadius - 7));
                         return ring;
                     }(),
                     Qt::NoBrush, QPen(Qt::white, 3)});
    fills.push_back({fittedTextPath("5", fonts::arialBlack(60), around(kBadgeCentre, 26), Qt::KeepAspectRatio),
                     Qt::white});
}

}  // namespace

std::shared_ptr<VectorShape> makeLogo() {
    std::vector<Fill> fills;
    emblem(fills);
    lettering(fills);
    return makeShape(std::move(fills));
}

std::shared_ptr<VectorShape> makeLogoButton(Game& game, QPointF origin, double scalePercent) {
    auto logo = makeLogo();
    logo->setName("logo");
    logo->setPosition(origin);
    logo->setScale(scalePercent);
    logo->setFilters({DropShadowFilter{QColor(0, 0, 0, 170), 3, 3, 45, 2, 1, 2}});
    logo->onRelease = [&game] { game.openQuestSite(); };
    return logo;
}

}  // namespace valdorn
