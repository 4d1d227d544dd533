#pragma once
// A running game with small synthetic pictures of the real sizes, entered on a hunt level.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <memory>

#include "game/AssetLibrary.h"
#include "game/Game.h"
#include "game/ScreenIds.h"
#include "game/Simulation.h"
#include "hunt/HuntLayout.h"
#include "hunt/LevelController.h"
#include "hunt/LevelTable.h"
#include "hunt/ScopeView.h"

namespace valdorn::testing {

struct PictureSize {
    int width, height;  // px
};
inline constexpr PictureSize kPhotoSizes[6] = {{1600, 1200}, {1400, 933}, {1824, 1224},
                                               {1920, 1080}, {1400, 949}, {2959, 1661}};
inline const QColor kRifleColour(0, 0, 255);
inline const QColor kStoneColour(150, 100, 60);

// Red toggles with every picture column and green with every row, so each picture pixel is told from
// its neighbours in a rendering.
inline QImage checker(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) line[x] = qRgb(x % 2 ? 255 : 0, y % 2 ? 255 : 0, 128);
    }
    return image;
}

inline QImage filled(int width, int height, const QColor& colour) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// A rifle-like stand-in: transparent but for a stock down the middle of the picture.
inline QImage rifle() {
    QImage image = filled(282, 897, Qt::transparent);
    QPainter(&image).fillRect(QRect(121, 0, 40, 897), kRifleColour);
    return image;
}

inline AssetLibrary huntAssets() {
    AssetLibrary assets;
    for (int level = 1; level <= 6; ++level) {
        const PictureSize size = kPhotoSizes[level - 1];
        assets.addImage(levelSpec(level).photographAsset, checker(size.width, size.height));
    }
    assets.addImage("rifle.png", rifle());
    assets.addImage("texture/metal.jpg", filled(300, 225, QColor(120, 120, 120)));
    assets.addImage("texture/stonewall.jpg", filled(300, 225, kStoneColour));
    return assets;
}

class HuntTest : public ::testing::Test {
protected:
    Game& game() { return sim->game(); }
    void enterLevel(int level) { game().goToScreen(screens::huntScreen(level)); }
    const LevelSpec& levelRow() { return levelSpec(screens::huntLevel(game().screen())); }
    ScopeView& scope() { return *game().root().childAs<ScopeView>(levelRow().scopeName); }
    Clip& photograph() { return *game().root().childAs<Clip>(levelRow().photographName); }
    LevelController& controller() {
        return *dynamic_cast<LevelController*>(game().root().childAtDepth(hunt::kControllerDepth).get());
    }
    DisplayObject& target(Clip& picture, int i) { return *picture.child(QStringLiteral("n%1").arg(i)); }
    // Long enough for the spring and the zoom to come to rest (the error shrinks ~0.77x a tick).
    void settle(double x, double y, int ticks = 100) {
        sim->move(x, y);
        sim->tick(ticks);
    }

    AssetLibrary assets = huntAssets();
    std::unique_ptr<Simulation> sim = std::make_unique<Simulation>(assets);
};

}  // namespace valdorn::testing
