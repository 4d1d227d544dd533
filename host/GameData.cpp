#include "host/GameData.h"

#include "game/AssetLibrary.h"
#include "host/Container.h"
#include "host/EmbeddedContainer.h"
#include "host/Jpeg.h"
#include "host/SwfMovie.h"

#include <QFontDatabase>

namespace valdorn {
namespace {

bool isPictureName(const QString& name) {
    return name.endsWith(u".jpg") || name.endsWith(u".jpeg") || name.endsWith(u".png");
}

bool looksLikePng(const QByteArray& bytes) { return bytes.startsWith("\x89PNG\r\n\x1a\n"); }

Expected<QImage> decodePicture(const QByteArray& bytes) {
    if (jpeg::looksLikeJpeg(bytes))
        return jpeg::decode(bytes);
    if (!looksLikePng(bytes))
        return Expected<QImage>::failure(QStringLiteral("neither a JPEG nor a PNG picture"));
    QImage image = QImage::fromData(bytes, "PNG");
    if (image.isNull())
        return Expected<QImage>::failure(QStringLiteral("the PNG data does not decode"));
    // Premultiplied is what the renderer draws fastest, and how the particle bitmap is specified.
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

}  // namespace

std::optional<QString> loadGameData(AssetLibrary& into) { return loadGameData(embeddedContainer(), into); }

std::optional<QString> loadGameData(QByteArrayView bytes, AssetLibrary& into) {
    const auto container = Container::read(bytes);
    if (!container)
        return QStringLiteral("game data container: %1").arg(container.error());
    const auto movie = SwfMovie::parse(container->movie, Container::kMovieOffset);
    if (!movie)
        return QStringLiteral("game data movie: %1").arg(movie.error());

    for (const SwfItem& item : movie->items) {
        if (isPictureName(item.name)) {
            auto picture = decodePicture(item.bytes);
            if (!picture)
                return QStringLiteral("game data picture %1: %2").arg(item.name, picture.error());
            into.addImage(item.name, std::move(*picture));
        }
        if (item.name.startsWith(u"font/") && QFontDatabase::addApplicationFontFromData(item.bytes) < 0)
            return QStringLiteral("game data font %1: Qt cannot load it").arg(item.name);
        into.addData(item.name, item.bytes);
    }
    return std::nullopt;
}

}  // namespace valdorn
