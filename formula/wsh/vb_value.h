#pragma once

#include <cstdint>
#include <string>

namespace kelvo::wsh {

// The subtypes a value of the script language can have here.
enum class VType { Empty, Integer, Long, Single, Double, Currency, Date, String, Boolean, Byte };

// One value. Integer, Long, Byte and Boolean (True = -1) live in `i`; Currency lives in `i` as a
// count of ten-thousandths; Single, Double and Date (days since 1899-12-30, the fraction the time
// of day) live in `d` (a Single is kept rounded to float); String lives in `s`.
struct Value {
  VType type = VType::Empty;
  std::int64_t i = 0;
  double d = 0;
  std::string s;

  static Value Integer(std::int64_t v) { return {VType::Integer, v, 0, {}}; }
  static Value Long(std::int64_t v) { return {VType::Long, v, 0, {}}; }
  static Value Byte(std::int64_t v) { return {VType::Byte, v, 0, {}}; }
  static Value Boolean(bool v) { return {VType::Boolean, v ? -1 : 0, 0, {}}; }
  static Value Currency(std::int64_t scaled) { return {VType::Currency, scaled, 0, {}}; }
  static Value Double(double v) { return {VType::Double, 0, v, {}}; }
  static Value Single(double v) { return {VType::Single, 0, static_cast<double>(static_cast<float>(v)), {}}; }
  static Value Date(double v) { return {VType::Date, 0, v, {}}; }
  static Value String(std::string v) { return {VType::String, 0, 0, std::move(v)}; }
};

// A runtime error of the script language, by its error number (5, 6, 11, 13, 450).
struct VbError {
  int number;
};

inline constexpr int kErrInvalidCall = 5;
inline constexpr int kErrOverflow = 6;
inline constexpr int kErrDivisionByZero = 11;
inline constexpr int kErrTypeMismatch = 13;
inline constexpr int kErrWrongArgumentCount = 450;

// The Japanese description the language gives for an error number ("0 で除算しました。").
const char* ErrorDescription(int number);
// The description of a script that cannot be compiled.
inline constexpr const char* kSyntaxErrorDescription = "構文エラーです。";

// Whole days of the valid date range, counted from 1899-12-30: 100-01-01 to 9999-12-31.
inline constexpr double kDateMin = -657434.0;
inline constexpr double kDateMax = 2958465.0;
// Currency is a 64-bit count of ten-thousandths.
inline constexpr std::int64_t kCurrencyScale = 10000;

// ---- Conversions (each throws VbError) ----

// Banker's rounding: halves go to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double value);
// A text as a number the way the language reads numeric strings: blanks around, a sign, digits
// with one point, an exponent with E or D; "&H" and "&O" forms. Anything else: type mismatch.
double StringToDouble(const std::string& text);
double ToDouble(const Value& value);
// Rounds half to even and checks the range of the target: overflow beyond it.
std::int32_t ToLong(const Value& value);
std::int16_t ToInteger(const Value& value);
std::uint8_t ToByte(const Value& value);
std::int64_t ToCurrency(const Value& value);
float ToSingle(const Value& value);
// A date serial inside the valid date range; overflow outside it.
double ToDate(const Value& value);

// The value as text, as the language converts it for "&": Double to 15 significant digits and
// Single to 7 in the C "%G" form (1E+20, 1.5E-05, no negative zero), Currency with up to four
// decimals, dates as the Japanese locale shows them (2024/05/01 9:05:03), True/False.
std::string ToText(const Value& value);

// Year, month, day, hour, minute and second of a date serial (the time rounded to the second).
struct DateParts {
  int year, month, day, hour, minute, second;
  bool hasDate, hasTime;
};
DateParts SplitDate(double serial);
double DateSerial(int year, int month, int day);

}  // namespace kelvo::wsh
