#pragma once
// Screens 5, 7, 9, 11, 13: hunt level L (1 to 5) is complete. The next level's photograph, blurred,
// as a preview; "next picture" (on to hunt level L + 1) and "choose a level" (the shop); the logo
// between them, whose creation unlocks level L + 1 in the save store. The points field and the
// sound controls stay on from the level; they are not this screen's.

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
