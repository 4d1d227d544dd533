#include "game/PictureCache.h"

#include <QPainter>
#include <cmath>
#include <array>
#include <map>
#include <unordered_map>
#include <tuple>

namespace valdorn::picture_cache {
namespace {

constexpr size_t kMaxSprites = 4096;  // about 100 bytes each: a few hundred kilobytes at most
constexpr size_t kMaxScaled = 8;      // photographs on screen at once, at one or two sizes

// Transforms equal to a thousandth of a device pixel share a sprite.
qint64 quantize(double v) { return std::llround(v * 1000); }

struct SpriteKey {
    std::array<qint64, 9> values;
    bool smooth;
    bool operator==(const SpriteKey&) const = default;
};
struct SpriteKeyHash {
    size_t operator()(const SpriteKey& key) const {
        size_t h = key.smooth;
        for (qint64 v : key.values) h = h * 1099511628211ULL ^ static_cast<size_t>(v);
        return h;
    }
};
struct Sprite {
    QImage image;
    QPointF offset;
};
std::unordered_map<SpriteKey, Sprite, SpriteKeyHash>& sprites() {
    static std::unordered_map<SpriteKey, Sprite, SpriteKeyHash> cache;
    return cache;
}

using ScaledKey = std::tuple<qint64, int, int, bool>;
std::map<ScaledKey, QImage>& scaledPictures() {
    static std::map<ScaledKey, QImage> cache;
    return cache;
}

}  // namespace

const QImage& sprite(const QImage& image, const QRectF& destination, const QTransform& toDevice, bool smooth,
                     QPointF& offset) {
    const SpriteKey key{{image.cacheKey(), quantize(toDevice.m11()), quantize(toDevice.m12()), quantize(toDevice.m21()),
                         quantize(toDevice.m22()), quantize(destination.x()), quantize(destination.y()),
                         quantize(destination.width()), quantize(destination.height())},
                        smooth};
    auto& cache = sprites();
    auto it = cache.find(key);
    if (it == cache.end()) {
        if (cache.size() >= kMaxSprites) cache.clear();
        const QTransform linear(toDevice.m11(), toDevice.m12(), toDevice.m21(), toDevice.m22(), 0, 0);
        const QRect area = linear.mapRect(destination).toAlignedRect().adjusted(-1, -1, 1, 1);
        QImage picture(area.size(), QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        {
            QPainter painter(&picture);
            painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
            painter.setTransform(linear * QTransform::fromTranslate(-area.left(), -area.top()));
            painter.drawImage(destination, image);
        }
        it = cache.emplace(key, Sprite{std::move(picture), QPointF(area.topLeft())}).first;
    }
    offset = it->second.offset;
    return it->second.image;
}

const QImage& scaled(const QImage& image, QSize size, bool smooth) {
    const ScaledKey key{image.cacheKey(), size.width(), size.height(), smooth};
    auto& cache = scaledPictures();
    auto it = cache.find(key);
    if (it == cache.end()) {
        if (cache.size() >= kMaxScaled) cache.clear();
        QImage picture = image.scaled(size, Qt::IgnoreAspectRatio,
                                      smooth ? Qt::SmoothTransformation : Qt::FastTransformation)
                             .convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                      : QImage::Format_RGB32);
        it = cache.emplace(key, std::move(picture)).first;
    }
    return it->second;
}

void clear() {
    sprites().clear();
    scaledPictures().clear();
}

}  // namespace valdorn::picture_cache
