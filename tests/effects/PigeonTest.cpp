// A pigeon perches until its flight starts, flies the table frame by frame, is hittable while drawn
// (even fully transparent on frame 70) and gone on frame 71.
#include <gtest/gtest.h>

#include "effects/Pigeon.h"
#include "game/HitTest.h"

using namespace valdorn;

namespace {

TEST(Pigeon, perchesUntilItsFlightStarts) {
    Pigeon pigeon;
    for (int i = 0; i < 10; ++i) pigeon.advance();
    EXPECT_EQ(pigeon.currentFrame(), 1);
}

TEST(Pigeon, fliesTheTableAndIsGoneOnFrame71) {
    auto root = std::make_shared<Clip>();
    auto pigeon = root->add(std::make_shared<Pigeon>());
    pigeon->onRelease = [] {};
    EXPECT_EQ(interactiveObjectAt(*root, {0, 0}), pigeon.get());  // the perched body
    pigeon->startFlight();
    pigeon->startFlight();  // on frame 2 already: nothing changes
    EXPECT_EQ(pigeon->currentFrame(), 2);
    for (int frame = 3; frame <= 70; ++frame) {
        pigeon->advance();
        ASSERT_EQ(pigeon->currentFrame(), frame);
        const FlightPoint& p = flightPoint(frame);
        DisplayObject* flying = pigeon->children()[1];
        EXPECT_EQ(flying->position(), QPointF(p.x, p.y));
        EXPECT_DOUBLE_EQ(flying->alpha(), p.opacity256 * 100.0 / 256);
        EXPECT_EQ(interactiveObjectAt(*root, QPointF(p.x, p.y) + QPointF(-1, 5)), pigeon.get()) << frame;
    }
    EXPECT_EQ(pigeon->children()[1]->alpha(), 0);  // frame 70: transparent, still there
    pigeon->advance();
    EXPECT_TRUE(pigeon->gone());
    EXPECT_FALSE(pigeon->playing());
    EXPECT_EQ(interactiveObjectAt(*root, {0, 0}), nullptr);
    EXPECT_EQ(interactiveObjectAt(*root, QPointF(-4203.5, -2345.95)), nullptr);
}

}  // namespace
