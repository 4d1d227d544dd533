// The final screen: its two release areas split at y 498.99, the closing sound 29 ticks after
// entry, and nothing written on the way.
#include <gtest/gtest.h>

#include "ScreenTestSupport.h"
#include "game/ScreenIds.h"

namespace valdorn {
namespace {

class FinalScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        store.setCounter(6);
        store.writes = 0;
        sim.tick(3);
        sim.game().goToScreen(screens::huntScreen(6));
        sim.game().goToScreen(screens::kFinal);
    }

    test::CountingSaveStore store;
    Simulation sim{test::syntheticAssets(), 1, &store};
};

TEST_F(FinalScreenTest, releasesAboveTheLineOpenTheQuestSiteAndBelowItGoToTheShop) {
    struct Case {
        QPointF at;
        bool toShop;
    };
    const Case cases[] = {
        {{10, 5}, false},        {{350, 498.5}, false},  {{480, 443}, false},  // top, just above, the logo
        {{350, 499.5}, true},    {{690, 540}, true},     {{200, 528}, true},   // just below, corner, the text
        {{494.8, 505}, true},                                                  // the logo's lower edge
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("(%1, %2)").arg(c.at.x()).arg(c.at.y()).toStdString());
        const int urls = sim.services().urlsOpened();
        sim.click(c.at.x(), c.at.y());
        EXPECT_EQ(sim.game().screen(), c.toShop ? screens::kShop : screens::kFinal);
        EXPECT_EQ(sim.services().urlsOpened(), urls + (c.toShop ? 0 : 1));
        sim.game().goToScreen(screens::kFinal);
    }
}

TEST_F(FinalScreenTest, closingSoundPlaysOnce29TicksAfterEntry) {
    // Entered between ticks 3 and 4, straight from level 6 whose music had just started: every sound
    // stops at once.
    EXPECT_EQ(test::soundLog(sim.services()), QStringList({"music-1@3", "stop-all@3"}));
    sim.tick(28);
    EXPECT_EQ(sim.services().sounds().size(), 2u);
    sim.tick(1);
    EXPECT_EQ(test::soundLog(sim.services()), QStringList({"music-1@3", "stop-all@3", "closing@32"}));
    EXPECT_EQ(sim.services().sounds().back().times, 1);
    sim.tick(200);
    EXPECT_EQ(sim.services().sounds().size(), 3u);
    // Entering again plays it again.
    sim.click(350, 520);
    sim.game().goToScreen(screens::kFinal);
    sim.tick(29);
    EXPECT_EQ(test::soundLog(sim.services()).last(), "closing@261");
}

TEST_F(FinalScreenTest, nothingIsWrittenToTheStoreOrTheVariables) {
    sim.game().vars().set("punktid", 37.5);
    sim.game().vars().set("pask", 6);
    sim.tick(60);
    EXPECT_EQ(store.writes, 0);
    EXPECT_EQ(store.counter(), 6);
    EXPECT_EQ(sim.game().vars().get("punktid"), 37.5);
    EXPECT_EQ(sim.game().vars().get("pask"), 6);
}

TEST_F(FinalScreenTest, entryShowsTheCursor) {
    sim.game().goToScreen(screens::huntScreen(6));
    sim.game().setCursorVisible(false);
    sim.game().goToScreen(screens::kFinal);
    EXPECT_TRUE(sim.game().cursorVisible());
}

}  // namespace
}  // namespace valdorn
