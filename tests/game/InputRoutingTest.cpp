// Mouse routing between ticks: a release runs only on the object that took the press, roll and drag
// events follow the pointer, every press reaches every mouse-down handler, buttons show their states.
#include <gtest/gtest.h>

#include "game/AssetLibrary.h"
#include "game/Button.h"
#include "game/Game.h"
#include "game/RecordingServices.h"
#include "game/Screen.h"
#include "game/VectorShape.h"

using namespace valdorn;

namespace {

class InputRouting : public ::testing::Test {
protected:
    void SetUp() override {
        game.start();
        for (const char* name : {"a", "b"}) {
            auto shape = makeShape({fillRect(QString(name) == "a" ? QRectF(0, 0, 100, 100) : QRectF(200, 0, 100, 100),
                                             Qt::black)});
            shape->setName(name);
            shape->onRelease = [this, name] { log.push_back(QString(name) + ":release"); };
            shape->onRollOver = [this, name] { log.push_back(QString(name) + ":rollOver"); };
            shape->onRollOut = [this, name] { log.push_back(QString(name) + ":rollOut"); };
            shape->onDragOver = [this, name] { log.push_back(QString(name) + ":dragOver"); };
            shape->onDragOut = [this, name] { log.push_back(QString(name) + ":dragOut"); };
            game.root().add(shape, QString(name) == "a" ? 1 : 2);
        }
    }
    QStringList take() {
        QStringList out = log;
        log.clear();
        return out;
    }

    AssetLibrary assets;
    RecordingServices services;
    Game game{services, assets};
    QStringList log;
};

TEST_F(InputRouting, releaseOverThePressedObjectRunsItsHandler) {
    game.pointerMoved({50, 50});
    game.pointerPressed();
    game.pointerReleased();
    EXPECT_EQ(take(), (QStringList{"a:rollOver", "a:release"}));
}

TEST_F(InputRouting, releaseAfterLeavingAndComingBackStillCounts) {
    game.pointerMoved({50, 50});
    game.pointerPressed();
    game.pointerMoved({150, 50});
    game.pointerMoved({60, 60});
    game.pointerReleased();
    EXPECT_EQ(take(), (QStringList{"a:rollOver", "a:dragOut", "a:dragOver", "a:release"}));
}

TEST_F(InputRouting, releaseOutsideThePressedObjectRunsNothing) {
    game.pointerMoved({50, 50});
    game.pointerPressed();
    game.pointerMoved({250, 50});  // onto b with the button held
    game.pointerReleased();
    EXPECT_EQ(take(), (QStringList{"a:rollOver", "a:dragOut", "b:rollOver"}));
}

TEST_F(InputRouting, pressOnNothingThenReleaseOnAnObjectRunsNothing) {
    game.pointerMoved({150, 50});
    game.pointerPressed();
    game.pointerMoved({50, 50});
    game.pointerReleased();
    EXPECT_EQ(take(), (QStringList{"a:rollOver"}));
}

TEST_F(InputRouting, rollEventsFollowThePointerWithTheButtonUp) {
    game.pointerMoved({50, 50});
    game.pointerMoved({55, 55});
    game.pointerMoved({250, 50});
    game.pointerMoved({400, 400});
    EXPECT_EQ(take(), (QStringList{"a:rollOver", "a:rollOut", "b:rollOver", "b:rollOut"}));
}

TEST_F(InputRouting, anObjectMovingUnderAStillPointerIsRolledOverAtTheTick) {
    game.pointerMoved({150, 50});
    game.root().child("b")->setPosition(-60, 0);  // now spans x 140..240
    game.tick();
    EXPECT_EQ(take(), (QStringList{"b:rollOver"}));
}

TEST_F(InputRouting, everyPressReachesEveryMouseDownHandlerWhateverIsUnderThePointer) {
    int downs = 0;
    game.root().child("a")->onMouseDown = [&] { ++downs; };
    game.root().child("b")->onMouseDown = [&] { ++downs; };
    game.pointerMoved({600, 500});
    game.pointerPressed();
    game.pointerPressed();  // a second press without release is not a new press
    game.pointerReleased();
    EXPECT_EQ(downs, 2);
}

TEST_F(InputRouting, hiddenObjectTakesNoClicks) {
    game.root().child("a")->setVisible(false);
    game.pointerMoved({50, 50});
    game.pointerPressed();
    game.pointerReleased();
    EXPECT_TRUE(take().isEmpty());
}

TEST_F(InputRouting, buttonShowsUpOverAndDownStates) {
    auto up = makeShape({fillRect({0, 0, 10, 10}, Qt::red)});
    auto over = makeShape({fillRect({0, 0, 10, 10}, Qt::green)});
    auto down = makeShape({fillRect({0, 0, 10, 10}, Qt::blue)});
    auto button = std::make_shared<Button>(up, over, down, makeShape({fillRect({0, 0, 10, 10}, Qt::black)}));
    button->setPosition(500, 500);
    game.root().add(button, 10);
    EXPECT_EQ(button->state(), Button::State::Up);
    game.pointerMoved({505, 505});
    EXPECT_EQ(button->state(), Button::State::Over);
    EXPECT_TRUE(over->visible());
    EXPECT_FALSE(up->visible());
    game.pointerPressed();
    EXPECT_EQ(button->state(), Button::State::Down);
    game.pointerMoved({400, 400});
    EXPECT_EQ(button->state(), Button::State::Up);
    game.pointerMoved({505, 505});
    EXPECT_EQ(button->state(), Button::State::Down);
    game.pointerReleased();
    EXPECT_EQ(button->state(), Button::State::Over);
}

TEST_F(InputRouting, aButtonWithOnePictureForEveryStateShowsItInEveryState) {
    auto look = makeShape({fillRect({0, 0, 10, 10}, Qt::red)});
    auto button = std::make_shared<Button>(look, look, look, nullptr);
    button->setPosition(500, 500);
    game.root().add(button, 10);
    EXPECT_TRUE(look->visible());
    game.pointerMoved({505, 505});
    EXPECT_TRUE(look->visible());
    game.pointerPressed();
    EXPECT_TRUE(look->visible());
    game.pointerReleased();
    EXPECT_TRUE(look->visible());
}

TEST_F(InputRouting, keysAreHeldUntilReleasedAndReachKeyHandlers) {
    std::vector<int> keys;
    game.root().child("a")->onKeyDown = [&](int code) { keys.push_back(code); };
    game.keyDown(kKeyTab);
    EXPECT_TRUE(game.isKeyDown(kKeyTab));
    EXPECT_FALSE(game.isKeyDown(kKeySpace));
    game.keyUp(kKeyTab);
    EXPECT_FALSE(game.isKeyDown(kKeyTab));
    EXPECT_EQ(keys, std::vector<int>{kKeyTab});
}

TEST_F(InputRouting, anObjectRemovedWhilePressedIsForgotten) {
    game.pointerMoved({50, 50});
    game.pointerPressed();
    game.root().child("a")->remove();
    game.pointerReleased();
    EXPECT_EQ(take(), (QStringList{"a:rollOver"}));
}

}  // namespace
