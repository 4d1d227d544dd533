#include "effects/EffectsToggle.h"

#include "effects/SoundControlArt.h"
#include "game/Game.h"
#include "game/TextObjects.h"
#include "game/VectorShape.h"

namespace valdorn {
namespace {

constexpr QRectF kLabelBox{2.55 - 18.05 / 2, 15.4 - 10.75 / 2, 18.05, 10.75};  // px, centred at (2.55, 15.4)
constexpr int kOnFrame = 1;
constexpr int kOffFrame = 2;

}  // namespace

bool effectsMuted(const SharedVariables& vars) { return isNumber(vars.get("soundfx"), 1); }

std::shared_ptr<Clip> makeEffectsToggle(Game& game) {
    auto clip = std::make_shared<Clip>(2);
    clip->setName("mus1");
    clip->setPosition(kEffectsToggleOrigin);
    clip->setFilters({controlGlow()});
    auto note = clip->add(makeNoteIcon());
    auto label = clip->add(makeControlLabel("FX", kLabelBox));
    auto off = clip->add(makeOffIcon());
    note->setName("note");
    label->setName("label");
    off->setName("off");

    clip->onFrameEntered = [note = note.get(), label = label.get(), off = off.get()](int frame) {
        note->setVisible(frame == kOnFrame);
        label->setVisible(frame == kOnFrame);
        off->setVisible(frame == kOffFrame);
    };
    clip->stop();
    clip->gotoAndStop(effectsMuted(game.vars()) ? kOffFrame : kOnFrame);

    Clip* self = clip.get();
    clip->onRelease = [&game, self] {
        const bool turningOff = self->currentFrame() == kOnFrame;
        game.vars().set("soundfx", turningOff ? 1 : 0);
        self->gotoAndStop(turningOff ? kOffFrame : kOnFrame);
    };
    return clip;
}

}  // namespace valdorn
