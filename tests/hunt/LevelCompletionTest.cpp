// Every level is completed by hitting its K figures, and only then: the game moves to the level's next
// screen exactly 109 ticks after the last hit, with `punktid` raised by the level's total.
#include <gtest/gtest.h>

#include "ShotTestSupport.h"

namespace valdorn::testing {
namespace {

struct LevelCase {
    int level;
    double total;  // points of all its targets
};

class EveryLevel : public ShotTest, public ::testing::WithParamInterface<LevelCase> {
protected:
    // Shoots target i at the photograph until it falls (a walker may first have to come into reach).
    void bringDown(int i) {
        for (int attempt = 0; attempt < 12 && target(photograph(), i).visible(); ++attempt) {
            const double before = points();
            shootPhotograph([this, i] { return targetPoint(i); });
            if (target(photograph(), i).visible()) {
                ASSERT_EQ(points(), before) << "a shot at n" << i << " hit something else";
                sim->tick(20);
            }
        }
        ASSERT_FALSE(target(photograph(), i).visible()) << "n" << i << " never fell";
    }
};

TEST_P(EveryLevel, fallsAfterAllItsFiguresAndMovesOn109TicksLater) {
    const auto [level, total] = GetParam();
    sim->tick(60);
    enterLevel(level);
    sim->tick();
    const int k = levelSpec(level).requiredTargets;
    for (int i = 1; i < k; ++i) bringDown(i);
    sim->tick(200);
    EXPECT_EQ(game().screen(), screens::huntScreen(level)) << "completed with one figure left";
    bringDown(k);
    EXPECT_DOUBLE_EQ(points(), total);
    sim->tick(108);
    EXPECT_EQ(game().screen(), screens::huntScreen(level));
    sim->tick();
    EXPECT_EQ(game().screen(), level < 6 ? screens::huntScreen(level) + 1 : screens::kFinal);
}

INSTANTIATE_TEST_SUITE_P(Levels, EveryLevel,
                         ::testing::Values(LevelCase{1, 6}, LevelCase{2, 11}, LevelCase{3, 13.5},
                                           LevelCase{4, 23.5}, LevelCase{5, 34.5}, LevelCase{6, 43.5}));

}  // namespace
}  // namespace valdorn::testing
