// Rules of the rename dialog without its window.

#include "RenameRules.h"
#include "QStringPrinting.h"

#include <gtest/gtest.h>

#include <ostream>

#include <climits>

namespace naming {
namespace {

TEST(AppendToken, SeparatorOnlyAfterExistingText)
{
    EXPECT_EQ(AppendToken(QString(), QStringLiteral("#Name"), true, false), QStringLiteral("#Name"));
    EXPECT_EQ(AppendToken(QStringLiteral("#Name"), QStringLiteral("#SN"), true, false), QStringLiteral("#Name-#SN"));
    EXPECT_EQ(AppendToken(QStringLiteral("#Name"), QStringLiteral("#SN"), false, true), QStringLiteral("#Name_#SN"));
    EXPECT_EQ(AppendToken(QStringLiteral("#Name"), QStringLiteral("#SN"), true, true), QStringLiteral("#Name-#SN"));
    EXPECT_EQ(AppendToken(QStringLiteral("#Name"), QStringLiteral("#SN"), false, false), QStringLiteral("#Name#SN"));
    EXPECT_EQ(AppendToken(QStringLiteral(" "), QStringLiteral("#SN"), false, true), QStringLiteral(" _#SN"));
}

TEST(TokenLabelCaption, QuotesTheTokenBeforeItsExplanation)
{
    ASSERT_EQ(TemplateTokenList().size(), 6);
    EXPECT_EQ(TokenLabelCaption(QStringLiteral("#Length")),
              QStringLiteral("\"#Length\" : Output Clip Druation, such as 106m52s, 53m06s"));
    EXPECT_EQ(TokenLabelCaption(QStringLiteral("#SN")), QStringLiteral("\"#SN\" : Serial Number, such as 002, 03"));
}

struct NumberCase {
    const char *text;
    int expected;
};

void PrintTo(const NumberCase &c, std::ostream *out)
{
    *out << '"' << c.text << '"';
}

class NumberField : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberField, CutsFractionsAndHoldsTheRange)
{
    EXPECT_EQ(NumberFieldValue(QString::fromLatin1(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, NumberField, ::testing::Values(
    NumberCase{"12", 12},
    NumberCase{"0", 0},
    NumberCase{"3.9", 3},
    NumberCase{"-3.9", -3},
    NumberCase{"", 0},
    NumberCase{"abc", 0},
    NumberCase{"99999999999", INT_MAX},
    NumberCase{"-99999999999", INT_MIN}));

} // namespace
} // namespace naming
