// The tax-included and tax-excluded keys.
#include <cmath>

#include "decimal.h"
#include "engine.h"
#include "format.h"
#include "rounding.h"

namespace kelvo {

std::string RoundUpAtDisplay(const std::string& t) {
  const size_t point = t.find('.');
  const size_t limit = kDisplayDigits + (!t.empty() && t.front() == '-' ? 1 : 0) + (point != std::string::npos ? 1 : 0);
  if (t.size() <= limit || point == std::string::npos || t.back() == '.') return t;
  // Raise the magnitude by one unit in the last place the display can show.
  const long shown = static_cast<long>(limit) - static_cast<long>(point + 1);
  std::string unit = "1";
  if (shown > 0) unit = "0." + std::string(static_cast<size_t>(shown - 1), '0') + "1";
  return Arith(t, t.front() == '-' ? 18 : 17, unit);
}

void Engine::TaxKey(int s) {
  EngineState& st = state_;
  if (st.error) return;
  ClearTransientMarks();
  if (st.entry != 9 && st.opState < kTaxWithShown) st.input = st.display;
  if (st.opState >= 1 && st.opState <= 110) {
    st.opState = 0;
    st.entry = 1;
  }

  const bool inTaxCalculation = st.opState >= kTaxWithShown && st.opState <= kTaxAfterWithoutShown;
  if (!inTaxCalculation) {
    st.taxBase = st.entry == 1 ? st.input : st.answer;
    if (s == kTaxWithShown) st.taxDirection = 1;
    if (s == kTaxWithoutShown) st.taxDirection = 2;
  } else if (st.opState == kTaxAfterWithShown && s == kTaxWithoutShown) {
    st.taxDirection = 2;  // the tax shown becomes an amount that includes tax
    st.taxBase = st.display;
  } else if (st.opState == kTaxAfterWithoutShown && s == kTaxWithShown) {
    st.taxDirection = 1;
    st.taxBase = st.display;
  }

  const EngineSettings settings = display_.Settings();
  const double rate = settings.taxRate;
  const std::string r = FormatGeneral15Plain(rate);
  const std::string r1 = FormatGeneral15Plain(1 + rate);
  // A rate that is not a number, or one that makes the divisor zero, cannot give an amount.
  if (!std::isfinite(rate) || !std::isfinite(1 + rate) || (st.taxDirection == 2 && IsZeroText(r1))) {
    EnterErrorState();
    return;
  }

  const std::string& base = st.taxBase;
  std::string tax, without, with;
  if (st.taxDirection == 2) {
    tax = Arith(Arith(base, 19, r), 20, r1);
    without = Arith(base, 18, tax);
    with = base;
  } else {
    tax = Arith(base, 19, r);
    without = base;
    with = Arith(base, 19, r1);
  }

  std::string V;
  switch (s) {
    case kTaxWithShown:
      V = with;
      display_.DrawMark(13, true);
      break;
    case kTaxAfterWithShown:
      V = tax;
      display_.DrawMark(15, true);
      break;
    case kTaxWithoutShown:
      V = without;
      display_.DrawMark(14, true);
      if (settings.roundSelector == kRoundF) {
        V = RoundUpAtDisplay(V);
        if (IsOverflow(V)) {
          EnterErrorState();
          return;
        }
      }
      break;
    default:
      V = tax;
      display_.DrawMark(16, true);
      break;
  }
  if (IsOverflow(V)) {
    EnterErrorState();
    return;
  }
  std::string R = FitDisplay(V);
  if (settings.roundSelector != kRoundF) {
    R = RoundResult(R, settings.roundSelector, settings.decimalSelector);
    R = PadDecimals(R, settings.decimalSelector);
  }
  st.display = R;
  DrawNumber(R, false);
  if (st.entry == 9) st.pending = 0;
  st.entry = 1;
  st.opState = s;
}

}  // namespace kelvo
