#pragma once
// Text on the stage. Static text is fixed; a text field either holds its own text or is bound to a
// shared variable, in which case it always shows the variable's current value and setting its text
// sets the variable. Text is drawn as glyphs at the surface's resolution, so it stays crisp.

#include <QColor>
#include <QFont>

#include "game/DisplayObject.h"

namespace valdorn {

class SharedVariables;

class StaticText : public DisplayObject {
public:
    // Text laid out in `box` with Qt alignment flags (Qt::AlignLeft | Qt::TextWordWrap, ...).
    StaticText(QString text, QFont font, QColor color, QRectF box, int flags = Qt::AlignLeft | Qt::AlignTop);
    // A single line starting at `start.x()` with its baseline at `start.y()`.
    static std::shared_ptr<StaticText> atBaseline(const QString& text, const QFont& font, const QColor& color,
                                                  QPointF start);

    [[nodiscard]] const QString& text() const { return text_; }
    [[nodiscard]] const QFont& font() const { return font_; }
    void setColor(const QColor& color) { color_ = color; }
    // Extra space between letters, in pixels.
    void setLetterSpacing(double px);

    void paint(QPainter& painter, const PaintContext& context) const override;
    [[nodiscard]] bool hitsContent(QPointF local) const override { return box_.contains(local); }
    [[nodiscard]] QRectF contentBounds() const override { return box_; }

private:
    QString text_;
    QFont font_;
    QColor color_;
    QRectF box_;
    int flags_;
};

// A bound field reads its variable when drawn, so it always shows the current value; a filtered
// ancestor of one should therefore not cache its picture (setFilters(..., false)).
class TextField : public DisplayObject {
public:
    TextField(QFont font, QColor color, QRectF box, int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);

    // Shows `name` of `variables` from now on; `variables` must outlive the field.
    void bind(SharedVariables* variables, const QString& name);
    [[nodiscard]] QString text() const;
    void setText(const QString& text);

    void paint(QPainter& painter, const PaintContext& context) const override;
    [[nodiscard]] bool hitsContent(QPointF local) const override { return box_.contains(local); }
    [[nodiscard]] QRectF contentBounds() const override { return box_; }

private:
    QFont font_;
    QColor color_;
    QRectF box_;
    int flags_;
    QString text_;
    SharedVariables* variables_ = nullptr;
    QString variable_;
};

}  // namespace valdorn
