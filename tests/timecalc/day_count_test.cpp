// Days between dates, weekdays, eras at every boundary, the forms a date may be typed in, and
// the tape lines of a count.
#include <gtest/gtest.h>

#include "date_text.h"
#include "japanese_era.h"
#include "tape_format.h"
#include "time_days_tape.h"

namespace {

using timecalc::Date;

TEST(DayCount, DaysBetweenDates) {
  struct Row {
    Date from, to;
    long oneEnd, bothEnds;
    bool reversed;
  };
  const Row rows[] = {
      {{2026, 4, 1}, {2027, 3, 31}, 364, 365, false},
      {{2024, 2, 28}, {2024, 3, 1}, 2, 3, false},   // leap year
      {{2000, 2, 28}, {2000, 3, 1}, 2, 3, false},   // divisible by 400: leap
      {{1900, 2, 28}, {1900, 3, 1}, 1, 2, false},   // divisible by 100: not leap
      {{1999, 12, 31}, {2000, 1, 1}, 1, 2, false},
      {{2026, 4, 1}, {2026, 4, 1}, 0, 1, false},
      {{2019, 5, 1}, {2019, 4, 30}, 1, 2, true},
      {{1873, 1, 1}, {9999, 12, 31}, 2968324, 2968325, false},
  };
  for (const Row& row : rows) {
    const timecalc::DayCount count = timecalc::CountDays(row.from, row.to);
    const std::string name = timecalc::IsoText(row.from) + " -> " + timecalc::IsoText(row.to);
    EXPECT_EQ(count.oneEnd, row.oneEnd) << name;
    EXPECT_EQ(count.bothEnds, row.bothEnds) << name;
    EXPECT_EQ(count.reversed, row.reversed) << name;
  }
}

TEST(DayCount, WeekdaysAndShiftsWithinTheRange) {
  EXPECT_EQ(timecalc::IsoTextWithWeekday({2026, 4, 1}), "2026-04-01 (水)");
  EXPECT_EQ(timecalc::IsoTextWithWeekday({1873, 1, 1}), "1873-01-01 (水)");
  EXPECT_EQ(timecalc::IsoTextWithWeekday({9999, 12, 31}), "9999-12-31 (金)");
  struct Row {
    Date from;
    long days;
    std::optional<Date> to;
  };
  const Row rows[] = {
      {{2026, 4, 1}, 100, Date{2026, 7, 10}},   {{2024, 2, 28}, 1, Date{2024, 2, 29}},
      {{2026, 3, 1}, -1, Date{2026, 2, 28}},    {{1873, 1, 1}, 2968324, Date{9999, 12, 31}},
      {{1873, 1, 1}, -1, std::nullopt},         {{9999, 12, 31}, 1, std::nullopt},
      {{2026, 4, 1}, 9999999, std::nullopt},    {{2026, 4, 1}, -9999999, std::nullopt},
  };
  for (const Row& row : rows) EXPECT_EQ(timecalc::AddDays(row.from, row.days), row.to) << row.days;
}

TEST(DayCount, EraAtEveryBoundaryAndBack) {
  struct Row {
    Date date;
    const char* era;
  };
  const Row rows[] = {
      {{1873, 1, 1}, "明治6年1月1日"},      {{1912, 7, 29}, "明治45年7月29日"},
      {{1912, 7, 30}, "大正元年7月30日"},   {{1926, 12, 24}, "大正15年12月24日"},
      {{1926, 12, 25}, "昭和元年12月25日"}, {{1989, 1, 7}, "昭和64年1月7日"},
      {{1989, 1, 8}, "平成元年1月8日"},     {{2019, 4, 30}, "平成31年4月30日"},
      {{2019, 5, 1}, "令和元年5月1日"},     {{2026, 4, 1}, "令和8年4月1日"},
      {{9999, 12, 31}, "令和7981年12月31日"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(timecalc::EraText(row.date), row.era);
    EXPECT_EQ(timecalc::ReadDate(row.era).date, row.date) << row.era;
  }
}

TEST(DayCount, AcceptedDateForms) {
  struct Row {
    const char* typed;
    Date date;
  };
  const Row rows[] = {
      {"2026-04-01", {2026, 4, 1}},     {"2026/4/1", {2026, 4, 1}},       {"2026.4.1", {2026, 4, 1}},
      {"2026年4月1日", {2026, 4, 1}},   {"R8.4.1", {2026, 4, 1}},         {"r8/4/1", {2026, 4, 1}},
      {"R8-04-01", {2026, 4, 1}},       {"令和8年4月1日", {2026, 4, 1}},  {"令和 8年 4月 1日", {2026, 4, 1}},
      {"R元.5.1", {2019, 5, 1}},        {"H31.4.30", {2019, 4, 30}},      {"S64.1.7", {1989, 1, 7}},
      {"T1.7.30", {1912, 7, 30}},       {"M6.1.1", {1873, 1, 1}},         {"２０２６－０４－０１", {2026, 4, 1}},
      {" 2026/4/1 ", {2026, 4, 1}},     {"2024-02-29", {2024, 2, 29}},    {"9999/12/31", {9999, 12, 31}},
      {"Ｒ８．４．１", {2026, 4, 1}},
  };
  for (const Row& row : rows) {
    const timecalc::DateReading reading = timecalc::ReadDate(row.typed);
    EXPECT_EQ(reading.date, row.date) << row.typed << ": " << reading.message;
  }
}

TEST(DayCount, RefusedDatesSayWhy) {
  const std::string form = "日付は 2026-04-01、2026/4/1、R8.4.1、令和8年4月1日 のように入力してください。";
  const std::string range = "1873年1月1日から9999年12月31日までの日付を入力してください。";
  struct Row {
    const char* typed;
    std::string message;
  };
  const Row rows[] = {
      {"", form},
      {"abc", form},
      {"2026-4", form},
      {"26-4-1", form},
      {"2026/4-1", form},
      {"2026-04-01-", form},
      {"10000-01-01", form},
      {"R0.5.1", form},
      {"X8.4.1", form},
      {"令和8年4月1", form},
      {"2026-02-30", "2026年2月30日はありません。"},
      {"2026-13-01", "2026年13月1日はありません。"},
      {"2023-02-29", "2023年2月29日はありません。"},
      {"1900-02-29", "1900年2月29日はありません。"},
      {"1872-12-31", range},
      {"0000-01-01", range},
      {"M5.12.31", range},
      {"R7982.1.1", range},
      {"H31.5.1", "平成31年5月1日はありません。平成は1989年1月8日から2019年4月30日までです。"},
      {"R1.4.30", "令和元年4月30日はありません。令和は2019年5月1日からです。"},
      {"昭和64年1月8日", "昭和64年1月8日はありません。昭和は1926年12月25日から1989年1月7日までです。"},
      {"T1.7.29", "大正元年7月29日はありません。大正は1912年7月30日から1926年12月24日までです。"},
  };
  for (const Row& row : rows) {
    const timecalc::DateReading reading = timecalc::ReadDate(row.typed);
    EXPECT_FALSE(reading.date) << row.typed;
    EXPECT_EQ(reading.message, row.message) << row.typed;
  }
}

TEST(DayCount, TapeLinesAreTapeLinesWithTheirMarks) {
  timecalc::DayCountRecord record{{2026, 4, 1}, {2027, 3, 31}, std::nullopt};
  EXPECT_EQ(timecalc::DayCountLines(record),
            (std::vector<std::string>{"2026-04-01から", "2027-03-31まで", "364片落", "365両端"}));
  record.shift = timecalc::DayCountRecord::Shift{-30, {2026, 3, 2}};
  const std::vector<std::string> lines = timecalc::DayCountLines(record);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[4], "30日前");
  EXPECT_EQ(lines[5], "2026-03-02日付");
  for (const std::string& line : lines) {
    EXPECT_TRUE(tape::IsTapeLine(line)) << line;
    EXPECT_EQ(tape::Split(line).mark, line.substr(line.size() - 6)) << line;
  }
}

}  // namespace
