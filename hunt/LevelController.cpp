#include "hunt/LevelController.h"

#include "game/Game.h"
#include "game/ScreenIds.h"
#include "hunt/HuntLayout.h"
#include "hunt/ScopeView.h"

namespace valdorn {

LevelController::LevelController(Game& game, const LevelSpec& level, std::shared_ptr<Clip> photograph,
                                 std::shared_ptr<ScopeView> scope)
    : game_(game), level_(level), photograph_(std::move(photograph)), scope_(std::move(scope)) {
    onTick = [this] { tick(); };
}

void LevelController::tick() {
    scope_->step(game_.pointer());
    applyScopeVisibility();
    runCursorTimer();
    watchCompletion();
}

void LevelController::applyScopeVisibility() {
    const DisplayObject& marker = scope_->centreMarker();
    const QRectF box = marker.stageTransform().mapRect(marker.contentBounds());
    const QRectF& menu = menuState() == MenuState::Open ? hunt::kMenuOpenBox : hunt::kMenuClosedBox;
    if (box.intersects(hunt::kHudStrip) || box.intersects(menu)) {
        scope_->setVisible(false);
        setCursor(true);
        return;
    }
    scope_->setVisible(true);
    if (level_.hidesCursorOffHud) setCursor(false);
}

void LevelController::runCursorTimer() {
    if (cursorPhase_ == kCursorTimerPeriod - 1) setCursor(false);
    cursorPhase_ = (cursorPhase_ + 1) % kCursorTimerPeriod;
}

void LevelController::watchCompletion() {
    if (!allTargetsDown()) return;
    if (++completion_ >= kCompletionDelay) game_.goToScreen(screens::huntScreen(level_.level) + 1);
}

bool LevelController::allTargetsDown() const {
    for (int i = 1; i <= level_.requiredTargets; ++i) {
        const DisplayObject* target = photograph_->child(QStringLiteral("n%1").arg(i));
        // A missing target can never be hit, so the level cannot be complete.
        if (!target || target->visible()) return false;
    }
    return true;
}

// The cursor is told only of changes: the host's cursor call is not free, and this runs every tick.
void LevelController::setCursor(bool visible) {
    if (game_.cursorVisible() != visible) game_.setCursorVisible(visible);
}

}  // namespace valdorn
