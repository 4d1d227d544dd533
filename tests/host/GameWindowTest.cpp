// The game window: the size rule, where it goes on the screen, the surface's margin, the watch on the
// game's screen number, and the bonus code it shows.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <stdexcept>

#include "WindowTestSupport.h"
#include "host/GameSurface.h"
#include "host/WindowPlacement.h"

namespace valdorn::testing {
namespace {

struct SizeCase {
    quint16 workAreaHeight;
    quint16 clientWidth;
};

class SizeRuleTest : public ::testing::TestWithParam<SizeCase> {};

// W = round(H x 680 / 550): the client width that fits the stage beside the full work-area height.
TEST_P(SizeRuleTest, clientWidthFollowsTheWorkAreaHeight) {
    EXPECT_EQ(placement::gameClientWidth(GetParam().workAreaHeight), GetParam().clientWidth);
    EXPECT_EQ(placement::gameOuterSize(GetParam().workAreaHeight, 8),
              QSize(GetParam().clientWidth + 8, GetParam().workAreaHeight));
}

INSTANTIATE_TEST_SUITE_P(Heights, SizeRuleTest,
                         ::testing::Values(SizeCase{1040, 1286}, SizeCase{728, 900}, SizeCase{870, 1076},
                                           SizeCase{550, 680}),
                         [](const auto& testInfo) { return "H" + std::to_string(testInfo.param.workAreaHeight); });

struct CentreCase {
    const char* name;
    QRect area;
    QSize outer;
    QPoint overArea;   // centredOver
    QPoint onDesktop;  // centredOnDesktop, with `area` as the desktop
};
void PrintTo(const CentreCase& c, std::ostream* out) { *out << c.name; }


class CentringTest : public ::testing::TestWithParam<CentreCase> {};

// Both centring rules truncate, and both keep the window's top-left inside the desktop. They differ by
// a pixel when the two widths are of different parity, as the rules are written.
TEST_P(CentringTest, windowsAreCentredByTheirRule) {
    const CentreCase& c = GetParam();
    EXPECT_EQ(placement::centredOver(c.area, c.outer, c.area), c.overArea);
    EXPECT_EQ(placement::centredOnDesktop(c.area, c.outer), c.onDesktop);
}

INSTANTIATE_TEST_SUITE_P(
    Rectangles, CentringTest,
    ::testing::Values(CentreCase{"gateOnFullHd", QRect(0, 0, 1920, 1080), QSize(478, 360), {721, 360}, {721, 360}},
                      CentreCase{"oddDifference", QRect(0, 0, 1280, 1024), QSize(473, 335), {403, 344}, {404, 345}},
                      CentreCase{"offsetDesktop", QRect(100, 50, 800, 600), QSize(200, 100), {400, 300}, {400, 300}},
                      CentreCase{"widerThanTheArea", QRect(0, 0, 1000, 700), QSize(1200, 700), {0, 0}, {0, 0}}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

class GameWindowTest : public HostWindowsTest {};

// Shown, the window takes the work area's full height and the rule's client width, stands centred at
// the work area's top, and its surface fills it less 3 pixels on each side.
TEST_F(GameWindowTest, showingSizesTheWindowByTheRuleAndCentresIt) {
    const QRect workArea = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize atCreation = Form_Main->size();
    EXPECT_EQ(atCreation, QSize(714, 560));
    EXPECT_EQ(Form_Main->Flash->geometry(), QRect(3, 3, 708, 554));

    Form_Main->show();
    const QRect frame = Form_Main->frameGeometry();
    EXPECT_EQ(Form_Main->width(), placement::gameClientWidth(static_cast<quint16>(workArea.height())));
    EXPECT_EQ(frame.height(), workArea.height());
    EXPECT_EQ(frame.top(), workArea.top());
    // Kept inside the desktop when wider than the work area (as on the offscreen test screen).
    EXPECT_EQ(frame.left(), std::max(workArea.left() + (workArea.width() - frame.width()) / 2,
                                     QGuiApplication::primaryScreen()->virtualGeometry().left()));
    EXPECT_EQ(Form_Main->Flash->geometry(), Form_Main->rect().adjusted(3, 3, -3, -3));
    // The user cannot resize it.
    EXPECT_EQ(Form_Main->minimumSize(), Form_Main->maximumSize());
    Form_Main->hide();
}

// The code is the prefix and four alphabet characters: 8 readable characters.
TEST_F(GameWindowTest, bonusCodeIsEightDigitsAndCapitals) {
    const QString code = bonusCode();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9A-Z]{8}$")).match(code).hasMatch()) << code.toStdString();
    EXPECT_TRUE(code.startsWith(CodePrefix));
    for (std::size_t i = 0; i < CodePositions.size(); ++i)
        EXPECT_EQ(code[CodePrefix.size() + qsizetype(i)], CodeAlphabet[CodePositions[i]]);
}

// A screen number the watch reads at one tick; kThrows stands for a failed read.
constexpr int kThrows = -1;

struct WatchCase {
    const char* name;
    std::vector<int> readings;
    int opensAtTick;  // 1-based; 0: never
};
void PrintTo(const WatchCase& c, std::ostream* out) { *out << c.name; }


class WatchTest : public HostWindowsTest, public ::testing::WithParamInterface<WatchCase> {};

// The watch opens the completion window on the first tick that reads 15, at most once, and then stays
// off; a screen 15 that was left before the tick opens nothing; a failed read is reported and the
// watch goes on.
TEST_P(WatchTest, completionOpensOnTheFirstTickThatReadsTheFinalScreen) {
    const WatchCase& c = GetParam();
    std::size_t reads = 0;
    int openedAtTick = 0;
    int opens = 0;
    Form_Main->setFrameNumSource([&] {
        const int reading = c.readings[std::min(reads, c.readings.size() - 1)];
        ++reads;
        if (reading == kThrows)
            throw std::runtime_error("screen number unavailable");
        return reading;
    });
    OnShown completion(Form_Text2, [&] {
        ++opens;
        openedAtTick = static_cast<int>(reads);
        Form_Text2->close();
    });

    Form_Main->Timer1->setInterval(1);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return c.opensAtTick > 0 ? opens > 0 : reads >= c.readings.size() + 3; }, 5000));
    QTest::qWait(50);  // any tick that should not come would come now

    EXPECT_EQ(opens, c.opensAtTick > 0 ? 1 : 0);
    EXPECT_EQ(openedAtTick, c.opensAtTick);
    EXPECT_EQ(Form_Main->Timer1->isActive(), c.opensAtTick == 0);
    if (c.opensAtTick > 0) {
        EXPECT_EQ(reads, std::size_t(c.opensAtTick)) << "the watch read on after switching off";
    }
    const auto failedReads = std::count(c.readings.begin(), c.readings.begin() + std::min(reads, c.readings.size()),
                                        kThrows);
    ASSERT_GE(errors.size(), std::size_t(failedReads));
    for (const QString& message : errors)
        EXPECT_EQ(message, QStringLiteral("screen number unavailable"));
}

INSTANTIATE_TEST_SUITE_P(
    Readings, WatchTest,
    ::testing::Values(WatchCase{"finalScreenAtTheFirstTick", {15}, 1},
                      WatchCase{"finalScreenReachedLater", {0, 1, 14, 15}, 4},
                      WatchCase{"finalScreenLeftBeforeTheTick", {14, 3, 3}, 0},
                      WatchCase{"laterVisitToTheFinalScreen", {14, 3, 15}, 3},
                      WatchCase{"staysOnTheFinalScreen", {15, 15, 15, 15}, 1},
                      WatchCase{"failedReadThenFinalScreen", {kThrows, 2, 15}, 3},
                      WatchCase{"neverThere", {0, 1, 2}, 0}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

// While the error box of a failed read is open its loop keeps delivering ticks; they must not pile up
// one box per second behind it.
TEST_F(GameWindowTest, failedReadsDoNotStackErrorBoxes) {
    int depth = 0;
    int deepest = 0;
    int boxes = 0;
    setErrorSink([&](const QString&) {
        ++boxes;
        deepest = std::max(deepest, ++depth);
        QTest::qWait(20);  // a box's own event loop, as a user takes time to press OK
        --depth;
    });
    Form_Main->setFrameNumSource([]() -> int { throw std::runtime_error("no screen"); });
    Form_Main->Timer1->setInterval(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return boxes >= 3; }, 5000));
    EXPECT_EQ(deepest, 1);
    EXPECT_TRUE(Form_Main->Timer1->isActive());
}

// The watch ticks from creation, once a second, before the window is ever shown.
TEST_F(GameWindowTest, watchRunsFromCreation) {
    EXPECT_TRUE(Form_Main->Timer1->isActive());
    EXPECT_EQ(Form_Main->Timer1->interval(), 1000);
    EXPECT_FALSE(Form_Main->isVisible());
}

}  // namespace
}  // namespace valdorn::testing
