#include "tax_input.h"

#include <cmath>

#include "number_text.h"

namespace kelvo {

namespace {

// A typed percentage as a fraction, or nothing when it is not a finite decimal number.
std::optional<double> RateFromPercentText(std::string_view text) {
  const std::optional<double> percent = ParseDecimalNumber(text);
  if (!percent || !std::isfinite(*percent * 0.01)) return std::nullopt;
  return *percent * 0.01;
}

}  // namespace

TaxInput CheckTaxInput(std::string_view rateText, std::string_view reducedRateText, std::string_view decimalsText) {
  TaxInput input;
  const std::optional<double> rate = RateFromPercentText(rateText);
  if (!rate) {
    input.error = TaxInput::Error::Rate;
    return input;
  }
  input.rate = *rate;
  const std::optional<double> reducedRate = RateFromPercentText(reducedRateText);
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
