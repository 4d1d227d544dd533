#include "game/DisplayObject.h"

#include <QPainter>

namespace valdorn {

DisplayObject::~DisplayObject() {
    for (auto& [depth, child] : children_) child->parent_ = nullptr;
    if (mask_) --mask_->maskUsers_;
}

void DisplayObject::markChanged() {
    for (DisplayObject* node = this; node; node = node->parent_) ++node->revision_;
}

void DisplayObject::setPosition(double x, double y) {
    if (x == x_ && y == y_) return;
    x_ = x;
    y_ = y;
    transformDirty_ = true;
    parentChanged();
}

void DisplayObject::setScale(double xPercent, double yPercent) {
    if (xPercent == scaleX_ && yPercent == scaleY_) return;
    scaleX_ = xPercent;
    scaleY_ = yPercent;
    transformDirty_ = true;
    parentChanged();
}

void DisplayObject::setRotation(double degrees) {
    if (degrees == rotation_) return;
    rotation_ = degrees;
    transformDirty_ = true;
    parentChanged();
}

void DisplayObject::setAlpha(double percent) {
    if (percent == alpha_) return;
    alpha_ = percent;
    parentChanged();
}

void DisplayObject::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    parentChanged();
}

void DisplayObject::setColorTransform(const ColorTransform& color) {
    if (color == color_) return;
    color_ = color;
    parentChanged();
}

const QTransform& DisplayObject::transform() const {
    if (transformDirty_) {
        QTransform t;
        t.translate(x_, y_);
        if (rotation_ != 0) t.rotate(rotation_);
        t.scale(scaleX_ / 100.0, scaleY_ / 100.0);
        transform_ = t;
        transformDirty_ = false;
    }
    return transform_;
}

QTransform DisplayObject::stageTransform() const {
    QTransform t = transform();
    for (const DisplayObject* p = parent_; p; p = p->parent_) t *= p->transform();
    return t;
}

void DisplayObject::setFilters(std::vector<Filter> filters, bool cached) {
    filters_ = std::move(filters);
    filtersCached_ = cached;
    markChanged();
}

void DisplayObject::setMask(std::shared_ptr<DisplayObject> mask) {
    if (mask_) --mask_->maskUsers_;
    mask_ = std::move(mask);
    if (mask_) ++mask_->maskUsers_;
}

QPainterPath DisplayObject::maskShapeOnStage() const {
    if (!mask_) return {};
    QTransform placement = mask_->transform();
    if (mask_->parent_)
        placement = mask_->stageTransform();
    else if (parent_)
        placement *= parent_->stageTransform();
    return placement.map(mask_->subtreeShape());
}

void DisplayObject::attachChild(std::shared_ptr<DisplayObject> child, int depth) {
    if (!child || child.get() == this) return;
    if (child->parent_) child->remove();
    auto existing = children_.find(depth);
    if (existing != children_.end()) {
        existing->second->setOnStage(false);
        existing->second->parent_ = nullptr;
    }
    child->depth_ = depth;
    child->parent_ = this;
    children_[depth] = child;
    markChanged();
    if (onStage_) child->setOnStage(true);
}

void DisplayObject::removeChild(DisplayObject* child) {
    if (!child || child->parent_ != this) return;
    auto it = children_.find(child->depth_);
    if (it == children_.end() || it->second.get() != child) return;
    std::shared_ptr<DisplayObject> keep = it->second;  // alive until detached
    children_.erase(it);
    keep->parent_ = nullptr;
    markChanged();
    keep->setOnStage(false);
}

void DisplayObject::removeAllChildren() {
    auto old = std::move(children_);
    children_.clear();
    for (auto& [depth, child] : old) {
        child->parent_ = nullptr;
        child->setOnStage(false);
    }
}

void DisplayObject::remove() {
    if (parent_) parent_->removeChild(this);
}

int DisplayObject::nextDepth() const { return children_.empty() ? 1 : children_.rbegin()->first + 1; }

std::vector<DisplayObject*> DisplayObject::children() const {
    std::vector<DisplayObject*> list;
    list.reserve(children_.size());
    for (const auto& [depth, child] : children_) list.push_back(child.get());
    return list;
}

std::shared_ptr<DisplayObject> DisplayObject::childAtDepth(int depth) const {
    auto it = children_.find(depth);
    return it == children_.end() ? nullptr : it->second;
}

DisplayObject* DisplayObject::child(const QString& name) const {
    for (const auto& [depth, child] : children_)
        if (child->name_ == name) return child.get();
    return nullptr;
}

DisplayObject* DisplayObject::find(const QString& path) const {
    const DisplayObject* node = this;
    for (const QString& part : path.split('/', Qt::SkipEmptyParts)) {
        node = node->child(part);
        if (!node) return nullptr;
    }
    return const_cast<DisplayObject*>(node);
}

bool DisplayObject::interactive() const {
    return onRelease || onRollOver || onRollOut || onDragOver || onDragOut;
}

void DisplayObject::paint(QPainter&, const PaintContext&) const {}

bool DisplayObject::hitsContent(QPointF) const { return false; }

QRectF DisplayObject::subtreeBounds() const {
    QRectF bounds = contentBounds();
    for (const auto& [depth, child] : children_) {
        if (!child->visible_ || child->isMask()) continue;
        const QRectF b = child->transform().mapRect(child->subtreeBounds());
        if (!b.isEmpty()) bounds = bounds.isEmpty() ? b : bounds.united(b);
    }
    return bounds;
}

QPainterPath DisplayObject::subtreeShape() const {
    QPainterPath shape = contentShape();
    for (const auto& [depth, child] : children_) {
        if (!child->visible_) continue;
        shape.addPath(child->transform().map(child->subtreeShape()));
    }
    return shape;
}

void DisplayObject::joinedStage() {
    if (onLoad) onLoad();
}

void DisplayObject::setOnStage(bool onStage) {
    if (onStage_ == onStage) return;
    onStage_ = onStage;
    // Copy: a load handler may add or remove children.
    std::vector<std::shared_ptr<DisplayObject>> list;
    for (auto& [depth, child] : children_) list.push_back(child);
    for (auto& child : list)
        if (child->parent_ == this) child->setOnStage(onStage);
    if (onStage) joinedStage();
}

}  // namespace valdorn
