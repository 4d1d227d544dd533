#include "hunt/Photograph.h"

#include "game/AssetLibrary.h"
#include "game/Bitmap.h"

namespace valdorn {
namespace {

// Until the figures exist, each target is a bare named object: it draws nothing, but it can be
// hidden, which is all the completion watcher looks at.
void addPlaceholderTargets(Clip& photograph, int count) {
    for (int i = 1; i <= count; ++i) {
        auto target = std::make_shared<DisplayObject>();
        target->setName(QStringLiteral("n%1").arg(i));
        photograph.add(target);
    }
}

QImage pictureOf(const LevelSpec& level, const AssetLibrary& assets) {
    const QImage& picture = assets.image(QString::fromLatin1(level.photographAsset));
    if (!picture.isNull()) return picture;
    QImage grey(1, 1, QImage::Format_RGB32);
    grey.fill(QColor(128, 128, 128));
    return grey;
}

}  // namespace

std::shared_ptr<Clip> makePhotograph(const LevelSpec& level, const AssetLibrary& assets) {
    auto photograph = std::make_shared<Clip>();
    photograph->setName(QString::fromLatin1(level.photographName));
    const QRectF area(level.pictureLeft, level.pictureTop, kPictureWidth, kPictureHeight);
    photograph->add(std::make_shared<Bitmap>(pictureOf(level, assets), area, /*smooth=*/false));
    addPlaceholderTargets(*photograph, level.requiredTargets);
    return photograph;
}

}  // namespace valdorn
