#pragma once
// The burst's five tuning values. Every hunt screen writes them to the game root's shared state on
// entry, always the same numbers; the burst reads them from there, so a value changed on the root
// changes the next burst (and, for the speed cap and gravity, the next update of every particle).

namespace valdorn {

class Game;

struct ExplosionTuningValue {
    const char* name;
    double value;
};

inline constexpr ExplosionTuningValue kParticleTotal{"particleTotal", 500};        // particles per burst
inline constexpr ExplosionTuningValue kParticleMaxSpeed{"particleMaxSpeed", 7};    // px per tick; also gravity's cut-off
inline constexpr ExplosionTuningValue kParticleFadeSpeed{"particleFadeSpeed", 20}; // alpha per tick, upper bound
inline constexpr ExplosionTuningValue kParticleRange{"particleRange", 25};         // px, half side of a particle's box
inline constexpr ExplosionTuningValue kGravity{"gravity", 0.5};                    // px per tick, per tick

inline constexpr ExplosionTuningValue kExplosionTuning[] = {kParticleTotal, kParticleMaxSpeed, kParticleFadeSpeed,
                                                            kParticleRange, kGravity};

// Writes the five values to the root and installs the game's live-particle counter.
void installExplosionState(Game& game);

// A tuning value as the root holds it now; its table value while none is written (a burst outside
// the hunt screens, which is never made by the game itself).
double explosionTuning(const Game& game, const ExplosionTuningValue& value);

}  // namespace valdorn
