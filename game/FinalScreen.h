#pragma once
// Screen 15: the final screen, the one the host waits for. Planks, the block of links, the closing
// title and the logo; a release above y 498.99 opens the quest site's address (the links area,
// in front), a release below it goes back to the shop (the play-again area). Entry silences every
// sound and shows the cursor; 29 ticks later the closing sound plays once. Nothing here writes the
// save store or the shared variables.

#include "game/Screen.h"

namespace valdorn {

class FinalScreen : public Screen {
public:
    void enter(Game& game, int fromScreen) override;
};

}  // namespace valdorn
