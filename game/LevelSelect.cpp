#include "game/LevelSelect.h"

#include "game/ArtworkLevelButton.h"
#include "game/Game.h"
#include "game/ScreenIds.h"
#include "game/VectorShape.h"

namespace valdorn {
namespace {

constexpr int kLevels = 6;
constexpr QPointF kOrigin{350, 125};                  // px
constexpr double kFirstButtonX = 150, kButtonStep = 80;  // px, centres on the stage
constexpr double kMarkerOffset = 2;                   // px: the markers stand a little right of the buttons
constexpr double kMarkerAlpha = 25;                   // percent
constexpr double kHoverScale = 68 / kLevelButtonSide * 100;  // percent: 68 px wide while pointed at

double buttonX(int level) { return kFirstButtonX + kButtonStep * (level - 1); }

std::shared_ptr<Clip> makeLevelButton(Game& game, int level) {
    auto button = std::make_shared<Clip>();
    button->setName(QString("level%1").arg(level));
    button->add(makeLevelButtonFace(level));
    button->setPosition(buttonX(level) - kOrigin.x(), 0);
    Clip* self = button.get();
    auto resize = [self](double percent) {
        self->setScale(percent);
        // The select's glow is a cached picture of all its buttons.
        if (DisplayObject* select = self->parent()) select->markChanged();
    };
    button->onRollOver = [resize] { resize(kHoverScale); };
    button->onRollOut = button->onDragOver = button->onDragOut = [resize] { resize(100); };
    button->onRelease = [&game, level] {
        game.stopAllSounds();
        game.goToScreen(screens::huntScreen(level));
    };
    return button;
}

}  // namespace

int activeLevelButtons(const Value& pask) {
    for (int level = 2; level <= kLevels; ++level)
        if (isNumber(pask, level)) return level;
    return 1;
}

std::shared_ptr<Clip> makeLevelSelect(Game& game) {
    auto select = std::make_shared<Clip>(kLevels);
    select->setName("lvls");
    select->setPosition(kOrigin);
    select->setFilters({GlowFilter{QColor(255, 255, 255, 200), 6, 6, 1.5, 2}});
    std::vector<Clip*> buttons;
    for (int level = 1; level <= kLevels; ++level) buttons.push_back(select->add(makeLevelButton(game, level)).get());
    select->onFrameEntered = [buttons](int frame) {
        for (int i = 0; i < kLevels; ++i) buttons[i]->setVisible(i < frame);
    };
    select->gotoAndStop(activeLevelButtons(game.vars().get("pask")));
    select->onFrameEntered(select->currentFrame());
    return select;
}

std::shared_ptr<DisplayObject> makeLockedMarkers() {
    auto markers = std::make_shared<DisplayObject>();
    for (int level = 2; level <= kLevels; ++level) {
        auto marker = markers->add(makeLevelButtonFace(level));
        marker->setPosition(buttonX(level) + kMarkerOffset, kOrigin.y());
        marker->setAlpha(kMarkerAlpha);
    }
    return markers;
}

}  // namespace valdorn
