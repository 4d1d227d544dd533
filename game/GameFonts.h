#pragma once
// The faces the game and the host draw text with, by role. The real faces travel in the game data
// (free substitutes for the faces the artwork was designed with); the host registers them with Qt
// at start-up, before anything is drawn. Sizes are pixel sizes.

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
