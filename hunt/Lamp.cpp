#include "hunt/Lamp.h"

#include "game/VectorShape.h"

namespace valdorn {
namespace {

const QColor kLight(0xff, 0xee, 0x66);
constexpr double kDotDiameter = 11;                      // units
constexpr QRectF kGlow{-2.5 - 43.8, 30.5 - 36, 87.6, 72};  // units: centre 2.5 left of and 30.5 below the dot

struct GlowSpan {
    int first, last;  // frames
    double opacity;   // percent
};
constexpr GlowSpan kGlowSpans[] = {{17, 21, 56}, {22, 24, 31}, {33, 91, 70}};

}  // namespace

double lampGlowOpacity(int frame) {
    for (const GlowSpan& span : kGlowSpans)
        if (frame >= span.first && frame <= span.last) return span.opacity;
    return 0;
}

std::shared_ptr<Clip> makeLamp() {
    auto lamp = std::make_shared<Clip>(kLampFrames);
    QRadialGradient glowFill(kGlow.center(), kGlow.width() / 2);
    glowFill.setColorAt(0, QColor(0xff, 0xdd, 0x44, 200));
    glowFill.setColorAt(1, QColor(0xff, 0xdd, 0x44, 0));
    auto glow = lamp->add(makeShape({fillEllipse(kGlow, glowFill)}));
    glow->setFilters({BlurFilter{12, 12, 1}});
    auto dot = lamp->add(makeShape(
        {fillEllipse(QRectF(-kDotDiameter / 2, -kDotDiameter / 2, kDotDiameter, kDotDiameter), kLight)}));
    dot->setFilters({BlurFilter{10, 10, 1}});
    lamp->onFrameEntered = [glow = glow.get()](int frame) {
        const double opacity = lampGlowOpacity(frame);
        glow->setVisible(opacity > 0);
        glow->setAlpha(opacity);
    };
    return lamp;
}

}  // namespace valdorn
