#include "game/FinalScreen.h"

#include "game/ArtworkLinks.h"
#include "game/ArtworkText.h"
#include "game/AssetLibrary.h"
#include "game/Backgrounds.h"
#include "game/Game.h"
#include "game/GameFonts.h"
#include "game/Logo.h"
#include "game/Renderer.h"
#include "game/ScreenIds.h"
#include "game/TextObjects.h"
#include "game/VectorShape.h"

namespace valdorn {
namespace {

enum Depth {
    kBackgroundDepth = 1,
    kLinksBlockDepth,
    kTitleDepth,
    kLogoDepth,
    kClosingSoundDepth,
    kPlayAgainTextDepth,
    kPlayAgainAreaDepth,
    kLinksAreaDepth,
};

constexpr QRectF kTitleBox{46.05, 89.9, 611.7, 22.2};  // px, ink of the title
constexpr QPointF kLogoOrigin{494.8, 443.2};           // px
constexpr double kLogoScale = 66.7;                    // percent
constexpr QPointF kClosingOrigin{79, 650.95};          // px, outside the stage
constexpr QPointF kPlayAgainText{13, 532};             // px: start, baseline
constexpr double kAreaSplit = 498.99;                  // px: links above, play again below
constexpr double kPlayAgainTop = 459.66;               // px: the play-again area's top, under the links area
constexpr double kBeyond = 100;                        // px the areas reach past the stage's edges

// The closing sound's clip: frame 1 (entry) silences everything, frame 30 (29 ticks later) plays
// the closing sound once, frame 32 stops the clip for good.
constexpr int kClosingFrames = 32;
constexpr int kClosingSoundFrame = 30;

std::shared_ptr<Clip> makeClosingSound(Game& game) {
    auto clip = std::make_shared<Clip>(kClosingFrames);
    clip->setName("closing_sound");
    clip->setPosition(kClosingOrigin);
    Clip* self = clip.get();
    clip->setFrameAction(1, [&game] { game.stopAllSounds(); });
    clip->setFrameAction(kClosingSoundFrame, [&game] { game.playSound(Sound::Closing); });
    clip->setFrameAction(kClosingFrames, [self] { self->stop(); });
    return clip;
}

std::shared_ptr<VectorShape> invisibleArea(const QString& name, const QRectF& rect) {
    auto area = makeShape({fillRect(rect, Qt::transparent)});
    area->setName(name);
    return area;
}

}  // namespace

void FinalScreen::enter(Game& game, int) {
    game.addToStage(makePlankBackground(game.assets().image("texture/planks.jpg")), kBackgroundDepth);
    game.addToStage(makeLinksBlock(game.assets()), kLinksBlockDepth);

    auto title = makeShape({{fittedTextPath("SNIPERS DOWN! MISSION COMPLETE!", fonts::monospace(24, true), kTitleBox),
                             Qt::white}});
    title->setName("title");
    title->setFilters({GlowFilter{Qt::black, 3, 3, 2, 1}, GlowFilter{QColor(0x00, 0x99, 0x00), 5, 5, 2, 2}});
    game.addToStage(title, kTitleDepth);

    auto logo = makeLogo();
    logo->setName("logo");
    logo->setPosition(kLogoOrigin);
    logo->setScale(kLogoScale);
    logo->setFilters({GlowFilter{Qt::black, 1.5, 1.5, 2, 1}, DropShadowFilter{Qt::white, 4, 4, 45, 3, 0.8, 2}});
    game.addToStage(logo, kLogoDepth);

    game.addToStage(makeClosingSound(game), kClosingSoundDepth);
    game.addToStage(StaticText::atBaseline("Click here to play again and upgrade your sniper to the max!",
                                           fonts::verdana(12), Qt::white, kPlayAgainText),
                    kPlayAgainTextDepth);

    auto playAgain = invisibleArea("play_again", QRectF(-kBeyond, kPlayAgainTop, kStageWidth + 2 * kBeyond,
                                                        kStageHeight + kBeyond - kPlayAgainTop));
    playAgain->onRelease = [&game] { game.goToScreen(screens::kShop); };
    game.addToStage(playAgain, kPlayAgainAreaDepth);

    auto links = invisibleArea("links", QRectF(-kBeyond, -kBeyond, kStageWidth + 2 * kBeyond, kAreaSplit + kBeyond));
    links->onRelease = [&game] { game.openQuestSite(); };
    game.addToStage(links, kLinksAreaDepth);

    game.setCursorVisible(true);
}

}  // namespace valdorn
