#pragma once
// Reads the game data that travels inside the program (the embedded container) into an asset
// library: every picture decoded, every other item as bytes, fonts registered with Qt.
// Needs a QGuiApplication. Returns an error message naming the bad item, or nothing on success.

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace valdorn {
class AssetLibrary;

[[nodiscard]] std::optional<QString> loadGameData(AssetLibrary& into);

// The same from any container's bytes (tests hand in damaged ones). Every item is added as data
// under its name; items named *.jpg, *.jpeg or *.png are pictures too, decoded by their content
// (JPEG through libjpeg, PNG through Qt: `fire.jpg` is a PNG), and items under font/ are registered.
[[nodiscard]] std::optional<QString> loadGameData(QByteArrayView container, AssetLibrary& into);

}  // namespace valdorn
