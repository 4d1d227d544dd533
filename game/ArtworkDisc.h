#pragma once
// The title's disc buttons: a 93 px disc with a handwritten label centred on the disc's centre
// (the origin), with a soft white glow and a bevel around the disc.

#include <QColor>
#include <QString>
#include <memory>

#include "game/DisplayObject.h"

namespace valdorn {

inline constexpr double kDiscDiameter = 93;  // px

// One state's picture: the disc in `discColor` with `label` in `labelColor`.
std::shared_ptr<DisplayObject> makeDiscFace(const QString& label, const QColor& discColor, const QColor& labelColor);

// Where the label's ink lies, in the disc's coordinates (part of the disc's hit area).
QRectF discLabelBounds(const QString& label);

}  // namespace valdorn
