#pragma once
// One of the 16 screens of the game's timeline. Entering builds the screen's objects (those that
// already live across from the previous screen are kept) and runs its entry actions.

namespace valdorn {

class Game;

class Screen {
public:
    virtual ~Screen() = default;
    virtual void enter(Game& game, int fromScreen) = 0;
};

}  // namespace valdorn
