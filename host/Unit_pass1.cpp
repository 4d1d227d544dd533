#include "host/Unit_pass1.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <limits>

#include "game/AssetLibrary.h"
#include "game/GameFonts.h"
#include "host/Application.h"
#include "host/Glyphs.h"
#include "host/HostWidgets.h"
#include "host/ShadowLabel.h"
#include "host/Unit_Text1.h"
#include "host/Unit_Valdorn1.h"
#include "host/WindowPlacement.h"

TForm_Pass* Form_Pass = nullptr;

namespace valdorn {

bool passwordAccepted(const QString& typed) { return QLocale().toUpper(typed) == kAccessPassword; }

}  // namespace valdorn

TForm_Pass::TForm_Pass(const valdorn::AssetLibrary& assets, QWidget* parent)
    : HostDialog(QStringLiteral("Вальдорн 5 (допуск)"), QSize(472, 334),
                 Qt::Window | valdorn::flags::kCloseOnly | Qt::WindowMinimizeButtonHint, parent),
      beep_(&QApplication::beep) {
    setObjectName(QStringLiteral("Form_Pass"));

    Image1 = valdorn::makeBanner(assets, QRect(-1, 72, 473, 223), this);
    Image1->setObjectName(QStringLiteral("Image1"));

    JvLabel1 = new ShadowLabel(QStringLiteral("Пароль для допуска в игру:"), this);
    JvLabel1->setObjectName(QStringLiteral("JvLabel1"));
    JvLabel1->move(97, 8);
    JvLabel1->setFont(valdorn::fonts::tahoma(19, true));
    JvLabel1->setTextColor(QColor(0x00, 0xFF, 0x00));
    JvLabel1->setShadow(QColor(0x80, 0x80, 0x00), QPoint(2, 2));
    JvLabel1->setFrame(Qt::black, 3);
    JvLabel1->setAutoSize(true);

    Ed_Pass = new QLineEdit(this);
    Ed_Pass->setObjectName(QStringLiteral("Ed_Pass"));
    Ed_Pass->setGeometry(113, 39, 250, 27);
    Ed_Pass->setAlignment(Qt::AlignCenter);
    Ed_Pass->setFont(valdorn::fonts::tahoma(16));
    Ed_Pass->setMaxLength(std::numeric_limits<int>::max());
    QPalette editPalette = Ed_Pass->palette();
    editPalette.setColor(QPalette::Base, editPalette.color(QPalette::ToolTipBase));
    editPalette.setColor(QPalette::Text, QColor(0x00, 0x80, 0x00));
    Ed_Pass->setPalette(editPalette);

    BitBtn1 = valdorn::makeGlyphButton(valdorn::glyphs::checkMark(), QStringLiteral("OK"), QRect(55, 301, 75, 25), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);

    BitBtn2 = valdorn::makeGlyphButton(valdorn::glyphs::openDoor(), QStringLiteral("&Close"), QRect(347, 301, 75, 25),
                                       this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));

    setTabOrder(Ed_Pass, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    Ed_Pass->setFocus();

    connect(BitBtn1, &QPushButton::clicked, this, valdorn::guarded([this] { BitBtn1Click(); }));
    connect(BitBtn2, &QPushButton::clicked, this, valdorn::guarded([this] { close(); }));
}

void TForm_Pass::BitBtn1Click() {
    if (valdorn::passwordAccepted(Ed_Pass->text())) {
        execOwnedBy(*Form_Text, *this);
        execOwnedBy(*Form_Main, *this);
        return;
    }
    beep_();
    Ed_Pass->clear();
    Ed_Pass->setFocus();
}

void TForm_Pass::placeOnShow() {
    move(valdorn::placement::centredOnDesktop(desktopRect(), frameGeometry().size()));
}
