#include "hunt/HintHotspot.h"

#include "game/Game.h"
#include "game/GameFonts.h"
#include "game/TextObjects.h"
#include "game/VectorShape.h"
#include "hunt/LevelTable.h"

namespace valdorn {
namespace {

constexpr QRectF kArea{554.7, 502.2, 64.25, 14.25};  // stage px

QString flagOf(const LevelSpec& level) { return QStringLiteral("hint%1").arg(level.level); }

}  // namespace

std::shared_ptr<Clip> makeHintHotspot(Game& game, const LevelSpec& level, Clip& photograph) {
    auto hotspot = std::make_shared<Clip>();
    hotspot->setName("showme");
    hotspot->setPosition(kArea.topLeft());
    const QRectF area(QPointF(0, 0), kArea.size());
    hotspot->add(makeShape({fillRect(area, QColor(0, 0, 0, 0))}));
    QFont font = fonts::stencil(11);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    hotspot->add(std::make_shared<StaticText>("SHOW ME", font, Qt::black, area, Qt::AlignCenter));
    hotspot->setVisible(!isNumber(game.vars().get(flagOf(level)), 1));

    Clip* self = hotspot.get();
    Clip* picture = &photograph;
    hotspot->onRelease = [&game, self, picture, flag = flagOf(level), count = level.requiredTargets] {
        game.vars().set(flag, 1);
        for (int i = 1; i <= count; ++i) {
            DisplayObject* target = picture->child(QStringLiteral("n%1").arg(i));
            if (!target || !target->visible()) continue;
            if (auto* marker = picture->childAs<Clip>("hint")) {
                marker->setPosition(target->position());
                marker->gotoAndPlay(2);
            }
            self->setVisible(false);
            game.vars().set("punktid", game.vars().get("punktid").value_or(0) - kHintCost);
            return;
        }
    };
    return hotspot;
}

}  // namespace valdorn
