#pragma once
// Which object takes the pointer: the frontmost interactive object whose drawn shape (or hit area)
// lies under the point, not its bounding box. Hidden objects and masks take nothing; a mask clips
// hit testing as it clips drawing. Non-interactive artwork lets the pointer through.

#include <QPointF>
#include <QTransform>

namespace valdorn {

class DisplayObject;

// The frontmost interactive object under `stagePoint`, or null.
DisplayObject* interactiveObjectAt(const DisplayObject& root, QPointF stagePoint);

// Whether `object`, placed on the stage by `localToStage`, draws (or has its hit area) at
// `stagePoint`, its visible children and masks included.
bool touches(const DisplayObject& object, QPointF stagePoint, const QTransform& localToStage);

}  // namespace valdorn
