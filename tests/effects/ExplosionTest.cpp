// The particle burst: how a burst is made, how each particle moves and when it goes.

#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>

#include "effects/Explosion.h"
#include "effects/ExplosionTuning.h"
#include "effects/ParticleBurst.h"
#include "game/AssetLibrary.h"
#include "game/Game.h"
#include "game/RecordingServices.h"
#include "game/Renderer.h"

namespace valdorn {
namespace {

constexpr quint64 kSeed = 7;
constexpr QPointF kBurstPoint{100, 200};
constexpr ParticleBox kBox{75, 125, 175, 225};  // the box of a burst at kBurstPoint with range 25
constexpr double kMaxSpeed = 7, kGravity = 0.5;

// A bare game: no screens, only the root, so a burst is the only thing on the stage.
class ExplosionTest : public ::testing::Test {
protected:
    ExplosionTest() { installExplosionState(game); }
    ParticleBurst& burst() { return createExplosion(game, kBurstPoint.x(), kBurstPoint.y()); }
    void ticks(int count) {
        for (int i = 0; i < count; ++i) game.tick();
    }

    RecordingServices services{kSeed};
    AssetLibrary assets;
    Game game{services, assets};
};

// One particle at the burst point with the given motion, alone in its burst.
ParticleBurst single(double speedX, double speedY, double alpha = 99, double fade = 0) {
    return ParticleBurst(builtInFireDot(), kBox,
                         {Particle{kBurstPoint.x(), kBurstPoint.y(), 0, alpha, speedX, speedY, fade}});
}

TEST_F(ExplosionTest, aBurstMakesParticleTotalParticlesFromTheRandomDrawsInOrder) {
    // Rotation, alpha, then u1..u5 per particle: a twin of the random source predicts every value.
    RecordingServices twin(kSeed);
    const ParticleBurst& made = burst();
    ASSERT_EQ(made.particles().size(), 500u);
    EXPECT_EQ(game.particleCount(), 500);
    for (const Particle& p : made.particles()) {
        const int rotation = static_cast<int>(std::floor(twin.random() * 360));
        const double alpha = 50 + std::floor(twin.random() * 50);
        const double u1 = twin.random(), u2 = twin.random(), u3 = twin.random(), u4 = twin.random();
        const double u5 = twin.random();
        ASSERT_EQ(p.rotation, rotation);
        ASSERT_EQ(p.alpha, alpha);
        ASSERT_DOUBLE_EQ(p.speedX, 7 * (u1 - u2));
        ASSERT_DOUBLE_EQ(p.speedY, 7 * (u3 - u4));
        ASSERT_DOUBLE_EQ(p.fadeSpeed, 20 * u5);
        ASSERT_EQ(QPointF(p.x, p.y), kBurstPoint);
        ASSERT_TRUE(p.rotation >= 0 && p.rotation <= 359 && p.alpha >= 50 && p.alpha <= 99);
    }
    EXPECT_EQ(made.box().boundyLeft, 75);
    EXPECT_EQ(made.box().boundyBottom, 225);
}

TEST_F(ExplosionTest, tuningValuesAreReadFromTheRootWhenTheBurstIsMade) {
    game.vars().set("particleTotal", 3);
    game.vars().set("particleRange", 10);
    const ParticleBurst& made = burst();
    EXPECT_EQ(made.particles().size(), 3u);
    EXPECT_EQ(made.box().boundyRight, 110);
}

TEST_F(ExplosionTest, noParticleSurvivesItsTwentyFifthUpdateAndTheEmptyBurstLeavesTheStage) {
    burst();
    game.tick();
    EXPECT_NE(game.root().child("main_holder"), nullptr);
    ticks(24);
    EXPECT_EQ(game.particleCount(), 0);
    EXPECT_EQ(game.root().child("main_holder"), nullptr);
}

TEST(ParticleUpdate, theLongestLivedParticleGoesOnItsTwentyFifthUpdate) {
    // Thrown up just too slowly to leave by the top, it falls back through the whole box.
    ParticleBurst burst = single(0, -4.7084);
    for (int i = 0; i < 24; ++i) burst.update(kMaxSpeed, kGravity);
    EXPECT_EQ(burst.particles().size(), 1u);
    burst.update(kMaxSpeed, kGravity);
    EXPECT_TRUE(burst.particles().empty());
}

struct EdgeCase {
    const char* edge;
    double speedX, speedY;  // px per tick; five updates bring the particle exactly onto the edge
};

class ParticleOnEdge : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(ParticleOnEdge, survivesOnTheEdgeAndGoesOnlyWhenStrictlyOutside) {
    ParticleBurst burst = single(GetParam().speedX, GetParam().speedY);
    for (int i = 0; i < 5; ++i) burst.update(kMaxSpeed, 0);
    ASSERT_EQ(burst.particles().size(), 1u);
    const Particle& p = burst.particles().front();
    EXPECT_TRUE(p.x == 75 || p.x == 125 || p.y == 175 || p.y == 225);
    burst.update(kMaxSpeed, 0);
    EXPECT_TRUE(burst.particles().empty());
}

INSTANTIATE_TEST_SUITE_P(Edges, ParticleOnEdge,
                         ::testing::Values(EdgeCase{"left", -5, 0}, EdgeCase{"right", 5, 0},
                                           EdgeCase{"top", 0, -5}, EdgeCase{"bottom", 0, 5}),
                         [](const auto& test) { return std::string(test.param.edge); });

TEST(ParticleUpdate, aParticleWhoseAlphaReachesExactlyZeroGoesOnThatUpdate) {
    ParticleBurst burst = single(0, 0, 60, 20);
    burst.update(kMaxSpeed, 0);
    burst.update(kMaxSpeed, 0);
    ASSERT_EQ(burst.particles().size(), 1u);
    EXPECT_EQ(burst.particles().front().alpha, 20);
    burst.update(kMaxSpeed, 0);
    EXPECT_TRUE(burst.particles().empty());
}

TEST(ParticleUpdate, aParticleThatNeverFadesStillLeavesItsBoxFallingUnderGravity) {
    // From rest, gravity alone moves it 0.25 n (n - 1) px in n updates: 22.5 after 10, 27.5 after 11.
    ParticleBurst burst = single(0, 0, 99, 0);
    for (int i = 0; i < 10; ++i) burst.update(kMaxSpeed, kGravity);
    ASSERT_EQ(burst.particles().size(), 1u);
    EXPECT_EQ(burst.particles().front().alpha, 99);
    burst.update(kMaxSpeed, kGravity);
    EXPECT_TRUE(burst.particles().empty());
}

struct FallCase {
    double speedY;        // px per tick at creation
    double yAfterFirst;   // px below the burst point after one update
    double speedAfterTwo; // px per tick after two updates
};

class ParticleFall : public ::testing::TestWithParam<FallCase> {};

TEST_P(ParticleFall, movesBeforeGravityAndGravityStopsOnceTheSpeedReachesTheCap) {
    ParticleBurst burst = single(0, GetParam().speedY);
    burst.update(kMaxSpeed, kGravity);
    EXPECT_NEAR(burst.particles().front().y - kBurstPoint.y(), GetParam().yAfterFirst, 1e-9);
    burst.update(kMaxSpeed, kGravity);
    EXPECT_DOUBLE_EQ(burst.particles().front().speedY, GetParam().speedAfterTwo);
}

// 6.9 passes the cap once (to 7.4) and stays; 7 is already at the cap and never gains.
INSTANTIATE_TEST_SUITE_P(Speeds, ParticleFall,
                         ::testing::Values(FallCase{1, 1, 2}, FallCase{-3, -3, -2}, FallCase{6.9, 6.9, 7.4},
                                           FallCase{7, 7, 7}));

TEST_F(ExplosionTest, aSecondBurstStandsAboveTheFirstAndLeavesItAlone) {
    ParticleBurst& first = burst();
    ticks(3);
    const std::vector<Particle> before = first.particles();
    ParticleBurst& second = createExplosion(game, 300, 300);
    EXPECT_GT(second.depth(), first.depth());
    EXPECT_GE(first.depth(), kParticleFirstDepth);
    EXPECT_EQ(game.particleCount(), static_cast<int>(before.size()) + 500);
    game.tick();
    // The first burst updated exactly as it would have alone.
    ParticleBurst alone(builtInFireDot(), first.box(), before);
    alone.update(kMaxSpeed, kGravity);
    ASSERT_EQ(first.particles().size(), alone.particles().size());
    for (size_t i = 0; i < alone.particles().size(); ++i) {
        EXPECT_EQ(first.particles()[i].x, alone.particles()[i].x);
        EXPECT_EQ(first.particles()[i].y, alone.particles()[i].y);
        EXPECT_EQ(first.particles()[i].alpha, alone.particles()[i].alpha);
    }
}

TEST_F(ExplosionTest, aFreshBurstDrawsRedAtItsPointAndNothingElsewhere) {
    burst();
    QImage surface(700, 550, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&surface);
    Renderer().render(painter, game.root(), surface.size());
    painter.end();
    const QColor centre = surface.pixelColor(kBurstPoint.toPoint());
    EXPECT_GT(centre.red(), 240);
    EXPECT_LT(centre.green(), 20);
    EXPECT_EQ(surface.pixelColor(400, 400), QColor(Qt::white));
}

}  // namespace
}  // namespace valdorn
