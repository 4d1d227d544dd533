// The cost of one frame (tick + render) at a 1286 x 1040 surface for a synthetic worst case: a
// 2959 x 1661 photograph drawn 700 x 500 without smoothing, a circular window 161 px across showing a
// copy magnified 7.53 times, and 2000 rotated 3 x 3 alpha bitmaps; against a bare full-surface blit
// measured in the same run. Prints the medians and their ratio after Google Benchmark's own report.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

#include "game/AssetLibrary.h"
#include "game/Bitmap.h"
#include "game/Game.h"
#include "game/RecordingServices.h"
#include "game/Renderer.h"
#include "game/VectorShape.h"

using namespace valdorn;

namespace {

const QSize kSurface(1286, 1040);
std::vector<double> blitTimes, frameTimes;

QImage noisyPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    std::mt19937 random(5);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) line[x] = qRgb(x * 255 / size.width(), y * 255 / size.height(), random() & 255);
    }
    return image;
}

QImage particlePicture() {
    QImage image(3, 3, QImage::Format_ARGB32_Premultiplied);
    const int alpha[3][3] = {{27, 205, 27}, {205, 255, 205}, {27, 205, 27}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) image.setPixel(x, y, qRgba(alpha[y][x], 0, 0, alpha[y][x]));
    return image;
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <class F>
void timed(benchmark::State& state, std::vector<double>& times, F&& body) {
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        body();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
}

void BM_BareBlit(benchmark::State& state) {
    QImage surface(kSurface, QImage::Format_ARGB32_Premultiplied);
    const QImage full = noisyPicture(kSurface).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    timed(state, blitTimes, [&] {
        QPainter painter(&surface);
        painter.drawImage(0, 0, full);
    });
}

void BM_WorstCaseFrame(benchmark::State& state) {
    AssetLibrary assets;
    RecordingServices services;
    Game game(services, assets);
    const QImage photo = noisyPicture(QSize(2959, 1661));
    auto& root = game.root();
    root.add(std::make_shared<Bitmap>(photo, QRectF(0, 0, 700, 500), false));

    // The scope: a copy of the photograph magnified 7.53 x behind a window 161 px across.
    auto copy = root.add(std::make_shared<Clip>());
    copy->add(std::make_shared<Bitmap>(photo, QRectF(-350, -250, 700, 500), false));
    copy->setScale(753);
    auto window = root.add(makeShape({fillEllipse(QRectF(-80.5, -80.5, 161, 161), Qt::white)}));
    copy->setMask(window);

    std::mt19937 random(9);
    std::uniform_real_distribution<double> uniform(0, 1);
    const QImage dot = particlePicture();
    for (int i = 0; i < 2000; ++i) {
        auto particle = root.add(std::make_shared<Bitmap>(dot, QRectF(-1.5, -1.5, 3, 3), false));
        particle->setPosition(300 + uniform(random) * 100, 200 + uniform(random) * 100);
        particle->setRotation(uniform(random) * 360);
        particle->setAlpha(50 + uniform(random) * 50);
        particle->onTick = [p = particle.get()] { p->move(0.5, 0.5); };
    }

    QImage surface(kSurface, QImage::Format_ARGB32_Premultiplied);
    Renderer renderer;
    double t = 0;
    timed(state, frameTimes, [&] {
        t += 0.05;
        const QPointF centre(350 + 200 * std::sin(t), 250 + 150 * std::cos(t));
        window->setPosition(centre);
        copy->setPosition(centre + (QPointF(350, 250) - centre) * 7.53);
        game.tick();
        QPainter painter(&surface);
        renderer.render(painter, game.root(), kSurface);
    });
}

BENCHMARK(BM_BareBlit)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_WorstCaseFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const double blit = median(blitTimes), frame = median(frameTimes);
    if (blit > 0 && frame > 0)
        std::printf("median frame %.3f ms, bare blit %.3f ms, ratio %.2f (goal: below 4 ms and below 8)\n", frame,
                    blit, frame / blit);
    return 0;
}
