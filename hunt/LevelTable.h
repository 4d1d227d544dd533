#pragma once
// What differs between the six hunt levels, as data. Generic code (HuntScreen, LevelController,
// ScopeView, makePhotograph) reads a level's row; nothing else knows level numbers.
//
// Extend a row (targets, pigeons, lamps, hint marker) by adding fields here rather than by testing
// the level number in code.

#include <array>

namespace valdorn {

// Every photograph is stretched to exactly this size on the stage, whatever its own pixel size.
inline constexpr double kPictureWidth = 700;   // px
inline constexpr double kPictureHeight = 500;  // px

// Where a level shows the small logo, if at all: over the scope and the strip, or under the scope.
enum class SmallLogo { None, AboveScope, BelowScope };

struct LevelSpec {
    int level;                     // 1..6
    const char* photographAsset;   // asset name of the level's picture
    const char* photographName;    // the photograph clip, and its copy inside the scope view
    const char* scopeName;         // the scope view
    const char* centreMarkerName;  // the scope's centre marker
    double originX, originY;       // stage px: the photograph clip's origin, also the scope's registration point
    double pictureLeft, pictureTop;  // px, in the photograph clip: the picture's top-left corner
    double scopeStartX, scopeStartY;  // stage px: the scope view's position on entry
    int requiredTargets;              // K: `n1` .. `nK` must all be down to complete the level
    bool hidesCursorOffHud;  // the cursor hides as soon as the scope leaves the HUD areas (else only by the timer)
    bool hasOwnCheat;        // the level adds a `cheat` clip of its own
    double donebarX;         // stage px: `donebar`'s origin, placed so exactly K icons are on the stage
    SmallLogo smallLogo;
};

// The picture's top-left lands on the stage at origin + picture corner: (-0.1, 0.1) in level 1, (0, 0)
// elsewhere.
inline constexpr std::array<LevelSpec, 6> kLevels{{
    {1, "photo/level1.jpg", "image", "zoom", "hitu", 354.2, 267.7, -354.3, -267.6, 412.95, 266.2, 5, false, false,
     48.6, SmallLogo::AboveScope},
    {2, "photo/level2.jpg", "image2", "zoom2", "hitu", 350, 250, -350, -250, 372, 278.95, 6, false, true,
     97.6, SmallLogo::BelowScope},
    {3, "photo/level3.jpg", "image3", "zoom3", "hitu3", 350, 250, -350, -250, 372, 278.95, 7, true, true,
     145.6, SmallLogo::None},
    {4, "photo/level4.jpg", "image4", "zoom4", "hitu", 350, 250, -350, -250, 372, 278.95, 8, true, true,
     199.6, SmallLogo::None},
    {5, "photo/level5.jpg", "image5", "zoom5", "hitu", 350, 250, -350, -250, 372, 278.95, 9, true, false,
     249.6, SmallLogo::None},
    {6, "photo/level6.jpg", "image6", "zoom6", "hitu", 350, 250, -350, -250, 372, 278.95, 10, true, false,
     290.6, SmallLogo::None},
}};

// The row of level 1..6; out-of-range levels get the nearest row.
constexpr const LevelSpec& levelSpec(int level) {
    return kLevels[level < 1 ? 0 : level > 6 ? 5 : level - 1];
}

}  // namespace valdorn
