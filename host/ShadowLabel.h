#pragma once
// A label drawn by hand: its text over a shadow copy of the text (own colour and offset), an optional
// rounded frame along its bounds, and optional rotation. Everything is painted within the label's
// bounds on its parent's background (no fill of its own), so what lies behind shows through.

#include <QColor>
#include <QPoint>
#include <QString>
#include <QWidget>

class ShadowLabel : public QWidget {
    Q_OBJECT
public:
    explicit ShadowLabel(const QString& text = {}, QWidget* parent = nullptr);

    void setText(const QString& text);
    [[nodiscard]] QString text() const { return text_; }

    void setTextColor(const QColor& color);
    [[nodiscard]] QColor textColor() const { return textColor_; }

    // The shadow copy lies `offset` pixels right and down of the text, drawn under it. An invalid
    // colour draws no shadow.
    void setShadow(const QColor& color, QPoint offset);
    [[nodiscard]] QColor shadowColor() const { return shadowColor_; }
    [[nodiscard]] QPoint shadowOffset() const { return shadowOffset_; }

    // A one-pixel frame with rounded corners along the bounds. An invalid colour draws none.
    void setFrame(const QColor& color, qreal cornerRadius);
    [[nodiscard]] QColor frameColor() const { return frameColor_; }

    // The text turns about the label's centre; positive is counter-clockwise (rising to the right).
    void setAngle(qreal degreesCounterClockwise);
    [[nodiscard]] qreal angle() const { return angle_; }

    // With auto-size on, the bounds follow the text (and the shadow's reach); the top-left corner stays.
    void setAutoSize(bool on);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitToText();

    QString text_;
    QColor textColor_{Qt::black};
    QColor shadowColor_;
    QPoint shadowOffset_;
    QColor frameColor_;
    qreal cornerRadius_ = 0;
    qreal angle_ = 0;
    bool autoSize_ = false;
};
