// What the tax-rate dialog accepts as a rate and as decimals, and how it shows a stored rate.
#include <gtest/gtest.h>

#include "tax_input.h"

using kelvo::TaxInput;

namespace {

TEST(TaxInput, RateIsAnyDecimalNumberAndDecimalsZeroToFive) {
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
      {"999.0", "0", TaxInput::Error::None, 9.99},
      {"8.5", "5", TaxInput::Error::None, 0.085},
      {"-3", "0", TaxInput::Error::None, -0.03},  // no range on the rate
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

TEST(TaxInput, StoredRateShowsAsItsShortestPercentage) {
  const std::pair<double, const char*> rows[] = {{0.05, "5"}, {0.08, "8"}, {0.085, "8.5"}, {0.07, "7"},
                                                 {0.005, "0.5"}, {0, "0"}, {9.99, "999"}};
  for (const auto& [rate, text] : rows) EXPECT_EQ(kelvo::RatePercentText(rate), text) << rate;
}

}  // namespace
