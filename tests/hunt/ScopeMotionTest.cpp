// The scope view's spring, zoom steps and press rule (rest <-> aim, `levelscale`, Space).
#include <vector>

#include "HuntFixture.h"

namespace valdorn::testing {
namespace {

class ScopeMotion : public HuntTest {};

TEST_F(ScopeMotion, aJumpOfThePointerIsFollowedLikeADampedSpring) {
    enterLevel(2);
    settle(300, 200);
    const QPointF start = scope().position();
    const QPointF jump(120, -80);
    sim->move(start.x() + jump.x(), start.y() + jump.y());
    std::vector<QPointF> covered;  // fraction of the jump covered after each tick, per axis
    for (int tick = 1; tick <= 40; ++tick) {
        sim->tick();
        const QPointF moved = scope().position() - start;
        covered.emplace_back(moved.x() / jump.x(), moved.y() / jump.y());
    }
    for (const QPointF& c : covered) EXPECT_NEAR(c.x(), c.y(), 1e-9) << "both axes move alike";
    EXPECT_NEAR(covered[0].x(), 0.30, 1e-9);
    EXPECT_NEAR(covered[1].x(), 0.69, 1e-9);
    EXPECT_NEAR(covered[4].x(), 1.26, 0.005) << "the overshoot peaks on the fifth tick";
    EXPECT_GT(covered[4].x(), covered[3].x());
    EXPECT_GT(covered[4].x(), covered[5].x());
    EXPECT_LT(covered[9].x(), 1.0) << "it swings back below the target";
    for (size_t i = 19; i < covered.size(); ++i) EXPECT_NEAR(covered[i].x(), 1.0, 0.01) << "tick " << i + 1;
}

TEST_F(ScopeMotion, aHiddenScopeStillFollowsAndSettlesOnTheLastPointerPosition) {
    enterLevel(1);
    settle(600, 540);  // over the HUD strip: hidden
    EXPECT_FALSE(scope().visible());
    EXPECT_NEAR(scope().x(), 600, 1e-6);
    EXPECT_NEAR(scope().y(), 540, 1e-6);
}

struct ZoomCase {
    const char* name;
    double zoomlevel;  // percent
    bool space;
    std::vector<double> scales;  // percent, the copy's scale after each tick following the press
};

class ZoomSteps : public HuntTest, public ::testing::WithParamInterface<ZoomCase> {};

TEST_P(ZoomSteps, eachTickClosesHalfTheRemainingDifference) {
    const ZoomCase& c = GetParam();
    sim->game().vars().set("zoomlevel", c.zoomlevel);
    enterLevel(3);
    sim->tick();
    if (c.space) sim->keyDown(kKeySpace);
    sim->press();
    sim->release();
    for (double expected : c.scales) {
        sim->tick();
        EXPECT_DOUBLE_EQ(scope().copyScale(), expected);
        EXPECT_DOUBLE_EQ(scope().copy().scaleY(), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Scope, ZoomSteps,
                         ::testing::Values(ZoomCase{"defaultZoom", 200, false, {175, 187.5, 193.75, 196.875}},
                                           ZoomCase{"zoom500", 500, false, {325, 412.5, 456.25}},
                                           ZoomCase{"spaceWidens", 500, true, {100, 75, 62.5}}),
                         [](const ::testing::TestParamInfo<ZoomCase>& p) { return std::string(p.param.name); });

TEST_F(ScopeMotion, pressesAlternateStartingWithAimOnEveryEntry) {
    game().vars().set("zoomlevel", 300);
    for (const double before : {1.0, 0.0}) {
        // Whatever an earlier screen left in `levelscale`, the first press on a fresh level aims.
        game().vars().set("levelscale", before);
        enterLevel(4);
        sim->tick();
        for (int press = 1; press <= 4; ++press) {
            sim->press();
            sim->release();
            const bool aims = press % 2 == 1;
            EXPECT_EQ(game().vars().get("levelscale"), Value(aims ? 1 : 0)) << "press " << press;
            EXPECT_EQ(scope().targetScale(), aims ? 300 : kRestScale) << "press " << press;
            sim->tick(3);
        }
        game().goToScreen(screens::kShop);
    }
}

TEST_F(ScopeMotion, aPressWhileTheScopeIsHiddenStillToggles) {
    enterLevel(1);
    settle(350, 530);
    ASSERT_FALSE(scope().visible());
    sim->press();
    EXPECT_EQ(scope().targetScale(), 200);
    EXPECT_EQ(game().vars().get("levelscale"), Value(1));
}

TEST_F(ScopeMotion, spaceCountsOnlyAtAnAimingPress) {
    enterLevel(2);
    sim->tick();
    sim->press();  // aim without Space
    sim->release();
    sim->keyDown(kKeySpace);
    sim->press();  // back to rest: Space changes nothing
    sim->release();
    EXPECT_EQ(scope().targetScale(), kRestScale);
    EXPECT_EQ(game().vars().get("levelscale"), Value(0));
    sim->press();  // aim with Space held
    sim->release();
    EXPECT_EQ(scope().targetScale(), kWideScale);
    EXPECT_EQ(game().vars().get("levelscale"), Value(1));
    sim->press();  // back to rest, Space still held
    EXPECT_EQ(scope().targetScale(), kRestScale);
}

}  // namespace
}  // namespace valdorn::testing
