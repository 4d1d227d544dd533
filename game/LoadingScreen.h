#pragma once
// Screen 0: the game's start-up settings, the loading display, then on to the title. It also places
// the two objects that stay on every later screen: `counter_text` and `cheat`.

#include "game/Screen.h"

namespace valdorn {

class LoadingScreen : public Screen {
public:
    void enter(Game& game, int fromScreen) override;
};

}  // namespace valdorn
