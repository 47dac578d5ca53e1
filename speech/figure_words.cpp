#include "figure_words.h"

#include <array>

namespace speech {
namespace {

constexpr std::array<std::string_view, 10> kDigits = {"ぜろ", "いち", "に", "さん", "よん",
                                                      "ご",   "ろく", "なな", "はち", "きゅう"};
// Each group of four digits is named by its place: none, 万, 億, 兆.
constexpr std::array<std::string_view, 4> kGroupNames = {"", "まん", "おく", "ちょう"};
// Sixteen digits fill the four groups; a longer integer part is read digit by digit.
constexpr std::size_t kMostNamedDigits = 4 * kGroupNames.size();

std::string Thousands(int d, bool aboveOnes) {
  switch (d) {
    case 0: return {};
    case 1: return aboveOnes ? "いっせん" : "せん";  // 一千万 is いっせんまん, 千 alone せん
    case 3: return "さんぜん";
    case 8: return "はっせん";
    default: return std::string(kDigits[d]) + "せん";
  }
}

std::string Hundreds(int d) {
  switch (d) {
    case 0: return {};
    case 1: return "ひゃく";
    case 3: return "さんびゃく";
    case 6: return "ろっぴゃく";
    case 8: return "はっぴゃく";
    default: return std::string(kDigits[d]) + "ひゃく";
  }
}

std::string Tens(int d) {
  if (d == 0) return {};
  return d == 1 ? std::string("じゅう") : std::string(kDigits[d]) + "じゅう";
}

// Four digits ("0046") in words; empty for "0000".
std::string GroupWords(std::string_view four, bool aboveOnes) {
  auto digit = [&](std::size_t i) { return four[i] - '0'; };
  std::string words = Thousands(digit(0), aboveOnes) + Hundreds(digit(1)) + Tens(digit(2));
  if (digit(3) != 0) words += kDigits[digit(3)];
  return words;
}

bool EndsWith(const std::string& text, std::string_view end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The sound change before ちょう and before てん: いち, はち and じゅう are cut short
// (いっちょう, はってん, じゅっちょう).
void CutShort(std::string& words) {
  for (const auto& [full, cut] : {std::pair<std::string_view, std::string_view>{"いち", "いっ"},
                                  {"はち", "はっ"},
                                  {"じゅう", "じゅっ"}}) {
    if (EndsWith(words, full)) {
      words.replace(words.size() - full.size(), full.size(), cut);
      return;
    }
  }
}

// The integer part (digits only, no leading zeros, not empty) in words.
std::string IntegerWords(std::string_view digits) {
  if (digits.size() > kMostNamedDigits) {
    std::string words;
    for (char c : digits) words += kDigits[c - '0'];
    return words;
  }
  const std::string padded = std::string((4 - digits.size() % 4) % 4, '0') + std::string(digits);
  const std::size_t groups = padded.size() / 4;
  std::string words;
  for (std::size_t g = 0; g < groups; ++g) {
    const std::size_t place = groups - 1 - g;  // 0 ones, 1 万, 2 億, 3 兆
    std::string group = GroupWords(std::string_view(padded).substr(g * 4, 4), place > 0);
    if (group.empty()) continue;
    if (place == 3) CutShort(group);
    words += group;
    words += kGroupNames[place];
  }
  return words;
}

struct Figure {
  bool negative = false;
  std::string integer;   // digits without commas or leading zeros; empty for zero
  std::string decimals;  // digits after the point
};

std::optional<Figure> Parse(std::string_view text) {
  Figure figure;
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') {
    figure.negative = true;
    ++i;
  }
  bool anyDigit = false;
  for (; i < text.size() && text[i] != '.'; ++i) {
    const char c = text[i];
    if (c == ',') continue;
    if (c < '0' || c > '9') return std::nullopt;
    anyDigit = true;
    if (c != '0' || !figure.integer.empty()) figure.integer += c;
  }
  if (i < text.size()) {  // the point
    for (++i; i < text.size(); ++i) {
      const char c = text[i];
      if (c < '0' || c > '9') return std::nullopt;
      anyDigit = true;
      figure.decimals += c;
    }
  }
  if (!anyDigit) return std::nullopt;
  return figure;
}

}  // namespace

std::optional<std::string> FigureWords(std::string_view text) {
  const std::optional<Figure> figure = Parse(text);
  if (!figure) return std::nullopt;
  std::string words = figure->negative ? "マイナス" : "";
  if (figure->decimals.empty()) {
    words += figure->integer.empty() ? std::string(kDigits[0]) : IntegerWords(figure->integer);
    return words;
  }
  std::string whole = figure->integer.empty() ? std::string("れい") : IntegerWords(figure->integer);
  CutShort(whole);
  words += whole + "てん";
  for (char c : figure->decimals) words += kDigits[c - '0'];
  return words;
}

std::string DisplayWords(std::string_view display, bool error) {
  if (error) return "エラー";
  return FigureWords(display).value_or(std::string(display));
}

std::string_view DigitWord(int digit) { return digit >= 0 && digit <= 9 ? kDigits[digit] : std::string_view(); }

}  // namespace speech
