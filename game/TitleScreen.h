#pragma once
// Screen 1: the title. A blurred photograph (kept into the shop), the "play" and "how" discs, the
// title lettering and the logo. "how" shows the instructions panel while the pointer is over the
// disc, its label or anywhere in the panel's rectangle, which is part of its hit area: the panel
// appears as soon as the pointer enters that (empty) rectangle. Every entry loads the unlocked
// level from the save store; sounds are left alone, so the shop music plays on here.

#include "game/Screen.h"

namespace valdorn {

class TitleScreen : public Screen {
public:
    void enter(Game& game, int fromScreen) override;
};

}  // namespace valdorn
