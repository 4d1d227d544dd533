#pragma once
// The two backgrounds the screens outside the hunt stand on: the plank texture tiled over the stage
// (loading, final) and a level photograph stretched over the stage and blurred (title, shop,
// level complete). Both are drawn without smoothing, as the pictures were designed to be seen.

#include <QImage>
#include <memory>

#include "game/DisplayObject.h"

namespace valdorn {

class Game;

inline constexpr QPointF kPlankTileOrigin{237.5, 162.5};  // px: one tile's top-left corner

// The 700 x 550 stage filled with `texture` at its own size, one tile's corner at kPlankTileOrigin.
// A missing texture gives dark brown boards' colour instead, so the screen still reads.
std::shared_ptr<DisplayObject> makePlankBackground(const QImage& texture);

// `photo` stretched into `destination`, blurred 5 x 5 px in 3 passes. The blurred picture is cached
// by the renderer, so it costs one blur per window size, not one per frame. A missing photograph
// gives a dark gradient in its place.
std::shared_ptr<DisplayObject> makeBlurredPhoto(const QImage& photo, const QRectF& destination);

// The title screen's blurred level-1 photograph, which the shop shows too: it lives on screens 1 to
// 3 and is created only when it is not already there (coming back from the shop keeps it).
void ensureTitlePhoto(Game& game);

}  // namespace valdorn
