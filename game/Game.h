#pragma once
namespace valdorn {
class Game {
public:
    int screen() const { return 0; }
};
}  // namespace valdorn
