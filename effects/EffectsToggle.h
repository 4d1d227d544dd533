#pragma once
// The sound-effects control `mus1`: a 2-frame clip beside the music control, clicked where it draws.
// Frame 1 (effects on) shows the note and "FX"; frame 2 (off) the off icon. A release on frame 1
// sets `soundfx` to 1 and goes to frame 2; on frame 2 it sets `soundfx` to 0 and goes to frame 1.
//
// `soundfx` 1 silences the hunt's effects (the sound holders skip their cues), so the off icon means
// what it shows. The control joins the stage on the frame that matches `soundfx`, so after a visit to
// the shop its picture still tells the truth.

#include <memory>

#include "game/Clip.h"

namespace valdorn {

class Game;
class SharedVariables;

inline constexpr QPointF kEffectsToggleOrigin{643.45, 526.2};  // stage px

// `game` must outlive the control. Named `mus1`; its parts are `note`, `label` and `off`.
std::shared_ptr<Clip> makeEffectsToggle(Game& game);
// Whether the player has switched the effects off.
bool effectsMuted(const SharedVariables& vars);

}  // namespace valdorn
