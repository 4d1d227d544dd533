#include "game/LoadingScreen.h"

#include "effects/CheatClip.h"
#include "game/Game.h"
#include "game/GameFonts.h"
#include "game/ScreenIds.h"
#include "game/TextObjects.h"

namespace valdorn {
namespace {

constexpr int kCounterTextDepth = 872;
constexpr int kCheatDepth = 873;
constexpr QRectF kCounterTextBox{0.3, 563.8, 304.0, 33.2};  // px, wholly below the stage
constexpr QPointF kCheatOrigin{1146.4, 610.85};

}  // namespace

void LoadingScreen::enter(Game& game, int) {
    game.vars().set("punktid", 0);
    game.vars().set("zoomlevel", 200);

    auto counter = std::make_shared<TextField>(fonts::verdana(11), QColor("#990000"), kCounterTextBox,
                                               Qt::AlignHCenter | Qt::AlignTop);
    counter->setName("counter_text");
    counter->bind(&game.vars(), "pask");
    game.addToStage(counter, kCounterTextDepth, screens::kFinal);

    auto cheat = makeCheatClip();
    cheat->setPosition(kCheatOrigin);
    game.addToStage(cheat, kCheatDepth, screens::kFinal);

    // The game data travels whole inside the program, so loading is complete at once.
    game.goToScreen(screens::kTitle);
}

}  // namespace valdorn
