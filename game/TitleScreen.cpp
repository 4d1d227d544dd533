#include "game/TitleScreen.h"

#include "game/ArtworkDisc.h"
#include "game/ArtworkText.h"
#include "game/Backgrounds.h"
#include "game/Button.h"
#include "game/Game.h"
#include "game/GameFonts.h"
#include "game/Logo.h"
#include "game/Progress.h"
#include "game/ScreenIds.h"
#include "game/TextObjects.h"
#include "game/VectorShape.h"

namespace valdorn {
namespace {

constexpr int kPlayDepth = 2;
constexpr int kHowDepth = 3;
constexpr int kTitleDepth = 4;
constexpr int kLogoDepth = 5;

constexpr QPointF kPlayCentre{612.25, 470.2};  // px: disc x 565.75 to 658.75, y 423.7 to 516.7
constexpr QPointF kHowCentre{482.25, 470.2};   // px: disc x 435.75 to 528.75
constexpr QRectF kTitleBox{102.35, 67.65, 497.3, 45.2};     // px, ink of the lettering
constexpr QRectF kPanelRect{91.05, 138.1, 520.95, 113.05};  // px, on the stage
constexpr QPointF kLogoOrigin{196.9, 465.75};               // px
constexpr double kLogoScale = 64.7;                         // percent

const QColor kDiscUp(0xff, 0x66, 0x00);
const QColor kDiscOver(0xcc, 0x00, 0x00);
const QColor kDiscLabel(0xff, 0x00, 0x00);
const QColor kPanelGreen(0x00, 0xff, 0x00);

// The instructions, in the "how" disc's coordinates.
std::shared_ptr<DisplayObject> makeInstructionsPanel() {
    const QRectF rect = kPanelRect.translated(-kHowCentre);
    auto panel = std::make_shared<DisplayObject>();
    panel->setName("instructions");
    panel->add(makeShape({fillRect(rect, QColor(0, 0, 0, 204))}));  // black at 80 %
    QFont wide = fonts::monospace(13);
    wide.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    panel->add(std::make_shared<StaticText>(
        "Your mission in this hidden object\ngame is to shoot down all the\nsnipers with your mighty rifle.", wide,
        kPanelGreen, QRectF(rect.left(), rect.top() + 10, rect.width(), 62), Qt::AlignHCenter | Qt::AlignTop));
    panel->add(makeShape({{fittedTextPath("AIM AND SHOOT WITH YOUR MOUSE. GOOD LUCK!", fonts::stencil(20),
                                          QRectF(rect.left() + 20, rect.bottom() - 34, rect.width() - 40, 19),
                                          Qt::KeepAspectRatio),
                           kPanelGreen}}));
    return panel;
}

std::shared_ptr<DisplayObject> discState(const QString& name, const QString& label, const QColor& disc,
                                         bool withPanel) {
    auto state = std::make_shared<DisplayObject>();
    state->setName(name);
    state->add(makeDiscFace(label, disc, kDiscLabel));
    if (withPanel) state->add(makeInstructionsPanel());
    return state;
}

std::shared_ptr<Button> makeDisc(const QString& label, QPointF centre, bool withPanel) {
    QPainterPath area;
    area.addEllipse(QRectF(-kDiscDiameter / 2, -kDiscDiameter / 2, kDiscDiameter, kDiscDiameter));
    area.addRect(discLabelBounds(label));
    if (withPanel) area.addRect(kPanelRect.translated(-centre));
    area.setFillRule(Qt::WindingFill);
    auto button = std::make_shared<Button>(discState("up", label, kDiscUp, false),
                                           discState("over", label, kDiscOver, withPanel),
                                           discState("down", label, kDiscOver, withPanel),
                                           makeShape({{area, Qt::transparent}}));
    button->setName(label);
    button->setPosition(centre);
    return button;
}

}  // namespace

void TitleScreen::enter(Game& game, int) {
    ensureTitlePhoto(game);

    // Screen 2 is a spare copy of the title: the title's own objects live on it too.
    auto play = makeDisc("play", kPlayCentre, false);
    play->onRelease = [&game] { game.goToScreen(screens::kShop); };
    game.addToStage(play, kPlayDepth, screens::kSpareTitle);

    game.addToStage(makeDisc("how", kHowCentre, true), kHowDepth, screens::kSpareTitle);

    auto title = makeShape({{fittedTextPath("HIDDEN SNIPERS", fonts::stencil(48), kTitleBox), QColor(0xe0, 0x0a, 0x0a)}});
    title->setName("title");
    title->setFilters({GlowFilter{Qt::white, 5, 5, 2, 2}, GlowFilter{QColor(0x99, 0x00, 0x00), 5, 5, 2, 2}});
    game.addToStage(title, kTitleDepth, screens::kSpareTitle);

    game.addToStage(makeLogoButton(game, kLogoOrigin, kLogoScale), kLogoDepth, screens::kSpareTitle);

    loadUnlockedLevel(game);
}

}  // namespace valdorn
