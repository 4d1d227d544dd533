#include "hunt/HuntScreen.h"

#include "game/Game.h"

namespace valdorn {

void HuntScreen::enter(Game&, int) {}

}  // namespace valdorn
