// Hours worked: typed times, running sums, decimal hours and wages under the selectors, and the
// tape lines of a sum.
#include <gtest/gtest.h>

#include "rounding.h"
#include "tape_format.h"
#include "time_days_tape.h"
#include "time_sum.h"

namespace {

using timecalc::Rounding;
constexpr Rounding kF{kelvo::kRoundF, kelvo::kPlacesF};
constexpr Rounding kCut2{kelvo::kRoundCut, 2};

std::int64_t Seconds(const char* text) { return timecalc::ReadTime(text).seconds.value(); }

TEST(TimeSum, RunningTotals) {
  struct Row {
    const char* name;
    std::vector<std::pair<char, const char*>> entries;
    const char* total;
  };
  const Row rows[] = {
      {"PastADay", {{'+', "0:15"}, {'+', "3:40"}, {'+', "22:45"}}, "26:40"},
      {"BelowZero", {{'+', "8:00"}, {'-', "9:30"}}, "-1:30"},
      {"SecondsCarry", {{'+', "1:59:59"}, {'+', "0:00:01"}}, "2:00"},
      {"SecondsShown", {{'+', "0:00:45"}, {'+', "0:00:20"}}, "0:01:05"},
      {"NegativeSeconds", {{'+', "0:30:30"}, {'-', "0:30:31"}}, "-0:00:01"},
      {"LongestEntries", {{'+', "99999:59:59"}, {'+', "99999:59:59"}}, "199999:59:58"},
  };
  for (const Row& row : rows) {
    timecalc::TimeSum sum;
    for (const auto& [sign, text] : row.entries) sign == '+' ? sum.Add(Seconds(text)) : sum.Subtract(Seconds(text));
    EXPECT_EQ(timecalc::TimeText(sum.Total()), row.total) << row.name;
    EXPECT_EQ(sum.Entries().back().total, sum.Total()) << row.name;
  }
}

TEST(TimeSum, HundredEntriesKeepEveryRunningTotal) {
  timecalc::TimeSum sum;
  for (int i = 0; i < 100; ++i) sum.Add(Seconds("7:45"));
  EXPECT_EQ(timecalc::TimeText(sum.Total()), "775:00");
  EXPECT_EQ(timecalc::TimeText(sum.Entries()[49].total), "387:30");
  sum.Clear();
  EXPECT_EQ(sum.Total(), 0);
}

TEST(TimeSum, TypedTimes) {
  struct Row {
    const char* typed;
    std::int64_t seconds;  // -1: refused
  };
  const Row rows[] = {
      {"7:45", 27900},       {"0:15", 900},         {"25:00", 90000},     {"7:45:30", 27930},
      {"０：１５", 900},     {" 8:00 ", 28800},     {"99999:59:59", 359999999},
      {"7:60", -1},          {"7:5", -1},           {"7", -1},            {"7:45:60", -1},
      {"-1:00", -1},         {"7.5", -1},           {"", -1},             {"100000:00", -1},
      {"7:45:", -1},         {":45", -1},           {"7:45:30:00", -1},   {"7時45分", -1},
  };
  for (const Row& row : rows) {
    const timecalc::TimeReading reading = timecalc::ReadTime(row.typed);
    if (row.seconds < 0) {
      EXPECT_FALSE(reading.seconds) << row.typed;
      EXPECT_NE(reading.message.find("時:分"), std::string::npos) << row.typed;
    } else {
      EXPECT_EQ(reading.seconds, row.seconds) << row.typed;
    }
  }
}

TEST(TimeSum, DecimalHoursFollowTheSelectors) {
  struct Row {
    const char* total;
    Rounding rounding;
    const char* shown;
  };
  const Row rows[] = {
      {"26:40", kF, "26.666666666667"},
      {"26:40", kCut2, "26.66"},
      {"26:40", {kelvo::kRoundUp, 2}, "26.67"},
      {"26:40", {kelvo::kRound54, 0}, "27"},
      {"26:40", {kelvo::kRoundCut, kelvo::kPlacesF}, "26.666666666667"},
      {"1:30", kCut2, "1.50"},
      {"1:30", kF, "1.5"},
      {"0:00:45", kF, "0.0125"},
      {"0:00:45", kCut2, "0.01"},
      {"-1:30", {kelvo::kRound54, 0}, "-2"},
      {"-26:40", kCut2, "-26.66"},
      {"0:00", kCut2, "0.00"},
  };
  for (const Row& row : rows) {
    const bool negative = row.total[0] == '-';
    const std::int64_t seconds = Seconds(row.total + (negative ? 1 : 0)) * (negative ? -1 : 1);
    EXPECT_EQ(timecalc::DecimalHours(seconds, row.rounding), row.shown) << row.total << " " << row.rounding.roundSelector
                                                                        << "/" << row.rounding.places;
  }
}

TEST(TimeSum, FiguresAtFFillTheDisplayWithTheLastDigitRounded) {
  const std::pair<const char*, const char*> rows[] = {
      {"0.12345678901234", "0.1234567890123"}, {"0.12345678901235", "0.1234567890124"},
      {"99.9999999999995", "100"},             {"-0.00000000000005", "-0.0000000000001"},
      {"32000.0000000004", "32000"},           {"123456789012345", "E"},
  };
  for (const auto& [exact, shown] : rows) EXPECT_EQ(timecalc::ShownResult(exact, kF), shown) << exact;
}

TEST(TimeSum, WageIsShownHoursTimesTheFigureRoundedAlike) {
  struct Row {
    const char* total;
    const char* figure;
    Rounding rounding;
    const char* wage;
  };
  const Row rows[] = {
      {"26:40", "1200", kCut2, "31992.00"},   // 26.66 hours
      {"26:40", "1200", kF, "32000"},
      {"26:40", "1200", {kelvo::kRound54, 0}, "32400"},  // 27 hours
      {"7:45", "1050.5", kF, "8141.375"},
      {"7:45", "1050.5", {kelvo::kRoundUp, 1}, "8193.9"},  // 7.8 hours
      {"7:50", "1000", kCut2, "7830.00"},
      {"99999:00", "9999999999", kF, "E"},
  };
  for (const Row& row : rows) {
    const std::string hours = timecalc::DecimalHours(Seconds(row.total), row.rounding);
    EXPECT_EQ(timecalc::Wage(hours, row.figure, row.rounding), row.wage) << row.total << " x " << row.figure;
  }
}

TEST(TimeSum, TypedWageFigures) {
  struct Row {
    const char* typed;
    const char* figure;  // nullptr: refused
  };
  const Row rows[] = {
      {"1,200", "1200"}, {"1200.5", "1200.5"}, {"１，２００", "1200"}, {"1200.", "1200"}, {"0.5", "0.5"},
      {"1,234,567", "1234567"}, {"9999999999", "9999999999"},
      {"", nullptr}, {"1,20", nullptr}, {"12,000,00", nullptr}, {"1234,567", nullptr}, {",100", nullptr},
      {"abc", nullptr}, {"-5", nullptr}, {"1.2.3", nullptr}, {"12345678901", nullptr}, {".5", nullptr},
  };
  for (const Row& row : rows) {
    const std::optional<std::string> figure = timecalc::ReadFigure(row.typed);
    if (row.figure == nullptr)
      EXPECT_FALSE(figure) << row.typed;
    else
      EXPECT_EQ(figure, row.figure) << row.typed;
  }
}

TEST(TimeSum, TapeLinesAreTapeLinesWithTheirMarks) {
  timecalc::TimeSum sum;
  sum.Add(Seconds("0:15"));
  sum.Subtract(Seconds("3:40"));
  sum.Add(Seconds("1222:45"));
  const std::vector<std::string> lines = timecalc::TimeSumLines({&sum, "1219.333333333333", "1200", "1463200"});
  const std::vector<std::string> expected = {"0:15時＋", "3:40時－", "1222:45時＋", "1219:20時＝",
                                             "1,219.333333333333時間", "1,200時給", "1,463,200賃金"};
  EXPECT_EQ(lines, expected);
  for (const std::string& line : lines) {
    EXPECT_TRUE(tape::IsTapeLine(line)) << line;
    EXPECT_EQ(tape::Split(line).mark, line.substr(line.size() - 6)) << line;  // two 3-byte characters
  }
  // An overflowed figure is written as the display shows it.
  EXPECT_EQ(timecalc::TimeSumLines({&sum, "E", "9999999999", "E"}).back(), "E賃金");
  // Without decimal hours or a wage, the entries and the total only.
  EXPECT_EQ(timecalc::TimeSumLines({&sum, "", "", ""}).size(), 4u);
}

}  // namespace
