// Memory keys and the grand total.
#include "decimal.h"
#include "engine.h"
#include "format.h"
#include "rounding.h"

namespace kelvo {

void Engine::MemoryKey(KeyCode code) {
  EngineState& s = state_;
  if (s.error) return;
  const EngineSettings settings = display_.Settings();
  const bool padded = settings.roundSelector != kRoundF;

  if (code == kKeyMC) {
    ClearMemoryMarks();
    s.memory = "0";
    if (s.opState == OpState::MemoryRecalled || s.opState == OpState::MemoryAdded ||
        s.opState == OpState::MemorySubtracted)
      s.opState = OpState::None;
    DrawMark(Mark::Memory, false);
    return;
  }
  if (code == kKeyMR) {
    ClearTransientMarks();
    std::string R = CheckOverflow(s.memory);
    if (padded) R = PadDecimals(R, settings.decimalSelector);
    s.display = R;
    DrawNumber(R, false);
    s.opState = OpState::MemoryRecalled;
    DrawMark(Mark::MemoryRecalled, true);
  } else {  // M+ or M-
    const bool plus = code == kKeyMPlus;
    ClearTransientMarks();
    if (s.pending != Operator::None && s.entry != Entry::Result) {  // finish the pending calculation first
      Operate(code);
      s.constant = "0";
      s.constantOp = Operator::None;
      s.pending = Operator::None;
    }
    if (!s.error) {
      std::string D = s.display;
      if (padded) D = PadDecimals(D, settings.decimalSelector);
      s.display = D;  // the register is always the number exactly as drawn
      DrawNumber(D, false);
      const std::string N = Arith(s.memory, plus ? Operator::Add : Operator::Subtract, s.display);
      s.opState = plus ? OpState::MemoryAdded : OpState::MemorySubtracted;
      DrawMark(plus ? Mark::MemoryPlus : Mark::MemoryMinus, true);
      if (IsOverflow(N)) {  // the memory keeps its value
        s.error = true;
        EnterErrorState();
        DrawMark(Mark::MemoryOverflow, true);
        DrawMark(Mark::Overflow, true);
      } else {
        s.memory = RoundResult(N, settings.roundSelector, settings.decimalSelector);
        DrawMark(Mark::Memory, s.memory != "0");
        DrawMark(Mark::Equals, true);
      }
    }
  }
  // The number shown now counts as a typed operand.
  if (s.entry == Entry::Result) s.pending = Operator::None;
  s.entry = Entry::Operand;
}

void Engine::GrandTotalKey() {
  EngineState& s = state_;
  if (s.error) return;
  ClearTransientMarks();
  if (s.opState == OpState::GrandTotalRecalled) {  // GT twice clears the grand total
    s.grandTotal = "0";
    s.opState = OpState::None;
    DrawMark(Mark::GrandTotal, false);
    DrawMark(Mark::GrandTotalRecalled, false);
    return;
  }
  const EngineSettings settings = display_.Settings();
  s.opState = OpState::GrandTotalRecalled;
  std::string R = CheckOverflow(s.grandTotal);
  if (settings.roundSelector != kRoundF) R = PadDecimals(R, settings.decimalSelector);
  s.display = R;
  DrawNumber(R, false);
  DrawMark(Mark::GrandTotalRecalled, true);
  if (s.entry == Entry::Result) s.pending = Operator::None;
  s.entry = Entry::Operand;
}

void Engine::AccumulateGrandTotal(const std::string& result) {
  EngineState& s = state_;
  const EngineSettings settings = display_.Settings();
  const std::string N = DecAdd(s.grandTotal, result);
  if (IsOverflow(N)) {  // the grand total keeps its value
    if (!s.error) {
      EnterErrorState();
      DrawMark(Mark::GrandTotalOverflow, true);
      DrawMark(Mark::Overflow, true);
    }
  } else {
    s.grandTotal = RoundResult(N, settings.roundSelector, settings.decimalSelector);
  }
  DrawMark(Mark::GrandTotal, s.grandTotal != "0");
}

}  // namespace kelvo
