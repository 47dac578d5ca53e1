#include "format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "ascii.h"

namespace kelvo {
namespace {

constexpr double kOverflowBound = 99999999999999.0;

// Length of the longest prefix of t that reads as a number: [+-]digits[.digits][E[+-]digits].
size_t NumericPrefix(std::string_view t) {
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  size_t digits = 0;
  while (i < t.size() && IsAsciiDigit(t[i])) ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && IsAsciiDigit(t[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
    size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    if (j < t.size() && IsAsciiDigit(t[j])) {
      while (j < t.size() && IsAsciiDigit(t[j])) ++j;
      i = j;
    }
  }
  return i;
}

// "###0." followed by f "#": the double's shortest round-trip digits, rounded half away from
// zero at f decimals, without trailing fraction zeros or a bare point.
std::string FormatPattern(double v, size_t f) {
  char buf[400];
  const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
  std::string s = res.ec == std::errc{} ? std::string(buf, res.ptr) : FormatGeneral15Plain(v);
  const size_t point = s.find('.');
  if (point != std::string::npos && s.size() - point - 1 > f) {
    const bool roundUp = s[point + 1 + f] >= '5';
    s.resize(point + 1 + f);
    if (roundUp) {
      int i = static_cast<int>(s.size()) - 1;
      bool done = false;
      for (; i >= 0; --i) {
        if (s[i] == '.') continue;
        if (!IsAsciiDigit(s[i])) break;  // the sign
        if (s[i] != '9') {
          ++s[i];
          done = true;
          break;
        }
        s[i] = '0';
      }
      if (!done) s.insert(static_cast<size_t>(i + 1), 1, '1');  // carried past the first digit
    }
  }
  if (s.find('.') != std::string::npos) {
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  return s;
}

}  // namespace

double ReadDouble(std::string_view t) {
  const size_t n = NumericPrefix(t);
  if (n == 0) return 0.0;
  std::string text(t.substr(0, n));
  return std::strtod(text.c_str(), nullptr);
}

std::string FormatGeneral15(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15G", v);
  std::string s(buf);
  const size_t e = s.find('E');
  if (e == std::string::npos) return s;
  // "1E-05" -> "1E-5", "1E+20" -> "1E20"
  std::string mantissa = s.substr(0, e + 1);
  size_t i = e + 1;
  if (i < s.size() && s[i] == '-') mantissa += '-';
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
  while (i + 1 < s.size() && s[i] == '0') ++i;
  return mantissa + s.substr(i);
}

std::string FormatGeneral15Plain(double v) {
  std::string s = FormatGeneral15(v);
  const size_t e = s.find('E');
  if (e == std::string::npos) return s;
  if (s.find('-', e) != std::string::npos) return ExponentToPlain(s);
  // Positive exponent: shift the point to the right.
  const bool negative = s[0] == '-';
  std::string mantissa = s.substr(negative ? 1 : 0, e - (negative ? 1 : 0));
  const int exponent = std::atoi(s.c_str() + e + 1);
  const size_t point = mantissa.find('.');
  std::string digits = mantissa;
  int after = 0;
  if (point != std::string::npos) {
    digits.erase(point, 1);
    after = static_cast<int>(mantissa.size() - point - 1);
  }
  if (exponent >= after) {
    digits.append(static_cast<size_t>(exponent - after), '0');
  } else {
    digits.insert(digits.size() - static_cast<size_t>(after - exponent), 1, '.');
  }
  return (negative ? "-" : "") + digits;
}

std::string ExponentToPlain(std::string_view t) {
  bool negative = false;
  if (!t.empty() && t.front() == '-') {
    negative = true;
    t.remove_prefix(1);
  }
  const size_t e = t.find('E');
  const std::string_view mantissa = t.substr(0, e);
  int exponent = -1;
  if (e != std::string_view::npos && e + 1 < t.size() && t[e + 1] == '-') {
    const std::string_view digits = t.substr(e + 2);
    int value = 0;
    const auto res = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (res.ec == std::errc{}) exponent = std::min(value, 400);
  }
  std::string out(static_cast<size_t>(std::max(exponent, 0)), '0');
  for (char c : mantissa)
    if (c != '.') out += c;
  if (!out.empty()) out.insert(1, 1, '.');
  return negative ? "-" + out : out;
}

std::string FitDisplay(std::string_view text) {
  std::string t(text);
  size_t limit = kDisplayDigits + (ReadDouble(t) < 0 ? 1 : 0);
  if (t.find('E') != std::string::npos) {
    ++limit;
    t = ExponentToPlain(t);
  } else if (const size_t point = t.find('.'); point != std::string::npos) {
    t = FormatPattern(ReadDouble(t), t.size() - point - 1);
    if (t.find('.') != std::string::npos) ++limit;
  }
  if (t.size() > limit) {
    t.resize(limit);
    if (t.back() == '0') {
      while (!t.empty() && t.back() == '0') t.pop_back();
      if (!t.empty() && t.back() == '.') t.pop_back();
    }
  }
  return t;
}

bool IsOverflow(std::string_view t) {
  const double v = ReadDouble(t);
  return v > kOverflowBound || v < -kOverflowBound;
}

std::string CheckOverflow(std::string_view t) { return IsOverflow(t) ? "E" : FitDisplay(t); }

std::string PadToFourteen(std::string_view text) {
  std::string t(text);
  size_t length = kDisplayDigits + (!t.empty() && t.front() == '-' ? 1 : 0);
  if (t.find('.') != std::string::npos) {
    ++length;
  } else if (t.size() < length) {
    t += '.';
    ++length;
  }
  if (t.size() < length) t.append(length - t.size(), '0');
  return t;
}

std::string GroupDigits(std::string_view text) {
  std::string plain;
  if (text.find('E') != std::string_view::npos) {
    plain = ExponentToPlain(text);
    text = plain;
  }
  const size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  std::string out;
  out.reserve(text.size() + whole.size() / 3);
  size_t copied = 0;
  for (size_t i = whole.size(); i-- > 0;) {
    out.insert(out.begin(), whole[i]);
    ++copied;
    if (copied % 3 == 0) {
      const size_t remaining = i;
      if (remaining >= 2 || (remaining == 1 && whole[0] != '-' && whole[0] != '+')) out.insert(out.begin(), ',');
    }
  }
  if (point != std::string_view::npos) out += text.substr(point);
  return out;
}

}  // namespace kelvo
