#include "date_text.h"

#include <cctype>

#include "japanese_era.h"
#include "typed_text.h"

namespace timecalc {
namespace {

constexpr const char* kFormMessage =
    "日付は 2026-04-01、2026/4/1、R8.4.1、令和8年4月1日 のように入力してください。";

std::string RangeMessage() {
  return KanjiText(kFirstDate) + "から" + KanjiText(kLastDate) + "までの日付を入力してください。";
}

DateReading Refused(std::string message) { return {std::nullopt, std::move(message)}; }

// Month and day after the year: "年4月1日" for the kanji forms, or a separator, the month, the
// same separator and the day. Nothing when the text does not end there.
std::optional<std::pair<int, int>> TakeMonthDay(std::string_view text, std::size_t at, bool kanji) {
  int month = -1, day = -1;
  if (kanji) {
    if (!Take(text, at, "年") || (month = TakeNumber(text, at, 1, 2)) < 0 || !Take(text, at, "月") ||
        (day = TakeNumber(text, at, 1, 2)) < 0 || !Take(text, at, "日"))
      return std::nullopt;
  } else {
    if (at >= text.size()) return std::nullopt;
    const char separator = text[at];
    if (separator != '-' && separator != '/' && separator != '.') return std::nullopt;
    ++at;
    if ((month = TakeNumber(text, at, 1, 2)) < 0 || !Take(text, at, std::string_view(&separator, 1)) ||
        (day = TakeNumber(text, at, 1, 2)) < 0)
      return std::nullopt;
  }
  if (at != text.size()) return std::nullopt;
  return std::pair(month, day);
}

DateReading Checked(const Date& date, std::string_view name) {
  if (date.year > kLastDate.year) return Refused(RangeMessage());
  if (!Exists(date)) return Refused(std::string(name) + "はありません。");
  if (!InRange(date)) return Refused(RangeMessage());
  return {date, {}};
}

DateReading ReadEraDate(std::string_view text, std::size_t at, const Era& era, bool kanji) {
  const int year = Take(text, at, "元") ? 1 : TakeNumber(text, at, 1, 4);
  const auto monthDay = year >= 0 ? TakeMonthDay(text, at, kanji) : std::nullopt;
  if (!monthDay || year == 0) return Refused(kFormMessage);
  const auto [month, day] = *monthDay;
  const Date date{era.start.year + year - 1, month, day};
  const std::string name = std::string(era.name) + (year == 1 ? "元" : std::to_string(year)) + "年" +
                           std::to_string(month) + "月" + std::to_string(day) + "日";
  if (date.year <= kLastDate.year && Exists(date) && (date < era.start || date > LastDayOf(era))) {
    return Refused(name + "はありません。" + era.name + "は" + KanjiText(era.start) + "から" +
                   (LastDayOf(era) == kLastDate ? std::string() : KanjiText(LastDayOf(era)) + "まで") + "です。");
  }
  return Checked(date, name);
}

}  // namespace

std::string KanjiText(const Date& date) {
  return std::to_string(date.year) + "年" + std::to_string(date.month) + "月" + std::to_string(date.day) + "日";
}

DateReading ReadDate(std::string_view typed) {
  const std::string text = Compact(typed);
  for (const Era& era : Eras()) {
    std::size_t at = 0;
    if (Take(text, at, era.name)) return ReadEraDate(text, at, era, true);
    if (!text.empty() && std::toupper(static_cast<unsigned char>(text[0])) == era.letter)
      return ReadEraDate(text, 1, era, false);
  }
  std::size_t at = 0;
  const int year = TakeNumber(text, at, 4, 4);
  const bool kanji = at < text.size() && text[at] != '-' && text[at] != '/' && text[at] != '.';
  const auto monthDay = year >= 0 ? TakeMonthDay(text, at, kanji) : std::nullopt;
  if (!monthDay) return Refused(kFormMessage);
  const Date date{year, monthDay->first, monthDay->second};
  return Checked(date, KanjiText(date));
}

}  // namespace timecalc
