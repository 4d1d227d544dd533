// The figure kinds: frame counts, looping, a body that covers the origin in every frame (so a shot at
// a figure's place hits it), the walking figure's path and turn, and the partly hidden figure's window.
#include <gtest/gtest.h>

#include "game/Clip.h"
#include "game/HitTest.h"
#include "hunt/FigureKinds.h"

using namespace valdorn;

namespace {

struct KindCase {
    FigureKind kind;
    int frames;
    QSizeF size;  // units, at 100 %
};

class EveryStillKind : public ::testing::TestWithParam<KindCase> {};

TEST_P(EveryStillKind, loopsItsFramesAndCoversItsOriginInEveryOne) {
    const KindCase c = GetParam();
    auto figure = makeFigure(c.kind);
    EXPECT_EQ(figure->frameCount(), c.frames);
    EXPECT_EQ(figureFrameCount(c.kind), c.frames);
    EXPECT_TRUE(figure->playing());
    for (int frame = 1; frame <= c.frames; ++frame) {
        ASSERT_EQ(figure->currentFrame(), frame);
        EXPECT_TRUE(figure->hitsContent({0, 0})) << "frame " << frame;
        figure->advance();
    }
    EXPECT_EQ(figure->currentFrame(), 1);
    // About the size of the kind: within a fifth either way.
    const QRectF bounds = figure->subtreeBounds();
    EXPECT_NEAR(bounds.width(), c.size.width(), c.size.width() / 5);
    EXPECT_NEAR(bounds.height(), c.size.height(), c.size.height() / 5);
    // Solid only where drawn: the corners of its box are empty.
    EXPECT_FALSE(figure->hitsContent(bounds.topLeft() + QPointF(1, 1)) &&
                 figure->hitsContent(bounds.bottomRight() - QPointF(1, 1)));
}

INSTANTIATE_TEST_SUITE_P(Kinds, EveryStillKind,
                         ::testing::Values(KindCase{FigureKind::A, 207, {338.3, 210.1}},
                                           KindCase{FigureKind::B, 65, {335.8, 347.3}},
                                           KindCase{FigureKind::C, 155, {239.8, 395.9}},
                                           KindCase{FigureKind::D, 180, {134.2, 187.7}},
                                           KindCase{FigureKind::E, 170, {265.6, 351.4}}));

TEST(WalkingFigure, walksLeftTurnsAndWalksBackMirrored) {
    auto path = makeFigure(FigureKind::Walking);
    ASSERT_EQ(path->frameCount(), 292);
    DisplayObject* walker = path->children().front();
    auto at = [&](int frame) {
        while (path->currentFrame() != frame) path->advance();
        return std::make_pair(walker->position(), walker->scaleX());
    };
    const struct {
        int frame;
        QPointF position;
        double scaleX;
    } expected[] = {{1, {61.5, -18}, 100},      {157, {-9.75, -18.5}, 100}, {162, {-9.75, -18.5}, 0},
                    {167, {-9.75, -18.5}, -100}, {292, {61.5, -18}, -100}};
    for (const auto& e : expected) {
        const auto [position, scaleX] = at(e.frame);
        EXPECT_NEAR(position.x(), e.position.x(), 1e-9) << e.frame;
        EXPECT_NEAR(position.y(), e.position.y(), 1e-9) << e.frame;
        EXPECT_NEAR(scaleX, e.scaleX, 1e-9) << e.frame;
    }
    path->advance();
    EXPECT_EQ(path->currentFrame(), 1);
    EXPECT_EQ(walker->scaleX(), 100);  // facing left again
}

TEST(WalkingFigure, isHitWhereItIsOnItsPathIncludingTheMirroredStretch) {
    auto root = std::make_shared<Clip>();
    auto path = root->add(makeFigure(FigureKind::Walking));
    path->onRelease = [] {};
    for (int frame : {1, 80, 200, 280}) {
        while (path->currentFrame() != frame) path->advance();
        const QPointF body = path->children().front()->position();
        EXPECT_EQ(interactiveObjectAt(*root, body), path.get()) << frame;
        EXPECT_EQ(interactiveObjectAt(*root, body + QPointF(0, 30)), nullptr) << frame;
    }
}

TEST(PartlyHiddenFigure, isHitOnlyThroughItsWindow) {
    auto root = std::make_shared<Clip>();
    auto figure = root->add(makeFigure(FigureKind::PartlyHidden));
    figure->onRelease = [] {};
    EXPECT_EQ(interactiveObjectAt(*root, {-1, -7}), figure.get());   // the head, inside the window
    EXPECT_EQ(interactiveObjectAt(*root, {0, 3}), nullptr);          // its body, below the window
    EXPECT_EQ(interactiveObjectAt(*root, {2.5, -7}), nullptr);       // right of the window
}

}  // namespace
