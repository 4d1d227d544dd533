#pragma once
// A decorative lamp: a small yellow light dot that is always lit and a soft yellow glow under it that
// comes and goes on a 115-frame loop. It takes no clicks. Its origin is the light dot.

#include <memory>

#include "game/Clip.h"

namespace valdorn {

inline constexpr int kLampFrames = 115;

// The glow's opacity (percent) on a frame of the loop.
double lampGlowOpacity(int frame);

std::shared_ptr<Clip> makeLamp();

}  // namespace valdorn
