#pragma once
// The faces the game and the host draw text with, by role. The real faces travel in the game data
// (free substitutes for the faces the artwork was designed with); the host registers them with Qt
// at start-up, before anything is drawn. Sizes are pixel sizes.
//   role         embedded face (assets/data/font/)
//   tahoma       DejaVu Sans Condensed: Tahoma is Verdana's narrower sibling
//   verdana      DejaVu Sans (Bitstream Vera's metrics are close to Verdana's)
//   arial        Liberation Sans (metric-compatible with Arial)
//   arialBlack   Roboto Black
//   stencil      Allerta Stencil
//   handwriting  Kaushan Script
//   monospace    Liberation Mono (metric-compatible with Courier New)

#include <QFont>

namespace valdorn::fonts {

QFont tahoma(qreal px, bool bold = false);      // host windows' default face
QFont verdana(qreal px, bool bold = false);
QFont arial(qreal px, bool bold = false);
QFont arialBlack(qreal px);
QFont stencil(qreal px);                         // stencil capitals: title, "SHOW ME"
QFont handwriting(qreal px);                     // disc and plate labels
QFont monospace(qreal px, bool bold = false);    // instructions panel, final title

}  // namespace valdorn::fonts
