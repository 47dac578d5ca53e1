#include <cctype>

#include "engine.h"

namespace kelvo {
namespace {

// The keys that still act while the calculator is locked in the error state.
bool ActsInErrorState(int code) {
  return code == kKeyC || code == kKeyCA || code == kKeyCE || code == kKeyBackspace || code == kKeyKenzan;
}

std::string TrimmedTape(const std::string& t) {
  auto blank = [](unsigned char c) { return c <= ' ' || c == 0x7f; };
  size_t first = 0, last = t.size();
  while (first < last && blank(static_cast<unsigned char>(t[first]))) ++first;
  while (last > first && blank(static_cast<unsigned char>(t[last - 1]))) --last;
  return t.substr(first, last - first);
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
  switch (code) {
    case kKeyPercent: Operate(1); break;
    case kKeyCE: ClearEntryKey(); break;
    case kKeyMC:
    case kKeyMR:
    case kKeyMPlus:
    case kKeyMMinus: MemoryKey(code); break;
    case kKeyC: ClearKey(); break;
    case kKeySqrt: SquareRoot(); break;
    case kKeyZeikomi: TaxKey(state_.opState == kTaxWithShown ? kTaxAfterWithShown : kTaxWithShown); break;
    case kKeyZeinuki: TaxKey(state_.opState == kTaxWithoutShown ? kTaxAfterWithoutShown : kTaxWithoutShown); break;
    case kKeyBackspace: Backspace(); break;
    case kKeySign: ChangeSign(); break;
    case kKeyGT: GrandTotalKey(); break;
    case kKeyCA: ClearAllKey(); break;
    case kKeyPlus:
    case kKeyMinus:
    case kKeyMultiply:
    case kKeyDivide:
    case kKeyEquals: Operate(code); break;
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

void Engine::TrimTapes() {
  state_.tapePrevious = TrimmedTape(state_.tapePrevious);
  state_.tapeCurrent = TrimmedTape(state_.tapeCurrent);
}

void Engine::DrawNumber(const std::string& text, bool error) {
  state_.error = error;
  display_.DrawNumber(text, error);
}

void Engine::ClearTransientMarks() {
  display_.ClearTransientMarks();
  state_.overflowIndicator = 0;
  state_.answerChecked = false;
}

void Engine::Finish() {
  display_.ShowRegisters(state_.input, state_.answer);
  display_.MirrorToEnlargedPanel();
  display_.ReturnFocus();
}

}  // namespace kelvo
