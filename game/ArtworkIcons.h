#pragma once
// The pictures in the shop's icon squares: one per upgrade and level. A red-framed 58 x 58 px
// square centred on the origin, showing what the level gives: the scope's size (a black
// crosshair circle that grows), the zoom (a white disc with a crosshair on black that grows) or
// the reticle of the scope style.

#include <memory>

namespace valdorn {

class VectorShape;

enum class UpgradeIcon { ScopeSize, Zoom, ScopeStyle };

inline constexpr double kIconSide = 58;  // px

// `level`: 1 to 6 (scope size, zoom) or 1 to 4 (style).
std::shared_ptr<VectorShape> makeUpgradeIcon(UpgradeIcon icon, int level);

}  // namespace valdorn
