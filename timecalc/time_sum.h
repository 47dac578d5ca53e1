#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Adding and subtracting times (hours worked), on whole seconds, and turning the total into
// decimal hours and a wage on exact decimal texts, rounded as the calculator rounds a result.
// Every function is pure.
namespace timecalc {

// The longest time one entry takes: five digits of hours.
inline constexpr std::int64_t kMostHours = 99999;

// The seconds of a time, or the message that says why it is refused.
struct TimeReading {
  std::optional<std::int64_t> seconds;
  std::string message;
};

// Takes "h:mm" and "h:mm:ss": hours from 0 to kMostHours (past 24 too), minutes and seconds as
// two digits from 00 to 59; full-width forms and spaces too.
TimeReading ReadTime(std::string_view text);

// "26:40", "-1:30", "0:00:45": the seconds are shown only when there are some.
std::string TimeText(std::int64_t seconds);

// The entries of a running sum, each with its sign, and the total after each.
class TimeSum {
 public:
  struct Entry {
    bool subtract = false;
    std::int64_t seconds = 0;
    std::int64_t total = 0;  // the running total after this entry
  };

  void Add(std::int64_t seconds) { Push(false, seconds); }
  void Subtract(std::int64_t seconds) { Push(true, seconds); }
  void Clear() { entries_.clear(); }

  const std::vector<Entry>& Entries() const { return entries_; }
  std::int64_t Total() const { return entries_.empty() ? 0 : entries_.back().total; }

 private:
  void Push(bool subtract, std::int64_t seconds);
  std::vector<Entry> entries_;
};

// The round and decimal selectors a result is rounded with (kelvo::kRoundF ... and places 0..5
// or kelvo::kPlacesF).
struct Rounding {
  int roundSelector;
  int places;
};

// An exact decimal figure as the display shows it: with F in either selector it fills the 14
// digits, its last digit rounded half away from zero; otherwise the selectors round it as the
// calculator rounds the result of "=", padded to the chosen places. "E" when it overflows.
std::string ShownResult(std::string_view exact, const Rounding& rounding);

// The total as decimal hours: seconds / 3600, shown as the calculator shows a quotient.
std::string DecimalHours(std::int64_t seconds, const Rounding& rounding);

// A typed wage figure as a decimal text ("1,200" -> "1200", "１２００.５" -> "1200.5"): digits
// with optional digit-group commas and one point, at most ten whole digits; nothing otherwise.
std::optional<std::string> ReadFigure(std::string_view text);

// Decimal hours (as shown) times the wage figure, rounded the same way.
std::string Wage(std::string_view decimalHours, std::string_view figure, const Rounding& rounding);

}  // namespace timecalc
