#include "game/ArtworkPlate.h"

#include <QLinearGradient>

#include "game/ArtworkText.h"
#include "game/Button.h"
#include "game/GameFonts.h"
#include "game/VectorShape.h"

namespace valdorn {
namespace {

constexpr QRectF kPlate{-195.75 / 2, -52.25 / 2, 195.75, 52.25};  // px
constexpr double kCorner = 14;                                     // px
constexpr double kOverAlpha = 50;                                  // percent
const QColor kPlateColor(0xe6, 0x80, 0x3c);
const QColor kLabelColor(0xf0, 0x31, 0x31);

QPainterPath platePath() {
    QPainterPath path;
    path.addRoundedRect(kPlate, kCorner, kCorner);
    return path;
}

QPainterPath labelPath(const QString& label) {
    return fittedTextPath(label, fonts::handwriting(30), kPlate.adjusted(18, 10, -18, -10), Qt::KeepAspectRatio);
}

std::shared_ptr<DisplayObject> face(const QString& name, const QString& label, double plateAlpha) {
    auto state = std::make_shared<DisplayObject>();
    state->setName(name);
    QLinearGradient sheen(0, kPlate.top(), 0, kPlate.bottom());
    sheen.setColorAt(0, kPlateColor.lighter(118));
    sheen.setColorAt(1, kPlateColor.darker(112));
    auto plate = state->add(makeShape({{platePath(), sheen, QPen(kPlateColor.darker(150), 1.5)}}));
    plate->setAlpha(plateAlpha);
    state->add(makeShape({{labelPath(label), kLabelColor}}));
    return state;
}

}  // namespace

std::shared_ptr<Button> makePlateButton(const QString& label) {
    QPainterPath area = platePath();
    area.addRect(labelPath(label).boundingRect());
    area.setFillRule(Qt::WindingFill);
    return std::make_shared<Button>(face("up", label, 100), face("over", label, kOverAlpha),
                                    face("down", label, kOverAlpha), makeShape({{area, Qt::transparent}}));
}

}  // namespace valdorn
