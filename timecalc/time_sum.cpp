#include "time_sum.h"

#include <cstdio>

#include "decimal.h"
#include "format.h"
#include "rounding.h"
#include "typed_text.h"

namespace timecalc {
namespace {

constexpr const char* kTimeMessage =
    "時間は 7:45 や 7:45:30 のように、時:分 または 時:分:秒 で入力してください（分と秒は 00〜59）。";

// The figure as the 14-digit display holds it, its last digit rounded half away from zero
// (26.6666... shows as 26.666666666667): a converted time reads true to its last digit, and
// times a wage gives back whole figures.
std::string FillDisplay(std::string_view exact) {
  const bool negative = !exact.empty() && exact.front() == '-';
  const std::size_t point = exact.find('.');
  if (point == std::string_view::npos) return kelvo::FitDisplay(exact);
  const std::size_t whole = point - (negative ? 1 : 0);
  if (whole >= static_cast<std::size_t>(kelvo::kDisplayDigits)) return kelvo::FitDisplay(exact);
  const std::size_t kept = kelvo::kDisplayDigits - whole;  // fraction digits the display holds
  if (exact.size() - point - 1 <= kept) return std::string(exact);
  std::string cut(exact.substr(0, point + 1 + kept));
  if (exact[point + 1 + kept] >= '5') {
    const std::string unit = "0." + std::string(kept - 1, '0') + "1";
    cut = negative ? kelvo::DecSubtract(cut, unit) : kelvo::DecAdd(cut, unit);
  }
  // A carry may add a whole digit ("99.99..." to "100.00..."): fitting again drops the last one.
  return kelvo::FitDisplay(kelvo::StripTrailingZeros(cut));
}

}  // namespace

TimeReading ReadTime(std::string_view typed) {
  const std::string text = Compact(typed);
  std::size_t at = 0;
  const int hours = TakeNumber(text, at, 1, 5);
  int minutes = -1, seconds = 0;
  if (hours >= 0 && Take(text, at, ":")) minutes = TakeNumber(text, at, 2, 2);
  if (minutes >= 0 && Take(text, at, ":")) seconds = TakeNumber(text, at, 2, 2);
  if (minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59 || at != text.size()) return {std::nullopt, kTimeMessage};
  return {std::int64_t{hours} * 3600 + minutes * 60 + seconds, {}};
}

std::string TimeText(std::int64_t seconds) {
  const bool negative = seconds < 0;
  const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(seconds) : static_cast<std::uint64_t>(seconds);
  char text[48];
  const auto hours = static_cast<unsigned long long>(magnitude / 3600);
  const auto minutes = static_cast<unsigned>(magnitude / 60 % 60), rest = static_cast<unsigned>(magnitude % 60);
  if (rest != 0)
    std::snprintf(text, sizeof text, "%s%llu:%02u:%02u", negative ? "-" : "", hours, minutes, rest);
  else
    std::snprintf(text, sizeof text, "%s%llu:%02u", negative ? "-" : "", hours, minutes);
  return text;
}

void TimeSum::Push(bool subtract, std::int64_t seconds) {
  entries_.push_back({subtract, seconds, Total() + (subtract ? -seconds : seconds)});
}

std::string ShownResult(std::string_view exact, const Rounding& rounding) {
  if (kelvo::IsOverflow(exact)) return "E";
  if (rounding.roundSelector == kelvo::kRoundF || rounding.places < 0) return FillDisplay(exact);
  // As the calculator rounds the result of "=".
  const std::string shown = kelvo::RoundResult(kelvo::FitDisplay(exact), rounding.roundSelector, rounding.places);
  return kelvo::PadDecimals(shown, rounding.places);
}

std::string DecimalHours(std::int64_t seconds, const Rounding& rounding) {
  return ShownResult(kelvo::DecDivide(std::to_string(seconds), "3600"), rounding);
}

std::optional<std::string> ReadFigure(std::string_view typed) {
  const std::string text = Compact(typed);
  std::string digits;
  std::size_t whole = 0, group = 0, at = 0;
  bool grouped = false;
  for (; at < text.size() && text[at] != '.'; ++at) {
    const char c = text[at];
    if (c == ',') {
      // Commas only between groups of three, after one to three leading digits.
      if (whole == 0 || (grouped ? group != 3 : group > 3)) return std::nullopt;
      grouped = true;
      group = 0;
      continue;
    }
    if (c < '0' || c > '9') return std::nullopt;
    digits += c;
    ++whole;
    ++group;
  }
  if (whole == 0 || whole > 10 || (grouped && group != 3)) return std::nullopt;
  if (at < text.size()) {
    digits += '.';
    const std::size_t point = ++at;
    for (; at < text.size(); ++at) {
      if (text[at] < '0' || text[at] > '9') return std::nullopt;
      digits += text[at];
    }
    if (at == point) digits.pop_back();  // "1200." reads as 1200
  }
  return kelvo::StripLeadingZeros(digits);
}

std::string Wage(std::string_view decimalHours, std::string_view figure, const Rounding& rounding) {
  if (decimalHours == "E") return "E";
  return ShownResult(kelvo::DecMultiply(decimalHours, figure), rounding);
}

}  // namespace timecalc
