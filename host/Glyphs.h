#pragma once
// The pictures on the windows' buttons, drawn in code: 18 x 18 pixels, each with a greyed copy for
// the disabled state.

#include <QIcon>
#include <QSize>

namespace valdorn::glyphs {

inline constexpr QSize kGlyphSize{18, 18};

// A green check mark: the OK buttons.
[[nodiscard]] QIcon checkMark();
// An open door: the gate's Close button.
[[nodiscard]] QIcon openDoor();

}  // namespace valdorn::glyphs
