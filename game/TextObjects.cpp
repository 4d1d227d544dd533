#include "game/TextObjects.h"

#include <QFontMetricsF>
#include <QPainter>

#include "game/SharedVariables.h"

namespace valdorn {

StaticText::StaticText(QString text, QFont font, QColor color, QRectF box, int flags)
    : text_(std::move(text)), font_(std::move(font)), color_(color), box_(box), flags_(flags) {}

std::shared_ptr<StaticText> StaticText::atBaseline(const QString& text, const QFont& font, const QColor& color,
                                                   QPointF start) {
    const QFontMetricsF metrics(font);
    const QRectF box(start.x(), start.y() - metrics.ascent(), metrics.horizontalAdvance(text) + 1,
                     metrics.height());
    return std::make_shared<StaticText>(text, font, color, box, Qt::AlignLeft | Qt::AlignTop);
}

void StaticText::setLetterSpacing(double px) { font_.setLetterSpacing(QFont::AbsoluteSpacing, px); }

void StaticText::paint(QPainter& painter, const PaintContext& context) const {
    painter.setFont(font_);
    painter.setPen(context.color.apply(color_));
    painter.drawText(box_, flags_, text_);
}

TextField::TextField(QFont font, QColor color, QRectF box, int flags)
    : font_(std::move(font)), color_(color), box_(box), flags_(flags) {}

void TextField::bind(SharedVariables* variables, const QString& name) {
    variables_ = variables;
    variable_ = name;
}

QString TextField::text() const {
    return variables_ ? formatValue(variables_->get(variable_)) : text_;
}

void TextField::setText(const QString& text) {
    if (variables_)
        variables_->set(variable_, parseValue(text));
    else
        text_ = text;
}

void TextField::paint(QPainter& painter, const PaintContext& context) const {
    painter.setFont(font_);
    painter.setPen(context.color.apply(color_));
    painter.drawText(box_, flags_, text());
}

}  // namespace valdorn
