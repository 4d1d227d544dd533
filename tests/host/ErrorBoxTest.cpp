// The error box: its text, and that an exception leaving a handler is reported once and goes no further.

#include <gtest/gtest.h>

#include <QPushButton>
#include <stdexcept>

#include "host/Application.h"

namespace valdorn {
namespace {

struct TextCase {
    const char* name;
    QString message;
    QString shown;
};
void PrintTo(const TextCase& c, std::ostream* out) { *out << c.name; }


class ErrorBoxTextTest : public ::testing::TestWithParam<TextCase> {};

// A full stop is appended when the last character's code is above the full stop's own (46).
TEST_P(ErrorBoxTextTest, fullStopFollowsTheCharacterCodeRule) {
    EXPECT_EQ(errorBoxText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ErrorBoxTextTest,
    ::testing::Values(TextCase{"letter", QStringLiteral("Access denied"), QStringLiteral("Access denied.")},
                      TextCase{"cyrillic", QStringLiteral("Ошибка"), QStringLiteral("Ошибка.")},
                      TextCase{"digit", QStringLiteral("Code 5"), QStringLiteral("Code 5.")},
                      TextCase{"slashIs47", QStringLiteral("path/"), QStringLiteral("path/.")},
                      TextCase{"questionMarkIs63", QStringLiteral("Why?"), QStringLiteral("Why?.")},
                      TextCase{"fullStopIs46", QStringLiteral("Done."), QStringLiteral("Done.")},
                      TextCase{"hyphenIs45", QStringLiteral("x-"), QStringLiteral("x-")},
                      TextCase{"exclamationIs33", QStringLiteral("Stop!"), QStringLiteral("Stop!")},
                      TextCase{"trailingSpace", QStringLiteral("Oops "), QStringLiteral("Oops ")},
                      TextCase{"empty", QString(), QString()}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

class ErrorReportingTest : public ::testing::Test {
protected:
    void SetUp() override {
        setErrorSink([this](const QString& message) { reported.push_back(message); });
    }
    void TearDown() override { setErrorSink({}); }
    std::vector<QString> reported;
};

// An exception thrown by a connected handler is reported once with its message; the signal's emitter
// and the program go on as before.
TEST_F(ErrorReportingTest, handlerExceptionIsReportedOnceAndGoesNoFurther) {
    QPushButton button;
    int runs = 0;
    QObject::connect(&button, &QPushButton::clicked, guarded([&] {
                         ++runs;
                         throw std::runtime_error("Диск недоступен");
                     }));
    EXPECT_NO_THROW(button.click());
    EXPECT_NO_THROW(button.click());
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(reported, (std::vector<QString>{QStringLiteral("Диск недоступен"), QStringLiteral("Диск недоступен")}));
}

// Exceptions of any type are caught; one without a message still gets reported.
TEST_F(ErrorReportingTest, exceptionsOfAnyTypeAreReported) {
    runGuarded([] { throw 42; });
    runGuarded([] { throw std::logic_error(""); });
    runGuarded([] {});
    ASSERT_EQ(reported.size(), 2u);
    EXPECT_FALSE(reported[0].isEmpty());
    EXPECT_TRUE(reported[1].isEmpty());
}

}  // namespace
}  // namespace valdorn
