#pragma once
// The hint marker `hint`: a ring of red dots of different sizes, slightly blurred, turning clockwise
// about one full turn every 40 frames and pulsing between about 79 % and 100 % of its size. 121
// frames; frame 121 removes the ring and stops. Created playing, so it runs once unseen at its parking
// place; a hint moves it onto a figure and restarts it at frame 2.

#include <memory>

#include "game/Clip.h"

namespace valdorn {

inline constexpr int kHintFrames = 121;

std::shared_ptr<Clip> makeHintMarker();

}  // namespace valdorn
