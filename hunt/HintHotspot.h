#pragma once
// The hint hotspot "SHOW ME" on the HUD strip. Its whole rectangle takes clicks. It starts hidden when
// the level's hint was used before in this run (`hint1` .. `hint6` is 1). A release sets that flag and
// marks the first standing target, in hint order, with the photograph's marker `hint` (restarted at
// frame 2: about four seconds of a turning, pulsing ring), hides itself and costs 2 points, which may
// leave `punktid` negative. With no target standing nothing more happens and it stays for this visit.

#include <memory>

#include "game/Clip.h"

namespace valdorn {

class Game;
struct LevelSpec;

inline constexpr double kHintCost = 2;  // points

// `photograph`: the level's photograph on the stage; it must outlive the hotspot (same screen).
std::shared_ptr<Clip> makeHintHotspot(Game& game, const LevelSpec& level, Clip& photograph);

}  // namespace valdorn
