// Number texts by the "#,##0.###" family of patterns.
#include <gtest/gtest.h>

#include "chart/settings/FormatFloat.h"

namespace {

struct FormatCase {
  const char* pattern;
  double value;
  const char* text;
};

class FormatFloatText : public ::testing::TestWithParam<FormatCase> {};

const TNumberSeparators kCommaPoint{u',', u'.'};

TEST_P(FormatFloatText, CommaThousandsPointDecimals) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatFloat(QString::fromUtf8(c.pattern), c.value, kCommaPoint), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatFloatText,
    ::testing::Values(FormatCase{"#,##0.###", 5, "5"}, FormatCase{"#,##0.###", 2.5, "2.5"},
                      FormatCase{"#,##0.###", 1000, "1,000"}, FormatCase{"#,##0.###", -0.6, "-0.6"},
                      FormatCase{"#,##0.###", 0.12345, "0.123"}, FormatCase{"#,##0.###", 0, "0"},
                      FormatCase{"#,##0.###", 1234567.25, "1,234,567.25"}, FormatCase{"#,##0.###", -1000, "-1,000"},
                      FormatCase{"#,##0.###", 0.9996, "1"}, FormatCase{"#,##0.###", 999.9996, "1,000"},
                      FormatCase{"#,##0.###", -0.0004, "0"}, FormatCase{"#,##0.###", 100, "100"},
                      FormatCase{"#,##0.###", 99.99999999999999, "100"}, FormatCase{"0.00", 3, "3.00"},
                      FormatCase{"0.00", 0.5, "0.50"}, FormatCase{"000", 7, "007"},
                      FormatCase{"0", 1234, "1234"}));

TEST(FormatFloatText, SeparatorsAreTheGivenOnes) {
  const TNumberSeparators pointComma{u'.', u','};
  EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.###"), 1234.5, pointComma), QStringLiteral("1.234,5"));
  const TNumberSeparators space{u' ', u','};
  EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.###"), -9876543, space), QStringLiteral("-9 876 543"));
}

}  // namespace
