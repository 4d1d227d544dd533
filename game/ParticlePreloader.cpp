#include "game/ParticlePreloader.h"

#include <cmath>
#include <numbers>

#include "game/Bitmap.h"
#include "game/GameFonts.h"
#include "game/TextObjects.h"
#include "game/VectorShape.h"

namespace valdorn {
namespace {

constexpr double kExtent = 250;                       // px: the invisible square that sizes the clip
constexpr QRectF kNumTextBox{-37.75, -8.85, 75.5, 18.5};  // px
constexpr double kComplete = 0.995;                   // fraction loaded that starts the flash-out

// One box blur `bluramount` px wide, centred, along one axis: each pixel keeps its own weight of 1
// and takes (width - 1) / 2 of each neighbour, i.e. weights 1 : 4 : 1 over 6 for 1.5 px. A centred
// box never drifts the trails, which a whole-pixel box of even width would do tick after tick.
// Rounding down makes faint trails die out instead of lingering at 1/255.
void blurAxis(QImage& image, bool horizontal) {
    static_assert(ParticlePreloader::bluramount == 1.5, "the weights below are those of a 1.5 px box");
    const int w = image.width(), h = image.height();
    const int lines = horizontal ? h : w, count = horizontal ? w : h;
    const qsizetype stride = image.bytesPerLine() / 4;
    const qsizetype step = horizontal ? 1 : stride;
    auto* bits = reinterpret_cast<quint32*>(image.bits());
    std::vector<quint32> line(count + 2, 0);
    for (int l = 0; l < lines; ++l) {
        quint32* start = horizontal ? bits + l * stride : bits + l;
        for (int i = 0; i < count; ++i) line[i + 1] = start[i * step];
        for (int i = 0; i < count; ++i) {
            const quint32 a = line[i], b = line[i + 1], c = line[i + 2];
            if ((a | b | c) == 0) {
                start[i * step] = 0;
                continue;
            }
            quint32 out = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                const quint32 sum = ((a >> shift) & 0xff) + 4 * ((b >> shift) & 0xff) + ((c >> shift) & 0xff);
                out |= (sum / 6) << shift;
            }
            start[i * step] = out;
        }
    }
}

}  // namespace

ParticlePreloader::ParticlePreloader(std::function<double()> random, std::function<void()> onComplete)
    : random_(std::move(random)), onComplete_(std::move(onComplete)) {
    setName("preloader");
    add(makeShape({fillRect(QRectF(-kExtent / 2, -kExtent / 2, kExtent, kExtent), Qt::transparent)}));

    txt_ = add(std::make_shared<Clip>());
    txt_->setName("txt");
    // The display face has no digits; the number is drawn in a plain face.
    numText_ = txt_->add(std::make_shared<TextField>(fonts::verdana(12), Qt::white, kNumTextBox,
                                                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap));
    numText_->setName("numText");
    txt_->setFilters({GlowFilter{Qt::white, 20, 20, 1, 1}, GlowFilter{QColor(0x00, 0x66, 0x99), 3, 3, 2, 3}});

    auto mc = add(std::make_shared<Clip>());
    mc->setName("mc");
    QImage bd(ww, hh, QImage::Format_ARGB32_Premultiplied);
    bd.fill(Qt::transparent);
    bd_ = mc->add(std::make_shared<Bitmap>(bd, QRectF(-ww / 2.0, -hh / 2.0, ww, hh), false));
    bd_->setName("bd");
}

const QImage& ParticlePreloader::trails() const { return bd_->image(); }

QString ParticlePreloader::numberText() const { return numText_->text(); }

void ParticlePreloader::drawPercent(double per) {
    const QString number = QString::number(static_cast<qint64>(std::floor(per * 100)));
    if (number != numText_->text()) {
        numText_->setText(number);
        txt_->markChanged();  // its glows are cached
    }
    const auto k = static_cast<qint64>(std::floor(per * numParticles)) - static_cast<qint64>(particles_.size());
    for (qint64 i = 0; i < k; ++i) newParticle();
    moveParticles();
    drawParticles();
    // Take the picture out of the bitmap while it is worked on, so it is not copied.
    QImage bd = bd_->image();
    bd_->setImage({});
    blurAxis(bd, true);
    blurAxis(bd, false);
    bd_->setImage(std::move(bd));
    if (per >= kComplete) {
        if (onComplete_) onComplete_();
        moveParticles();
    }
}

void ParticlePreloader::newParticle() {
    constexpr double pi = std::numbers::pi;
    Particle p{};
    p.theta = random_() * pi * 2;
    p.phi = random_() * pi * 2;
    p.incT = random_() * pi / 16 - pi / 32;
    p.incP = random_() * pi / 16 - pi / 32;
    p.r = size * static_cast<double>(particles_.size()) * 100 / numParticles + 25;
    particles_.push_back(p);
}

void ParticlePreloader::moveParticles() {
    for (Particle& p : particles_) {
        p.theta += p.incT;
        p.phi += p.incP;
    }
}

void ParticlePreloader::drawParticles() {
    QImage bd = bd_->image();
    bd_->setImage({});
    for (const Particle& p : particles_) {
        const double retX = std::sin(p.theta) * std::cos(p.phi) * p.r + ww / 2.0;
        const double retY = std::cos(p.theta) * std::sin(p.phi) * p.r + hh / 2.0;
        const QRgb color = colors[static_cast<size_t>(std::floor(random_() * colors.size()))];
        bd.setPixel(static_cast<int>(retX), static_cast<int>(retY), color);
    }
    bd_->setImage(std::move(bd));
}

}  // namespace valdorn
