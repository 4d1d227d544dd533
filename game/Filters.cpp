#include "game/Filters.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace valdorn {
namespace {

// Sliding-window box blur of one line of premultiplied pixels with a box of `width` pixels: reads
// `count` contiguous pixels, writes them `stride` apart.
void blurLine(const quint32* in, quint32* out, int count, int stride, int width) {
    const int before = (width - 1) / 2;
    const int after = width - 1 - before;
    quint32 sum[4] = {0, 0, 0, 0};
    auto add = [&](int i, int sign) {
        if (i < 0 || i >= count) return;
        const quint32 p = in[i];
        for (int c = 0; c < 4; ++c) sum[c] += sign * ((p >> (8 * c)) & 0xff);
    };
    for (int i = -before; i <= after - 1; ++i) add(i, 1);
    for (int i = 0; i < count; ++i) {
        add(i + after, 1);
        quint32 p = 0;
        for (int c = 0; c < 4; ++c) p |= (sum[c] / width) << (8 * c);
        out[i * stride] = p;
        add(i - before, -1);
    }
}

void blurAxis(QImage& picture, int width, bool horizontal) {
    if (width <= 1) return;
    const int w = picture.width(), h = picture.height();
    const int stride = picture.bytesPerLine() / 4;
    auto* bits = reinterpret_cast<quint32*>(picture.bits());
    const int lines = horizontal ? h : w;
    const int count = horizontal ? w : h;
    std::vector<quint32> copy(count);
    for (int line = 0; line < lines; ++line) {
        quint32* start = horizontal ? bits + line * stride : bits + line;
        const int step = horizontal ? 1 : stride;
        for (int i = 0; i < count; ++i) copy[i] = start[i * step];
        blurLine(copy.data(), start, count, step, width);
    }
}

// A picture of `color` whose alpha is the source's alpha (optionally inverted), times strength.
QImage alphaShape(const QImage& source, const QColor& color, bool inverted) {
    QImage out(source.size(), QImage::Format_ARGB32_Premultiplied);
    const double alpha = color.alphaF();
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* o = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const int a = inverted ? 255 - qAlpha(in[x]) : qAlpha(in[x]);
            o[x] = qPremultiply(qRgba(color.red(), color.green(), color.blue(), qBound(0, int(a * alpha), 255)));
        }
    }
    return out;
}

// Scales the alpha of a blurred shape by `strength` (a glow of strength 2 is twice as dense).
void strengthen(QImage& picture, double strength) {
    if (strength == 1) return;
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = line[x];
            auto s = [&](int v) { return qBound(0, int(v * strength), 255); };
            const int a = s(qAlpha(p));
            line[x] = qRgba(std::min(s(qRed(p)), a), std::min(s(qGreen(p)), a), std::min(s(qBlue(p)), a), a);
        }
    }
}

QImage blurredShape(const QImage& source, const QColor& color, double blurX, double blurY, int passes,
                    double strength, bool inverted, double scale) {
    QImage shape = alphaShape(source, color, inverted);
    boxBlur(shape, blurX * scale, blurY * scale, passes);
    strengthen(shape, strength);
    return shape;
}

void glow(QImage& picture, const GlowFilter& f, double scale) {
    QImage shape = blurredShape(picture, f.color, f.blurX, f.blurY, f.passes, f.strength, f.inner, scale);
    QPainter p(&picture);
    if (f.inner) {
        p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        p.drawImage(0, 0, shape);
    } else if (f.knockout) {
        p.setCompositionMode(QPainter::CompositionMode_SourceOut);
        p.drawImage(0, 0, shape);
    } else {
        p.setCompositionMode(QPainter::CompositionMode_DestinationOver);
        p.drawImage(0, 0, shape);
    }
}

QPointF offsetOf(double angleDegrees, double distance, double scale) {
    const double a = angleDegrees * std::numbers::pi / 180;
    return {std::cos(a) * distance * scale, std::sin(a) * distance * scale};
}

void dropShadow(QImage& picture, const DropShadowFilter& f, double scale) {
    QImage shape = blurredShape(picture, f.color, f.blurX, f.blurY, f.passes, f.strength, false, scale);
    QPainter p(&picture);
    p.setCompositionMode(QPainter::CompositionMode_DestinationOver);
    p.drawImage(offsetOf(f.angleDegrees, f.distance, scale), shape);
}

void bevel(QImage& picture, const BevelFilter& f, double scale) {
    // Light falls from `angle`: the edge facing it gets the highlight, the far edge the shadow.
    const QPointF d = offsetOf(f.angleDegrees, f.distance, scale) / 2;
    QImage light = blurredShape(picture, f.highlight, f.blurX, f.blurY, f.passes, f.strength, true, scale);
    QImage dark = blurredShape(picture, f.shadow, f.blurX, f.blurY, f.passes, f.strength, true, scale);
    QImage layer(picture.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.drawImage(d, light);
        p.drawImage(-d, dark);
    }
    QPainter p(&picture);
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    p.drawImage(0, 0, layer);
}

void colorMatrix(QImage& picture, const ColorMatrixFilter& f) {
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = qUnpremultiply(line[x]);
            if (qAlpha(p) == 0) continue;
            auto c = [&](int v) { return qBound(0, int(v * f.gain + f.offset), 255); };
            line[x] = qPremultiply(qRgba(c(qRed(p)), c(qGreen(p)), c(qBlue(p)), qAlpha(p)));
        }
    }
}

}  // namespace

void boxBlur(QImage& picture, double widthX, double widthY, int passes) {
    const int wx = std::max(1, static_cast<int>(std::lround(widthX)));
    const int wy = std::max(1, static_cast<int>(std::lround(widthY)));
    for (int i = 0; i < passes; ++i) {
        blurAxis(picture, wx, true);
        blurAxis(picture, wy, false);
    }
}

double filterMargin(const std::vector<Filter>& filters) {
    double margin = 0;
    for (const Filter& filter : filters) {
        std::visit(
            [&](const auto& f) {
                using F = std::decay_t<decltype(f)>;
                if constexpr (std::is_same_v<F, ColorMatrixFilter>) {
                    return;
                } else {
                    double spread = std::max(f.blurX, f.blurY) * f.passes;
                    if constexpr (std::is_same_v<F, DropShadowFilter>) spread += f.distance;
                    margin += spread;
                }
            },
            filter);
    }
    return std::ceil(margin);
}

void applyFilters(QImage& picture, const std::vector<Filter>& filters, double scale) {
    for (const Filter& filter : filters) {
        std::visit(
            [&](const auto& f) {
                using F = std::decay_t<decltype(f)>;
                if constexpr (std::is_same_v<F, BlurFilter>)
                    boxBlur(picture, f.blurX * scale, f.blurY * scale, f.passes);
                else if constexpr (std::is_same_v<F, GlowFilter>)
                    glow(picture, f, scale);
                else if constexpr (std::is_same_v<F, DropShadowFilter>)
                    dropShadow(picture, f, scale);
                else if constexpr (std::is_same_v<F, BevelFilter>)
                    bevel(picture, f, scale);
                else
                    colorMatrix(picture, f);
            },
            filter);
    }
}

}  // namespace valdorn
