#pragma once
// The hunt's sound holders: clips that draw nothing and cue recordings from their timeline. `sound`
// (60 frames) starts the shot on frame 2; `sound_tuvi` (67 frames) starts pigeon sound A on frame 16
// and B on frame 18. Both rest stopped on frame 1; starting one sends it to frame 2 and plays it
// (nothing changes if it is on frame 2 already), and after its last frame it is back at rest.
// Cues not yet reached are lost when the holder goes with its screen; sounds already started play on.
// While the effects are switched off (`soundfx` 1, see EffectsToggle.h) the cues pass silently.

#include <memory>

#include "game/Clip.h"

namespace valdorn {

class Game;

inline constexpr int kShotHolderFrames = 60;
inline constexpr int kPigeonHolderFrames = 67;

// `game` must outlive the holders.
std::shared_ptr<Clip> makeShotHolder(Game& game);
std::shared_ptr<Clip> makePigeonSoundHolder(Game& game);
void startHolder(Clip& holder);

}  // namespace valdorn
