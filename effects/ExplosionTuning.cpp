#include "effects/ExplosionTuning.h"

#include "effects/ParticleBurst.h"
#include "game/Game.h"

namespace valdorn {

void installExplosionState(Game& game) {
    for (const ExplosionTuningValue& value : kExplosionTuning) game.vars().set(value.name, value.value);
    game.setParticleCounter([&game] {
        int alive = 0;
        for (DisplayObject* object : game.root().children())
            if (auto* burst = dynamic_cast<ParticleBurst*>(object)) alive += static_cast<int>(burst->particles().size());
        return alive;
    });
}

double explosionTuning(const Game& game, const ExplosionTuningValue& value) {
    return game.vars().get(value.name).value_or(value.value);
}

}  // namespace valdorn
