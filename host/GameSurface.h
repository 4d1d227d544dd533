#pragma once
// The game surface: the one joint between the host windows and the game. It owns the running game,
// draws its 700 x 550 stage scaled uniformly into itself ("ShowAll", white bands), feeds it mouse and
// keyboard input, and advances it 30 ticks per second from a fixed-step clock.

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace valdorn {
class AssetLibrary;
class Game;
class Services;
}  // namespace valdorn

class GameSurface : public QWidget {
    Q_OBJECT
public:
    // The game starts on screen 0 at once. `assets` must outlive the surface.
    GameSurface(const valdorn::AssetLibrary& assets, QWidget* parent = nullptr);
    ~GameSurface() override;

    // The 0-based screen the game's timeline is on, 0 to 15. Cheap; safe to call at any time.
    int FrameNum() const;

    valdorn::Game& game();

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

    std::unique_ptr<valdorn::Services> services_;
    std::unique_ptr<valdorn::Game> game_;
    QTimer pulse_;
    QElapsedTimer clock_;
    qint64 ticksRun_ = 0;
};
