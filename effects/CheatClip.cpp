#include "effects/CheatClip.h"

#include "game/Game.h"
#include "game/VectorShape.h"

namespace valdorn {
namespace {

constexpr double kSquareSide = 11.5;              // px, centred on the origin
constexpr QRectF kFaceBox{598.8, 452.3, 49, 32};  // px, from the clip's origin
constexpr double kOutline = 1.2;                  // px
constexpr int kBobTicks = 4;                      // frames per half swing of the thumb
constexpr double kBob = 2.5;                      // px
const QColor kSkin("#ffcc00");

// An outlined shape as two fills (black, then the colour inset), so the art ends exactly at its box.
void outlined(std::vector<Fill>& fills, const QRectF& box, bool round) {
    const QRectF inner = box.adjusted(kOutline, kOutline, -kOutline, -kOutline);
    fills.push_back(round ? fillEllipse(box, Qt::black) : fillRect(box, Qt::black));
    fills.push_back(round ? fillEllipse(inner, kSkin) : fillRect(inner, kSkin));
}

// The face and the fist; together they fill the 49 x 32 box exactly.
std::shared_ptr<VectorShape> faceAndFist() {
    const QPointF o = kFaceBox.topLeft();
    std::vector<Fill> fills;
    outlined(fills, QRectF(o, QSizeF(32, 32)), true);
    fills.push_back(fillEllipse(QRectF(o + QPointF(9, 8), QSizeF(4, 6)), Qt::black));
    fills.push_back(fillEllipse(QRectF(o + QPointF(19, 8), QSizeF(4, 6)), Qt::black));
    QPainterPath smile;
    smile.moveTo(o + QPointF(7, 18));
    smile.quadTo(o + QPointF(16, 29), o + QPointF(25, 18));
    smile.quadTo(o + QPointF(16, 24), o + QPointF(7, 18));
    fills.push_back({smile, Qt::black});
    outlined(fills, QRectF(o + QPointF(33, 15), QSizeF(16, 15)), false);
    return makeShape(std::move(fills));
}

// The raised thumb, which bobs above the fist.
std::shared_ptr<VectorShape> thumb() {
    const QPointF o = kFaceBox.topLeft();
    std::vector<Fill> fills;
    outlined(fills, QRectF(o + QPointF(36.5, 3), QSizeF(6.5, 13.2)), false);
    return makeShape(std::move(fills));
}

}  // namespace

std::shared_ptr<Clip> makeCheatClip() {
    auto clip = std::make_shared<Clip>(kCheatFrames);
    clip->setName("cheat");
    auto square = clip->add(
        makeShape({fillRect(QRectF(-kSquareSide / 2, -kSquareSide / 2, kSquareSide, kSquareSide), Qt::black)}));
    auto thumbsUp = clip->add(std::make_shared<DisplayObject>());
    thumbsUp->add(faceAndFist());
    auto raised = thumbsUp->add(thumb());
    Clip* self = clip.get();
    clip->onFrameEntered = [square = square.get(), thumbsUp = thumbsUp.get(), raised = raised.get()](int frame) {
        square->setVisible(frame == 1);
        thumbsUp->setVisible(frame != 1);
        raised->setPosition(0, ((frame - 2) / kBobTicks) % 2 ? kBob : 0);
    };
    clip->setFrameAction(1, [self] { self->stop(); });
    clip->onKeyDown = [self](int key) {
        if (key == kKeyTab) self->gotoAndPlay(2);
    };
    return clip;
}

}  // namespace valdorn
