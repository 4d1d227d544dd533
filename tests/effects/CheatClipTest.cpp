// The `cheat` clip: a black square while stopped on frame 1, a thumbs-up face of exactly 49 x 32 px
// on frames 2 to 50, back to frame 1 by itself; a Tab press restarts it.
#include <gtest/gtest.h>

#include <QSet>

#include "effects/CheatClip.h"
#include "game/AssetLibrary.h"
#include "game/Game.h"
#include "game/Simulation.h"

namespace valdorn {
namespace {

class CheatClip : public ::testing::Test {
protected:
    Clip& cheat() { return *sim.game().root().childAs<Clip>("cheat"); }
    QRectF drawn() { return cheat().subtreeBounds(); }

    AssetLibrary assets;
    Simulation sim{assets};
};

TEST_F(CheatClip, restsOnFrame1AsASmallSquare) {
    sim.tick(5);
    EXPECT_EQ(cheat().currentFrame(), 1);
    EXPECT_FALSE(cheat().playing());
    EXPECT_EQ(drawn(), QRectF(-5.75, -5.75, 11.5, 11.5));
    EXPECT_EQ(cheat().position(), QPointF(1146.4, 610.85)) << "off the stage";
}

TEST_F(CheatClip, aTabPressPlaysTheFaceOnceAndComesBackToTheSquare) {
    sim.keyDown(kKeyTab);
    sim.keyUp(kKeyTab);
    EXPECT_EQ(cheat().currentFrame(), 2);
    QSet<QString> poses;
    for (int frame = 2; frame <= kCheatFrames; ++frame) {
        ASSERT_EQ(cheat().currentFrame(), frame);
        EXPECT_EQ(drawn(), QRectF(598.8, 452.3, 49, 32)) << "frame " << frame;
        const DisplayObject& face = *cheat().children().back();
        QStringList pose;
        for (const DisplayObject* part : face.children()) pose << QString::number(part->y());
        poses << pose.join(',');
        sim.tick();
    }
    EXPECT_GT(poses.size(), 1) << "the face moves";
    EXPECT_EQ(cheat().currentFrame(), 1);
    EXPECT_FALSE(cheat().playing());
    sim.tick(10);
    EXPECT_EQ(cheat().currentFrame(), 1);
    EXPECT_EQ(drawn(), QRectF(-5.75, -5.75, 11.5, 11.5));
}

TEST_F(CheatClip, onlyTabRestartsIt) {
    sim.keyDown(kKeySpace);
    EXPECT_EQ(cheat().currentFrame(), 1);
    sim.keyDown(kKeyTab);
    sim.tick(10);
    sim.keyUp(kKeyTab);
    sim.keyDown(kKeyTab);  // a new press in the middle starts it over
    EXPECT_EQ(cheat().currentFrame(), 2);
}

}  // namespace
}  // namespace valdorn
