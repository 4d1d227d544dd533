#include "effects/Donebar.h"

#include "effects/FigureIcon.h"
#include "game/VectorShape.h"

namespace valdorn {

std::shared_ptr<Clip> makeDonebar(double x) {
    auto bar = std::make_shared<Clip>(kDonebarFrames);
    bar->setName("donebar");
    bar->setPosition(x, kDonebarY);
    bar->stop();
    for (int slot = 1; slot <= kDonebarSlots; ++slot) {
        auto icon = makeFigureIcon();
        const QRectF area = donebarSlot(slot);
        icon->setPosition(area.topLeft());
        icon->setScale(100 * kDonebarIconSize / kFigureIconSize);
        bar->add(icon, slot);
    }
    Clip* self = bar.get();
    bar->onFrameEntered = [self](int frame) {
        for (int slot = 1; slot <= kDonebarSlots; ++slot)
            if (auto icon = self->childAtDepth(slot)) icon->setVisible(slot <= kDonebarFrames - frame);
    };
    return bar;
}

}  // namespace valdorn
