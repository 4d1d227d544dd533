#pragma once
// Assembles the whole game: a Game with all 16 screens set, started on screen 0.

#include <memory>

namespace valdorn {

class AssetLibrary;
class Game;
class Services;

std::unique_ptr<Game> makeGame(Services& services, const AssetLibrary& assets);

}  // namespace valdorn
