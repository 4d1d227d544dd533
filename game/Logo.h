#pragma once
// The game's logo: a rifle-scope emblem with a tiny figure in its crosshair, the word "VALDORN",
// the band "SNIPER QUEST" and a red "5" badge. Vector artwork 567.45 x 206.75 px at full size,
// from -276.55 to 290.9 horizontally and -104.35 to 102.4 vertically around its origin: every
// screen places it by that origin and a scale, so the extent is part of the contract.
//
// Each call builds a fresh object; the caller gives it its place, scale, filters and handlers.

#include <QRectF>
#include <memory>

namespace valdorn {

class Game;
class VectorShape;

inline constexpr QRectF kLogoBounds{-276.55, -104.35, 567.45, 206.75};  // px at 100 %

std::shared_ptr<VectorShape> makeLogo();

// The logo as the title, shop and level-complete screens use it: named `logo`, with its origin at
// `origin`, scaled, with a small dark drop shadow; a release opens the quest site's address.
std::shared_ptr<VectorShape> makeLogoButton(Game& game, QPointF origin, double scalePercent);

}  // namespace valdorn
