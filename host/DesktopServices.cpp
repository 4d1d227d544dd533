#include "host/DesktopServices.h"

#include <QDesktopServices>
#include <QUrl>

#include "host/SoundPlayer.h"

namespace valdorn {

DesktopServices::DesktopServices(const AssetLibrary& assets, QWidget& cursorOwner)
    : cursorOwner_(cursorOwner),
      sound_(std::make_unique<SoundPlayer>(assets)),
      random_(QRandomGenerator::securelySeeded()) {
    clock_.start();
}

DesktopServices::~DesktopServices() = default;

void DesktopServices::playSound(Sound sound, int times) { sound_->play(sound, times); }

void DesktopServices::stopAllSounds() { sound_->stopAll(); }

void DesktopServices::setCursorVisible(bool visible) {
    cursorOwner_.setCursor(visible ? Qt::ArrowCursor : Qt::BlankCursor);
}

void DesktopServices::openQuestSite() { QDesktopServices::openUrl(QUrl(QStringLiteral(VALDORN5_QUEST_URL))); }

}  // namespace valdorn
