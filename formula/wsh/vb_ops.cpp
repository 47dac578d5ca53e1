// The operators of the script language on its subtypes.
//
// Rules relied on (the language's documented conversions):
// - "+" on two Strings joins them; "+" on Empty and a String gives the String. Otherwise "+", "-"
//   and "*" compute in the most precise operand type: Date (for "+" and "-"), Currency, Double,
//   String (read as a Double), Single (Double with a Long), Long, Integer (also Boolean and
//   Empty + Empty), Byte. Date - Date is a Double; "*" with a Date is a Double.
// - Byte, Integer and Long results that do not fit are promoted: Byte to Integer, Integer to
//   Long, Long to Double (32767 + 1 is the Long 32768). A Single that overflows becomes a Double.
//   Double and Currency overflow is an error, as is a Date outside 100-01-01 .. 9999-12-31.
// - "/" gives a Double (a Single when a Single meets only Integer, Byte, Boolean or Empty).
//   x / 0 is "division by zero", 0 / 0 is an overflow.
// - "\" and Mod round both operands half to even to a Long (overflow beyond it), then divide
//   with truncation; Mod takes the sign of the dividend. The result is a Byte for two Bytes, an
//   Integer for Integer, Boolean and Byte operands, a Long otherwise. Dividing by 0 fails.
// - "^" always gives a Double; a negative base with a fractional exponent, or 0 to a negative
//   power, is an invalid call.
// - And, Or, Xor on two Booleans give a Boolean; otherwise they work bitwise on the operands
//   rounded like "\" (Byte, Integer or Long by the same rule).
// - Unary minus keeps the type, except that it promotes the smallest Integer to a Long and the
//   smallest Long to a Double, makes a Byte, Boolean or Empty an Integer and a String a Double.
#include "vb_ops.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace kelvo::wsh {
namespace {

bool Is(const Value& a, const Value& b, VType type) { return a.type == type || b.type == type; }

bool IsIntegerLike(VType t) {
  return t == VType::Integer || t == VType::Boolean || t == VType::Byte || t == VType::Empty;
}

// Fits an exact integer result into the type, promoting it when it does not fit.
Value PromoteInteger(std::int64_t result, VType type) {
  if (type == VType::Byte && result >= 0 && result <= 255) return Value::Byte(result);
  if ((type == VType::Byte || type == VType::Integer) && result >= -32768 && result <= 32767)
    return Value::Integer(result);
  if (result >= INT32_MIN && result <= INT32_MAX) return Value::Long(result);
  return Value::Double(static_cast<double>(result));
}

Value CheckedDate(double result) {
  if (!std::isfinite(result) || !(result > kDateMin - 1.0 && result < kDateMax + 1.0)) throw VbError{kErrOverflow};
  return Value::Date(result);
}

Value SingleOrDouble(double result) {
  if (!std::isfinite(result)) throw VbError{kErrOverflow};
  if (std::fabs(result) > FLT_MAX) return Value::Double(result);
  return Value::Single(result);
}

Value CurrencyResult(__int128 scaled) {
  if (scaled > INT64_MAX || scaled < INT64_MIN) throw VbError{kErrOverflow};
  return Value::Currency(static_cast<std::int64_t>(scaled));
}

// The type "+", "-" and "*" compute in, Date and String aside.
VType ArithmeticType(const Value& a, const Value& b) {
  if (Is(a, b, VType::Currency)) return VType::Currency;
  if (Is(a, b, VType::Double) || Is(a, b, VType::String)) return VType::Double;
  if (Is(a, b, VType::Single)) return Is(a, b, VType::Long) ? VType::Double : VType::Single;
  if (Is(a, b, VType::Long)) return VType::Long;
  if (Is(a, b, VType::Integer) || Is(a, b, VType::Boolean)) return VType::Integer;
  if (Is(a, b, VType::Byte)) return VType::Byte;
  return VType::Integer;  // Empty with Empty
}

Value Arithmetic(BinaryOp op, const Value& a, const Value& b) {
  if (Is(a, b, VType::Date)) {
    const double x = ToDouble(a);
    const double y = ToDouble(b);
    if (op == BinaryOp::Multiply) return CheckedDouble(x * y);
    if (op == BinaryOp::Subtract && a.type == VType::Date && b.type == VType::Date) return CheckedDouble(x - y);
    return CheckedDate(op == BinaryOp::Add ? x + y : x - y);
  }
  const VType type = ArithmeticType(a, b);
  switch (type) {
    case VType::Currency: {
      const __int128 x = ToCurrency(a);
      const __int128 y = ToCurrency(b);
      if (op == BinaryOp::Add) return CurrencyResult(x + y);
      if (op == BinaryOp::Subtract) return CurrencyResult(x - y);
      // The product of two ten-thousandths counts, scaled back and rounded half to even.
      const __int128 product = x * y;
      __int128 quotient = product / kCurrencyScale;
      const __int128 rest = product % kCurrencyScale;
      const __int128 twice = 2 * (rest < 0 ? -rest : rest);
      if (twice > kCurrencyScale || (twice == kCurrencyScale && quotient % 2 != 0)) quotient += rest < 0 ? -1 : 1;
      return CurrencyResult(quotient);
    }
    case VType::Double: {
      const double x = ToDouble(a);
      const double y = ToDouble(b);
      return CheckedDouble(op == BinaryOp::Add ? x + y : op == BinaryOp::Subtract ? x - y : x * y);
    }
    case VType::Single: {
      const double x = ToDouble(a);
      const double y = ToDouble(b);
      return SingleOrDouble(op == BinaryOp::Add ? x + y : op == BinaryOp::Subtract ? x - y : x * y);
    }
    default: {
      const std::int64_t x = static_cast<std::int64_t>(ToDouble(a));
      const std::int64_t y = static_cast<std::int64_t>(ToDouble(b));
      return PromoteInteger(op == BinaryOp::Add ? x + y : op == BinaryOp::Subtract ? x - y : x * y, type);
    }
  }
}

Value Divide(const Value& a, const Value& b) {
  const double x = ToDouble(a);
  const double y = ToDouble(b);
  if (y == 0) throw VbError{x == 0 ? kErrOverflow : kErrDivisionByZero};
  const bool single = (a.type == VType::Single && (b.type == VType::Single || IsIntegerLike(b.type))) ||
                      (b.type == VType::Single && IsIntegerLike(a.type));
  return single ? SingleOrDouble(x / y) : CheckedDouble(x / y);
}

// The type of "\", Mod, And, Or and Xor on non-Boolean operands.
VType IntegerOpType(const Value& a, const Value& b) {
  if ((a.type == VType::Byte || a.type == VType::Empty) && (b.type == VType::Byte || b.type == VType::Empty) &&
      Is(a, b, VType::Byte))
    return VType::Byte;
  if (IsIntegerLike(a.type) && IsIntegerLike(b.type)) return VType::Integer;
  return VType::Long;
}

// A bitwise operand: "True"/"False" texts count as Booleans, everything else is rounded.
std::int64_t BitOperand(const Value& value) {
  if (value.type == VType::String) {
    if (value.s.size() == 4 && (value.s[0] | 0x20) == 't' && (value.s[1] | 0x20) == 'r' && (value.s[2] | 0x20) == 'u' &&
        (value.s[3] | 0x20) == 'e')
      return -1;
    if (value.s.size() == 5 && (value.s[0] | 0x20) == 'f' && (value.s[1] | 0x20) == 'a' && (value.s[2] | 0x20) == 'l' &&
        (value.s[3] | 0x20) == 's' && (value.s[4] | 0x20) == 'e')
      return 0;
  }
  return ToLong(value);
}

Value IntegerDivision(BinaryOp op, const Value& a, const Value& b) {
  const VType type = IntegerOpType(a, b);
  const std::int64_t x = ToLong(a);
  const std::int64_t y = ToLong(b);
  if (y == 0) throw VbError{kErrDivisionByZero};
  const std::int64_t result = op == BinaryOp::Mod ? x % y : x / y;
  if (type == VType::Long && (result < INT32_MIN || result > INT32_MAX)) throw VbError{kErrOverflow};
  return PromoteInteger(result, type);
}

Value Bitwise(BinaryOp op, const Value& a, const Value& b) {
  if (a.type == VType::Boolean && b.type == VType::Boolean) {
    const bool x = a.i != 0;
    const bool y = b.i != 0;
    return Value::Boolean(op == BinaryOp::And ? (x && y) : op == BinaryOp::Or ? (x || y) : (x != y));
  }
  const VType type = IntegerOpType(a, b);
  const std::int64_t x = BitOperand(a);
  const std::int64_t y = BitOperand(b);
  std::int64_t result = op == BinaryOp::And ? (x & y) : op == BinaryOp::Or ? (x | y) : (x ^ y);
  if (type == VType::Byte) return Value::Byte(result & 0xFF);
  if (type == VType::Integer) return Value::Integer(static_cast<std::int16_t>(result));
  return Value::Long(static_cast<std::int32_t>(result));
}

Value Power(const Value& a, const Value& b) {
  const double x = ToDouble(a);
  const double y = ToDouble(b);
  if ((x < 0 && y != std::trunc(y)) || (x == 0 && y < 0)) throw VbError{kErrInvalidCall};
  return CheckedDouble(std::pow(x, y));
}

}  // namespace

Value CheckedDouble(double result) {
  if (!std::isfinite(result)) throw VbError{kErrOverflow};
  return Value::Double(result);
}

Value Binary(BinaryOp op, const Value& left, const Value& right) {
  switch (op) {
    case BinaryOp::Add:
      if (left.type == VType::String && right.type == VType::String) return Value::String(left.s + right.s);
      if (left.type == VType::Empty && right.type == VType::String) return right;
      if (left.type == VType::String && right.type == VType::Empty) return left;
      return Arithmetic(op, left, right);
    case BinaryOp::Subtract:
    case BinaryOp::Multiply: return Arithmetic(op, left, right);
    case BinaryOp::Divide: return Divide(left, right);
    case BinaryOp::IntDivide:
    case BinaryOp::Mod: return IntegerDivision(op, left, right);
    case BinaryOp::Power: return Power(left, right);
    case BinaryOp::And:
    case BinaryOp::Or:
    case BinaryOp::Xor: return Bitwise(op, left, right);
  }
  return {};
}

Value Negate(const Value& operand) {
  switch (operand.type) {
    case VType::Empty: return Value::Integer(0);
    case VType::Boolean:
    case VType::Byte:
    case VType::Integer: return PromoteInteger(-operand.i, VType::Integer);
    case VType::Long: return PromoteInteger(-operand.i, VType::Long);
    case VType::Single: return Value::Single(-operand.d);
    case VType::Double: return Value::Double(-operand.d);
    case VType::Currency:
      if (operand.i == INT64_MIN) throw VbError{kErrOverflow};
      return Value::Currency(-operand.i);
    case VType::Date: return CheckedDate(-operand.d);
    case VType::String: return Value::Double(-StringToDouble(operand.s));
  }
  return {};
}

Value Not(const Value& operand) {
  switch (operand.type) {
    case VType::Boolean: return Value::Boolean(operand.i == 0);
    case VType::Empty: return Value::Integer(-1);
    case VType::Byte: return Value::Byte(~operand.i & 0xFF);
    case VType::Integer: return Value::Integer(~operand.i);
    default: return Value::Long(~static_cast<std::int64_t>(BitOperand(operand)));
  }
}

}  // namespace kelvo::wsh
