// Shared variables: unset semantics, and the shortest decimal form the points fields show.
#include <gtest/gtest.h>

#include "game/SharedVariables.h"
#include "game/TextObjects.h"

using namespace valdorn;

namespace {

TEST(SharedVariables, numbersShowInTheirShortestDecimalForm) {
    const std::pair<double, const char*> cases[] = {
        {0, "0"}, {-0.0, "0"}, {12, "12"}, {3.5, "3.5"}, {-2, "-2"}, {0.1 + 0.2, "0.3"}, {132, "132"},
        {-1.5, "-1.5"}, {1e6, "1000000"}, {43.5 - 2 * 25, "-6.5"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(formatNumber(value), text) << value;
}

TEST(SharedVariables, unsetComparesUnequalToEveryNumberAndIsNeverGreater) {
    SharedVariables vars;
    for (double n : {-1.0, 0.0, 1.0}) {
        EXPECT_FALSE(isNumber(vars.get("pask"), n));
        EXPECT_FALSE(isGreater(vars.get("pask"), n));
    }
    vars.set("pask", 3);
    EXPECT_TRUE(isGreater(vars.get("pask"), 2));
    EXPECT_FALSE(isGreater(vars.get("pask"), 3));
    vars.set("pask", std::nullopt);
    EXPECT_FALSE(vars.isSet("pask"));
}

TEST(SharedVariables, aBoundTextFieldShowsAndSetsItsVariable) {
    SharedVariables vars;
    TextField field(QFont(), Qt::black, QRectF(0, 0, 50, 20));
    field.bind(&vars, "punktid");
    EXPECT_EQ(field.text(), "");
    vars.set("punktid", 12.5);
    EXPECT_EQ(field.text(), "12.5");
    field.setText("4");
    EXPECT_EQ(vars.get("punktid"), 4);
    field.setText("");  // no number: unset
    EXPECT_FALSE(vars.isSet("punktid"));
}

}  // namespace
