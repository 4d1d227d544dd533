#include "game/PaintedObject.h"

namespace valdorn {

PaintedObject::PaintedObject(PaintFunction paint, QRectF bounds, HitFunction hit)
    : paint_(std::move(paint)), bounds_(bounds), hit_(std::move(hit)) {}

}  // namespace valdorn
