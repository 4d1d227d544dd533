#pragma once
// Screen 3: the upgrade shop and level select. Entry shows the cursor, stops every sound and builds
// the screen afresh from the shared variables: the three upgrade panels from what was bought, the
// level select from `pask`. Two ticks after entry the shop music starts and loops (it plays on into
// the title; a level button or the next entry stops it). The clear control, below the stage's
// bottom edge, puts the saved level back to 1.

#include "game/Screen.h"

namespace valdorn {

class ShopScreen : public Screen {
public:
    void enter(Game& game, int fromScreen) override;
};

}  // namespace valdorn
