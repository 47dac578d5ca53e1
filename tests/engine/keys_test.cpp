// The calculator driven key by key: each row is a key sequence (kelvo-keys tokens) with what the
// display, the marks and the check tape must then show. Rows are grouped by behaviour.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "key_script.h"
#include "tax_rate_name.h"

namespace kelvo {
// A failed row prints its marks by number, as kelvo-keys does.
void PrintTo(Mark mark, std::ostream* out) { *out << static_cast<int>(mark); }
}  // namespace kelvo

using namespace kelvo;

namespace {

using Marks = std::vector<Mark>;
using enum Mark;  // rows name their marks: Marks{Equals, GrandTotal}

const std::string k14Nines = "9 9 9 9 9 9 9 9 9 9 9 9 9 9";
const std::string k14Digits = "1 2 3 4 5 6 7 8 9 0 1 2 3 4";

struct Row {
  std::string keys;
  std::string display;
  std::optional<Marks> marks = std::nullopt;
  std::optional<bool> error = std::nullopt;  // locked, with the E mark drawn
};

void Check(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    SCOPED_TRACE(row.keys);
    KeyScript script;
    ASSERT_EQ(script.ApplyLine(row.keys), "");
    EXPECT_EQ(script.State().display, row.display);
    if (row.marks) {
      EXPECT_EQ(script.State().marks.Lit(), *row.marks);
    }
    if (row.error) {
      EXPECT_EQ(script.State().error, *row.error);
      EXPECT_EQ(script.Display().errorMark, *row.error);
    }
  }
}

std::string Tape(std::initializer_list<const char*> lines) {
  std::string t;
  for (const char* line : lines) t += std::string(line) + "\r\n";
  return t;
}

TEST(NumberEntry, DigitsPointAndSign) {
  Check({
      {"0 0 5", "5"},
      {".", "0."},
      {"5 . 0 0", "5.00"},
      {"5 . . 2", "5.2"},
      {"+/-", "-0"},
      {"ce +/- 7", "-7"},
      {"+/- 7", "-7"},
      {"c +/- 7 = ", "-7"},
      {"5 + +/- 7 =", "2"},  // after an operator the sign belongs to the first operand
      {"1 . 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6", "1.2345678901234", {}, false},  // surplus digits dropped
      {"4 2 = 7", "7", {}},
      {"key:8 key:22 key:0 key:999", "0", {}, false},
  });
}

TEST(NumberEntry, FifteenthDigitLocksAndBackspaceUnlocks) {
  Check({
      {k14Digits + " 5", "12345678901234", {}, true},
      {k14Digits + " 5 bs", "12345678901234", {}, false},
      {k14Digits + " 5 bs 6", "12345678901234", {}, true},
      {k14Digits + " 5 ce", "0", {}, false},
      {"9 + " + k14Digits + " 5 ce", "9", Marks{Plus}, false},
      {"1 2 3 4 5 6 7 8 9 0 1 2 3 00", "12345678901230", {}, true},  // "00" at 13 digits
      {k14Digits + " 5 4 = +", "12345678901234", {}, true},           // every other key is ignored
  });
}

TEST(NumberEntry, Backspace) {
  Check({
      {"1 2 . bs", "1"},
      {"5 bs", "0"},
      {"5 +/- bs", "-0"},
      {"5 . +/- bs", "-0"},  // never leaves a lone minus
      {"1 2 3 bs bs", "1"},
      {"1 . 2 5 bs", "1.2"},
      {"2 + 3 = bs", "0"},
      {"2 + 3 = bs + 4 =", "4"},
  });
}

TEST(ClearKeys, CeCAndCa) {
  Check({
      {"3 + 4 ce 5 =", "8"},
      {"3 + 4 ce", "3", Marks{Plus}},
      {"2 + 3 = ce", "5", Marks{Equals, GrandTotal}},  // CE after a result does nothing
      {"5 m+ 2 + 3 = c", "0", Marks{GrandTotal, Memory}},  // C keeps memory and grand total
      {"5 m+ 2 + 3 = ca", "0", Marks{}},
      {"5 m+ 2 + 3 = ca mr", "0", Marks{MemoryRecalled}},
      {"2 + 3 = c =", "0"},  // C drops the constant too
  });
}

TEST(ErrorState, DivisionByZeroAndInvalidRoots) {
  Check({
      {"5 / 0 =", "0", Marks{}, true},
      {"5 / 0 = ce", "0", {}, true},
      {"5 / 0 = bs", "0", {}, true},
      {"5 / 0 = 7 + sqrt m+ gt tax+", "0", {}, true},
      {"5 / 0 = c", "0", Marks{}, false},
      {"5 / 0 = c 7", "7", {}, false},
      {"0 / 5 = +", "0", {}, true},  // the division is still pending with 0 shown
      {"0 sqrt", "0", {}, true},
      {"4 +/- sqrt", "0", {}, true},
      {"9 sqrt", "3", {}, false},
      {"2 sqrt", "1.4142135623731"},
      {"2 + 2 sqrt =", "3.4142135623731"},
  });
}

TEST(Operations, ChainsAndEquals) {
  Check({
      {"2 + 3 =", "5", Marks{Equals, GrandTotal}},
      {"2 + 3", "3", Marks{Plus}},
      {"1 2 + 3 4 +", "46", Marks{Plus}},
      {"1 2 + 3 4 + 5 =", "51"},
      {"1 / 3 * 3 =", "0.9999999999999"},
      {"2 - 5 =", "-3"},
      {"1 . 5 * 4 =", "6"},
      {"7 / 4 =", "1.75"},
      {"1 + 2 * 3 =", "9"},  // left to right, like any business calculator
      {"5 + * 2 =", "10"},    // a second operator key only replaces the first
  });
}

TEST(Operations, ConstantCalculation) {
  Check({
      {"2 + 3 = =", "8"},
      {"2 + 3 = 1 0 =", "13"},
      {"3 * 4 =", "12"},
      {"3 * 4 = 5 =", "15"},
      {"3 * 4 = 5 = =", "45"},
      {"8 / 2 = 6 =", "3"},
      {"9 - 2 = 5 =", "3"},
      {"6 * =", "36"},
      {"4 / =", "0.25"},
      {"5 - =", "-5"},
      {"5 + =", "5"},
      {"5 + 0 = 3 =", "3"},  // a constant of 0 still counts
      {"0 * 5 = 3 =", "0"},
      {"2 + 3 = 7 - =", "4"},  // A - = with a constant held subtracts it
  });
}

TEST(Operations, ResultOverflowShowsScaledValue) {
  Check({
      {k14Nines + " + 1 =", "1.0000000000000", Marks{Equals}, true},
      {k14Nines + " + 1 = ce", "1.0000000000000", Marks{Equals}, false},
      {k14Nines + " + 1 = ce + 1 =", "2"},
      {k14Nines + " * 1 0 =", "9.9999999999999", {}, true},
      {k14Nines + " +/- - 1 =", "-1.0000000000000", {}, true},
      // A chain that overflows leaves nothing pending: after CE the scaled value is the operand.
      {k14Nines + " + 2 +", "1.0000000000000", {}, true},
      {k14Nines + " + 2 + ce + 1 =", "2"},
      // A quotient far beyond the display keeps its magnitude.
      {k14Nines + " / . 0 0 0 0 0 0 1 =", "9999999.9999999", {}, true},
  });
}

TEST(Percent, FirstConvention) {
  Check({
      {"2 0 0 * 5 %", "10", Marks{Equals, GrandTotal}},
      {"2 0 0 + 5 %", "210"},
      {"2 0 0 - 5 %", "190"},
      {"5 0 / 2 0 0 %", "25"},
      {"2 0 0 * %", "400"},  // A x %: A x A %
      {"2 0 0 * 5 % 3 %", "6"},  // the operand is kept as a constant
  });
}

TEST(Percent, MarkUpConvention) {
  Check({
      {"percent=2 2 0 0 + 2 0 %", "250"},
      {"percent=2 1 2 0 - 1 0 0 %", "20"},
      {"percent=2 2 0 0 + 1 0 0 %", "0", {}, true},
      {"percent=2 5 - 0 %", "0", {}, true},
      {"percent=2 2 0 0 + 1 0 0 . %", "0", {}, true},  // a divisor typed 100. is still zero
      {"percent=2 5 - 0 . %", "0", {}, true},
      {"percent=2 2 0 0 * 5 %", "10"},
  });
}

TEST(Rounding, ResultsFollowTheSelectors) {
  Check({
      {"2 / 3 =", "0.6666666666666"},
      {"round=CUT places=2 2 / 3 =", "0.66"},
      {"round=UP places=2 2 / 3 =", "0.67"},
      {"round=54 places=2 2 / 3 =", "0.67"},
      {"round=54 places=0 1 0 / 4 =", "3"},
      {"round=CUT places=0 1 0 / 4 =", "2"},
      {"round=54 places=2 1 / 8 =", "0.13"},
      {"round=CUT places=2 1 / 8 =", "0.12"},
      {"round=CUT places=2 5 / 2 =", "2.50"},
      {"round=UP places=3 7 * 1 =", "7.000"},
      {"round=CUT places=F 2 / 3 =", "0.6666666666666"},  // F places rounds like F
      {"round=CUT places=2 1 / 3 +", "0.3333333333333"},  // a running result is only fitted
      {"round=54 places=2 - 1 . 3 4 5 =", "-1.35"},
  });
}

TEST(Memory, KeysAndMarks) {
  Check({
      {"5 m+ 3 m- mr", "2", Marks{Memory, MemoryRecalled}},
      {"5 m+ 3 m- mr mc", "2", Marks{}},
      {"5 m+ 5 m-", "5", Marks{Equals, MemoryMinus}},  // memory back to 0: no M
      {"2 * 3 m+", "6", Marks{Equals, Memory, MemoryPlus}},
      {"2 * 3 m+ mr", "6"},
      {"round=CUT places=2 5 m+", "5.00"},  // the register holds the number as drawn
      {k14Nines + " m+ m+", "0", Marks{Memory, Overflow, MemoryOverflow}, true},
      {k14Nines + " m+ m+ c mr", "99999999999999"},  // the memory keeps its value
  });
}

TEST(GrandTotal, AccumulatesResults) {
  Check({
      {"2 + 3 = 4 * 5 = gt", "25", Marks{GrandTotal, GrandTotalRecalled}},
      {"2 + 3 = 4 * 5 = gt gt", "25", Marks{}},
      {"2 + 3 = 4 * 5 = gt gt gt", "0", Marks{GrandTotalRecalled}},
      {"gt=off 2 + 3 = gt", "0", Marks{GrandTotalRecalled}},
      {"round=CUT places=0 1 / 3 = 2 / 3 = gt", "0"},
      {"1 / 3 = 2 / 3 = gt", "1"},  // the register keeps 23 nines; the display goes through a double
      {"2 + 3 = gt + 1 =", "6"},
      {k14Nines + " = = ", "0", Marks{GrandTotal, Overflow, GrandTotalOverflow}, true},
  });
}

TEST(TaxKeys, IncludedExcludedAndTax) {
  Check({
      {"rate=0.05 1 0 0 0 tax+", "1050", Marks{WithTax}},
      {"rate=0.05 1 0 0 0 tax+ tax+", "50", Marks{TaxOfWithTax}},
      {"rate=0.05 1 0 0 0 tax+ tax+ tax+", "1050", Marks{WithTax}},
      {"rate=0.05 1 0 0 0 tax+ tax+ tax+ tax-", "1000", Marks{WithoutTax}},
      {"rate=0.05 1 0 5 0 tax-", "1000", Marks{WithoutTax}},
      {"rate=0.05 1 0 5 0 tax- tax-", "50", Marks{TaxOfWithoutTax}},
      {"rate=0.05 1 0 5 0 tax- tax- tax+", "52.5", Marks{WithTax}},
      {"rate=0.08 1 0 8 0 tax-", "1000"},
      {"rate=0.08 1 0 8 0 tax- tax-", "80"},
      {"rate=0.05 1 0 0 tax-", "95.238095238096"},  // raised at the last place shown
      {"rate=0.05 round=CUT places=0 1 0 0 tax-", "95"},
      {"rate=0.05 2 + 3 = tax+", "5.25"},
      {"rate=0.05 1 0 0 0 tax+ + 1 =", "1051"},
      {"rate=-1 1 0 0 tax-", "0", {}, true},  // a rate that makes the divisor zero
      {"rate=0.00001 1 0 0 0 0 0 tax+", "100001"},
      // With the whole display taken by integer digits the raise is one unit.
      {"rate=0.05 " + k14Nines + " tax-", "95238095238095."},
  });
}

// The standard rate (rate=, 10 % when none is set) and the reduced rate (reduced=, 8 %), with the
// switch (keigen=) choosing which one the tax keys use at the moment they are pressed.
TEST(TaxKeys, StandardAndReducedRate) {
  Check({
      {"1 0 0 0 tax+", "1100", Marks{WithTax}},
      {"1 1 0 0 tax-", "1000", Marks{WithoutTax}},
      {"1 1 0 0 tax- tax-", "100", Marks{TaxOfWithoutTax}},
      {"keigen=on 1 0 0 0 tax+", "1080", Marks{WithTax}},
      {"keigen=on 1 0 8 0 tax- tax-", "80", Marks{TaxOfWithoutTax}},
      {"keigen=on keigen=off 1 0 0 0 tax+", "1100"},
      {"rate=0.05 1 0 0 0 tax+", "1050"},  // a kept 5 % stays 5 %
      {"rate=0.05 keigen=on 1 0 0 0 tax+", "1080"},
      {"reduced=0.065 keigen=on 1 0 0 0 tax+", "1065"},
      {"reduced=0.065 1 0 0 0 tax+", "1100"},
      // The switch thrown between two presses: the second press uses the rate now chosen.
      {"keigen=on 1 0 0 0 tax+ keigen=off tax+", "100"},
      {"1 0 0 0 tax+ keigen=on tax+", "80"},
      {"reduced=-1 keigen=on 1 0 0 tax-", "0", {}, true},
  });
  KeyScript script;
  EXPECT_EQ(script.ApplyLine("keigen=yes"), "keigen=yes");
  EXPECT_EQ(script.ApplyLine("reduced=8%"), "reduced=8%");
}

TEST(TaxKeys, RateNamesForDisplayAndPaper) {
  const std::tuple<double, bool, const char*> rows[] = {
      {0.10, false, "10%"}, {0.08, true, "軽8%"},  {0.05, false, "5%"},         {0.085, false, "8.5%"},
      {0.0, true, "軽0%"},  {-0.03, false, "-3%"}, {std::nan(""), false, "?%"}, {1e308, false, "?%"},
  };
  for (const auto& [rate, reduced, name] : rows) EXPECT_EQ(TaxRateName(rate, reduced), name) << rate;
}

TEST(AnswerCheck, RepeatedResultLightsOk) {
  Check({
      {"2 * 3 = 2 * 3 =", "6", Marks{Equals, GrandTotal, AnswerMatched}},
      {"2 * 3 = 2 * 4 =", "8", Marks{Equals, GrandTotal}},
      {"2 * 3 = ca 2 * 3 =", "6", Marks{Equals, GrandTotal}},
      {"ack=off 2 * 3 = 2 * 3 =", "6", Marks{Equals, GrandTotal}},
      {"2 * 3 = ack=on 2 * 3 =", "6", Marks{Equals, GrandTotal}},  // switching resets the answer
      {"2 * 3 = 2 * 3 = 1", "1", Marks{GrandTotal}},
  });
}

TEST(CheckTape, LinesOfTheLastTwoCalculations) {
  struct TapeRow {
    std::string keys, current, previous;
  };
  const TapeRow rows[] = {
      {"1 2 + 3 4 =", Tape({"12＋　", "34＝　", "46＊　"}), ""},
      {"1 2 + 3 4 + 5 =", Tape({"12＋　", "34＋　", "5＝　", "51＊　"}), ""},
      {"2 0 0 * 5 %", Tape({"200×　", "5％　", "10＊　"}), ""},
      {"2 * 3 m+", Tape({"2×　", "3＝　", "6＋M"}), ""},
      {"2 * 3 m-", Tape({"2×　", "3＝　", "6－M"}), ""},
      {"2 + 3 = =", Tape({"＝　", "8＊　"}), Tape({"2＋　", "3＝　", "5＊　"})},
      {"1 2 3 4 * 2 =", Tape({"1,234×　", "2＝　", "2,468＊　"}), ""},
      {"6 / =", Tape({"6÷　", "＝　", "0.1666666666666＊　"}), ""},
      // The check tape open or opened shows the tapes; it never changes them.
      {"kenzan 1 + 2 = 3 * 4 =", Tape({"3×　", "4＝　", "12＊　"}), Tape({"1＋　", "2＝　", "3＊　"})},
      {"1 + 2 = kenzan", Tape({"1＋　", "2＝　", "3＊　"}), ""},
  };
  for (const TapeRow& row : rows) {
    SCOPED_TRACE(row.keys);
    KeyScript script;
    ASSERT_EQ(script.ApplyLine(row.keys), "");
    EXPECT_EQ(script.State().tapeCurrent, row.current);
    EXPECT_EQ(script.State().tapePrevious, row.previous);
  }
  // Each calculation completed with the check tape open shows it anew.
  KeyScript script;
  ASSERT_EQ(script.ApplyLine("kenzan 1 + 2 = 3 * 4 = kenzan 5 ="), "");
  EXPECT_EQ(script.Display().checkTapeRefreshes, 3);  // the opening and two calculations
}

TEST(KeyDispatch, CheckTapeKeyWorksInTheErrorStateAndChangesNothing) {
  KeyScript script;
  ASSERT_EQ(script.ApplyLine("5 / 0 = kenzan"), "");
  EXPECT_TRUE(script.Display().checkTapeOpen);
  EXPECT_TRUE(script.State().error);
  ASSERT_EQ(script.ApplyLine("kenzan"), "");
  EXPECT_FALSE(script.Display().checkTapeOpen);
}

TEST(KeyDispatch, EveryKeyDrawsItsButtonAndReturnsTheFocus) {
  KeyScript script;
  ASSERT_EQ(script.ApplyLine("5 + 5 / 0 = 7 kenzan key:22"), "");
  EXPECT_EQ(script.Display().focusReturns, 9);
  EXPECT_EQ(script.Display().lastButton, 22);
  EXPECT_FALSE(script.Display().lastButtonPressed);
}

}  // namespace
