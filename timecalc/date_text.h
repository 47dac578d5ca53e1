#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calendar_date.h"

// Reading a date as users type it. Pure.
namespace timecalc {

// The date of a text, or the message that says why it is refused.
struct DateReading {
  std::optional<Date> date;
  std::string message;
};

// Takes "2026-04-01", "2026/4/1", "2026.4.1", "2026年4月1日", "R8.4.1" (M, T, S, H, R, either
// case, with "." "/" or "-") and "令和8年4月1日", 元 for year 1 in both era forms, full-width
// forms and spaces too. Refuses other forms, days that do not exist, era dates outside their era
// (H31.5.1) and dates outside kFirstDate..kLastDate, each with its own message.
DateReading ReadDate(std::string_view text);

// "2026年4月1日".
std::string KanjiText(const Date& date);

}  // namespace timecalc
