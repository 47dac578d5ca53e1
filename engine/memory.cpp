// Memory keys and the grand total.
#include "decimal.h"
#include "engine.h"
#include "format.h"
#include "rounding.h"

namespace kelvo {
namespace {

constexpr double kBound = 99999999999999.0;

}  // namespace

void Engine::MemoryKey(int code) {
  EngineState& s = state_;
  if (s.error) return;
  const EngineSettings settings = display_.Settings();
  const bool padded = settings.roundSelector != kRoundF;

  if (code == kKeyMC) {
    display_.ClearMemoryMarks();
    s.memory = "0";
    if (s.opState == 4 || s.opState == 5 || s.opState == 6) s.opState = 0;
    display_.DrawMark(8, false);
    return;
  }
  if (code == kKeyMR) {
    ClearTransientMarks();
    std::string R = CheckOverflow(s.memory);
    if (padded) R = PadDecimals(R, settings.decimalSelector);
    s.display = R;
    DrawNumber(R, false);
    s.opState = 4;
    display_.DrawMark(9, true);
  } else {  // M+ or M-
    ClearTransientMarks();
    if (s.pending != 0 && s.entry != 9) {  // finish the pending calculation first
      Operate(code);
      s.constant = "0";
      s.constantOp = 0;
      s.pending = 0;
    }
    if (!s.error) {
      std::string D = s.display;
      if (padded) D = PadDecimals(D, settings.decimalSelector);
      s.display = D;  // the register is always the number exactly as drawn
      DrawNumber(D, false);
      const std::string N = Arith(s.memory, code == kKeyMPlus ? 17 : 18, s.display);
      s.opState = code;
      display_.DrawMark(code == kKeyMPlus ? 10 : 11, true);
      if (IsOverflow(N)) {  // the memory keeps its value
        s.error = true;
        EnterErrorState();
        display_.DrawMark(19, true);
        display_.DrawMark(18, true);
        s.overflowIndicator = 19;
      } else {
        s.memory = RoundResult(N, settings.roundSelector, settings.decimalSelector);
        display_.DrawMark(8, s.memory != "0");
        display_.DrawMark(5, true);
      }
    }
  }
  // The number shown now counts as a typed operand.
  if (s.entry == 9) s.pending = 0;
  s.entry = 1;
}

void Engine::GrandTotalKey() {
  EngineState& s = state_;
  if (s.error) return;
  ClearTransientMarks();
  if (s.opState == 20) {  // GT twice clears the grand total
    s.grandTotal = "0";
    s.opState = 0;
    display_.DrawMark(6, false);
    display_.DrawMark(7, false);
    return;
  }
  const EngineSettings settings = display_.Settings();
  s.opState = 20;
  std::string R = CheckOverflow(s.grandTotal);
  if (settings.roundSelector != kRoundF) R = PadDecimals(R, settings.decimalSelector);
  s.display = R;
  DrawNumber(R, false);
  display_.DrawMark(7, true);
  if (s.entry == 9) s.pending = 0;
  s.entry = 1;
}

void Engine::AccumulateGrandTotal(const std::string& result) {
  EngineState& s = state_;
  const EngineSettings settings = display_.Settings();
  const std::string N = DecAdd(s.grandTotal, result);
  const double v = ReadDouble(N);
  if (v > kBound || v < -kBound) {  // the grand total keeps its value
    if (!s.error) {
      EnterErrorState();
      display_.DrawMark(20, true);
      display_.DrawMark(18, true);
      s.overflowIndicator = 20;
    }
  } else {
    s.grandTotal = RoundResult(N, settings.roundSelector, settings.decimalSelector);
  }
  display_.DrawMark(6, s.grandTotal != "0");
}

}  // namespace kelvo
