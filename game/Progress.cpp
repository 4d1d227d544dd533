#include "game/Progress.h"

#include "game/Game.h"
#include "game/TextObjects.h"

namespace valdorn {

void loadUnlockedLevel(Game& game) {
    game.vars().set("lets_call_it_cookie", 1);
    const Value stored = game.services().saveStore().counter();
    // The text field shows `pask`; setting its text sets the variable.
    if (auto* field = game.root().childAs<TextField>("counter_text"))
        field->setText(formatValue(stored));
    else
        game.vars().set("pask", stored);
}

void unlockLevel(Game& game, int level) {
    SaveStore& store = game.services().saveStore();
    if (isGreater(store.counter(), level)) return;
    if (isGreater(game.vars().get("pask"), level)) return;
    store.setCounter(level);
    game.vars().set("pask", level);
}

void clearSaveData(Game& game) { game.services().saveStore().setCounter(1); }

}  // namespace valdorn
