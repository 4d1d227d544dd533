#pragma once
// Bitmap filters applied to an object's drawn picture: blur, glow, drop shadow, bevel and a colour
// matrix. Sizes are stage pixels; the renderer scales them with the stage so a filtered object looks
// the same at every window size.

#include <QColor>
#include <QImage>
#include <variant>
#include <vector>

namespace valdorn {

struct BlurFilter {
    double blurX = 4, blurY = 4;
    int passes = 1;
};

struct GlowFilter {
    QColor color = Qt::red;  // its alpha is the glow's opacity
    double blurX = 6, blurY = 6;
    double strength = 2;
    int passes = 1;
    bool inner = false;
    bool knockout = false;
};

struct DropShadowFilter {
    QColor color = Qt::black;
    double blurX = 4, blurY = 4;
    double angleDegrees = 45;
    double distance = 4;
    double strength = 1;
    int passes = 1;
};

struct BevelFilter {
    QColor highlight = Qt::white;
    QColor shadow = Qt::black;
    double blurX = 4, blurY = 4;
    double angleDegrees = 45;
    double distance = 4;
    double strength = 1;
    int passes = 1;
    bool inner = true;
};

// Red, green and blue each become gain * value + offset on the 0..255 scale; alpha unchanged.
struct ColorMatrixFilter {
    double gain = 1;
    double offset = 0;
};

using Filter = std::variant<BlurFilter, GlowFilter, DropShadowFilter, BevelFilter, ColorMatrixFilter>;

// How far (in stage pixels) the filters can spread a picture beyond its own edges.
double filterMargin(const std::vector<Filter>& filters);

// Applies the filters in order to a premultiplied picture drawn at `scale` device pixels per stage
// pixel. The picture must already carry the margin.
void applyFilters(QImage& picture, const std::vector<Filter>& filters, double scale);

// One box blur of the given box widths (device pixels), `passes` times; premultiplied ARGB in place.
void boxBlur(QImage& picture, double widthX, double widthY, int passes);

}  // namespace valdorn
