#pragma once
// The unlocked level: the shared variable `pask` and the save store's `counter`.

namespace valdorn {

class Game;

// Title screen entry: opens the store, `pask` takes the stored `counter` (unset when absent).
void loadUnlockedLevel(Game& game);
// Level-complete screen of level N - 1: unless the stored counter or `pask` is already greater than
// N, both become N. Replaying an earlier level never lowers the unlock.
void unlockLevel(Game& game, int level);
// "Clear save game data": the stored counter becomes 1; `pask` stays as it is until the title
// screen loads it again.
void clearSaveData(Game& game);

}  // namespace valdorn
