// The shop: purchases row by row, refusals, panels rebuilt from the variables on every visit, the
// level select by `pask`, the clear control, and the shop music's start and stop.
#include <gtest/gtest.h>

#include "ScreenTestSupport.h"
#include "game/ScreenIds.h"
#include "game/TextObjects.h"
#include "game/UpgradePanel.h"

namespace valdorn {
namespace {

using test::object;

constexpr QPointF kSizeIcon{150.45, 295};   // icon squares' centres on the stage
constexpr QPointF kZoomIcon{150.45, 365};
constexpr QPointF kStyleIcon{416.45, 295};
constexpr QPointF kClear{73, 567};          // below the stage
constexpr QPointF kMenu{490, 181};

double buttonX(int level) { return 150 + 80 * (level - 1); }

class ShopScreenTest : public ::testing::Test {
protected:
    void SetUp() override { enterShop(); }
    void enterShop() { sim.game().goToScreen(screens::kShop); }
    Value var(const char* name) { return sim.game().vars().get(name); }
    void setVar(const char* name, Value value) { sim.game().vars().set(name, value); }
    UpgradePanel* panel(const char* name) { return object<UpgradePanel>(sim, name); }
    void click(QPointF at) { sim.click(at.x(), at.y()); }
    // The texts a panel shows, back to front.
    QStringList texts(const char* name) {
        QStringList list;
        for (DisplayObject* child : panel(name)->children())
            if (auto* text = dynamic_cast<StaticText*>(child)) list << text->text();
        return list;
    }
    int activeButtons() {
        int count = 0;
        for (int level = 1; level <= 6; ++level)
            if (object(sim, QString("lvls/level%1").arg(level))->visible()) ++count;
        EXPECT_EQ(object<Clip>(sim, "lvls")->currentFrame(), count);
        return count;
    }

    test::CountingSaveStore store;
    Simulation sim{test::syntheticAssets(), 1, &store};
};

// Buying every row of every panel in turn: the cost each state asks, the variables each purchase
// sets, and the state after it; 413 points buy everything and leave nothing.
TEST_F(ShopScreenTest, everyPurchaseRowCostsAndSetsWhatItShould) {
    struct Row {
        const char* panel;
        QPointF icon;
        int cost;
        const char* variable;
        double value;
        double zoomlevel;
    };
    const Row rows[] = {
        {"zoomsize_panel", kSizeIcon, 25, "zoomsize", 2, 200}, {"zoomsize_panel", kSizeIcon, 35, "zoomsize", 3, 200},
        {"zoomsize_panel", kSizeIcon, 42, "zoomsize", 4, 200}, {"zoomsize_panel", kSizeIcon, 51, "zoomsize", 5, 200},
        {"zoomsize_panel", kSizeIcon, 66, "zoomsize", 6, 200}, {"zoom_panel", kZoomIcon, 12, "zoomin", 2, 250},
        {"zoom_panel", kZoomIcon, 21, "zoomin", 3, 300},       {"zoom_panel", kZoomIcon, 31, "zoomin", 4, 350},
        {"zoom_panel", kZoomIcon, 42, "zoomin", 5, 400},       {"zoom_panel", kZoomIcon, 50, "zoomin", 6, 500},
        {"scope_panel", kStyleIcon, 7, "scope", 2, 500},       {"scope_panel", kStyleIcon, 12, "scope", 3, 500},
        {"scope_panel", kStyleIcon, 19, "scope", 4, 500},
    };
    setVar("punktid", 413);
    double points = 413;
    for (const Row& row : rows) {
        SCOPED_TRACE(QString("%1 -> %2").arg(row.variable).arg(row.value).toStdString());
        const int state = int(row.value) - 1;
        ASSERT_EQ(panel(row.panel)->currentFrame(), state);
        EXPECT_EQ(panel(row.panel)->cost(), row.cost);
        EXPECT_TRUE(texts(row.panel).contains(QString::number(row.cost)));
        EXPECT_TRUE(texts(row.panel).contains(QString("LEVEL %1").arg(state)));
        click(row.icon);
        points -= row.cost;
        EXPECT_EQ(var("punktid"), points);
        EXPECT_EQ(var(row.variable), row.value);
        EXPECT_EQ(var("zoomlevel"), row.zoomlevel);
        EXPECT_EQ(panel(row.panel)->currentFrame(), state + 1);
        EXPECT_EQ(object<TextField>(sim, "points")->text(), QString::number(points));
    }
    EXPECT_EQ(var("punktid"), 0);
    struct Max {
        const char* panel;
        QPointF icon;
        const char* level;
    };
    for (const Max& m : {Max{"zoomsize_panel", kSizeIcon, "LEVEL 6"}, Max{"zoom_panel", kZoomIcon, "LEVEL 6"},
                         Max{"scope_panel", kStyleIcon, "LEVEL 4"}}) {
        SCOPED_TRACE(m.panel);
        EXPECT_TRUE(panel(m.panel)->atMax());
        EXPECT_EQ(texts(m.panel), QStringList({QString(m.panel) == "zoomsize_panel" ? "Размер прицела"
                                               : QString(m.panel) == "zoom_panel"   ? "Приближение"
                                                                                    : "Стиль прицела",
                                               "MAX", m.level}));
        // No purchase area any more: with points to spare a release changes nothing.
        setVar("punktid", 1000);
        click(m.icon);
        EXPECT_EQ(var("punktid"), 1000);
        EXPECT_TRUE(panel(m.panel)->atMax());
    }
}

TEST_F(ShopScreenTest, purchasesAreRefusedSilentlyBelowTheCost) {
    struct Case {
        Value points;
        QPointF icon;
        Value pointsAfter;
        const char* variable;
        Value valueAfter;
    };
    const Case cases[] = {
        {24.5, kSizeIcon, 24.5, "zoomsize", {}},  // 25 needed
        {24.5, kZoomIcon, 12.5, "zoomin", 2},
        {25, kSizeIcon, 0, "zoomsize", 2},        // equal is enough
        {-2, kStyleIcon, -2, "scope", {}},        // hints made it negative
        {-0.5, kZoomIcon, -0.5, "zoomin", {}},
        {{}, kStyleIcon, {}, "scope", {}},        // never set: nothing to spend
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.variable);
        for (const char* name : {"zoomsize", "zoomin", "scope"}) sim.game().vars().unset(name);
        setVar("zoomlevel", 200);
        setVar("punktid", c.points);
        enterShop();
        click(c.icon);
        EXPECT_EQ(var("punktid"), c.pointsAfter);
        EXPECT_EQ(var(c.variable), c.valueAfter);
        if (!c.valueAfter) {
            EXPECT_EQ(var("zoomlevel"), 200);
        }
    }
}

TEST_F(ShopScreenTest, panelsAreRebuiltFromTheVariablesOnEveryVisit) {
    setVar("punktid", 100);
    click(kSizeIcon);
    click(kSizeIcon);
    click(kStyleIcon);
    for (int via : {screens::huntScreen(2), screens::kTitle, screens::huntScreen(3) + 1, screens::kFinal}) {
        SCOPED_TRACE(via);
        sim.game().goToScreen(via);
        EXPECT_EQ(panel("zoomsize_panel"), nullptr);
        enterShop();
        EXPECT_EQ(panel("zoomsize_panel")->currentFrame(), 3);
        EXPECT_EQ(panel("zoom_panel")->currentFrame(), 1);
        EXPECT_EQ(panel("scope_panel")->currentFrame(), 2);
    }
    // Values outside a panel's states show its first state.
    setVar("zoomsize", 7);
    setVar("zoomin", 2.5);
    setVar("scope", 5);
    enterShop();
    EXPECT_EQ(panel("zoomsize_panel")->currentFrame(), 1);
    EXPECT_EQ(panel("zoom_panel")->currentFrame(), 1);
    EXPECT_EQ(panel("scope_panel")->currentFrame(), 1);
}

TEST_F(ShopScreenTest, levelButtonsFollowPask) {
    const std::pair<Value, int> cases[] = {{{}, 1}, {1, 1}, {2, 2}, {4, 4}, {6, 6}, {7, 1}, {0, 1}, {-3, 1}, {3.5, 1}};
    for (const auto& [pask, active] : cases) {
        SCOPED_TRACE(pask ? *pask : -99);
        setVar("pask", pask);
        enterShop();
        EXPECT_EQ(activeButtons(), active);
    }
}

TEST_F(ShopScreenTest, levelButtonReleaseStopsEverySoundThenEntersItsLevel) {
    for (int level = 1; level <= 6; ++level) {
        SCOPED_TRACE(level);
        setVar("pask", 6);
        enterShop();
        sim.tick(2);
        ASSERT_TRUE(test::soundLog(sim.services()).last().startsWith("shop-music"));
        sim.click(buttonX(level), 125);
        // Everything stops, then the level starts its own music.
        EXPECT_EQ(test::soundLog(sim.services()).mid(test::soundLog(sim.services()).size() - 2),
                  QStringList({QString("stop-all@%1").arg(sim.game().tickCount()),
                               QString("music-1@%1").arg(sim.game().tickCount())}));
        EXPECT_EQ(sim.game().screen(), screens::huntScreen(level));
    }
}

TEST_F(ShopScreenTest, faintMarkersOfLockedLevelsDoNothing) {
    setVar("pask", 4);
    enterShop();
    const int sounds = int(sim.services().sounds().size());
    for (int level = 5; level <= 6; ++level) {
        sim.click(buttonX(level) + 2, 125);
        EXPECT_EQ(sim.game().screen(), screens::kShop);
    }
    EXPECT_EQ(int(sim.services().sounds().size()), sounds);
}

TEST_F(ShopScreenTest, levelButtonGrowsTo68PixelsWhilePointedAt) {
    constexpr double kGrown = 68.0 / 58 * 100;
    DisplayObject* button = object(sim, "lvls/level1");
    sim.move(150, 125);
    EXPECT_DOUBLE_EQ(button->scaleX(), kGrown);
    EXPECT_DOUBLE_EQ(button->scaleY(), kGrown);
    EXPECT_EQ(button->stageTransform().map(QPointF(0, 0)), QPointF(150, 125));  // centred as before
    sim.move(150, 158);  // inside the grown square, outside the 58 px one: still over it
    EXPECT_DOUBLE_EQ(button->scaleX(), kGrown);
    sim.move(150, 200);
    EXPECT_DOUBLE_EQ(button->scaleX(), 100);
    // Dragging: out and back in with the button held both give 58 px.
    sim.move(150, 125);
    sim.press();
    sim.move(150, 200);
    EXPECT_DOUBLE_EQ(button->scaleX(), 100);
    sim.move(150, 125);
    EXPECT_DOUBLE_EQ(button->scaleX(), 100);
}

// The clear control stores level 1 and shows one button; `pask` itself stays, so a visit through a
// level shows the old buttons again until the title has reloaded the store.
TEST_F(ShopScreenTest, clearControlResetsTheStoreButNotPask) {
    store.setCounter(4);
    setVar("pask", 4);
    enterShop();
    EXPECT_EQ(activeButtons(), 4);
    click(kClear);
    EXPECT_EQ(activeButtons(), 1);
    EXPECT_EQ(store.counter(), 1);
    EXPECT_EQ(var("pask"), 4);

    sim.game().goToScreen(screens::huntScreen(1));
    enterShop();
    EXPECT_EQ(activeButtons(), 4);
    click(kMenu);
    ASSERT_EQ(sim.game().screen(), screens::kTitle);
    EXPECT_EQ(var("pask"), 1);
    enterShop();
    EXPECT_EQ(activeButtons(), 1);
}

TEST_F(ShopScreenTest, musicStartsTwoTicksAfterEveryEntry) {
    sim.tick(5);  // entered before tick 1
    EXPECT_EQ(test::soundLog(sim.services()), QStringList({"stop-all@0", "shop-music@2"}));
    EXPECT_EQ(sim.services().sounds().back().times, 32767);
    sim.game().goToScreen(screens::kTitle);
    sim.tick(3);
    enterShop();  // between ticks 8 and 9
    sim.tick(1);
    EXPECT_EQ(test::soundLog(sim.services()).mid(2), QStringList({"stop-all@8"}));
    sim.tick(1);
    EXPECT_EQ(test::soundLog(sim.services()).mid(2), QStringList({"stop-all@8", "shop-music@10"}));
    sim.tick(30);
    EXPECT_EQ(sim.services().sounds().size(), 4u);
}

TEST_F(ShopScreenTest, entryShowsTheCursor) {
    sim.game().setCursorVisible(false);
    enterShop();
    EXPECT_TRUE(sim.game().cursorVisible());
    EXPECT_TRUE(sim.services().cursorVisible());
}

}  // namespace
}  // namespace valdorn
