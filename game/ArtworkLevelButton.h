#pragma once
// A level button's face: a white 58 x 58 px square with a red frame and its digit in red, centred
// on the origin. The shop's active buttons and the faint locked-level markers both wear it.

#include <memory>

namespace valdorn {

class VectorShape;

inline constexpr double kLevelButtonSide = 58;  // px

std::shared_ptr<VectorShape> makeLevelButtonFace(int level);

}  // namespace valdorn
