#pragma once
// The final screen's block of links to other games: a heading over a row of six framed
// thumbnails (the quest's hunting photographs) in the band x 58.5 to 651.45, y 217 to 316. It
// draws only; the final screen's links area in front of it takes the clicks.

#include <memory>

#include "game/DisplayObject.h"

namespace valdorn {

class AssetLibrary;

inline constexpr QRectF kLinksBand{58.5, 217, 592.95, 99};  // px

std::shared_ptr<DisplayObject> makeLinksBlock(const AssetLibrary& assets);

}  // namespace valdorn
