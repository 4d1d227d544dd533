#include "game/TitleScreen.h"

#include "game/Game.h"
#include "game/Progress.h"

namespace valdorn {

void TitleScreen::enter(Game& game, int) { loadUnlockedLevel(game); }

}  // namespace valdorn
