// A real hunt scene, drawn and ticked as the game window does it: level 6 (the largest picture,
// 2959 x 1661), the largest scope window, the pointer sweeping so the scope never rests, at the
// full-screen surface size. Pictures are noise of the real sizes: drawing cost does not depend on
// what the pixels show.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <random>

#include "game/AssetLibrary.h"
#include "game/Game.h"
#include "game/Renderer.h"
#include "game/ScreenIds.h"
#include "game/Simulation.h"
#include "hunt/LevelTable.h"

namespace valdorn {
namespace {

constexpr QSize kSurface{1286, 1040};  // px, the game window on a 1280 x 1024-class screen
constexpr int kLevel = 6;

// The bench's main makes the application; this covers running the case on its own.
void ensureApplication() {
    if (QGuiApplication::instance()) return;
    static int argc = 1;
    static char name[] = "valdorn5-bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

QImage noise(int width, int height, unsigned seed) {
    QImage image(width, height, QImage::Format_RGB32);
    std::mt19937 random(seed);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) line[x] = 0xff000000u | (random() & 0xffffffu);
    }
    return image;
}

const AssetLibrary& sceneAssets() {
    static const AssetLibrary assets = [] {
        AssetLibrary library;
        library.addImage(levelSpec(kLevel).photographAsset, noise(2959, 1661, 6));
        QImage rifle(282, 897, QImage::Format_ARGB32);
        rifle.fill(Qt::transparent);
        QPainter(&rifle).fillRect(QRect(121, 0, 40, 897), QColor(40, 30, 20));
        library.addImage("rifle.png", rifle);
        library.addImage("texture/metal.jpg", noise(300, 225, 1));
        library.addImage("texture/stonewall.jpg", noise(300, 225, 2));
        return library;
    }();
    return assets;
}

// Each iteration: the pointer moves a step along a circle, one tick, one frame drawn.
void huntScene(benchmark::State& state, bool aimed) {
    ensureApplication();
    Simulation sim(sceneAssets());
    sim.game().vars().set("zoomlevel", 500);
    sim.game().vars().set("zoomsize", 6);
    sim.game().goToScreen(screens::huntScreen(kLevel));
    if (aimed) sim.press();
    sim.tick(30);
    QImage surface(kSurface, QImage::Format_ARGB32_Premultiplied);
    Renderer renderer;
    double angle = 0;
    for (auto _ : state) {
        angle += 0.05;
        sim.move(350 + 200 * std::cos(angle), 250 + 150 * std::sin(angle));
        sim.tick();
        QPainter painter(&surface);
        renderer.render(painter, sim.game().root(), surface.size());
        painter.end();
        benchmark::DoNotOptimize(surface.constBits());
    }
}

BENCHMARK_CAPTURE(huntScene, level6Zoom500LargestWindowMoving, true)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(huntScene, level6AtRestLargestWindowMoving, false)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace valdorn
