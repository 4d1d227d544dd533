#include "host/Unit_Text2.h"

#include <QLabel>
#include <QPushButton>

#include "game/GameFonts.h"
#include "host/Application.h"
#include "host/Glyphs.h"
#include "host/HostWidgets.h"
#include "host/ShadowLabel.h"
#include "host/Unit_pass1.h"
#include "host/WindowPlacement.h"

TForm_Text2* Form_Text2 = nullptr;

namespace {

ShadowLabel* makeLabel(const char* name, const QString& text, QPoint topLeft, QWidget* parent) {
    auto* label = new ShadowLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(valdorn::fonts::tahoma(16, true));
    label->setTextColor(QColor(0x00, 0x00, 0x80));
    label->move(topLeft);
    label->setAutoSize(true);
    return label;
}

}  // namespace

TForm_Text2::TForm_Text2(const valdorn::AssetLibrary& assets, QWidget* parent)
    // The caption is always replaced by the code before the window is shown.
    : HostDialog(QStringLiteral("Вальдорн-5"), QSize(326, 321), Qt::Dialog | valdorn::flags::kCloseOnly, parent) {
    setObjectName(QStringLiteral("Form_Text2"));

    Image1 = valdorn::makeBanner(assets, QRect(8, 108, 309, 160), this);
    Image1->setObjectName(QStringLiteral("Image1"));

    Label1 = makeLabel("Label1", QStringLiteral("Вот, собственно, и все..."), QPoint(61, 8), this);
    Label2 = makeLabel("Label2", QStringLiteral("Примите наши поздравления."), QPoint(37, 33), this);
    Label3 = makeLabel("Label3", QStringLiteral("Ваш последний бонусный код:"), QPoint(35, 58), this);
    Label4 = makeLabel("Label4", QStringLiteral("ZQ99CODE6"), QPoint(114, 83), this);

    BitBtn1 = valdorn::makeGlyphButton(valdorn::glyphs::checkMark(), QStringLiteral("ZQ"), QRect(126, 288, 75, 25),
                                       this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setFont(valdorn::fonts::tahoma(11, true));
    QPalette buttonPalette = BitBtn1->palette();
    buttonPalette.setColor(QPalette::ButtonText, Qt::white);
    BitBtn1->setPalette(buttonPalette);
    BitBtn1->setDefault(true);
    BitBtn1->setFocus();

    connect(BitBtn1, &QPushButton::clicked, this, valdorn::guarded([this] { accept(); }));
}

void TForm_Text2::placeOnShow() {
    const QRect over = Form_Pass ? Form_Pass->frameGeometry() : desktopRect();
    move(valdorn::placement::centredOver(over, frameGeometry().size(), desktopRect()));
}
