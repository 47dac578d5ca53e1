#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calendar_date.h"
#include "time_sum.h"

// The paper-tape lines of the time sums and day counts: like every tape line, a figure followed
// by a mark of exactly two characters, so that the tape window, its search and its exports take
// them as they take the calculator's own. Pure.
namespace timecalc {

inline constexpr const char* kTimeAddMark = "時＋";       // a time added
inline constexpr const char* kTimeSubtractMark = "時－";  // a time subtracted
inline constexpr const char* kTimeTotalMark = "時＝";     // the total time
inline constexpr const char* kDecimalHoursMark = "時間";  // the total as decimal hours
inline constexpr const char* kHourlyWageMark = "時給";    // the hourly wage figure
inline constexpr const char* kWageMark = "賃金";          // decimal hours times the wage
inline constexpr const char* kFromDateMark = "から";      // the first date of a count
inline constexpr const char* kToDateMark = "まで";        // the last date of a count
inline constexpr const char* kOneEndMark = "片落";        // days counted at one end (片落とし)
inline constexpr const char* kBothEndsMark = "両端";      // days counted at both ends (両端入れ)
inline constexpr const char* kDaysAfterMark = "日後";     // N days after the first date
inline constexpr const char* kDaysBeforeMark = "日前";    // N days before it
inline constexpr const char* kDateMark = "日付";          // the date N days after or before

// A time sum: each entry, the total, and the decimal hours, hourly wage and wage when shown.
struct TimeSumRecord {
  const TimeSum* sum = nullptr;
  std::string decimalHours;  // as shown; empty when not asked for
  std::string hourlyWage;    // the figure; empty when no wage was worked out
  std::string wage;
};
std::vector<std::string> TimeSumLines(const TimeSumRecord& record);

// A day count, and the date some days after or before the first date when one was worked out.
struct DayCountRecord {
  Date from;
  Date to;
  struct Shift {
    long days = 0;  // negative: before
    Date date;
  };
  std::optional<Shift> shift;
};
std::vector<std::string> DayCountLines(const DayCountRecord& record);

}  // namespace timecalc
