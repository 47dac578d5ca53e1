#pragma once

// Character tests on the bytes of ASCII or UTF-8 text. Unlike std::isdigit they never depend on
// the locale and take any char, negative ones (UTF-8 lead bytes) included. Standard C++ and header
// only, so that every part of the program may use them, the engine and the script host too.
namespace kelvo {

constexpr bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace kelvo
