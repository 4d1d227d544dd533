// Bursts in a running hunt level: what a hit sets off, clicks through particles, and bursts that
// outlive their screen.

#include <gtest/gtest.h>

#include "effects/Explosion.h"
#include "effects/ParticleBurst.h"
#include "game/ScreenIds.h"
#include "hunt/ShotTestSupport.h"

namespace valdorn::testing {
namespace {

class HuntBurst : public ShotTest {
protected:
    void SetUp() override {
        sim->tick(60);
        enterLevel(1);
        sim->tick();
    }
    Clip& donebar() { return *game().root().childAs<Clip>("donebar"); }
    std::vector<ParticleBurst*> bursts() {
        std::vector<ParticleBurst*> found;
        for (DisplayObject* object : game().root().children())
            if (auto* burst = dynamic_cast<ParticleBurst*>(object)) found.push_back(burst);
        return found;
    }
};

TEST_F(HuntBurst, aHitStepsTheBarAndBurstsWhereTheShotWasReleased) {
    const QPointF n1 = targetPoint(1);
    shootPhotograph(n1);
    ASSERT_FALSE(target(photograph(), 1).visible());
    EXPECT_EQ(donebar().currentFrame(), 2);
    ASSERT_EQ(bursts().size(), 1u);
    EXPECT_EQ(game().particleCount(), 500);
    const Particle& p = bursts().front()->particles().front();
    EXPECT_EQ(QPointF(p.x, p.y), n1);
}

TEST_F(HuntBurst, plahvatusOnTheBarsLastFrameStillBursts) {
    donebar().gotoAndStop(11);
    sim->move(200, 150);
    plahvatus(game());
    EXPECT_EQ(donebar().currentFrame(), 11);
    EXPECT_EQ(game().particleCount(), 500);
}

TEST_F(HuntBurst, burstsStandAboveEverythingTheScreenPlaces) {
    sim->move(200, 150);
    plahvatus(game());
    const auto children = game().root().children();
    EXPECT_TRUE(dynamic_cast<ParticleBurst*>(children.back()));
    for (DisplayObject* object : children) {
        if (!dynamic_cast<ParticleBurst*>(object)) {
            EXPECT_LT(object->depth(), bursts().front()->depth());
        }
    }
}

TEST_F(HuntBurst, aClickOnParticlesReachesTheFigureBelowThem) {
    // The burst is made over the figure just before the shot, so its particles cover it.
    shootPhotograph([this] {
        const QPointF p = targetPoint(1);
        createExplosion(game(), p.x(), p.y());
        return p;
    });
    EXPECT_FALSE(target(photograph(), 1).visible());
    EXPECT_EQ(bursts().size(), 2u);  // the one made here and the hit's own
}

TEST_F(HuntBurst, aBurstGoesOnAcrossAScreenChangeUntilItsParticlesAreGone) {
    sim->move(200, 150);
    plahvatus(game());
    sim->tick(2);
    const size_t alive = game().particleCount();
    ASSERT_GT(alive, 0u);
    game().goToScreen(screens::kShop);
    ASSERT_EQ(bursts().size(), 1u);
    EXPECT_EQ(static_cast<size_t>(game().particleCount()), alive);
    sim->tick(23);
    EXPECT_TRUE(bursts().empty());
}

}  // namespace
}  // namespace valdorn::testing
