#include "game/AssetLibrary.h"

namespace valdorn {

void AssetLibrary::addImage(const QString& name, QImage image) {
    images_.insert(name, std::move(image));
}

void AssetLibrary::addData(const QString& name, QByteArray bytes) {
    data_.insert(name, std::move(bytes));
}

const QImage& AssetLibrary::image(const QString& name) const {
    static const QImage none;
    auto it = images_.constFind(name);
    return it == images_.constEnd() ? none : it.value();
}

}  // namespace valdorn
