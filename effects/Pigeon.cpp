#include "effects/Pigeon.h"

#include <array>

#include "effects/PigeonArt.h"

namespace valdorn {
namespace {

constexpr double kFlyingScale = 80.75;  // percent; mirrored horizontally
constexpr int kWingBeatFrames = 6;      // frames 1 to 3 of the beat wings up, 4 to 6 wings down

constexpr std::array<FlightPoint, 69> kFlight{{
    {2.3, -5.3, 256},         {-64.55, 91.55, 256},     {-167.25, 149.85, 256},   {-288.45, 163.25, 256},
    {-410.4, 164.75, 256},    {-528.15, 154.6, 256},    {-641.65, 121.4, 256},    {-742.2, 57.95, 256},
    {-818.55, -34.15, 256},   {-868.15, -143.8, 256},   {-897.65, -261, 256},     {-913.9, -380.25, 256},
    {-922.7, -500.8, 256},    {-928.2, -622.4, 256},    {-933.65, -742.6, 256},   {-943.05, -860.45, 256},
    {-961.5, -976.85, 256},   {-996.95, -1089.5, 256},  {-1061.8, -1188.15, 256}, {-1161.35, -1253.05, 256},
    {-1279.55, -1276.45, 256}, {-1400.6, -1267.55, 256}, {-1519.3, -1235.55, 256}, {-1632.7, -1192.05, 256},
    {-1742.2, -1141.85, 256}, {-1849.65, -1087, 256},   {-1955.35, -1029.1, 256}, {-2060.2, -968.75, 256},
    {-2166.7, -905.4, 256},   {-2274.5, -840.3, 256},   {-2377.8, -777.85, 256},  {-2478.75, -717.85, 256},
    {-2581.1, -659.8, 256},   {-2686.3, -607.2, 256},   {-2798.5, -576.85, 256},  {-2916.8, -594.4, 256},
    {-3028.3, -639.3, 256},   {-3129.95, -703.75, 256}, {-3222.5, -781.45, 256},  {-3306.75, -867.4, 256},
    {-3384.85, -959.55, 256}, {-3457.7, -1055.55, 256}, {-3526.15, -1154.25, 256}, {-3591.25, -1255.2, 256},
    {-3617.6, -1297.8, 246},  {-3643.6, -1340.8, 236},  {-3669.15, -1383.9, 225}, {-3694.4, -1427.2, 215},
    {-3719.65, -1471.35, 205}, {-3744.8, -1515.95, 195}, {-3769.5, -1560.4, 184},  {-3793.9, -1604.75, 174},
    {-3818.05, -1649.05, 164}, {-3842, -1693.25, 154},  {-3865.7, -1737.4, 143},  {-3889.65, -1782.25, 133},
    {-3913.85, -1827.75, 123}, {-3937.7, -1872.7, 113}, {-3961.35, -1917.2, 102}, {-3984.55, -1960.75, 92},
    {-4007.7, -2003.95, 82},  {-4031.1, -2047.3, 72},   {-4054.75, -2090.75, 61}, {-4078.5, -2133.8, 51},
    {-4102.45, -2176.5, 41},  {-4126.8, -2219.1, 31},   {-4151.65, -2261.55, 20}, {-4177.15, -2303.85, 10},
    {-4203.5, -2345.95, 0},
}};

}  // namespace

const FlightPoint& flightPoint(int frame) { return kFlight.at(static_cast<size_t>(frame - 2)); }

Pigeon::Pigeon() : Clip(kPigeonFrames) {
    auto perched = add(makePerchedPigeon());
    auto flying = add(std::make_shared<Clip>());
    flying->setScale(-kFlyingScale, kFlyingScale);
    auto wingsUp = flying->add(makeFlyingPigeon(true));
    auto wingsDown = flying->add(makeFlyingPigeon(false));
    onFrameEntered = [perched = perched.get(), flying = flying.get(), up = wingsUp.get(),
                      down = wingsDown.get()](int frame) {
        perched->setVisible(frame == 1);
        const bool inFlight = frame >= 2 && frame < kPigeonFrames;
        flying->setVisible(inFlight);
        if (!inFlight) return;
        const FlightPoint& point = flightPoint(frame);
        flying->setPosition(point.x, point.y);
        flying->setAlpha(point.opacity256 * 100.0 / 256);
        const bool raised = (frame - 2) % kWingBeatFrames < kWingBeatFrames / 2;
        up->setVisible(raised);
        down->setVisible(!raised);
    };
    setFrameAction(1, [this] { stop(); });
    setFrameAction(kPigeonFrames, [this] { stop(); });
    onFrameEntered(1);
    stop();
}

void Pigeon::startFlight() { gotoAndPlay(2); }

}  // namespace valdorn
