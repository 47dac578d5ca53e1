#include "calendar_date.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace timecalc {
namespace {

std::chrono::year_month_day Civil(const Date& date) {
  return std::chrono::year{date.year} / std::chrono::month{static_cast<unsigned>(date.month)} /
         std::chrono::day{static_cast<unsigned>(date.day)};
}

}  // namespace

bool Exists(const Date& date) {
  // Out-of-range fields would wrap in the unsigned month and day types.
  if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31) return false;
  return Civil(date).ok();
}

bool InRange(const Date& date) { return Exists(date) && date >= kFirstDate && date <= kLastDate; }

long DayNumber(const Date& date) { return std::chrono::sys_days(Civil(date)).time_since_epoch().count(); }

Date FromDayNumber(long days) {
  const std::chrono::year_month_day civil{std::chrono::sys_days(std::chrono::days(days))};
  return {static_cast<int>(civil.year()), static_cast<int>(static_cast<unsigned>(civil.month())),
          static_cast<int>(static_cast<unsigned>(civil.day()))};
}

std::optional<Date> AddDays(const Date& date, long days) {
  const long first = DayNumber(kFirstDate), last = DayNumber(kLastDate);
  const long from = DayNumber(date);
  // Compared before adding, so that no count can overflow.
  if (days > last - from || days < first - from) return std::nullopt;
  return FromDayNumber(from + days);
}

DayCount CountDays(const Date& from, const Date& to) {
  const long difference = DayNumber(to) - DayNumber(from);
  const long magnitude = std::labs(difference);
  return {magnitude, magnitude + 1, difference < 0};
}

std::string WeekdayName(const Date& date) {
  static const char* const kNames[] = {"日", "月", "火", "水", "木", "金", "土"};
  return kNames[std::chrono::weekday(std::chrono::sys_days(Civil(date))).c_encoding()];
}

std::string IsoText(const Date& date) {
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

std::string IsoTextWithWeekday(const Date& date) { return IsoText(date) + " (" + WeekdayName(date) + ")"; }

}  // namespace timecalc
