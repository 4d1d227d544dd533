// The title screen: the instructions panel that belongs to "how" and its empty rectangle, "play",
// the unlocked level loaded from the store on every entry, and what stays into the shop.
#include <gtest/gtest.h>

#include <QPainter>

#include "ScreenTestSupport.h"
#include "game/Bitmap.h"
#include "game/Button.h"
#include "game/ScreenIds.h"
#include "game/TextObjects.h"

namespace valdorn {
namespace {

using test::object;

class TitleScreenTest : public ::testing::Test {
protected:
    void SetUp() override { sim.tick(41); }
    Button* how() { return object<Button>(sim, "how"); }
    bool panelShown() {
        auto* panel = object(sim, "how/over/instructions");
        return how()->state() == Button::State::Over && panel && panel->visible() && object(sim, "how/over")->visible();
    }

    test::CountingSaveStore store;
    Simulation sim{test::syntheticAssets(), 1, &store};
};

// The panel's rectangle is x 91.05 to 612.0, y 138.1 to 251.15; the "how" disc is centred on
// (482.25, 470.2) with a radius of 46.5.
TEST_F(TitleScreenTest, instructionsShowWhilePointerIsOverTheDiscOrThePanelRectangle) {
    ASSERT_EQ(sim.game().screen(), 1);
    struct Case {
        QPointF at;
        bool shown;
    };
    const Case cases[] = {
        {{482.25, 470.2}, true},  {{482.25, 425}, true},   {{350, 200}, true},    // disc, its rim, the empty panel
        {{91.5, 138.5}, true},    {{611.5, 250.7}, true},  {{91.5, 250.7}, true},  // panel corners, inside
        {{90.5, 200}, false},     {{612.5, 200}, false},   {{350, 137.6}, false}, {{350, 251.6}, false},
        {{612.25, 470.2}, false}, {{440, 430}, false},     {{30, 30}, false},     // "play", beside the disc, far off
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("(%1, %2)").arg(c.at.x()).arg(c.at.y()).toStdString());
        sim.move(c.at.x(), c.at.y());
        EXPECT_EQ(panelShown(), c.shown);
        sim.move(5, 545);  // away again: nothing there
        EXPECT_FALSE(panelShown());
    }
}

TEST_F(TitleScreenTest, panelIsDrawnOverThePhotographWhenThePointerEntersItsRectangle) {
    auto brightness = [this] {
        const QImage frame = sim.render(700, 550);
        return qGray(frame.pixel(120, 160));  // inside the panel, left of its text
    };
    const int without = brightness();
    sim.move(120, 160);
    EXPECT_LT(brightness(), without / 2);
    sim.move(120, 300);
    EXPECT_EQ(brightness(), without);
}

TEST_F(TitleScreenTest, howDoesNothingOnReleaseAndPlayGoesToTheShop) {
    const int sounds = int(sim.services().sounds().size());
    sim.click(482.25, 470.2);
    sim.tick();
    EXPECT_EQ(sim.game().screen(), screens::kTitle);
    EXPECT_EQ(int(sim.services().sounds().size()), sounds);
    EXPECT_EQ(sim.services().urlsOpened(), 0);
    sim.click(612.25, 470.2);
    EXPECT_EQ(sim.game().screen(), screens::kShop);
}

TEST_F(TitleScreenTest, logoOpensTheQuestSite) {
    sim.click(84, 465);  // the logo's scope emblem
    EXPECT_EQ(sim.services().urlsOpened(), 1);
    EXPECT_EQ(sim.game().screen(), screens::kTitle);
}

TEST_F(TitleScreenTest, everyEntryLoadsTheUnlockedLevelFromTheStore) {
    EXPECT_FALSE(sim.game().vars().isSet("pask"));  // new store
    EXPECT_EQ(sim.game().vars().get("lets_call_it_cookie"), 1);
    store.setCounter(4);
    sim.game().vars().set("pask", 6);
    sim.click(612.25, 470.2);
    EXPECT_EQ(sim.game().vars().get("pask"), 6);  // the shop keeps it
    sim.click(490, 181);                          // "Return to main menu"
    ASSERT_EQ(sim.game().screen(), screens::kTitle);
    EXPECT_EQ(sim.game().vars().get("pask"), 4);
    EXPECT_EQ(object<TextField>(sim, "counter_text")->text(), "4");
    store.setCounter(std::nullopt);
    sim.game().goToScreen(screens::kShop);
    sim.game().goToScreen(screens::kTitle);
    EXPECT_FALSE(sim.game().vars().isSet("pask"));
}

TEST_F(TitleScreenTest, photographStaysIntoTheShopAndBackWhileTheShopMusicPlaysOn) {
    DisplayObject* photo = object(sim, "title_photo");
    ASSERT_NE(photo, nullptr);
    sim.click(612.25, 470.2);
    sim.tick(2);
    EXPECT_EQ(object(sim, "title_photo"), photo);
    const QStringList before = test::soundLog(sim.services());
    ASSERT_EQ(before.last(), "shop-music@43");
    sim.click(490, 181);
    sim.tick(10);
    EXPECT_EQ(object(sim, "title_photo"), photo);
    EXPECT_EQ(test::soundLog(sim.services()), before);  // no stop on the way to the title
    EXPECT_EQ(object(sim, "play")->depth(), 2);
    EXPECT_GT(object(sim, "play")->depth(), photo->depth());
}

TEST_F(TitleScreenTest, photographIsTheLevelOnePictureBlurredOverTheStage) {
    auto* photo = object<Bitmap>(sim, "title_photo");
    ASSERT_NE(photo, nullptr);
    EXPECT_EQ(photo->image().size(), QSize(1600, 1200));
    EXPECT_EQ(photo->destination(), QRectF(0.3, 0.3, 700, 550));
    EXPECT_FALSE(photo->smooth());
    ASSERT_EQ(photo->filters().size(), 1u);
    const auto& blur = std::get<BlurFilter>(photo->filters()[0]);
    EXPECT_EQ(blur.blurX, 5);
    EXPECT_EQ(blur.blurY, 5);
    EXPECT_EQ(blur.passes, 3);
    EXPECT_TRUE(photo->filtersCached());
}

}  // namespace
}  // namespace valdorn
