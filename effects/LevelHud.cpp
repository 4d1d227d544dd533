#include "effects/LevelHud.h"

#include "effects/Donebar.h"
#include "effects/MenuControl.h"
#include "game/ArtworkText.h"
#include "game/Button.h"
#include "game/Game.h"
#include "game/GameFonts.h"
#include "game/Logo.h"
#include "game/ScreenIds.h"
#include "game/TextObjects.h"
#include "game/VectorShape.h"

namespace valdorn {
namespace {

constexpr int kLastPointsScreen = 14;        // the points counter and its label live on screens 4..14
constexpr double kLinkLetterSpacing = 2.5;   // px between the letters of "HELP"
constexpr double kPointsFontPx = 20;
const QColor kLinkGreen(0x2e, 0xc8, 0x3c);
const DropShadowFilter kSmallLogoShadow{Qt::black, 5, 5, 45, 2, 1, 1};

std::shared_ptr<Button> makeLinkButton(Game& game) {
    QFont font = fonts::arial(16, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, kLinkLetterSpacing);
    auto label = makeShape({{fittedTextPath("HELP", font, kLinkLabelBox), kLinkGreen}});
    auto area = makeShape({fillRect(kLinkButtonArea, Qt::transparent)});
    // The same look in every state: the link does not change on hover.
    auto button = std::make_shared<Button>(label, label, label, area);
    button->setName("link");
    button->onRelease = [&game] { game.openQuestSite(); };
    return button;
}

void ensurePointsCounter(Game& game, const LevelHudDepths& depths) {
    if (!game.root().child("points_label")) {
        auto label = makeShape({{fittedTextPath("POINTS:", fonts::arial(12, true), kPointsLabelBox), Qt::black}});
        label->setName("points_label");
        game.addToStage(label, depths.pointsLabel, kLastPointsScreen);
    }
    if (!game.root().child("points")) {
        auto counter = std::make_shared<TextField>(fonts::arial(kPointsFontPx), Qt::black, kPointsCounterBox,
                                                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap);
        counter->setName("points");
        counter->bind(&game.vars(), "punktid");
        game.addToStage(counter, depths.pointsCounter, kLastPointsScreen);
    }
}

}  // namespace

std::shared_ptr<MenuControl> addLevelHud(Game& game, double donebarX, const LevelHudDepths& depths) {
    auto menu = game.addToStage(std::make_shared<MenuControl>(game), depths.menu);
    game.addToStage(makeLinkButton(game), depths.link);
    game.addToStage(makeDonebar(donebarX), depths.donebar);
    ensurePointsCounter(game, depths);
    if (depths.smallLogo != 0) {
        auto logo = makeLogoButton(game, kSmallLogoOrigin, kSmallLogoScale);
        logo->setFilters({kSmallLogoShadow});
        game.addToStage(logo, depths.smallLogo);
    }
    return menu;
}

}  // namespace valdorn
