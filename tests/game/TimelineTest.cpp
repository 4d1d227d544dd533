// The timeline of 16 screens: entry actions of each transition, objects living across screen ranges,
// the unlocked level, and clearing the save data.
#include <gtest/gtest.h>

#include "game/AssetLibrary.h"
#include "game/Clip.h"
#include "game/Game.h"
#include "game/Progress.h"
#include "game/ScreenIds.h"
#include "game/Simulation.h"

using namespace valdorn;

namespace {

class Timeline : public ::testing::Test {
protected:
    // Starts the game with the store as the test prepared it, and lets loading finish.
    void start() {
        simulation = std::make_unique<Simulation>(assets, 7, &store);
        simulation->tick(60);
    }
    Game& game() { return simulation->game(); }
    // The sounds recorded since the last call, by name.
    QStringList sounds() {
        QStringList names;
        for (const auto& event : simulation->services().takeSounds()) names << event.sound;
        return names;
    }

    AssetLibrary assets;
    MemorySaveStore store;
    std::unique_ptr<Simulation> simulation;
};

TEST_F(Timeline, startsOnLoadingAndPlaysOnToTheTitleWithTheStartUpValues) {
    start();
    EXPECT_EQ(game().screen(), screens::kTitle);
    EXPECT_EQ(game().vars().get("punktid"), 0);
    EXPECT_EQ(game().vars().get("zoomlevel"), 200);
    EXPECT_FALSE(game().vars().isSet("pask"));
    EXPECT_NE(game().root().child("counter_text"), nullptr);
    EXPECT_NE(game().root().child("cheat"), nullptr);
}

struct Transition {
    int from, to;
    bool stopsSounds;
    bool showsCursor;
    std::optional<int> unlocks;  // the level the entry unlocks
};

class EveryTransition : public Timeline, public ::testing::WithParamInterface<Transition> {};

TEST_P(EveryTransition, runsTheEntryActionsOfTheScreenItLeadsTo) {
    const Transition t = GetParam();
    start();
    game().goToScreen(t.from);
    store.setCounter(std::nullopt);
    game().vars().unset("pask");
    game().setCursorVisible(false);
    sounds();
    game().goToScreen(t.to);
    EXPECT_EQ(game().screen(), t.to);
    EXPECT_EQ(sounds().contains("stop-all"), t.stopsSounds);
    if (t.showsCursor) {
        EXPECT_TRUE(game().cursorVisible());
    }
    if (t.unlocks) {
        EXPECT_EQ(store.counter(), *t.unlocks);
        EXPECT_EQ(game().vars().get("pask"), *t.unlocks);
    } else if (t.to != screens::kTitle) {
        EXPECT_FALSE(store.counter().has_value());
    }
}

std::vector<Transition> allTransitions() {
    std::vector<Transition> list = {{1, 3, true, true, {}}, {3, 1, false, false, {}}, {15, 3, true, true, {}}};
    for (int level = 1; level <= 6; ++level) {
        const int hunt = screens::huntScreen(level);
        list.push_back({3, hunt, false, false, {}});
        list.push_back({hunt, 3, true, true, {}});
        if (level < 6) {
            list.push_back({hunt, hunt + 1, false, true, level + 1});
            list.push_back({hunt + 1, hunt + 2, false, false, {}});
            list.push_back({hunt + 1, 3, true, true, {}});
        } else {
            list.push_back({hunt, screens::kFinal, true, true, {}});
        }
    }
    return list;
}

INSTANTIATE_TEST_SUITE_P(Table, EveryTransition, ::testing::ValuesIn(allTransitions()));

TEST_F(Timeline, objectsLiveOnTheirRangeOfScreensAndKeepTheirState) {
    start();
    game().goToScreen(screens::huntScreen(1));
    auto control = std::make_shared<Clip>(9);
    control->setName("control");
    game().addToStage(control, 900, 14);
    control->gotoAndStop(9);
    game().goToScreen(5);
    game().goToScreen(6);
    ASSERT_EQ(game().root().child("control"), control.get());
    EXPECT_EQ(control->currentFrame(), 9);
    game().goToScreen(3);
    EXPECT_EQ(game().root().child("control"), nullptr);
    EXPECT_FALSE(control->onStage());
    // Screen-only objects go with their screen; the lifelong ones stay.
    auto local = game().addToStage(std::make_shared<Clip>(), 901);
    game().goToScreen(1);
    EXPECT_FALSE(local->onStage());
    EXPECT_NE(game().root().child("cheat"), nullptr);
}

TEST_F(Timeline, aScreenChangeAskedForDuringATickHappensAtTheEndOfThatTick) {
    start();
    int ticksSeen = 0;
    auto watcher = std::make_shared<Clip>();
    watcher->onTick = [&] {
        if (++ticksSeen == 3) game().goToScreen(3);
    };
    game().addToStage(watcher, 950);
    const qint64 before = game().tickCount();
    while (game().screen() != 3 && game().tickCount() < before + 10) simulation->tick();
    EXPECT_EQ(game().tickCount(), before + 3);
    EXPECT_EQ(ticksSeen, 3);
}

struct UnlockCase {
    const char* what;
    std::optional<double> storedBefore;
    std::optional<double> paskBefore;
    int completedLevel;
    std::optional<double> storedAfter;
    std::optional<double> paskAfter;
};

class Unlock : public Timeline, public ::testing::WithParamInterface<UnlockCase> {};

TEST_P(Unlock, neverLowersTheUnlockedLevel) {
    const UnlockCase c = GetParam();
    start();
    store.setCounter(c.storedBefore);
    game().vars().set("pask", c.paskBefore);
    game().goToScreen(screens::huntScreen(c.completedLevel) + 1);
    EXPECT_EQ(store.counter(), c.storedAfter) << c.what;
    EXPECT_EQ(game().vars().get("pask"), c.paskAfter) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Unlock,
    ::testing::Values(UnlockCase{"new store, level 1 done", {}, {}, 1, 2, 2},
                      UnlockCase{"counter 5, replay level 1", 5, 5, 1, 5, 5},
                      UnlockCase{"counter 5, level 5 done", 5, 5, 5, 6, 6},
                      UnlockCase{"counter equal to N is not greater", 3, 3, 2, 3, 3},
                      UnlockCase{"pask above N, store behind", 1, 4, 2, 1, 4},
                      UnlockCase{"store above N, pask unset", 4, {}, 2, 4, {}}));

TEST_F(Timeline, levelSixLeadsToTheFinalScreenAndWritesNothing) {
    start();
    store.setCounter(6);
    game().goToScreen(screens::huntScreen(6));
    game().goToScreen(screens::kFinal);
    EXPECT_EQ(game().screen(), 15);
    EXPECT_EQ(store.counter(), 6);
}

TEST_F(Timeline, titleReloadsThePaskFromTheStoreOnEveryEntry) {
    store.setCounter(4);
    start();
    EXPECT_EQ(game().vars().get("pask"), 4);
    EXPECT_EQ(game().vars().get("lets_call_it_cookie"), 1);
    game().goToScreen(3);
    game().vars().set("pask", 6);
    store.setCounter(std::nullopt);
    game().goToScreen(1);
    EXPECT_FALSE(game().vars().isSet("pask"));
}

TEST_F(Timeline, clearingTheSaveDataSetsTheCounterToOneAndLeavesPaskUntilTheTitle) {
    store.setCounter(5);
    start();
    game().goToScreen(3);
    clearSaveData(game());
    EXPECT_EQ(store.counter(), 1);
    EXPECT_EQ(game().vars().get("pask"), 5);
    game().goToScreen(screens::huntScreen(1));
    game().goToScreen(3);
    EXPECT_EQ(game().vars().get("pask"), 5);
    game().goToScreen(1);
    EXPECT_EQ(game().vars().get("pask"), 1);
}

}  // namespace
