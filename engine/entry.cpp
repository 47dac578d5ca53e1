// Number entry, sign change, backspace, the clearing keys and the error state.
#include "decimal.h"
#include "engine.h"
#include "format.h"

namespace kelvo {
namespace {

bool HasPoint(const std::string& t) { return t.find('.') != std::string::npos; }

// Digits the display can hold for t: 14, plus one each for a minus sign and a point.
size_t DisplayBudget(const std::string& t) {
  return kDisplayDigits + (!t.empty() && t.front() == '-' ? 1 : 0) + (HasPoint(t) ? 1 : 0);
}

}  // namespace

void Engine::EnterDigit(char c) {
  EngineState& s = state_;
  if (s.error) return;
  std::string t = s.display;
  if (s.opState != 0) {
    s.opState = 0;
    s.entry = 0;
  }
  if (s.entry != 1) t = "0";
  if (c == '.' && HasPoint(t)) return;

  if (s.entry == 9) {  // a result is shown: start a new number
    t = c == '.' ? "0." : std::string(1, c);
    s.pending = 0;
    s.entry = 1;
    display_.ClearOperatorMarks();
  } else {
    if (t.size() >= DisplayBudget(t)) {
      // One digit too many locks the calculator; with a point, surplus digits are just dropped.
      if (!HasPoint(t) && c != '.') {
        s.error = true;
        display_.DrawErrorMark(true);
        s.entryOverflow = true;
      }
      return;
    }
    if ((t == "0" || t == "-0") && c != '.') {
      t = t == "-0" ? std::string("-") + c : std::string(1, c);
    } else {
      t += c;
    }
    s.entry = 1;
  }
  s.display = t;
  DrawNumber(t, false);
  ClearTransientMarks();
}

// After backspace or sign change the edited number replaces the operand or the result it came from.
static void AdoptEditedNumber(EngineState& s, const std::string& t) {
  if (s.entry == 9) {
    s.pending = 0;
    s.input = t;
  } else if (s.entry == 0) {
    s.answer = t;
  }
}

void Engine::Backspace() {
  EngineState& s = state_;
  if (s.error) {
    s.entryOverflow = false;
    ClearEntryKey();
    return;
  }
  ClearTransientMarks();
  s.opState = 0;
  std::string t = s.display;
  if (t.size() <= 1) {
    t = "0";
  } else if (t.size() == 2) {
    t = IsZeroText(t) ? "0" : (t.front() == '-' ? "-0" : t.substr(0, 1));
  } else {
    // A trailing point is not drawn: the last digit shown is the one before it.
    t.resize(t.size() - (t.back() == '.' ? 2 : 1));
  }
  if (t == "-") t = "-0";  // a lone minus is not a number
  AdoptEditedNumber(s, t);
  s.display = t;
  DrawNumber(t, false);
}

void Engine::ChangeSign() {
  EngineState& s = state_;
  if (s.error) return;
  ClearTransientMarks();
  s.opState = 0;
  std::string t = s.display;
  t = !t.empty() && t.front() == '-' ? t.substr(1) : "-" + t;
  AdoptEditedNumber(s, t);
  // A zero signed before any digit (at start, after C) is the start of a negative number.
  if (s.entry == 0 && s.pending == 0 && IsZeroText(t)) s.entry = 1;
  s.display = t;
  DrawNumber(t, false);
}

void Engine::CancelEntry() {
  EngineState& s = state_;
  if (s.pending != 0) {
    if (s.entry != 1) return;
    s.display = s.answer;  // drop the operand typed after the operator
    s.entry = 0;
  } else {
    s.display = "0";
    s.entry = 1;
  }
  ClearTransientMarks();
  DrawNumber(s.display, false);
  s.opState = 0;
}

void Engine::ClearEntryKey() {
  EngineState& s = state_;
  if (!s.error) {
    if (s.entry == 9 || s.opState == 5 || s.opState == 6) return;
    CancelEntry();
    return;
  }
  if (s.display == "0") return;  // only C or CA leave this error
  if (s.opState != 0) {
    ClearKey();
    return;
  }
  // An overflow of a result or of typing: unlock and keep what is shown.
  ClearTransientMarks();
  display_.DrawErrorMark(false);
  if (s.entry == 9) {
    display_.DrawMark(5, true);
    s.input = s.display;  // the scaled-down value becomes the next operand
  } else if (s.entryOverflow) {
    CancelEntry();
    s.entryOverflow = false;
  }
  s.opState = 0;
  s.error = false;
}

void Engine::ClearKey() {
  EngineState& s = state_;
  ClearTransientMarks();
  display_.ClearOperatorMarks();
  s.display = s.input = s.answer = "0";
  DrawNumber("0", false);
  s.opState = 0;
  s.entry = 0;
  s.tapeInProgress.clear();
  s.pending = 0;
  s.constant = "0";
  s.constantOp = 0;
}

void Engine::ClearAllKey() {
  EngineState& s = state_;
  s.grandTotal = s.memory = "0";
  s.lastAnswer = "CLEAR";
  display_.DrawMark(6, false);
  display_.DrawMark(8, false);
  s.error = false;
  s.entryOverflow = false;
  ClearKey();
}

void Engine::EnterErrorState() {
  EngineState& s = state_;
  ClearTransientMarks();
  display_.ClearOperatorMarks();
  s.pending = 0;
  s.entry = 9;
  s.constant = "0";
  s.constantOp = 0;
  DrawNumber("0", true);
  display_.DrawErrorMark(true);
  s.display = "0";
  s.opState = 99;
}

}  // namespace kelvo
