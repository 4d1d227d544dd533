// The unlocked level between the shared variable `pask` and the save store's `counter`: loading it
// on the title, clearing it in the shop, and a store that cannot be read or written.
#include <gtest/gtest.h>

#include "ScreenTestSupport.h"
#include "game/Progress.h"
#include "game/ScreenIds.h"

namespace valdorn {
namespace {

// A store on a disk that refuses everything: it reads as empty and keeps nothing.
class BrokenSaveStore : public SaveStore {
public:
    std::optional<double> counter() override { return std::nullopt; }
    void setCounter(std::optional<double>) override {}
};

TEST(ProgressTest, loadingSetsPaskToTheStoredCounterOrUnsetsIt) {
    RecordingServices services;
    Game game(services, test::syntheticAssets());  // no screens: no `counter_text` either
    for (const Value& stored : {Value(3), Value(), Value(6)}) {
        services.saveStore().setCounter(stored);
        game.vars().set("pask", 5);
        loadUnlockedLevel(game);
        EXPECT_EQ(game.vars().get("pask"), stored);
        EXPECT_EQ(game.vars().get("lets_call_it_cookie"), 1);
    }
}

TEST(ProgressTest, clearingStoresLevelOneAndLeavesPask) {
    RecordingServices services;
    Game game(services, test::syntheticAssets());
    services.saveStore().setCounter(5);
    game.vars().set("pask", 5);
    clearSaveData(game);
    EXPECT_EQ(services.saveStore().counter(), 1);
    EXPECT_EQ(game.vars().get("pask"), 5);
}

// Part of the game's promise: with a broken store the game plays as with an empty one, and an
// unlock lasts only until the title screen reads the store again.
TEST(ProgressTest, brokenStoreUnlocksForTheVisitOnly) {
    BrokenSaveStore store;
    Simulation sim(test::syntheticAssets(), 1, &store);
    sim.tick(41);
    ASSERT_EQ(sim.game().screen(), screens::kTitle);
    EXPECT_FALSE(sim.game().vars().isSet("pask"));
    sim.game().goToScreen(screens::huntScreen(1));
    sim.game().goToScreen(screens::huntScreen(1) + 1);
    EXPECT_EQ(sim.game().vars().get("pask"), 2);
    sim.game().goToScreen(screens::kShop);
    DisplayObject* second = sim.game().root().find("lvls/level2");
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->visible());
    sim.game().goToScreen(screens::kTitle);
    EXPECT_FALSE(sim.game().vars().isSet("pask"));
}

}  // namespace
}  // namespace valdorn
