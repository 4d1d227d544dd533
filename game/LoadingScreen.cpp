#include "game/LoadingScreen.h"

#include "effects/CheatClip.h"
#include "game/AssetLibrary.h"
#include "game/Backgrounds.h"
#include "game/ColorTransform.h"
#include "game/Game.h"
#include "game/GameFonts.h"
#include "game/Logo.h"
#include "game/ParticlePreloader.h"
#include "game/ScreenIds.h"
#include "game/TextObjects.h"
#include "game/VectorShape.h"

namespace valdorn {
namespace {

constexpr int kBackgroundDepth = 1;
constexpr int kLogoDepth = 3;
constexpr int kDisplayDepth = 6;
constexpr int kCounterTextDepth = 872;
constexpr int kCheatDepth = 873;

constexpr int kPlankTint = 51;                              // red, green and blue x 51/256
constexpr QPointF kLogoOrigin{345.05, 490.75};              // px
constexpr double kLogoScale = 48.457;                       // percent
constexpr QPointF kDisplayOrigin{351.45, 276.95};           // px
constexpr QRectF kCounterTextBox{0.3, 563.8, 304.0, 33.2};  // px, wholly below the stage
constexpr QPointF kCheatOrigin{1146.4, 610.85};             // px

constexpr int kDisplayFrames = 40;
constexpr int kParticlesRemovedFrame = 37;
constexpr int kReleaseFrame = 40;

// The particle clip's look on display frames 1 to 36 (frame 1 is the state while loading).
struct FlashOutFrame {
    double gain;          // colour matrix: value x gain + offset, 0..255 scale
    double offset;
    QRgb glowColor;
    double glowBlur;      // px, both directions
    double glowStrength;
    int alpha256;         // opacity in 256ths
};
static constexpr FlashOutFrame kFlashOut[] = {
    {1.00, 0.000, 0xFFFF0000, 0.000, 0.0000, 256},  {1.02, 4.765, 0xFFFF2525, 2.219, 0.0469, 256},
    {1.06, 8.232, 0xFFFF4848, 4.260, 0.1094, 256},  {1.10, 11.615, 0xFFFF6868, 6.124, 0.1562, 256},
    {1.12, 15.708, 0xFFFF8484, 7.811, 0.1992, 256}, {1.15, 19.054, 0xFFFF9E9E, 9.319, 0.2383, 256},
    {1.17, 22.435, 0xFFFFB5B5, 10.651, 0.2773, 256}, {1.18, 25.716, 0xFFFFC8C8, 11.805, 0.3086, 256},
    {1.21, 27.905, 0xFFFFD9D9, 12.781, 0.3398, 256}, {1.22, 30.210, 0xFFFFE6E6, 13.580, 0.3594, 256},
    {1.22, 32.231, 0xFFFFF1F1, 14.201, 0.3672, 256}, {1.24, 33.186, 0xFFFFF8F8, 14.645, 0.3867, 256},
    {1.24, 34.066, 0xFFFFFDFD, 14.911, 0.3867, 256}, {1.25, 34.125, 0xFFFFFFFF, 15.000, 0.3984, 256},
    {1.30, 35.260, 0xFFFFE9E9, 13.667, 0.3594, 233}, {1.36, 36.261, 0xFFFFD3D3, 12.397, 0.3281, 212},
    {1.44, 36.979, 0xFFFFBFBF, 11.188, 0.2891, 191}, {1.50, 38.167, 0xFFFFABAB, 10.041, 0.2578, 171},
    {1.59, 38.947, 0xFFFF9999, 8.956, 0.2266, 153},  {1.65, 40.270, 0xFFFF8787, 7.934, 0.2070, 135},
    {1.74, 41.232, 0xFFFF7777, 6.973, 0.1797, 119},  {1.80, 42.621, 0xFFFF6868, 6.075, 0.1562, 104},
    {1.89, 43.686, 0xFFFF5A5A, 5.238, 0.1289, 89},   {1.95, 45.072, 0xFFFF4C4C, 4.463, 0.1094, 76},
    {2.00, 46.500, 0xFFFF4040, 3.750, 0.0977, 64},   {2.06, 47.778, 0xFFFF3535, 3.099, 0.0781, 53},
    {2.18, 48.573, 0xFFFF2B2B, 2.510, 0.0586, 43},   {2.24, 49.736, 0xFFFF2222, 1.983, 0.0469, 34},
    {2.30, 50.793, 0xFFFF1A1A, 1.519, 0.0391, 26},   {2.42, 51.430, 0xFFFF1313, 1.116, 0.0195, 19},
    {2.42, 52.530, 0xFFFF0E0E, 0.775, 0.0195, 13},   {2.48, 53.180, 0xFFFF0909, 0.496, 0.0078, 8},
    {2.54, 53.665, 0xFFFF0505, 0.279, 0.0000, 5},    {2.54, 54.190, 0xFFFF0303, 0.124, 0.0000, 2},
    {2.54, 54.505, 0xFFFF0101, 0.031, 0.0000, 1},    {2.60, 54.400, 0xFFFF0000, 0.000, 0.0000, 0},
};
static_assert(std::size(kFlashOut) == kParticlesRemovedFrame - 1);

void applyFlashOut(DisplayObject& particles, int frame) {
    const FlashOutFrame& f = kFlashOut[frame - 1];
    // Colour matrix, glow (one pass, outer), and a blur that stays at 0. The trails change every
    // tick, so the filtered picture is not worth caching.
    particles.setFilters({ColorMatrixFilter{f.gain, f.offset},
                          GlowFilter{QColor::fromRgba(f.glowColor), f.glowBlur, f.glowBlur, f.glowStrength, 1},
                          BlurFilter{0, 0, 1}},
                         false);
    particles.setAlpha(f.alpha256 * 100.0 / 256);
}

std::shared_ptr<Clip> makeDisplay(Game& game, std::function<double()> loadedFraction) {
    auto display = std::make_shared<Clip>(kDisplayFrames);
    display->setName("preloader");
    display->setPosition(kDisplayOrigin);
    Clip* self = display.get();
    auto particles = display->add(std::make_shared<ParticlePreloader>(
        [&game] { return game.services().random(); }, [self] { self->play(); }));
    applyFlashOut(*particles, 1);

    std::weak_ptr<ParticlePreloader> weakParticles = particles;
    auto releasedAt = std::make_shared<qint64>(-1);
    display->onFrameEntered = [weakParticles](int frame) {
        if (auto p = weakParticles.lock(); p && frame < kParticlesRemovedFrame) applyFlashOut(*p, frame);
    };
    display->setFrameAction(1, [self, &game, weakParticles, loadedFraction, releasedAt] {
        self->stop();
        self->onTick = [&game, weakParticles, loadedFraction, releasedAt] {
            if (*releasedAt >= 0) {
                if (game.tickCount() > *releasedAt) game.goToScreen(screens::kTitle);
                return;
            }
            auto p = weakParticles.lock();
            if (p && p->onStage()) p->drawPercent(loadedFraction ? loadedFraction() : 1.0);
        };
    });
    display->setFrameAction(kParticlesRemovedFrame, [weakParticles] {
        if (auto p = weakParticles.lock()) p->remove();
    });
    display->setFrameAction(kReleaseFrame, [self, &game, releasedAt] {
        self->stop();
        *releasedAt = game.tickCount();
    });
    return display;
}

}  // namespace

LoadingScreen::LoadingScreen(std::function<double()> loadedFraction) : loadedFraction_(std::move(loadedFraction)) {}

void LoadingScreen::enter(Game& game, int) {
    game.vars().set("punktid", 0);
    game.vars().set("zoomlevel", 200);

    auto background = makePlankBackground(game.assets().image("texture/planks.jpg"));
    background->setColorTransform(ColorTransform::tint(kPlankTint));
    game.addToStage(background, kBackgroundDepth);

    auto logo = makeLogo();
    logo->setName("logo");
    logo->setPosition(kLogoOrigin);
    logo->setScale(kLogoScale);
    logo->setFilters({DropShadowFilter{QColor(0x00, 0x66, 0x99), 2, 2, 45, 1, 1.5, 3}});
    logo->onRelease = [&game] { game.openQuestSite(); };
    game.addToStage(logo, kLogoDepth);

    game.addToStage(makeDisplay(game, loadedFraction_), kDisplayDepth);

    auto counter = std::make_shared<TextField>(fonts::verdana(11), QColor("#990000"), kCounterTextBox,
                                               Qt::AlignHCenter | Qt::AlignTop);
    counter->setName("counter_text");
    counter->bind(&game.vars(), "pask");
    game.addToStage(counter, kCounterTextDepth, screens::kFinal);

    auto cheat = makeCheatClip();
    cheat->setPosition(kCheatOrigin);
    game.addToStage(cheat, kCheatDepth, screens::kFinal);
}

}  // namespace valdorn
