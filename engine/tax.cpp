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
  return Arith(t, t.front() == '-' ? Operator::Subtract : Operator::Add, unit);
}

void Engine::TaxKey(OpState s) {
  EngineState& st = state_;
  if (st.error) return;
  ClearTransientMarks();
  if (st.entry != Entry::Result && !IsTaxState(st.opState)) st.input = st.display;
  // After any other special key (MR, GT, √, M+ ...) the number shown is the base, as if typed.
  if (st.opState != OpState::None && !IsTaxState(st.opState)) {
    st.opState = OpState::None;
    st.entry = Entry::Operand;
  }

  // Only the first press counts, and only on a figure that is not itself a tax result.
  const bool counts = !IsTaxState(st.opState) && st.taxResult.empty();
  if (!IsTaxState(st.opState)) {
    st.taxBase = st.entry == Entry::Operand ? st.input : st.answer;
    if (s == OpState::WithTaxShown) st.taxDirection = TaxDirection::AddTax;
    if (s == OpState::WithoutTaxShown) st.taxDirection = TaxDirection::RemoveTax;
  } else if (st.opState == OpState::TaxAfterWithShown && s == OpState::WithoutTaxShown) {
    st.taxDirection = TaxDirection::RemoveTax;  // the tax shown becomes an amount that includes tax
    st.taxBase = st.display;
  } else if (st.opState == OpState::TaxAfterWithoutShown && s == OpState::WithTaxShown) {
    st.taxDirection = TaxDirection::AddTax;
    st.taxBase = st.display;
  }

  const EngineSettings settings = display_.Settings();
  const double rate = settings.taxRate;
  const std::string r = FormatGeneral15Plain(rate);
  const std::string r1 = FormatGeneral15Plain(1 + rate);
  // A rate that is not a number, or one that makes the divisor zero, cannot give an amount.
  if (!std::isfinite(rate) || !std::isfinite(1 + rate) || (st.taxDirection == TaxDirection::RemoveTax && IsZeroText(r1))) {
    EnterErrorState();
    return;
  }

  const std::string& base = st.taxBase;
  std::string tax, without, with;
  if (st.taxDirection == TaxDirection::RemoveTax) {
    tax = Arith(Arith(base, Operator::Multiply, r), Operator::Divide, r1);
    without = Arith(base, Operator::Subtract, tax);
    with = base;
  } else {
    tax = Arith(base, Operator::Multiply, r);
    without = base;
    with = Arith(base, Operator::Multiply, r1);
  }

  std::string V;
  switch (s) {
    case OpState::WithTaxShown:
      V = with;
      DrawMark(Mark::WithTax, true);
      break;
    case OpState::TaxAfterWithShown:
      V = tax;
      DrawMark(Mark::TaxOfWithTax, true);
      break;
    case OpState::WithoutTaxShown:
      V = without;
      DrawMark(Mark::WithoutTax, true);
      if (settings.roundSelector == kRoundF) {
        V = RoundUpAtDisplay(V);
        if (IsOverflow(V)) {
          EnterErrorState();
          return;
        }
      }
      break;
    default:  // TaxAfterWithoutShown
      V = tax;
      DrawMark(Mark::TaxOfWithoutTax, true);
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
  st.taxResult = R;
  if (counts) invoice_.Add(rate, settings.reducedTaxRate, st.taxDirection, st.taxBase);
  if (st.entry == Entry::Result) st.pending = Operator::None;
  st.entry = Entry::Operand;
  st.opState = s;
}

}  // namespace kelvo
