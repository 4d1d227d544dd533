#include "game/GameFonts.h"

namespace valdorn::fonts {
namespace {

QFont make(const QString& family, qreal px, bool bold, QFont::StyleHint hint) {
    QFont font(family);
    font.setStyleHint(hint);
    font.setPixelSize(qMax(1, qRound(px)));
    font.setBold(bold);
    return font;
}

}  // namespace

QFont tahoma(qreal px, bool bold) { return make("DejaVu Sans", px, bold, QFont::SansSerif); }
QFont verdana(qreal px, bool bold) { return make("DejaVu Sans", px, bold, QFont::SansSerif); }
QFont arial(qreal px, bool bold) { return make("Liberation Sans", px, bold, QFont::SansSerif); }
QFont arialBlack(qreal px) {
    QFont font = make("DejaVu Sans", px, true, QFont::SansSerif);
    font.setWeight(QFont::Black);
    return font;
}
QFont stencil(qreal px) { return make("DejaVu Sans", px, true, QFont::SansSerif); }
QFont handwriting(qreal px) { return make("DejaVu Serif", px, false, QFont::Cursive); }
QFont monospace(qreal px, bool bold) { return make("DejaVu Sans Mono", px, bold, QFont::Monospace); }

}  // namespace valdorn::fonts
