#pragma once
// The burst that a hit on a figure sets off.
//
// `createExplosion` bursts `particleTotal` particles at a stage point within the calling tick: each
// at the point, turned a random whole 0..359 degrees, with a random whole alpha 50..99, speeds
// `particleMaxSpeed` x (u1 - u2) and (u3 - u4), fading `particleFadeSpeed` x u5 (u1..u5 uniform in
// [0, 1), drawn in that order after the rotation and alpha), kept in the square of half side
// `particleRange` around the point. The burst stands above everything on the stage, newer bursts
// above older ones, and lives on every screen until its last particle is gone: it is not the
// screen's but the game's.
//
// `plahvatus`: steps the progress bar `donebar` one frame (on its last frame it stays) and bursts at
// the pointer. It is called from a release handler, so the pointer is where the shot was released.

namespace valdorn {

class Game;
class ParticleBurst;

// Bursts stand from here up: above every depth a screen uses.
inline constexpr int kParticleFirstDepth = 10000;

ParticleBurst& createExplosion(Game& game, double targetX, double targetY);
void plahvatus(Game& game);

}  // namespace valdorn
