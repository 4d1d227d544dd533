// The music control `musa` and the effects control `mus1`, clicked where the player clicks them on a
// hunt screen: which recordings start and stop on which tick, and how the controls live on from a
// level through its complete screen into the next, and go with a visit to the shop.
#include <gtest/gtest.h>

#include "effects/EffectsToggle.h"
#include "effects/MusicControl.h"
#include "effects/SoundControlArt.h"
#include "effects/SoundHolder.h"
#include "hunt/HuntFixture.h"

using namespace valdorn;
using namespace valdorn::testing;

namespace {

using Heard = std::vector<std::pair<qint64, QString>>;  // (ticks after the click, recording or "stop-all")

// Stage points of the controls' parts.
constexpr QPointF kNextTrack = kMusicControlOrigin + QPointF(9.05, -18.8);
constexpr QPointF kNoteHead = kMusicControlOrigin + QPointF(-9, 13);
constexpr QPointF kEffectsNoteHead = kEffectsToggleOrigin + QPointF(-9, 13);

class SoundControls : public HuntTest {
protected:
    // Enters `level` the way the shop's level buttons do.
    void enterFromShop(int level) {
        game().goToScreen(screens::kShop);
        game().stopAllSounds();
        enterLevel(level);
        sim->tick();
    }
    Clip* musa() { return game().root().childAs<Clip>("musa"); }
    Clip* mus1() { return game().root().childAs<Clip>("mus1"); }
    bool shows(Clip* control, const char* part) {
        DisplayObject* p = control->find(part);
        return p && p->visible();
    }
    // The off icon stands alone: no note and no label beside it.
    bool showsOffIcon(Clip* control) {
        return shows(control, "off") && !shows(control, "note") && !shows(control, "label");
    }
    void clickAt(QPointF p) {
        sim->click(p.x(), p.y());
        clickTick = game().tickCount();
    }
    // Everything heard since the last call, timed from the last click.
    Heard heard() {
        Heard list;
        for (const auto& e : sim->services().takeSounds()) list.emplace_back(e.tick - clickTick, e.sound);
        return list;
    }
    int repeatsOfLastSound() { return sim->services().sounds().back().times; }

    qint64 clickTick = 0;
};

TEST_F(SoundControls, enteringALevelFromTheShopStartsTrackOneWithoutEnd) {
    enterFromShop(1);
    ASSERT_NE(musa(), nullptr);
    ASSERT_NE(mus1(), nullptr);
    EXPECT_EQ(musa()->currentFrame(), 1);
    EXPECT_FALSE(musa()->playing());
    EXPECT_EQ(musa()->position(), kMusicControlOrigin);
    EXPECT_EQ(mus1()->position(), kEffectsToggleOrigin);
    const Heard all = heard();
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.back().second, "music-1");
    EXPECT_EQ(repeatsOfLastSound(), kMusicRepeats);
}

// One release on the control from a given state, and what follows over the next two ticks.
struct Transition {
    const char* name;
    int nextClicksBefore;  // from track 1, one tick apart
    bool mutedBefore;
    bool onSpeaker;        // else the next-track button
    int frameAfterRelease;
    Heard sounds;          // during the release (0) and the two ticks after it (1, 2)
    int frameAfterwards;
};

class MusicTransitions : public SoundControls, public ::testing::WithParamInterface<Transition> {};

TEST_P(MusicTransitions, releaseGivesTheSoundsOnTheirTicks) {
    const Transition& t = GetParam();
    enterFromShop(1);
    for (int i = 0; i < t.nextClicksBefore; ++i) {
        clickAt(kNextTrack);
        sim->tick(3);
    }
    if (t.mutedBefore) {
        clickAt(kNoteHead);
        sim->tick(3);
    }
    heard();
    clickAt(t.onSpeaker ? kNoteHead : kNextTrack);
    EXPECT_EQ(musa()->currentFrame(), t.frameAfterRelease);
    sim->tick(2);
    EXPECT_EQ(heard(), t.sounds);
    EXPECT_EQ(musa()->currentFrame(), t.frameAfterwards);
    EXPECT_FALSE(musa()->playing());
}

INSTANTIATE_TEST_SUITE_P(
    Table, MusicTransitions,
    ::testing::Values(
        Transition{"nextOnTrack1LeavesOneTickOfSilence", 0, false, false, 2, {{0, "stop-all"}, {1, "music-2"}}, 3},
        Transition{"nextOnTrack2", 1, false, false, 4, {{0, "stop-all"}, {1, "music-3"}}, 5},
        Transition{"nextOnTrack3", 2, false, false, 6, {{0, "stop-all"}, {1, "music-4"}}, 7},
        Transition{"nextOnTrack4StartsTrack1InTheSameTick", 3, false, false, 1, {{0, "stop-all"}, {0, "music-1"}}, 1},
        Transition{"speakerOnTrack1Mutes", 0, false, true, 9, {{0, "stop-all"}}, 9},
        Transition{"speakerOnTrack3Mutes", 2, false, true, 9, {{0, "stop-all"}}, 9},
        Transition{"speakerOnTrack4Mutes", 3, false, true, 9, {{0, "stop-all"}}, 9},
        Transition{"speakerWhenMutedStartsTrack1", 2, true, true, 1, {{0, "music-1"}}, 1},
        Transition{"theHiddenNextTrackButtonDoesNothingWhenMuted", 1, true, false, 9, {}, 9}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(SoundControls, tracksCycleOneToFourAndBackToOne) {
    enterFromShop(1);
    heard();
    std::vector<QString> tracks;
    for (int i = 0; i < 5; ++i) {
        clickAt(kNextTrack);
        sim->tick(40);
        for (const auto& [tick, sound] : heard())
            if (sound.startsWith("music")) tracks.push_back(sound);
    }
    EXPECT_EQ(tracks, (std::vector<QString>{"music-2", "music-3", "music-4", "music-1", "music-2"}));
}

TEST_F(SoundControls, mutingShowsTheOffIconAndUnmutingTheNoteAgain) {
    enterFromShop(1);
    EXPECT_TRUE(shows(musa(), "next"));
    EXPECT_FALSE(showsOffIcon(musa()));
    clickAt(kNoteHead);
    EXPECT_TRUE(showsOffIcon(musa()));
    EXPECT_FALSE(shows(musa(), "next"));
    EXPECT_TRUE(musa()->child("speaker")->visible());
    clickAt(kNoteHead);
    EXPECT_FALSE(showsOffIcon(musa()));
    EXPECT_TRUE(shows(musa(), "next"));
}

// Where the note's outline reaches into the next-track button, the speaker takes the click; the rest
// of the button is the button's.
TEST_F(SoundControls, theSpeakerTakesTheSliverWhereItOverlapsTheNextTrackButton) {
    const QPainterPath note = noteOutline();
    const QRectF square(QPointF(9.05 - 4.25, -18.8 - 4.25), QSizeF(8.5, 8.5));
    std::optional<QPointF> shared;
    for (double y = square.top() + 0.25; y < square.bottom() && !shared; y += 0.25)
        for (double x = square.left() + 0.25; x < square.right() && !shared; x += 0.25)
            if (note.contains(QPointF(x, y))) shared = QPointF(x, y);
    ASSERT_TRUE(shared) << "the note should reach into the button";
    EXPECT_FALSE(note.contains(QPointF(9.05, -18.8))) << "the overlap should be a sliver";

    enterFromShop(1);
    clickAt(kMusicControlOrigin + *shared);
    EXPECT_EQ(musa()->currentFrame(), kMutedFrame);
}

TEST_F(SoundControls, musicAndItsMutedStateGoOnThroughNextPicture) {
    enterFromShop(2);
    Clip* control = musa();
    clickAt(kNoteHead);
    heard();
    game().goToScreen(screens::huntScreen(2) + 1);  // level 2 complete
    sim->tick(5);
    game().goToScreen(screens::huntScreen(3));       // "next picture"
    sim->tick(5);
    EXPECT_EQ(musa(), control);
    EXPECT_EQ(musa()->currentFrame(), kMutedFrame);
    EXPECT_TRUE(showsOffIcon(musa()));
    EXPECT_TRUE(heard().empty());
}

TEST_F(SoundControls, aPlayingTrackGoesOnIntoTheNextLevelUntouched) {
    enterFromShop(1);
    clickAt(kNextTrack);
    sim->tick();
    heard();
    game().goToScreen(screens::huntScreen(1) + 1);
    game().goToScreen(screens::huntScreen(2));
    sim->tick(5);
    EXPECT_EQ(musa()->currentFrame(), 3);
    EXPECT_TRUE(heard().empty()) << "no stop and no restart of the music";
}

TEST_F(SoundControls, theShopDropsBothControlsAndTheNextLevelStartsTrackOneAgain) {
    enterFromShop(1);
    clickAt(kNoteHead);
    const Clip* before = musa();
    game().goToScreen(screens::kShop);
    EXPECT_EQ(musa(), nullptr);
    EXPECT_EQ(mus1(), nullptr);
    heard();
    enterLevel(3);
    sim->tick();
    ASSERT_NE(musa(), nullptr);
    EXPECT_NE(musa(), before);
    EXPECT_EQ(musa()->currentFrame(), 1);
    EXPECT_EQ(heard(), (Heard{{0, "music-1"}}));
}

TEST_F(SoundControls, theFinalScreenDropsTheControls) {
    enterFromShop(6);
    game().goToScreen(screens::kFinal);
    EXPECT_EQ(musa(), nullptr);
    EXPECT_EQ(mus1(), nullptr);
}

TEST_F(SoundControls, theEffectsToggleSwitchesItsPictureAndSoundfx) {
    enterFromShop(1);
    heard();
    EXPECT_FALSE(game().vars().isSet("soundfx"));
    EXPECT_FALSE(showsOffIcon(mus1()));
    clickAt(kEffectsNoteHead);
    EXPECT_EQ(mus1()->currentFrame(), 2);
    EXPECT_EQ(game().vars().get("soundfx"), 1);
    EXPECT_TRUE(showsOffIcon(mus1()));
    clickAt(kEffectsNoteHead);  // the off icon is clicked where the note is
    EXPECT_EQ(mus1()->currentFrame(), 1);
    EXPECT_EQ(game().vars().get("soundfx"), 0);
    EXPECT_FALSE(showsOffIcon(mus1()));
    EXPECT_TRUE(heard().empty()) << "the effects toggle leaves the music alone";
}

TEST_F(SoundControls, effectsSwitchedOffSilenceTheHoldersCuesButNotTheMusic) {
    enterFromShop(1);
    auto& shot = *game().root().childAs<Clip>("sound");
    auto& pigeon = *game().root().childAs<Clip>("sound_tuvi");
    clickAt(kEffectsNoteHead);
    heard();
    startHolder(shot);
    startHolder(pigeon);
    sim->tick(20);
    EXPECT_TRUE(heard().empty());
    EXPECT_EQ(shot.currentFrame(), 22) << "the holder's timeline runs on";

    clickAt(kEffectsNoteHead);
    startHolder(shot);
    startHolder(pigeon);
    sim->tick(20);
    EXPECT_EQ(heard(), (Heard{{0, "shot"}, {14, "pigeon-a"}, {16, "pigeon-b"}}));

    clickAt(kNextTrack);  // the music plays whatever the effects toggle says
    clickAt(kEffectsNoteHead);
    sim->tick();
    EXPECT_EQ(heard(), (Heard{{0, "stop-all"}, {1, "music-2"}}));
}

TEST_F(SoundControls, anEffectsToggleMadeAfterTheShopShowsTheStateTheEffectsAreIn) {
    enterFromShop(1);
    clickAt(kEffectsNoteHead);
    enterFromShop(2);
    EXPECT_EQ(mus1()->currentFrame(), 2);
    EXPECT_TRUE(showsOffIcon(mus1()));
    startHolder(*game().root().childAs<Clip>("sound"));
    heard();
    sim->tick();
    EXPECT_TRUE(heard().empty());
}

}  // namespace
