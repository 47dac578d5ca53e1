#pragma once

#include <string>
#include <string_view>

// Text from anywhere written where it must stay what it is: into JSON, onto a terminal.
// Standard C++ only, for the tools and the program alike.
namespace kelvo {

// `text` as a JSON string, quotes included, always valid UTF-8: quotes, backslashes and control
// characters escaped, and each byte that is not part of a valid UTF-8 character replaced by
// U+FFFD.
std::string JsonString(std::string_view text);

// `text` safe to print on a terminal: control characters (C0, DEL and C1) and bytes that are not
// valid UTF-8 written as \xNN (C1 characters as \u0080..\u009f), everything else as it is, so that
// no escape sequence in it reaches the terminal.
std::string VisibleText(std::string_view text);

}  // namespace kelvo
