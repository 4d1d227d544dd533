#pragma once
// The hidden figures: looping animations of small black stick people that peek, aim and shift. Every
// kind is a clip of its own frame count; the pointer hits it only where its body is drawn. Except for
// the walking figure, the body covers the figure's origin in every frame, so a shot at a figure's
// place hits it.
//
// | kind          | frames | size (units)   | what                                    |
// | A             | 207    | 338.3 x 210.1  | lying with a rifle                      |
// | B             | 65     | 335.8 x 347.3  | seated with a rifle                     |
// | C             | 155    | 239.8 x 395.9  | standing                                |
// | D             | 180    | 134.2 x 187.7  | head and shoulders                      |
// | E             | 170    | 265.6 x 351.4  | crouching with a rifle                  |
// | walking       | 292    | 5.4 x 9.2      | walks left 71.25 units, turns, walks back |
// | partly hidden | 1      | 12.4 x 20.5    | kind C at 5.18 %, seen through a window |

#include <QPainterPath>
#include <functional>
#include <memory>
#include <vector>

#include "game/Clip.h"

namespace valdorn {

enum class FigureKind { A, B, C, D, E, Walking, PartlyHidden };

int figureFrameCount(FigureKind kind);

// A fresh figure of `kind`, on its first frame, playing.
std::shared_ptr<Clip> makeFigure(FigureKind kind);

// A clip that draws one outline per frame: the body in black, a cap in red. Every figure of a kind
// shares one table of outlines, each made the first time a frame is shown.
class FigureClip : public Clip {
public:
    class Frames {
    public:
        using Maker = std::function<std::pair<QPainterPath, QPainterPath>(int frame)>;  // body, cap
        Frames(int count, QRectF bounds, Maker maker);
        [[nodiscard]] int count() const { return static_cast<int>(body_.size()); }
        [[nodiscard]] const QPainterPath& body(int frame) const;
        [[nodiscard]] const QPainterPath& cap(int frame) const;  // empty: no cap
        // Of every frame, so cached effects never jump.
        [[nodiscard]] const QRectF& bounds() const { return bounds_; }

    private:
        void make(int frame) const;
        mutable std::vector<QPainterPath> body_, cap_;
        mutable std::vector<bool> made_;
        QRectF bounds_;
        Maker maker_;
    };

    explicit FigureClip(std::shared_ptr<const Frames> frames);

    void paint(QPainter& painter, const PaintContext& context) const override;
    [[nodiscard]] bool hitsContent(QPointF local) const override;
    [[nodiscard]] QRectF contentBounds() const override { return frames_->bounds(); }
    [[nodiscard]] QPainterPath contentShape() const override;

private:
    std::shared_ptr<const Frames> frames_;
};

}  // namespace valdorn
