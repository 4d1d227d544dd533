#pragma once
// The artwork the two sound controls share: the green note, the off icon (the note struck through
// in translucent red), the glowing black letters ("M", "FX") and the soft white glow around each
// control. All in the control's own coordinates, its origin inside the note.

#include <QPainterPath>
#include <QRectF>
#include <memory>

#include "game/Filters.h"

namespace valdorn {

class VectorShape;
class StaticText;

// px: where the note (and the off icon) stands around the control's origin.
inline constexpr QRectF kNoteBox{-16.5, -22.45, 29, 42.2};

// The note's filled outline; the music control's speaker button is hit where it is.
QPainterPath noteOutline();
std::shared_ptr<VectorShape> makeNoteIcon();
std::shared_ptr<VectorShape> makeOffIcon();
// Black letters centred in `box` with a strong white glow, so they read over the note.
std::shared_ptr<StaticText> makeControlLabel(const QString& text, const QRectF& box);
// The soft white glow around a whole control.
Filter controlGlow();

}  // namespace valdorn
