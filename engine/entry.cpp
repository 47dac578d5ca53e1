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
  if (s.opState != OpState::None) {
    s.opState = OpState::None;
    s.entry = Entry::Waiting;
  }
  if (s.entry != Entry::Operand) t = "0";
  if (c == '.' && HasPoint(t)) return;

  if (s.entry == Entry::Result) {  // a result is shown: start a new number
    t = c == '.' ? "0." : std::string(1, c);
    s.pending = Operator::None;
    s.entry = Entry::Operand;
    ClearOperatorMarks();
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
    s.entry = Entry::Operand;
  }
  s.display = t;
  DrawNumber(t, false);
  ClearTransientMarks();
}

// After backspace or sign change the edited number replaces the operand or the result it came from.
static void AdoptEditedNumber(EngineState& s, const std::string& t) {
  if (s.entry == Entry::Result) {
    s.pending = Operator::None;
    s.input = t;
  } else if (s.entry == Entry::Waiting) {
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
  s.opState = OpState::None;
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
  s.opState = OpState::None;
  std::string t = s.display;
  t = !t.empty() && t.front() == '-' ? t.substr(1) : "-" + t;
  AdoptEditedNumber(s, t);
  // A zero signed before any digit (at start, after C) is the start of a negative number.
  if (s.entry == Entry::Waiting && s.pending == Operator::None && IsZeroText(t)) s.entry = Entry::Operand;
  s.display = t;
  DrawNumber(t, false);
}

void Engine::CancelEntry() {
  EngineState& s = state_;
  if (s.pending != Operator::None) {
    if (s.entry != Entry::Operand) return;
    s.display = s.answer;  // drop the operand typed after the operator
    s.entry = Entry::Waiting;
  } else {
    s.display = "0";
    s.entry = Entry::Operand;
  }
  ClearTransientMarks();
  DrawNumber(s.display, false);
  s.opState = OpState::None;
}

void Engine::ClearEntryKey() {
  EngineState& s = state_;
  if (!s.error) {
    if (s.entry == Entry::Result || s.opState == OpState::MemoryAdded || s.opState == OpState::MemorySubtracted) return;
    CancelEntry();
    return;
  }
  if (s.display == "0") return;  // only C or CA leave this error
  if (s.opState != OpState::None) {
    ClearKey();
    return;
  }
  // An overflow of a result or of typing: unlock and keep what is shown.
  ClearTransientMarks();
  display_.DrawErrorMark(false);
  if (s.entry == Entry::Result) {
    DrawMark(Mark::Equals, true);
    s.input = s.display;  // the scaled-down value becomes the next operand
  } else if (s.entryOverflow) {
    CancelEntry();
    s.entryOverflow = false;
  }
  s.opState = OpState::None;
  s.error = false;
}

void Engine::ClearKey() {
  EngineState& s = state_;
  ClearTransientMarks();
  ClearOperatorMarks();
  s.display = s.input = s.answer = "0";
  DrawNumber("0", false);
  s.opState = OpState::None;
  s.entry = Entry::Waiting;
  s.tapeInProgress.clear();
  s.pending = Operator::None;
  s.constant = "0";
  s.constantOp = Operator::None;
}

void Engine::ClearAllKey() {
  EngineState& s = state_;
  s.grandTotal = s.memory = "0";
  s.lastAnswer = "CLEAR";
  DrawMark(Mark::GrandTotal, false);
  DrawMark(Mark::Memory, false);
  s.error = false;
  s.entryOverflow = false;
  ClearKey();
}

void Engine::EnterErrorState() {
  EngineState& s = state_;
  ClearTransientMarks();
  ClearOperatorMarks();
  s.pending = Operator::None;
  s.entry = Entry::Result;
  s.constant = "0";
  s.constantOp = Operator::None;
  DrawNumber("0", true);
  display_.DrawErrorMark(true);
  s.display = "0";
  s.opState = OpState::Error;
}

}  // namespace kelvo
