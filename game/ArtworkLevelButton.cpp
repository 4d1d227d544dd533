#include "game/ArtworkLevelButton.h"

#include "game/ArtworkText.h"
#include "game/GameFonts.h"
#include "game/VectorShape.h"

namespace valdorn {
namespace {

constexpr double kFrame = 3;                 // px, inside the square
constexpr QPointF kDigitStart{-11, 12};      // px: the digit's left edge and baseline from the centre
const QColor kRed(0xe0, 0x16, 0x16);

}  // namespace

std::shared_ptr<VectorShape> makeLevelButtonFace(int level) {
    const QRectF square(-kLevelButtonSide / 2, -kLevelButtonSide / 2, kLevelButtonSide, kLevelButtonSide);
    QPainterPath frame;
    frame.addRect(square);
    frame.addRect(square.adjusted(kFrame, kFrame, -kFrame, -kFrame));  // odd-even fill: a ring
    return makeShape({fillRect(square, Qt::white), {frame, kRed},
                      {textPath(QString::number(level), fonts::verdana(32), kDigitStart), kRed}});
}

}  // namespace valdorn
