#pragma once
// Draws the display tree at the surface's real resolution. The 700 x 550 stage is scaled uniformly
// to the largest size that fits the surface and centred ("ShowAll"); the bands beside it are white.
// Vector art and text are drawn through the scaled transform, so they stay crisp at any size.
// Filtered static artwork is drawn once into a picture per scale and reused while it is unchanged.

#include <QImage>
#include <QSize>
#include <QTransform>
#include <memory>
#include <unordered_map>

#include "game/ColorTransform.h"

class QPainter;

namespace valdorn {

class DisplayObject;

inline constexpr double kStageWidth = 700;   // px
inline constexpr double kStageHeight = 550;  // px

class Renderer {
public:
    // Stage coordinates to surface pixels.
    static QTransform showAll(QSizeF surface);

    void render(QPainter& painter, const DisplayObject& root, QSize surface);

private:
    struct Frame;
    struct CachedPicture {
        std::weak_ptr<const DisplayObject> owner;
        quint64 revision = 0;
        QTransform linear;     // the object's placement without its translation
        QTransform placement;  // the whole placement, which matters when the picture was cut to the surface
        bool clamped = false;
        QRectF visible;  // what could be seen when it was made, which matters when it was cut
        ColorTransform color;
        QImage picture;
        QPointF offset;  // picture's top-left relative to the object's origin, device pixels
    };

    void draw(Frame& frame, const DisplayObject& object, const QTransform& parentToDevice, double opacity,
              const ColorTransform& color);
    void drawContent(Frame& frame, const DisplayObject& object, const QTransform& toDevice, double opacity,
                     const ColorTransform& color);
    void drawFiltered(Frame& frame, const DisplayObject& object, const QTransform& toDevice, double opacity,
                      const ColorTransform& color);
    QImage filteredPicture(const Frame& outer, const DisplayObject& object, const QTransform& toDevice,
                           const ColorTransform& color, QPointF& topLeft, bool& clamped);

    std::unordered_map<const DisplayObject*, CachedPicture> cache_;
};

}  // namespace valdorn
