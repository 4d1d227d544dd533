#include "game/RecordingServices.h"

namespace valdorn {

RecordingServices::RecordingServices(quint64 seed, SaveStore* store)
    : generator_(seed), store_(store ? store : &ownStore_) {}

void RecordingServices::playSound(Sound sound, int times) { sounds_.push_back({tick_, soundName(sound), times}); }

void RecordingServices::stopAllSounds() { sounds_.push_back({tick_, "stop-all", 0}); }

std::vector<RecordingServices::SoundEvent> RecordingServices::takeSounds() {
    std::vector<SoundEvent> fresh(sounds_.begin() + static_cast<std::ptrdiff_t>(taken_), sounds_.end());
    taken_ = sounds_.size();
    return fresh;
}

}  // namespace valdorn
