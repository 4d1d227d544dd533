#include "game/Services.h"

namespace valdorn {

QString soundName(Sound sound) {
    switch (sound) {
        case Sound::Shot: return "shot";
        case Sound::PigeonA: return "pigeon-a";
        case Sound::PigeonB: return "pigeon-b";
        case Sound::Music1: return "music-1";
        case Sound::Music2: return "music-2";
        case Sound::Music3: return "music-3";
        case Sound::Music4: return "music-4";
        case Sound::ShopMusic: return "shop-music";
        case Sound::Closing: return "closing";
    }
    return {};
}

}  // namespace valdorn
