#pragma once
// Plays the game's recordings through SDL2_mixer: every start is a new instance mixed with whatever
// plays (overlapping starts of one recording included), a repeat count plays it that many times in a
// row, and stopAll silences everything at once. Without an audio device the game runs silent and
// nothing is reported.

#include <QHash>
#include <QString>

#include "game/Services.h"

struct Mix_Chunk;

namespace valdorn {

class AssetLibrary;

class SoundPlayer {
public:
    explicit SoundPlayer(const AssetLibrary& assets);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    [[nodiscard]] bool hasDevice() const { return open_; }
    void play(Sound sound, int times);
    void stopAll();

    // The asset a recording is read from.
    static QString assetName(Sound sound);

private:
    Mix_Chunk* chunk(Sound sound);

    const AssetLibrary& assets_;
    bool open_ = false;
    QHash<int, Mix_Chunk*> chunks_;
};

}  // namespace valdorn
