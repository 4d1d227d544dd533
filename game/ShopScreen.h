#pragma once
// Screen 3: the upgrade shop and level select.

#include "game/Screen.h"

namespace valdorn {

class ShopScreen : public Screen {
public:
    void enter(Game& game, int fromScreen) override;
};

}  // namespace valdorn
