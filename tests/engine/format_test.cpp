// Fitting to the 14-digit display, the overflow tests, padding and the check-tape grouping.
#include <gtest/gtest.h>

#include "format.h"

using namespace kelvo;

namespace {

using Pair = std::pair<const char*, const char*>;

TEST(DisplayFitting, CutsToFourteenDigitsWithoutRounding) {
  const Pair cases[] = {
      {"123456789.123456789", "123456789.12345"},
      {"-0.5", "-0.5"},
      {"2.50", "2.5"},
      {"12.", "12"},
      {"0.33333333333333333333333", "0.3333333333333"},
      {"-0.33333333333333333333333", "-0.3333333333333"},
      {"14.285714285714285714285", "14.285714285714"},
      {"12345678901234", "12345678901234"},
      {"0.99999999999999999999999", "1"},           // through a double, a run of nines rounds up
      {"1.5E-5", "0.000015"},
      {"3.16227766016838E-7", "0.0000003162277"},   // the exponent form gets one more character
      {"100000000000000", "1"},                     // cut to 14 then trailing zeros dropped
      {"1234567890.1200", "1234567890.12"},
      {"-0.000", "-0"},                             // a negative zero keeps its sign
      {"0.10000000000000000001", "0.1"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(FitDisplay(in), out) << in;
}

TEST(DisplayFitting, OverflowBoundIsFourteenNines) {
  EXPECT_EQ(CheckOverflow("99999999999999"), "99999999999999");
  EXPECT_EQ(CheckOverflow("100000000000000"), "E");
  EXPECT_EQ(CheckOverflow("-100000000000000"), "E");
  EXPECT_EQ(CheckOverflow("-99999999999999"), "-99999999999999");
  EXPECT_EQ(CheckOverflow("99999999999999.5"), "E");
  EXPECT_TRUE(IsOverflow("123456789012345"));
  EXPECT_FALSE(IsOverflow("-0.5"));
}

TEST(DisplayFitting, PadToFourteenFillsEveryDigit) {
  const Pair cases[] = {
      {"2", "2.0000000000000"},
      {"1234.5678901234", "1234.5678901234"},
      {"-1", "-1.0000000000000"},
      {"1.5", "1.5000000000000"},
      {"12345678901234", "12345678901234"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(PadToFourteen(in), out) << in;
}

TEST(DisplayFitting, GroupDigitsPutsCommasBetweenTriads) {
  const Pair cases[] = {
      {"1234567.891", "1,234,567.891"}, {"-123456", "-123,456"}, {"999", "999"},
      {"-123", "-123"},                 {"1000", "1,000"},       {"12.", "12."},
      {"-1234", "-1,234"},              {"100000000000000", "100,000,000,000,000"},
      {"1.5E-5", "0.000015"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(GroupDigits(in), out) << in;
}

TEST(NumberFormatting, GeneralFormatHasFifteenSignificantDigits) {
  EXPECT_EQ(FormatGeneral15(1.4142135623730951), "1.4142135623731");
  EXPECT_EQ(FormatGeneral15(0.05), "0.05");
  EXPECT_EQ(FormatGeneral15(1.05), "1.05");
  EXPECT_EQ(FormatGeneral15(0.000015), "1.5E-5");
  EXPECT_EQ(FormatGeneral15(1e20), "1E20");
  EXPECT_EQ(FormatGeneral15Plain(1e20), "100000000000000000000");
  EXPECT_EQ(FormatGeneral15Plain(1.25e16), "12500000000000000");
  EXPECT_EQ(FormatGeneral15Plain(-0.00001), "-0.00001");
}

TEST(NumberFormatting, ExponentToPlainAndReading) {
  EXPECT_EQ(ExponentToPlain("1.5E-5"), "0.000015");
  EXPECT_EQ(ExponentToPlain("-2E-3"), "-0.002");
  EXPECT_DOUBLE_EQ(ReadDouble("12.5abc"), 12.5);
  EXPECT_DOUBLE_EQ(ReadDouble("abc"), 0.0);
  EXPECT_DOUBLE_EQ(ReadDouble("-"), 0.0);
  EXPECT_DOUBLE_EQ(ReadDouble("1.5E-5"), 1.5e-5);
  EXPECT_DOUBLE_EQ(ReadDouble("3E"), 3.0);
}

}  // namespace
