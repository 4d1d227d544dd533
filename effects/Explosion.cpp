#include "effects/Explosion.h"

#include "game/Clip.h"
#include "game/Game.h"

namespace valdorn {

void plahvatus(Game& game) {
    if (auto* donebar = game.root().childAs<Clip>("donebar")) donebar->nextFrameAndStop();
    // The particle burst at game.pointer() joins here with the particle system.
}

}  // namespace valdorn
