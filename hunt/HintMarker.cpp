#include "hunt/HintMarker.h"

#include <cmath>
#include <numbers>

#include "game/VectorShape.h"

namespace valdorn {
namespace {

constexpr int kDots = 14;
constexpr double kRingRadius = 80;          // units: the ring is about 184 x 186 across
constexpr double kDegreesPerFrame = 9;      // one turn in 40 frames
constexpr int kPulseFrames = 20;            // frames per pulse
constexpr double kSmallest = 79, kLargest = 100;  // percent

std::shared_ptr<VectorShape> ring() {
    std::vector<Fill> dots;
    for (int i = 0; i < kDots; ++i) {
        const double angle = 2 * std::numbers::pi * i / kDots;
        const double radius = 6 + 5 * (1 + std::sin(angle * 3)) / 2 + (i % 2 ? 0 : 2);  // units
        const QPointF centre(std::cos(angle) * kRingRadius, std::sin(angle) * (kRingRadius + 1));
        dots.push_back(fillEllipse(QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)),
                                   QColor(0xee, 0x11, 0x11)));
    }
    auto shape = makeShape(std::move(dots));
    shape->setFilters({BlurFilter{2, 2, 1}});
    return shape;
}

}  // namespace

std::shared_ptr<Clip> makeHintMarker() {
    auto marker = std::make_shared<Clip>(kHintFrames);
    marker->setName("hint");
    auto dots = marker->add(ring());
    marker->onFrameEntered = [dots = dots.get()](int frame) {
        dots->setVisible(frame < kHintFrames);
        dots->setRotation((frame - 1) * kDegreesPerFrame);
        const double pulse = (1 + std::cos(2 * std::numbers::pi * (frame - 1) / kPulseFrames)) / 2;
        dots->setScale(kSmallest + (kLargest - kSmallest) * pulse);
    };
    Clip* self = marker.get();
    marker->setFrameAction(kHintFrames, [self] { self->stop(); });
    return marker;
}

}  // namespace valdorn
