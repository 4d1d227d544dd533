// Shots: the two-click rule, release over the pressed figure only, both instances hidden at once,
// overlapping figures, walking and partly hidden figures, pigeons.
#include <gtest/gtest.h>

#include "ShotTestSupport.h"
#include "effects/Pigeon.h"
#include "game/HitTest.h"

#include <optional>

namespace valdorn::testing {
namespace {

class Hits : public ShotTest {
protected:
    void SetUp() override {
        sim->tick(60);
        enterLevel(1);
        sim->tick();
    }
    QStringList soundsSince() {
        QStringList names;
        for (const auto& e : sim->services().takeSounds()) names << e.sound;
        return names;
    }
};

TEST_F(Hits, theFirstClickAimsAndOnlyTheSecondHitsThroughTheWindow) {
    const QPointF n1 = targetPoint(1);
    settle(n1.x(), n1.y());
    ASSERT_EQ(interactiveObjectAt(game().root(), n1), &target(copy(), 1));  // the magnified twin is on top
    soundsSince();
    sim->press();
    sim->release();
    EXPECT_TRUE(target(photograph(), 1).visible());
    EXPECT_EQ(points(), 0);
    EXPECT_EQ(game().vars().get("levelscale"), 1);
    sim->tick(8);
    sim->press();
    sim->release();
    EXPECT_FALSE(target(copy(), 1).visible());
    EXPECT_FALSE(target(photograph(), 1).visible());
    EXPECT_EQ(points(), 1);  // n1 is worth exactly 1
    EXPECT_EQ(soundsSince(), QStringList{"shot"});
    // A hidden target takes no clicks: the same place again gives nothing.
    EXPECT_NE(interactiveObjectAt(game().root(), n1), &target(copy(), 1));
    doubleClick(8);
    EXPECT_EQ(points(), 1);
}

TEST_F(Hits, pressOnAFigureThenReleaseElsewhereHitsNothing) {
    const QPointF n3 = targetPoint(3);
    settle(n3.x(), n3.y());
    sim->press();
    sim->release();
    sim->tick(8);
    sim->press();
    sim->move(n3.x() + 120, n3.y());
    sim->release();
    EXPECT_TRUE(target(photograph(), 3).visible());
    EXPECT_EQ(points(), 0);
    EXPECT_EQ(game().vars().get("levelscale"), 0);  // the press still toggled the scope
}

TEST_F(Hits, aHitOnThePhotographHidesTheCopyToo) {
    shootPhotograph(targetPoint(5));
    EXPECT_FALSE(target(photograph(), 5).visible());
    EXPECT_FALSE(target(copy(), 5).visible());
    EXPECT_EQ(points(), 1.5);
}

TEST_F(Hits, aPigeonPaysFliesInBothInstancesAndCuesItsSounds) {
    auto* bird = photograph().childAs<Pigeon>("tuvitest");
    auto* twin = copy().childAs<Pigeon>("tuvitest");
    soundsSince();
    shootPhotograph(bodyPoint(*bird));
    const qint64 shotTick = game().tickCount();
    EXPECT_EQ(points(), 2.5);
    EXPECT_EQ(bird->currentFrame(), 2);
    EXPECT_EQ(twin->currentFrame(), 2);
    sim->tick(20);
    EXPECT_EQ(bird->currentFrame(), twin->currentFrame());
    std::vector<std::pair<qint64, QString>> sounds;
    for (const auto& e : sim->services().takeSounds()) sounds.emplace_back(e.tick - shotTick, e.sound);
    using P = std::pair<qint64, QString>;
    EXPECT_EQ(sounds, (std::vector<P>{{0, "shot"}, {14, "pigeon-a"}, {16, "pigeon-b"}}));
    // Pigeons are no targets: nothing of the level's completion moved.
    EXPECT_EQ(controller().completionCount(), 0);
}

class HitsInLevel : public ShotTest {
protected:
    void enter(int level) {
        sim->tick(60);
        enterLevel(level);
        sim->tick();
    }
};

TEST_F(HitsInLevel, levelTwosN4LiesOverN6) {
    enter(2);
    DisplayObject& n4 = target(photograph(), 4);
    DisplayObject& n6 = target(photograph(), 6);
    // The two figures move; wait, with the scope parked, for a frame where they overlap.
    settle(350, 540, 40);
    std::optional<QPointF> both;
    for (int tick = 0; tick < 180 && !both; ++tick, sim->tick()) {
        const QPointF around = targetPoint(6);
        for (double dx = -4; dx <= 4 && !both; dx += 0.1)
            for (double dy = -4; dy <= 4 && !both; dy += 0.1) {
                const QPointF p = around + QPointF(dx, dy);
                if (touches(n4, p, n4.stageTransform()) && touches(n6, p, n6.stageTransform())) both = p;
            }
    }
    ASSERT_TRUE(both.has_value());
    sim->move(both->x(), both->y());
    doubleClick();
    EXPECT_FALSE(target(photograph(), 4).visible());
    EXPECT_TRUE(target(photograph(), 6).visible());
    shootPhotograph([this] { return targetPoint(6); });
    EXPECT_FALSE(target(photograph(), 6).visible());
    EXPECT_EQ(points(), 5);
}

TEST_F(HitsInLevel, theWalkingFigureIsHitOnItsMirroredStretch) {
    enter(4);
    auto& walker = *target(photograph(), 2).asClip();
    while (walker.currentFrame() < 200) sim->tick();
    ASSERT_LT(walker.children().front()->scaleX(), 0);
    shootPhotograph([this] { return targetPoint(2); });
    ASSERT_LT(walker.children().front()->scaleX(), 0);
    EXPECT_FALSE(target(photograph(), 2).visible());
    EXPECT_EQ(points(), 5);
}

TEST_F(HitsInLevel, levelFoursN4CannotBeHitBeyondThePhotographsRightEdge) {
    enter(4);
    auto& walker = *target(photograph(), 4).asClip();
    ASSERT_LT(walker.currentFrame(), 10);
    const QPointF beyond = targetPoint(4);
    ASSERT_GT(beyond.x(), 700);
    settle(350, 540, 40);
    EXPECT_EQ(interactiveObjectAt(game().root(), beyond), nullptr);
    while (walker.currentFrame() < 120) sim->tick();  // now well on the picture
    ASSERT_LT(targetPoint(4).x(), 695);
    shootPhotograph([this] { return targetPoint(4); });
    EXPECT_FALSE(target(photograph(), 4).visible());
}

TEST_F(HitsInLevel, levelFivesN5IsHitOnlyThroughItsWindow) {
    enter(5);
    DisplayObject& n5 = target(photograph(), 5);
    const QPointF belowWindow = n5.stageTransform().map(QPointF(0, 4));
    shootPhotograph(belowWindow);
    EXPECT_TRUE(n5.visible());
    shootPhotograph(targetPoint(5));
    EXPECT_FALSE(n5.visible());
    EXPECT_EQ(points(), 3.5);
}

}  // namespace
}  // namespace valdorn::testing
