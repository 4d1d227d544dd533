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
inline constexpr int kMenuDepth = 400;
inline constexpr int kLinkDepth = 401;
inline constexpr int kHintHotspotDepth = 410;
inline constexpr int kDonebarDepth = 420;
// The points counter and its label, which stay on from screen 4 to 14; below the particles, which
// stand from 10000 up.
inline constexpr int kPointsLabelDepth = 500;
inline constexpr int kPointsCounterDepth = 501;
// The small logo of the levels that show it: over the scope and the strip, or under the scope.
inline constexpr int kSmallLogoAboveDepth = 350;
inline constexpr int kSmallLogoBelowDepth = 150;
// The music control `musa` and the sound-effects control `mus1`, which also stay on from screen 4 to 14.
inline constexpr int kMusicControlDepth = 510;
inline constexpr int kEffectsToggleDepth = 511;
inline constexpr int kLastScreenOfLevelItems = 14;

// Stage px. The strip covers the lower part of the scope when it dips below y = 500.
inline constexpr QRectF kHudStrip{0, 500, 700.95, 52};
// Stage px: the menu control as drawn closed (the MENU button) and open (button and quit panel).
inline constexpr QRectF kMenuClosedBox{-0.15, 484.2, 53.0, 16.0};
inline constexpr QRectF kMenuOpenBox{-0.15, 203.7, 504.65, 296.5};

}  // namespace valdorn::hunt
