#pragma once
// `plahvatus`: what a hit on a figure sets off besides points and the shot. It steps the progress bar
// `donebar` one frame (it stays on its last frame) and bursts particles at the pointer.

namespace valdorn {

class Game;

void plahvatus(Game& game);

}  // namespace valdorn
