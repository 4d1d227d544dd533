#include "game/ArtworkText.h"

#include <QTransform>

namespace valdorn {

QPainterPath textPath(const QString& text, const QFont& font, QPointF start) {
    QPainterPath path;
    path.addText(start, font, text);
    return path;
}

QPainterPath fittedTextPath(const QString& text, const QFont& font, const QRectF& box, Qt::AspectRatioMode mode) {
    const QPainterPath path = textPath(text, font);
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty() || box.isEmpty()) return {};
    double sx = box.width() / ink.width();
    double sy = box.height() / ink.height();
    if (mode != Qt::IgnoreAspectRatio) sx = sy = std::min(sx, sy);
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(sx, sy);
    t.translate(-ink.center().x(), -ink.center().y());
    return t.map(path);
}

QPainterPath centredTextPath(const QString& text, const QFont& font, QPointF centre) {
    const QPainterPath path = textPath(text, font);
    return path.translated(centre - path.boundingRect().center());
}

}  // namespace valdorn
