#pragma once
// Screens 4, 6, 8, 10, 12, 14: hunt levels 1 to 6.
//
// Entering installs the hunt's state on the game root (the Tab poll in the root's per-tick slot,
// `time_out`, the burst's tuning values and the particle counter), the same way on every hunt screen,
// and then builds the level afresh from its row of the level table: photograph, scope view (with the
// photograph's copy), HUD strip, level controller, the HUD's controls (whose menu control the
// controller's scope-visibility rule asks) and, where the level has one, its own `cheat` clip. The
// points counter and its label are made only when absent: they stay on from screen 4 to 14. Entering a level again rebuilds it: targets come
// back, shared variables such as `punktid` keep their values. Everything built here belongs to this
// screen alone; the root's state stays when the screen is left.

#include "game/Screen.h"

namespace valdorn {

class Game;

class HuntScreen : public Screen {
public:
    explicit HuntScreen(int level) : level_(level) {}
    void enter(Game& game, int fromScreen) override;

    // The root's per-tick Tab poll: while Tab is held, `cheat` restarts at frame 2 on every tick, on
    // every screen from now on.
    static void installRootState(Game& game);

private:
    int level_;
};

}  // namespace valdorn
