// The box blur spreads a pixel evenly over the box along each axis, and only along that axis.
#include <gtest/gtest.h>

#include <QImage>

#include "game/Filters.h"

namespace valdorn {
namespace {

TEST(BoxBlur, verticalPassSpreadsAPixelOverItsColumnOnly) {
    // Wider than tall and the dot off column 0: a vertical pass that walked the wrong stride would
    // read outside its line or smear into the neighbouring columns.
    QImage picture(9, 7, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    picture.setPixel(4, 3, qRgba(250, 250, 250, 250));
    boxBlur(picture, 1, 5, 1);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const int expected = (x == 4 && y >= 1 && y <= 5) ? 50 : 0;
            EXPECT_EQ(qAlpha(picture.pixel(x, y)), expected) << x << "," << y;
        }
}

}  // namespace
}  // namespace valdorn
