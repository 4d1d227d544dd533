#include "game/FinalScreen.h"

#include "game/Game.h"

namespace valdorn {

void FinalScreen::enter(Game& game, int) {
    game.stopAllSounds();
    game.setCursorVisible(true);
}

}  // namespace valdorn
