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

QFont tahoma(qreal px, bool bold) { return make("DejaVu Sans Condensed", px, bold, QFont::SansSerif); }
QFont verdana(qreal px, bool bold) {
    // The condensed faces share the family name "DejaVu Sans"; ask for the normal width.
    QFont font = make("DejaVu Sans", px, bold, QFont::SansSerif);
    font.setStretch(QFont::Unstretched);
    return font;
}
QFont arial(qreal px, bool bold) { return make("Liberation Sans", px, bold, QFont::SansSerif); }
QFont arialBlack(qreal px) {
    QFont font = make("Roboto", px, true, QFont::SansSerif);
    font.setWeight(QFont::Black);
    return font;
}
QFont stencil(qreal px) {
    // The family also names a plain face (not embedded, but a system may have it).
    QFont font = make("Allerta", px, false, QFont::SansSerif);
    font.setStyleName("Stencil");
    return font;
}
QFont handwriting(qreal px) { return make("Kaushan Script", px, false, QFont::Cursive); }
QFont monospace(qreal px, bool bold) { return make("Liberation Mono", px, bold, QFont::Monospace); }

}  // namespace valdorn::fonts
