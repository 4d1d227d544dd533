// Clip frames: numbered from 1, actions run once per entry, going to the current frame changes nothing,
// a playing clip wraps from its last frame to 1.
#include <gtest/gtest.h>

#include "game/Clip.h"

using namespace valdorn;

namespace {

struct Recorder {
    std::vector<int> entered;
    std::shared_ptr<Clip> clip;
    explicit Recorder(int frames) : clip(std::make_shared<Clip>(frames)) {
        for (int f = 1; f <= frames; ++f) clip->setFrameAction(f, [this, f] { entered.push_back(f); });
    }
};

TEST(Clip, playingClipAdvancesOneFramePerTickAndWraps) {
    Recorder r(3);
    EXPECT_TRUE(r.clip->playing());
    for (int i = 0; i < 4; ++i) r.clip->advance();
    EXPECT_EQ(r.entered, (std::vector<int>{2, 3, 1, 2}));
    EXPECT_EQ(r.clip->currentFrame(), 2);
}

TEST(Clip, frameOperations) {
    Recorder r(5);
    r.clip->gotoAndStop(4);
    EXPECT_FALSE(r.clip->playing());
    r.clip->advance();
    EXPECT_EQ(r.clip->currentFrame(), 4);
    r.clip->gotoAndStop(4);                  // same frame: no second entry
    r.clip->nextFrameAndStop();
    r.clip->nextFrameAndStop();              // on the last frame: stays
    r.clip->gotoAndPlay(2);
    r.clip->advance();
    r.clip->stop();
    r.clip->advance();
    EXPECT_EQ(r.entered, (std::vector<int>{4, 5, 2, 3}));
    EXPECT_EQ(r.clip->currentFrame(), 3);
}

TEST(Clip, goingToTheCurrentFrameAndPlayingOnlyStartsPlay) {
    Recorder r(4);
    r.clip->gotoAndStop(1);
    r.clip->gotoAndPlay(1);
    EXPECT_TRUE(r.entered.empty());
    EXPECT_TRUE(r.clip->playing());
}

TEST(Clip, outOfRangeFramesAreClamped) {
    Recorder r(4);
    r.clip->gotoAndStop(99);
    EXPECT_EQ(r.clip->currentFrame(), 4);
    r.clip->gotoAndStop(-3);
    EXPECT_EQ(r.clip->currentFrame(), 1);
}

TEST(Clip, anActionMayRemoveItsOwnClip) {
    auto root = std::make_shared<Clip>();
    auto clip = root->add(std::make_shared<Clip>(3), 1);
    std::weak_ptr<Clip> watch = clip;
    Clip* raw = clip.get();
    clip->setFrameAction(2, [raw] { raw->remove(); });
    clip.reset();  // only the root owns it now
    raw->advance();  // enters 2, whose action removes the clip while it runs
    EXPECT_TRUE(watch.expired());
    EXPECT_TRUE(root->children().empty());
}

}  // namespace
