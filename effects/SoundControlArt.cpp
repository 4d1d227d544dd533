#include "effects/SoundControlArt.h"

#include <QPainterPathStroker>

#include "game/GameFonts.h"
#include "game/TextObjects.h"
#include "game/VectorShape.h"

namespace valdorn {
namespace {

const QColor kNoteGreen(46, 158, 58);
const QColor kNoteEdge(18, 80, 24);
const QColor kSlash(220, 0, 0, 150);  // translucent: the note shows through
constexpr double kEdgeWidth = 0.8;    // px
constexpr double kSlashWidth = 5;     // px
constexpr double kLabelPx = 11;       // letter size, px

// Drawn in rough coordinates, then fitted to kNoteBox. The stem's top stays left of the next-track
// button, which sits in the box's top-right corner, and the flag hangs below it: the two overlap by
// a sliver only.
QPainterPath roughNote() {
    QPainterPath head;
    head.addEllipse(QPointF(0, 0), 9.5, 6.5);
    QPainterPath note = QTransform().translate(-7, 13).rotate(-25).map(head);
    QPainterPath stem;
    stem.addRect(QRectF(QPointF(1.0, -22.45), QPointF(5.3, 12)));
    note = note.united(stem);
    QPainterPath flag;
    flag.moveTo(5.3, -16);
    flag.cubicTo(8, -12, 14.5, -9, 11, 1);
    flag.cubicTo(12, -5, 8, -9, 5.3, -9);
    flag.closeSubpath();
    return note.united(flag);
}

}  // namespace

QPainterPath noteOutline() {
    const QPainterPath rough = roughNote();
    const QRectF from = rough.boundingRect();
    QTransform fit;
    fit.translate(kNoteBox.left(), kNoteBox.top());
    fit.scale(kNoteBox.width() / from.width(), kNoteBox.height() / from.height());
    fit.translate(-from.left(), -from.top());
    return fit.map(rough);
}

std::shared_ptr<VectorShape> makeNoteIcon() {
    // The edge is drawn inside the fill's outline, so the icon keeps its size exactly.
    QPainterPathStroker stroker;
    stroker.setWidth(2 * kEdgeWidth);
    const QPainterPath outline = noteOutline();
    const QPainterPath edge = stroker.createStroke(outline).intersected(outline);
    return makeShape({{outline, kNoteGreen}, {edge, kNoteEdge}});
}

std::shared_ptr<VectorShape> makeOffIcon() {
    auto icon = makeNoteIcon();
    // The slash runs corner to corner, clipped to the note's box.
    QPainterPathStroker stroker;
    stroker.setWidth(kSlashWidth);
    QPainterPath line;
    line.moveTo(kNoteBox.topLeft());
    line.lineTo(kNoteBox.bottomRight());
    QPainterPath box;
    box.addRect(kNoteBox);
    icon->addFill({stroker.createStroke(line).intersected(box), kSlash});
    return icon;
}

std::shared_ptr<StaticText> makeControlLabel(const QString& text, const QRectF& box) {
    auto label = std::make_shared<StaticText>(text, fonts::verdana(kLabelPx, true), Qt::black, box, Qt::AlignCenter);
    label->setFilters({GlowFilter{Qt::white, 5, 5, 3, 1}});
    return label;
}

Filter controlGlow() { return GlowFilter{Qt::white, 5, 5, 1, 1}; }

}  // namespace valdorn
