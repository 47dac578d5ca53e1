#pragma once

#include <span>
#include <string>

#include "calendar_date.h"

// The Japanese eras (和暦) of the dates the day counts take: 明治 to 令和. Every function is pure.
namespace timecalc {

struct Era {
  const char* name;  // "令和"
  char letter;       // 'R', as in "R8.4.1"
  Date start;        // its first day; its year 1 (元年) is start.year
};

// Oldest first. Each era lasts until the day before the next one starts.
std::span<const Era> Eras();

// The era of a date from kFirstDate on (明治 before 1912-07-30).
const Era& EraOf(const Date& date);

// "令和8年4月1日", with 元年 for the first year: "令和元年5月1日".
std::string EraText(const Date& date);

// The last day of an era (9999-12-31 for the current one).
Date LastDayOf(const Era& era);

}  // namespace timecalc
