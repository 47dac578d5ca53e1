#include "time_days_tape.h"

#include "format.h"

namespace timecalc {
namespace {

// A figure with digit-group commas; "E" (overflow) as it is.
std::string Grouped(const std::string& figure) { return figure == "E" ? figure : kelvo::GroupDigits(figure); }

}  // namespace

std::vector<std::string> TimeSumLines(const TimeSumRecord& record) {
  std::vector<std::string> lines;
  for (const TimeSum::Entry& entry : record.sum->Entries())
    lines.push_back(TimeText(entry.seconds) + (entry.subtract ? kTimeSubtractMark : kTimeAddMark));
  lines.push_back(TimeText(record.sum->Total()) + kTimeTotalMark);
  if (!record.decimalHours.empty()) lines.push_back(Grouped(record.decimalHours) + kDecimalHoursMark);
  if (!record.hourlyWage.empty()) {
    lines.push_back(Grouped(record.hourlyWage) + kHourlyWageMark);
    lines.push_back(Grouped(record.wage) + kWageMark);
  }
  return lines;
}

std::vector<std::string> DayCountLines(const DayCountRecord& record) {
  const DayCount count = CountDays(record.from, record.to);
  std::vector<std::string> lines = {
      IsoText(record.from) + kFromDateMark,
      IsoText(record.to) + kToDateMark,
      std::to_string(count.oneEnd) + kOneEndMark,
      std::to_string(count.bothEnds) + kBothEndsMark,
  };
  if (record.shift) {
    const long days = record.shift->days;
    lines.push_back(std::to_string(days < 0 ? -days : days) + (days < 0 ? kDaysBeforeMark : kDaysAfterMark));
    lines.push_back(IsoText(record.shift->date) + kDateMark);
  }
  return lines;
}

}  // namespace timecalc
