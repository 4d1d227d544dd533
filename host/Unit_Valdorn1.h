#pragma once
// The game window: hosts the game surface with a 3-pixel margin, sizes itself to the screen's work
// area whenever it is shown, and watches the game once a second. On the first reading of the final
// screen the watch switches itself off for good and shows the bonus code in the completion window.
// Closing the game window closes the gate, which ends the program.

#include <QString>
#include <QStringView>
#include <algorithm>
#include <array>
#include <functional>

#include "host/HostDialog.h"

class GameSurface;
class QTimer;

namespace valdorn {
class AssetLibrary;
}

// The bonus code's pieces: a prefix, then the alphabet's characters at four positions in this order.
// The code is put together only when it is shown and is kept nowhere whole.
inline constexpr QStringView CodePrefix = u"VK5R";
// Capitals and digits without the look-alikes O/0 and I/1, so the code reads unambiguously.
inline constexpr QStringView CodeAlphabet = u"H3MXQ9WT2ZCB6RFJ8YNDPK4LG5ASE7VU";
inline constexpr std::array<qsizetype, 4> CodePositions{11, 4, 27, 18};
static_assert(CodePrefix.size() == 4);
static_assert(std::ranges::all_of(CodePositions, [](qsizetype at) { return at >= 0 && at < CodeAlphabet.size(); }));

namespace valdorn {
// The game's final screen: reaching it completes the stage.
inline constexpr int kFinalScreen = 15;
inline constexpr int kWatchIntervalMs = 1000;
// The game surface's margin inside the window's client area, on every side.
inline constexpr int kSurfaceMargin = 3;

// The 8-character bonus code.
[[nodiscard]] QString bonusCode();
}  // namespace valdorn

class TForm_Main : public HostDialog {
    Q_OBJECT
public:
    // Creates the game surface (the game starts at once) and starts the watch. `assets` must outlive
    // the window.
    explicit TForm_Main(const valdorn::AssetLibrary& assets, QWidget* parent = nullptr);

    // The size rule, run as the window is about to be shown: client width from the work area's
    // height, outer height the work area's height. The window is then centred on the work area.
    void FormShow();
    // Run as the window closes: closes the gate, which ends the program.
    void FormClose();
    // The watch, once a second: on screen 15, switch off for good and show the bonus code.
    void Timer1Timer();

    // Where the watch reads the game's screen number: the surface's FrameNum unless replaced (tests).
    void setFrameNumSource(std::function<int()> source) { frameNum_ = std::move(source); }

    GameSurface* Flash;
    QTimer* Timer1;

protected:
    void placeOnShow() override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showCompletion();

    std::function<int()> frameNum_;
};

extern TForm_Main* Form_Main;
