#include "typed_text.h"

namespace timecalc {

std::string Compact(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const bool three = i + 2 < text.size();
    if (three && byte(0) == 0xEF && byte(1) == 0xBC && byte(2) >= 0x81 && byte(2) <= 0xBF) {
      out += static_cast<char>(byte(2) - 0x60);  // U+FF01..U+FF3F: "！".."＿"
      i += 2;
    } else if (three && byte(0) == 0xEF && byte(1) == 0xBD && byte(2) >= 0x80 && byte(2) <= 0x9E) {
      out += static_cast<char>(byte(2) - 0x20);  // U+FF40..U+FF5E: "｀".."～"
      i += 2;
    } else if (three && byte(0) == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) {
      i += 2;  // ideographic space
    } else if (text[i] != ' ' && text[i] != '\t') {
      out += text[i];
    }
  }
  return out;
}

bool Take(std::string_view text, std::size_t& at, std::string_view prefix) {
  if (text.substr(at).substr(0, prefix.size()) != prefix) return false;
  at += prefix.size();
  return true;
}

int TakeNumber(std::string_view text, std::size_t& at, int fewest, int most) {
  std::size_t end = at;
  while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
  const auto count = static_cast<int>(end - at);
  if (count < fewest || count > most) return -1;
  int value = 0;
  for (; at < end; ++at) value = value * 10 + (text[at] - '0');
  return value;
}

}  // namespace timecalc
