#pragma once
// Reads the game data that travels inside the program (the embedded container) into an asset
// library: every picture decoded, every other item as bytes, fonts registered with Qt.
// Needs a QGuiApplication. Returns an error message naming the bad item, or nothing on success.

#include <QString>
#include <optional>

namespace valdorn {
class AssetLibrary;

[[nodiscard]] std::optional<QString> loadGameData(AssetLibrary& into);

}  // namespace valdorn
