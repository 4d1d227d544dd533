#include "game/ArtworkLinks.h"

#include "game/ArtworkText.h"
#include "game/AssetLibrary.h"
#include "game/Bitmap.h"
#include "game/GameFonts.h"
#include "game/VectorShape.h"

namespace valdorn {
namespace {

constexpr int kThumbnails = 6;
constexpr double kThumbWidth = 88, kThumbHeight = 66;  // px, frame included
constexpr double kFrame = 2;                           // px
constexpr double kHeadingHeight = 17;                  // px of ink
constexpr int kOversample = 2;  // thumbnails are made at twice their stage size, to stay sharp when enlarged

// The middle of `photo` cut to the thumbnail's shape and made small once, smoothly.
QImage thumbnail(const QImage& photo, QSize size) {
    const double aspect = double(size.width()) / size.height();
    QRect crop = photo.rect();
    if (double(photo.width()) / photo.height() > aspect)
        crop.setWidth(qRound(photo.height() * aspect));
    else
        crop.setHeight(qRound(photo.width() / aspect));
    crop.moveCenter(photo.rect().center());
    return photo.copy(crop).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

std::shared_ptr<DisplayObject> makeThumbnail(const QImage& photo, const QRectF& rect) {
    auto thumb = std::make_shared<DisplayObject>();
    thumb->add(makeShape({fillRect(rect, Qt::white)}));
    const QRectF inner = rect.adjusted(kFrame, kFrame, -kFrame, -kFrame);
    if (photo.isNull()) {
        thumb->add(makeShape({fillRect(inner, QColor(0x2a, 0x2f, 0x36)),
                              fillRect(QRectF(inner.center().x() - 0.5, inner.top() + 8, 1, inner.height() - 16),
                                       QColor(0xcc, 0xcc, 0xcc)),
                              fillRect(QRectF(inner.left() + 8, inner.center().y() - 0.5, inner.width() - 16, 1),
                                       QColor(0xcc, 0xcc, 0xcc))}));
    } else {
        const QSize pixels = (inner.size() * kOversample).toSize();
        thumb->add(std::make_shared<Bitmap>(thumbnail(photo, pixels), inner, true));
    }
    return thumb;
}

}  // namespace

std::shared_ptr<DisplayObject> makeLinksBlock(const AssetLibrary& assets) {
    auto block = std::make_shared<DisplayObject>();
    block->setName("links_block");
    // Lifts the heading and the frames off the busy planks.
    block->setFilters({DropShadowFilter{QColor(0, 0, 0, 180), 3, 3, 45, 2, 1, 2}});
    const QRectF heading(kLinksBand.left(), kLinksBand.top(), kLinksBand.width(), kHeadingHeight);
    block->add(makeShape({{fittedTextPath("MORE GAMES AT THE QUEST SITE", fonts::verdana(20, true), heading,
                                          Qt::KeepAspectRatio),
                           Qt::white}}));
    const double gap = (kLinksBand.width() - kThumbnails * kThumbWidth) / (kThumbnails - 1);
    for (int i = 0; i < kThumbnails; ++i) {
        const QRectF rect(kLinksBand.left() + i * (kThumbWidth + gap), kLinksBand.bottom() - kThumbHeight, kThumbWidth,
                          kThumbHeight);
        block->add(makeThumbnail(assets.image(QString("photo/level%1.jpg").arg(i + 1)), rect));
    }
    return block;
}

}  // namespace valdorn
