#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvo {

// What the tax-rate dialog's text fields say, checked before anything is stored.
struct TaxInput {
  enum class Error { None, Rate, ReducedRate, Decimals };
  Error error = Error::None;
  double rate = 0;            // the typed percentage as a fraction: "8" gives 0.08
  double reducedRate = 0;     // the reduced rate, the same way
  std::int32_t decimals = 0;  // 0..5
};

// Each rate must be a plain decimal percentage from 0 to 100 ("8", "0.5", "100"; not "", "-3",
// "100.5", "8%", "inf" or "1e1": TypedTaxPercent), the decimals an integer from 0 to 5. The
// standard rate is checked first, then the reduced rate, then the decimals.
TaxInput CheckTaxInput(std::string_view rateText, std::string_view reducedRateText, std::string_view decimalsText);

// The rate field's text for a stored rate: the percentage in its shortest form (0.05 gives "5",
// 0.085 gives "8.5").
std::string RatePercentText(double rate);

}  // namespace kelvo
