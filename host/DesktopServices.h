#pragma once
// The game's services on the desktop: sound through SDL2_mixer, the system cursor over the game
// surface, the quest site in the desktop's browser, a monotonic clock, random numbers, and the save
// record in the user's data folder.

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QString>
#include <QWidget>
#include <memory>

#include "game/Services.h"
#include "host/FileSaveStore.h"

namespace valdorn {

class AssetLibrary;
class SoundPlayer;

class DesktopServices : public Services {
public:
    // `cursorOwner`: the widget whose cursor is shown or hidden. Both must outlive the services.
    DesktopServices(const AssetLibrary& assets, QWidget& cursorOwner);
    ~DesktopServices() override;

    void playSound(Sound sound, int times) override;
    void stopAllSounds() override;
    void setCursorVisible(bool visible) override;
    void openQuestSite() override;
    qint64 clockMs() override { return clock_.elapsed(); }
    double random() override { return random_.generateDouble(); }
    SaveStore& saveStore() override { return store_; }

private:
    QWidget& cursorOwner_;
    std::unique_ptr<SoundPlayer> sound_;
    QElapsedTimer clock_;
    QRandomGenerator random_;
    FileSaveStore store_;
};

}  // namespace valdorn
