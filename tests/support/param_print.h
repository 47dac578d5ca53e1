// Table rows of parameterised tests print as what they are, on one line, so that the test names
// ctest lists (one per row) read the same in every build instead of showing a row's bytes.
#pragma once

#include <cstdio>
#include <ostream>
#include <string_view>

namespace kelvo::test {

// Text in double quotes as it reads (UTF-8 kept), control characters escaped.
inline void PrintQuoted(std::string_view text, std::ostream* out) {
  *out << '"';
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\n') {
      *out << "\\n";
    } else if (c == '\r') {
      *out << "\\r";
    } else if (c == '\t') {
      *out << "\\t";
    } else if (c == '"' || c == '\\') {
      *out << '\\' << c;
    } else if (byte < 0x20 || byte == 0x7f) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      *out << hex;
    } else {
      *out << c;
    }
  }
  *out << '"';
}

}  // namespace kelvo::test
