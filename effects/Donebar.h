#pragma once
// The level's progress bar `donebar`: a clip of 11 frames standing on frame 1 until stepped, over a
// row of ten figure icons (slots 1..10 from the left). Frame n shows slots 1..11 - n, so each step
// takes away the rightmost icon left and the others stay put; frame 11 shows none.
//
// Slot i spans x - 289.9 + 50 (i - 1) .. + 35.95 px around the clip's origin (stage y 508.05..544.0
// with the origin at y 527). Each level places the origin so that exactly its K required targets'
// icons are on the stage; the slots further left lie wholly off the stage.

#include <QRectF>
#include <memory>

#include "game/Clip.h"

namespace valdorn {

inline constexpr int kDonebarFrames = 11;
inline constexpr int kDonebarSlots = 10;
inline constexpr double kDonebarY = 527.0;           // stage px: the origin in every level
inline constexpr double kDonebarFirstSlotX = -289.9;  // px from the origin: slot 1's left edge
inline constexpr double kDonebarSlotPitch = 50;       // px between slots' left edges
inline constexpr double kDonebarIconTop = -18.95;     // px from the origin: stage y 508.05
inline constexpr double kDonebarIconSize = 35.95;     // px, square

// The slot's area relative to the clip's origin; `slot` 1..10.
constexpr QRectF donebarSlot(int slot) {
    return {kDonebarFirstSlotX + kDonebarSlotPitch * (slot - 1), kDonebarIconTop, kDonebarIconSize, kDonebarIconSize};
}

// Named `donebar`, its origin at (x, 527), on frame 1 with all ten icons.
std::shared_ptr<Clip> makeDonebar(double x);

}  // namespace valdorn
