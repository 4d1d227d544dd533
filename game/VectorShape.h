#pragma once
// Vector artwork: filled outlines drawn at the surface's real resolution, so they stay crisp at any
// window size. The pointer hits it where a fill is, not in its bounding box.

#include <QBrush>
#include <QPen>
#include <map>
#include <vector>

#include "game/DisplayObject.h"

namespace valdorn {

struct Fill {
    QPainterPath path;
    QBrush brush;
    QPen pen = Qt::NoPen;
};

class VectorShape : public DisplayObject {
public:
    explicit VectorShape(std::vector<Fill> fills = {});

    [[nodiscard]] const std::vector<Fill>& fills() const { return fills_; }
    void setFills(std::vector<Fill> fills);
    void addFill(Fill fill);
    // Texture brushes are drawn with smoothing unless switched off ("without smoothing").
    void setSmoothTextures(bool smooth) { smoothTextures_ = smooth; }

    void paint(QPainter& painter, const PaintContext& context) const override;
    [[nodiscard]] bool hitsContent(QPointF local) const override;
    [[nodiscard]] QRectF contentBounds() const override;
    [[nodiscard]] QPainterPath contentShape() const override;

private:
    [[nodiscard]] QBrush tinted(const QBrush& brush, const ColorTransform& color) const;

    std::vector<Fill> fills_;
    bool smoothTextures_ = true;
    mutable ColorTransform textureTint_;
    mutable std::map<qint64, QImage> tintedTextures_;
};

// Shorthands for building artwork.
Fill fillRect(const QRectF& rect, const QBrush& brush, const QPen& pen = Qt::NoPen);
Fill fillEllipse(const QRectF& rect, const QBrush& brush, const QPen& pen = Qt::NoPen);
Fill fillPolygon(const QPolygonF& polygon, const QBrush& brush, const QPen& pen = Qt::NoPen);
std::shared_ptr<VectorShape> makeShape(std::vector<Fill> fills);

}  // namespace valdorn
