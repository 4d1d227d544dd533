#include "host/GameData.h"

#include "game/AssetLibrary.h"

namespace valdorn {

// Until the container is built into the program there is nothing to read.
std::optional<QString> loadGameData(AssetLibrary&) { return std::nullopt; }

}  // namespace valdorn
