// Which object takes the pointer: frontmost by depth, by drawn shape, through masks and visibility.
#include <gtest/gtest.h>

#include "game/Clip.h"
#include "game/HitTest.h"
#include "game/VectorShape.h"

using namespace valdorn;

namespace {

std::shared_ptr<VectorShape> clickable(const QString& name, std::vector<Fill> fills) {
    auto shape = makeShape(std::move(fills));
    shape->setName(name);
    shape->onRelease = [] {};
    return shape;
}

QString nameAt(const DisplayObject& root, QPointF p) {
    DisplayObject* hit = interactiveObjectAt(root, p);
    return hit ? hit->name() : QString("-");
}

// Two overlapping figures: a disc (depth 2, in front) and a square (depth 1) whose corner sticks out.
struct Scene {
    std::shared_ptr<Clip> root = std::make_shared<Clip>();
    std::shared_ptr<VectorShape> disc = root->add(clickable("disc", {fillEllipse({100, 100, 100, 100}, Qt::red)}), 2);
    std::shared_ptr<VectorShape> square = root->add(clickable("square", {fillRect({60, 60, 100, 100}, Qt::blue)}), 1);
};

struct HitCase {
    QPointF point;
    const char* expected;
};

class HitByShape : public ::testing::TestWithParam<HitCase> {};

TEST_P(HitByShape, frontmostShapeUnderThePointWins) {
    Scene scene;
    EXPECT_EQ(nameAt(*scene.root, GetParam().point), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Points, HitByShape,
                         ::testing::Values(HitCase{{150, 150}, "disc"},     // both: the higher depth
                                           HitCase{{65, 65}, "square"},     // only the square
                                           HitCase{{105, 105}, "square"},   // in the disc's box, off its shape
                                           HitCase{{190, 110}, "-"},        // disc's box corner: nothing
                                           HitCase{{300, 300}, "-"}));

TEST(HitTesting, hiddenObjectsAndNonInteractiveArtLetThePointerThrough) {
    Scene scene;
    auto cover = scene.root->add(makeShape({fillRect({0, 0, 400, 400}, Qt::green)}), 5);  // plain art
    EXPECT_EQ(nameAt(*scene.root, {150, 150}), "disc");
    scene.disc->setVisible(false);
    EXPECT_EQ(nameAt(*scene.root, {150, 150}), "square");
    cover->setVisible(false);
    EXPECT_EQ(nameAt(*scene.root, {150, 150}), "square");
}

TEST(HitTesting, maskClipsHitsLikeItClipsDrawing) {
    auto root = std::make_shared<Clip>();
    auto holder = root->add(std::make_shared<Clip>(), 1);
    auto target = holder->add(clickable("target", {fillRect({0, 0, 200, 200}, Qt::black)}), 1);
    auto window = root->add(makeShape({fillEllipse({50, 50, 100, 100}, Qt::white)}), 2);
    holder->setMask(window);
    EXPECT_EQ(nameAt(*root, {100, 100}), "target");
    EXPECT_EQ(nameAt(*root, {10, 10}), "-");   // drawn there, but outside the window
    EXPECT_EQ(nameAt(*root, {55, 55}), "-");   // inside the window's box, outside its circle
    window->setPosition(-40, -40);              // the window moves; hits follow it
    EXPECT_EQ(nameAt(*root, {30, 30}), "target");
    EXPECT_EQ(nameAt(*root, {140, 140}), "-");
}

TEST(HitTesting, transformsAreFollowedDownTheTree) {
    auto root = std::make_shared<Clip>();
    auto parent = root->add(std::make_shared<Clip>(), 1);
    parent->setPosition(100, 100);
    parent->setScale(200, 50);
    auto child = parent->add(clickable("child", {fillRect({0, 0, 10, 10}, Qt::black)}), 1);
    child->setRotation(90);  // the square now spans x -10..0 in the parent
    EXPECT_EQ(nameAt(*root, {90, 102}), "child");
    EXPECT_EQ(nameAt(*root, {110, 102}), "-");
    EXPECT_EQ(nameAt(*root, {90, 106}), "-");  // 10 * 50 % = 5 px high
}

TEST(HitTesting, anInteractiveClipTakesThePointerForItsWholeSubtree) {
    auto root = std::make_shared<Clip>();
    auto plate = root->add(std::make_shared<Clip>(), 1);
    plate->setName("plate");
    plate->onRelease = [] {};
    auto label = plate->add(clickable("label", {fillRect({0, 0, 50, 20}, Qt::black)}), 1);
    EXPECT_EQ(nameAt(*root, {10, 10}), "plate");
}

TEST(HitTesting, hitAreaDecidesWhereTheObjectCountsAsUnderThePointer) {
    auto root = std::make_shared<Clip>();
    auto button = root->add(clickable("button", {fillRect({0, 0, 10, 10}, Qt::black)}), 1);
    button->setHitArea(makeShape({fillRect({100, 100, 50, 50}, Qt::black)}));
    EXPECT_EQ(nameAt(*root, {5, 5}), "-");
    EXPECT_EQ(nameAt(*root, {120, 120}), "button");
}

TEST(DisplayTree, depthIsUniqueAndOrdersDrawing) {
    auto root = std::make_shared<Clip>();
    auto a = root->add(makeShape({}), 3);
    auto b = root->add(makeShape({}), 1);
    auto c = root->add(makeShape({}), 3);  // replaces a
    EXPECT_EQ(a->parent(), nullptr);
    ASSERT_EQ(root->children().size(), 2u);
    EXPECT_EQ(root->children()[0], b.get());
    EXPECT_EQ(root->children()[1], c.get());
    EXPECT_EQ(root->nextDepth(), 4);
}

}  // namespace
