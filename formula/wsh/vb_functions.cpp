// The built-in functions of the script language that the formula window offers.
//
// Rules relied on:
// - Abs, Int and Fix keep the numeric type of their argument (Empty and Boolean give an Integer,
//   a String gives a Double); Abs of the smallest Integer is a Long and of the smallest Long a
//   Double. Abs of a Date is a Double; Int and Fix of a Date stay Dates. Int rounds down, Fix
//   toward zero.
// - Atn, Cos, Sin, Tan, Exp, Log and Sqr give Doubles; Log of a number <= 0 and Sqr of a negative
//   number are invalid calls; Exp beyond the Double range overflows.
// - CByte, CInt and CLng round half to even (CInt(2.5) is 2, CInt(3.5) is 4) and overflow outside
//   0..255, -32768..32767 and the Long range; CCur rounds to four decimals; CSng to a float.
// - Hex and Oct: an Integer (or Boolean) shows as 16 bits (Hex(-1) is FFFF), a Byte as 8, any
//   other value is rounded half to even to a Long and shows as 32 bits.
// - Sgn gives the Integer -1, 0 or 1. Month, Hour, Minute and Second read their argument as a
//   date (day 1 is 1899-12-31) and give Integers.
// - Now is the date and time to the second, Date the day, Time the time of day (all Dates);
//   Timer the seconds since midnight as a Single.
#include "vb_functions.h"
#include "vb_ops.h"

#include <array>
#include <chrono>
#include <cmath>
#include <ctime>

namespace kelvo::wsh {
namespace {

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const char x = (a[i] >= 'A' && a[i] <= 'Z') ? static_cast<char>(a[i] + 32) : a[i];
    const char y = (b[i] >= 'A' && b[i] <= 'Z') ? static_cast<char>(b[i] + 32) : b[i];
    if (x != y) return false;
  }
  return true;
}

constexpr std::array<std::string_view, 27> kNames = {
    "abs",  "atn", "cbyte", "ccur",  "cdbl", "cint",   "clng",   "cos", "csng", "date", "exp",  "fix",  "hex", "hour",
    "int",  "log", "minute", "month", "now", "oct",   "second", "sgn", "sin",  "sqr",  "tan", "time", "timer"};

bool TakesNoArgument(std::string_view name) {
  return SameName(name, "now") || SameName(name, "date") || SameName(name, "time") || SameName(name, "timer");
}

Value KeepType(const Value& x, double (*round)(double)) {
  switch (x.type) {
    case VType::Empty: return Value::Integer(0);
    case VType::Boolean: return Value::Integer(x.i);
    case VType::Byte:
    case VType::Integer:
    case VType::Long: return x;
    case VType::Single: return Value::Single(round(x.d));
    case VType::Double: return Value::Double(round(x.d));
    case VType::Date: return Value::Date(round(x.d));
    case VType::Currency: {
      const double whole = round(static_cast<double>(x.i) / kCurrencyScale);
      // Whole units of a Currency are exact in a double up to 2^53, far beyond its range.
      return Value::Currency(static_cast<std::int64_t>(whole) * kCurrencyScale);
    }
    case VType::String: return Value::Double(round(StringToDouble(x.s)));
  }
  return {};
}

Value Abs(const Value& x) {
  switch (x.type) {
    case VType::Empty: return Value::Integer(0);
    case VType::Boolean: return Value::Integer(x.i < 0 ? -x.i : x.i);
    case VType::Byte: return x;
    case VType::Integer: return x.i == -32768 ? Value::Long(32768) : Value::Integer(x.i < 0 ? -x.i : x.i);
    case VType::Long: return x.i == INT32_MIN ? Value::Double(2147483648.0) : Value::Long(x.i < 0 ? -x.i : x.i);
    case VType::Single: return Value::Single(std::fabs(x.d));
    case VType::Double:
    case VType::Date: return Value::Double(std::fabs(x.d));
    case VType::Currency:
      if (x.i == INT64_MIN) throw VbError{kErrOverflow};
      return Value::Currency(x.i < 0 ? -x.i : x.i);
    case VType::String: return Value::Double(std::fabs(StringToDouble(x.s)));
  }
  return {};
}

Value RadixText(const Value& x, int bitsPerDigit) {
  std::uint32_t bits = 0;
  switch (x.type) {
    case VType::Empty: bits = 0; break;
    case VType::Byte: bits = static_cast<std::uint32_t>(x.i); break;
    case VType::Integer:
    case VType::Boolean: bits = static_cast<std::uint16_t>(x.i); break;
    default: bits = static_cast<std::uint32_t>(ToLong(x)); break;
  }
  const char* digits = "0123456789ABCDEF";
  const std::uint32_t mask = (1u << bitsPerDigit) - 1;
  std::string text;
  do {
    text.insert(text.begin(), digits[bits & mask]);
    bits >>= bitsPerDigit;
  } while (bits != 0);
  return Value::String(text);
}

}  // namespace

bool IsBuiltin(std::string_view name) {
  for (std::string_view known : kNames)
    if (SameName(name, known)) return true;
  return false;
}

Value CallBuiltin(std::string_view name, const std::vector<Value>& args, const Clock& clock) {
  const std::size_t wanted = TakesNoArgument(name) ? 0 : 1;
  if (args.size() != wanted) throw VbError{kErrWrongArgumentCount};
  if (SameName(name, "now")) return Value::Date(clock.now);
  if (SameName(name, "date")) return Value::Date(std::floor(clock.now));
  if (SameName(name, "time")) return Value::Date(clock.now - std::floor(clock.now));
  if (SameName(name, "timer")) return Value::Single(clock.secondsToday);

  const Value& x = args[0];
  if (SameName(name, "abs")) return Abs(x);
  if (SameName(name, "int")) return KeepType(x, [](double v) { return std::floor(v); });
  if (SameName(name, "fix")) return KeepType(x, [](double v) { return std::trunc(v); });
  if (SameName(name, "cbyte")) return Value::Byte(ToByte(x));
  if (SameName(name, "cint")) return Value::Integer(ToInteger(x));
  if (SameName(name, "clng")) return Value::Long(ToLong(x));
  if (SameName(name, "ccur")) return Value::Currency(ToCurrency(x));
  if (SameName(name, "csng")) return Value::Single(ToSingle(x));
  if (SameName(name, "cdbl")) return Value::Double(ToDouble(x));
  if (SameName(name, "hex")) return RadixText(x, 4);
  if (SameName(name, "oct")) return RadixText(x, 3);
  if (SameName(name, "sgn")) {
    const double v = x.type == VType::Currency ? static_cast<double>(x.i) : ToDouble(x);
    return Value::Integer(v > 0 ? 1 : v < 0 ? -1 : 0);
  }
  if (SameName(name, "month")) return Value::Integer(SplitDate(ToDate(x)).month);
  if (SameName(name, "hour")) return Value::Integer(SplitDate(ToDate(x)).hour);
  if (SameName(name, "minute")) return Value::Integer(SplitDate(ToDate(x)).minute);
  if (SameName(name, "second")) return Value::Integer(SplitDate(ToDate(x)).second);

  const double v = ToDouble(x);
  if (SameName(name, "atn")) return Value::Double(std::atan(v));
  if (SameName(name, "cos")) return CheckedDouble(std::cos(v));
  if (SameName(name, "sin")) return CheckedDouble(std::sin(v));
  if (SameName(name, "tan")) return CheckedDouble(std::tan(v));
  if (SameName(name, "exp")) return CheckedDouble(std::exp(v));
  if (SameName(name, "log")) {
    if (v <= 0) throw VbError{kErrInvalidCall};
    return Value::Double(std::log(v));
  }
  if (SameName(name, "sqr")) {
    if (v < 0) throw VbError{kErrInvalidCall};
    return Value::Double(std::sqrt(v));
  }
  throw VbError{kErrTypeMismatch};
}

Clock LocalClock() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const double millis = static_cast<double>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
  const double secondsToday = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
  const double day = DateSerial(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
  return {day + secondsToday / 86400.0, secondsToday + millis / 1000.0};
}

}  // namespace kelvo::wsh
