#include "hunt/HuntScreen.h"

#include "effects/CheatClip.h"
#include "effects/ExplosionTuning.h"
#include "effects/LevelHud.h"
#include "effects/MenuControl.h"
#include "effects/EffectsToggle.h"
#include "effects/MusicControl.h"
#include "effects/SoundHolder.h"
#include "game/AssetLibrary.h"
#include "game/Game.h"
#include "game/VectorShape.h"
#include "hunt/HintHotspot.h"
#include "hunt/HitHandlers.h"
#include "hunt/HuntLayout.h"
#include "hunt/LevelController.h"
#include "hunt/Photograph.h"
#include "hunt/ScopeView.h"

namespace valdorn {
namespace {

constexpr double kStoneWallScale = 0.773;    // the texture repeats at 77.3 %
constexpr QPointF kLevelCheatOrigin{1056.4, 781.8};  // stage px, off the stage
constexpr double kPointerIdleMs = 1000;      // `time_out`

std::shared_ptr<VectorShape> makeHudStrip(const QImage& stoneWall) {
    QBrush brush(QColor(96, 92, 86));
    if (!stoneWall.isNull()) {
        brush = QBrush(stoneWall);
        brush.setTransform(QTransform::fromScale(kStoneWallScale, kStoneWallScale));
    }
    auto strip = makeShape({fillRect(QRectF(QPointF(0, 0), hunt::kHudStrip.size()), brush)});
    strip->setPosition(hunt::kHudStrip.topLeft());
    strip->setSmoothTextures(false);
    return strip;
}

int smallLogoDepth(SmallLogo logo) {
    switch (logo) {
        case SmallLogo::AboveScope: return hunt::kSmallLogoAboveDepth;
        case SmallLogo::BelowScope: return hunt::kSmallLogoBelowDepth;
        case SmallLogo::None: break;
    }
    return 0;
}

// The music controls live on screens 4..14: made when a level is entered from the shop (which starts
// track 1), kept with their state from a level through its complete screen into the next.
void addSoundControls(Game& game) {
    if (game.root().child("musa")) return;
    game.addToStage(makeMusicControl(game), hunt::kMusicControlDepth, hunt::kLastScreenOfLevelItems);
    game.addToStage(makeEffectsToggle(game), hunt::kEffectsToggleDepth, hunt::kLastScreenOfLevelItems);
}

}  // namespace

void HuntScreen::installRootState(Game& game) {
    game.vars().set("time_out", kPointerIdleMs);
    installExplosionState(game);
    game.root().onTick = [&game] {
        if (!game.isKeyDown(kKeyTab)) return;
        if (Clip* cheat = dynamic_cast<Clip*>(game.root().child("cheat"))) cheat->gotoAndPlay(2);
    };
}

void HuntScreen::enter(Game& game, int) {
    installRootState(game);
    const LevelSpec& level = levelSpec(level_);

    auto photograph = makePhotograph(level, game.assets());
    photograph->setPosition(level.originX, level.originY);
    game.addToStage(photograph, hunt::kPhotographDepth);

    auto copy = makePhotograph(level, game.assets(), PhotographRole::ScopeCopy);
    auto scope = std::make_shared<ScopeView>(game, level, copy);
    game.addToStage(scope, hunt::kScopeDepth);
    game.addToStage(makeShotHolder(game), hunt::kShotHolderDepth);
    game.addToStage(makePigeonSoundHolder(game), hunt::kPigeonSoundHolderDepth);
    wireHitHandlers(game, level, *photograph, *copy);

    game.addToStage(makeHudStrip(game.assets().image("texture/stonewall.jpg")), hunt::kHudStripDepth);
    auto controller =
        game.addToStage(std::make_shared<LevelController>(game, level, photograph, scope), hunt::kControllerDepth);
    game.addToStage(makeHintHotspot(game, level, *photograph), hunt::kHintHotspotDepth);
    const LevelHudDepths depths{hunt::kMenuDepth,          hunt::kLinkDepth,          hunt::kDonebarDepth,
                                hunt::kPointsLabelDepth,   hunt::kPointsCounterDepth, smallLogoDepth(level.smallLogo)};
    std::weak_ptr<MenuControl> menu = addLevelHud(game, level.donebarX, depths);
    controller->setMenuStateSource([menu] {
        const auto control = menu.lock();
        return control && control->isOpen() ? LevelController::MenuState::Open : LevelController::MenuState::Closed;
    });
    addSoundControls(game);

    if (level.hasOwnCheat) {
        auto cheat = makeCheatClip();
        cheat->setPosition(kLevelCheatOrigin);
        game.addToStage(cheat, hunt::kLevelCheatDepth);
    }
}

}  // namespace valdorn
