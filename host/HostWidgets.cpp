#include "host/HostWidgets.h"

#include <QLabel>
#include <QPushButton>

#include "game/AssetLibrary.h"
#include "host/Glyphs.h"

namespace valdorn {

QLabel* makeBanner(const AssetLibrary& assets, const QRect& bounds, QWidget* parent) {
    auto* banner = new QLabel(parent);
    banner->setGeometry(bounds);
    banner->setScaledContents(true);
    if (const QImage& picture = assets.image(QStringLiteral("banner.jpg")); !picture.isNull())
        banner->setPixmap(QPixmap::fromImage(picture));
    return banner;
}

QPushButton* makeGlyphButton(const QIcon& glyph, const QString& caption, const QRect& bounds, QWidget* parent) {
    auto* button = new QPushButton(glyph, caption, parent);
    button->setGeometry(bounds);
    button->setIconSize(glyphs::kGlyphSize);
    return button;
}

}  // namespace valdorn
