#pragma once
// Colour multiply-and-add: each channel becomes channel * mul + add (0..255 scale), clamped.
// Nested objects compose: the inner transform applies first, then the outer.

#include <QColor>
#include <QImage>

namespace valdorn {

struct ColorTransform {
    double redMul = 1, greenMul = 1, blueMul = 1, alphaMul = 1;
    double redAdd = 0, greenAdd = 0, blueAdd = 0, alphaAdd = 0;

    // Red, green and blue multiplied by m/256, plus optional additions: the tints of the level table.
    static ColorTransform tint(int mul256, double redAdd = 0, double greenAdd = 0, double blueAdd = 0);

    [[nodiscard]] bool isIdentity() const;
    [[nodiscard]] QColor apply(const QColor& color) const;
    // A copy of the picture with the transform applied (premultiplied alpha handled).
    [[nodiscard]] QImage apply(const QImage& image) const;
    // The transform that applies `inner` first and then this one.
    [[nodiscard]] ColorTransform compose(const ColorTransform& inner) const;

    bool operator==(const ColorTransform&) const = default;
};

// A picture together with its copy under the colour transform it was last drawn with, so a tinted
// picture is recoloured once, not every frame.
class TintedPicture {
public:
    // `picture` as drawn under `color` (the picture itself when the transform is the identity).
    [[nodiscard]] const QImage& under(const QImage& picture, const ColorTransform& color) const;
    void forget() { tinted_ = QImage(); }

private:
    mutable ColorTransform tint_;
    mutable qint64 source_ = 0;
    mutable QImage tinted_;
};

}  // namespace valdorn
