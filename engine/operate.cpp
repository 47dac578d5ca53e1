// The operator keys, = and %, the constant rules, the square root and the check tape.
#include <cmath>

#include "decimal.h"
#include "engine.h"
#include "format.h"
#include "rounding.h"

namespace kelvo {
namespace {

constexpr const char* kLineBreak = "\r\n";
const std::string kInvalidPercent = "E0";

constexpr Operator kAdd = Operator::Add, kSubtract = Operator::Subtract, kMultiply = Operator::Multiply,
                   kDivide = Operator::Divide;

// The overflow display: the value scaled down by 10^14, padded to all 14 digits.
std::string ScaledOverflowText(const std::string& value) {
  return PadToFourteen(FitDisplay(FormatGeneral15(ReadDouble(value) * 1e-14)));
}

// The mark that shows an operator pending.
Mark PendingMark(Operator op) {
  switch (op) {
    case Operator::Add: return Mark::Plus;
    case Operator::Subtract: return Mark::Minus;
    case Operator::Multiply: return Mark::Times;
    default: return Mark::Divide;
  }
}

}  // namespace

std::string_view OperatorTapeMark(Operator op) {
  switch (op) {
    case Operator::Add: return "\xEF\xBC\x8B\xE3\x80\x80";       // ＋ and an ideographic space
    case Operator::Subtract: return "\xEF\xBC\x8D\xE3\x80\x80";  // －
    case Operator::Multiply: return "\xC3\x97\xE3\x80\x80";       // ×
    case Operator::Divide: return "\xC3\xB7\xE3\x80\x80";         // ÷
    case Operator::None: break;
  }
  return " \xE3\x80\x80";
}

std::vector<std::string> TapeLines(std::string_view tape, Operator pending) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < tape.size()) {
    const std::size_t end = tape.find("\r\n", at);
    if (end == std::string_view::npos) {
      lines.push_back(std::string(tape.substr(at)) + std::string(OperatorTapeMark(pending)));
      break;
    }
    if (end > at) lines.emplace_back(tape.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

std::vector<std::string> Engine::CompletedCalculation() const { return TapeLines(state_.tapeCurrent); }

std::string PercentArith(const std::string& a, Operator op, const std::string& b, int percentType) {
  const bool markUp = percentType != 1;
  switch (op) {
    case Operator::Add:
      if (markUp) {  // selling price from cost a at margin b
        const std::string divisor = Arith("100", kSubtract, b);
        if (IsZeroText(divisor)) return kInvalidPercent;
        return Arith(Arith(a, kDivide, divisor), kMultiply, "100");
      }
      return Arith(Arith(a, kMultiply, Arith("100", kAdd, b)), kMultiply, "0.01");
    case Operator::Subtract:
      if (markUp) {  // change rate from b to a
        const std::string divisor = Arith(b, kMultiply, "0.01");
        if (IsZeroText(divisor)) return kInvalidPercent;
        return Arith(Arith("100", kSubtract, Arith(a, kDivide, divisor)), kMultiply, "-1");
      }
      return Arith(Arith(a, kMultiply, Arith("100", kSubtract, b)), kMultiply, "0.01");
    case Operator::Multiply:
      return Arith(a, kMultiply, Arith(b, kMultiply, "0.01"));
    case Operator::Divide:
      if (IsZeroText(b)) return kInvalidPercent;
      return Arith(Arith(a, kDivide, b), kMultiply, "100");
    case Operator::None:
      break;
  }
  return {};
}

void Engine::Operate(KeyCode k) {
  EngineState& s = state_;
  if (s.error) return;
  if (s.pending == kDivide && IsZeroText(s.display)) {
    EnterErrorState();
    return;
  }
  ClearTransientMarks();

  const KeyCode memoryKey = k;  // M+ or M- finishing a pending calculation
  const bool byMemoryKey = k == kKeyMPlus || k == kKeyMMinus;
  if (byMemoryKey) k = kKeyEquals;
  if (s.entry == Entry::Operand || (s.entry == Entry::Result && k != kKeyEquals && k != kKeyPercent)) s.input = s.display;
  s.opState = OpState::None;
  const std::string I = s.input;
  const std::string answerBefore = s.answer;
  std::string A = answerBefore;
  std::string& tape = s.tapeInProgress;
  const EngineSettings settings = display_.Settings();
  const int pType = settings.percentType;
  const Operator keyOperator = OperatorOfKey(k);
  bool firstOperator = false;

  if (k == kKeyPercent) {
    const Operator p = s.pending;
    if (p == Operator::None) {
      if (s.constantOp != Operator::None) {
        A = s.constantOp == kDivide ? PercentArith(I, kDivide, s.constant, pType)
                                    : PercentArith(s.constant, s.constantOp, I, pType);
        s.pending = s.constantOp;
        s.input = FitDisplay(s.constant);
      } else {
        A = "0";
        s.input = "0";
      }
      tape = GroupDigits(I);
    } else if (s.entry == Entry::Result) {
      if (p == kAdd || p == kSubtract) {
        DrawMark(Mark::Equals, true);
        return;
      }
      A = PercentArith(A, p, I, pType);
    } else if (s.entry == Entry::Waiting) {  // A p %
      if (p == kMultiply) {
        A = PercentArith(I, kMultiply, I, pType);
      } else if (p == kDivide) {
        A = PercentArith("1", kDivide, I, pType);
      } else {
        return;
      }
      s.constant = I;
      s.constantOp = p;
      s.input = FitDisplay(I);
      tape += std::string(OperatorTapeMark(p)) + kLineBreak;
    } else {  // A p B %
      if (p == kDivide) {
        s.constant = I;
      } else {
        s.constant = A;
        s.input = FitDisplay(A);
      }
      s.constantOp = p;
      A = PercentArith(A, p, I, pType);
      tape += std::string(OperatorTapeMark(p)) + kLineBreak + GroupDigits(I);
    }
    tape += std::string(kPercentTapeMark) + kLineBreak;
    k = kKeyEquals;  // from here on % completes the calculation like =
    if (A == kInvalidPercent) {
      EnterErrorState();
      return;
    }
  } else if (keyOperator != Operator::None) {
    if (s.pending == Operator::None) {
      A = I;
      tape = GroupDigits(I);  // a new calculation starts
      firstOperator = true;
    } else if (s.entry == Entry::Operand) {  // a chain: A p B op
      A = Arith(A, s.pending, I);
      tape += std::string(OperatorTapeMark(s.pending)) + kLineBreak + GroupDigits(I);
      s.chain = true;
    }
  } else {  // =, and M+ or M- finishing a calculation
    const Operator p = s.pending;
    if (p == Operator::None) {
      if (s.constantOp != Operator::None) {
        A = Arith(I, s.constantOp, s.constant);
        s.pending = s.constantOp;
        s.input = FitDisplay(s.constant);
      } else {
        A = I;
      }
      tape = GroupDigits(I);
    } else if (s.entry == Entry::Result) {  // = repeated
      A = Arith(A, p, s.constant);
    } else if (s.entry == Entry::Waiting) {  // A p =
      if (p == kMultiply) {
        A = Arith(A, kMultiply, A);
      } else if (p == kDivide) {
        A = Arith("1", kDivide, A);
      } else if (s.constantOp != Operator::None) {
        if (!s.chain) A = Arith(A, p, s.constant);
      } else {
        A = Arith(A, kMultiply, p == kAdd ? "1" : "-1");
      }
      s.constant = answerBefore;
      s.constantOp = p;
      tape += std::string(OperatorTapeMark(p)) + kLineBreak;
    } else {  // A p B =
      if (p == kMultiply) {
        s.constant = A;
        s.input = FitDisplay(A);
      } else {
        s.constant = I;
      }
      s.constantOp = p;
      A = Arith(A, p, I);
      tape += std::string(OperatorTapeMark(p)) + kLineBreak + GroupDigits(I);
    }
    tape += std::string(kEqualsTapeMark) + kLineBreak;
  }

  // Marks: the operator now pending, or = for a result.
  DrawMark(Mark::Equals, false);
  ClearOperatorMarks();
  DrawMark(keyOperator != Operator::None ? PendingMark(keyOperator) : Mark::Equals, true);

  // Result.
  std::string H;
  std::string R = CheckOverflow(A);
  const bool overflow = R == "E";
  if (!overflow) {
    if (k == kKeyEquals) {
      R = RoundResult(R, settings.roundSelector, settings.decimalSelector);
      if (settings.roundSelector != kRoundF) R = PadDecimals(R, settings.decimalSelector);
    }
    if (!firstOperator) DrawNumber(R, false);
    s.answer = s.display = R;
    H = R;
  } else {
    if (byMemoryKey) {
      s.error = true;
    } else {
      s.pending = Operator::None;
      s.entry = Entry::Result;
      const std::string scaled = ScaledOverflowText(A);
      DrawNumber(scaled, true);
      display_.DrawErrorMark(true);
      s.display = scaled;
    }
    s.answer = A;
    H = A;
  }

  if (k == kKeyEquals) {
    const std::string_view resultMark =
        !byMemoryKey ? kResultTapeMark : memoryKey == kKeyMPlus ? kMemoryPlusTapeMark : kMemoryMinusTapeMark;
    tape += GroupDigits(H) + std::string(resultMark) + kLineBreak;
    s.chain = false;
    s.entry = Entry::Result;
    s.tapePrevious = std::move(s.tapeCurrent);
    s.tapeCurrent = std::move(tape);
    tape.clear();
    ++completed_;
    if (!byMemoryKey) {
      if (settings.grandTotalOn) AccumulateGrandTotal(A);
      if (settings.answerCheckOn && !s.error && H == s.lastAnswer) DrawMark(Mark::AnswerMatched, true);
      s.lastAnswer = H;
    }
    if (settings.checkTapeOpen) display_.RefreshCheckTape();
  } else if (!overflow) {
    // An overflowed chain keeps no pending operator: after CE the scaled value is the next operand.
    s.entry = Entry::Waiting;
    s.pending = keyOperator;
  }
}

void Engine::SquareRoot() {
  EngineState& s = state_;
  if (s.error) return;
  ClearTransientMarks();
  s.opState = OpState::SquareRoot;
  const double v = ReadDouble(s.display);
  if (!(v > 0)) {
    EnterErrorState();
    return;
  }
  const std::string R = CheckOverflow(FormatGeneral15(std::sqrt(v)));
  if (s.entry == Entry::Result) s.pending = Operator::None;
  s.entry = Entry::Operand;
  s.display = R;
  DrawNumber(R, false);
}

}  // namespace kelvo
