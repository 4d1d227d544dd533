#pragma once
// The running game: the stage's display tree, the timeline of 16 screens, the shared variables and
// the input router. It advances only in whole ticks of 1/30 s and only when told to; mouse and key
// events are applied between ticks in arrival order. Given the same services (seed) and the same
// sequence of calls, the same state comes out.
//
// A tick: playing clips advance one frame (entering a frame runs its action), then the per-tick
// handlers run (the root's first, then every object's in drawing order), then a screen change asked
// for during the tick takes place, then the pointer's target is brought up to date.

#include <QPointF>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <set>

#include "game/Clip.h"
#include "game/Services.h"
#include "game/SharedVariables.h"

namespace valdorn {

class AssetLibrary;
class Screen;

inline constexpr int kScreenCount = 16;
inline constexpr int kFinalScreen = 15;
inline constexpr int kTicksPerSecond = 30;
inline constexpr int kKeyTab = 9;
inline constexpr int kKeySpace = 32;

class Game {
public:
    Game(Services& services, const AssetLibrary& assets);
    ~Game();

    void setScreen(int number, std::unique_ptr<Screen> screen);
    // Enters screen 0. Call once, after the screens are set.
    void start();

    // --- time and input
    void tick();
    [[nodiscard]] qint64 tickCount() const { return tickCount_; }
    void pointerMoved(QPointF stagePoint);
    void pointerPressed();
    void pointerReleased();
    void keyDown(int code);
    void keyUp(int code);
    void releaseAllKeys() { keysDown_.clear(); }
    [[nodiscard]] bool isKeyDown(int code) const { return keysDown_.contains(code); }
    [[nodiscard]] QPointF pointer() const { return pointer_; }
    [[nodiscard]] bool buttonDown() const { return buttonDown_; }

    // --- timeline
    [[nodiscard]] int screen() const { return screen_; }
    // Goes to screen n: at once when nothing is running, else as soon as the running handler or
    // tick is over (all within the same tick).
    void goToScreen(int number);
    void nextScreen() { goToScreen(screen_ + 1); }

    // --- the stage
    [[nodiscard]] Clip& root() { return *root_; }
    [[nodiscard]] const Clip& root() const { return *root_; }
    // Puts `object` on the root at `depth`, living on screens current..lastScreen.
    template <class T>
    std::shared_ptr<T> addToStage(std::shared_ptr<T> object, int depth, std::optional<int> lastScreen = {}) {
        object->setScreenRange(screen_, lastScreen.value_or(screen_));
        return root_->add(std::move(object), depth);
    }

    // --- shared state and the outside world
    [[nodiscard]] SharedVariables& vars() { return vars_; }
    [[nodiscard]] const SharedVariables& vars() const { return vars_; }
    [[nodiscard]] Services& services() { return services_; }
    [[nodiscard]] const AssetLibrary& assets() const { return assets_; }
    void playSound(Sound sound, int times = 1) { services_.playSound(sound, times); }
    void stopAllSounds() { services_.stopAllSounds(); }
    void setCursorVisible(bool visible);
    [[nodiscard]] bool cursorVisible() const { return cursorVisible_; }
    void openQuestSite() { services_.openQuestSite(); }
    // How many explosion particles are alive; the particle system installs the counter.
    [[nodiscard]] int particleCount() const { return particleCounter_ ? particleCounter_() : 0; }
    void setParticleCounter(std::function<int()> counter) { particleCounter_ = std::move(counter); }

private:
    class Dispatch;
    void applyPendingScreen();
    void changeScreen(int number);
    void updatePointerTarget();
    // Every object on stage, in drawing order (root first).
    [[nodiscard]] std::vector<std::weak_ptr<DisplayObject>> snapshot() const;

    Services& services_;
    const AssetLibrary& assets_;
    SharedVariables vars_;
    std::shared_ptr<Clip> root_;
    std::array<std::unique_ptr<Screen>, kScreenCount> screens_;
    int screen_ = 0;
    std::optional<int> pendingScreen_;
    int dispatching_ = 0;
    qint64 tickCount_ = 0;
    bool cursorVisible_ = true;
    std::function<int()> particleCounter_;

    QPointF pointer_;
    bool buttonDown_ = false;
    std::weak_ptr<DisplayObject> pressed_;
    bool pressedOver_ = false;
    std::weak_ptr<DisplayObject> hovered_;
    std::set<int> keysDown_;
};

}  // namespace valdorn
