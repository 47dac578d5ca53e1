#include "text_escape.h"

#include <cstdio>

namespace kelvo {
namespace {

// The character starting at text[at] and its length in bytes; length 0 when the bytes there are
// no valid UTF-8 (a stray continuation byte, a sequence cut short, an overlong form, a surrogate,
// a value past U+10FFFF).
struct Character {
  char32_t value;
  std::size_t length;
};

Character Decode(std::string_view text, std::size_t at) {
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
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return {0, 0};
  return {value, length};
}

std::string Hex(const char* format, unsigned value) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

}  // namespace

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (std::size_t at = 0; at < text.size();) {
    const Character c = Decode(text, at);
    if (c.length == 0) {
      out += "\xEF\xBF\xBD";  // U+FFFD for the byte that is no UTF-8
      ++at;
      continue;
    }
    switch (c.value) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c.value < 0x20) {
          out += Hex("\\u%04x", static_cast<unsigned>(c.value));
        } else {
          out.append(text.substr(at, c.length));
        }
    }
    at += c.length;
  }
  return out + "\"";
}

std::string VisibleText(std::string_view text) {
  std::string out;
  for (std::size_t at = 0; at < text.size();) {
    const Character c = Decode(text, at);
    if (c.length == 0 || c.value < 0x20 || c.value == 0x7F) {
      out += Hex("\\x%02x", static_cast<unsigned char>(text[at]));
      ++at;
      continue;
    }
    if (c.value >= 0x80 && c.value <= 0x9F) {
      out += Hex("\\u%04x", static_cast<unsigned>(c.value));
    } else {
      out.append(text.substr(at, c.length));
    }
    at += c.length;
  }
  return out;
}

}  // namespace kelvo
