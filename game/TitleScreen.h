#pragma once
// Screen 1: the title. Every entry loads the unlocked level from the save store.

#include "game/Screen.h"

namespace valdorn {

class TitleScreen : public Screen {
public:
    void enter(Game& game, int fromScreen) override;
};

}  // namespace valdorn
