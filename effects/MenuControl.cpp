#include "effects/MenuControl.h"

#include "game/ArtworkText.h"
#include "game/Button.h"
#include "game/Game.h"
#include "game/GameFonts.h"
#include "game/ScreenIds.h"
#include "game/VectorShape.h"

namespace valdorn {
namespace {

constexpr double kMenuEdge = 1.5;     // px: the darker lower-right edge of the MENU plate
constexpr double kHeaderBand = 22;    // px: the quit panel's header band
constexpr double kOutline = 1;        // px: black outline of the panel and its buttons
const QColor kMenuFace(0x8e, 0x8e, 0x8e);
const QColor kMenuFaceOver(0x62, 0x62, 0x62);
const QColor kMenuShade(0x3c, 0x3c, 0x3c);
const QColor kBrown(0x7a, 0x4a, 0x26);
const QColor kBrownOver(0xa0, 0x6a, 0x3c);
const QColor kBrownHeader(0x58, 0x33, 0x18);

// The word in white capitals, as large as fits inside `box` less `inset` px each side.
Fill lettering(const QString& word, const QRectF& box, double inset) {
    return {fittedTextPath(word, fonts::arial(20, true), box.adjusted(inset, inset, -inset, -inset),
                           Qt::KeepAspectRatio),
            Qt::white};
}

std::shared_ptr<VectorShape> menuPlate(const QColor& face) {
    const QRectF lit = kMenuButtonBox.adjusted(0, 0, -kMenuEdge, -kMenuEdge);
    return makeShape({fillRect(kMenuButtonBox, kMenuShade), fillRect(lit, face), lettering("MENU", lit, 3.5)});
}

// A rectangle of `box` with a black outline drawn inside its edges.
Fill outlinedRect(const QRectF& box, const QColor& colour) {
    const double half = kOutline / 2;
    return fillRect(box.adjusted(half, half, -half, -half), colour, QPen(Qt::black, kOutline));
}

std::shared_ptr<VectorShape> answerPlate(const QString& word, const QRectF& box, const QColor& colour) {
    return makeShape({outlinedRect(box, colour), lettering(word, box, 8)});
}

std::shared_ptr<Button> answerButton(const QString& word, const QRectF& box) {
    return std::make_shared<Button>(answerPlate(word, box, kBrown), answerPlate(word, box, kBrownOver),
                                    answerPlate(word, box, kBrownOver), nullptr);
}

std::shared_ptr<VectorShape> quitPanel() {
    const QRectF band(kQuitPanelBox.left(), kQuitPanelBox.top(), kQuitPanelBox.width(), kHeaderBand);
    return makeShape({outlinedRect(kQuitPanelBox, kBrown), outlinedRect(band, kBrownHeader),
                      lettering("ARE YOU SURE YOU WANT QUIT THIS LEVEL?", band, 5)});
}

}  // namespace

MenuControl::MenuControl(Game& game) {
    menu_ = add(std::make_shared<Button>(menuPlate(kMenuFace), menuPlate(kMenuFaceOver), menuPlate(kMenuFaceOver),
                                         nullptr));
    menu_->setName("menu");
    menu_->onRelease = [this] { setOpen(true); };

    panel_ = add(std::make_shared<DisplayObject>());
    copy_ = panel_->add(menuPlate(kMenuFace));
    panel_->add(quitPanel());
    yes_ = panel_->add(answerButton("YES", kYesButtonBox));
    no_ = panel_->add(answerButton("NO", kNoButtonBox));
    yes_->onRelease = [&game] { game.goToScreen(screens::kShop); };
    no_->onRelease = [this] { setOpen(false); };
    setOpen(false);
}

void MenuControl::setOpen(bool open) {
    open_ = open;
    menu_->setVisible(!open);
    panel_->setVisible(open);
}

}  // namespace valdorn
