#include "host/Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace valdorn::glyphs {
namespace {

QImage blankGlyph() {
    QImage image(kGlyphSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The disabled look: the shape in a flat mid grey with a white relief one pixel down and right.
QImage greyed(const QImage& glyph) {
    QImage shape = glyph.convertToFormat(QImage::Format_ARGB32);
    QImage grey = shape;
    QImage relief = shape;
    for (int y = 0; y < shape.height(); ++y) {
        for (int x = 0; x < shape.width(); ++x) {
            const int alpha = qAlpha(shape.pixel(x, y));
            grey.setPixel(x, y, qRgba(128, 128, 128, alpha));
            relief.setPixel(x, y, qRgba(255, 255, 255, alpha));
        }
    }
    QImage result = blankGlyph();
    QPainter painter(&result);
    painter.drawImage(1, 1, relief);
    painter.drawImage(0, 0, grey);
    return result;
}

QIcon withGreyedCopy(const QImage& glyph) {
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(glyph), QIcon::Normal);
    icon.addPixmap(QPixmap::fromImage(greyed(glyph)), QIcon::Disabled);
    return icon;
}

}  // namespace

QIcon checkMark() {
    QImage glyph = blankGlyph();
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(2.5, 9.5);
    tick.lineTo(7, 14);
    tick.lineTo(15.5, 3.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 96, 0), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    painter.setPen(QPen(QColor(0, 192, 0), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    painter.end();
    return withGreyedCopy(glyph);
}

QIcon openDoor() {
    QImage glyph = blankGlyph();
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor outline(64, 40, 16);
    // The doorway: a dark opening in a frame.
    painter.setPen(QPen(outline, 1));
    painter.setBrush(QColor(40, 40, 48));
    painter.drawRect(QRectF(7.5, 1.5, 8, 14));
    // The door leaf, swung open towards the viewer on its left hinge.
    const QPolygonF leaf{QPointF(7.5, 1.5), QPointF(2.5, 3.5), QPointF(2.5, 17.5), QPointF(7.5, 15.5)};
    painter.setBrush(QColor(200, 140, 60));
    painter.drawPolygon(leaf);
    // The knob.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 220, 80));
    painter.drawEllipse(QPointF(4, 10), 0.9, 0.9);
    painter.end();
    return withGreyedCopy(glyph);
}

}  // namespace valdorn::glyphs
