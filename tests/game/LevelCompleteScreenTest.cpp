// The level-complete screens: the unlock each one runs on entry, the preview of the next level,
// the two plates and where they lead.
#include <gtest/gtest.h>

#include "ScreenTestSupport.h"
#include "game/Bitmap.h"
#include "game/Button.h"
#include "game/ScreenIds.h"

namespace valdorn {
namespace {

using test::object;

constexpr QPointF kNext{349.45, 337.45};
constexpr QPointF kChoose{349.45, 178.45};

class LevelCompleteScreenTest : public ::testing::Test {
protected:
    // Arrives from hunt level `level` as its completion watcher would.
    void complete(int level) {
        sim.game().goToScreen(screens::huntScreen(level));
        sim.game().goToScreen(screens::huntScreen(level) + 1);
    }
    Value pask() { return sim.game().vars().get("pask"); }

    test::CountingSaveStore store;
    Simulation sim{test::syntheticAssets(), 1, &store};
};

TEST_F(LevelCompleteScreenTest, entryUnlocksTheNextLevelUnlessAHigherOneIsKnown) {
    struct Case {
        int level;  // just completed
        Value counterBefore, paskBefore;
        Value counterAfter, paskAfter;
    };
    const Case cases[] = {
        {1, {}, {}, 2, 2},  // a new store
        {2, {}, {}, 3, 3}, {3, {}, {}, 4, 4}, {4, {}, {}, 5, 5}, {5, {}, {}, 6, 6},
        {2, 5, 5, 5, 5},    // replaying a lower level
        {1, 5, {}, 5, {}},  // the stored counter is above N: nothing at all changes
        {1, 1, 3, 1, 3},    // `pask` is above N
        {3, 4, 4, 4, 4},    // equal is not above
        {5, 2, 2, 6, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("level %1").arg(c.level).toStdString());
        store.setCounter(c.counterBefore);
        sim.game().vars().set("pask", c.paskBefore);
        complete(c.level);
        EXPECT_EQ(store.counter(), c.counterAfter);
        EXPECT_EQ(pask(), c.paskAfter);
    }
}

TEST_F(LevelCompleteScreenTest, previewIsTheNextLevelsPhotographBlurredOverTheStage) {
    for (int level = 1; level <= 5; ++level) {
        SCOPED_TRACE(level);
        complete(level);
        auto* preview = object<Bitmap>(sim, "preview");
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(preview->image().size(), test::kPhotoSizes[level]);
        EXPECT_EQ(preview->image().pixel(0, 0), test::photoColor(level + 1).rgb());
        EXPECT_EQ(preview->destination(), QRectF(0, 0, 700, 550));
        EXPECT_FALSE(preview->smooth());
        EXPECT_EQ(std::get<BlurFilter>(preview->filters().at(0)).passes, 3);
    }
}

TEST_F(LevelCompleteScreenTest, nextPictureLeadsToTheNextLevelAndChooseALevelToTheShop) {
    for (int level = 1; level <= 5; ++level) {
        SCOPED_TRACE(level);
        complete(level);
        sim.click(kNext.x(), kNext.y());
        EXPECT_EQ(sim.game().screen(), screens::huntScreen(level + 1));
        complete(level);
        sim.click(kChoose.x(), kChoose.y());
        EXPECT_EQ(sim.game().screen(), screens::kShop);
    }
}

TEST_F(LevelCompleteScreenTest, hoveredPlateIsHalfTransparentWhileItsLabelStaysOpaque) {
    complete(1);
    auto* next = object<Button>(sim, "next");
    sim.move(kNext.x() + 96, kNext.y() + 25);  // in the plate's box, but off its rounded corner
    EXPECT_EQ(next->state(), Button::State::Up);
    sim.move(kNext.x() - 80, kNext.y());
    EXPECT_EQ(next->state(), Button::State::Over);
    DisplayObject* over = object(sim, "next/over");
    ASSERT_TRUE(over->visible());
    const auto parts = over->children();
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0]->alpha(), 50);   // plate
    EXPECT_EQ(parts[1]->alpha(), 100);  // label
    sim.press();
    EXPECT_EQ(next->state(), Button::State::Down);
    EXPECT_EQ(object(sim, "next/down")->children()[0]->alpha(), 50);
}

TEST_F(LevelCompleteScreenTest, entryShowsTheCursorAndLogoOpensTheQuestSite) {
    sim.game().setCursorVisible(false);
    complete(2);
    EXPECT_TRUE(sim.game().cursorVisible());
    sim.click(260, 258);  // the logo's scope emblem, between the plates
    EXPECT_EQ(sim.services().urlsOpened(), 1);
    EXPECT_EQ(sim.game().screen(), screens::huntScreen(2) + 1);
}

}  // namespace
}  // namespace valdorn
