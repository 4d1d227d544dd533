#include "host/Unit_Text1.h"

#include <QFrame>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include "game/GameFonts.h"
#include "host/Application.h"
#include "host/Glyphs.h"
#include "host/HostWidgets.h"
#include "host/ShadowLabel.h"
#include "host/WindowPlacement.h"

TForm_Text* Form_Text = nullptr;

namespace valdorn {

QStringList briefingParagraphs() {
    return {
        QString(),
        QStringLiteral("Дорогие друзья!"),
        QString(),
        QStringLiteral("Сечас вам предстоит стать на некоторое время снайпером-"),
        QStringLiteral("охотником. Вам необходимо на местности найти и застрелить "),
        QStringLiteral("маааааленьких человечков, которые очень хорошо прячутся, "),
        QStringLiteral("выглядывают и иногда бегают."),
        QStringLiteral("В принципе, все просто: находите человечка, кликаете мышкой и "),
        QStringLiteral("ба-бах - готов!. Нету бабаха - плохой прицел."),
        QStringLiteral("Не забывайте модернизировать оружие ;)"),
        QString(),
        QStringLiteral("Итого: игра содержит 6 уровней. На уровнях \"спрятаны\" "),
        QStringLiteral("бонусные коды, которые необходимо вводить в бонусные "),
        QStringLiteral("поля на нашем любимом сайте. "),
        QStringLiteral("Коды ищите начиная со ВТОРОГО уровня. "),
        QStringLiteral("Всего в этой игре 6 кодов. Игра не ограничена по времени."),
        QString(),
        // The signature is pushed right by a run of spaces; how it wraps is up to the text layout.
        QStringLiteral("Удачи!!!") + QString(67, u' ') + QStringLiteral("Команда Vortel."),
    };
}

}  // namespace valdorn

namespace {

void fillCentred(QTextEdit& box, const QStringList& paragraphs) {
    box.clear();
    QTextCursor cursor(box.document());
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            cursor.insertBlock(centred);
        cursor.insertText(paragraphs[i]);
    }
    box.moveCursor(QTextCursor::Start);
}

}  // namespace

TForm_Text::TForm_Text(QWidget* parent)
    : HostDialog(QStringLiteral("Вальдорн 5   Интро"), QSize(428, 288), Qt::Dialog | valdorn::flags::kCloseOnly,
                 parent) {
    setObjectName(QStringLiteral("Form_Text"));

    // The label lies on the window's own background, under the panel and the button where they meet.
    JvLabel1 = new ShadowLabel(QStringLiteral("6 кодов"), this);
    JvLabel1->setObjectName(QStringLiteral("JvLabel1"));
    JvLabel1->setGeometry(336, 242, 70, 43);
    QFont labelFont = valdorn::fonts::tahoma(16, true);
    labelFont.setItalic(true);
    labelFont.setUnderline(true);
    JvLabel1->setFont(labelFont);
    JvLabel1->setTextColor(QColor(0x80, 0x80, 0x80));
    JvLabel1->setShadow(palette().color(QPalette::Light), QPoint(3, 3));
    JvLabel1->setAngle(20);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 8, 410, 241);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);

    RichEdit1 = new QTextEdit(Panel1);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(1, 1, 408, 239);
    RichEdit1->setReadOnly(true);
    // Selectable by keyboard so that text below the box's edge can be reached by moving inside it.
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RichEdit1->setTabChangesFocus(true);
    RichEdit1->setLineWrapMode(QTextEdit::WidgetWidth);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichEdit1->setFont(valdorn::fonts::tahoma(11, true));
    QPalette textPalette = RichEdit1->palette();
    textPalette.setColor(QPalette::Base, QColor(0x00, 0x80, 0x00));
    textPalette.setColor(QPalette::Text, Qt::white);
    RichEdit1->setPalette(textPalette);
    fillCentred(*RichEdit1, valdorn::briefingParagraphs());

    BitBtn1 = valdorn::makeGlyphButton(valdorn::glyphs::checkMark(), QStringLiteral("ZQ"), QRect(176, 255, 75, 25),
                                       this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);

    setTabOrder(BitBtn1, RichEdit1);
    BitBtn1->setFocus();

    connect(BitBtn1, &QPushButton::clicked, this, valdorn::guarded([this] { accept(); }));
}

void TForm_Text::placeOnShow() {
    move(valdorn::placement::centredOnDesktop(desktopRect(), frameGeometry().size()));
}
