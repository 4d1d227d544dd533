#pragma once
// The off-stage `cheat` clip: 50 frames. Frame 1 stops and shows a small black square; frames 2 to 50
// show a little thumbs-up face, then the clip is back on frame 1. A Tab press restarts it at frame 2,
// and so does the hunt's Tab poll on every tick while Tab is held. It lies outside the stage, so the
// player never sees it.

#include <memory>

#include "game/Clip.h"

namespace valdorn {

inline constexpr int kCheatFrames = 50;

std::shared_ptr<Clip> makeCheatClip();

}  // namespace valdorn
