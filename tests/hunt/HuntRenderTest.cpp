// What a hunt level looks like when drawn: inside the aimed scope's window the photograph's own
// pixels show as sharp blocks of the expected size; the rifle hangs below the scope; the HUD strip
// covers what dips below y = 500. Set VALDORN5_RENDER_DIR to keep the pictures for a look.
#include <QDir>
#include <QPainter>
#include <cmath>
#include <cstdlib>

#include "HuntFixture.h"
#include "game/Renderer.h"

namespace valdorn::testing {
namespace {

constexpr double kUnit = 98753.0 / 65536;  // stage px per scope unit

struct RenderCase {
    int level;
    int width, height;  // surface px
};

void PrintTo(const RenderCase& c, std::ostream* out) {
    *out << "level " << c.level << " at " << c.width << "x" << c.height;
}

class HuntRender : public HuntTest, public ::testing::WithParamInterface<RenderCase> {
protected:
    QImage render(const char* label) {
        const RenderCase& c = GetParam();
        QImage image = sim->render(c.width, c.height);
        if (const char* dir = std::getenv("VALDORN5_RENDER_DIR"))
            image.save(QDir(dir).filePath(
                QString("level%1-%2x%3-%4.png").arg(c.level).arg(c.width).arg(c.height).arg(label)));
        return image;
    }
};

TEST_P(HuntRender, theAimedWindowShowsThePicturesPixelsAsBlocks) {
    const RenderCase& c = GetParam();
    game().vars().set("zoomlevel", 500);
    enterLevel(c.level);
    const QPointF pointer(300, 250);
    settle(pointer.x(), pointer.y(), 60);
    render("rest");
    sim->press();
    settle(pointer.x(), pointer.y(), 60);
    const QImage image = render("aimed");

    const QTransform toDevice = Renderer::showAll(QSizeF(c.width, c.height));
    const double scale = toDevice.m11();
    const QPointF centre = toDevice.map(scope().position());
    const double radius = 67 * kUnit / 2 * scale;
    // Device px per picture px: the picture's 700 px stage width, magnified by the view and the copy.
    const double block = 700.0 / kPhotoSizes[c.level - 1].width * kUnit * 5 * scale;

    // A row off the crosshair's horizontal arm, both sides of its vertical arm.
    const int y = int(std::round(centre.y() + 0.3 * radius));
    int changes = 0, length = 0, blends = 0;
    for (const int side : {-1, 1}) {
        int previous = -1;
        for (int x = int(centre.x() + side * 0.15 * radius); std::abs(x - centre.x()) < 0.75 * radius; x += side) {
            const int red = qRed(image.pixel(x, y));
            // The glass tints by at most a fifth: a pixel is near the picture's 0 or 255, never between.
            if (red > 90 && red < 165) ++blends;
            if (previous >= 0 && std::abs(red - previous) > 100) ++changes;
            previous = red;
            ++length;
        }
    }
    EXPECT_EQ(blends, 0) << "drawn without smoothing";
    ASSERT_GT(changes, 0);
    EXPECT_NEAR(double(length) / changes, block, block * 0.15) << "blocks of one picture pixel each";

    // Outside the window the copy is cut off: the scope's body shows there, not the picture.
    const QColor body(image.pixel(toDevice.map(scope().position() + QPointF(0, 48) * kUnit).toPoint()));
    EXPECT_LT(body.blue(), 90);
    EXPECT_LT(std::abs(body.red() - body.green()), 10);

    // The rifle below the scope's body, above the strip; the strip hides the rest of it. Sampled below
    // the progress bar's icons (y 508.05..544), which stand on the strip.
    const QPointF rifle = scope().position() + QPointF(-14.3, 150) * kUnit;
    ASSERT_LT(rifle.y(), 495);
    EXPECT_EQ(QColor(image.pixel(toDevice.map(rifle).toPoint())), kRifleColour);
    EXPECT_EQ(QColor(image.pixel(toDevice.map(QPointF(rifle.x(), 548)).toPoint())), kStoneColour);
}

INSTANTIATE_TEST_SUITE_P(Hunt, HuntRender,
                         ::testing::Values(RenderCase{1, 700, 550}, RenderCase{1, 1286, 1040},
                                           RenderCase{6, 700, 550}, RenderCase{6, 1286, 1040}));

}  // namespace
}  // namespace valdorn::testing
