#include "game/Game.h"

#include <functional>

#include "game/Button.h"
#include "game/HitTest.h"
#include "game/Screen.h"

namespace valdorn {

// Marks a handler or tick as running, so screen changes wait until it is over.
class Game::Dispatch {
public:
    explicit Dispatch(Game& game) : game_(game) { ++game_.dispatching_; }
    ~Dispatch() {
        if (--game_.dispatching_ == 0) game_.applyPendingScreen();
    }
    Dispatch(const Dispatch&) = delete;
    Dispatch& operator=(const Dispatch&) = delete;

private:
    Game& game_;
};

namespace {

void setButtonState(DisplayObject* object, Button::State state) {
    if (auto* button = dynamic_cast<Button*>(object)) button->setState(state);
}

void call(const DisplayObject::Handler& handler) {
    if (handler) {
        const auto copy = handler;  // the handler may replace or destroy itself
        copy();
    }
}

}  // namespace

Game::Game(Services& services, const AssetLibrary& assets)
    : services_(services), assets_(assets), root_(std::make_shared<Clip>(kScreenCount)) {
    root_->stop();
    root_->setOnStage(true);
}

Game::~Game() { root_->removeAllChildren(); }

void Game::setScreen(int number, std::unique_ptr<Screen> screen) {
    if (number >= 0 && number < kScreenCount) screens_[number] = std::move(screen);
}

void Game::start() {
    Dispatch dispatch(*this);
    screen_ = 0;
    if (screens_[0]) screens_[0]->enter(*this, -1);
}

std::vector<std::weak_ptr<DisplayObject>> Game::snapshot() const {
    std::vector<std::weak_ptr<DisplayObject>> list;
    std::function<void(DisplayObject&)> walk = [&](DisplayObject& object) {
        list.push_back(object.weak_from_this());
        for (DisplayObject* child : object.children()) walk(*child);
    };
    walk(*root_);
    return list;
}

void Game::tick() {
    Dispatch dispatch(*this);
    ++tickCount_;
    const auto objects = snapshot();
    for (const auto& weak : objects) {
        auto object = weak.lock();
        if (!object || !object->onStage()) continue;
        if (Clip* clip = object->asClip(); clip && clip != root_.get()) clip->advance();
    }
    for (const auto& weak : objects) {
        auto object = weak.lock();
        if (object && object->onStage()) call(object->onTick);
    }
    // The pointer's target follows objects that moved under a still pointer.
    updatePointerTarget();
}

void Game::goToScreen(int number) {
    if (number < 0 || number >= kScreenCount) return;
    pendingScreen_ = number;
    if (dispatching_ == 0) applyPendingScreen();
}

void Game::applyPendingScreen() {
    // An entry action may itself move on (loading plays on to the title); a loop of moves would be a
    // bug in a screen, so stop after a full round.
    for (int guard = 0; pendingScreen_ && guard < kScreenCount; ++guard) {
        const int next = *pendingScreen_;
        pendingScreen_.reset();
        ++dispatching_;
        changeScreen(next);
        --dispatching_;
    }
    pendingScreen_.reset();
    updatePointerTarget();
}

void Game::changeScreen(int number) {
    const int from = screen_;
    screen_ = number;
    for (DisplayObject* object : root_->children())
        if (!object->livesOnScreen(number)) root_->removeChild(object);
    if (screens_[number]) screens_[number]->enter(*this, from);
}

void Game::setCursorVisible(bool visible) {
    cursorVisible_ = visible;
    services_.setCursorVisible(visible);
}

void Game::pointerMoved(QPointF stagePoint) {
    Dispatch dispatch(*this);
    pointer_ = stagePoint;
    updatePointerTarget();
}

void Game::pointerPressed() {
    if (buttonDown_) return;
    Dispatch dispatch(*this);
    buttonDown_ = true;
    DisplayObject* target = interactiveObjectAt(*root_, pointer_);
    pressed_ = target ? target->weak_from_this() : std::weak_ptr<DisplayObject>();
    pressedOver_ = target != nullptr;
    setButtonState(target, Button::State::Down);
    for (const auto& weak : snapshot()) {
        auto object = weak.lock();
        if (object && object->onStage()) call(object->onMouseDown);
    }
}

void Game::pointerReleased() {
    if (!buttonDown_) return;
    Dispatch dispatch(*this);
    buttonDown_ = false;
    auto pressed = pressed_.lock();
    pressed_.reset();
    DisplayObject* target = interactiveObjectAt(*root_, pointer_);
    if (pressed && pressed->onStage()) {
        if (target == pressed.get()) {
            setButtonState(target, Button::State::Over);
            hovered_ = pressed;
            call(pressed->onRelease);
            return;
        }
        setButtonState(pressed.get(), Button::State::Up);
    }
    auto hovered = hovered_.lock();
    if (target != hovered.get()) {
        if (hovered && hovered->onStage() && hovered != pressed) call(hovered->onRollOut);
        hovered_ = target ? target->weak_from_this() : std::weak_ptr<DisplayObject>();
        if (target) {
            setButtonState(target, Button::State::Over);
            call(target->onRollOver);
        }
    }
}

void Game::updatePointerTarget() {
    DisplayObject* target = interactiveObjectAt(*root_, pointer_);
    if (buttonDown_) {
        auto pressed = pressed_.lock();
        if (!pressed || !pressed->onStage()) return;
        const bool over = target == pressed.get();
        if (over == pressedOver_) return;
        pressedOver_ = over;
        setButtonState(pressed.get(), over ? Button::State::Down : Button::State::Up);
        call(over ? pressed->onDragOver : pressed->onDragOut);
        return;
    }
    auto hovered = hovered_.lock();
    if (hovered && !hovered->onStage()) hovered.reset();
    if (target == hovered.get()) return;
    if (hovered) {
        setButtonState(hovered.get(), Button::State::Up);
        call(hovered->onRollOut);
    }
    hovered_ = target ? target->weak_from_this() : std::weak_ptr<DisplayObject>();
    if (target && target->onStage()) {
        setButtonState(target, Button::State::Over);
        call(target->onRollOver);
    }
}

void Game::keyDown(int code) {
    Dispatch dispatch(*this);
    keysDown_.insert(code);
    for (const auto& weak : snapshot()) {
        auto object = weak.lock();
        if (object && object->onStage() && object->onKeyDown) {
            const auto handler = object->onKeyDown;
            handler(code);
        }
    }
}

void Game::keyUp(int code) { keysDown_.erase(code); }

}  // namespace valdorn
