#include "tax_input.h"

#include <cmath>

#include "number_text.h"

namespace kelvo {

TaxInput CheckTaxInput(std::string_view rateText, std::string_view decimalsText) {
  TaxInput input;
  const std::optional<double> percent = ParseDecimalNumber(rateText);
  input.rate = percent.value_or(0) * 0.01;
  if (!percent || !std::isfinite(input.rate)) {
    input.error = TaxInput::Error::Rate;
    return input;
  }
  const std::optional<std::int32_t> decimals = ParseIntegerText(decimalsText);
  if (!decimals || *decimals < 0 || *decimals > 5) {
    input.error = TaxInput::Error::Decimals;
    return input;
  }
  input.decimals = *decimals;
  return input;
}

std::string RatePercentText(double rate) { return FormatReal(rate * 100); }

}  // namespace kelvo
