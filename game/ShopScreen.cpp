#include "game/ShopScreen.h"

#include "game/ArtworkText.h"
#include "game/Backgrounds.h"
#include "game/Button.h"
#include "game/Game.h"
#include "game/GameFonts.h"
#include "game/LevelSelect.h"
#include "game/Logo.h"
#include "game/Progress.h"
#include "game/ScreenIds.h"
#include "game/TextObjects.h"
#include "game/UpgradePanel.h"
#include "game/VectorShape.h"

namespace valdorn {
namespace {

enum Depth {
    kLogoDepth = 2,
    kMarkersDepth,
    kLevelSelectDepth,
    kLevelsLabelDepth,
    kClearDepth,
    kClearNoteDepth,
    kMenuDepth,
    kUpgradesLabelDepth,
    kPointsLabelDepth,
    kPointsDepth,
    kNoteDepth,
    kSizePanelDepth,
    kZoomPanelDepth,
    kStylePanelDepth,
    kMusicDepth,
};

constexpr QPointF kLogoOrigin{504.85, 477.05};  // px
constexpr double kLogoScale = 64.7;             // percent
constexpr QRectF kLevelsLabelBox{121, 49, 78, 16};          // px, ink of "Levels:"
constexpr QRectF kClearPlate{2, 558, 142, 18};              // px, below the stage
constexpr QRectF kClearNoteBox{25.5, 573.4, 96.3, 8.45};    // px
constexpr QRectF kMenuPlate{405.95, 171, 174, 20};          // px
constexpr QPointF kMenuOverShift{2.55, 0.6};                // px: the label's shift while pointed at
constexpr QPointF kUpgradesLabel{119, 246.65};              // px: start, baseline
constexpr QPointF kPointsLabel{121, 436.65};                // px
constexpr QRectF kPointsBox{120.95, 442.15, 52.2, 29.35};   // px
constexpr QPointF kNote{221.95, 247.7};                     // px
constexpr QPointF kMusicStarter{28, 671.95};                // px, outside the stage
constexpr int kMusicStartFrame = 3;  // the starter's frame 1 is the entry tick: music two ticks later
constexpr int kShopMusicRepeats = 32767;
constexpr double kDimmed = 0.3;  // brightness of the clear control's text

std::shared_ptr<DisplayObject> whiteLabel(const QString& text, const QFont& font, QPointF start) {
    return StaticText::atBaseline(text, font, Qt::white, start);
}

std::shared_ptr<Button> makeMenuButton(Game& game) {
    const QPainterPath label = fittedTextPath("Return to main menu", fonts::arial(16, true),
                                              kMenuPlate.adjusted(8, 3, -8, -3), Qt::KeepAspectRatio);
    auto up = makeShape({{label, Qt::white}});
    auto over = makeShape({{label.translated(kMenuOverShift), Qt::white}});
    auto down = makeShape({{label.translated(kMenuOverShift), Qt::white}});
    auto button = std::make_shared<Button>(up, over, down, makeShape({fillRect(kMenuPlate, Qt::transparent)}));
    button->setName("menu");
    button->onRelease = [&game] { game.goToScreen(screens::kTitle); };
    return button;
}

std::shared_ptr<DisplayObject> makeClearControl(Game& game, std::weak_ptr<Clip> levelSelect) {
    auto control = std::make_shared<DisplayObject>();
    control->setName("clear");
    control->add(makeShape({fillRect(kClearPlate, QColor(0x1a, 0x1a, 0x1a))}));
    auto text = control->add(std::make_shared<StaticText>("Clear save game data. ", fonts::verdana(11), Qt::white,
                                                          kClearPlate, Qt::AlignHCenter | Qt::AlignVCenter));
    ColorTransform dim;
    dim.redMul = dim.greenMul = dim.blueMul = kDimmed;
    text->setColorTransform(dim);
    control->setHitArea(makeShape({fillRect(kClearPlate, Qt::transparent)}));
    control->onRelease = [&game, levelSelect] {
        if (auto select = levelSelect.lock()) select->gotoAndStop(1);
        clearSaveData(game);
    };
    return control;
}

std::shared_ptr<Clip> makeMusicStarter(Game& game) {
    auto starter = std::make_shared<Clip>(kMusicStartFrame);
    starter->setName("shop_music");
    starter->setPosition(kMusicStarter);
    Clip* self = starter.get();
    starter->setFrameAction(kMusicStartFrame, [&game, self] {
        game.playSound(Sound::ShopMusic, kShopMusicRepeats);
        self->stop();
    });
    return starter;
}

}  // namespace

void ShopScreen::enter(Game& game, int) {
    game.setCursorVisible(true);
    game.stopAllSounds();

    ensureTitlePhoto(game);
    game.addToStage(makeLogoButton(game, kLogoOrigin, kLogoScale), kLogoDepth);
    game.addToStage(makeLockedMarkers(), kMarkersDepth);
    auto levelSelect = game.addToStage(makeLevelSelect(game), kLevelSelectDepth);
    game.addToStage(makeShape({{fittedTextPath("Levels:", fonts::arial(20, true), kLevelsLabelBox), Qt::white}}),
                    kLevelsLabelDepth);
    game.addToStage(makeClearControl(game, levelSelect), kClearDepth);
    auto clearNote = std::make_shared<StaticText>("Once you click, its gone!", fonts::verdana(8), Qt::white,
                                                  kClearNoteBox, Qt::AlignHCenter | Qt::AlignVCenter);
    game.addToStage(clearNote, kClearNoteDepth);
    game.addToStage(makeMenuButton(game), kMenuDepth);
    game.addToStage(whiteLabel("Обновления:", fonts::arial(18), kUpgradesLabel), kUpgradesLabelDepth);
    game.addToStage(whiteLabel("Очки:", fonts::arial(18), kPointsLabel), kPointsLabelDepth);

    auto points = std::make_shared<TextField>(fonts::arialBlack(18), Qt::white, kPointsBox, Qt::AlignLeft | Qt::AlignTop);
    points->setName("points");
    points->bind(&game.vars(), "punktid");
    game.addToStage(points, kPointsDepth);
    game.addToStage(whiteLabel("(Очки и обновления не сохраняются при закрытии игры)", fonts::arial(10), kNote),
                    kNoteDepth);

    game.addToStage(std::make_shared<UpgradePanel>(game, Upgrade::ScopeSize), kSizePanelDepth);
    game.addToStage(std::make_shared<UpgradePanel>(game, Upgrade::Zoom), kZoomPanelDepth);
    game.addToStage(std::make_shared<UpgradePanel>(game, Upgrade::ScopeStyle), kStylePanelDepth);
    game.addToStage(makeMusicStarter(game), kMusicDepth);
}

}  // namespace valdorn
