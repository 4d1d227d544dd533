#include "game/LevelCompleteScreen.h"

#include "game/ArtworkPlate.h"
#include "game/AssetLibrary.h"
#include "game/Backgrounds.h"
#include "game/Button.h"
#include "game/Game.h"
#include "game/Logo.h"
#include "game/Progress.h"
#include "game/Renderer.h"
#include "game/ScreenIds.h"
#include "game/VectorShape.h"

namespace valdorn {
namespace {

// Depths well below those of the items that stay on from the level (points, sound controls),
// which are drawn in front.
constexpr int kPreviewDepth = 100;
constexpr int kNextDepth = 101;
constexpr int kChooseDepth = 102;
constexpr int kLogoDepth = 103;

constexpr QPointF kNextCentre{349.45, 337.45};    // px
constexpr QPointF kChooseCentre{349.45, 178.45};  // px
constexpr QPointF kLogoOrigin{342.05, 258.8};     // px
constexpr double kLogoScale = 47.3;               // percent

}  // namespace

void LevelCompleteScreen::enter(Game& game, int) {
    const int next = level_ + 1;
    auto preview = makeBlurredPhoto(game.assets().image(QString("photo/level%1.jpg").arg(next)),
                                    QRectF(0, 0, kStageWidth, kStageHeight));
    preview->setName("preview");
    game.addToStage(preview, kPreviewDepth);

    auto nextPicture = makePlateButton("next picture");
    nextPicture->setName("next");
    nextPicture->setPosition(kNextCentre);
    nextPicture->onRelease = [&game] { game.nextScreen(); };
    game.addToStage(nextPicture, kNextDepth);

    auto choose = makePlateButton("choose a level");
    choose->setName("choose");
    choose->setPosition(kChooseCentre);
    choose->onRelease = [&game] { game.goToScreen(screens::kShop); };
    game.addToStage(choose, kChooseDepth);

    auto logo = makeLogoButton(game, kLogoOrigin, kLogoScale);
    logo->onLoad = [&game, next] { unlockLevel(game, next); };
    game.addToStage(logo, kLogoDepth);

    game.setCursorVisible(true);
}

}  // namespace valdorn
