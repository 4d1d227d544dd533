#pragma once
// Pigeon artwork, in the pigeon's own units (y down, head to the right): the perched bird
// (206 x 161 around its origin) and the two wing-beat pictures of the flying bird (wings up:
// 268 x 277 around its origin; wings down: x -111 to 134, y -48.4 to 165.5).

#include <memory>

#include "game/VectorShape.h"

namespace valdorn {

std::shared_ptr<VectorShape> makePerchedPigeon();
std::shared_ptr<VectorShape> makeFlyingPigeon(bool wingsUp);

}  // namespace valdorn
