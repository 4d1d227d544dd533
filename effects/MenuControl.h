#pragma once
// The level's menu control: closed, the MENU button alone; open, an inert copy of the MENU button,
// the quit panel "ARE YOU SURE YOU WANT QUIT THIS LEVEL?" and its YES and NO buttons. It is created
// closed. MENU opens it; YES goes to the shop (screen 3), abandoning the level; NO closes it; the copy
// of MENU does nothing (it is plain artwork, so a release there reaches what lies below it).
//
// The level's scope-visibility rule asks `isOpen()`: the control's area grows with the panel.
// Everything stands in stage coordinates with the control's origin at (0, 0).

#include <QRectF>
#include <memory>

#include "game/DisplayObject.h"

namespace valdorn {

class Button;
class Game;

// Stage px, as drawn.
inline constexpr QRectF kMenuButtonBox{-0.15, 484.2, 53, 16};
inline constexpr QRectF kQuitPanelBox{204.5, 203.7, 300, 86};
inline constexpr QRectF kYesButtonBox{242.5, 241.7, 83, 31};
inline constexpr QRectF kNoButtonBox{385.5, 241.7, 83, 31};

class MenuControl : public DisplayObject {
public:
    explicit MenuControl(Game& game);

    [[nodiscard]] bool isOpen() const { return open_; }
    void setOpen(bool open);

    [[nodiscard]] Button& menuButton() const { return *menu_; }
    [[nodiscard]] Button& yesButton() const { return *yes_; }
    [[nodiscard]] Button& noButton() const { return *no_; }
    [[nodiscard]] DisplayObject& menuCopy() const { return *copy_; }

private:
    bool open_ = false;
    std::shared_ptr<Button> menu_;
    std::shared_ptr<DisplayObject> panel_;  // the copy, the panel, YES and NO
    std::shared_ptr<DisplayObject> copy_;
    std::shared_ptr<Button> yes_, no_;
};

}  // namespace valdorn
