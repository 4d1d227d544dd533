#include "game/Screens.h"

#include "game/FinalScreen.h"
#include "game/Game.h"
#include "game/LevelCompleteScreen.h"
#include "game/LoadingScreen.h"
#include "game/ScreenIds.h"
#include "game/ShopScreen.h"
#include "game/TitleScreen.h"
#include "hunt/HuntScreen.h"

namespace valdorn {
namespace {

// Screen 2 holds the title's objects unchanged and has no actions; nothing leads to it.
class SpareScreen : public Screen {
public:
    void enter(Game&, int) override {}
};

}  // namespace

std::unique_ptr<Game> makeGame(Services& services, const AssetLibrary& assets) {
    auto game = std::make_unique<Game>(services, assets);
    game->setScreen(screens::kLoading, std::make_unique<LoadingScreen>());
    game->setScreen(screens::kTitle, std::make_unique<TitleScreen>());
    game->setScreen(screens::kSpareTitle, std::make_unique<SpareScreen>());
    game->setScreen(screens::kShop, std::make_unique<ShopScreen>());
    for (int level = 1; level <= 6; ++level) {
        game->setScreen(screens::huntScreen(level), std::make_unique<HuntScreen>(level));
        if (level < 6) game->setScreen(screens::huntScreen(level) + 1, std::make_unique<LevelCompleteScreen>(level));
    }
    game->setScreen(screens::kFinal, std::make_unique<FinalScreen>());
    game->start();
    return game;
}

}  // namespace valdorn
