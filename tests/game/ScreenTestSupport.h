#pragma once
// What the screens' tests share: the game's pictures as plain synthetic images of their real sizes,
// a save store that counts its writes, and short ways to reach objects and recorded sounds.

#include <QImage>
#include <QStringList>

#include "game/AssetLibrary.h"
#include "game/DisplayObject.h"
#include "game/Game.h"
#include "game/RecordingServices.h"
#include "game/Simulation.h"

namespace valdorn::test {

inline constexpr QSize kPhotoSizes[] = {{1600, 1200}, {1400, 933}, {1824, 1224},
                                        {1920, 1080}, {1400, 949}, {2959, 1661}};

// One flat colour per picture, so a test can tell which picture is drawn.
inline QColor photoColor(int level) { return QColor::fromHsv(level * 50 % 360, 200, 160); }

inline const AssetLibrary& syntheticAssets() {
    static const AssetLibrary assets = [] {
        AssetLibrary library;
        for (int level = 1; level <= 6; ++level) {
            QImage photo(kPhotoSizes[level - 1], QImage::Format_RGB32);
            photo.fill(photoColor(level));
            library.addImage(QString("photo/level%1.jpg").arg(level), photo);
        }
        QImage planks(226, 225, QImage::Format_RGB32);
        planks.fill(QColor(0x8a, 0x5a, 0x30));
        library.addImage("texture/planks.jpg", planks);
        return library;
    }();
    return assets;
}

class CountingSaveStore : public SaveStore {
public:
    std::optional<double> counter() override { return counter_; }
    void setCounter(std::optional<double> value) override {
        counter_ = value;
        ++writes;
    }
    int writes = 0;

private:
    std::optional<double> counter_;
};

// The sounds recorded so far, as "name@tick" ("stop-all@41", "shop-music@43").
inline QStringList soundLog(const RecordingServices& services) {
    QStringList log;
    for (const auto& event : services.sounds()) log << QString("%1@%2").arg(event.sound).arg(event.tick);
    return log;
}

template <class T = DisplayObject>
T* object(Simulation& sim, const QString& path) {
    return dynamic_cast<T*>(sim.game().root().find(path));
}

}  // namespace valdorn::test
