#pragma once
// A button: artwork for the states up, over (pointer above it) and down (pressed over it), and a
// separate hit area that decides where the pointer counts as over it. The input router moves it
// between its states; its release handler is what it does.

#include "game/DisplayObject.h"

namespace valdorn {

class Button : public DisplayObject {
public:
    enum class State { Up, Over, Down };

    // Any state may be null (draws nothing); `hitArea` null means "where the up state draws".
    Button(ObjectPtr up, ObjectPtr over, ObjectPtr down, ObjectPtr hitArea);

    [[nodiscard]] State state() const { return state_; }
    void setState(State state);
    [[nodiscard]] bool interactive() const override { return true; }

private:
    ObjectPtr states_[3];
    State state_ = State::Up;
};

}  // namespace valdorn
