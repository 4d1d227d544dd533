#pragma once
// Screen 15: the final screen, the one the host waits for.

#include "game/Screen.h"

namespace valdorn {

class FinalScreen : public Screen {
public:
    void enter(Game& game, int fromScreen) override;
};

}  // namespace valdorn
