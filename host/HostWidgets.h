#pragma once
// Controls that several windows build alike.

#include <QIcon>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace valdorn {
class AssetLibrary;

// The quest service's banner picture stretched to `bounds`, aspect ratio not kept. Without the game
// data (tests) the label stays empty.
QLabel* makeBanner(const AssetLibrary& assets, const QRect& bounds, QWidget* parent);

// A push button with an 18 x 18 glyph left of its caption.
QPushButton* makeGlyphButton(const QIcon& glyph, const QString& caption, const QRect& bounds, QWidget* parent);

}  // namespace valdorn
