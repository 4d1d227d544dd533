#include "effects/ParticleBurst.h"

#include <QPainter>
#include <array>

#include "game/PictureCache.h"

namespace valdorn {
namespace {

constexpr QRectF kDotArea{-1.5, -1.5, 3, 3};  // px: the dot centred on the particle
constexpr double kDotReach = 3;               // px: how far a turned dot reaches past its centre, with room

// Premultiplied ARGB, row by row: an opaque centre, sides at about 80 %, corners at about 11 %.
constexpr std::array<QRgb, 9> kFirePixels = {
    0x1B190000, 0xCDCB0000, 0x1B190000,  //
    0xCDCB0000, 0xFFFF0000, 0xCDCB0000,  //
    0x1B190000, 0xCDCB0000, 0x1B190000,
};

}  // namespace

QImage builtInFireDot() {
    QImage dot(3, 3, QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < 9; ++i) dot.setPixel(i % 3, i / 3, kFirePixels[i]);
    return dot;
}

ParticleBurst::ParticleBurst(QImage dot, ParticleBox box, std::vector<Particle> particles)
    : dot_(std::move(dot)), box_(box), particles_(std::move(particles)) {
    setName("main_holder");
}

void ParticleBurst::update(double maxSpeed, double gravity) {
    for (Particle& p : particles_) {
        p.alpha -= p.fadeSpeed;
        p.x += p.speedX;
        p.y += p.speedY;
        if (p.speedY < maxSpeed) p.speedY += gravity;
    }
    // Stable, so the drawing order of the survivors stays their creation order.
    std::erase_if(particles_, [this](const Particle& p) { return p.alpha <= 0 || box_.outside(p.x, p.y); });
    markChanged();
}

QRectF ParticleBurst::contentBounds() const {
    return QRectF(QPointF(box_.boundyLeft, box_.boundyTop), QPointF(box_.boundyRight, box_.boundyBottom))
        .adjusted(-kDotReach, -kDotReach, kDotReach, kDotReach);
}

void ParticleBurst::paint(QPainter& painter, const PaintContext& context) const {
    if (particles_.empty() || dot_.isNull()) return;
    const QImage* dot = &tinted_.under(dot_, context.color);
    const QTransform toDevice = painter.transform();
    const double opacity = painter.opacity();
    // The dot turned by each whole degree, looked up once a frame rather than once a particle.
    // Held by value (shared, not copied): the process-wide cache may drop its entries while filling.
    struct Turned {
        QImage image;
        QPointF offset;
    };
    std::array<Turned, 360> turned{};
    painter.setTransform(QTransform());
    for (const Particle& p : particles_) {
        Turned& sprite = turned[static_cast<size_t>(p.rotation) % 360];
        if (sprite.image.isNull()) {
            QTransform local;
            local.rotate(p.rotation);
            sprite.image = picture_cache::sprite(*dot, kDotArea, local * toDevice, false, sprite.offset);
        }
        const QPointF topLeft = toDevice.map(QPointF(p.x, p.y)) + sprite.offset;
        painter.setOpacity(opacity * p.alpha / 100.0);
        painter.drawImage(QPoint(qRound(topLeft.x()), qRound(topLeft.y())), sprite.image);
    }
    painter.setOpacity(opacity);
    painter.setTransform(toDevice);
}

}  // namespace valdorn
