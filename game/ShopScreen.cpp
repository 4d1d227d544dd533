#include "game/ShopScreen.h"

#include "game/Game.h"

namespace valdorn {

void ShopScreen::enter(Game& game, int) {
    game.setCursorVisible(true);
    game.stopAllSounds();
}

}  // namespace valdorn
