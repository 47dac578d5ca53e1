// The engine's front door. PressKey draws the key pressed, turns the key code into one handler
// call (digits, clearing keys and the error state in entry.cpp, the operators, = and % and √ in
// operate.cpp, memory and GT in memory.cpp, the tax keys in tax.cpp), and ends every key the same
// way: register labels, enlarged panel, keyboard focus. In the error state only the keys that
// leave it get through; the check tape key works in every state and changes nothing.
//
// Below the dispatcher are the wrappers every handler draws through, so that the engine's own
// record of what is shown (the error flag, the lit marks) never differs from what it drew.
#include "engine.h"

namespace kelvo {
namespace {

constexpr MarkSet kOperatorRegion = MarkSet::InRegion(kOperatorMarksX, kOperatorMarksWidth);
constexpr MarkSet kTransientRegion = MarkSet::InRegion(kTransientMarksX, kTransientMarksWidth);
constexpr MarkSet kEqualsRegion = MarkSet::InRegion(kEqualsMarksX, kEqualsMarksWidth);

// The keys that still act while the calculator is locked in the error state.
bool ActsInErrorState(int code) {
  return code == kKeyC || code == kKeyCA || code == kKeyCE || code == kKeyBackspace || code == kKeyKenzan;
}

// The keys that type or edit the figure shown.
bool IsEntryKey(int code) {
  return (code >= kKeyDigit0 && code <= kKeyDigit9) || code == kKeyPoint || code == kKeyDoubleZero ||
         code == kKeyBackspace || code == kKeySign;
}

}  // namespace

void Engine::PressKey(int code) {
  display_.DrawButton(code, true);
  if (code == kKeyKenzan) {
    display_.ToggleCheckTape();
    display_.ReturnFocus();
    return;
  }
  if (state_.error && !ActsInErrorState(code)) {
    display_.ReturnFocus();
    return;
  }
  // A typed figure is never a tax result, even where its digits match one.
  if (IsEntryKey(code)) state_.taxResult.clear();
  switch (code) {
    case kKeyPercent:
    case kKeyPlus:
    case kKeyMinus:
    case kKeyMultiply:
    case kKeyDivide:
    case kKeyEquals: Operate(static_cast<KeyCode>(code)); break;
    case kKeyCE: ClearEntryKey(); break;
    case kKeyMC:
    case kKeyMR:
    case kKeyMPlus:
    case kKeyMMinus: MemoryKey(static_cast<KeyCode>(code)); break;
    case kKeyC: ClearKey(); break;
    case kKeySqrt: SquareRoot(); break;
    case kKeyZeikomi:
      TaxKey(state_.opState == OpState::WithTaxShown ? OpState::TaxAfterWithShown : OpState::WithTaxShown);
      break;
    case kKeyZeinuki:
      TaxKey(state_.opState == OpState::WithoutTaxShown ? OpState::TaxAfterWithoutShown : OpState::WithoutTaxShown);
      break;
    case kKeyBackspace: Backspace(); break;
    case kKeySign: ChangeSign(); break;
    case kKeyGT: GrandTotalKey(); break;
    case kKeyCA: ClearAllKey(); break;
    case kKeyPoint: EnterDigit('.'); break;
    case kKeyDoubleZero:
      EnterDigit('0');
      EnterDigit('0');
      break;
    default:
      if (code >= kKeyDigit0 && code <= kKeyDigit9) {
        EnterDigit(static_cast<char>('0' + code - kKeyDigit0));
        break;
      }
      display_.ReturnFocus();  // a code without a handler
      return;
  }
  Finish();
}

void Engine::ReleaseKey(int code) { display_.DrawButton(code, false); }

void Engine::DrawNumber(const std::string& text, bool error) {
  state_.error = error;
  if (error || text != state_.taxResult) state_.taxResult.clear();
  display_.DrawNumber(text, error);
}

void Engine::DrawMark(Mark mark, bool on) {
  state_.marks.Draw(mark, on);
  display_.DrawMark(mark, on);
}

void Engine::ClearOperatorMarks() {
  state_.marks.Erase(kOperatorRegion);
  display_.ClearOperatorMarks();
}

void Engine::ClearTransientMarks() {
  state_.marks.Erase(kTransientRegion);
  state_.marks.Erase(kEqualsRegion);
  display_.ClearTransientMarks();
}

void Engine::ClearMemoryMarks() {
  for (Mark mark : {Mark::MemoryMinus, Mark::MemoryPlus, Mark::MemoryRecalled}) state_.marks.Draw(mark, false);
  display_.ClearMemoryMarks();
}

void Engine::Finish() {
  display_.ShowRegisters(state_.input, state_.answer);
  display_.MirrorToEnlargedPanel();
  display_.ReturnFocus();
}

}  // namespace kelvo
