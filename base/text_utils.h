#pragma once

#include <string>
#include <string_view>

namespace kelvo {

// The text with every `from` replaced by `to` (skin file names: "_" to ":" and back).
std::string ReplaceChar(std::string text, char from, char to);

// Is the text a decimal floating-point number, whatever its value? "5", "8.5", "999.0", ".5" and
// "1E3" are; the empty text, letters, "1,5" and "5%" are not.
bool IsNumberText(std::string_view text);

}  // namespace kelvo
