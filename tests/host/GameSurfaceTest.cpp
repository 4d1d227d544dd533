// The game surface's clock: 30 ticks per second counted from the clock (no drift), a bounded
// catch-up after a stall; and the surface's screen number.
#include <gtest/gtest.h>

#include <QTest>

#include "game/AssetLibrary.h"
#include "game/Game.h"
#include "host/GameSurface.h"

namespace {

TEST(GameSurfaceClock, ticksFollowTheClockWithoutDrift) {
    qint64 run = 0;
    int total = 0;
    // Ten minutes polled at an uneven 7 ms, then once at the very end.
    for (qint64 ms = 0; ms <= 10 * 60 * 1000; ms = ms + 7 > 600'000 && ms < 600'000 ? 600'000 : ms + 7) {
        const int due = GameSurface::ticksDue(ms, run);
        run += due;
        total += due;
    }
    EXPECT_EQ(total, 10 * 60 * 30);
}

TEST(GameSurfaceClock, aStallCatchesUpAFewTicksOnly) {
    qint64 run = 30;  // one second done
    const int due = GameSurface::ticksDue(11'000, run);  // then ten seconds frozen
    EXPECT_EQ(due, GameSurface::kMaxCatchUpTicks);
    run += due;
    EXPECT_EQ(GameSurface::ticksDue(11'000, run), 0);
    EXPECT_EQ(GameSurface::ticksDue(11'034, run), 1);
}

TEST(GameSurface, runsTheGameFromScreenZeroAndReportsItsScreen) {
    valdorn::AssetLibrary assets;
    GameSurface surface(assets);
    surface.resize(714, 560);
    EXPECT_GE(surface.FrameNum(), 0);
    QTest::qWait(200);
    EXPECT_GT(surface.game().tickCount(), 0);
    surface.game().goToScreen(15);
    EXPECT_EQ(surface.FrameNum(), 15);
}

}  // namespace
