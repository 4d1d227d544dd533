// A hunt level's per-tick rules: scope visibility against the HUD strip and the menu control, the
// cursor by level, the 75-tick cursor timer and the completion watcher.
#include "HuntFixture.h"

namespace valdorn::testing {
namespace {

class ScopeVisibility : public HuntTest {};

TEST_F(ScopeVisibility, theScopeHidesOnceItsCentreReachesAboutTheHudEdge) {
    enterLevel(2);
    settle(350, 497.3);
    EXPECT_TRUE(scope().visible());
    settle(350, 497.7);
    EXPECT_FALSE(scope().visible());
    EXPECT_TRUE(game().cursorVisible());
    settle(690, 545);
    EXPECT_FALSE(scope().visible()) << "anywhere over the strip";
    settle(350, 300);
    EXPECT_TRUE(scope().visible()) << "back up it shows again";
}

struct MenuCase {
    QPointF pointer;
    bool menuOpen;
    bool scopeShown;
};

class MenuArea : public HuntTest, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(MenuArea, theMenuControlsBoxHidesTheScopeAsCurrentlyDrawn) {
    const MenuCase& c = GetParam();
    enterLevel(6);
    controller().setMenuStateSource([open = c.menuOpen] {
        return open ? LevelController::MenuState::Open : LevelController::MenuState::Closed;
    });
    settle(c.pointer.x(), c.pointer.y());
    EXPECT_EQ(scope().visible(), c.scopeShown);
    EXPECT_EQ(game().cursorVisible(), !c.scopeShown) << "levels 3 to 6 hide the cursor with the scope shown";
}

INSTANTIATE_TEST_SUITE_P(Hunt, MenuArea,
                         ::testing::Values(MenuCase{{30, 480}, false, true},    // above the MENU button
                                           MenuCase{{30, 483}, false, false},   // its box reaches the button
                                           MenuCase{{55.3, 490}, false, false},  // box's left edge < 52.85
                                           MenuCase{{55.5, 490}, false, true},   // just beyond it
                                           MenuCase{{300, 300}, false, true},   // the photograph
                                           MenuCase{{300, 300}, true, false},   // beside the open panel
                                           MenuCase{{30, 210}, true, false},    // corner of the open box
                                           MenuCase{{507.5, 300}, true, true},  // right of the open box
                                           MenuCase{{300, 200}, true, true}));  // above the open box

TEST_F(ScopeVisibility, menuCountsAsClosedUntilTheHudReportsIt) {
    enterLevel(1);
    EXPECT_EQ(controller().menuState(), LevelController::MenuState::Closed);
}

struct CursorCase {
    int level;
    bool hiddenAtOnce;  // on coming back up from the HUD strip
};

class CursorByLevel : public HuntTest, public ::testing::WithParamInterface<CursorCase> {};

TEST_P(CursorByLevel, comingBackFromTheStripHidesTheCursorAtOnceOnlyInLevels3To6) {
    const CursorCase& c = GetParam();
    enterLevel(c.level);
    settle(350, 300, 10);
    EXPECT_FALSE(game().cursorVisible()) << "hidden since the scope was created";
    settle(350, 530, 20);
    EXPECT_TRUE(game().cursorVisible());
    settle(350, 300, 20);  // tick 50 of the level: the cursor timer has not fired yet
    ASSERT_TRUE(scope().visible());
    EXPECT_EQ(game().cursorVisible(), !c.hiddenAtOnce);
    EXPECT_EQ(sim->services().cursorVisible(), game().cursorVisible()) << "the host is told";
    sim->tick(25);  // tick 75
    EXPECT_FALSE(game().cursorVisible()) << "the timer hides it in every level";
}

INSTANTIATE_TEST_SUITE_P(Hunt, CursorByLevel,
                         ::testing::Values(CursorCase{1, false}, CursorCase{2, false}, CursorCase{3, true},
                                           CursorCase{4, true}, CursorCase{5, true}, CursorCase{6, true}));

class CursorTimer : public HuntTest, public ::testing::WithParamInterface<int> {};

TEST_P(CursorTimer, hidesTheCursorOnEvery75thTickEvenOverTheStrip) {
    enterLevel(GetParam());
    sim->move(350, 540);
    const auto tickAndLook = [&] {
        sim->tick();
        return game().cursorVisible();
    };
    for (int cycle = 0; cycle < 2; ++cycle) {
        for (int tick = 1; tick < kCursorTimerPeriod; ++tick) {
            const bool shown = tickAndLook();
            // The first ticks the scope is on its way down, and its overshoot dips below the strip.
            if (tick > 20) {
                ASSERT_TRUE(shown) << "tick " << tick << " of cycle " << cycle;
            }
        }
        EXPECT_FALSE(tickAndLook()) << "tick 75 of cycle " << cycle;
    }
    EXPECT_TRUE(tickAndLook()) << "the visibility rule shows it again on the next tick";
}

INSTANTIATE_TEST_SUITE_P(Hunt, CursorTimer, ::testing::Values(1, 4));

class Completion : public HuntTest, public ::testing::WithParamInterface<int> {};

TEST_P(Completion, movesOnExactly109TicksAfterTheLastRequiredTargetIsHidden) {
    const int level = GetParam();
    enterLevel(level);
    sim->tick(10);
    const int k = levelRow().requiredTargets;
    for (int i = k; i >= 1; --i) {  // any order will do
        target(photograph(), i).setVisible(false);
        sim->tick(7);
    }
    EXPECT_EQ(controller().completionCount(), 7);
    sim->tick(kCompletionDelay - 7 - 1);
    EXPECT_EQ(game().screen(), screens::huntScreen(level));
    sim->tick();
    EXPECT_EQ(game().screen(), level < 6 ? screens::huntScreen(level) + 1 : screens::kFinal);
    EXPECT_EQ(game().root().child(levelSpec(level).scopeName), nullptr) << "the level is gone";
}

TEST_P(Completion, neverHappensWhileOneRequiredTargetOfThePhotographStands) {
    const int level = GetParam();
    enterLevel(level);
    const int k = levelRow().requiredTargets;
    const int standing = 1 + level % k;
    for (int i = 1; i <= k; ++i) {
        target(scope().copy(), i).setVisible(false);  // the copy does not count
        if (i != standing) target(photograph(), i).setVisible(false);
    }
    sim->tick(1000);
    EXPECT_EQ(game().screen(), screens::huntScreen(level));
    EXPECT_EQ(controller().completionCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Hunt, Completion, ::testing::Range(1, 7));

}  // namespace
}  // namespace valdorn::testing
