#include "hunt/HitHandlers.h"

#include "effects/Explosion.h"
#include "effects/Pigeon.h"
#include "effects/SoundHolder.h"
#include "game/Game.h"
#include "hunt/LevelTable.h"
#include "hunt/LevelTargets.h"

namespace valdorn {
namespace {

bool pressAimed(const Game& game) { return isNumber(game.vars().get("levelscale"), 1); }

void addPoints(Game& game, double points) {
    game.vars().set("punktid", game.vars().get("punktid").value_or(0) + points);
}

void startHolderNamed(Game& game, const char* name) {
    if (auto* holder = game.root().childAs<Clip>(name)) startHolder(*holder);
}

}  // namespace

void wireHitHandlers(Game& game, const LevelSpec& level, Clip& photograph, Clip& copy) {
    const LevelTargets& table = levelTargets(level.level);
    // Handlers hold plain pointers: both instances live and go with the same screen as the handlers.
    Clip* onStage = &photograph;
    Clip* inScope = &copy;
    for (const TargetSpec& target : table.targets) {
        const QString name = QString::fromLatin1(target.name);
        auto hit = [&game, onStage, inScope, name, points = target.points] {
            if (pressAimed(game)) return;
            addPoints(game, points);
            for (Clip* instance : {inScope, onStage})
                if (DisplayObject* figure = instance->child(name)) figure->setVisible(false);
            startHolderNamed(game, "sound");
            plahvatus(game);
        };
        for (Clip* instance : {onStage, inScope})
            if (DisplayObject* figure = instance->child(name)) figure->onRelease = hit;
    }
    for (const PigeonSpec& pigeon : table.pigeons) {
        const QString name = QString::fromLatin1(pigeon.name);
        auto hit = [&game, onStage, inScope, name, points = pigeon.points] {
            if (pressAimed(game)) return;
            addPoints(game, points);
            for (Clip* instance : {inScope, onStage})
                if (auto* bird = dynamic_cast<Pigeon*>(instance->child(name))) bird->startFlight();
            startHolderNamed(game, "sound_tuvi");
            startHolderNamed(game, "sound");
        };
        for (Clip* instance : {onStage, inScope})
            if (DisplayObject* bird = instance->child(name)) bird->onRelease = hit;
    }
}

}  // namespace valdorn
