#include "decimal.h"

#include <algorithm>

#include "ascii.h"

namespace kelvo {
namespace {

int Digit(char c) { return IsAsciiDigit(c) ? c - '0' : 0; }

// A decimal text taken apart: sign, integer digits without leading zeros,
// fraction digits without trailing zeros.
struct Parts {
  bool negative = false;
  std::string_view whole;
  std::string_view fraction;
};

Parts Split(std::string_view t) {
  Parts p;
  if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
    p.negative = t.front() == '-';
    t.remove_prefix(1);
  }
  const size_t dot = t.find('.');
  p.whole = t.substr(0, dot);
  p.fraction = dot == std::string_view::npos ? std::string_view{} : t.substr(dot + 1);
  while (!p.whole.empty() && p.whole.front() == '0') p.whole.remove_prefix(1);
  while (!p.fraction.empty() && p.fraction.back() == '0') p.fraction.remove_suffix(1);
  return p;
}

// Digit of a magnitude at a power of ten: index 0 is the units, -1 the tenths.
int DigitAt(const Parts& p, int power) {
  if (power >= 0) {
    const int i = static_cast<int>(p.whole.size()) - 1 - power;
    return i >= 0 ? Digit(p.whole[i]) : 0;
  }
  const int i = -power - 1;
  return i < static_cast<int>(p.fraction.size()) ? Digit(p.fraction[i]) : 0;
}

int CompareMagnitude(const Parts& a, const Parts& b) {
  if (a.whole.size() != b.whole.size()) return a.whole.size() < b.whole.size() ? -1 : 1;
  const int top = static_cast<int>(a.whole.size()) - 1;
  const int bottom = -static_cast<int>(std::max(a.fraction.size(), b.fraction.size()));
  for (int power = top; power >= bottom; --power) {
    const int da = DigitAt(a, power), db = DigitAt(b, power);
    if (da != db) return da < db ? -1 : 1;
  }
  return 0;
}

// Writes the digits of a magnitude (most significant first, `point` of them after the point)
// as a decimal text without leading or trailing zeros.
std::string Canonical(const std::string& digits, size_t point, bool negative) {
  const size_t wholeLength = digits.size() - point;
  size_t first = 0;
  while (first < wholeLength && digits[first] == '0') ++first;
  size_t last = digits.size();
  while (last > wholeLength && digits[last - 1] == '0') --last;
  std::string out;
  out.reserve(last - first + 3);
  if (negative) out += '-';
  if (first == wholeLength) out += '0';
  out.append(digits, first, wholeLength - first);
  if (last > wholeLength) {
    out += '.';
    out.append(digits, wholeLength, last - wholeLength);
  }
  return out;
}

// Integer digit texts without leading zeros (the remainders of the long division).
int CompareWhole(const std::string& a, std::string_view b) {
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

void SubtractWhole(std::string& a, std::string_view b) {  // a >= b
  int borrow = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    const size_t ai = a.size() - 1 - i;
    int d = Digit(a[ai]) - borrow - (i < b.size() ? Digit(b[b.size() - 1 - i]) : 0);
    borrow = d < 0;
    a[ai] = static_cast<char>('0' + d + (borrow ? 10 : 0));
  }
  const size_t nonZero = a.find_first_not_of('0');
  a.erase(0, nonZero == std::string::npos ? a.size() - 1 : nonZero);
}

}  // namespace

bool IsZeroText(std::string_view t) {
  return std::all_of(t.begin(), t.end(), [](char c) { return c == '+' || c == '-' || c == '.' || c == '0'; });
}

std::string StripTrailingZeros(std::string_view t) {
  if (t.find('.') == std::string_view::npos) return std::string(t);
  while (!t.empty() && t.back() == '0') t.remove_suffix(1);
  if (!t.empty() && t.back() == '.') t.remove_suffix(1);
  return std::string(t);
}

std::string StripLeadingZeros(std::string_view t) {
  if (t == "0") return std::string(t);
  std::string sign;
  size_t i = 0;
  if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
    sign = t[0];
    i = 1;
  }
  size_t zeros = 0;
  bool stoppedAtPoint = false;
  while (i + zeros < t.size()) {
    const char c = t[i + zeros];
    if (c == '0') {
      ++zeros;
    } else {
      stoppedAtPoint = c == '.';
      break;
    }
  }
  if (zeros > 0 && stoppedAtPoint) --zeros;  // keep one "0" before the point
  return sign + std::string(t.substr(i + zeros));
}

std::string DecAdd(std::string_view a, std::string_view b) {
  Parts pa = Split(IsZeroText(a) ? "0" : a);
  Parts pb = Split(IsZeroText(b) ? "0" : b);

  const bool subtract = pa.negative != pb.negative;
  bool negative;
  if (!subtract) {
    negative = pa.negative;
  } else {
    const int cmp = CompareMagnitude(pa, pb);
    // Equal magnitudes give zero, which is written without a sign.
    negative = pa.negative ? cmp >= 0 : cmp < 0;
    if (cmp < 0) std::swap(pa, pb);  // larger magnitude on the left
  }

  const int fractionDigits = static_cast<int>(std::max(pa.fraction.size(), pb.fraction.size()));
  const int wholeDigits = static_cast<int>(std::max(pa.whole.size(), pb.whole.size())) + 1;
  std::string digits(static_cast<size_t>(wholeDigits + fractionDigits), '0');
  int carry = 0;
  for (int power = -fractionDigits, pos = static_cast<int>(digits.size()) - 1; pos >= 0; ++power, --pos) {
    int s = subtract ? DigitAt(pa, power) - DigitAt(pb, power) + carry
                     : DigitAt(pa, power) + DigitAt(pb, power) + carry;
    carry = 0;
    if (s < 0) {
      s += 10;
      carry = -1;
    } else if (s >= 10) {
      s -= 10;
      carry = 1;
    }
    digits[static_cast<size_t>(pos)] = static_cast<char>('0' + s);
  }
  std::string out = Canonical(digits, static_cast<size_t>(fractionDigits), negative);
  return out == "-0" ? "0" : out;
}

std::string DecSubtract(std::string_view a, std::string_view b) {
  std::string negated;
  if (!b.empty() && b.front() == '-') {
    negated = b.substr(1);
  } else {
    negated.reserve(b.size() + 1);
    negated = "-";
    negated += b;
  }
  return DecAdd(a, negated);
}

std::string DecMultiply(std::string_view a, std::string_view b) {
  const Parts pa = Split(a), pb = Split(b);
  // A zero product of operands with different signs reads "-0".
  const bool negative = (!a.empty() && a.front() == '-') != (!b.empty() && b.front() == '-');

  std::string da(pa.whole), db(pb.whole);
  da += pa.fraction;
  db += pb.fraction;
  const size_t point = pa.fraction.size() + pb.fraction.size();
  if (da.empty()) da = "0";
  if (db.empty()) db = "0";

  std::string digits(da.size() + db.size(), '0');
  for (size_t i = da.size(); i-- > 0;) {
    int carry = 0;
    const int x = Digit(da[i]);
    for (size_t j = db.size(); j-- > 0;) {
      char& cell = digits[i + j + 1];
      const int v = Digit(cell) + x * Digit(db[j]) + carry;
      cell = static_cast<char>('0' + v % 10);
      carry = v / 10;
    }
    digits[i] = static_cast<char>(digits[i] + carry);
  }
  std::string out = Canonical(digits, point, false);
  return negative ? "-" + out : out;
}

std::string DecDivide(std::string_view dividend, std::string_view divisor) {
  if (IsZeroText(dividend)) return "0";
  std::string a = StripTrailingZeros(dividend);
  std::string b = StripTrailingZeros(divisor);
  bool negative = false;
  if (!a.empty() && a.front() == '-') {
    a.erase(0, 1);
    negative = !negative;
  }
  if (!b.empty() && b.front() == '-') {
    b.erase(0, 1);
    negative = !negative;
  }

  // Make the divisor whole and move the dividend's point as many places.
  if (const size_t bPoint = b.find('.'); bPoint != std::string::npos) {
    const size_t f = b.size() - bPoint - 1;
    b.erase(bPoint, 1);
    b = StripLeadingZeros(b);
    if (const size_t aPoint = a.find('.'); aPoint != std::string::npos) {
      const size_t g = a.size() - aPoint - 1;
      a.erase(aPoint, 1);
      if (f < g) a.insert(a.size() - (g - f), 1, '.');
      if (f > g) a.append(f - g, '0');
    } else {
      a.append(f, '0');
    }
  }
  a = IsZeroText(a) ? "0" : StripLeadingZeros(a);
  if (IsZeroText(b)) return "0";  // the callers never divide by zero
  b = StripLeadingZeros(b);

  const size_t n = b.size(), m = a.size();
  std::string q, r;
  q.reserve(32);
  r.reserve(n + 2);
  bool pointPassed = false, pointFromDividend = false;
  size_t i = 1, j = 1;

  // Phase one: fill the first partial remainder with as many digits as the divisor has.
  while (j <= n) {
    if (i > m) {
      if (!pointPassed) {
        q = "0.";
        pointPassed = true;
      } else if ((pointFromDividend && j < n) || (!pointFromDividend && j <= n)) {
        q += '0';
      }
      r += '0';
      ++j;
    } else {
      const char c = a[i - 1];
      if (c == '.') {
        q = "0.";
        pointPassed = pointFromDividend = true;
      } else if (c == '0' && r.empty()) {
        if (pointPassed) q += '0';
      } else {
        r += c;
        ++j;
        if (pointPassed && j <= n) q += '0';
      }
      ++i;
    }
  }
  size_t k = q.size();

  // Phase two: one quotient digit per step.
  for (;;) {
    int l = 0;
    while (l < 10) {
      const int cmp = CompareWhole(r, b);
      if (cmp < 0) break;
      ++l;
      if (cmp == 0) {
        r = "0";
        break;
      }
      SubtractWhole(r, b);
    }
    if (!q.empty()) {
      q += static_cast<char>('0' + l);
      ++k;
    } else if (l != 0) {
      q = static_cast<char>('0' + l);
      ++k;
    }
    if (r == "0" && i > m) break;
    if (r == "0") r.clear();
    if (i <= m) {
      char c = a[i - 1];
      if (c == '.') {
        if (q.empty()) q = "0."; else q += '.';
        pointPassed = true;
        ++i;
        c = i <= m ? a[i - 1] : '0';
      }
      if (r.empty()) r = c; else r += c;
    } else {
      if (r.empty()) break;
      r += '0';
      if (!pointPassed) {
        if (q.empty()) q = "0."; else q += '.';
        pointPassed = true;
      }
    }
    ++i;
    // The digit limit counts only once the point is passed, so no integer digit is ever cut.
    if (pointPassed && (k > 22 || i > 100)) break;
  }
  if (q.empty()) q = "0";
  return negative ? "-" + q : q;
}

std::string Arith(std::string_view a, Operator op, std::string_view b) {
  switch (op) {
    case Operator::Add: return DecAdd(a, b);
    case Operator::Subtract: return DecSubtract(a, b);
    case Operator::Multiply: return DecMultiply(a, b);
    case Operator::Divide: return DecDivide(a, b);
    case Operator::None: break;
  }
  return {};
}

}  // namespace kelvo
