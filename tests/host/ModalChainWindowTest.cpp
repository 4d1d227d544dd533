// The run's window sequence: briefing, then game window, then (on the final screen) the completion
// window; who owns which window; and that the gate's closing is the end of it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

#include "WindowTestSupport.h"
#include "host/ShadowLabel.h"

namespace valdorn::testing {
namespace {

enum class CloseBy { Button, EnterOnButton, EnterInTextBox, CloseBox };

struct BriefingCase {
    const char* name;
    CloseBy closeBy;
};
void PrintTo(const BriefingCase& c, std::ostream* out) { *out << c.name; }


class ModalChainTest : public HostWindowsTest, public ::testing::WithParamInterface<BriefingCase> {};

// However the briefing is closed, the game window opens after it (never before or beside it), owned
// by the gate; closing the game window closes the gate, which ends the run.
TEST_P(ModalChainTest, briefingThenGameWindowThenTheEnd) {
    std::vector<QString> shown;
    OnShown briefing(Form_Text, [&] {
        shown.push_back(Form_Text->objectName());
        EXPECT_TRUE(Form_Text->isModal());
        EXPECT_EQ(Form_Text->parentWidget(), Form_Pass);
        EXPECT_TRUE(Form_Pass->isVisible());
        EXPECT_FALSE(Form_Main->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), Form_Text);
        switch (GetParam().closeBy) {
        case CloseBy::Button: Form_Text->BitBtn1->click(); break;
        case CloseBy::EnterOnButton: QTest::keyClick(Form_Text->BitBtn1, Qt::Key_Return); break;
        case CloseBy::EnterInTextBox:
            QTest::keyClick(Form_Text->RichEdit1, Qt::Key_Return);
            EXPECT_EQ(Form_Text->RichEdit1->document()->blockCount(), 18);
            break;
        case CloseBy::CloseBox: Form_Text->close(); break;
        }
    });
    OnShown game(Form_Main, [&] {
        shown.push_back(Form_Main->objectName());
        EXPECT_FALSE(Form_Text->isVisible());
        EXPECT_TRUE(Form_Pass->isVisible());
        EXPECT_EQ(Form_Main->parentWidget(), Form_Pass);
        EXPECT_EQ(QApplication::activeModalWidget(), Form_Main);
        Form_Main->close();
    });
    QSignalSpy gateFinished(Form_Pass, &QDialog::finished);

    Form_Pass->show();
    Form_Pass->Ed_Pass->setText(QStringLiteral("k7w31motr4px8hf"));
    QTest::keyClick(Form_Pass->Ed_Pass, Qt::Key_Return);  // returns once the chain has ended

    EXPECT_EQ(shown, (std::vector<QString>{QStringLiteral("Form_Text"), QStringLiteral("Form_Main")}));
    EXPECT_EQ(gateFinished.count(), 1);
    EXPECT_FALSE(Form_Pass->isVisible());
    EXPECT_FALSE(Form_Main->isVisible());
    EXPECT_EQ(beeps, 0);
    EXPECT_TRUE(errors.empty());
}

INSTANTIATE_TEST_SUITE_P(WaysToCloseTheBriefing, ModalChainTest,
                         ::testing::Values(BriefingCase{"button", CloseBy::Button},
                                           BriefingCase{"enterOnButton", CloseBy::EnterOnButton},
                                           BriefingCase{"enterInTextBox", CloseBy::EnterInTextBox},
                                           BriefingCase{"closeBox", CloseBy::CloseBox}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

class CompletionChainTest : public HostWindowsTest {};

// On the final screen the completion window opens in front of the game window, centred over the gate,
// showing the same code in its label and caption; closing it leaves the game window usable and the
// run going; closing the game window then ends it.
TEST_F(CompletionChainTest, completionWindowReturnsToTheGameWindow) {
    std::vector<QString> shown;
    bool gameWindowUsableAgain = false;
    OnShown briefing(Form_Text, [&] {
        shown.push_back(Form_Text->objectName());
        Form_Text->BitBtn1->click();
    });
    OnShown game(Form_Main, [&] {
        shown.push_back(Form_Main->objectName());
        Form_Main->setFrameNumSource([] { return kFinalScreen; });
        Form_Main->Timer1->setInterval(1);
    });
    OnShown completion(Form_Text2, [&] {
        shown.push_back(Form_Text2->objectName());
        EXPECT_EQ(Form_Text2->parentWidget(), Form_Main);
        EXPECT_TRUE(Form_Main->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), Form_Text2);
        EXPECT_FALSE(Form_Main->Timer1->isActive());

        const QString code = Form_Text2->Label4->text();
        EXPECT_EQ(code.size(), 8);
        EXPECT_EQ(Form_Text2->windowTitle(), QStringLiteral("Вальдорн-5 ") + code);
        EXPECT_EQ(Form_Text2->Label4->width(), Form_Text2->Label4->sizeHint().width());
        EXPECT_EQ(Form_Text2->Label4->pos(), QPoint(114, 83));

        const QRect gate = Form_Pass->frameGeometry();
        const QRect self = Form_Text2->frameGeometry();
        EXPECT_EQ(self.left(), gate.left() + (gate.width() - self.width()) / 2);
        EXPECT_EQ(self.top(), gate.top() + (gate.height() - self.height()) / 2);

        QTest::keyClick(Form_Text2->BitBtn1, Qt::Key_Return);
        EXPECT_FALSE(Form_Text2->isVisible());
        // Back in the game window's loop: it is the modal window again and the run goes on.
        QTimer::singleShot(20, [&] {
            gameWindowUsableAgain = Form_Main->isVisible() && Form_Pass->isVisible() &&
                                    QApplication::activeModalWidget() == Form_Main;
            Form_Main->close();
        });
    });
    QSignalSpy gateFinished(Form_Pass, &QDialog::finished);

    Form_Pass->show();
    Form_Pass->Ed_Pass->setText(QStringLiteral("K7W31MOTR4PX8HF"));
    Form_Pass->BitBtn1->click();

    EXPECT_EQ(shown, (std::vector<QString>{QStringLiteral("Form_Text"), QStringLiteral("Form_Main"),
                                           QStringLiteral("Form_Text2")}));
    EXPECT_TRUE(gameWindowUsableAgain);
    EXPECT_EQ(completion.shows(), 1);
    EXPECT_EQ(gateFinished.count(), 1);
}

class GateClosingTest : public HostWindowsTest {};

// Closing the gate before any password ends the run with no other window ever shown.
TEST_F(GateClosingTest, closingTheGateFirstShowsNothingElse) {
    OnShown briefing(Form_Text, [] { Form_Text->close(); });
    QSignalSpy gateFinished(Form_Pass, &QDialog::finished);
    Form_Pass->show();
    Form_Pass->BitBtn2->click();
    EXPECT_EQ(gateFinished.count(), 1);
    EXPECT_FALSE(Form_Pass->isVisible());
    EXPECT_EQ(briefing.shows(), 0);
    EXPECT_FALSE(Form_Main->isVisible());
}

}  // namespace
}  // namespace valdorn::testing
