// The level's HUD: the progress bar by level, the menu control and its quit panel, the link, the
// small logo, and the points counter that stays on from screen 4 to 14.

#include <gtest/gtest.h>

#include "effects/Donebar.h"
#include "effects/LevelHud.h"
#include "effects/MenuControl.h"
#include "game/Button.h"
#include "game/ScreenIds.h"
#include "game/TextObjects.h"
#include "hunt/ShotTestSupport.h"

namespace valdorn::testing {
namespace {

class LevelHud : public ShotTest {
protected:
    void SetUp() override { sim->tick(60); }
    void enter(int level) {
        enterLevel(level);
        sim->tick();
    }
    Clip& donebar() { return *game().root().childAs<Clip>("donebar"); }
    MenuControl& menu() { return *dynamic_cast<MenuControl*>(game().root().childAtDepth(hunt::kMenuDepth).get()); }
    // Left edges (stage px, to 0.01) of the bar's icons that are shown and lie at least partly on the stage.
    std::vector<double> iconsOnStage() {
        std::vector<double> lefts;
        for (DisplayObject* icon : donebar().children()) {
            const QRectF r = icon->stageTransform().mapRect(QRectF(0, 0, 36, 36));
            if (icon->visible() && r.right() > 0) lefts.push_back(std::round(r.left() * 100) / 100);
        }
        return lefts;
    }
    void clickCentre(const QRectF& box) { sim->click(box.center().x(), box.center().y()); }
};

struct BarCase {
    int level;
    int icons;         // on the stage at the start: the level's required targets
    double firstLeft;  // stage px
};

class DonebarByLevel : public LevelHud, public ::testing::WithParamInterface<BarCase> {};

TEST_P(DonebarByLevel, startsWithOneIconPerRequiredTargetFiftyPixelsApart) {
    enter(GetParam().level);
    const auto lefts = iconsOnStage();
    ASSERT_EQ(static_cast<int>(lefts.size()), GetParam().icons);
    EXPECT_EQ(lefts.size(), static_cast<size_t>(levelRow().requiredTargets));
    for (size_t i = 0; i < lefts.size(); ++i) EXPECT_NEAR(lefts[i], GetParam().firstLeft + 50 * i, 0.01);
    EXPECT_LT(lefts.back() + kDonebarIconSize, kPointsCounterBox.left());
    // The icons stand on the strip at y 508.05..544.0.
    const QRectF last = donebar().children().back()->stageTransform().mapRect(QRectF(0, 0, 36, 36));
    EXPECT_NEAR(last.top(), 508.05, 0.01);
    EXPECT_NEAR(last.bottom(), 544.0, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Levels, DonebarByLevel,
                         ::testing::Values(BarCase{1, 5, 8.7}, BarCase{2, 6, 7.7}, BarCase{3, 7, 5.7},
                                           BarCase{4, 8, 9.7}, BarCase{5, 9, 9.7}, BarCase{6, 10, 0.7}));

TEST_F(LevelHud, twoHitsTakeAwayTheTwoRightmostIconsAndTheOthersStay) {
    enter(1);
    shootPhotograph([this] { return targetPoint(1); });
    shootPhotograph([this] { return targetPoint(2); });
    ASSERT_EQ(donebar().currentFrame(), 3);
    const std::vector<double> expected{8.7, 58.7, 108.7};
    EXPECT_EQ(iconsOnStage(), expected);
}

TEST_F(LevelHud, stepsOnTheLastFrameChangeNothingAndReenteringFillsTheBarAgain) {
    enter(6);
    for (int i = 0; i < 12; ++i) donebar().nextFrameAndStop();
    EXPECT_EQ(donebar().currentFrame(), 11);
    EXPECT_TRUE(iconsOnStage().empty());
    game().goToScreen(screens::kShop);
    enter(6);
    EXPECT_EQ(donebar().currentFrame(), 1);
    EXPECT_EQ(iconsOnStage().size(), 10u);
}

TEST_F(LevelHud, menuOpensTheQuitPanelAndNoClosesIt) {
    enter(2);
    EXPECT_FALSE(menu().isOpen());
    EXPECT_FALSE(menu().yesButton().parent()->visible());
    clickCentre(kMenuButtonBox);
    ASSERT_TRUE(menu().isOpen());
    clickCentre(kNoButtonBox);
    EXPECT_FALSE(menu().isOpen());
    EXPECT_EQ(game().screen(), screens::huntScreen(2));
}

TEST_F(LevelHud, theMenuCopyOnTheOpenPanelDoesNothing) {
    enter(2);
    clickCentre(kMenuButtonBox);
    clickCentre(kMenuButtonBox);
    sim->tick();
    EXPECT_TRUE(menu().isOpen());
    EXPECT_EQ(game().screen(), screens::huntScreen(2));
}

TEST_F(LevelHud, yesAbandonsTheLevelForTheShopKeepingThePoints) {
    enter(1);
    shootPhotograph([this] { return targetPoint(1); });
    const double earned = points();
    ASSERT_GT(earned, 0);
    clickCentre(kMenuButtonBox);
    clickCentre(kYesButtonBox);
    EXPECT_EQ(game().screen(), screens::kShop);
    EXPECT_EQ(points(), earned);
    EXPECT_EQ(game().root().child("donebar"), nullptr);
}

struct ScopeCase {
    const char* where;
    QPointF pointer;   // stage px; the scope settles its centre here
    bool menuOpen;
    bool scopeShown;
};

class ScopeOverMenu : public LevelHud, public ::testing::WithParamInterface<ScopeCase> {};

TEST_P(ScopeOverMenu, theScopeHidesOverTheMenuControlsBoxAsDrawnNow) {
    enter(3);
    menu().setOpen(GetParam().menuOpen);
    settle(GetParam().pointer.x(), GetParam().pointer.y());
    EXPECT_EQ(scope().visible(), GetParam().scopeShown);
    if (!GetParam().scopeShown) {
        EXPECT_TRUE(game().cursorVisible());
    }
}

// The open box reaches from the MENU button to the panel: x -0.15..504.5, y 203.7..500.2.
INSTANTIATE_TEST_SUITE_P(Boxes, ScopeOverMenu,
                         ::testing::Values(ScopeCase{"besideThePanelOpen", {150, 300}, true, false},
                                           ScopeCase{"besideThePanelClosed", {150, 300}, false, true},
                                           ScopeCase{"onThePanelOpen", {350, 250}, true, false},
                                           ScopeCase{"rightOfTheOpenBox", {520, 300}, true, true},
                                           ScopeCase{"aboveTheOpenBox", {150, 190}, true, true}),
                         [](const auto& test) { return std::string(test.param.where); });

struct PointsCase {
    double value;
    const char* shown;
};

class PointsCounter : public LevelHud, public ::testing::WithParamInterface<PointsCase> {};

TEST_P(PointsCounter, showsPunktidInItsShortestForm) {
    enter(1);
    game().vars().set("punktid", GetParam().value);
    EXPECT_EQ(game().root().childAs<TextField>("points")->text(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Values, PointsCounter,
                         ::testing::Values(PointsCase{2.5, "2.5"}, PointsCase{-2, "-2"}, PointsCase{12, "12"}));

TEST_F(LevelHud, pointsAndTheirLabelStayTheSameObjectsIntoTheLevelCompleteScreenAndTheNextLevel) {
    enter(1);
    DisplayObject* counter = game().root().child("points");
    DisplayObject* label = game().root().child("points_label");
    ASSERT_TRUE(counter && label);
    game().goToScreen(screens::huntScreen(1) + 1);
    EXPECT_EQ(game().root().child("points"), counter);
    EXPECT_EQ(game().root().child("points_label"), label);
    for (const char* perLevel : {"donebar", "link"}) EXPECT_EQ(game().root().child(perLevel), nullptr) << perLevel;
    EXPECT_EQ(game().root().childAtDepth(hunt::kMenuDepth), nullptr);
    enter(2);
    EXPECT_EQ(game().root().child("points"), counter);
    EXPECT_EQ(game().root().childAtDepth(hunt::kPointsCounterDepth).get(), counter);
}

TEST_F(LevelHud, pointsAndTheirLabelAreGoneInTheShop) {
    enter(1);
    game().goToScreen(screens::huntScreen(1) + 1);
    game().goToScreen(screens::kShop);
    EXPECT_EQ(game().root().childAtDepth(hunt::kPointsCounterDepth), nullptr);
    EXPECT_EQ(game().root().childAtDepth(hunt::kPointsLabelDepth), nullptr);
}

TEST_F(LevelHud, helpOpensTheQuestSiteAndLeavesTheGameAsItIs) {
    enter(4);
    clickCentre(kLinkButtonArea.adjusted(0, 0, 0, -20));  // above the label, still in the clickable box
    EXPECT_EQ(sim->services().urlsOpened(), 1);
    EXPECT_EQ(game().screen(), screens::huntScreen(4));
}

struct LogoCase {
    int level;
    int depth;  // 0: no small logo
};

class SmallLogo : public LevelHud, public ::testing::WithParamInterface<LogoCase> {};

TEST_P(SmallLogo, standsTopLeftInLevelsOneAndTwoOnlyAndOpensTheQuestSite) {
    enter(GetParam().level);
    DisplayObject* logo = game().root().child("logo");
    if (GetParam().depth == 0) {
        EXPECT_EQ(logo, nullptr);
        return;
    }
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->depth(), GetParam().depth);
    const QRectF box = logo->stageTransform().mapRect(logo->contentBounds());
    EXPECT_NEAR(box.left(), 0.5, 0.1);
    EXPECT_NEAR(box.right(), 95.5, 0.1);
    EXPECT_NEAR(box.top(), 0.9, 0.1);
    EXPECT_NEAR(box.bottom(), 35.5, 0.1);
    logo->onRelease();
    EXPECT_EQ(sim->services().urlsOpened(), 1);
}

INSTANTIATE_TEST_SUITE_P(Levels, SmallLogo,
                         ::testing::Values(LogoCase{1, hunt::kSmallLogoAboveDepth}, LogoCase{2, hunt::kSmallLogoBelowDepth},
                                           LogoCase{3, 0}, LogoCase{6, 0}));

}  // namespace
}  // namespace valdorn::testing
