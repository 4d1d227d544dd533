#include "effects/MusicControl.h"

#include "effects/SoundControlArt.h"
#include "game/Button.h"
#include "game/Game.h"
#include "game/TextObjects.h"
#include "game/VectorShape.h"

namespace valdorn {
namespace {

// What each frame does on entry: start a track (and rest there), pass on, or go back to frame 1.
struct MusicFrame {
    int frame;
    enum { Track, Passing, BackToFirst, Muted } kind;
    Sound track;  // for Track
};
static constexpr MusicFrame kFrames[] = {
    {1, MusicFrame::Track, Sound::Music1},   {2, MusicFrame::Passing, {}}, {3, MusicFrame::Track, Sound::Music2},
    {4, MusicFrame::Passing, {}},            {5, MusicFrame::Track, Sound::Music3},
    {6, MusicFrame::Passing, {}},            {7, MusicFrame::Track, Sound::Music4},
    {8, MusicFrame::BackToFirst, {}},        {9, MusicFrame::Muted, {}},
};

constexpr QRectF kLabelBox{-5.2, 15.15 - 5.375, 10.4, 10.75};  // px, centred at (0, 15.15)
constexpr QPointF kNextCentre{9.05, -18.8};                      // px
constexpr double kNextSide = 8.5;                                 // px
constexpr double kNextOverScale = 11.2 / 8.5 * 100;               // percent: 11.2 px under the pointer
constexpr double kNextBorder = 0.75;                              // px
constexpr QPointF kSpeakerOrigin{-2.15, 1.85};                    // px
constexpr double kSpeakerMargin = 1.5;  // px around the note's outline: 32.1 x 45.15 in all

std::shared_ptr<VectorShape> nextTrackArt() {
    const double h = kNextSide / 2;
    QPolygonF triangle{{QPointF(-1.9, -2.4), QPointF(2.4, 0), QPointF(-1.9, 2.4)}};
    return makeShape({fillRect(QRectF(-h, -h, kNextSide, kNextSide), Qt::white, QPen(Qt::black, kNextBorder)),
                      fillPolygon(triangle, QColor(34, 34, 34))});
}

std::shared_ptr<Button> makeNextTrackButton() {
    auto over = nextTrackArt();
    over->setScale(kNextOverScale);
    auto down = nextTrackArt();
    down->setScale(kNextOverScale);
    auto button = std::make_shared<Button>(nextTrackArt(), over, down, nextTrackArt());
    button->setName("next");
    button->setPosition(kNextCentre);
    return button;
}

std::shared_ptr<Button> makeSpeakerButton() {
    QPainterPathStroker stroker;
    stroker.setWidth(2 * kSpeakerMargin);
    const QPainterPath note = noteOutline();
    const QPainterPath area = note.united(stroker.createStroke(note)).translated(-kSpeakerOrigin);
    auto button = std::make_shared<Button>(nullptr, nullptr, nullptr, makeShape({{area, Qt::black}}));
    button->setName("speaker");
    button->setPosition(kSpeakerOrigin);
    return button;
}

void enterFrame(Game& game, Clip& clip, const MusicFrame& f) {
    switch (f.kind) {
    case MusicFrame::Track:
        clip.stop();
        game.playSound(f.track, kMusicRepeats);
        break;
    case MusicFrame::Passing:
        break;
    case MusicFrame::BackToFirst:
        clip.gotoAndStop(1);
        break;
    case MusicFrame::Muted:
        clip.stop();
        break;
    }
}

}  // namespace

std::shared_ptr<Clip> makeMusicControl(Game& game) {
    auto clip = std::make_shared<Clip>(kMusicControlFrames);
    clip->setName("musa");
    clip->setPosition(kMusicControlOrigin);
    clip->setFilters({controlGlow()});

    auto note = clip->add(makeNoteIcon(), 1);
    auto off = clip->add(makeOffIcon(), 2);
    auto label = clip->add(makeControlLabel("M", kLabelBox), 3);
    auto next = clip->add(makeNextTrackButton(), 4);
    auto speaker = clip->add(makeSpeakerButton(), 5);

    note->setName("note");
    off->setName("off");
    label->setName("label");

    Clip* self = clip.get();
    clip->onFrameEntered = [note = note.get(), off = off.get(), label = label.get(), next = next.get()](int frame) {
        const bool muted = frame == kMutedFrame;
        note->setVisible(!muted);
        label->setVisible(!muted);
        next->setVisible(!muted);
        off->setVisible(muted);
    };
    for (const MusicFrame& f : kFrames) clip->setFrameAction(f.frame, [&game, self, f] { enterFrame(game, *self, f); });

    next->onRelease = [&game, self] {
        const int frame = self->currentFrame();
        if (frame % 2 == 0 || frame == kMutedFrame) return;  // passing frames last less than a tick
        game.stopAllSounds();
        self->gotoAndPlay(frame + 1);
    };
    speaker->onRelease = [&game, self] {
        if (self->currentFrame() == kMutedFrame) {
            self->gotoAndStop(1);
            return;
        }
        game.stopAllSounds();
        self->gotoAndStop(kMutedFrame);
    };
    return clip;
}

}  // namespace valdorn
