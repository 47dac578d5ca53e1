#pragma once

#include <cstddef>
#include <string_view>

// Reading UTF-8 one character at a time, strictly: the one decoder the tape, the tools and the
// exports share. Standard C++ and header only, like ascii.h beside it.
namespace kelvo {

// A character of a UTF-8 text and its length in bytes; length 0 when the bytes there are no
// valid UTF-8 (a stray continuation byte, a sequence cut short, an overlong form, a surrogate,
// a value past U+10FFFF).
struct Utf8Character {
  char32_t value;
  std::size_t length;
};

// The character that starts at text[at] (at < text.size()).
constexpr Utf8Character DecodeUtf8At(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return {lead, 1};
  std::size_t length = 0;
  char32_t value = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    value = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    value = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    value = lead & 0x07;
  } else {
    return {0, 0};
  }
  if (at + length > text.size()) return {0, 0};
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if ((next & 0xC0) != 0x80) return {0, 0};
    value = (value << 6) | (next & 0x3F);
  }
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return {0, 0};
  return {value, length};
}

}  // namespace kelvo
