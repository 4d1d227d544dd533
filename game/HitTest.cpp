#include "game/HitTest.h"

#include "game/DisplayObject.h"

namespace valdorn {
namespace {

bool outsideClip(const DisplayObject& object, QPointF stagePoint, const QTransform& localToStage) {
    if (object.mask() && !object.maskShapeOnStage().contains(stagePoint)) return true;
    if (object.clipRect().isNull()) return false;
    bool invertible = false;
    const QPointF local = localToStage.inverted(&invertible).map(stagePoint);
    return !invertible || !object.clipRect().contains(local);
}

bool shapeTouches(const DisplayObject& object, QPointF stagePoint, const QTransform& localToStage,
                  bool ignoreVisibility) {
    if ((!ignoreVisibility && !object.visible()) || (!ignoreVisibility && object.isMask())) return false;
    if (outsideClip(object, stagePoint, localToStage)) return false;
    bool invertible = false;
    const QPointF local = localToStage.inverted(&invertible).map(stagePoint);
    if (invertible && object.hitsContent(local)) return true;
    for (DisplayObject* child : object.children())
        if (shapeTouches(*child, stagePoint, child->transform() * localToStage, false)) return true;
    return false;
}

DisplayObject* visit(DisplayObject& object, QPointF stagePoint, const QTransform& parentToStage) {
    if (!object.visible() || object.isMask()) return nullptr;
    const QTransform toStage = object.transform() * parentToStage;
    if (outsideClip(object, stagePoint, toStage)) return nullptr;
    if (object.interactive()) return touches(object, stagePoint, toStage) ? &object : nullptr;
    const auto children = object.children();
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if (DisplayObject* hit = visit(**it, stagePoint, toStage)) return hit;
    return nullptr;
}

}  // namespace

bool touches(const DisplayObject& object, QPointF stagePoint, const QTransform& localToStage) {
    if (const DisplayObject* area = object.hitArea()) {
        // The hit area stands in the object's own coordinates and counts even where it draws nothing.
        return shapeTouches(*area, stagePoint, area->transform() * localToStage, true);
    }
    return shapeTouches(object, stagePoint, localToStage, true);
}

DisplayObject* interactiveObjectAt(const DisplayObject& root, QPointF stagePoint) {
    return visit(const_cast<DisplayObject&>(root), stagePoint, QTransform());
}

}  // namespace valdorn
