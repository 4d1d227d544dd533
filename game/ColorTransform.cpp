#include "game/ColorTransform.h"

#include <algorithm>

namespace valdorn {
namespace {

int channel(double value, double mul, double add) {
    return std::clamp(static_cast<int>(value * mul + add), 0, 255);
}

}  // namespace

ColorTransform ColorTransform::tint(int mul256, double redAdd, double greenAdd, double blueAdd) {
    ColorTransform t;
    t.redMul = t.greenMul = t.blueMul = mul256 / 256.0;
    t.redAdd = redAdd;
    t.greenAdd = greenAdd;
    t.blueAdd = blueAdd;
    return t;
}

bool ColorTransform::isIdentity() const { return *this == ColorTransform{}; }

QColor ColorTransform::apply(const QColor& color) const {
    return QColor(channel(color.red(), redMul, redAdd), channel(color.green(), greenMul, greenAdd),
                  channel(color.blue(), blueMul, blueAdd), channel(color.alpha(), alphaMul, alphaAdd));
}

QImage ColorTransform::apply(const QImage& image) const {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x];
            line[x] = qRgba(channel(qRed(p), redMul, redAdd), channel(qGreen(p), greenMul, greenAdd),
                            channel(qBlue(p), blueMul, blueAdd), channel(qAlpha(p), alphaMul, alphaAdd));
        }
    }
    return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

ColorTransform ColorTransform::compose(const ColorTransform& inner) const {
    ColorTransform t;
    t.redMul = inner.redMul * redMul;
    t.greenMul = inner.greenMul * greenMul;
    t.blueMul = inner.blueMul * blueMul;
    t.alphaMul = inner.alphaMul * alphaMul;
    t.redAdd = inner.redAdd * redMul + redAdd;
    t.greenAdd = inner.greenAdd * greenMul + greenAdd;
    t.blueAdd = inner.blueAdd * blueMul + blueAdd;
    t.alphaAdd = inner.alphaAdd * alphaMul + alphaAdd;
    return t;
}

const QImage& TintedPicture::under(const QImage& picture, const ColorTransform& color) const {
    if (color.isIdentity()) return picture;
    if (tinted_.isNull() || !(tint_ == color) || source_ != picture.cacheKey()) {
        tinted_ = color.apply(picture);
        tint_ = color;
        source_ = picture.cacheKey();
    }
    return tinted_;
}

}  // namespace valdorn
