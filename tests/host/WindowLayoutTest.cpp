// The four windows as laid out: captions, client sizes, caption buttons, control bounds, tab order,
// the briefing's text, and a few pixels that show the colours really reach the screen.

#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTest>
#include <QTextEdit>

#include "WindowTestSupport.h"
#include "host/ShadowLabel.h"

namespace valdorn::testing {
namespace {

QWidget* windowNamed(const QString& name) {
    for (QWidget* window : {static_cast<QWidget*>(Form_Pass), static_cast<QWidget*>(Form_Text),
                            static_cast<QWidget*>(Form_Main), static_cast<QWidget*>(Form_Text2)}) {
        if (window->objectName() == name)
            return window;
    }
    return nullptr;
}

class WindowLayoutTest : public HostWindowsTest {};

TEST_F(WindowLayoutTest, windowsHaveTheirCaptionsSizesAndCaptionButtons) {
    struct Row {
        const char* window;
        QString caption;
        QSize client;
        bool minimise;
    };
    const Row rows[] = {
        {"Form_Pass", QStringLiteral("Вальдорн 5 (допуск)"), {472, 334}, true},
        {"Form_Text", QStringLiteral("Вальдорн 5   Интро"), {428, 288}, false},
        {"Form_Main", QStringLiteral("Вальдорн 5"), {714, 560}, false},
        {"Form_Text2", QStringLiteral("Вальдорн-5"), {326, 321}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.window);
        QWidget* window = windowNamed(QString::fromLatin1(row.window));
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), row.caption);
        EXPECT_EQ(window->size(), row.client);
        EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "resizable";
        const Qt::WindowFlags flags = window->windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
        EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(flags.testFlag(Qt::WindowMinimizeButtonHint), row.minimise);
        EXPECT_EQ(window->font().pixelSize(), 11);
        EXPECT_FALSE(window->isVisible());
    }
    // Only the gate is a window of its own; the rest are dialogs, owned by whoever opens them.
    EXPECT_EQ(Form_Pass->windowType(), Qt::Window);
    EXPECT_EQ(Form_Text->windowType(), Qt::Dialog);
    EXPECT_EQ(Form_Main->windowType(), Qt::Dialog);
    EXPECT_EQ(Form_Text2->windowType(), Qt::Dialog);
}

TEST_F(WindowLayoutTest, controlsHaveTheirBounds) {
    struct Row {
        const char* window;
        const char* control;
        QRect bounds;
    };
    const Row rows[] = {
        {"Form_Pass", "Image1", {-1, 72, 473, 223}},   {"Form_Pass", "Ed_Pass", {113, 39, 250, 27}},
        {"Form_Pass", "BitBtn1", {55, 301, 75, 25}},   {"Form_Pass", "BitBtn2", {347, 301, 75, 25}},
        {"Form_Text", "Panel1", {8, 8, 410, 241}},     {"Form_Text", "RichEdit1", {1, 1, 408, 239}},
        {"Form_Text", "BitBtn1", {176, 255, 75, 25}},  {"Form_Text", "JvLabel1", {336, 242, 70, 43}},
        {"Form_Main", "Flash", {3, 3, 708, 554}},      {"Form_Text2", "Image1", {8, 108, 309, 160}},
        {"Form_Text2", "BitBtn1", {126, 288, 75, 25}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.window) + "." + row.control);
        const auto* control = windowNamed(QString::fromLatin1(row.window))->findChild<QWidget*>(row.control);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), row.bounds);
    }
}

// Labels that size themselves keep their left and top; their width and height follow the text.
TEST_F(WindowLayoutTest, selfSizingLabelsKeepTheirCornerAndFollowTheirText) {
    struct Row {
        const char* window;
        const char* control;
        QPoint topLeft;
    };
    const Row rows[] = {
        {"Form_Pass", "JvLabel1", {97, 8}}, {"Form_Text2", "Label1", {61, 8}},  {"Form_Text2", "Label2", {37, 33}},
        {"Form_Text2", "Label3", {35, 58}}, {"Form_Text2", "Label4", {114, 83}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.window) + "." + row.control);
        auto* label = windowNamed(QString::fromLatin1(row.window))->findChild<ShadowLabel*>(row.control);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->pos(), row.topLeft);
        const QFontMetrics metrics(label->font());
        const QPoint shadow = label->shadowColor().isValid() ? label->shadowOffset() : QPoint();
        EXPECT_EQ(label->size(), QSize(metrics.horizontalAdvance(label->text()) + shadow.x(),
                                       metrics.height() + shadow.y()));
    }
    ShadowLabel* code = Form_Text2->Label4;
    const int placeholderWidth = code->width();
    code->setText(QStringLiteral("WWWWWWWWWWWW"));
    EXPECT_EQ(code->pos(), QPoint(114, 83));
    EXPECT_GT(code->width(), placeholderWidth);
}

TEST_F(WindowLayoutTest, briefingShowsItsEighteenParagraphsCentred) {
    const QString signature = QStringLiteral("Удачи!!!") + QString(67, u' ') + QStringLiteral("Команда Vortel.");
    const QStringList expected{
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
        QStringLiteral("Итого: игра содержит 6 уровней. На уровнях ") + QChar(u'"') + QStringLiteral("спрятаны") +
            QChar(u'"') + QChar(u' '),
        QStringLiteral("бонусные коды, которые необходимо вводить в бонусные "),
        QStringLiteral("поля на нашем любимом сайте. "),
        QStringLiteral("Коды ищите начиная со ВТОРОГО уровня. "),
        QStringLiteral("Всего в этой игре 6 кодов. Игра не ограничена по времени."),
        QString(),
        signature,
    };
    const QTextDocument* document = Form_Text->RichEdit1->document();
    ASSERT_EQ(document->blockCount(), expected.size());
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        SCOPED_TRACE(block.blockNumber() + 1);
        EXPECT_EQ(block.text(), expected[block.blockNumber()]);
        EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    }
    QTextEdit* box = Form_Text->RichEdit1;
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(box->lineWrapMode(), QTextEdit::WidgetWidth);
}

// Typing into the briefing's box changes nothing; Tab leads there from the button, which has the focus first.
TEST_F(WindowLayoutTest, briefingTextCannotBeChanged) {
    EXPECT_EQ(Form_Text->focusWidget(), Form_Text->BitBtn1);
    Form_Text->show();
    QTest::keyClick(Form_Text->BitBtn1, Qt::Key_Tab);
    EXPECT_EQ(Form_Text->focusWidget(), Form_Text->RichEdit1);
    const QString before = Form_Text->RichEdit1->toPlainText();
    QTest::keyClicks(Form_Text->RichEdit1, QStringLiteral("abc"));
    QTest::keyClick(Form_Text->RichEdit1, Qt::Key_Delete);
    EXPECT_EQ(Form_Text->RichEdit1->toPlainText(), before);
    Form_Text->hide();
}

// Rendered, the colours are where the windows say: pale-yellow field, green briefing box, lime label
// over an olive shadow.
TEST_F(WindowLayoutTest, coloursReachThePixels) {
    const QImage gate = Form_Pass->grab().toImage();
    const QColor toolTip = Form_Pass->palette().color(QPalette::ToolTipBase);
    EXPECT_EQ(gate.pixelColor(Form_Pass->Ed_Pass->geometry().topLeft() + QPoint(6, 6)), toolTip);

    const QImage label = Form_Pass->JvLabel1->grab().toImage();
    int lime = 0;
    int olive = 0;
    for (int y = 0; y < label.height(); ++y) {
        for (int x = 0; x < label.width(); ++x) {
            const QColor c = label.pixelColor(x, y);
            lime += c == QColor(0, 255, 0);
            olive += c == QColor(128, 128, 0);
        }
    }
    EXPECT_GT(lime, 100);
    EXPECT_GT(olive, 20);

    const QImage briefing = Form_Text->grab().toImage();
    EXPECT_EQ(briefing.pixelColor(Form_Text->Panel1->geometry().topLeft() + QPoint(6, 6)), QColor(0, 128, 0));
}

}  // namespace
}  // namespace valdorn::testing
