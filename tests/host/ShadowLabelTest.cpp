// The label with a shadow, a rounded frame and rotation, checked on its rendered pixels.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "game/GameFonts.h"
#include "host/ShadowLabel.h"

namespace {

// Renders the label over white and returns the picture.
QImage render(ShadowLabel& label) {
    QImage image(label.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// The box around the pixels of exactly `color`.
QRect boundsOf(const QImage& image, const QColor& color) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

// The shadow is the text's copy moved by the offset, and lies under the text.
TEST(ShadowLabelTest, shadowIsTheTextMovedByTheOffset) {
    ShadowLabel label(QStringLiteral("Пароль"));
    label.setFont(valdorn::fonts::tahoma(19, true));
    label.setTextColor(QColor(0, 255, 0));
    label.setShadow(QColor(128, 128, 0), QPoint(2, 2));
    label.setAutoSize(true);
    const QImage image = render(label);
    const QRect text = boundsOf(image, QColor(0, 255, 0));
    const QRect shadow = boundsOf(image, QColor(128, 128, 0));
    ASSERT_FALSE(text.isEmpty());
    ASSERT_FALSE(shadow.isEmpty());
    EXPECT_NEAR(shadow.right() - text.right(), 2, 1);
    EXPECT_NEAR(shadow.bottom() - text.bottom(), 2, 1);
    EXPECT_TRUE(QRect(QPoint(), label.size()).contains(shadow));
}

// The frame runs along the bounds, with its corners rounded off.
TEST(ShadowLabelTest, frameRunsAlongTheBoundsWithRoundedCorners) {
    ShadowLabel label(QStringLiteral("x"));
    label.resize(60, 24);
    label.setFrame(Qt::black, 3);
    const QImage image = render(label);
    EXPECT_EQ(image.pixelColor(30, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(30, 23), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(0, 12), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(59, 12), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white)) << "corner not rounded";
}

// Turned counter-clockwise, the text rises to the right: its right half sits higher than its left.
TEST(ShadowLabelTest, turnedTextRisesToTheRight) {
    ShadowLabel label(QStringLiteral("6 кодов"));
    label.setFont(valdorn::fonts::tahoma(16, true));
    label.resize(70, 43);
    label.setTextColor(Qt::black);
    label.setAngle(20);
    const QImage image = render(label);
    auto meanY = [&](int from, int to) {
        double sum = 0;
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = from; x < to; ++x)
                if (qGray(image.pixel(x, y)) < 100) {
                    sum += y;
                    ++count;
                }
        return count ? sum / count : -1.0;
    };
    const double left = meanY(0, 35);
    const double right = meanY(35, 70);
    ASSERT_GE(left, 0);
    ASSERT_GE(right, 0);
    EXPECT_LT(right, left - 4);
}

}  // namespace
