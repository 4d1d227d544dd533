#include "effects/SoundHolder.h"

#include "effects/EffectsToggle.h"
#include "game/Game.h"

namespace valdorn {
namespace {

// A cue plays its recording unless the player has switched the effects off; the timeline runs on.
void cue(Game& game, Sound sound) {
    if (!effectsMuted(game.vars())) game.playSound(sound);
}

std::shared_ptr<Clip> holder(const char* name, int frames) {
    auto clip = std::make_shared<Clip>(frames);
    clip->setName(name);
    Clip* self = clip.get();
    clip->setFrameAction(1, [self] { self->stop(); });
    clip->stop();
    return clip;
}

}  // namespace

std::shared_ptr<Clip> makeShotHolder(Game& game) {
    auto clip = holder("sound", kShotHolderFrames);
    clip->setFrameAction(2, [&game] { cue(game, Sound::Shot); });
    return clip;
}

std::shared_ptr<Clip> makePigeonSoundHolder(Game& game) {
    auto clip = holder("sound_tuvi", kPigeonHolderFrames);
    clip->setFrameAction(16, [&game] { cue(game, Sound::PigeonA); });
    clip->setFrameAction(18, [&game] { cue(game, Sound::PigeonB); });
    return clip;
}

void startHolder(Clip& holder) { holder.gotoAndPlay(2); }

}  // namespace valdorn
