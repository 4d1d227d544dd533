// The loading screen: start-up variables, the particle display, its flash-out and the hand-over to
// the title, and the two objects that stay for the whole run.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "ScreenTestSupport.h"
#include "game/LoadingScreen.h"
#include "game/ParticlePreloader.h"
#include "game/TitleScreen.h"

namespace valdorn {
namespace {

using test::object;

constexpr double kStep = std::numbers::pi / 32;

class LoadingScreenTest : public ::testing::Test {
protected:
    Simulation sim{test::syntheticAssets()};
    Clip* display() { return object<Clip>(sim, "preloader"); }
    ParticlePreloader* particles() { return object<ParticlePreloader>(sim, "preloader/preloader"); }
};

TEST_F(LoadingScreenTest, firstTickSetsUpVariablesAndShowsAllFiveHundredParticlesAtOneHundred) {
    EXPECT_EQ(sim.game().vars().get("punktid"), 0);
    EXPECT_EQ(sim.game().vars().get("zoomlevel"), 200);
    ASSERT_NE(particles(), nullptr);
    EXPECT_TRUE(particles()->particles().empty());
    EXPECT_FALSE(display()->playing());

    sim.tick();
    const auto& list = particles()->particles();
    ASSERT_EQ(list.size(), 500u);
    EXPECT_EQ(particles()->numberText(), "100");
    for (size_t n = 0; n < list.size(); ++n) {
        SCOPED_TRACE(n);
        EXPECT_NEAR(list[n].r, 25 + 0.2 * double(n), 1e-9);
        EXPECT_GE(list[n].incT, -kStep);
        EXPECT_LT(list[n].incT, kStep);
        EXPECT_GE(list[n].incP, -kStep);
        EXPECT_LT(list[n].incP, kStep);
    }
    EXPECT_DOUBLE_EQ(list.front().r, 25);
    EXPECT_NEAR(list.back().r, 124.8, 1e-9);
    // Complete data starts the flash-out at once.
    EXPECT_TRUE(display()->playing());
    EXPECT_EQ(display()->currentFrame(), 1);
    // The number lies under the trails.
    EXPECT_LT(object(sim, "preloader/preloader/txt")->depth(), object(sim, "preloader/preloader/mc")->depth());
}

TEST_F(LoadingScreenTest, trailsAreBluishPixelsWithinTheOuterSphere) {
    sim.tick(3);
    const QImage& trails = particles()->trails();
    ASSERT_EQ(trails.size(), QSize(700, 550));
    int lit = 0;
    for (int y = 0; y < trails.height(); ++y)
        for (int x = 0; x < trails.width(); ++x) {
            const QRgb p = qUnpremultiply(trails.pixel(x, y));
            if (qAlpha(p) == 0) continue;
            ++lit;
            // The extreme radius plus a pixel of blur either way.
            ASSERT_LE(std::max(std::abs(x - 350), std::abs(y - 275)), 127) << x << "," << y;
            ASSERT_GE(qBlue(p) + 1, qRed(p)) << x << "," << y;  // the five colours are white to blue
        }
    EXPECT_GT(lit, 500);
}

// Frame n of the display shows row n of the flash-out table: the rows the test spells out are a
// sample across the brightening, the peak and the fade.
TEST_F(LoadingScreenTest, flashOutTableIsAppliedFrameByFrame) {
    struct Row {
        int frame;
        double gain, offset;
        QRgb glow;
        double blur, strength, alphaPercent;
    };
    const Row rows[] = {
        {2, 1.02, 4.765, 0xFFFF2525, 2.219, 0.0469, 100},  {9, 1.21, 27.905, 0xFFFFD9D9, 12.781, 0.3398, 100},
        {14, 1.25, 34.125, 0xFFFFFFFF, 15.0, 0.3984, 100}, {15, 1.30, 35.260, 0xFFFFE9E9, 13.667, 0.3594, 91.0},
        {25, 2.00, 46.5, 0xFFFF4040, 3.75, 0.0977, 25.0},  {35, 2.54, 54.505, 0xFFFF0101, 0.031, 0, 0.4},
        {36, 2.60, 54.4, 0xFFFF0000, 0, 0, 0},
    };
    sim.tick();
    double lastAlpha = 100;
    size_t next = 0;
    for (int frame = 2; frame <= 36; ++frame) {
        SCOPED_TRACE(frame);
        sim.tick();
        ASSERT_EQ(display()->currentFrame(), frame);
        ParticlePreloader* p = particles();
        ASSERT_NE(p, nullptr);
        const auto& filters = p->filters();
        ASSERT_EQ(filters.size(), 3u);
        const auto& matrix = std::get<ColorMatrixFilter>(filters[0]);
        const auto& glow = std::get<GlowFilter>(filters[1]);
        EXPECT_EQ(std::get<BlurFilter>(filters[2]).blurX, 0);
        EXPECT_EQ(glow.passes, 1);
        EXPECT_FALSE(glow.inner || glow.knockout);
        // Opaque until the peak, then fading and never brightening again.
        if (frame <= 14) {
            EXPECT_EQ(p->alpha(), 100);
        }
        EXPECT_LE(p->alpha(), lastAlpha);
        lastAlpha = p->alpha();
        if (next < std::size(rows) && rows[next].frame == frame) {
            const Row& r = rows[next++];
            EXPECT_DOUBLE_EQ(matrix.gain, r.gain);
            EXPECT_DOUBLE_EQ(matrix.offset, r.offset);
            EXPECT_EQ(glow.color.rgba(), r.glow);
            EXPECT_DOUBLE_EQ(glow.blurX, r.blur);
            EXPECT_DOUBLE_EQ(glow.blurY, r.blur);
            EXPECT_DOUBLE_EQ(glow.strength, r.strength);
            EXPECT_NEAR(p->alpha(), r.alphaPercent, 0.05);
        }
    }
    EXPECT_EQ(next, std::size(rows));
}

TEST_F(LoadingScreenTest, particlesMoveTwicePerTickDuringTheFlashOut) {
    sim.tick();
    const auto before = particles()->particles();
    sim.tick();
    const auto& after = particles()->particles();
    for (size_t n = 0; n < before.size(); n += 50) {
        EXPECT_NEAR(after[n].theta - before[n].theta, 2 * before[n].incT, 1e-12);
        EXPECT_NEAR(after[n].phi - before[n].phi, 2 * before[n].incP, 1e-12);
    }
}

TEST_F(LoadingScreenTest, displayClearsOnFrame37AndTheTitleFollowsAtTick41) {
    DisplayObject* counter = object(sim, "counter_text");
    DisplayObject* cheat = object(sim, "cheat");
    ASSERT_TRUE(counter && cheat);
    sim.tick(36);
    EXPECT_NE(particles(), nullptr);
    sim.tick();
    EXPECT_EQ(display()->currentFrame(), 37);
    EXPECT_EQ(particles(), nullptr);
    sim.tick(3);
    EXPECT_EQ(display()->currentFrame(), 40);
    EXPECT_FALSE(display()->playing());
    EXPECT_EQ(sim.game().screen(), 0);
    sim.tick();
    EXPECT_EQ(sim.game().screen(), 1);
    EXPECT_EQ(display(), nullptr);
    EXPECT_EQ(object(sim, "logo")->scaleX(), 64.7);  // the title's logo, not the loading one
    // The same two objects stay, below and beside the stage.
    EXPECT_EQ(object(sim, "counter_text"), counter);
    EXPECT_EQ(object(sim, "cheat"), cheat);
    EXPECT_EQ(counter->depth(), 872);
    EXPECT_EQ(cheat->depth(), 873);
    sim.game().goToScreen(15);
    EXPECT_EQ(object(sim, "counter_text"), counter);
    EXPECT_EQ(object(sim, "cheat"), cheat);
}

TEST_F(LoadingScreenTest, logoOpensTheQuestSiteWithoutDisturbingTheDisplay) {
    sim.tick(5);
    sim.click(261, 490);  // the scope emblem
    EXPECT_EQ(sim.services().urlsOpened(), 1);
    sim.tick();
    EXPECT_EQ(display()->currentFrame(), 6);
    EXPECT_EQ(sim.game().screen(), 0);
}

// With data arriving gradually the display follows the fraction loaded and starts its flash-out at
// 99.5 per cent, while the number may still read 99.
TEST(LoadingScreenGradual, particlesFollowTheFractionLoadedAndTheFlashOutStartsAt995) {
    RecordingServices services;
    Game game(services, test::syntheticAssets());
    double loaded = 0;
    game.setScreen(0, std::make_unique<LoadingScreen>([&loaded] { return loaded; }));
    game.setScreen(1, std::make_unique<TitleScreen>());
    game.start();
    auto* display = dynamic_cast<Clip*>(game.root().find("preloader"));
    auto* particles = dynamic_cast<ParticlePreloader*>(game.root().find("preloader/preloader"));
    ASSERT_TRUE(display && particles);

    struct Step {
        double loaded;
        size_t particles;
        const char* number;
        bool playing;
    };
    const Step steps[] = {
        {0.0, 0, "0", false},     {0.3, 150, "30", false},   {0.2, 150, "20", false},  // going down removes none
        {0.994, 497, "99", false}, {0.995, 497, "99", true},  {1.0, 500, "100", true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.loaded);
        loaded = step.loaded;
        game.tick();
        EXPECT_EQ(particles->particles().size(), step.particles);
        EXPECT_EQ(particles->numberText(), step.number);
        EXPECT_EQ(display->playing(), step.playing);
    }
    for (int i = 0; i < 40 && game.screen() == 0; ++i) game.tick();
    EXPECT_EQ(game.screen(), 1);
}

}  // namespace
}  // namespace valdorn
