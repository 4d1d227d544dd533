#pragma once
// The progress bar's icon: a small dark standing figure, vector art in a 36 x 36 px square whose
// top-left corner is the origin; transparent around the figure.

#include <memory>

namespace valdorn {

class VectorShape;

inline constexpr double kFigureIconSize = 36;  // px at 100 %

std::shared_ptr<VectorShape> makeFigureIcon();

}  // namespace valdorn
