#include "text_escape.h"

#include <cstdio>

#include "utf8.h"

namespace kelvo {
namespace {

std::string Hex(const char* format, unsigned value) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

}  // namespace

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Character c = DecodeUtf8At(text, at);
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
    const Utf8Character c = DecodeUtf8At(text, at);
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
