#pragma once
// The loading display's particle clip (`preloader`): a cloud of single-pixel particles circling
// the stage's centre on spheres of growing radius, drawn into one 700 x 550 trail bitmap that is
// blurred a little every tick, so every particle leaves a fading trail. The percentage loaded
// reads in the middle, under the trails.
//
// The clip's owner calls `drawPercent` once a tick with the fraction of game data loaded; from
// 0.995 on, `onComplete` is called on every call (the owner starts its flash-out once) and the
// particles move twice a tick. Particles are points in one bitmap, not display objects: 500 of
// them cost one blur of the bitmap a tick.

#include <QImage>
#include <array>
#include <functional>
#include <vector>

#include "game/Clip.h"

namespace valdorn {

class Bitmap;
class TextField;

class ParticlePreloader : public Clip {
public:
    struct Particle {
        double theta, phi;  // rad
        double incT, incP;  // rad per move
        double r;           // px
    };

    static constexpr int numParticles = 500;  // at full load
    static constexpr double bluramount = 1.5;  // px of trail blur a tick, each direction
    static constexpr std::array<QRgb, 5> colors = {0xFFFFFFFF, 0xFFDDDDFF, 0xFFBBDDFF, 0xFF99CCFF, 0xFF3399FF};
    static constexpr double size = 1;  // radius scale
    static constexpr int ww = 700, hh = 550;  // px, the trail bitmap

    // `random`: uniform in [0, 1).
    ParticlePreloader(std::function<double()> random, std::function<void()> onComplete);

    void drawPercent(double per);
    void newParticle();
    void moveParticles();
    void drawParticles();

    [[nodiscard]] const std::vector<Particle>& particles() const { return particles_; }
    // The trail picture `bd` (premultiplied ARGB).
    [[nodiscard]] const QImage& trails() const;
    // What `numText` shows.
    [[nodiscard]] QString numberText() const;

private:
    std::function<double()> random_;
    std::function<void()> onComplete_;
    std::vector<Particle> particles_;
    std::shared_ptr<Clip> txt_;
    std::shared_ptr<TextField> numText_;
    std::shared_ptr<Bitmap> bd_;
};

}  // namespace valdorn
