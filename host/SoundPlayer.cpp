#include "host/SoundPlayer.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include "game/AssetLibrary.h"

namespace valdorn {
namespace {

constexpr int kMixChannels = 32;      // enough for overlapping shots over music
constexpr int kSampleRate = 44100;    // Hz
constexpr int kChunkSize = 1024;      // samples per callback: low latency for the shot

}  // namespace

SoundPlayer::SoundPlayer(const AssetLibrary& assets) : assets_(assets) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    if (Mix_OpenAudio(kSampleRate, MIX_DEFAULT_FORMAT, 2, kChunkSize) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_Init(MIX_INIT_MP3 | MIX_INIT_OGG);
    Mix_AllocateChannels(kMixChannels);
    open_ = true;
}

SoundPlayer::~SoundPlayer() {
    if (!open_) return;
    Mix_HaltChannel(-1);
    for (Mix_Chunk* c : chunks_) Mix_FreeChunk(c);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

QString SoundPlayer::assetName(Sound sound) { return "sound/" + soundName(sound) + ".ogg"; }

Mix_Chunk* SoundPlayer::chunk(Sound sound) {
    const int key = static_cast<int>(sound);
    if (auto it = chunks_.constFind(key); it != chunks_.constEnd()) return *it;
    // The chunk keeps its own decoded copy; the bytes may go once it is loaded.
    const QByteArray bytes = assets_.data(assetName(sound));
    Mix_Chunk* loaded = nullptr;
    if (!bytes.isEmpty()) {
        SDL_RWops* source = SDL_RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size()));
        loaded = source ? Mix_LoadWAV_RW(source, 1) : nullptr;
    }
    chunks_.insert(key, loaded);
    return loaded;
}

void SoundPlayer::play(Sound sound, int times) {
    if (!open_ || times <= 0) return;
    if (Mix_Chunk* c = chunk(sound)) Mix_PlayChannel(-1, c, times - 1);
}

void SoundPlayer::stopAll() {
    if (open_) Mix_HaltChannel(-1);
}

}  // namespace valdorn
