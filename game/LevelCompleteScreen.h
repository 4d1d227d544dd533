#pragma once
// Screens 5, 7, 9, 11, 13: a hunt level is complete. Entering unlocks the next level.

#include "game/Screen.h"

namespace valdorn {

class LevelCompleteScreen : public Screen {
public:
    // `level`: the hunt level just completed, 1 to 5.
    explicit LevelCompleteScreen(int level) : level_(level) {}
    void enter(Game& game, int fromScreen) override;

private:
    int level_;
};

}  // namespace valdorn
