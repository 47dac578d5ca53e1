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

bool IsOperator(int k) { return k >= kKeyPlus && k <= kKeyDivide; }

// The overflow display: the value scaled down by 10^14, padded to all 14 digits.
std::string ScaledOverflowText(const std::string& value) {
  return PadToFourteen(FitDisplay(FormatGeneral15(ReadDouble(value) * 1e-14)));
}

}  // namespace

std::string TapeMark(int code) {
  switch (code) {
    case 17: return "\xEF\xBC\x8B\xE3\x80\x80";  // ＋ and an ideographic space
    case 18: return "\xEF\xBC\x8D\xE3\x80\x80";  // －
    case 19: return "\xC3\x97\xE3\x80\x80";      // ×
    case 20: return "\xC3\xB7\xE3\x80\x80";      // ÷
    case 1: return "\xEF\xBC\x85\xE3\x80\x80";   // ％
    case 99: return "\xEF\xBC\x9D\xE3\x80\x80";  // ＝
    case kTapeResult: return "\xEF\xBC\x8A\xE3\x80\x80";  // ＊
    case 5: return "\xEF\xBC\x8BM";              // ＋M
    case 6: return "\xEF\xBC\x8DM";              // －M
    default: return " \xE3\x80\x80";
  }
}

std::string PercentArith(const std::string& a, int op, const std::string& b, int percentType) {
  const bool markUp = percentType != 1;
  switch (op) {
    case 17:
      if (markUp) {  // selling price from cost a at margin b
        const std::string divisor = Arith("100", 18, b);
        if (IsZeroText(divisor)) return kInvalidPercent;
        return Arith(Arith(a, 20, divisor), 19, "100");
      }
      return Arith(Arith(a, 19, Arith("100", 17, b)), 19, "0.01");
    case 18:
      if (markUp) {  // change rate from b to a
        const std::string divisor = Arith(b, 19, "0.01");
        if (IsZeroText(divisor)) return kInvalidPercent;
        return Arith(Arith("100", 18, Arith(a, 20, divisor)), 19, "-1");
      }
      return Arith(Arith(a, 19, Arith("100", 18, b)), 19, "0.01");
    case 19:
      return Arith(a, 19, Arith(b, 19, "0.01"));
    case 20:
      if (IsZeroText(b)) return kInvalidPercent;
      return Arith(Arith(a, 20, b), 19, "100");
    default:
      return {};
  }
}

void Engine::Operate(int k) {
  EngineState& s = state_;
  if (s.error) return;
  if (s.pending == kKeyDivide && IsZeroText(s.display)) {
    EnterErrorState();
    return;
  }
  ClearTransientMarks();

  int memoryCode = 0;  // M+ or M- finishing a pending calculation
  if (k == kKeyMPlus || k == kKeyMMinus) {
    memoryCode = k;
    k = kKeyEquals;
  }
  if (s.entry == 1 || (s.entry == 9 && k != kKeyEquals && k != kKeyPercent)) s.input = s.display;
  s.opState = 0;
  const std::string I = s.input;
  const std::string answerBefore = s.answer;
  std::string A = answerBefore;
  std::string& tape = s.tapeInProgress;
  const EngineSettings settings = display_.Settings();
  const int pType = settings.percentType;
  bool firstOperator = false;

  if (k == kKeyPercent) {
    const int p = s.pending;
    if (p == 0) {
      if (s.constantOp != 0) {
        A = s.constantOp == kKeyDivide ? PercentArith(I, 20, s.constant, pType)
                                       : PercentArith(s.constant, s.constantOp, I, pType);
        s.pending = s.constantOp;
        s.input = FitDisplay(s.constant);
      } else {
        A = "0";
        s.input = "0";
      }
      tape = GroupDigits(I);
    } else if (s.entry == 9) {
      if (p == kKeyPlus || p == kKeyMinus) {
        display_.DrawMark(5, true);
        return;
      }
      A = PercentArith(A, p, I, pType);
    } else if (s.entry == 0) {  // A p %
      if (p == kKeyMultiply) {
        A = PercentArith(I, 19, I, pType);
      } else if (p == kKeyDivide) {
        A = PercentArith("1", 20, I, pType);
      } else {
        return;
      }
      s.constant = I;
      s.constantOp = p;
      s.input = FitDisplay(I);
      tape += TapeMark(p) + kLineBreak;
    } else {  // A p B %
      if (p == kKeyDivide) {
        s.constant = I;
      } else {
        s.constant = A;
        s.input = FitDisplay(A);
      }
      s.constantOp = p;
      A = PercentArith(A, p, I, pType);
      tape += TapeMark(p) + kLineBreak + GroupDigits(I);
    }
    tape += TapeMark(1) + kLineBreak;
    k = kKeyEquals;  // from here on % completes the calculation like =
    if (A == kInvalidPercent) {
      EnterErrorState();
      return;
    }
  } else if (IsOperator(k)) {
    if (s.pending == 0) {
      A = I;
      tape = GroupDigits(I);  // a new calculation starts
      firstOperator = true;
    } else if (s.entry == 1) {  // a chain: A p B op
      A = Arith(A, s.pending, I);
      tape += TapeMark(s.pending) + kLineBreak + GroupDigits(I);
      s.chain = true;
    }
  } else {  // =, and M+ or M- finishing a calculation
    const int p = s.pending;
    if (p == 0) {
      if (s.constantOp != 0) {
        A = Arith(I, s.constantOp, s.constant);
        s.pending = s.constantOp;
        s.input = FitDisplay(s.constant);
      } else {
        A = I;
      }
      tape = GroupDigits(I);
    } else if (s.entry == 9) {  // = repeated
      A = Arith(A, p, s.constant);
    } else if (s.entry == 0) {  // A p =
      if (p == kKeyMultiply) {
        A = Arith(A, 19, A);
      } else if (p == kKeyDivide) {
        A = Arith("1", 20, A);
      } else if (s.constantOp != 0) {
        if (!s.chain) A = Arith(A, p, s.constant);
      } else {
        A = Arith(A, 19, p == kKeyPlus ? "1" : "-1");
      }
      s.constant = answerBefore;
      s.constantOp = p;
      tape += TapeMark(p) + kLineBreak;
    } else {  // A p B =
      if (p == kKeyMultiply) {
        s.constant = A;
        s.input = FitDisplay(A);
      } else {
        s.constant = I;
      }
      s.constantOp = p;
      A = Arith(A, p, I);
      tape += TapeMark(p) + kLineBreak + GroupDigits(I);
    }
    tape += TapeMark(99) + kLineBreak;
  }

  // Marks.
  display_.DrawMark(5, false);
  display_.ClearOperatorMarks();
  display_.DrawMark(IsOperator(k) ? k - 16 : 5, true);

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
    if (memoryCode != 0) {
      s.error = true;
    } else {
      s.pending = 0;
      s.entry = 9;
      const std::string scaled = ScaledOverflowText(A);
      DrawNumber(scaled, true);
      display_.DrawErrorMark(true);
      s.display = scaled;
    }
    s.answer = A;
    H = A;
  }

  if (k == kKeyEquals) {
    tape += GroupDigits(H) + TapeMark(memoryCode != 0 ? memoryCode : kTapeResult) + kLineBreak;
    s.chain = false;
    s.entry = 9;
    s.tapePrevious = std::move(s.tapeCurrent);
    s.tapeCurrent = std::move(tape);
    tape.clear();
    if (memoryCode == 0) {
      if (settings.grandTotalOn) AccumulateGrandTotal(A);
      if (settings.answerCheckOn && !s.error && H == s.lastAnswer) {
        display_.DrawMark(30, true);
        s.answerChecked = true;
      }
      s.lastAnswer = H;
    }
    if (settings.checkTapeOpen) display_.RefreshCheckTape();
    display_.CalculationCompleted();
  } else if (!overflow) {
    // An overflowed chain keeps no pending operator: after CE the scaled value is the next operand.
    s.entry = 0;
    s.pending = k;
  }
}

void Engine::SquareRoot() {
  EngineState& s = state_;
  if (s.error) return;
  ClearTransientMarks();
  s.opState = 30;
  const double v = ReadDouble(s.display);
  if (!(v > 0)) {
    EnterErrorState();
    return;
  }
  const std::string R = CheckOverflow(FormatGeneral15(std::sqrt(v)));
  if (s.entry == 9) s.pending = 0;
  s.entry = 1;
  s.display = R;
  DrawNumber(R, false);
}

}  // namespace kelvo
