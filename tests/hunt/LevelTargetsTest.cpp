// The level table's targets: K per level, points that add up, a drawing order that holds each target
// exactly once.
#include <gtest/gtest.h>

#include <QSet>
#include <numeric>

#include "hunt/LevelTargets.h"

using namespace valdorn;

namespace {

TEST(LevelTargets, pointsAndCountsAddUpPerLevel) {
    const struct {
        int level;
        size_t targets;
        double targetPoints;
    } expected[] = {{1, 5, 6}, {2, 6, 11}, {3, 7, 13.5}, {4, 8, 23.5}, {5, 9, 34.5}, {6, 10, 43.5}};
    double allTargets = 0, allPigeons = 0;
    for (const auto& e : expected) {
        const LevelTargets& level = levelTargets(e.level);
        ASSERT_EQ(level.targets.size(), e.targets) << e.level;
        double sum = 0;
        for (size_t i = 0; i < level.targets.size(); ++i) {
            EXPECT_EQ(QString(level.targets[i].name), QString("n%1").arg(i + 1)) << e.level;
            sum += level.targets[i].points;
        }
        EXPECT_DOUBLE_EQ(sum, e.targetPoints) << e.level;
        allTargets += sum;
        allPigeons += level.pigeons[0].points + level.pigeons[1].points;
        EXPECT_EQ(QString(level.pigeons[0].name), "tuvitest");
        EXPECT_EQ(QString(level.pigeons[1].name), QString("tuv2%1").arg(e.level + 1));
    }
    EXPECT_DOUBLE_EQ(allTargets, 132);
    EXPECT_DOUBLE_EQ(allPigeons, 40);
}

TEST(LevelTargets, drawingOrderHoldsEveryTargetOnce) {
    for (int level = 1; level <= 6; ++level) {
        const LevelTargets& t = levelTargets(level);
        QSet<QString> names, drawn;
        for (const TargetSpec& target : t.targets) names.insert(target.name);
        for (const char* name : t.drawOrder) drawn.insert(name);
        EXPECT_EQ(drawn, names) << level;
        EXPECT_EQ(t.drawOrder.size(), t.targets.size()) << level;
    }
}

}  // namespace
