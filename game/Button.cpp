#include "game/Button.h"

namespace valdorn {

Button::Button(ObjectPtr up, ObjectPtr over, ObjectPtr down, ObjectPtr hitArea)
    : states_{std::move(up), std::move(over), std::move(down)} {
    setHitArea(hitArea ? std::move(hitArea) : states_[0]);
    for (int i = 0; i < 3; ++i)
        if (states_[i]) add(states_[i], i + 1);
    setState(State::Up);
}

void Button::setState(State state) {
    state_ = state;
    for (int i = 0; i < 3; ++i)
        if (states_[i]) states_[i]->setVisible(i == static_cast<int>(state));
    markChanged();
}

}  // namespace valdorn
