#pragma once
// One burst of explosion particles, drawn as one batch: a display object (named `main_holder`) on
// the game root holding its particles in creation order, each a red 3 x 3 dot turned about its centre.
// One object a burst rather than one a particle: 500 objects a hit would make every tick walk, hit
// test and draw thousands of tree nodes, while a vector of plain structs costs a loop.
//
// Drawing: the particles in creation order, so newer lie above older; bursts made later stand at
// higher depths, so they lie above earlier ones. The burst takes no part in hit testing: clicks reach
// whatever lies below it.
//
// Update, once a tick from the tick after creation, per particle in this order: alpha -= fade;
// position += speed; the vertical speed gains gravity only while it is below the speed cap (tested
// before adding); a particle whose alpha is <= 0 or that stands strictly outside its box goes. The
// burst removes itself from the stage when its last particle is gone.

#include <QImage>
#include <vector>

#include "game/DisplayObject.h"

namespace valdorn {

class Game;

struct Particle {
    double x, y;       // stage px: the dot's centre
    int rotation;      // whole degrees, 0..359
    double alpha;      // percent
    double speedX;     // px per tick, never changes
    double speedY;     // px per tick, downwards
    double fadeSpeed;  // alpha lost per tick
};

// A particle's box: fixed at creation from the burst point and the range of that moment.
struct ParticleBox {
    double boundyLeft, boundyRight, boundyTop, boundyBottom;  // stage px
    [[nodiscard]] bool outside(double x, double y) const {
        return x < boundyLeft || x > boundyRight || y < boundyTop || y > boundyBottom;
    }
};

class ParticleBurst : public DisplayObject {
public:
    // `dot`: the particle picture, drawn centred on each particle without smoothing.
    ParticleBurst(QImage dot, ParticleBox box, std::vector<Particle> particles);

    [[nodiscard]] const std::vector<Particle>& particles() const { return particles_; }
    [[nodiscard]] const ParticleBox& box() const { return box_; }

    // One update of every particle with the speed cap and gravity of this tick.
    void update(double maxSpeed, double gravity);

    void paint(QPainter& painter, const PaintContext& context) const override;
    [[nodiscard]] QRectF contentBounds() const override;

private:
    QImage dot_;
    ParticleBox box_;
    std::vector<Particle> particles_;
    TintedPicture tinted_;
};

// The 3 x 3 premultiplied red dot, pixel for pixel; used when the game data carries no `fire.jpg`.
QImage builtInFireDot();

}  // namespace valdorn
