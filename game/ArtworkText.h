#pragma once
// Lettering as vector outlines. Titles, labels and the logo's words are artwork, not text: turning
// them into paths keeps them crisp at any window size and lets a layout's box be met exactly,
// whatever the metrics of the face that draws them.

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace valdorn {

// The outline of `text` with its baseline starting at `start`.
QPainterPath textPath(const QString& text, const QFont& font, QPointF start = {});

// The outline moved (and scaled) so its ink fills `box`: exactly (IgnoreAspectRatio) or as large as
// fits, centred (KeepAspectRatio). An empty text or a face without the glyphs gives an empty path.
QPainterPath fittedTextPath(const QString& text, const QFont& font, const QRectF& box,
                            Qt::AspectRatioMode mode = Qt::IgnoreAspectRatio);

// The outline at the font's own size with its ink centred on `centre`.
QPainterPath centredTextPath(const QString& text, const QFont& font, QPointF centre);

}  // namespace valdorn
