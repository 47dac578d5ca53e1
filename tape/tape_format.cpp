#include "tape_format.h"

#include <algorithm>
#include <cctype>
#include <ctime>

#include "ascii.h"
#include "utf8.h"

namespace tape {
namespace {

// Start of the last `count` characters of a valid UTF-8 text.
std::size_t StartOfLast(std::string_view text, int count) {
  std::size_t at = text.size();
  while (count > 0 && at > 0) {
    --at;
    if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) --count;
  }
  return at;
}

}  // namespace

std::string FormatBlock(std::string_view stamp, const std::vector<std::string>& lines, std::string_view trailer) {
  std::string block;
  block.reserve(kStampLineBytes + 2 + lines.size() * 16 + trailer.size() + 2);
  block += '[';
  block += stamp;
  block += "]\n";
  for (const std::string& line : lines) {
    block += line;
    block += '\n';
  }
  block += '\n';
  if (!trailer.empty()) {
    block += trailer;
    block += "\n\n";
  }
  return block;
}

std::string NowStamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

bool IsStampLine(std::string_view line) {
  static constexpr std::string_view kPattern = "[0000-00-00 00:00:00]";
  if (line.size() != kPattern.size()) return false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (kPattern[i] == '0' ? !kelvo::IsAsciiDigit(line[i]) : line[i] != kPattern[i]) return false;
  }
  return true;
}

bool IsRealStamp(std::string_view stamp) {
  if (stamp.size() != kStampLineBytes - 2) return false;
  const auto number = [stamp](std::size_t at, std::size_t digits) {
    int value = 0;
    for (std::size_t i = at; i < at + digits; ++i) {
      if (!kelvo::IsAsciiDigit(stamp[i])) return -1;
      value = value * 10 + (stamp[i] - '0');
    }
    return value;
  };
  const int year = number(0, 4), month = number(5, 2), day = number(8, 2);
  const int hour = number(11, 2), minute = number(14, 2), second = number(17, 2);
  if (year < 0 || month < 1 || month > 12 || day < 1) return false;
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  const int days = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
  return day <= days && hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 60;
}

std::string_view StampDate(std::string_view stamp) { return stamp.substr(0, std::min<std::size_t>(stamp.size(), 10)); }

std::string_view StampTime(std::string_view stamp) { return stamp.size() > 11 ? stamp.substr(11, 8) : std::string_view(); }

bool IsTapeLine(std::string_view line) {
  if (line.size() < 2 || line.size() > kMaxLineBytes || line.front() == '[') return false;
  int characters = 0;
  for (std::size_t at = 0; at < line.size(); ++characters) {
    const auto c = static_cast<unsigned char>(line[at]);
    if (c < 0x20 || c == 0x7F) return false;
    const std::size_t length = kelvo::DecodeUtf8At(line, at).length;
    if (length == 0) return false;
    at += length;
  }
  return characters >= 2;
}

std::string_view MarkField(std::string_view line) { return line.substr(StartOfLast(line, 2)); }

SplitLine Split(std::string_view line) {
  const std::size_t markStart = StartOfLast(line, 2);
  std::string_view mark = line.substr(markStart);
  static constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";
  for (;;) {
    if (!mark.empty() && mark.back() == ' ') {
      mark.remove_suffix(1);
    } else if (mark.ends_with(kIdeographicSpace)) {
      mark.remove_suffix(kIdeographicSpace.size());
    } else {
      break;
    }
  }
  while (!mark.empty() && mark.front() == ' ') mark.remove_prefix(1);
  return {line.substr(0, markStart), mark};
}

bool DecodeUtf8(std::string_view text, std::u32string& out) {
  out.clear();
  for (std::size_t at = 0; at < text.size();) {
    const kelvo::Utf8Character c = kelvo::DecodeUtf8At(text, at);
    if (c.length == 0) return false;
    out += c.value;
    at += c.length;
  }
  return true;
}

std::string WithoutGrouping(std::string_view figure) {
  std::string plain;
  plain.reserve(figure.size());
  for (char c : figure)
    if (c != ',') plain += c;
  return plain;
}

}  // namespace tape
