#pragma once
// A clip: a display object with its own sequence of frames, numbered from 1. It either plays (one
// frame per tick, from its last frame back to frame 1) or stands on one frame. A frame may carry an
// action, which runs once each time the clip enters that frame (also when the clip joins the stage
// on it). Going to the frame the clip is already on changes nothing.
//
// What a frame shows is up to the clip's builder: children can be shown per frame through
// `onFrameEntered`, or a drawing object can read `currentFrame()`.

#include <functional>
#include <map>

#include "game/DisplayObject.h"

namespace valdorn {

class Clip : public DisplayObject {
public:
    explicit Clip(int frameCount = 1);

    [[nodiscard]] int frameCount() const { return frameCount_; }
    [[nodiscard]] int currentFrame() const { return frame_; }
    [[nodiscard]] bool playing() const { return playing_; }

    void gotoAndStop(int frame);
    void gotoAndPlay(int frame);
    void nextFrameAndStop();
    void play() { playing_ = true; }
    void stop() { playing_ = false; }

    // The action of `frame`, run on each entry to it.
    void setFrameAction(int frame, std::function<void()> action);
    // Called on every frame change (before the frame's action) with the new frame.
    std::function<void(int frame)> onFrameEntered;

    // One tick of the timeline: a playing clip moves to its next frame (its last wraps to 1).
    void advance();

    Clip* asClip() override { return this; }

protected:
    void joinedStage() override;

private:
    void enter(int frame);
    void runFrameScripts();

    int frameCount_;
    int frame_ = 1;
    bool playing_;
    std::map<int, std::function<void()>> actions_;
};

}  // namespace valdorn
