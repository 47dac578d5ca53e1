#include "japanese_era.h"

namespace timecalc {
namespace {

// 明治 started long before the Gregorian calendar was taken; dates before kFirstDate are never
// converted, so its first day only needs to lie before that.
constexpr Era kEras[] = {
    {"明治", 'M', {1868, 1, 1}},
    {"大正", 'T', {1912, 7, 30}},
    {"昭和", 'S', {1926, 12, 25}},
    {"平成", 'H', {1989, 1, 8}},
    {"令和", 'R', {2019, 5, 1}},
};

}  // namespace

std::span<const Era> Eras() { return kEras; }

const Era& EraOf(const Date& date) {
  const Era* found = &kEras[0];
  for (const Era& era : kEras)
    if (date >= era.start) found = &era;
  return *found;
}

std::string EraText(const Date& date) {
  const Era& era = EraOf(date);
  const int year = date.year - era.start.year + 1;
  return std::string(era.name) + (year == 1 ? std::string("元") : std::to_string(year)) + "年" +
         std::to_string(date.month) + "月" + std::to_string(date.day) + "日";
}

Date LastDayOf(const Era& era) {
  for (const Era& next : kEras)
    if (next.start > era.start) return FromDayNumber(DayNumber(next.start) - 1);
  return kLastDate;
}

}  // namespace timecalc
