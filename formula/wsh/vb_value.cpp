#include "vb_value.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ascii.h"

namespace kelvo::wsh {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Reads "&H..." (hexadecimal) or "&O..." (octal) after the ampersand; up to 32 bits, read as a
// signed Long when the top bit is set, as the language does.
bool ReadRadixNumber(const std::string& text, std::size_t i, std::size_t end, double& out) {
  if (i + 1 >= end || text[i] != '&') return false;
  const char kind = static_cast<char>(text[i + 1] | 0x20);
  const int base = kind == 'h' ? 16 : kind == 'o' ? 8 : 0;
  if (base == 0) return false;
  std::uint64_t value = 0;
  auto [ptr, error] = std::from_chars(text.data() + i + 2, text.data() + end, value, base);
  if (error != std::errc{} || ptr != text.data() + end || value > 0xFFFFFFFFull) return false;
  out = value > 0x7FFFFFFF ? static_cast<double>(static_cast<std::int32_t>(value)) : static_cast<double>(value);
  return true;
}

std::int64_t CheckedRound(double value, double low, double high) {
  if (!std::isfinite(value)) throw VbError{kErrOverflow};
  const double rounded = RoundHalfEven(value);
  if (rounded < low || rounded > high) throw VbError{kErrOverflow};
  return static_cast<std::int64_t>(rounded);
}

// A Double as Currency: the very value the Double holds, rounded half to even at the fourth
// decimal (the Double 0.00015 lies just below the half and gives 0.0001; CCur(922337203685477)
// is exact); overflow beyond the Currency range.
std::int64_t DoubleToCurrency(double value) {
  if (!std::isfinite(value) || std::fabs(value) >= 1e15) throw VbError{kErrOverflow};
  if (value == 0) return 0;
  // |value| = mantissa * 2^exponent exactly, with a 53-bit whole mantissa.
  int exponent = 0;
  const double fraction = std::frexp(std::fabs(value), &exponent);
  const auto mantissa = static_cast<std::int64_t>(std::ldexp(fraction, 53));
  exponent -= 53;
  const __int128 tenThousandths = static_cast<__int128>(mantissa) * kCurrencyScale;
  __int128 scaled = 0;
  if (exponent >= 0) {
    scaled = tenThousandths << exponent;  // below 1e19: |value| < 1e15
  } else if (exponent >= -68) {
    // Any further right the product (below 2^67) is under half a ten-thousandth: it rounds to 0.
    const int shift = -exponent;
    const __int128 divisor = static_cast<__int128>(1) << shift;
    scaled = tenThousandths >> shift;
    const __int128 twice = 2 * (tenThousandths & (divisor - 1));
    if (twice > divisor || (twice == divisor && (scaled & 1) != 0)) ++scaled;
  }
  if (scaled > INT64_MAX) throw VbError{kErrOverflow};
  const auto result = static_cast<std::int64_t>(scaled);
  return value < 0 ? -result : result;
}

// Currency rounded to whole units, half to even (2.5 -> 2).
std::int64_t RoundCurrency(std::int64_t scaled) {
  std::int64_t whole = scaled / kCurrencyScale;
  const std::int64_t rest = scaled % kCurrencyScale;
  const std::int64_t twice = 2 * (rest < 0 ? -rest : rest);
  const int direction = rest < 0 ? -1 : 1;
  if (twice > kCurrencyScale || (twice == kCurrencyScale && whole % 2 != 0)) whole += direction;
  return whole;
}

std::int64_t RoundedInteger(const Value& value, double low, double high) {
  switch (value.type) {
    case VType::Empty: return 0;
    case VType::Integer:
    case VType::Long:
    case VType::Byte:
    case VType::Boolean:
      if (static_cast<double>(value.i) < low || static_cast<double>(value.i) > high) throw VbError{kErrOverflow};
      return value.i;
    case VType::Currency: {
      const std::int64_t whole = RoundCurrency(value.i);
      if (static_cast<double>(whole) < low || static_cast<double>(whole) > high) throw VbError{kErrOverflow};
      return whole;
    }
    default: return CheckedRound(ToDouble(value), low, high);
  }
}

std::string FormatG(double value, int digits) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*G", digits, value);
  std::string text = buffer;
  // No negative zero: "-0" (and "-0.0...") reads as "0".
  if (text.size() > 1 && text[0] == '-' && text.find_first_not_of("0.", 1) == std::string::npos) text.erase(0, 1);
  return text;
}

std::string TwoDigits(int value) {
  return std::string(1, static_cast<char>('0' + value / 10)) + static_cast<char>('0' + value % 10);
}

// Days from 1970-01-01 to a civil date, and back (proleptic Gregorian calendar).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

// 1899-12-30, day 0 of the date serial, in days from 1970-01-01.
constexpr std::int64_t kSerialEpoch = -25569;

}  // namespace

const char* ErrorDescription(int number) {
  switch (number) {
    case kErrInvalidCall: return "プロシージャの呼び出し、または引数が不正です。";
    case kErrOverflow: return "オーバーフローしました。";
    case kErrDivisionByZero: return "0 で除算しました。";
    case kErrTypeMismatch: return "型が一致しません。";
    case kErrWrongArgumentCount: return "引数の数が一致していません。または不正なプロパティを指定しています。";
    default: return "実行時エラーです。";
  }
}

double RoundHalfEven(double value) {
  // nearbyint rounds to the nearest integer, ties to even, in the default rounding mode.
  return std::nearbyint(value);
}

double StringToDouble(const std::string& text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  double radix = 0;
  if (ReadRadixNumber(text, begin, end, radix)) return radix;
  // [sign] digits [. digits] [(E|D) [sign] digits], with at least one digit in the mantissa.
  std::string plain;
  std::size_t i = begin;
  if (i < end && (text[i] == '+' || text[i] == '-')) plain += text[i++];
  std::size_t digits = 0;
  while (i < end && IsAsciiDigit(text[i])) plain += text[i++], ++digits;
  if (i < end && text[i] == '.') {
    plain += text[i++];
    while (i < end && IsAsciiDigit(text[i])) plain += text[i++], ++digits;
  }
  if (digits == 0) throw VbError{kErrTypeMismatch};
  if (i < end && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    plain += 'e';
    ++i;
    if (i < end && (text[i] == '+' || text[i] == '-')) plain += text[i++];
    std::size_t exponent = 0;
    while (i < end && IsAsciiDigit(text[i])) plain += text[i++], ++exponent;
    if (exponent == 0) throw VbError{kErrTypeMismatch};
  }
  if (i != end) throw VbError{kErrTypeMismatch};
  const char* first = plain.data() + (plain[0] == '+' ? 1 : 0);
  double value = 0;
  auto [ptr, error] = std::from_chars(first, plain.data() + plain.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Too small for a double reads as zero; too large overflows.
    const std::size_t e = plain.find('e');
    if (e != std::string::npos && plain[e + 1] == '-') return 0.0;
    throw VbError{kErrOverflow};
  }
  if (error != std::errc{} || !std::isfinite(value)) throw VbError{kErrOverflow};
  return value;
}

double ToDouble(const Value& value) {
  switch (value.type) {
    case VType::Empty: return 0;
    case VType::Integer:
    case VType::Long:
    case VType::Byte:
    case VType::Boolean: return static_cast<double>(value.i);
    case VType::Currency: return static_cast<double>(value.i) / kCurrencyScale;
    case VType::Single:
    case VType::Double:
    case VType::Date: return value.d;
    case VType::String: return StringToDouble(value.s);
  }
  return 0;
}

std::int32_t ToLong(const Value& value) {
  return static_cast<std::int32_t>(RoundedInteger(value, -2147483648.0, 2147483647.0));
}

std::int16_t ToInteger(const Value& value) { return static_cast<std::int16_t>(RoundedInteger(value, -32768, 32767)); }

std::uint8_t ToByte(const Value& value) { return static_cast<std::uint8_t>(RoundedInteger(value, 0, 255)); }

std::int64_t ToCurrency(const Value& value) {
  switch (value.type) {
    case VType::Currency: return value.i;
    case VType::Empty: return 0;
    case VType::Integer:
    case VType::Long:
    case VType::Byte:
    case VType::Boolean: return value.i * kCurrencyScale;
    default: return DoubleToCurrency(ToDouble(value));
  }
}

float ToSingle(const Value& value) {
  const double d = ToDouble(value);
  const float f = static_cast<float>(d);
  if (std::isinf(f)) throw VbError{kErrOverflow};
  return f;
}

double ToDate(const Value& value) {
  if (value.type == VType::Date) return value.d;
  const double d = ToDouble(value);
  // A serial is a date while its whole days lie inside the range (-657434.9 is 100-01-01 21:36).
  if (!(d > kDateMin - 1.0 && d < kDateMax + 1.0)) throw VbError{kErrOverflow};
  return d;
}

DateParts SplitDate(double serial) {
  double whole = std::trunc(serial);
  // The time of day is the distance from the whole day, also before 1899-12-30 (-1.25 is
  // 1899-12-29 6:00), rounded to the second.
  auto seconds = static_cast<std::int64_t>(std::llround(std::fabs(serial - whole) * 86400.0));
  if (seconds >= 86400) {
    seconds -= 86400;
    whole += serial < 0 ? -1 : 1;
  }
  DateParts parts{};
  CivilFromDays(static_cast<std::int64_t>(whole) + kSerialEpoch, parts.year, parts.month, parts.day);
  parts.hour = static_cast<int>(seconds / 3600);
  parts.minute = static_cast<int>(seconds / 60 % 60);
  parts.second = static_cast<int>(seconds % 60);
  parts.hasDate = whole != 0;
  parts.hasTime = seconds != 0;
  return parts;
}

double DateSerial(int year, int month, int day) {
  return static_cast<double>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                             kSerialEpoch);
}

std::string ToText(const Value& value) {
  switch (value.type) {
    case VType::Empty: return "";
    case VType::Integer:
    case VType::Long:
    case VType::Byte: return std::to_string(value.i);
    case VType::Boolean: return value.i != 0 ? "True" : "False";
    case VType::Double: return FormatG(value.d, 15);
    case VType::Single: return FormatG(value.d, 7);
    case VType::String: return value.s;
    case VType::Currency: {
      // Whole units, then up to four decimals without trailing zeros: 1.5, -0.5, 0.0001.
      const bool negative = value.i < 0;
      const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(value.i) : static_cast<std::uint64_t>(value.i);
      std::string text = (negative ? "-" : "") + std::to_string(magnitude / kCurrencyScale);
      std::string fraction = std::to_string(magnitude % kCurrencyScale + kCurrencyScale).substr(1);
      while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
      if (!fraction.empty()) text += "." + fraction;
      return text;
    }
    case VType::Date: {
      // The Japanese short date "yyyy/MM/dd" and long time "H:mm:ss": the date alone when the
      // time is midnight, the time alone on day 0 (1899-12-30).
      const DateParts p = SplitDate(value.d);
      std::string date = std::to_string(p.year);
      date.insert(0, date.size() < 4 ? 4 - date.size() : 0, '0');
      date += "/" + TwoDigits(p.month) + "/" + TwoDigits(p.day);
      const std::string time = std::to_string(p.hour) + ":" + TwoDigits(p.minute) + ":" + TwoDigits(p.second);
      if (!p.hasDate) return time;
      if (!p.hasTime) return date;
      return date + " " + time;
    }
  }
  return "";
}

}  // namespace kelvo::wsh
