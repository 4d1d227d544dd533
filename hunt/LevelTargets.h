#pragma once
// What hides in each photograph, as data: the targets in hint order with their figure kind,
// placement, tint and points; the drawing order of the targets; the two pigeons; the lamps; and where
// the hint marker waits. Positions are photograph pixels from the picture's top-left corner.

#include <array>
#include <span>

#include "hunt/FigureKinds.h"

namespace valdorn {

struct Tint {
    int mul256 = 256;  // red, green and blue multiplied by mul256 / 256
    double redAdd = 0, greenAdd = 0, blueAdd = 0;
};

struct TargetSpec {
    const char* name;
    FigureKind kind;
    double x, y;               // photograph px: the figure's origin (a walking figure's path origin)
    double scaleX, scaleY;     // percent
    double rotation;           // degrees, clockwise
    bool mirrored;
    Tint tint;
    double points;
};

struct PigeonSpec {
    const char* name;
    double x, y;    // photograph px
    double scale;   // percent of the pigeon's own size
    bool mirrored;
    Tint tint;
    double points;
};

struct LampSpec {
    double x, y;            // photograph px: the light dot
    double scaleX, scaleY;  // percent
};

struct HintMarkerSpec {
    double parkX, parkY;  // photograph px, below the picture
    double scale;         // percent
    double glowBlur;      // px, both directions
    double glowStrength;
};

struct LevelTargets {
    std::span<const TargetSpec> targets;     // hint order: n1 .. nK
    std::span<const char* const> drawOrder;  // target names, bottom to top
    std::array<PigeonSpec, 2> pigeons;       // `tuvitest`, then the level's own
    std::span<const LampSpec> lamps;         // in drawing order
    HintMarkerSpec hint;
};

// The targets of level 1..6.
const LevelTargets& levelTargets(int level);

}  // namespace valdorn
