#pragma once
// A pigeon: a clip of 71 frames. Frame 1: perched (the clip stops there when created). Frames 2 to 70:
// flying off, one frame per tick, along the flight table (drawn mirrored at 80.75 %, so it faces
// left, with a six-frame wing beat), fading out over its last 25 frames. Frame 71: gone, stopped.
// A pigeon placed with a negative x scale is mirrored as a whole: it perches facing left and flies
// off to the right.

#include <memory>

#include "game/Clip.h"

namespace valdorn {

inline constexpr int kPigeonFrames = 71;

struct FlightPoint {
    double x, y;     // the flying bird's origin, pigeon units
    int opacity256;  // 256 = opaque
};

// The flight table for frames 2 to 70 (index 0 is frame 2).
const FlightPoint& flightPoint(int frame);

class Pigeon : public Clip {
public:
    Pigeon();
    // Frame 2 and play; nothing changes when it is on frame 2 already.
    void startFlight();
    [[nodiscard]] bool gone() const { return currentFrame() == kPigeonFrames; }
};

}  // namespace valdorn
