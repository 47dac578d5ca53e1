// What the tax-rate dialog accepts as a rate and as decimals, and how it shows a stored rate.
#include <gtest/gtest.h>

#include "tax_input.h"
#include "number_text.h"
#include "tax_rate_text.h"

using kelvo::TaxInput;

namespace {

TEST(TaxInput, RateIsAPlainPercentageUpToAHundredAndDecimalsZeroToFive) {
  struct Row {
    const char* rate;
    const char* decimals;
    TaxInput::Error error;
    double fraction;
    const char* reduced = "8";
  };
  const Row rows[] = {
      {"8", "0", TaxInput::Error::None, 0.08},
      {"0.5", "0", TaxInput::Error::None, 0.005},  // half a percent, as the hint warns
      {"100", "0", TaxInput::Error::None, 1.0},
      {"100.5", "0", TaxInput::Error::Rate, 0},
      {"8.5", "5", TaxInput::Error::None, 0.085},
      {"-3", "0", TaxInput::Error::Rate, 0},
      {"1e1", "0", TaxInput::Error::Rate, 0},
      {"", "0", TaxInput::Error::Rate, 0},
      {"8%", "0", TaxInput::Error::Rate, 0},
      {"８", "0", TaxInput::Error::Rate, 0},
      {"1e400", "0", TaxInput::Error::Rate, 0},
      {"nan", "0", TaxInput::Error::Rate, 0},
      {"inf", "0", TaxInput::Error::Rate, 0},
      {"abc", "9", TaxInput::Error::Rate, 0},  // the rate is checked first
      {"8", "6", TaxInput::Error::Decimals, 0},
      {"8", "-1", TaxInput::Error::Decimals, 0},
      {"8", "", TaxInput::Error::Decimals, 0},
      {"8", "2.5", TaxInput::Error::Decimals, 0},
      // The reduced rate follows the same rules, checked after the standard rate.
      {"10", "0", TaxInput::Error::ReducedRate, 0, ""},
      {"10", "0", TaxInput::Error::ReducedRate, 0, "8%"},
      {"10", "0", TaxInput::Error::ReducedRate, 0, "1e400"},
      {"10", "9", TaxInput::Error::ReducedRate, 0, "x"},
      {"x", "0", TaxInput::Error::Rate, 0, "x"},
  };
  for (const Row& row : rows) {
    const TaxInput input = kelvo::CheckTaxInput(row.rate, row.reduced, row.decimals);
    EXPECT_EQ(input.error, row.error) << row.rate << " / " << row.reduced << " / " << row.decimals;
    if (row.error == TaxInput::Error::None) {
      EXPECT_DOUBLE_EQ(input.rate, row.fraction) << row.rate;
      EXPECT_DOUBLE_EQ(input.reducedRate, 0.08) << row.rate;
    }
  }
  EXPECT_DOUBLE_EQ(kelvo::CheckTaxInput("10", "6.5", "0").reducedRate, 0.065);
}

// Every text the settings file or the dialog might hold: stored as a fraction, typed as a
// percentage. Both refuse what is not a plain decimal in range; a refused stored rate is replaced
// by the default, a refused typed one is not stored.
TEST(TaxInput, TaxRateTextsAreTakenOnlyAsPlainDecimalsInRange) {
  constexpr double kNo = -1;
  struct Row {
    const char* text;
    double stored;  // the rate the file's text gives, or kNo
    double typed;   // the rate the dialog's text gives, or kNo
  };
  const Row rows[] = {
      {"0.1", 0.1, 0.001},      {"0.08", 0.08, 0.0008},  {"0", 0, 0},          {"1", 1, 0.01},
      {"10", kNo, 0.1},         {"100", kNo, 1},         {"100.0", kNo, 1},    {"100.01", kNo, kNo},
      {".5", 0.5, 0.005},       {"8.", kNo, 0.08},       {" 0.1 ", 0.1, 0.001},
      {"-0.08", kNo, kNo},      {"-0", kNo, kNo},        {"+0.1", kNo, kNo},   {"1e308", kNo, kNo},
      {"1e-2", kNo, kNo},       {"NaN", kNo, kNo},       {"inf", kNo, kNo},    {"10%", kNo, kNo},
      {"", kNo, kNo},           {"0x10", kNo, kNo},      {"８", kNo, kNo},     {"0,1", kNo, kNo},
      {"1.2.3", kNo, kNo},      {".", kNo, kNo},
  };
  for (const Row& row : rows) {
    const std::optional<double> stored = kelvo::StoredTaxRate(row.text);
    const std::optional<double> typed = kelvo::TypedTaxPercent(row.text);
    EXPECT_DOUBLE_EQ(stored.value_or(kNo), row.stored) << row.text;
    EXPECT_DOUBLE_EQ(typed.value_or(kNo), row.typed) << row.text;
  }
  // What the dialog writes for any rate it takes is read back as that rate.
  for (const char* typed : {"10", "8", "6.5", "0.001", "0.00001", "100", "0"}) {
    const double rate = kelvo::TypedTaxPercent(typed).value();
    const std::optional<double> stored = kelvo::StoredTaxRate(kelvo::FormatReal(rate));
    ASSERT_TRUE(stored.has_value()) << typed;
    EXPECT_DOUBLE_EQ(*stored, rate) << typed;
  }
}

TEST(TaxInput, StoredRateShowsAsItsShortestPercentage) {
  const std::pair<double, const char*> rows[] = {{0.05, "5"}, {0.08, "8"}, {0.085, "8.5"}, {0.07, "7"},
                                                 {0.005, "0.5"}, {0, "0"}, {9.99, "999"}};
  for (const auto& [rate, text] : rows) EXPECT_EQ(kelvo::RatePercentText(rate), text) << rate;
}

}  // namespace
