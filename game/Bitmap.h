#pragma once
// A bitmap picture stretched into a rectangle. Pictures flagged "without smoothing" are drawn
// nearest-neighbour at every scale, so magnification shows their pixels as blocks. Only the part
// that can be seen (inside the current clip and the surface) is drawn, so a photograph enlarged many
// times behind a small window costs no more than the window.

#include <QImage>

#include "game/DisplayObject.h"

namespace valdorn {

class Bitmap : public DisplayObject {
public:
    // `destination` defaults to the picture's own size at (0, 0).
    explicit Bitmap(QImage image, QRectF destination = {}, bool smooth = true);

    [[nodiscard]] const QImage& image() const { return image_; }
    void setImage(QImage image);
    [[nodiscard]] QRectF destination() const { return destination_; }
    void setDestination(const QRectF& destination) { destination_ = destination; }
    [[nodiscard]] bool smooth() const { return smooth_; }

    void paint(QPainter& painter, const PaintContext& context) const override;
    // Bitmaps take the pointer in their whole rectangle.
    [[nodiscard]] bool hitsContent(QPointF local) const override { return destination_.contains(local); }
    [[nodiscard]] QRectF contentBounds() const override { return destination_; }
    [[nodiscard]] QPainterPath contentShape() const override;

private:
    // Draws from a device-resolution copy when that is cheaper; false when the picture must be drawn
    // through the transform.
    bool paintFromCache(QPainter& painter, const QImage& image) const;

    QImage image_;
    QRectF destination_;
    bool smooth_;
    TintedPicture tinted_;
};

}  // namespace valdorn
