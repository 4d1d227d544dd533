#include "game/Backgrounds.h"

#include <QLinearGradient>

#include "game/AssetLibrary.h"
#include "game/Bitmap.h"
#include "game/Game.h"
#include "game/ScreenIds.h"
#include "game/Renderer.h"
#include "game/VectorShape.h"

namespace valdorn {
namespace {

constexpr QRectF kStage{0, 0, kStageWidth, kStageHeight};
constexpr QColor kBoardsFallback{0x5a, 0x3e, 0x25};
constexpr BlurFilter kBackgroundBlur{5, 5, 3};  // px, px, passes
constexpr int kTitlePhotoDepth = 1;
constexpr QRectF kTitlePhotoRect{0.3, 0.3, kStageWidth, kStageHeight};  // px
const QString kTitlePhotoName = QStringLiteral("title_photo");

}  // namespace

std::shared_ptr<DisplayObject> makePlankBackground(const QImage& texture) {
    QBrush brush(kBoardsFallback);
    if (!texture.isNull()) {
        brush = QBrush(texture);
        brush.setTransform(QTransform::fromTranslate(kPlankTileOrigin.x(), kPlankTileOrigin.y()));
    }
    auto shape = makeShape({fillRect(kStage, brush)});
    shape->setSmoothTextures(false);
    return shape;
}

std::shared_ptr<DisplayObject> makeBlurredPhoto(const QImage& photo, const QRectF& destination) {
    std::shared_ptr<DisplayObject> picture;
    if (photo.isNull()) {
        QLinearGradient dusk(destination.topLeft(), destination.bottomLeft());
        dusk.setColorAt(0, QColor(0x3c, 0x4a, 0x5c));
        dusk.setColorAt(1, QColor(0x1b, 0x20, 0x28));
        picture = makeShape({fillRect(destination, dusk)});
    } else {
        picture = std::make_shared<Bitmap>(photo, destination, false);
    }
    picture->setFilters({kBackgroundBlur});
    return picture;
}

void ensureTitlePhoto(Game& game) {
    if (game.root().child(kTitlePhotoName)) return;
    auto photo = makeBlurredPhoto(game.assets().image("photo/level1.jpg"), kTitlePhotoRect);
    photo->setName(kTitlePhotoName);
    game.addToStage(photo, kTitlePhotoDepth);
    photo->setScreenRange(screens::kTitle, screens::kShop);
}

}  // namespace valdorn
