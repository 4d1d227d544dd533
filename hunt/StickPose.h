#pragma once
// A stick figure as a few joints, turned into one filled outline: round head, thick limbs with round
// ends, an optional rifle and red cap. Poses are keyed and blended, so a figure shifts smoothly between
// them; the outline is what the pointer hits.

#include <QPainterPath>
#include <QPointF>
#include <vector>

namespace valdorn {

struct StickPose {
    QPointF head;        // centre of the head
    double headRadius;   // units
    QPointF neck, hips;
    QPointF leftElbow, leftHand, rightElbow, rightHand;
    QPointF leftKnee, leftFoot, rightKnee, rightFoot;
    QPointF rifleButt, rifleMuzzle;  // equal points: no rifle
    double limbWidth;    // units
    double bodyWidth;    // units

    // Linear blend: t = 0 gives `a`, t = 1 gives `b`.
    static StickPose blend(const StickPose& a, const StickPose& b, double t);
    // The same pose moved by `offset`.
    [[nodiscard]] StickPose moved(QPointF offset) const;
};

// A keyed pose: the figure holds `pose` at `frame` and moves smoothly to the next key.
struct PoseKey {
    int frame;
    StickPose pose;
};

// The pose at `frame` of a loop of `frameCount` frames whose keys are sorted by frame; after the last
// key the figure moves back to the first, so the loop has no jump.
StickPose poseAt(const std::vector<PoseKey>& keys, int frame, int frameCount);

// The filled outline of the body (head, limbs, rifle).
QPainterPath bodyOutline(const StickPose& pose);
// The cap on the head (a small red dome with a peek), or empty.
QPainterPath capOutline(const StickPose& pose, bool facingLeft);

}  // namespace valdorn
