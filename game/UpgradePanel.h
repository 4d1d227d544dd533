#pragma once
// One of the shop's three upgrade panels (scope size, zoom, scope style): a clip whose frame is the
// state it shows, i.e. the upgrade level the player has. Its icon square is the purchase area: a
// release there buys the next level if `punktid` covers the cost (an equal amount does; an unset
// or negative amount never does), subtracts the cost, sets the row's variables and moves to the
// next state. The last state shows "MAX" and has no purchase area.
//
// The panel takes its state from the shared variables when it is built, so every visit to the
// shop shows what was bought before.

#include "game/ArtworkIcons.h"
#include "game/Clip.h"

namespace valdorn {

class Game;
class SharedVariables;

enum class Upgrade { ScopeSize, Zoom, ScopeStyle };

class UpgradePanel : public Clip {
public:
    UpgradePanel(Game& game, Upgrade upgrade);

    // The state matching the variables: the upgrade's level variable when it is 2 up to the top
    // level, else 1 (nothing bought).
    [[nodiscard]] static int stateFrom(const SharedVariables& vars, Upgrade upgrade);
    [[nodiscard]] static int topLevel(Upgrade upgrade);
    // Points the next level costs, or 0 in the last state.
    [[nodiscard]] int cost() const;
    [[nodiscard]] bool atMax() const;
    // What a release on the icon square does.
    void buy();

private:
    void show(int state);

    Game& game_;
    Upgrade upgrade_;
};

}  // namespace valdorn
