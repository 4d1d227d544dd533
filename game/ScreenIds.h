#pragma once
// The screens of the game's timeline by role. Hunt level L is screen 2L + 2; its next screen 2L + 3.

namespace valdorn::screens {

inline constexpr int kLoading = 0;
inline constexpr int kTitle = 1;
inline constexpr int kSpareTitle = 2;
inline constexpr int kShop = 3;
inline constexpr int kFinal = 15;

constexpr int huntScreen(int level) { return 2 * level + 2; }
constexpr bool isHuntScreen(int screen) { return screen >= 4 && screen <= 14 && screen % 2 == 0; }
constexpr int huntLevel(int screen) { return (screen - 2) / 2; }
constexpr bool isLevelCompleteScreen(int screen) { return screen >= 5 && screen <= 13 && screen % 2 == 1; }

}  // namespace valdorn::screens
