#pragma once
// Screen 0: the game's start-up settings, the loading display, then on to the title. It also places
// the two objects that stay on every later screen: `counter_text` and `cheat`.
//
// The loading display `preloader` (40 frames) holds the particle clip; once loading is complete it
// plays its flash-out (frames 2 to 36 brighten, glow and fade the particle clip by a fixed table),
// removes the particle clip on frame 37 and on frame 40 releases the timeline, which moves to the
// title at the next tick: about 40 ticks after the game starts when all data is present.

#include <functional>

#include "game/Screen.h"

namespace valdorn {

class LoadingScreen : public Screen {
public:
    // `loadedFraction`: bytes of game data loaded / all, read once a tick. Empty means that all data
    // is present, as it is when it travels inside the program.
    explicit LoadingScreen(std::function<double()> loadedFraction = {});
    void enter(Game& game, int fromScreen) override;

private:
    std::function<double()> loadedFraction_;
};

}  // namespace valdorn
