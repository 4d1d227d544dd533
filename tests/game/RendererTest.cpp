// The renderer: ShowAll placement with white bands, nearest-neighbour bitmaps at any size, masks,
// colour transforms and cached filtered art that follows its object.
#include <gtest/gtest.h>

#include <QPainter>
#include <set>

#include "game/Bitmap.h"
#include "game/Clip.h"
#include "game/Renderer.h"
#include "game/VectorShape.h"

using namespace valdorn;

namespace {

QImage draw(const DisplayObject& root, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    Renderer renderer;
    renderer.render(painter, root, size);
    return image;
}

QImage checker(int cells) {
    QImage image(cells, cells, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < cells; ++y)
        for (int x = 0; x < cells; ++x) image.setPixel(x, y, (x + y) % 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    return image;
}

struct SurfaceCase {
    QSize size;
    QRect stage;  // where the stage lands on the surface
};

class ShowAll : public ::testing::TestWithParam<SurfaceCase> {};

TEST_P(ShowAll, stageIsScaledUniformlyAndCentredWithWhiteBands) {
    auto root = std::make_shared<Clip>();
    root->add(makeShape({fillRect({-50, -50, 800, 650}, Qt::black)}));  // more than the stage
    const QImage image = draw(*root, GetParam().size);
    const QRect stage = GetParam().stage;
    EXPECT_EQ(image.pixel(stage.center()), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(stage.left() + 1, stage.top() + 1), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(stage.right() - 1, stage.bottom() - 1), qRgb(0, 0, 0));
    if (stage.left() > 1) {
        EXPECT_EQ(image.pixel(stage.left() - 2, stage.center().y()), qRgb(255, 255, 255));
    }
    if (stage.top() > 1) {
        EXPECT_EQ(image.pixel(stage.center().x(), stage.top() - 2), qRgb(255, 255, 255));
    }
    if (stage.right() < image.width() - 2) {
        EXPECT_EQ(image.pixel(stage.right() + 2, stage.center().y()), qRgb(255, 255, 255));
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ShowAll,
                         ::testing::Values(SurfaceCase{{700, 550}, {0, 0, 700, 550}},
                                           SurfaceCase{{1280, 550}, {290, 0, 700, 550}},     // bands left, right
                                           SurfaceCase{{700, 900}, {0, 175, 700, 550}},      // bands above, below
                                           SurfaceCase{{1280, 1040}, {0, 17, 1280, 1006}}));

class NearestNeighbour : public ::testing::TestWithParam<QSize> {};

TEST_P(NearestNeighbour, unsmoothedBitmapShowsItsPixelsAsSolidBlocks) {
    auto root = std::make_shared<Clip>();
    root->add(std::make_shared<Bitmap>(checker(10), QRectF(0, 0, 700, 550), false));
    const QImage image = draw(*root, GetParam());
    const QTransform toSurface = Renderer::showAll(QSizeF(GetParam()));
    std::set<QRgb> colours;
    const QRect stage = toSurface.mapRect(QRectF(0, 0, 700, 550)).toRect().adjusted(1, 1, -1, -1);
    for (int y = stage.top(); y < stage.bottom(); y += 3)
        for (int x = stage.left(); x < stage.right(); x += 3) colours.insert(image.pixel(x, y));
    EXPECT_EQ(colours, (std::set<QRgb>{qRgb(255, 0, 0), qRgb(0, 0, 255)}));
    // The centre of picture cell (3, 4) shows that cell's colour.
    const QPointF cell = toSurface.map(QPointF(3.5 * 70, 4.5 * 55));
    EXPECT_EQ(image.pixel(cell.toPoint()), qRgb(255, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(Sizes, NearestNeighbour, ::testing::Values(QSize(700, 550), QSize(1286, 1040)));

TEST(Renderer, smoothedBitmapBlendsBetweenPixels) {
    auto root = std::make_shared<Clip>();
    root->add(std::make_shared<Bitmap>(checker(10), QRectF(0, 0, 700, 550), true));
    const QImage image = draw(*root, QSize(1286, 1040));
    std::set<QRgb> colours;
    for (int x = 100; x < 300; ++x) colours.insert(image.pixel(x, 300));
    EXPECT_GT(colours.size(), 2u);
}

TEST(Renderer, enlargedPictureBehindAWindowDrawsOnlyThroughTheWindow) {
    auto root = std::make_shared<Clip>();
    auto holder = root->add(std::make_shared<Clip>());
    auto photo = holder->add(std::make_shared<Bitmap>(checker(100), QRectF(-2000, -2000, 5000, 5000), false));
    auto window = root->add(makeShape({fillEllipse({300, 200, 100, 100}, Qt::white)}));
    holder->setMask(window);
    const QImage image = draw(*root, QSize(700, 550));
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(305, 205), qRgb(255, 255, 255));  // box corner, outside the circle
    const QRgb centre = image.pixel(350, 250);
    EXPECT_TRUE(centre == qRgb(255, 0, 0) || centre == qRgb(0, 0, 255));
}

TEST(Renderer, colourTransformsMultiplyAndAddDownTheTree) {
    auto root = std::make_shared<Clip>();
    auto outer = root->add(std::make_shared<Clip>());
    outer->setColorTransform(ColorTransform::tint(128));
    auto inner = outer->add(makeShape({fillRect({0, 0, 100, 100}, QColor(200, 100, 0))}));
    inner->setColorTransform(ColorTransform::tint(256, 20, 40, 60));
    const QImage image = draw(*root, QSize(700, 550));
    const QColor seen(image.pixel(50, 50));
    EXPECT_NEAR(seen.red(), 110, 1);   // (200 + 20) / 2
    EXPECT_NEAR(seen.green(), 70, 1);  // (100 + 40) / 2
    EXPECT_NEAR(seen.blue(), 30, 1);   // (0 + 60) / 2
}

TEST(Renderer, cachedFilteredArtFollowsItsObjectAndItsChanges) {
    auto root = std::make_shared<Clip>();
    auto art = root->add(makeShape({fillRect({0, 0, 40, 40}, Qt::black)}));
    art->setFilters({GlowFilter{Qt::red, 8, 8, 2, 1}});
    QImage image(700, 550, QImage::Format_ARGB32_Premultiplied);
    Renderer renderer;
    auto frame = [&] {
        QPainter painter(&image);
        renderer.render(painter, *root, image.size());
    };
    art->setPosition(100, 100);
    frame();
    EXPECT_EQ(image.pixel(120, 120), qRgb(0, 0, 0));
    EXPECT_GT(qRed(image.pixel(141, 120)), qGreen(image.pixel(141, 120)));  // the glow beside it
    art->setPosition(300, 100);
    frame();
    EXPECT_EQ(image.pixel(120, 120), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(320, 120), qRgb(0, 0, 0));
    art->setFills({fillRect({0, 0, 40, 40}, Qt::blue)});
    frame();
    EXPECT_EQ(image.pixel(320, 120), qRgb(0, 0, 255));
}

}  // namespace
