#pragma once
// Services for tests and the headless driver: nothing is played or opened; every call is recorded
// with the tick it happened on. Random numbers come from a seeded generator, the clock from the
// ticks, and the save store lives in memory unless another store is given.

#include <QStringList>
#include <random>
#include <vector>

#include "game/Services.h"

namespace valdorn {

class MemorySaveStore : public SaveStore {
public:
    std::optional<double> counter() override { return counter_; }
    void setCounter(std::optional<double> value) override { counter_ = value; }

private:
    std::optional<double> counter_;
};

class RecordingServices : public Services {
public:
    struct SoundEvent {
        qint64 tick;
        QString sound;  // a recording's name, or "stop-all"
        int times;
    };

    explicit RecordingServices(quint64 seed = 1, SaveStore* store = nullptr);

    // The driver tells the services which tick the game is on, for the record and the clock.
    void setTick(qint64 tick) { tick_ = tick; }

    void playSound(Sound sound, int times) override;
    void stopAllSounds() override;
    void setCursorVisible(bool visible) override { cursorVisible_ = visible; }
    void openQuestSite() override { ++urlsOpened_; }
    qint64 clockMs() override { return tick_ * 1000 / 30; }
    double random() override { return uniform_(generator_); }
    SaveStore& saveStore() override { return *store_; }

    [[nodiscard]] const std::vector<SoundEvent>& sounds() const { return sounds_; }
    // Sounds recorded since the last call.
    std::vector<SoundEvent> takeSounds();
    [[nodiscard]] bool cursorVisible() const { return cursorVisible_; }
    [[nodiscard]] int urlsOpened() const { return urlsOpened_; }

private:
    qint64 tick_ = 0;
    std::mt19937_64 generator_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
    MemorySaveStore ownStore_;
    SaveStore* store_;
    std::vector<SoundEvent> sounds_;
    size_t taken_ = 0;
    bool cursorVisible_ = true;
    int urlsOpened_ = 0;
};

}  // namespace valdorn
