#pragma once
// The per-tick rules of a hunt level, in their fixed order: the scope's motion and zoom, the
// scope-visibility rule (with the system cursor), the 75-tick cursor timer and the completion
// watcher. It is an object of the level's screen that draws nothing, so it goes when the screen goes.
//
// Scope visibility: the view is hidden, and the cursor shown, while its centre marker's box meets the
// HUD strip or the menu control's box; otherwise it is shown, and in the levels that say so the cursor
// is hidden at once. Cursor timer: on the 75th tick of every 75 the cursor is hidden, whatever lies
// under the scope. Completion: once every `n1` .. `nK` of the photograph (not of the copy) is hidden,
// the 109th tick after moves the game to the level's next screen.

#include <functional>
#include <memory>

#include "game/DisplayObject.h"
#include "hunt/LevelTable.h"

namespace valdorn {

class Clip;
class Game;
class ScopeView;

inline constexpr int kCursorTimerPeriod = 75;  // ticks
inline constexpr int kCompletionDelay = 109;   // ticks after the last required target is down

class LevelController : public DisplayObject {
public:
    enum class MenuState { Closed, Open };

    LevelController(Game& game, const LevelSpec& level, std::shared_ptr<Clip> photograph,
                    std::shared_ptr<ScopeView> scope);

    // The menu control (built by the HUD) reports whether its quit panel is open; until one is set
    // the menu counts as closed.
    void setMenuStateSource(std::function<MenuState()> source) { menuState_ = std::move(source); }
    [[nodiscard]] MenuState menuState() const { return menuState_ ? menuState_() : MenuState::Closed; }

    [[nodiscard]] int completionCount() const { return completion_; }
    [[nodiscard]] int cursorPhase() const { return cursorPhase_; }

private:
    void tick();
    void applyScopeVisibility();
    void runCursorTimer();
    void watchCompletion();
    [[nodiscard]] bool allTargetsDown() const;
    void setCursor(bool visible);

    Game& game_;
    const LevelSpec& level_;
    std::shared_ptr<Clip> photograph_;
    std::shared_ptr<ScopeView> scope_;
    std::function<MenuState()> menuState_;
    int completion_ = 0;   // ticks with every required target down, 0..109
    int cursorPhase_ = 0;  // 0..74
};

}  // namespace valdorn
