#include "effects/Explosion.h"

#include <algorithm>
#include <cmath>

#include "effects/ExplosionTuning.h"
#include "effects/ParticleBurst.h"
#include "game/AssetLibrary.h"
#include "game/Clip.h"
#include "game/Game.h"

namespace valdorn {
namespace {

int randomWhole(Game& game, int count) {
    return std::min(count - 1, static_cast<int>(std::floor(game.services().random() * count)));
}

}  // namespace

ParticleBurst& createExplosion(Game& game, double targetX, double targetY) {
    const int total = static_cast<int>(explosionTuning(game, kParticleTotal));
    const double maxSpeed = explosionTuning(game, kParticleMaxSpeed);
    const double fade = explosionTuning(game, kParticleFadeSpeed);
    const double range = explosionTuning(game, kParticleRange);
    Services& services = game.services();

    std::vector<Particle> particles;
    particles.reserve(static_cast<size_t>(std::max(total, 0)));
    for (int i = 0; i < total; ++i) {
        Particle p{targetX, targetY, 0, 0, 0, 0, 0};
        p.rotation = randomWhole(game, 360);
        p.alpha = 50 + randomWhole(game, 50);
        const double u1 = services.random(), u2 = services.random();
        const double u3 = services.random(), u4 = services.random();
        const double u5 = services.random();
        p.speedX = (u1 - u2) * maxSpeed;
        p.speedY = (u3 - u4) * maxSpeed;
        p.fadeSpeed = u5 * fade;
        particles.push_back(p);
    }
    QImage dot = game.assets().image("fire.jpg");
    if (dot.isNull()) dot = builtInFireDot();
    const ParticleBox box{targetX - range, targetX + range, targetY - range, targetY + range};
    auto burst = std::make_shared<ParticleBurst>(std::move(dot), box, std::move(particles));

    ParticleBurst* self = burst.get();
    burst->onTick = [self, &game] {
        self->update(explosionTuning(game, kParticleMaxSpeed), explosionTuning(game, kGravity));
        if (self->particles().empty()) self->remove();
    };
    Clip& root = game.root();
    root.add(burst, std::max(kParticleFirstDepth, root.nextDepth()));
    burst->setScreenRange(0, kFinalScreen);
    return *burst;
}

void plahvatus(Game& game) {
    if (auto* donebar = game.root().childAs<Clip>("donebar")) donebar->nextFrameAndStop();
    createExplosion(game, game.pointer().x(), game.pointer().y());
}

}  // namespace valdorn
