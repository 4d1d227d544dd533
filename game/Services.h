#pragma once
// Everything the game needs from the outside world, behind one narrow interface. The host gives real
// back ends (SDL2_mixer, the system cursor, the desktop browser, a file in the user's data folder);
// tests and the headless driver give fakes that record what happened.

#include <QString>
#include <optional>

namespace valdorn {

// The recordings the game plays, by the names the driver reports.
enum class Sound { Shot, PigeonA, PigeonB, Music1, Music2, Music3, Music4, ShopMusic, Closing };
QString soundName(Sound sound);

// The per-user save record "tornwick_valdorn5" and its one field, `counter`.
class SaveStore {
public:
    virtual ~SaveStore() = default;
    // Absent in a new, missing, unreadable or corrupt store.
    virtual std::optional<double> counter() = 0;
    // Kept at once; a failure to write leaves the value in memory for this run.
    virtual void setCounter(std::optional<double> value) = 0;
};

class Services {
public:
    virtual ~Services() = default;

    // Starts a recording `times` times in a row, overlapping whatever plays already.
    virtual void playSound(Sound sound, int times) = 0;
    virtual void stopAllSounds() = 0;
    virtual void setCursorVisible(bool visible) = 0;
    // Opens the quest site's address in a new browser window.
    virtual void openQuestSite() = 0;
    // Milliseconds since the game started.
    virtual qint64 clockMs() = 0;
    // Uniform in [0, 1).
    virtual double random() = 0;
    virtual SaveStore& saveStore() = 0;
};

}  // namespace valdorn
