#pragma once
// Where the parts of a hunt screen stand on the game root: their depths (drawing order, bottom to
// top) and the fixed boxes of the HUD strip and the menu control. Later parts of the level (HUD
// controls, particles) take depths between and above these.

#include <QRectF>

namespace valdorn::hunt {

inline constexpr int kPhotographDepth = 100;
inline constexpr int kScopeDepth = 200;
inline constexpr int kHudStripDepth = 300;
// Draws nothing; runs the level's per-tick rules.
inline constexpr int kControllerDepth = 310;
// The level's own `cheat` clip (levels that have one), off the stage.
inline constexpr int kLevelCheatDepth = 320;
// The sound holders `sound` and `sound_tuvi`; they draw nothing.
inline constexpr int kShotHolderDepth = 330;
inline constexpr int kPigeonSoundHolderDepth = 331;
// HUD controls: the menu control and the link button (400..409), the hint hotspot, then `donebar`;
// all below the particles.
inline constexpr int kHudControlsFirstDepth = 400;
inline constexpr int kHintHotspotDepth = 410;
inline constexpr int kDonebarDepth = 420;
// Items that live on screens 4..14 take 500..519: the points counter and its label 500..509, the
// music control `musa` and the sound-effects control `mus1` from 510.
inline constexpr int kMusicControlDepth = 510;
inline constexpr int kEffectsToggleDepth = 511;
inline constexpr int kLastScreenOfLevelItems = 14;

// Stage px. The strip covers the lower part of the scope when it dips below y = 500.
inline constexpr QRectF kHudStrip{0, 500, 700.95, 52};
// Stage px: the menu control as drawn closed (the MENU button) and open (button and quit panel).
inline constexpr QRectF kMenuClosedBox{-0.15, 484.2, 53.0, 16.0};
inline constexpr QRectF kMenuOpenBox{-0.15, 203.7, 504.65, 296.5};

}  // namespace valdorn::hunt
