#include "game/LevelCompleteScreen.h"

#include "game/Game.h"
#include "game/Progress.h"

namespace valdorn {

void LevelCompleteScreen::enter(Game& game, int) {
    unlockLevel(game, level_ + 1);
    game.setCursorVisible(true);
}

}  // namespace valdorn
