#include "host/ShadowLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

ShadowLabel::ShadowLabel(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
    setFocusPolicy(Qt::NoFocus);
}

void ShadowLabel::setText(const QString& text) {
    text_ = text;
    fitToText();
    update();
}

void ShadowLabel::setTextColor(const QColor& color) {
    textColor_ = color;
    update();
}

void ShadowLabel::setShadow(const QColor& color, QPoint offset) {
    shadowColor_ = color;
    shadowOffset_ = offset;
    fitToText();
    update();
}

void ShadowLabel::setFrame(const QColor& color, qreal cornerRadius) {
    frameColor_ = color;
    cornerRadius_ = cornerRadius;
    update();
}

void ShadowLabel::setAngle(qreal degreesCounterClockwise) {
    angle_ = degreesCounterClockwise;
    update();
}

void ShadowLabel::setAutoSize(bool on) {
    autoSize_ = on;
    fitToText();
}

QSize ShadowLabel::sizeHint() const {
    const QFontMetrics metrics(font());
    QSize size(metrics.horizontalAdvance(text_), metrics.height());
    if (shadowColor_.isValid())
        size += QSize(qAbs(shadowOffset_.x()), qAbs(shadowOffset_.y()));
    return size;
}

void ShadowLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        fitToText();
    QWidget::changeEvent(event);
}

void ShadowLabel::fitToText() {
    if (autoSize_)
        resize(sizeHint());
}

void ShadowLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font());

    if (frameColor_.isValid()) {
        painter.setPen(QPen(frameColor_, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius_, cornerRadius_);
    }

    // The text block leaves room for the shadow's reach, so that text and shadow together fill the bounds.
    const QPoint reach = shadowColor_.isValid() ? shadowOffset_ : QPoint();
    const QSizeF textSize(width() - qAbs(reach.x()), height() - qAbs(reach.y()));
    const QPointF textOrigin(qMax(0, -reach.x()), qMax(0, -reach.y()));
    const auto drawAt = [&](QPointF origin, const QColor& color) {
        painter.save();
        // The shadow's offset is on screen, not along the turned text.
        painter.translate(origin + QPointF(textSize.width() / 2, textSize.height() / 2));
        painter.rotate(-angle_);
        painter.setPen(color);
        // A turned line may be longer than the unturned box; centring a wider box keeps it whole.
        const qreal slack = angle_ == 0 ? 0 : width() + height();
        const QRectF box(-textSize.width() / 2 - slack, -textSize.height() / 2, textSize.width() + 2 * slack,
                         textSize.height());
        painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, text_);
        painter.restore();
    };
    if (shadowColor_.isValid())
        drawAt(textOrigin + reach, shadowColor_);
    drawAt(textOrigin, textColor_);
}
