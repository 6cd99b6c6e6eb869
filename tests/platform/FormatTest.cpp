#include "platform/Format.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
  const char* format;
  std::vector<FormatArg> args;
  QByteArray expected;
};

QByteArray FormatWith(const char* format, const std::vector<FormatArg>& args) {
  // Format takes an initializer list; the cases hold up to three arguments.
  switch (args.size()) {
    case 0: return Format(format, {});
    case 1: return Format(format, {args[0]});
    case 2: return Format(format, {args[0], args[1]});
    default: return Format(format, {args[0], args[1], args[2]});
  }
}

class FormatTable : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatTable, GivesTheExpectedBytes) {
  const auto& c = GetParam();
  EXPECT_EQ(FormatWith(c.format, c.args), c.expected) << c.format;
}

INSTANTIATE_TEST_SUITE_P(
    Integers, FormatTable,
    testing::Values(FormatCase{"%D", {0}, "0"}, FormatCase{"%D", {-42}, "-42"}, FormatCase{"%3D", {7}, "  7"},
                    FormatCase{"%3D", {1234}, "1234"}, FormatCase{"%2D", {-5}, "-5"},
                    FormatCase{"%.2D", {3}, "03"}, FormatCase{"%.3D", {12}, "012"},
                    FormatCase{"%.3D", {-5}, "-005"}, FormatCase{"%5.3D", {7}, "  007"},
                    FormatCase{"%-4D|", {7}, "7   |"}, FormatCase{"%d", {5}, "5"},
                    FormatCase{"%D", {int64_t{-9223372036854775807LL - 1}}, "-9223372036854775808"},
                    FormatCase{"%.2D:%.2D.%.3D", {1, 1, 500}, "01:01.500"}));

INSTANTIATE_TEST_SUITE_P(
    Texts, FormatTable,
    testing::Values(FormatCase{"%S", {"abc"}, "abc"}, FormatCase{"%3S", {""}, "   "},
                    FormatCase{"%3S", {"abcd"}, "abcd"}, FormatCase{"[%-3S]", {"a"}, "[a  ]"},
                    FormatCase{"%.2S", {"abc"}, "ab"},
                    // widths count bytes: a double-byte character fills two
                    FormatCase{"%3S", {"\x81\x7B"}, " \x81\x7B"}, FormatCase{"100%%", {}, "100%"},
                    FormatCase{"%%%D%%", {5}, "%5%"}, FormatCase{"plain", {}, "plain"}));

INSTANTIATE_TEST_SUITE_P(
    Reals, FormatTable,
    testing::Values(FormatCase{"%3.0F%%", {95.0}, " 95%"}, FormatCase{"%3.0F%%", {7.0}, "  7%"},
                    FormatCase{"%3.0F%%", {100.0}, "100%"}, FormatCase{"%3.0F", {0.0}, "  0"},
                    FormatCase{"%F", {1.0}, "1.00"}, FormatCase{"%.0F", {0.5}, "1"},
                    FormatCase{"%.0F", {1.5}, "2"}, FormatCase{"%.0F", {2.5}, "3"},
                    FormatCase{"%.0F", {-2.5}, "-3"}, FormatCase{"%.1F", {0.05}, "0.1"},
                    FormatCase{"%.2F", {0.004}, "0.00"}, FormatCase{"%.0F", {-0.4}, "0"},
                    FormatCase{"%.1F", {99.96}, "100.0"}, FormatCase{"%.3F", {1234.5}, "1234.500"},
                    FormatCase{"%.0F", {1e20}, "100000000000000000000"}, FormatCase{"%.0F", {3}, "3"}));

TEST(Format, SummaryLineFormatGivesItsFiftyOneBytes) {
  QByteArray line = Format("\x8f\x8a\x97\x76\x8e\x9e\x8a\xd4 %S%S\x81\x40\x90\xb3\x93\x9a\x97\xa6%3.0F%%  %S",
                           {"03:27.", "418", 95.0, "2006/02/13 09:10:32"});
  EXPECT_EQ(line.toHex(), "8f8a97768e9e8ad42030333a32372e3431388140" "90b3939a97a6203935252020"
                          "323030362f30322f31332030393a31303a3332");
  EXPECT_EQ(line.size(), 51);
}

struct BadFormat {
  const char* format;
  std::vector<FormatArg> args;
};

class FormatErrors : public testing::TestWithParam<BadFormat> {};

TEST_P(FormatErrors, RaiseFormatError) {
  const auto& c = GetParam();
  EXPECT_THROW(FormatWith(c.format, c.args), FormatError) << c.format;
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatErrors,
                         testing::Values(BadFormat{"%D", {}}, BadFormat{"%D %D", {1}}, BadFormat{"%D", {"x"}},
                                         BadFormat{"%S", {1}}, BadFormat{"%F", {"1"}}, BadFormat{"%Q", {1}},
                                         BadFormat{"trailing %", {1}}));

TEST(Format, ErrorCarriesTheFormat) {
  try {
    Format("%S", {1});
    FAIL();
  } catch (const FormatError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Format '%S' invalid or incompatible with argument"));
  }
}

}  // namespace
