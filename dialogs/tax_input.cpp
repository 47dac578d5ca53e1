#include "tax_input.h"


#include "number_text.h"
#include "tax_rate_text.h"

namespace kelvo {

TaxInput CheckTaxInput(std::string_view rateText, std::string_view reducedRateText, std::string_view decimalsText) {
  TaxInput input;
  const std::optional<double> rate = TypedTaxPercent(rateText);
  if (!rate) {
    input.error = TaxInput::Error::Rate;
    return input;
  }
  input.rate = *rate;
  const std::optional<double> reducedRate = TypedTaxPercent(reducedRateText);
  if (!reducedRate) {
    input.error = TaxInput::Error::ReducedRate;
    return input;
  }
  input.reducedRate = *reducedRate;
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
