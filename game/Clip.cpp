#include "game/Clip.h"

#include <algorithm>

namespace valdorn {

Clip::Clip(int frameCount) : frameCount_(std::max(1, frameCount)), playing_(frameCount_ > 1) {}

void Clip::gotoAndStop(int frame) {
    playing_ = false;
    enter(frame);
}

void Clip::gotoAndPlay(int frame) {
    playing_ = true;
    enter(frame);
}

void Clip::nextFrameAndStop() {
    playing_ = false;
    if (frame_ < frameCount_) enter(frame_ + 1);
}

void Clip::setFrameAction(int frame, std::function<void()> action) { actions_[frame] = std::move(action); }

void Clip::advance() {
    if (!playing_ || frameCount_ <= 1) return;
    enter(frame_ < frameCount_ ? frame_ + 1 : 1);
}

void Clip::joinedStage() {
    DisplayObject::joinedStage();
    runFrameScripts();
}

void Clip::enter(int frame) {
    frame = std::clamp(frame, 1, frameCount_);
    if (frame == frame_) return;
    frame_ = frame;
    markChanged();
    runFrameScripts();
}

void Clip::runFrameScripts() {
    // A script may remove this clip from the stage: keep it alive, and run a copy of the action.
    const auto self = weak_from_this().lock();
    const int frame = frame_;
    if (onFrameEntered) onFrameEntered(frame);
    auto it = actions_.find(frame);
    if (it == actions_.end() || !it->second) return;
    const auto action = it->second;
    action();
}

}  // namespace valdorn
