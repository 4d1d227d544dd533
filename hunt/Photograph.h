#pragma once
// The level's photograph clip: the picture stretched to 700 x 500 px without smoothing and, in their
// drawing order above it, the level's targets `n1` .. `nK` (figures), its two pigeons, its lamps and
// the hint marker `hint` at its parking place. The same function builds the photograph on the stage and the
// magnified copy inside the scope view, so whatever it adds (targets, pigeons, lamps, the hint marker,
// their handlers) exists in both with the same names. A handler that must act on both instances finds
// them by name: the photograph is the root's child `photographName`, the copy is
// `scopeName/photographName`.
//
// The copy draws the same full-resolution picture as the photograph, so magnifying it shows the
// picture's own pixels as blocks. While the level's picture is missing from the assets a flat grey of
// the same size stands in for it.

#include <memory>

#include "game/Clip.h"
#include "hunt/LevelTable.h"

namespace valdorn {

class AssetLibrary;

// Which instance: the photograph on the stage, or the magnified copy in the scope view. Only the
// photograph's hint marker glows.
enum class PhotographRole { OnStage, ScopeCopy };

// The clip's origin is its (0, 0); place it at (originX, originY) on the stage. Its objects have no
// handlers yet: the hunt screen wires both instances together (HitHandlers).
std::shared_ptr<Clip> makePhotograph(const LevelSpec& level, const AssetLibrary& assets,
                                     PhotographRole role = PhotographRole::OnStage);

// Photograph px (from the picture's top-left corner) to the photograph clip's own coordinates.
QPointF photographPoint(const LevelSpec& level, double x, double y);

}  // namespace valdorn
