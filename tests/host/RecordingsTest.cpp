// Every recording the game plays is in the program's container, decodes through SDL_mixer the way
// the sound player loads it, lasts as long as the game's timing assumes, and has its character:
// the shot loud at once and gone by its end, pigeon B's long tail near silent, the music audible.
#include <gtest/gtest.h>

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <cmath>

#include "game/AssetLibrary.h"
#include "host/GameData.h"
#include "host/SoundPlayer.h"

using namespace valdorn;

namespace {

constexpr int kRate = 22050;  // Hz; the mixer is opened at the recordings' own rate, mono

struct Recording {
    Sound sound;
    double seconds;
    // Loudness (RMS, full scale 1) over [from, to) seconds must lie in [low, high].
    struct Span {
        double from, to, low, high;
    };
    std::vector<Span> spans;
    friend void PrintTo(const Recording& r, std::ostream* os) { *os << soundName(r.sound).toStdString(); }
};

const Recording kRecordings[] = {
    {Sound::Shot, 1.93, {{0, 0.1, 0.1, 1}, {1.8, 1.93, 0, 0.01}}},
    {Sound::PigeonA, 1.00, {{0, 0.7, 0.01, 0.12}}},
    {Sound::PigeonB, 6.53, {{0, 1, 0.05, 1}, {1.5, 6.53, 0, 0.005}}},
    {Sound::Music1, 62.08, {{0, 62.08, 0.05, 0.4}}},
    {Sound::Music2, 11.36, {{0, 11.36, 0.05, 0.4}}},
    {Sound::Music3, 14.26, {{0, 14.26, 0.05, 0.4}}},
    {Sound::Music4, 5.09, {{0, 5.09, 0.05, 0.4}}},
    {Sound::ShopMusic, 9.93, {{0, 9.93, 0.05, 0.4}}},
    {Sound::Closing, 1.20, {{0, 0.5, 0.05, 1}}},
};

class Recordings : public ::testing::TestWithParam<Recording> {
protected:
    static void SetUpTestSuite() {
        SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(Mix_OpenAudio(kRate, AUDIO_S16SYS, 1, 1024), 0) << Mix_GetError();
        const auto error = loadGameData(assets());
        ASSERT_FALSE(error) << error->toStdString();
    }
    static void TearDownTestSuite() {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    static AssetLibrary& assets() {
        static AssetLibrary library;
        return library;
    }
};

TEST_P(Recordings, decodeToTheirLengthAndCharacter) {
    const Recording& r = GetParam();
    int rate = 0, channels = 0;
    Uint16 format = 0;
    ASSERT_TRUE(Mix_QuerySpec(&rate, &format, &channels));
    ASSERT_EQ(format, AUDIO_S16SYS);
    ASSERT_EQ(channels, 1);

    const QByteArray bytes = assets().data(SoundPlayer::assetName(r.sound));
    ASSERT_FALSE(bytes.isEmpty()) << "missing from the container";
    Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.constData(), int(bytes.size())), 1);
    ASSERT_NE(chunk, nullptr) << Mix_GetError();
    const auto* samples = reinterpret_cast<const Sint16*>(chunk->abuf);
    const size_t count = chunk->alen / sizeof(Sint16);
    EXPECT_NEAR(double(count) / rate, r.seconds, 0.006);

    for (const auto& span : r.spans) {
        const size_t from = size_t(span.from * rate), to = std::min(count, size_t(span.to * rate));
        ASSERT_LT(from, to);
        double sum = 0;
        for (size_t i = from; i < to; ++i) sum += double(samples[i]) * samples[i];
        const double rms = std::sqrt(sum / double(to - from)) / 32768;
        EXPECT_GE(rms, span.low) << "from " << span.from << " s";
        EXPECT_LE(rms, span.high) << "from " << span.from << " s";
    }
    Mix_FreeChunk(chunk);
}

INSTANTIATE_TEST_SUITE_P(All, Recordings, ::testing::ValuesIn(kRecordings), [](const auto& p) {
    QString name = soundName(p.param.sound);
    return name.remove('-').toStdString();
});

}  // namespace
