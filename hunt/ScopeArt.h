#pragma once
// The scope view's artwork, in the view's own units (one unit is 1.50685 stage px), each centred on
// its origin. Vector shapes, so the scope stays crisp at any window size; the bevelled parts are
// static and cached by the renderer.

#include <memory>

#include "game/Bitmap.h"
#include "game/Clip.h"
#include "game/VectorShape.h"

class QImage;

namespace valdorn {

inline constexpr int kScopeStyles = 4;
inline constexpr double kWindowDiameter = 67;  // units, before the `zoomsize` growth
inline constexpr double kScopeArtSize = 70;    // units, before the `zoomsize` growth

// The rifle, 150.55 x 478.95 units around its origin; the telescope end lies at the scope's centre
// once placed. A null picture draws nothing.
std::shared_ptr<Bitmap> makeRifle(const QImage& picture);
// The octagonal body, 117.4 x 114.8 units, filled with the metal texture turned 90 degrees (grey when
// the texture is missing), darkened and bevelled.
std::shared_ptr<VectorShape> makeScopeBody(const QImage& metal);
// A plain disc of `diameter` units, black; also serves as the window mask.
std::shared_ptr<VectorShape> makeDisc(double diameter);
// The scope art `scope`: ring, glass and reticle, 70 units across, one style per frame (1..4),
// stopped on frame 1.
std::shared_ptr<Clip> makeScopeArt();

}  // namespace valdorn
