#include "paste_number.h"

#include <cstddef>
#include <optional>
#include <string>

#include "ascii.h"
#include "keycodes.h"

namespace paste_number {
namespace {

// Longer than any figure a 14-digit calculator could take, whitespace and all: refused before
// it could press thousands of keys.
constexpr std::size_t kLongestText = 1024;

// Stand-ins for the currency marks once the text is reduced to single characters.
constexpr char kYen = '\x01';  // "¥" "￥"
constexpr char kEn = '\x02';   // "円"

// A character as the parser sees it: digits, signs, point, separators, whitespace and the two
// currency marks, full-width forms folded onto them; 0 for anything else.
char Fold(char32_t c) {
  if (c >= U'0' && c <= U'9') return static_cast<char>(c);
  if (c >= U'０' && c <= U'９') return static_cast<char>('0' + (c - U'０'));
  switch (c) {
    case U'.': case U'．': return '.';
    case U',': case U'，': return ',';
    case U'-': case U'－': case U'−': return '-';
    case U'+': case U'＋': return '+';
    case U' ': case U'\u3000': case U'\u00A0': case U'\u2009': case U'\u202F': return ' ';
    case U'\t': case U'\r': case U'\n': return '\n';
    case U'(': case U'（': return '(';
    case U')': case U'）': return ')';
    case U'¥': case U'￥': return kYen;
    case U'円': return kEn;
    default: return 0;
  }
}

// Reads the marks around the number from text[i] on: a sign (unless one came before) and the
// currency mark of that side, each at most once, spaces between them. False when one comes twice.
bool ReadMarks(const std::string& text, std::size_t& i, char currency, char& sign) {
  bool currencySeen = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == ' ') continue;
    if (c == '-' || c == '+') {
      if (sign != 0) return false;
      sign = c;
    } else if (c == currency && !currencySeen) {
      currencySeen = true;
    } else {
      return c != currency;
    }
  }
  return true;
}

// The whole part at text[i]: plain digits, or groups of three after a first group of one to three,
// all split by the same separator (',' or ' '). Empty when there is none; nullopt when malformed.
std::optional<std::string> WholePart(const std::string& text, std::size_t& i) {
  std::string digits;
  while (i < text.size() && kelvo::IsAsciiDigit(text[i])) digits += text[i++];
  const auto separatedGroupAt = [&text](std::size_t at) {
    return at + 1 < text.size() && (text[at] == ',' || text[at] == ' ') && kelvo::IsAsciiDigit(text[at + 1]);
  };
  if (digits.empty() || !separatedGroupAt(i)) return digits;
  if (digits.size() > 3) return std::nullopt;
  const char separator = text[i];
  while (i < text.size() && text[i] == separator && separatedGroupAt(i)) {
    std::size_t end = i + 1;
    while (end < text.size() && kelvo::IsAsciiDigit(text[end])) ++end;
    if (end - (i + 1) != 3) return std::nullopt;  // "1,2", "12 34": not digit groups
    digits.append(text, i + 1, 3);
    i = end;
  }
  return digits;
}

// Drops the whitespace around the text; false when nothing is left or a line break is inside.
bool Trim(std::string& text) {
  const std::size_t first = text.find_first_not_of(" \n"), last = text.find_last_not_of(" \n");
  if (first == std::string::npos) return false;
  text = text.substr(first, last - first + 1);
  return text.find('\n') == std::string::npos;
}

}  // namespace

std::vector<int> KeysFor(std::u32string_view text) {
  if (text.size() > kLongestText) return {};
  // Folded to one character each; whitespace only at the ends.
  std::string folded;
  for (const char32_t c : text) {
    const char f = Fold(c);
    if (f == 0) return {};
    folded += f;
  }
  if (!Trim(folded)) return {};
  // Accountants write a negative figure in brackets: "(1,200)" is -1200, with no sign inside.
  char sign = 0;
  if (folded.front() == '(' && folded.back() == ')') {
    folded = folded.substr(1, folded.size() - 2);
    if (!Trim(folded) || folded.find_first_of("+-") != std::string::npos) return {};
    sign = '-';
  }
  if (folded.find_first_of("()") != std::string::npos) return {};

  std::size_t i = 0;
  if (!ReadMarks(folded, i, kYen, sign)) return {};
  const std::optional<std::string> whole = WholePart(folded, i);
  if (!whole) return {};
  std::optional<std::string> fraction;
  if (i < folded.size() && folded[i] == '.') {
    fraction.emplace();
    for (++i; i < folded.size() && kelvo::IsAsciiDigit(folded[i]); ++i) *fraction += folded[i];
  }
  if (whole->empty() && (!fraction || fraction->empty())) return {};
  if (!ReadMarks(folded, i, kEn, sign) || i != folded.size()) return {};

  std::vector<int> keys;
  for (const char d : *whole) keys.push_back(kelvo::kKeyDigit0 + (d - '0'));
  if (fraction) {
    keys.push_back(kelvo::kKeyPoint);
    for (const char d : *fraction) keys.push_back(kelvo::kKeyDigit0 + (d - '0'));
  }
  if (sign == '-') keys.push_back(kelvo::kKeySign);
  return keys;
}

}  // namespace paste_number
