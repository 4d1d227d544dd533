#include "effects/CheatClip.h"

#include "game/Game.h"
#include "game/VectorShape.h"

namespace valdorn {
namespace {

constexpr double kSquareSide = 11.5;                 // px, centred on the origin
constexpr QRectF kFaceBox{598.8, 452.3, 49, 32};     // px, from the clip's origin

std::shared_ptr<VectorShape> face() {
    const QPointF centre = kFaceBox.center() - QPointF(6, 0);
    std::vector<Fill> fills;
    fills.push_back(fillEllipse(QRectF(centre - QPointF(15, 15), QSizeF(30, 30)), QColor("#ffcc00"),
                                QPen(Qt::black, 1)));
    fills.push_back(fillEllipse(QRectF(centre + QPointF(-8, -7), QSizeF(4, 5)), Qt::black));
    fills.push_back(fillEllipse(QRectF(centre + QPointF(4, -7), QSizeF(4, 5)), Qt::black));
    QPainterPath smile;
    smile.moveTo(centre + QPointF(-8, 4));
    smile.quadTo(centre + QPointF(0, 12), centre + QPointF(8, 4));
    fills.push_back({smile, Qt::NoBrush, QPen(Qt::black, 2)});
    // The thumb.
    fills.push_back(fillRect(QRectF(kFaceBox.right() - 12, kFaceBox.top() + 12, 10, 14), QColor("#ffcc00"),
                             QPen(Qt::black, 1)));
    fills.push_back(fillRect(QRectF(kFaceBox.right() - 9, kFaceBox.top() + 2, 5, 11), QColor("#ffcc00"),
                             QPen(Qt::black, 1)));
    return makeShape(std::move(fills));
}

}  // namespace

std::shared_ptr<Clip> makeCheatClip() {
    auto clip = std::make_shared<Clip>(kCheatFrames);
    clip->setName("cheat");
    auto square = clip->add(makeShape({fillRect(
        QRectF(-kSquareSide / 2, -kSquareSide / 2, kSquareSide, kSquareSide), Qt::black)}));
    auto thumbsUp = clip->add(face());
    Clip* self = clip.get();
    clip->onFrameEntered = [square = square.get(), thumbsUp = thumbsUp.get()](int frame) {
        square->setVisible(frame == 1);
        thumbsUp->setVisible(frame != 1);
        thumbsUp->setPosition(0, (frame / 4) % 2 ? -1 : 0);  // a little bounce
    };
    clip->setFrameAction(1, [self] { self->stop(); });
    clip->onKeyDown = [self](int key) {
        if (key == kKeyTab) self->gotoAndPlay(2);
    };
    return clip;
}

}  // namespace valdorn
