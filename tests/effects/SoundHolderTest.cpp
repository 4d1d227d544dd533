// Sound holders cue their recordings from their own timeline, tick by tick, and restart cleanly.
#include <gtest/gtest.h>

#include "effects/SoundHolder.h"
#include "game/AssetLibrary.h"
#include "game/Game.h"
#include "game/RecordingServices.h"

using namespace valdorn;

namespace {

class SoundHolders : public ::testing::Test {
protected:
    void SetUp() override {
        game.start();
        shot = game.root().add(makeShotHolder(game), 10);
        pigeon = game.root().add(makePigeonSoundHolder(game), 11);
    }
    void tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            services.setTick(game.tickCount() + 1);
            game.tick();
        }
    }
    // (tick, sound) of everything played since the last call.
    std::vector<std::pair<qint64, QString>> played() {
        std::vector<std::pair<qint64, QString>> list;
        for (const auto& e : services.takeSounds()) list.emplace_back(e.tick, e.sound);
        return list;
    }

    AssetLibrary assets;
    RecordingServices services;
    Game game{services, assets};
    std::shared_ptr<Clip> shot, pigeon;
};

TEST_F(SoundHolders, restAndPlayNothingUntilStarted) {
    tick(100);
    EXPECT_TRUE(played().empty());
    EXPECT_EQ(shot->currentFrame(), 1);
}

TEST_F(SoundHolders, aPigeonHitGivesTheShotAtOnceAndThePigeonSoundsFourteenAndSixteenTicksLater) {
    tick(5);
    startHolder(*pigeon);
    startHolder(*shot);
    tick(70);
    using P = std::pair<qint64, QString>;
    EXPECT_EQ(played(), (std::vector<P>{{5, "shot"}, {19, "pigeon-a"}, {21, "pigeon-b"}}));
    EXPECT_EQ(shot->currentFrame(), 1);
    EXPECT_FALSE(shot->playing());
}

TEST_F(SoundHolders, theShotHolderIsBackAtRestFiftyNineTicksLater) {
    startHolder(*shot);
    tick(58);
    EXPECT_EQ(shot->currentFrame(), 60);
    tick();
    EXPECT_EQ(shot->currentFrame(), 1);
    EXPECT_FALSE(shot->playing());
}

TEST_F(SoundHolders, restartingMovesPendingCuesAndOverlapsShots) {
    startHolder(*pigeon);
    startHolder(*shot);
    tick(10);
    startHolder(*pigeon);
    startHolder(*shot);
    startHolder(*shot);  // still on frame 2: nothing new
    tick(30);
    using P = std::pair<qint64, QString>;
    EXPECT_EQ(played(), (std::vector<P>{{0, "shot"}, {10, "shot"}, {24, "pigeon-a"}, {26, "pigeon-b"}}));
}

TEST_F(SoundHolders, cuesNotYetReachedAreLostWithTheHolder) {
    startHolder(*pigeon);
    tick(10);
    pigeon->remove();
    tick(20);
    EXPECT_TRUE(played().empty());
}

}  // namespace
