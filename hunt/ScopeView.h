#pragma once
// The scope view (`zoom`, `zoom2` .. `zoom6`): a springy magnifier that trails the pointer and shows
// a magnified live copy of the level's photograph through a round window.
//
// Layers, bottom to top: rifle, body, black disc, window mask (not drawn), the copy, the centre
// marker, the scope art `scope`. The view's own scale is fixed at 150.685 %; the copy's scale moves
// towards `scale` (150 % at rest, `zoomlevel` or 50 % aimed) and its position keeps the photograph
// point under the view's centre drawn at the centre ("registration").
//
// Creating the view hides the system cursor and reads `zoomsize` (window growth) and `scope`
// (art style). Every mouse press anywhere toggles rest and aim and writes `levelscale`, also while the
// view is hidden. The level controller calls step() once per tick; the view has no tick of its own so
// that its place in the level's tick order is explicit.

#include <QPointF>
#include <memory>

#include "game/Clip.h"
#include "hunt/LevelTable.h"

namespace valdorn {

class Game;

inline constexpr double kScopeViewScale = 100.0 * 98753 / 65536;  // percent: 150.685
inline constexpr double kRestScale = 150;                         // percent, the copy at rest
inline constexpr double kWideScale = 50;                          // percent, aimed with Space held

class ScopeView : public Clip {
public:
    // `copy` is a second photograph of the level (makePhotograph); the view owns it from now on.
    ScopeView(Game& game, const LevelSpec& level, std::shared_ptr<Clip> copy);

    // One tick: follow the pointer (`pointer`, stage px), zoom, register the copy.
    void step(QPointF pointer);
    // A press of the mouse button anywhere; `spaceHeld` matters only when the press aims.
    void press(bool spaceHeld);

    // --- the view's variables (see the game's rules: `speed`, `bounce`, `scale`, `x`, `y`, `s`)
    [[nodiscard]] double targetScale() const { return scale_; }
    [[nodiscard]] double copyScale() const { return copy_->scaleX(); }
    [[nodiscard]] QPointF velocity() const { return {vx_, vy_}; }
    [[nodiscard]] double lastScaleStep() const { return s_; }

    [[nodiscard]] Clip& copy() const { return *copy_; }
    [[nodiscard]] DisplayObject& centreMarker() const { return *marker_; }
    [[nodiscard]] Clip& art() const { return *art_; }

private:
    void registerCopy();

    Game& game_;
    QPointF origin_;  // stage px, the photograph clip's origin
    std::shared_ptr<Clip> copy_;
    std::shared_ptr<DisplayObject> marker_;
    std::shared_ptr<Clip> art_;
    double speed_ = 2;      // divisor of the follow and zoom steps
    double bounce_ = 0.6;   // damping of the follow
    double scale_ = kRestScale;  // percent, where the copy's scale is heading
    double vx_ = 0, vy_ = 0;     // stage px per tick
    double s_ = 0;               // percent, the last scale step
};

}  // namespace valdorn
