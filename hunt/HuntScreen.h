#pragma once
// Screens 4, 6, 8, 10, 12, 14: hunt levels 1 to 6.

#include "game/Screen.h"

namespace valdorn {

class HuntScreen : public Screen {
public:
    explicit HuntScreen(int level) : level_(level) {}
    void enter(Game& game, int fromScreen) override;

private:
    int level_;
};

}  // namespace valdorn
