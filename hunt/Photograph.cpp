#include "hunt/Photograph.h"

#include "game/AssetLibrary.h"
#include "game/Bitmap.h"
#include "game/VectorShape.h"

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

// The picture without smoothing, or a flat grey of its size while it is missing (a vector fill: a
// tiny stretched bitmap would make the renderer prepare huge device-size copies of it).
ObjectPtr pictureOf(const LevelSpec& level, const AssetLibrary& assets) {
    const QRectF area(level.pictureLeft, level.pictureTop, kPictureWidth, kPictureHeight);
    const QImage& picture = assets.image(QString::fromLatin1(level.photographAsset));
    if (picture.isNull()) return makeShape({fillRect(area, QColor(128, 128, 128))});
    return std::make_shared<Bitmap>(picture, area, /*smooth=*/false);
}

}  // namespace

std::shared_ptr<Clip> makePhotograph(const LevelSpec& level, const AssetLibrary& assets) {
    auto photograph = std::make_shared<Clip>();
    photograph->setName(QString::fromLatin1(level.photographName));
    photograph->add(pictureOf(level, assets));
    addPlaceholderTargets(*photograph, level.requiredTargets);
    return photograph;
}

}  // namespace valdorn
