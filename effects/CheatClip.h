#pragma once
// The off-stage `cheat` clip: 50 frames. Frame 1 stops the clip and shows a black square of 11.5 px
// centred on its origin; frames 2 to 50 show instead a smiling face giving a thumbs-up (49 x 32 px,
// its top-left at (598.8, 452.3) from the origin, the thumb bobbing), then the clip is back on frame 1
// and stops. A Tab press restarts it at frame 2, and so does the hunt's Tab poll on every tick while
// Tab is held. It lies outside the stage, so the player never sees it.

#include <memory>

#include "game/Clip.h"

namespace valdorn {

inline constexpr int kCheatFrames = 50;

std::shared_ptr<Clip> makeCheatClip();

}  // namespace valdorn
