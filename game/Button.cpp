#include "game/Button.h"

namespace valdorn {

Button::Button(ObjectPtr up, ObjectPtr over, ObjectPtr down, ObjectPtr hitArea)
    : states_{std::move(up), std::move(over), std::move(down)} {
    setHitArea(hitArea ? std::move(hitArea) : states_[0]);
    // One picture may serve several states (a button that looks the same when hovered); add it once.
    for (int i = 0; i < 3; ++i)
        if (states_[i] && states_[i]->parent() != this) add(states_[i], i + 1);
    setState(State::Up);
}

void Button::setState(State state) {
    state_ = state;
    const ObjectPtr& shown = states_[static_cast<int>(state)];
    for (const ObjectPtr& picture : states_)
        if (picture) picture->setVisible(picture == shown);
    markChanged();
}

}  // namespace valdorn
