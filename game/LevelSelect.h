#pragma once
// The shop's level select `lvls`: a clip at (350, 125) holding the six level buttons, whose frame
// is the number of active buttons (1 to 6): buttons 1 to that number show and take clicks, the
// rest are hidden so the faint markers behind them show through. A button grows to 68 px while
// the pointer is over it; a release on button k stops every sound and enters hunt level k.

#include <memory>

#include "game/Clip.h"
#include "game/SharedVariables.h"

namespace valdorn {

class Game;

// How many level buttons `pask` makes active: `pask` when it is 2 to 6, else (unset, 1 or anything
// else) only the first.
int activeLevelButtons(const Value& pask);

std::shared_ptr<Clip> makeLevelSelect(Game& game);

// The faint copies of buttons 2 to 6 behind the level select, at 25 % opacity.
std::shared_ptr<DisplayObject> makeLockedMarkers();

}  // namespace valdorn
