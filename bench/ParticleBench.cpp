// Explosion particles under load: a frame (tick + render at 1286 x 1040) with a new burst every 2
// ticks, far more often than a player can hit, so a dozen bursts overlap (each particle lives at most
// 25 ticks; most fade sooner), and the making of one 500-particle burst alone. Run with --benchmark_repetitions=N for the median.
#include <benchmark/benchmark.h>

#include <QPainter>

#include "effects/Explosion.h"
#include "effects/ExplosionTuning.h"
#include "game/AssetLibrary.h"
#include "game/Game.h"
#include "game/RecordingServices.h"
#include "game/Renderer.h"

using namespace valdorn;

namespace {

constexpr int kTicksBetweenBursts = 2;  // a hit every 2 ticks: about 1500 particles alive, a dozen bursts

void BM_FrameWithOverlappingBursts(benchmark::State& state) {
    RecordingServices services(3);
    AssetLibrary assets;
    Game game(services, assets);
    installExplosionState(game);
    Renderer renderer;
    QImage surface(1286, 1040, QImage::Format_ARGB32_Premultiplied);
    int tick = 0;
    qint64 particles = 0;
    for (auto _ : state) {
        if (tick++ % kTicksBetweenBursts == 0)
            createExplosion(game, 100 + (tick * 37) % 500, 100 + (tick * 53) % 350);
        game.tick();
        QPainter painter(&surface);
        renderer.render(painter, game.root(), surface.size());
        particles += game.particleCount();
    }
    state.counters["particles"] = benchmark::Counter(static_cast<double>(particles), benchmark::Counter::kAvgIterations);
}

void BM_MakeOneBurst(benchmark::State& state) {
    RecordingServices services(3);
    AssetLibrary assets;
    Game game(services, assets);
    installExplosionState(game);
    for (auto _ : state) {
        createExplosion(game, 200, 200);
        state.PauseTiming();
        game.root().removeAllChildren();
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(BM_FrameWithOverlappingBursts)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_MakeOneBurst)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
