// The scope view's build: window size by `zoomsize`, art style by `scope`, layers, and the
// registration that keeps the photograph point under the scope's centre drawn at the centre.
#include <optional>

#include <QLineF>

#include "HuntFixture.h"
#include "game/Bitmap.h"
#include "game/HitTest.h"
#include "game/VectorShape.h"

namespace valdorn::testing {
namespace {

constexpr double kUnit = 98753.0 / 65536;  // stage px per scope unit

QRectF stageBounds(const DisplayObject& object) {
    return object.stageTransform().mapRect(object.subtreeBounds());
}

struct WindowCase {
    std::optional<double> zoomsize;
    double windowPx;  // stage px, the window's diameter
    double artUnits;  // the scope art's size
};

class WindowSize : public HuntTest, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(WindowSize, zoomsizeGrowsTheWindowAndTheArtButNothingElse) {
    const WindowCase& c = GetParam();
    game().vars().set("zoomsize", c.zoomsize);
    enterLevel(5);
    EXPECT_NEAR(scope().copy().maskShapeOnStage().boundingRect().width(), c.windowPx, 0.06);
    EXPECT_NEAR(scope().copy().maskShapeOnStage().boundingRect().height(), c.windowPx, 0.06);
    EXPECT_NEAR(stageBounds(scope().art()).width(), c.artUnits * kUnit, 1e-6);
    // The body and the black disc keep their sizes.
    const auto layers = scope().children();
    EXPECT_NEAR(stageBounds(*layers[1]).width(), 117.4 * 1.0832 * kUnit, 1e-6);
    EXPECT_NEAR(stageBounds(*layers[2]).width(), 67 * kUnit, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Scope, WindowSize,
                         ::testing::Values(WindowCase{std::nullopt, 101.0, 70}, WindowCase{1, 101.0, 70},
                                           WindowCase{2, 111.5, 77}, WindowCase{3, 125.1, 86},
                                           WindowCase{4, 135.6, 93}, WindowCase{5, 146.2, 100},
                                           WindowCase{6, 161.2, 110}, WindowCase{7, 101.0, 70},
                                           WindowCase{0, 101.0, 70}, WindowCase{2.5, 101.0, 70},
                                           WindowCase{-6, 101.0, 70}));

struct StyleCase {
    std::optional<double> scope;
    int frame;
};

class ScopeStyle : public HuntTest, public ::testing::WithParamInterface<StyleCase> {};

TEST_P(ScopeStyle, scopeChoosesTheArtFrameAndOnlyThatStyleShows) {
    const StyleCase& c = GetParam();
    game().vars().set("scope", c.scope);
    enterLevel(1);
    sim->tick();
    Clip& art = scope().art();
    EXPECT_EQ(art.currentFrame(), c.frame);
    EXPECT_FALSE(art.playing());
    const auto layers = art.children();
    for (int style = 1; style <= 4; ++style) EXPECT_EQ(layers[style - 1]->visible(), style == c.frame);
}

INSTANTIATE_TEST_SUITE_P(Scope, ScopeStyle,
                         ::testing::Values(StyleCase{std::nullopt, 1}, StyleCase{1, 1}, StyleCase{2, 2},
                                           StyleCase{3, 3}, StyleCase{4, 4}, StyleCase{5, 1},
                                           StyleCase{0, 1}, StyleCase{3.5, 1}));

class ScopeView_ : public HuntTest {};

TEST_F(ScopeView_, layersStandInTheirDrawingOrderWithTheLevelsNames) {
    enterLevel(3);
    const auto layers = scope().children();
    ASSERT_EQ(layers.size(), 7u);
    EXPECT_NE(dynamic_cast<Bitmap*>(layers[0]), nullptr) << "the rifle at the bottom";
    EXPECT_TRUE(layers[3]->isMask());
    EXPECT_EQ(layers[4], &scope().copy());
    EXPECT_EQ(layers[4]->name(), "image3") << "the copy carries the photograph's name";
    EXPECT_EQ(layers[4]->mask(), layers[3]);
    EXPECT_EQ(layers[5]->name(), "hitu3");
    EXPECT_EQ(layers[6]->name(), "scope");
    for (int i = 1; i <= levelRow().requiredTargets; ++i)
        EXPECT_NE(scope().copy().child(QStringLiteral("n%1").arg(i)), nullptr) << "copy's n" << i;
    // The rifle hangs from the scope's centre far below the stage.
    const QRectF rifle = stageBounds(*layers[0]);
    EXPECT_NEAR(rifle.left() - scope().x(), -95.86 * kUnit, 0.05);
    EXPECT_NEAR(rifle.bottom() - scope().y(), 417.53 * kUnit, 0.05);
    EXPECT_GT(rifle.bottom(), 550);
}

TEST_F(ScopeView_, creationHidesTheCursorAndStartsAtRest) {
    enterLevel(1);
    EXPECT_FALSE(game().cursorVisible());
    EXPECT_FALSE(sim->services().cursorVisible());
    EXPECT_EQ(scope().position(), QPointF(412.95, 266.2));
    EXPECT_EQ(scope().scaleX(), kScopeViewScale);
    EXPECT_EQ(scope().copyScale(), kRestScale);
    EXPECT_EQ(scope().velocity(), QPointF(0, 0));
    EXPECT_EQ(scope().lastScaleStep(), 0);
}

TEST_F(ScopeView_, theCopyTakesThePointerOnlyInsideTheWindowAndOnlyWhileShown) {
    enterLevel(1);
    settle(300, 250);
    // Give the copy's n1 a shape over the whole copy and a release handler, as a figure will have.
    DisplayObject& copyTarget = target(scope().copy(), 1);
    copyTarget.setPosition(0, 0);
    copyTarget.setScale(100);
    copyTarget.setRotation(0);
    copyTarget.add(makeShape({fillRect(QRectF(-400, -300, 800, 600), Qt::black)}));
    copyTarget.onRelease = [] {};
    const double windowRadius = 67 * kUnit / 2;
    EXPECT_EQ(interactiveObjectAt(game().root(), QPointF(300, 250)), &copyTarget);
    EXPECT_EQ(interactiveObjectAt(game().root(), QPointF(300 + windowRadius - 1, 250)), &copyTarget);
    EXPECT_EQ(interactiveObjectAt(game().root(), QPointF(300 + windowRadius + 1, 250)), nullptr);
    EXPECT_EQ(interactiveObjectAt(game().root(), QPointF(300, 250 - windowRadius - 1)), nullptr);
    settle(300, 520);  // hidden over the strip
    ASSERT_FALSE(scope().visible());
    EXPECT_EQ(interactiveObjectAt(game().root(), QPointF(300, 520)), nullptr);
}

struct RegistrationCase {
    int level;
    double zoomlevel;  // percent
    bool aimed;
};

class Registration : public HuntTest, public ::testing::WithParamInterface<RegistrationCase> {};

TEST_P(Registration, withAStillPointerThePhotographPointUnderItIsDrawnAtTheCentre) {
    const RegistrationCase& c = GetParam();
    game().vars().set("zoomlevel", c.zoomlevel);
    enterLevel(c.level);
    const QPointF pointer(233.3, 187.7);
    sim->move(pointer.x(), pointer.y());
    if (c.aimed) sim->press();
    settle(pointer.x(), pointer.y(), 120);
    EXPECT_NEAR(scope().x(), pointer.x(), 1e-6);
    EXPECT_NEAR(scope().y(), pointer.y(), 1e-6);

    // A photograph point, in the photograph clip's coordinates, and where the copy draws it.
    const QTransform toPhoto = photograph().stageTransform().inverted();
    const QTransform copyOnStage = scope().copy().stageTransform();
    EXPECT_LT(QLineF(copyOnStage.map(toPhoto.map(pointer)), pointer).length(), 1e-6);
    // Around it the copy is enlarged by the view's scale times the copy's.
    const double magnification = kUnit * (c.aimed ? c.zoomlevel : kRestScale) / 100;
    const QPointF offset(10, -4);
    const QPointF drawn = copyOnStage.map(toPhoto.map(pointer + offset));
    EXPECT_NEAR(drawn.x() - pointer.x(), offset.x() * magnification, 1e-4);
    EXPECT_NEAR(drawn.y() - pointer.y(), offset.y() * magnification, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Scope, Registration,
                         ::testing::Values(RegistrationCase{1, 200, false}, RegistrationCase{1, 500, true},
                                           RegistrationCase{4, 200, false}, RegistrationCase{6, 350, true}));

}  // namespace
}  // namespace valdorn::testing
