#include "hunt/LevelTargets.h"

namespace valdorn {
namespace {

using K = FigureKind;
constexpr Tint none{};
constexpr Tint tint(int mul) { return {mul, 0, 0, 0}; }
constexpr Tint tint(int mul, double add) { return {mul, add, add, add}; }
constexpr Tint tint(int mul, double r, double g, double b) { return {mul, r, g, b}; }

// name, kind, x, y, scale x, scale y, rotation, mirrored, tint, points
constexpr TargetSpec kLevel1[] = {
    {"n1", K::C, 105.6, 285.6, 9.077, 9.077, 0, false, none, 1},
    {"n2", K::E, 679.65, 297.2, 3.262, 3.262, 0, false, tint(102), 1},
    {"n3", K::D, 31.25, 260.25, 6.755, 6.755, 3.9, false, none, 1.5},
    {"n4", K::B, 249.05, 348, 19.362, 19.362, 0, false, tint(77), 1},
    {"n5", K::A, 80.5, 260.6, 3.455, 3.455, 94.69, false, tint(179), 1.5},
};
constexpr const char* kOrder1[] = {"n5", "n4", "n1", "n3", "n2"};

constexpr TargetSpec kLevel2[] = {
    {"n1", K::A, 328.7, 313.65, 2.834, 2.834, -1.33, false, tint(205), 2},
    {"n2", K::E, 566.05, 217.75, 1.77, 1.683, 0, false, tint(77), 1.5},
    {"n3", K::B, 256.25, 333.1, 3.16, 3.16, 0, false, none, 1},
    {"n4", K::D, 195.8, 354.3, 2.874, 2.874, -1.25, true, none, 2.5},
    {"n5", K::B, 423.35, 348.05, 3.073, 3.073, 0, false, tint(154), 1.5},
    {"n6", K::D, 192.2, 357.45, 2.824, 2.824, -0.31, false, tint(128), 2.5},
};
constexpr const char* kOrder2[] = {"n3", "n2", "n5", "n1", "n6", "n4"};

constexpr TargetSpec kLevel3[] = {
    {"n1", K::A, 463.05, 248.4, 7.038, 7.038, -28.35, false, none, 2.5},
    {"n2", K::E, 128.85, 470.55, 1.727, 1.727, 0, false, tint(128), 1.5},
    {"n3", K::B, 53.6, 283.55, 1.753, 1.753, 0, false, tint(230, 26), 1.5},
    {"n4", K::D, 557.65, 119.55, 7.496, 7.496, -6.69, true, tint(102), 3.5},
    {"n5", K::D, 615.1, 248.15, 8.331, 8.331, -7.17, false, tint(128), 1.5},
    {"n6", K::D, 96.8, 193.25, 2.556, 2.556, 84.28, true, tint(108), 1},
    {"n7", K::A, 201.3, 469.15, 2.332, 2.332, 90.15, false, none, 2},
};
constexpr const char* kOrder3[] = {"n2", "n3", "n7", "n6", "n1", "n5", "n4"};

constexpr TargetSpec kLevel4[] = {
    {"n1", K::A, 422.75, 336.55, 3.157, 3.157, -0.22, false, tint(82), 3},
    {"n2", K::Walking, 277.85, 159.6, 100, 100, 0, false, none, 5},
    {"n3", K::B, 546.7, 408.55, 3.352, 3.352, 0, false, none, 1.5},
    {"n4", K::Walking, 652.95, 486.9, 177.847, 177.847, 0, false, none, 4.5},
    {"n5", K::C, 547.35, 79.15, 2.867, 2.867, 0.03, false, tint(128, 15, 16, 10), 2},
    {"n6", K::D, 242.5, 212.3, 2.434, 2.434, 11.13, true, tint(230, 26), 3.5},
    {"n7", K::A, 472.2, 134.8, 3.919, 3.919, 1.2, false, tint(143), 1.5},
    {"n8", K::D, 295.3, 219.1, 3.267, 3.267, -5.23, false, tint(128), 2.5},
};
constexpr const char* kOrder4[] = {"n3", "n5", "n7", "n6", "n1", "n8", "n4", "n2"};

constexpr TargetSpec kLevel5[] = {
    {"n1", K::A, 400.05, 310.2, 4.18, 4.18, 88.77, false, tint(118), 3.5},
    {"n2", K::E, 86.7, 346.4, 1.21, 1.21, 2.53, false, tint(210, 46), 5},
    {"n3", K::B, 204.1, 305.1, 2.121, 2.121, 3.3, false, tint(92), 2.5},
    {"n4", K::Walking, 166.45, 409.5, 98.876, 98.876, 9.24, false, tint(205, 51), 6.5},
    {"n5", K::PartlyHidden, 535.15, 244.2, 44.461, 44.461, -0.21, false, tint(154), 3.5},
    {"n6", K::D, 553.15, 319, 2.737, 2.737, 0, true, tint(128), 2.5},
    {"n7", K::A, 277.95, 292.95, 2.297, 2.297, -0.8, true, tint(72), 4.5},
    {"n8", K::D, 193.4, 415.95, 2.992, 2.992, -1.49, false, tint(205, 51), 3},
    {"n9", K::B, 31.4, 363.2, 2.271, 2.271, -4.43, false, none, 3.5},
};
constexpr const char* kOrder5[] = {"n9", "n2", "n3", "n7", "n6", "n1", "n8", "n5", "n4"};

constexpr TargetSpec kLevel6[] = {
    {"n1", K::A, 236.05, 332.85, 1.685, 1.685, -0.52, false, tint(118), 5.5},
    {"n2", K::E, 550.15, 352.35, 2.524, 2.524, 0.59, false, tint(74, 16, 13, 7), 3.5},
    {"n3", K::B, 532.75, 287.45, 1.422, 1.422, 0, false, tint(230, 26), 3},
    {"n4", K::C, 124.45, 410.9, 1.752, 1.752, 0, false, tint(67), 2.5},
    {"n5", K::C, 391.75, 329.2, 1.666, 1.749, 0.05, false, tint(128), 3},
    {"n6", K::D, 523.15, 340.8, 2.117, 2.117, -1.12, true, none, 6.5},
    {"n7", K::A, 367.6, 274.9, 1.863, 1.863, 0, false, tint(215, 41), 4.5},
    {"n8", K::D, 105.9, 262.05, 1.506, 1.506, -2.73, false, tint(205), 6},
    {"n9", K::B, 405.8, 234.5, 1.555, 1.555, 2.81, false, tint(184), 3.5},
    {"n10", K::A, 284.35, 347.05, 1.798, 1.798, -0.49, false, tint(210, 46), 5.5},
};
constexpr const char* kOrder6[] = {"n9", "n2", "n3", "n10", "n7", "n6", "n1", "n8", "n4", "n5"};

constexpr LampSpec kLamps1[] = {{607.68, 266.23, 37.064, 37.064}};
constexpr LampSpec kLamps5[] = {{23.15, 337.02, 69.702, 58.243}, {435.05, 382.27, 69.702, 58.243}};
// Level 6 draws its right lamp below its left one.
constexpr LampSpec kLamps6[] = {{482.48, 347.63, 37.064, 37.064}, {386.48, 347.63, 37.064, 37.064}};

constexpr double kSmallMarker = 26.395, kLargeMarker = 40.271;  // percent

const std::array<LevelTargets, 6> kLevels{{
    {kLevel1, kOrder1,
     {{{"tuvitest", 290.35, 94.55, 4.854, false, none, 2.5}, {"tuv22", 422.3, 233.55, 4.854, true, none, 2.5}}},
     kLamps1, {-35.15, 602.05, kSmallMarker, 2, 0.5}},
    {kLevel2, kOrder2,
     {{{"tuvitest", 59.8, 360.7, 2.328, false, none, 4.5}, {"tuv23", 210.65, 339.95, 2.33, true, none, 3.5}}},
     {}, {-28.45, 607.45, kLargeMarker, 5, 1}},
    {kLevel3, kOrder3,
     {{{"tuvitest", 432.45, 168.3, 4.854, false, tint(174), 3.5}, {"tuv24", 246.9, 357.35, 2.768, true, none, 2.5}}},
     {}, {-31.45, 609.45, kLargeMarker, 5, 1}},
    {kLevel4, kOrder4,
     {{{"tuvitest", 529.4, 132.2, 3.154, false, tint(154), 3.5}, {"tuv25", 407.5, 80.75, 2.768, true, none, 2.5}}},
     {}, {-25.45, 606.45, kLargeMarker, 5, 1}},
    {kLevel5, kOrder5,
     {{{"tuvitest", 593.9, 268.15, 1.456, false, tint(154), 4.5}, {"tuv26", 391.8, 278.7, 2.768, true, none, 3.5}}},
     kLamps5, {-26.45, 601.45, kLargeMarker, 5, 1}},
    {kLevel6, kOrder6,
     {{{"tuvitest", 460.2, 311.1, 1.456, false, tint(205), 3.5}, {"tuv27", 499.7, 358.95, 2.04, true, none, 3.5}}},
     kLamps6, {-24.45, 599.45, kLargeMarker, 5, 1}},
}};

}  // namespace

const LevelTargets& levelTargets(int level) { return kLevels[static_cast<size_t>(level < 1 ? 0 : level > 6 ? 5 : level - 1)]; }

}  // namespace valdorn
