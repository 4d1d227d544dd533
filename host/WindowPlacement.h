#pragma once
// Where the windows go and how big the game window gets: pure arithmetic on screen rectangles, so the
// rules can be checked without a screen. Sizes are outer sizes (frame included); div truncates toward
// zero, as the rules are stated.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtGlobal>

namespace valdorn::placement {

// Centred on the desktop: left = desktop left + desktop width div 2 - width div 2, top likewise,
// neither less than the desktop's left and top edge.
[[nodiscard]] QPoint centredOnDesktop(const QRect& desktop, QSize outer);

// Centred over an area (a window's frame, the work area): left = area left + (area width - width)
// div 2, top likewise, neither less than the desktop's left and top edge.
[[nodiscard]] QPoint centredOver(const QRect& area, QSize outer, const QRect& desktop);

// The game window's client width for a work area `height` pixels high: height x 680 / 550, rounded.
// The stage is 700 x 550 and the window keeps a 3-pixel margin around it, hence 680 rather than 700
// against the full height. Quantities are 16-bit unsigned, as the size rule states; the product is
// formed in 32 bits, so no real screen height overflows.
[[nodiscard]] quint16 gameClientWidth(quint16 workAreaHeight);

// The game window's outer size: client width plus the frame's width, and the work area's full height.
[[nodiscard]] QSize gameOuterSize(quint16 workAreaHeight, quint16 frameWidth);

}  // namespace valdorn::placement
