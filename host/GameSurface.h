#pragma once
// The game surface: the one joint between the host windows and the game. It owns the running game,
// draws its 700 x 550 stage scaled uniformly into itself ("ShowAll", white bands), feeds it mouse and
// keyboard input, and advances it 30 ticks per second from a fixed-step clock: ticks are counted
// from the clock, so there is no drift, and after a stall it catches up a few ticks at most.

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "game/Renderer.h"

namespace valdorn {
class AssetLibrary;
class Game;
class Services;
}  // namespace valdorn

class GameSurface : public QWidget {
    Q_OBJECT
public:
    // Ticks run after a stall before the clock is let go of the missed ones.
    static constexpr int kMaxCatchUpTicks = 3;

    // The game starts on screen 0 at once. `assets` must outlive the surface.
    explicit GameSurface(const valdorn::AssetLibrary& assets, QWidget* parent = nullptr);
    ~GameSurface() override;

    // The 0-based screen the game's timeline is on, 0 to 15. Cheap; safe to call at any time.
    int FrameNum() const;

    valdorn::Game& game() { return *game_; }

    // How many ticks are due at `elapsedMs` after `ticksRun` ticks; capped at kMaxCatchUpTicks, in which
    // case `ticksRun` skips ahead so the next call starts fresh.
    static int ticksDue(qint64 elapsedMs, qint64& ticksRun);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void advanceClock();
    QPointF toStage(QPointF surfacePoint) const;

    std::unique_ptr<valdorn::Services> services_;
    std::unique_ptr<valdorn::Game> game_;
    valdorn::Renderer renderer_;
    QTimer pulse_;
    QElapsedTimer clock_;
    qint64 ticksRun_ = 0;
};
