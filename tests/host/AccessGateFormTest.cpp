// The access gate: which typed texts open the chain, how a refusal looks, and which keys do what.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "WindowTestSupport.h"

namespace valdorn::testing {
namespace {

struct PasswordCase {
    const char* name;
    QString typed;
    bool accepted;
};
void PrintTo(const PasswordCase& c, std::ostream* out) { *out << c.name; }


class PasswordTest : public ::testing::TestWithParam<PasswordCase> {};

// Letters match in any case (the typed text is upper-cased by the locale), everything else exactly.
TEST_P(PasswordTest, typedTextIsAcceptedOnlyWhenItsUpperCaseIsThePassword) {
    EXPECT_EQ(passwordAccepted(GetParam().typed), GetParam().accepted) << GetParam().typed.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PasswordTest,
    ::testing::Values(
        PasswordCase{"exact", QStringLiteral("K7W31MOTR4PX8HF"), true},
        PasswordCase{"lowerCase", QStringLiteral("k7w31motr4px8hf"), true},
        PasswordCase{"mixedCase", QStringLiteral("k7W31mOtR4pX8hF"), true},
        PasswordCase{"leadingSpace", QStringLiteral(" K7W31MOTR4PX8HF"), false},
        PasswordCase{"trailingSpace", QStringLiteral("K7W31MOTR4PX8HF "), false},
        PasswordCase{"trailingTab", QStringLiteral("K7W31MOTR4PX8HF\t"), false},
        PasswordCase{"empty", QString(), false},
        PasswordCase{"oneCharacterShort", QStringLiteral("K7W31MOTR4PX8H"), false},
        PasswordCase{"oneCharacterMore", QStringLiteral("K7W31MOTR4PX8HFF"), false},
        PasswordCase{"oneDigitWrong", QStringLiteral("K7W31MOTR5PX8HF"), false},
        // К М О Т Р Х Н in Cyrillic look like their Latin namesakes but are other letters.
        PasswordCase{"cyrillicLookAlikeCapitals", QStringLiteral("К7W31МОТR4РХ8НF"), false},
        PasswordCase{"cyrillicLookAlikeSmall", QStringLiteral("к7w31мотr4рх8нf"), false},
        PasswordCase{"zeroForLetterO", QStringLiteral("K7W31M0TR4PX8HF"), false}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

class AccessGateTest : public HostWindowsTest {};

// A refusal beeps, empties the field and puts the focus back there, the same way every time, and
// never opens the briefing.
TEST_F(AccessGateTest, everyWrongAttemptBeepsEmptiesTheFieldAndKeepsTheFocusThere) {
    Form_Pass->show();
    const QStringList attempts{QStringLiteral("hello"), QString(), QStringLiteral(" k7w31motr4px8hf"),
                               QStringLiteral("К7W31МОТR4РХ8НF"), QStringLiteral("hello")};
    int attempt = 0;
    for (const QString& typed : attempts) {
        ++attempt;
        Form_Pass->BitBtn2->setFocus();
        Form_Pass->Ed_Pass->setText(typed);
        Form_Pass->BitBtn1->click();
        EXPECT_EQ(beeps, attempt);
        EXPECT_TRUE(Form_Pass->Ed_Pass->text().isEmpty());
        EXPECT_EQ(Form_Pass->focusWidget(), Form_Pass->Ed_Pass);
    }
    EXPECT_TRUE(Form_Pass->isVisible());
    EXPECT_FALSE(Form_Text->isVisible());
    EXPECT_FALSE(Form_Main->isVisible());
}

// Enter in the field presses OK: typed keys and Enter give the same refusal as a click.
TEST_F(AccessGateTest, enterInTheFieldPressesOk) {
    Form_Pass->show();
    QTest::keyClicks(Form_Pass->Ed_Pass, QStringLiteral("wrong"));
    EXPECT_EQ(Form_Pass->Ed_Pass->text(), QStringLiteral("wrong"));
    QTest::keyClick(Form_Pass->Ed_Pass, Qt::Key_Return);
    EXPECT_EQ(beeps, 1);
    EXPECT_TRUE(Form_Pass->Ed_Pass->text().isEmpty());
}

// Enter on the focused Close button closes the gate (and so ends the program) instead of pressing OK.
TEST_F(AccessGateTest, enterWhileCloseHasTheFocusClosesTheGate) {
    QSignalSpy finished(Form_Pass, &QDialog::finished);
    Form_Pass->show();
    Form_Pass->Ed_Pass->setText(QStringLiteral("k7w31motr4px8hf"));
    Form_Pass->BitBtn2->setFocus();
    QTest::keyClick(Form_Pass->BitBtn2, Qt::Key_Return);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(Form_Pass->isVisible());
    EXPECT_FALSE(Form_Text->isVisible());
    EXPECT_EQ(beeps, 0);
}

// There is no cancel button: Esc leaves the gate open and the typed text as it was.
TEST_F(AccessGateTest, escapeDoesNothing) {
    QSignalSpy finished(Form_Pass, &QDialog::finished);
    Form_Pass->show();
    Form_Pass->Ed_Pass->setText(QStringLiteral("abc"));
    QTest::keyClick(Form_Pass->Ed_Pass, Qt::Key_Escape);
    QTest::keyClick(Form_Pass, Qt::Key_Escape);
    EXPECT_TRUE(Form_Pass->isVisible());
    EXPECT_EQ(finished.count(), 0);
    EXPECT_EQ(Form_Pass->Ed_Pass->text(), QStringLiteral("abc"));
}

// The field comes first in the tab order, so it has the focus when the gate opens; then OK, then Close.
TEST_F(AccessGateTest, focusStartsInTheFieldAndTabsToOkThenClose) {
    Form_Pass->show();
    EXPECT_EQ(Form_Pass->focusWidget(), Form_Pass->Ed_Pass);
    QTest::keyClick(Form_Pass->Ed_Pass, Qt::Key_Tab);
    EXPECT_EQ(Form_Pass->focusWidget(), Form_Pass->BitBtn1);
    QTest::keyClick(Form_Pass->BitBtn1, Qt::Key_Tab);
    EXPECT_EQ(Form_Pass->focusWidget(), Form_Pass->BitBtn2);
    EXPECT_EQ(Form_Pass->BitBtn2->shortcut(), QKeySequence(Qt::ALT | Qt::Key_C));
}

// Any length is accepted by the field; the check, not the field, decides.
TEST_F(AccessGateTest, theFieldTakesLongTexts) {
    const QString longText(100000, u'x');
    Form_Pass->Ed_Pass->setText(longText);
    EXPECT_EQ(Form_Pass->Ed_Pass->text().size(), longText.size());
    EXPECT_EQ(Form_Pass->Ed_Pass->echoMode(), QLineEdit::Normal);
}

}  // namespace
}  // namespace valdorn::testing
