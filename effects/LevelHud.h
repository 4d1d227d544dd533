#pragma once
// The controls and counters along the bottom of a hunt screen, above the HUD strip:
//  - per level: the menu control, the link button "HELP" (opens the quest site), the progress bar
//    `donebar`, and in the levels that have it the small logo (the logo button at 16.75 %, top left);
//  - on screens 4..14: the points counter bound to `punktid` and its label "POINTS:". They are made
//    only when absent, so coming from a level-complete screen keeps the very same objects.
//
// Depths are the caller's (the hunt's layout); everything here stands in stage coordinates.

#include <QRectF>
#include <memory>

namespace valdorn {

class Game;
class MenuControl;

// Stage px.
inline constexpr QRectF kLinkButtonArea{550.45, 516.7, 71.75, 35};  // clickable, drawn transparent
inline constexpr QRectF kLinkLabelBox{556.9, 527.1, 57.3, 15.4};
inline constexpr QRectF kPointsLabelBox{490.9, 513.85, 53.85, 8.9};
inline constexpr QRectF kPointsCounterBox{492.95, 523.75, 50, 28.15};
inline constexpr QPointF kSmallLogoOrigin{46.8, 18.35};
inline constexpr double kSmallLogoScale = 16.75;  // percent of the logo's size

struct LevelHudDepths {
    int menu, link, donebar, pointsLabel, pointsCounter;
    int smallLogo;  // 0: the level has no small logo
};

// Builds the level's HUD on the current screen; returns the menu control for the level's
// scope-visibility rule.
std::shared_ptr<MenuControl> addLevelHud(Game& game, double donebarX, const LevelHudDepths& depths);

}  // namespace valdorn
