#pragma once
// The one vocabulary of the game: a tree of display objects on the 700 x 550 stage.
//
// Every object has a position, x/y scale (percent), rotation (degrees, clockwise), opacity (percent),
// a visible flag, a colour transform, optional filters, an optional mask (another object whose shape
// clips this one's drawing and hit testing) and optional handlers. Children are owned by their parent
// and ordered by depth: a higher depth is drawn in front and tested first for the pointer.
//
// Handlers: load (when the object joins the stage), per tick, mouse down (any press anywhere),
// release (pressed over the object and released over it), roll over/out (pointer enters/leaves with
// the button up), drag over/out (the same with the button held), key down (any key; the handler
// checks the code). An object with release, roll or drag handlers is interactive: it takes the
// pointer as a whole, children included.

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "game/ColorTransform.h"
#include "game/Filters.h"

class QPainter;

namespace valdorn {

class Clip;

// What a drawing object is given besides the painter: the accumulated colour transform and the
// number of device pixels per stage pixel.
struct PaintContext {
    ColorTransform color;
    double scale = 1;
};

class DisplayObject : public std::enable_shared_from_this<DisplayObject> {
public:
    using Handler = std::function<void()>;

    DisplayObject() = default;
    DisplayObject(const DisplayObject&) = delete;
    DisplayObject& operator=(const DisplayObject&) = delete;
    virtual ~DisplayObject();

    // --- identity
    [[nodiscard]] const QString& name() const { return name_; }
    void setName(const QString& name) { name_ = name; }
    [[nodiscard]] int depth() const { return depth_; }
    // Non-owning; null for the root and for objects not in a tree.
    [[nodiscard]] DisplayObject* parent() const { return parent_; }
    // True while the object is part of the game's display tree.
    [[nodiscard]] bool onStage() const { return onStage_; }

    // --- transform (setters replace, move adds)
    [[nodiscard]] double x() const { return x_; }
    [[nodiscard]] double y() const { return y_; }
    [[nodiscard]] QPointF position() const { return {x_, y_}; }
    void setPosition(double x, double y);
    void setPosition(QPointF p) { setPosition(p.x(), p.y()); }
    void setX(double x) { setPosition(x, y_); }
    void setY(double y) { setPosition(x_, y); }
    void move(double dx, double dy) { setPosition(x_ + dx, y_ + dy); }
    [[nodiscard]] double scaleX() const { return scaleX_; }
    [[nodiscard]] double scaleY() const { return scaleY_; }
    void setScale(double percent) { setScale(percent, percent); }
    void setScale(double xPercent, double yPercent);
    [[nodiscard]] double rotation() const { return rotation_; }
    void setRotation(double degrees);
    // Local to parent: translate, rotate, scale.
    [[nodiscard]] const QTransform& transform() const;
    // Local to stage coordinates.
    [[nodiscard]] QTransform stageTransform() const;

    // --- look
    [[nodiscard]] double alpha() const { return alpha_; }
    void setAlpha(double percent);
    [[nodiscard]] bool visible() const { return visible_; }
    void setVisible(bool visible);
    [[nodiscard]] const ColorTransform& colorTransform() const { return color_; }
    void setColorTransform(const ColorTransform& color);
    [[nodiscard]] const std::vector<Filter>& filters() const { return filters_; }
    // `cached`: the filtered picture depends only on the object's size on screen, so the renderer
    // may keep it between frames (static artwork); otherwise it is redrawn every frame.
    void setFilters(std::vector<Filter> filters, bool cached = true);
    [[nodiscard]] bool filtersCached() const { return filtersCached_; }
    // Bumped whenever what the object draws relative to its own origin may have changed: its own
    // content, or anything below it (a child moved, turned, faded, hid, changed frame). Its own
    // placement does not count; that changes the parent's revision instead.
    [[nodiscard]] quint64 revision() const { return revision_; }
    void markChanged();

    // --- mask: `mask` is drawn nowhere; its shape, where it stands, clips this object.
    void setMask(std::shared_ptr<DisplayObject> mask);
    [[nodiscard]] DisplayObject* mask() const { return mask_.get(); }
    [[nodiscard]] bool isMask() const { return maskUsers_ > 0; }

    // --- clip rectangle: when set, the object and everything below it are drawn and hit only inside
    // this rectangle of its own coordinates (a picture frame its contents cannot leave).
    void setClipRect(const QRectF& rect) { clipRect_ = rect; }
    [[nodiscard]] const QRectF& clipRect() const { return clipRect_; }

    // --- hit area: when set, the pointer counts as over this object where the hit area's shape is
    // (placed in this object's coordinates), instead of where this object draws.
    void setHitArea(std::shared_ptr<DisplayObject> area) { hitArea_ = std::move(area); }
    [[nodiscard]] DisplayObject* hitArea() const { return hitArea_.get(); }

    // --- children, by depth
    // Adds `child` at `depth` (replacing whatever was there) and returns it.
    template <class T>
    std::shared_ptr<T> add(std::shared_ptr<T> child, int depth) {
        attachChild(child, depth);
        return child;
    }
    // Adds `child` in front of every other child.
    template <class T>
    std::shared_ptr<T> add(std::shared_ptr<T> child) {
        return add(std::move(child), nextDepth());
    }
    void removeChild(DisplayObject* child);
    void removeAllChildren();
    // Detaches this object from its parent.
    void remove();
    [[nodiscard]] int nextDepth() const;
    // Back to front.
    [[nodiscard]] std::vector<DisplayObject*> children() const;
    [[nodiscard]] std::shared_ptr<DisplayObject> childAtDepth(int depth) const;
    // The first child (back to front) with this name, or null.
    [[nodiscard]] DisplayObject* child(const QString& name) const;
    // A descendant by a path of names separated by '/'.
    [[nodiscard]] DisplayObject* find(const QString& path) const;
    template <class T>
    [[nodiscard]] T* childAs(const QString& path) const {
        return dynamic_cast<T*>(find(path));
    }

    // --- lifetime on the game's timeline (objects directly on the root): the object lives while the
    // game is on a screen from `first` to `last`; leaving that range removes it.
    void setScreenRange(int first, int last) {
        firstScreen_ = first;
        lastScreen_ = last;
    }
    [[nodiscard]] bool livesOnScreen(int screen) const { return screen >= firstScreen_ && screen <= lastScreen_; }

    // --- handlers
    Handler onLoad, onTick, onMouseDown, onRelease, onRollOver, onRollOut, onDragOver, onDragOut;
    std::function<void(int key)> onKeyDown;
    [[nodiscard]] virtual bool interactive() const;

    // --- own content, in local coordinates (children are drawn by the renderer)
    virtual void paint(QPainter& painter, const PaintContext& context) const;
    // Whether the object's own drawn shape covers `local`.
    [[nodiscard]] virtual bool hitsContent(QPointF local) const;
    [[nodiscard]] virtual QRectF contentBounds() const { return {}; }
    // The filled outline of the own content, for masks.
    [[nodiscard]] virtual QPainterPath contentShape() const { return {}; }
    [[nodiscard]] virtual Clip* asClip() { return nullptr; }

    // Bounds of the object and everything below it, in local coordinates; hidden children excluded.
    [[nodiscard]] QRectF subtreeBounds() const;
    // The object's shape (own and children's), in this object's coordinates; for masks.
    [[nodiscard]] QPainterPath subtreeShape() const;
    // Where the mask clips, in stage coordinates (a mask outside the tree stands in this object's
    // parent's coordinates).
    [[nodiscard]] QPainterPath maskShapeOnStage() const;

protected:
    // Called when the object joins the stage (after its children); runs the load handler.
    virtual void joinedStage();

private:
    friend class Game;
    void attachChild(std::shared_ptr<DisplayObject> child, int depth);
    void parentChanged() {
        if (parent_) parent_->markChanged();
    }
    void setOnStage(bool onStage);

    QString name_;
    int depth_ = 0;
    DisplayObject* parent_ = nullptr;
    bool onStage_ = false;

    double x_ = 0, y_ = 0, scaleX_ = 100, scaleY_ = 100, rotation_ = 0;
    mutable QTransform transform_;
    mutable bool transformDirty_ = true;

    double alpha_ = 100;
    bool visible_ = true;
    ColorTransform color_;
    std::vector<Filter> filters_;
    bool filtersCached_ = true;
    quint64 revision_ = 0;

    std::shared_ptr<DisplayObject> mask_;
    int maskUsers_ = 0;
    std::shared_ptr<DisplayObject> hitArea_;
    QRectF clipRect_;

    std::map<int, std::shared_ptr<DisplayObject>> children_;
    int firstScreen_ = 0, lastScreen_ = 15;
};

using ObjectPtr = std::shared_ptr<DisplayObject>;

}  // namespace valdorn
