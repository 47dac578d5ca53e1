#pragma once

#include <compare>
#include <optional>
#include <string>

// Dates of the Gregorian calendar as the day counts use them: from 1873-01-01, when the country
// took the calendar, to 9999-12-31. Every function is pure.
namespace timecalc {

struct Date {
  int year = 0;
  int month = 0;
  int day = 0;
  auto operator<=>(const Date&) const = default;
};

inline constexpr Date kFirstDate{1873, 1, 1};
inline constexpr Date kLastDate{9999, 12, 31};

// Whether the date exists in the calendar (2024-02-29 does, 1900-02-29 does not).
bool Exists(const Date& date);
// Whether it exists and lies from kFirstDate to kLastDate.
bool InRange(const Date& date);

// Days from 1970-01-01 (negative before it).
long DayNumber(const Date& date);
Date FromDayNumber(long days);

// The date `days` later (earlier when negative); nothing when that leaves the range.
std::optional<Date> AddDays(const Date& date, long days);

// The days between two dates: counted at one end only (片落とし, to - from) and at both ends
// (両端入れ, one more), as magnitudes; `reversed` says that `to` comes before `from`.
struct DayCount {
  long oneEnd = 0;
  long bothEnds = 0;
  bool reversed = false;
};
DayCount CountDays(const Date& from, const Date& to);

// "日" "月" ... "土".
std::string WeekdayName(const Date& date);
// "2026-04-01".
std::string IsoText(const Date& date);
// "2026-04-01 (水)".
std::string IsoTextWithWeekday(const Date& date);

}  // namespace timecalc
