#include "game/UpgradePanel.h"

#include <array>

#include "game/Game.h"
#include "game/GameFonts.h"
#include "game/TextObjects.h"
#include "game/VectorShape.h"

namespace valdorn {
namespace {

struct UpgradeStep {
    int cost;          // points
    double zoomlevel;  // percent of magnification the step sets; 0: the step leaves it alone
};

// Where the texts stand, relative to the panel's origin (px; baselines for y).
struct PanelLayout {
    double textX;
    double titleX, titleBaseline;
    double needBaseline, levelBaseline;
    double costX, costBaseline;
};

struct UpgradeTable {
    const char* title;     // UTF-8
    const char* variable;  // the level variable a purchase sets to the next level
    UpgradeIcon icon;
    int topLevel;
    std::array<UpgradeStep, 5> steps;  // from level 1, 2, ...
    QPointF origin;                    // px on the stage
    PanelLayout layout;
};

constexpr PanelLayout kSizeLayout{-34, -34, -13, 6, 23, 75.4, 9.4};
constexpr PanelLayout kZoomLayout{-34, -34, -15, 4, 21, 75.4, 7.45};
constexpr PanelLayout kStyleLayout{-34, -33, -15, 4, 21, 75.4, 7.45};

constexpr UpgradeTable kUpgrades[] = {
    {"Размер прицела", "zoomsize", UpgradeIcon::ScopeSize, 6,
     {{{25, 0}, {35, 0}, {42, 0}, {51, 0}, {66, 0}}}, {223, 295}, kSizeLayout},
    {"Приближение", "zoomin", UpgradeIcon::Zoom, 6,
     {{{12, 250}, {21, 300}, {31, 350}, {42, 400}, {50, 500}}}, {223, 365}, kZoomLayout},
    {"Стиль прицела", "scope", UpgradeIcon::ScopeStyle, 4,
     {{{7, 0}, {12, 0}, {19, 0}}}, {489, 295}, kStyleLayout},
};

constexpr QPointF kIconCentre{-72.55, 0};  // px: the square x -101.55 to -43.55, y -29 to 29
const QColor kRed(0xe0, 0x16, 0x16);

enum Depth { kIcon = 1, kTitle, kNeed, kLevelLine, kCost };

const UpgradeTable& table(Upgrade upgrade) { return kUpgrades[static_cast<int>(upgrade)]; }

}  // namespace

UpgradePanel::UpgradePanel(Game& game, Upgrade upgrade)
    : Clip(table(upgrade).topLevel), game_(game), upgrade_(upgrade) {
    const UpgradeTable& t = table(upgrade);
    static constexpr const char* kNames[] = {"zoomsize_panel", "zoom_panel", "scope_panel"};
    setName(kNames[static_cast<int>(upgrade)]);
    setPosition(t.origin);
    setFilters({GlowFilter{Qt::white, 2, 2, 4, 1}});
    add(StaticText::atBaseline(QString::fromUtf8(t.title), fonts::arial(12), kRed,
                               QPointF(t.layout.titleX, t.layout.titleBaseline)),
        kTitle);
    gotoAndStop(stateFrom(game.vars(), upgrade));
    show(currentFrame());
    onFrameEntered = [this](int frame) { show(frame); };
}

int UpgradePanel::topLevel(Upgrade upgrade) { return table(upgrade).topLevel; }

int UpgradePanel::stateFrom(const SharedVariables& vars, Upgrade upgrade) {
    const UpgradeTable& t = table(upgrade);
    const Value level = vars.get(t.variable);
    for (int state = 2; state <= t.topLevel; ++state)
        if (isNumber(level, state)) return state;
    return 1;
}

bool UpgradePanel::atMax() const { return currentFrame() >= frameCount(); }

int UpgradePanel::cost() const { return atMax() ? 0 : table(upgrade_).steps[currentFrame() - 1].cost; }

void UpgradePanel::buy() {
    if (atMax()) return;
    const UpgradeStep& step = table(upgrade_).steps[currentFrame() - 1];
    SharedVariables& vars = game_.vars();
    const Value points = vars.get("punktid");
    if (!points || *points < step.cost) return;
    vars.set("punktid", *points - step.cost);
    vars.set(table(upgrade_).variable, currentFrame() + 1);
    if (step.zoomlevel > 0) vars.set("zoomlevel", step.zoomlevel);
    nextFrameAndStop();
}

void UpgradePanel::show(int state) {
    const UpgradeTable& t = table(upgrade_);
    const PanelLayout& l = t.layout;
    const bool max = state >= t.topLevel;

    auto icon = add(makeUpgradeIcon(t.icon, state), kIcon);
    icon->setName("icon");
    icon->setPosition(kIconCentre);
    if (!max) icon->onRelease = [this] { buy(); };

    auto need = max ? StaticText::atBaseline("MAX", fonts::verdana(12), kRed, QPointF(l.textX, l.needBaseline))
                    : StaticText::atBaseline("Требуется очков:", fonts::arial(12), kRed,
                                             QPointF(l.textX, l.needBaseline));
    add(need, kNeed);
    add(StaticText::atBaseline(QString("LEVEL %1").arg(state), fonts::arial(10), kRed,
                               QPointF(l.textX, l.levelBaseline)),
        kLevelLine);
    if (max) {
        if (auto old = childAtDepth(kCost)) removeChild(old.get());
    } else {
        auto cost = add(StaticText::atBaseline(QString::number(t.steps[state - 1].cost), fonts::arialBlack(18), kRed,
                                               QPointF(l.costX, l.costBaseline)),
                        kCost);
        cost->setName("cost");
    }
}

}  // namespace valdorn
