#include "host/GameSurface.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "game/Game.h"
#include "game/Screens.h"
#include "host/DesktopServices.h"

namespace {

constexpr qint64 kMsPerSecond = 1000;

// The key codes the game knows: the ASCII code for printable keys, Tab 9, Enter 13, Esc 27.
int gameKeyCode(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Tab: return valdorn::kKeyTab;
        case Qt::Key_Space: return valdorn::kKeySpace;
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_Escape: return 27;
        default: return event.key() > 0 && event.key() < 0x100 ? event.key() : -1;
    }
}

}  // namespace

GameSurface::GameSurface(const valdorn::AssetLibrary& assets, QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    services_ = std::make_unique<valdorn::DesktopServices>(assets, *this);
    game_ = valdorn::makeGame(*services_, assets);
    pulse_.setTimerType(Qt::PreciseTimer);
    pulse_.setSingleShot(true);
    connect(&pulse_, &QTimer::timeout, this, &GameSurface::advanceClock);
    clock_.start();
    pulse_.start(0);
}

GameSurface::~GameSurface() {
    pulse_.stop();
    game_.reset();
}

int GameSurface::FrameNum() const { return game_->screen(); }

int GameSurface::ticksDue(qint64 elapsedMs, qint64& ticksRun) {
    const qint64 target = elapsedMs * valdorn::kTicksPerSecond / kMsPerSecond;
    qint64 due = target - ticksRun;
    if (due > kMaxCatchUpTicks) {
        ticksRun = target - kMaxCatchUpTicks;
        due = kMaxCatchUpTicks;
    }
    return static_cast<int>(std::max<qint64>(0, due));
}

void GameSurface::advanceClock() {
    const int due = ticksDue(clock_.elapsed(), ticksRun_);
    for (int i = 0; i < due; ++i) {
        game_->tick();
        ++ticksRun_;
    }
    if (due > 0) update();
    // Wake up when the next tick is due.
    const qint64 nextTickMs = ((ticksRun_ + 1) * kMsPerSecond + valdorn::kTicksPerSecond - 1) / valdorn::kTicksPerSecond;
    pulse_.start(static_cast<int>(std::max<qint64>(1, nextTickMs - clock_.elapsed())));
}

QPointF GameSurface::toStage(QPointF surfacePoint) const {
    return valdorn::Renderer::showAll(QSizeF(size())).inverted().map(surfacePoint);
}

void GameSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    renderer_.render(painter, game_->root(), size());
}

void GameSurface::mouseMoveEvent(QMouseEvent* event) { game_->pointerMoved(toStage(event->position())); }

void GameSurface::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    game_->pointerMoved(toStage(event->position()));
    game_->pointerPressed();
    update();
}

void GameSurface::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    game_->pointerMoved(toStage(event->position()));
    game_->pointerReleased();
    update();
}

void GameSurface::keyPressEvent(QKeyEvent* event) {
    const int code = gameKeyCode(*event);
    if (code < 0) return QWidget::keyPressEvent(event);
    game_->keyDown(code);
}

void GameSurface::keyReleaseEvent(QKeyEvent* event) {
    // Auto-repeat sends release/press pairs while the key stays down.
    if (event->isAutoRepeat()) return;
    const int code = gameKeyCode(*event);
    if (code >= 0) game_->keyUp(code);
}

void GameSurface::focusOutEvent(QFocusEvent* event) {
    // Keys released elsewhere never reach us; do not leave them held.
    game_->releaseAllKeys();
    QWidget::focusOutEvent(event);
}

bool GameSurface::focusNextPrevChild(bool) { return false; }  // Tab belongs to the game
