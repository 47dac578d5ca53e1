#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace kelvo {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// Counts the digits at the start of the text.
std::size_t DigitRun(std::string_view text, std::size_t from) {
  std::size_t end = from;
  while (end < text.size() && IsDigit(text[end])) ++end;
  return end - from;
}

// True when the text is [sign] digits [. digits] [(e|E) [sign] digits] with a digit in the
// mantissa; from_chars alone would also take "inf", "nan" and hexadecimal forms.
bool IsDecimalNumberShape(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t whole = DigitRun(text, i);
  i += whole;
  std::size_t fraction = 0;
  if (i < text.size() && text[i] == '.') {
    fraction = DigitRun(text, i + 1);
    i += 1 + fraction;
  }
  if (whole + fraction == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t exponent = DigitRun(text, i);
    if (exponent == 0) return false;
    i += exponent;
  }
  return i == text.size();
}

// For a number out of the range of a double: is it too small (rather than too large)? Compares
// the power of ten of its first significant digit with 0; the shape is already checked.
bool IsTooSmall(std::string_view text) {
  std::size_t i = (text.front() == '+' || text.front() == '-') ? 1 : 0;
  while (i < text.size() && text[i] == '0') ++i;
  long power = static_cast<long>(DigitRun(text, i));
  i += static_cast<std::size_t>(power);
  if (power == 0 && i < text.size() && text[i] == '.') {
    std::size_t zeros = 0;
    while (i + 1 + zeros < text.size() && text[i + 1 + zeros] == '0') ++zeros;
    power = -static_cast<long>(zeros);
  }
  const std::size_t e = text.find_first_of("eE");
  if (e == std::string_view::npos) return power < 0;
  const bool negative = text[e + 1] == '-';
  long exponent = 0;
  for (std::size_t j = e + 1; j < text.size(); ++j)
    if (IsDigit(text[j])) exponent = std::min(exponent * 10 + (text[j] - '0'), 1000000L);
  return power + (negative ? -exponent : exponent) < 0;
}

}  // namespace

std::optional<std::int32_t> ParseIntegerText(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  if (hex) text.remove_prefix(2);
  if (text.empty()) return std::nullopt;
  // Leading zeros never make a number too long; what is left must fit the digit count.
  const std::size_t significant = std::min(text.find_first_not_of('0'), text.size() - 1);
  text.remove_prefix(significant);
  if (text.size() > (hex ? 8u : 10u)) return std::nullopt;
  std::uint64_t magnitude = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, hex ? 16 : 10);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  if (hex) {
    // The hexadecimal digits are the 32 bits of the number (0xFFFFFFFF is -1); a sign negates it.
    const auto bits = static_cast<std::uint32_t>(magnitude);
    return static_cast<std::int32_t>(negative ? 0u - bits : bits);
  }
  const std::uint64_t limit = negative ? 2147483648ull : 2147483647ull;
  if (magnitude > limit) return std::nullopt;
  return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude));
}

std::optional<double> ParseDecimalNumber(std::string_view text) {
  text = TrimBlanks(text);
  if (!IsDecimalNumberShape(text)) return std::nullopt;
  if (text.front() == '+') text.remove_prefix(1);
  double value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  // A number too small for a double is still a number: it reads as zero.
  if (error == std::errc::result_out_of_range && IsTooSmall(text)) return text.front() == '-' ? -0.0 : 0.0;
  if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<double> ParsePlainDecimal(std::string_view text) {
  text = TrimBlanks(text);
  const std::size_t whole = DigitRun(text, 0);
  std::size_t fraction = 0;
  if (whole < text.size() && text[whole] == '.') fraction = DigitRun(text, whole + 1);
  const std::size_t length = whole + fraction + (whole < text.size() && text[whole] == '.' ? 1 : 0);
  if (whole + fraction == 0 || length != text.size()) return std::nullopt;
  return ParseDecimalNumber(text);
}

std::string FormatReal(double value) {
  char buffer[64];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  if (error != std::errc{}) return "0";
  const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
  const std::size_t e = text.find('e');
  if (e == std::string_view::npos) return std::string(text);
  // "-1.5e-05": the digits, moved by the exponent.
  const bool negative = text.front() == '-';
  const std::string_view mantissa = text.substr(negative ? 1 : 0, e - (negative ? 1 : 0));
  int exponent = 0;
  std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(), exponent);
  std::string digits;
  for (const char c : mantissa)
    if (IsDigit(c)) digits += c;
  const int point = static_cast<int>(std::min(mantissa.find('.'), mantissa.size())) + exponent;
  std::string plain = negative ? "-" : "";
  if (point <= 0) {
    plain += "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
  } else if (static_cast<std::size_t>(point) >= digits.size()) {
    plain += digits + std::string(static_cast<std::size_t>(point) - digits.size(), '0');
  } else {
    plain += digits.substr(0, static_cast<std::size_t>(point)) + "." + digits.substr(static_cast<std::size_t>(point));
  }
  return plain;
}

}  // namespace kelvo
