// The exact operations on decimal texts: worked examples, canonical form, and agreement with
// exact rational arithmetic on many random operands.
#include <gmpxx.h>
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "decimal.h"

using namespace kelvo;

namespace {

struct Case {
  const char* a;
  const char* b;
  const char* expected;
};

TEST(DecimalArithmetic, WorkedExamples) {
  const Case adds[] = {
      {"0.1", "0.2", "0.3"},   {"1.5", "2.5", "4"},     {"-5", "3", "-2"},     {"5", "-5", "0"},
      {"-5", "5", "0"},        {"12.", "1.5", "13.5"},  {"", "7", "7"},        {"-0", "-0", "0"},
      {"99999999999999", "1", "100000000000000"},       {"-0.001", "0.0005", "-0.0005"},
      {"0.99999999999999999999999", "0.00000000000000000000001", "1"},
      {"-3.25", "-1.75", "-5"},  {"007.50", "0", "7.5"},
  };
  for (const Case& c : adds) EXPECT_EQ(DecAdd(c.a, c.b), c.expected) << c.a << " + " << c.b;

  const Case subtracts[] = {{"5", "8", "-3"}, {"5", "-8", "13"}, {"-5", "-5", "0"}, {"0.3", "0.1", "0.2"}};
  for (const Case& c : subtracts) EXPECT_EQ(DecSubtract(c.a, c.b), c.expected) << c.a << " - " << c.b;

  const Case multiplies[] = {
      {"0.5", "0.2", "0.1"},  {"0", "-5", "-0"},  {"-5", "0", "-0"},   {"-2", "-3", "6"},
      {"1.05", "1000", "1050"}, {"12.", "2", "24"}, {"0.001", "0.001", "0.000001"},
      {"99999999999999", "99999999999999", "9999999999999800000000000001"},
  };
  for (const Case& c : multiplies) EXPECT_EQ(DecMultiply(c.a, c.b), c.expected) << c.a << " x " << c.b;

  const Case divides[] = {
      {"1", "4", "0.25"},
      {"10", "4", "2.5"},
      {"2", "3", "0.66666666666666666666666"},
      {"-7", "2", "-3.5"},
      {"5", "105", "0.047619047619047619047"},
      {"1", "3", "0.33333333333333333333333"},
      {"100", "7", "14.285714285714285714285"},
      {"1", "30", "0.033333333333333333333"},
      {"600", "2", "300"},
      {"0", "7", "0"},
      {"1", "0.5", "2"},
      {"0.05", "7", "0.007142857142857142857"},
      // A huge quotient keeps every integer digit, so it overflows with its true size.
      {"99999999999999", "0.0000001", "999999999999990000000"},
      {"12345678901234567890123456789", "1", "12345678901234567890123456789"},
  };
  for (const Case& c : divides) EXPECT_EQ(DecDivide(c.a, c.b), c.expected) << c.a << " / " << c.b;
}

TEST(DecimalArithmetic, ArithDispatchesByOperatorCode) {
  EXPECT_EQ(Arith("6", Operator::Add, "3"), "9");
  EXPECT_EQ(Arith("6", Operator::Subtract, "3"), "3");
  EXPECT_EQ(Arith("6", Operator::Multiply, "3"), "18");
  EXPECT_EQ(Arith("6", Operator::Divide, "3"), "2");
  EXPECT_EQ(Arith("6", Operator::None, "3"), "");
}

TEST(DecimalArithmetic, ZeroTextsAndStripping) {
  for (const char* zero : {"", "0", "-0", "0.", "0.000", "+0", "-.0"}) EXPECT_TRUE(IsZeroText(zero)) << zero;
  for (const char* nonzero : {"1", "0.01", "-0.5", "10"}) EXPECT_FALSE(IsZeroText(nonzero)) << nonzero;

  const std::pair<const char*, const char*> trailing[] = {
      {"2.50", "2.5"}, {"3.000", "3"}, {"100", "100"}, {"12.", "12"}, {"0.0", "0"}};
  for (const auto& [in, out] : trailing) EXPECT_EQ(StripTrailingZeros(in), out) << in;

  const std::pair<const char*, const char*> leading[] = {
      {"0", "0"}, {"007", "7"}, {"000.5", "0.5"}, {"0.05", "0.05"}, {"-0012", "-12"}, {"+05", "+5"}, {"5", "5"}};
  for (const auto& [in, out] : leading) EXPECT_EQ(StripLeadingZeros(in), out) << in;
}

// ---- Exact reference ----

mpq_class ToRational(const std::string& t) {
  std::string digits;
  size_t fraction = 0;
  bool seenPoint = false, negative = false;
  for (char c : t) {
    if (c == '-') negative = true;
    else if (c == '.') seenPoint = true;
    else {
      digits += c;
      if (seenPoint) ++fraction;
    }
  }
  if (digits.empty()) digits = "0";
  mpz_class num(digits, 10), den;
  mpz_ui_pow_ui(den.get_mpz_t(), 10, fraction);
  mpq_class q(num, den);
  q.canonicalize();
  return negative ? mpq_class(-q) : q;
}

// A decimal text the way the engine keeps numbers: up to 14 digits, perhaps a point and a sign,
// sometimes with trailing zeros or a trailing point as typed.
std::string RandomOperand(std::mt19937_64& rng) {
  const int digits = 1 + static_cast<int>(rng() % 14);
  std::string t;
  for (int i = 0; i < digits; ++i) t += static_cast<char>('0' + rng() % 10);
  switch (rng() % 4) {
    case 0: break;
    case 1: t.insert(rng() % t.size(), 1, '.'); if (t[0] == '.') t.insert(0, "0"); break;
    case 2: t = "0." + t; break;
    default: t += '.'; break;
  }
  if (rng() % 3 == 0) t.insert(0, "-");
  return t;
}

// -?(0|[1-9][0-9]*)(\.[0-9]*[1-9])? : no leading or trailing zeros, no bare point.
bool IsCanonical(const std::string& t) {
  size_t i = t.rfind('-', 0) == 0 ? 1 : 0;
  const size_t point = t.find('.');
  const std::string whole = t.substr(i, point == std::string::npos ? std::string::npos : point - i);
  if (whole.empty() || (whole.size() > 1 && whole[0] == '0')) return false;
  if (whole.find_first_not_of("0123456789") != std::string::npos) return false;
  if (point == std::string::npos) return true;
  const std::string fraction = t.substr(point + 1);
  return !fraction.empty() && fraction.back() != '0' && fraction.find_first_not_of("0123456789") == std::string::npos;
}

TEST(DecimalArithmetic, AgreesWithExactRationalsOnRandomOperands) {
  std::mt19937_64 rng(20261207);
  for (int i = 0; i < 20000; ++i) {
    const std::string a = RandomOperand(rng), b = RandomOperand(rng);
    const mpq_class qa = ToRational(a), qb = ToRational(b);
    SCOPED_TRACE(a + " and " + b);

    const std::string sum = DecAdd(a, b);
    ASSERT_TRUE(IsCanonical(sum)) << sum;
    ASSERT_NE(sum, "-0");
    ASSERT_EQ(ToRational(sum), qa + qb);

    const std::string difference = DecSubtract(a, b);
    ASSERT_TRUE(IsCanonical(difference)) << difference;
    ASSERT_EQ(ToRational(difference), qa - qb);

    const std::string product = DecMultiply(a, b);
    ASSERT_TRUE(product == "-0" || IsCanonical(product)) << product;
    ASSERT_EQ(ToRational(product), qa * qb);
  }
}

TEST(DecimalArithmetic, DivisionTruncatesAtTheLastWrittenDigit) {
  std::mt19937_64 rng(42);
  for (int i = 0; i < 5000; ++i) {
    const std::string a = RandomOperand(rng), b = RandomOperand(rng);
    if (ToRational(b) == 0) continue;
    SCOPED_TRACE(a + " / " + b);
    const std::string q = DecDivide(a, b);
    const mpq_class exact = abs(ToRational(a) / ToRational(b));
    const mpq_class shown = abs(ToRational(q));

    const size_t point = q.find('.');
    const size_t fraction = point == std::string::npos ? 0 : q.size() - point - 1;
    mpz_class unit;
    mpz_ui_pow_ui(unit.get_mpz_t(), 10, fraction);
    ASSERT_LE(shown, exact);
    ASSERT_LT(exact, shown + mpq_class(1, unit)) << "a digit is wrong or missing";
    if (exact != 0) {
      ASSERT_EQ(q.front() == '-', (ToRational(a) < 0) != (ToRational(b) < 0));
    }
    // At most 23 counted positions once the point is passed ("0." and 23 digits for 1 / 3).
    if (point != std::string::npos) {
      ASSERT_LE(q.size() - (q.front() == '-'), 25u);
    }
  }
}

}  // namespace
