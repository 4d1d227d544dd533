#include "hunt/ScopeView.h"

#include "game/AssetLibrary.h"
#include "game/Game.h"
#include "hunt/ScopeArt.h"

namespace valdorn {
namespace {

// Window growth in units by `zoomsize` level 2..6.
struct Growth {
    int zoomsize;
    double units;
};
constexpr Growth kGrowth[] = {{2, 7}, {3, 16}, {4, 23}, {5, 30}, {6, 40}};

constexpr QPointF kRiflePlace{-14.3, 158.1};  // units
constexpr double kRifleScale = 108.32;        // percent
constexpr QPointF kBodyPlace{0.5, 0};         // units
constexpr double kBodyScale = 108.32;         // percent
constexpr QPointF kArtPlace{0.15, 0.5};       // units
// The centre marker's box, units around the centre.
constexpr QRectF kMarkerBox{-1.7, -1.65, 3.35, 3.3};

int styleFor(const Game& game) {
    const Value scope = game.vars().get("scope");
    for (int style = 2; style <= kScopeStyles; ++style)
        if (isNumber(scope, style)) return style;
    return 1;
}

// Units added to the window and the art: none unless `zoomsize` is exactly 2..6.
double windowGrowth(const Game& game) {
    const Value zoomsize = game.vars().get("zoomsize");
    for (const Growth& g : kGrowth)
        if (isNumber(zoomsize, g.zoomsize)) return g.units;
    return 0;
}

}  // namespace

ScopeView::ScopeView(Game& game, const LevelSpec& level, std::shared_ptr<Clip> copy)
    : game_(game), origin_(level.originX, level.originY), copy_(std::move(copy)) {
    setName(QString::fromLatin1(level.scopeName));
    setScale(kScopeViewScale);
    setPosition(level.scopeStartX, level.scopeStartY);
    game_.setCursorVisible(false);

    auto rifle = add(makeRifle(game.assets().image("rifle.png")));
    rifle->setPosition(kRiflePlace);
    rifle->setScale(kRifleScale);
    auto body = add(makeScopeBody(game.assets().image("texture/metal.jpg")));
    body->setPosition(kBodyPlace);
    body->setScale(kBodyScale);
    add(makeDisc(kWindowDiameter));

    const double growth = windowGrowth(game);
    auto mask = add(makeDisc(kWindowDiameter));
    mask->setScale(100 * (kWindowDiameter + growth) / kWindowDiameter);
    add(copy_);
    copy_->setMask(mask);
    copy_->setScale(kRestScale);

    marker_ = add(makeShape({fillRect(kMarkerBox, Qt::transparent)}));
    marker_->setName(QString::fromLatin1(level.centreMarkerName));
    marker_->setAlpha(0);  // only its box matters

    art_ = add(makeScopeArt());
    art_->setPosition(kArtPlace);
    art_->gotoAndStop(styleFor(game));
    art_->setScale(100 * (kScopeArtSize + growth) / kScopeArtSize);

    registerCopy();
    onMouseDown = [this] { press(game_.isKeyDown(kKeySpace)); };
}

void ScopeView::step(QPointF pointer) {
    vx_ = (vx_ + (pointer.x() - x()) / speed_) * bounce_;
    vy_ = (vy_ + (pointer.y() - y()) / speed_) * bounce_;
    setPosition(x() + vx_, y() + vy_);
    s_ = (scale_ - copyScale()) / speed_;
    copy_->setScale(copyScale() + s_);
    registerCopy();
}

void ScopeView::press(bool spaceHeld) {
    if (scale_ == kRestScale) {
        // Before screen 0 has run `zoomlevel` may be unset; aim at the game's starting zoom then.
        scale_ = spaceHeld ? kWideScale : game_.vars().get("zoomlevel").value_or(200);
        game_.vars().set("levelscale", 1);
    } else {
        scale_ = kRestScale;
        game_.vars().set("levelscale", 0);
    }
}

void ScopeView::registerCopy() {
    const double k = copyScale() / 100;
    copy_->setPosition((origin_.x() - x()) * k, (origin_.y() - y()) * k);
}

}  // namespace valdorn
