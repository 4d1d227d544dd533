#pragma once
// The music control `musa`: a 9-frame clip at the HUD's bottom right that plays the level music.
//
// Frames 1, 3, 5 and 7 play tracks 1 to 4: entering one stops the clip and starts its track without
// end. Frames 2, 4 and 6 pass on to the next track frame one tick later, and frame 8 goes straight
// back to frame 1. Frame 9 is muted. So, on a release:
//   next-track on 1, 3, 5: stop all sounds, play on through the passing frame (a tick of silence);
//   next-track on 7: stop all sounds, frame 8 sends the clip to frame 1 and track 1 starts at once;
//   speaker on 1..8: stop all sounds, frame 9; speaker on 9: frame 1, track 1 again.
// Entering frame 1 when the clip joins the stage starts track 1: the hunt screen creates the control
// only when a level is entered from the shop, and keeps the same object through screens 4 to 14.
//
// Parts: the note, the "M" label, the next-track button (top right of the note) and the invisible
// speaker button hit on the note's outline; on frame 9 the off icon instead of the note, the label
// and the next-track button. The speaker button lies above the next-track button, so it takes the
// sliver where they overlap.

#include <memory>

#include "game/Clip.h"

namespace valdorn {

class Game;

inline constexpr int kMusicControlFrames = 9;
inline constexpr int kMutedFrame = 9;
// Music plays this many times in a row: without end in practice.
inline constexpr int kMusicRepeats = 32767;
inline constexpr QPointF kMusicControlOrigin{679.8, 526.4};  // stage px

// `game` must outlive the control. Named `musa`; its parts are `note`, `off`, `label`, and the buttons
// `next` and `speaker`.
std::shared_ptr<Clip> makeMusicControl(Game& game);

}  // namespace valdorn
