#pragma once
// Shooting in tests: where a target's body is on the stage, and the two ways to shoot it, through the
// scope's window or straight at the photograph with the scope parked out of the way.

#include "HuntFixture.h"
#include "hunt/LevelTargets.h"

namespace valdorn::testing {

class ShotTest : public HuntTest {
protected:
    Clip& copy() { return scope().copy(); }
    double points() { return game().vars().get("punktid").value_or(0); }

    // A stage point on the body of `object`: its origin for still figures, the walker for a walking
    // figure, the head inside the window for the partly hidden figure.
    QPointF bodyPoint(DisplayObject& object) {
        DisplayObject* body = &object;
        QPointF local(0, 0);
        if (object.asClip() && object.asClip()->frameCount() == figureFrameCount(FigureKind::Walking))
            body = object.children().front();
        else if (object.asClip() && object.asClip()->frameCount() == 1 && !object.children().empty())
            local = QPointF(0, -8.2);  // the head of the figure behind the window
        return body->stageTransform().map(local);
    }
    QPointF targetPoint(int i) { return bodyPoint(target(photograph(), i)); }

    // Press and release at the pointer twice, with `ticksBetween` ticks between: aim, then shoot.
    void doubleClick(int ticksBetween = 0) {
        sim->press();
        sim->release();
        sim->tick(ticksBetween);
        sim->press();
        sim->release();
    }
    // Through the scope: the scope settles on `p`, aims, zooms a little, and the second click shoots.
    void shootThroughScope(QPointF p) {
        settle(p.x(), p.y());
        doubleClick(8);
    }
    // At the photograph: the scope waits hidden over the strip, then the pointer jumps to the point
    // between two ticks and clicks twice before the scope can move. The point is taken after the
    // scope is parked, so it follows a figure that walks meanwhile.
    template <class PointSource>
    void shootPhotograph(PointSource point) {
        settle(350, 540, 40);
        const QPointF p = point();
        sim->move(p.x(), p.y());
        doubleClick();
    }
    void shootPhotograph(QPointF p) {
        shootPhotograph([p] { return p; });
    }
};

}  // namespace valdorn::testing
