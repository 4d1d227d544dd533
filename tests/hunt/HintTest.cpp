// The hint: marks the first standing figure for 2 points (negative allowed), once per level and run;
// during the closing delay it costs nothing and stays; the scope's copy never shows the mark.
#include <gtest/gtest.h>

#include "ShotTestSupport.h"
#include "hunt/HintMarker.h"

namespace valdorn::testing {
namespace {

constexpr QPointF kHotspot{586.8, 509.3};  // stage px, middle of "SHOW ME"

class Hint : public ShotTest {
protected:
    void enter(int level) {
        sim->tick(60);
        enterLevel(level);
        sim->tick();
    }
    DisplayObject& hotspot() { return *game().root().child("showme"); }
    Clip& marker(Clip& picture) { return *picture.childAs<Clip>("hint"); }
    void clickHotspot() { sim->click(kHotspot.x(), kHotspot.y()); }
};

TEST_F(Hint, marksTheFirstStandingFigureForTwoPoints) {
    enter(1);
    shootPhotograph([this] { return targetPoint(1); });
    ASSERT_FALSE(target(photograph(), 1).visible());
    game().vars().set("punktid", 10);
    const QPointF copyMarker = marker(copy()).position();
    clickHotspot();
    EXPECT_EQ(marker(photograph()).position(), target(photograph(), 2).position());
    EXPECT_EQ(marker(photograph()).currentFrame(), 2);
    EXPECT_EQ(points(), 8);
    EXPECT_FALSE(hotspot().visible());
    EXPECT_EQ(game().vars().get("hint1"), 1);
    sim->tick(118);
    EXPECT_EQ(marker(photograph()).currentFrame(), kHintFrames - 1);
    sim->tick();
    EXPECT_EQ(marker(photograph()).currentFrame(), kHintFrames);  // the ring is gone
    EXPECT_FALSE(marker(photograph()).playing());
    // The copy's marker never moved: no mark inside the scope's window.
    EXPECT_EQ(marker(copy()).position(), copyMarker);
    // A hidden hotspot takes no more clicks.
    clickHotspot();
    EXPECT_EQ(points(), 8);
}

TEST_F(Hint, mayTakeThePointsBelowZero) {
    enter(2);
    game().vars().set("punktid", 1);
    clickHotspot();
    EXPECT_EQ(points(), -1);
    EXPECT_EQ(marker(photograph()).position(), target(photograph(), 1).position());
}

TEST_F(Hint, isHiddenOnReentryOnceUsed) {
    enter(3);
    clickHotspot();
    game().goToScreen(screens::kShop);
    enterLevel(3);
    EXPECT_FALSE(hotspot().visible());
    enterLevel(4);  // other levels keep their own hint
    EXPECT_TRUE(hotspot().visible());
}

TEST_F(Hint, duringTheClosingDelayCostsNothingAndStaysForThisVisit) {
    enter(1);
    for (int i = 1; i <= 5; ++i) shootPhotograph([this, i] { return targetPoint(i); });
    ASSERT_EQ(points(), 6);
    clickHotspot();
    EXPECT_EQ(points(), 6);
    EXPECT_TRUE(hotspot().visible());
    EXPECT_EQ(game().vars().get("hint1"), 1);
    EXPECT_EQ(marker(photograph()).currentFrame(), kHintFrames);  // parked and done, not restarted
}

}  // namespace
}  // namespace valdorn::testing
