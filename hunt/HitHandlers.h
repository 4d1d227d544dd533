#pragma once
// What a shot does. Every target and pigeon exists twice, in the photograph and in the scope's copy;
// both instances get the same release handler, and a hit on either acts on both.
//
// Target: a release whose press aimed the scope (`levelscale` exactly 1) does nothing; otherwise the
// target's points are added to `punktid`, the copy's and then the photograph's instance are hidden,
// the shot sound restarts and `plahvatus` runs.
// Pigeon: the same aim check; its points are added, the copy's and then the photograph's bird fly
// off, and the pigeon sounds and the shot sound start in the same tick.

namespace valdorn {

class Clip;
class Game;
struct LevelSpec;

// `photograph` and `copy` are the two instances; the shot and pigeon sound holders are the root's
// `sound` and `sound_tuvi`.
void wireHitHandlers(Game& game, const LevelSpec& level, Clip& photograph, Clip& copy);

}  // namespace valdorn
