// Entering, rebuilding and leaving a hunt screen: placement of the photograph, scope and HUD strip,
// the root's Tab poll, the level's own `cheat` clip.
#include "HuntFixture.h"
#include "game/Bitmap.h"

namespace valdorn::testing {
namespace {

class Placement : public HuntTest, public ::testing::WithParamInterface<int> {};

TEST_P(Placement, theLevelIsBuiltFromItsRow) {
    const int level = GetParam();
    enterLevel(level);
    const LevelSpec& row = levelSpec(level);
    Clip& photo = photograph();
    EXPECT_EQ(photo.name(), row.photographName);
    EXPECT_EQ(photo.position(), QPointF(row.originX, row.originY));
    const QRectF expectedPicture = level == 1 ? QRectF(-0.1, 0.1, 700, 500) : QRectF(0, 0, 700, 500);
    const PictureSize size = kPhotoSizes[level - 1];
    for (Clip* picture : {&photo, &scope().copy()}) {
        auto* bitmap = dynamic_cast<Bitmap*>(picture->children().front());
        ASSERT_NE(bitmap, nullptr);
        EXPECT_FALSE(bitmap->smooth());
        EXPECT_EQ(bitmap->image().size(), QSize(size.width, size.height)) << "the full-resolution picture";
        for (int i = 1; i <= row.requiredTargets; ++i) EXPECT_TRUE(target(*picture, i).visible());
        EXPECT_EQ(picture->child(QStringLiteral("n%1").arg(row.requiredTargets + 1)), nullptr);
    }
    const QRectF onStage = photo.stageTransform().mapRect(photo.children().front()->contentBounds());
    EXPECT_NEAR(onStage.left(), expectedPicture.left(), 1e-9);
    EXPECT_NEAR(onStage.top(), expectedPicture.top(), 1e-9);
    EXPECT_NEAR(onStage.width(), 700, 1e-9);
    EXPECT_NEAR(onStage.height(), 500, 1e-9);

    EXPECT_EQ(scope().name(), row.scopeName);
    EXPECT_EQ(scope().position(), level == 1 ? QPointF(412.95, 266.2) : QPointF(372, 278.95));
    EXPECT_EQ(scope().centreMarker().name(), level == 3 ? "hitu3" : "hitu");

    // Drawing order on the root: photograph, scope, then the strip over the scope's lower part.
    const auto strip = game().root().childAtDepth(hunt::kHudStripDepth);
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->stageTransform().mapRect(strip->subtreeBounds()), QRectF(0, 500, 700.95, 52));
    EXPECT_LT(photo.depth(), scope().depth());
    EXPECT_LT(scope().depth(), strip->depth());
}

INSTANTIATE_TEST_SUITE_P(Hunt, Placement, ::testing::Range(1, 7));

class HuntScreen_ : public HuntTest {};

TEST_F(HuntScreen_, enteringAgainRebuildsTheLevelButKeepsThePoints) {
    for (const int via : {screens::kShop, screens::huntScreen(2)}) {  // from the shop, or straight again
        enterLevel(2);
        sim->tick(5);
        game().vars().set("punktid", 7.5);
        target(photograph(), 3).setVisible(false);
        target(scope().copy(), 3).setVisible(false);
        sim->press();
        settle(100, 100, 30);
        if (via == screens::kShop) game().goToScreen(via);
        enterLevel(2);
        EXPECT_TRUE(target(photograph(), 3).visible());
        EXPECT_TRUE(target(scope().copy(), 3).visible());
        EXPECT_EQ(scope().position(), QPointF(372, 278.95));
        EXPECT_EQ(scope().copyScale(), kRestScale);
        EXPECT_EQ(scope().targetScale(), kRestScale);
        EXPECT_EQ(controller().completionCount(), 0);
        EXPECT_EQ(game().vars().get("punktid"), Value(7.5));
        int scopes = 0;
        for (DisplayObject* child : game().root().children()) scopes += child->name() == "zoom2";
        EXPECT_EQ(scopes, 1) << "no leftovers of the first visit";
    }
}

TEST_F(HuntScreen_, leavingRemovesTheLevelButKeepsTheRootsState) {
    enterLevel(4);
    sim->tick();
    game().goToScreen(screens::kShop);
    for (DisplayObject* child : game().root().children()) {
        EXPECT_NE(child->name(), "image4");
        EXPECT_NE(child->name(), "zoom4");
        EXPECT_NE(child->depth(), hunt::kHudStripDepth);
        EXPECT_NE(child->depth(), hunt::kControllerDepth);
    }
    EXPECT_TRUE(game().root().onTick) << "the Tab poll stays installed";
    EXPECT_EQ(game().vars().get("time_out"), Value(1000));
}

class LevelCheat : public HuntTest, public ::testing::WithParamInterface<int> {};

TEST_P(LevelCheat, levels2To4AddTheirOwnCheatClipForTheLevelOnly) {
    const int level = GetParam();
    enterLevel(level);
    std::vector<QPointF> cheats;
    for (DisplayObject* child : game().root().children())
        if (child->name() == "cheat") cheats.push_back(child->position());
    const bool own = level >= 2 && level <= 4;
    ASSERT_EQ(cheats.size(), own ? 2u : 1u);
    EXPECT_TRUE(std::count(cheats.begin(), cheats.end(), QPointF(1146.4, 610.85)) == 1) << "the run's own";
    if (own) {
        EXPECT_TRUE(std::count(cheats.begin(), cheats.end(), QPointF(1056.4, 781.8)) == 1);
    }
    game().goToScreen(screens::kShop);
    int left = 0;
    for (DisplayObject* child : game().root().children()) left += child->name() == "cheat";
    EXPECT_EQ(left, 1);
}

INSTANTIATE_TEST_SUITE_P(Hunt, LevelCheat, ::testing::Range(1, 7));

struct TabCase {
    const char* name;
    int screen;
};

class TabPoll : public HuntTest, public ::testing::WithParamInterface<TabCase> {
protected:
    Clip& cheat() { return *game().root().childAs<Clip>("cheat"); }
};

TEST_P(TabPoll, holdingTabRestartsCheatOnEveryTickOnceAHuntScreenWasEntered) {
    enterLevel(2);
    sim->tick();
    game().goToScreen(GetParam().screen);
    sim->keyDown(kKeyTab);
    for (int tick = 1; tick <= 60; ++tick) {  // longer than the clip
        sim->tick();
        ASSERT_EQ(cheat().currentFrame(), 2) << "tick " << tick;
        ASSERT_TRUE(cheat().playing());
    }
    sim->keyUp(kKeyTab);
    sim->tick(3);
    EXPECT_EQ(cheat().currentFrame(), 5) << "released, it plays on";
}

INSTANTIATE_TEST_SUITE_P(Hunt, TabPoll,
                         ::testing::Values(TabCase{"hunt", 4}, TabCase{"shop", screens::kShop},
                                           TabCase{"levelComplete", 5}, TabCase{"final", screens::kFinal}),
                         [](const ::testing::TestParamInfo<TabCase>& p) { return std::string(p.param.name); });

TEST_F(HuntScreen_, beforeAnyHuntScreenHoldingTabOnlyRestartsCheatOnce) {
    game().goToScreen(screens::kShop);
    sim->keyDown(kKeyTab);
    sim->tick(3);
    EXPECT_EQ(game().root().childAs<Clip>("cheat")->currentFrame(), 5);
}

}  // namespace
}  // namespace valdorn::testing
