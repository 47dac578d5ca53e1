#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Reading the comma lists the download server publishes (the skin catalogue, the update list).
namespace kelvo {

// Splits one line into fields the way a comma list is read: fields are separated by commas;
// blanks (spaces and control characters) before a field are skipped and end an unquoted field;
// a field may be enclosed in double quotes, "" inside standing for one quote; a comma at the
// very end of the line adds an empty last field. The text ends at a NUL character.
std::vector<std::string> SplitCommaText(std::string_view line);

// Splits a text into lines ending at CR, LF or CR LF; a final line break adds no empty line.
// At most maxLines lines are returned; the rest of the text is not looked at.
std::vector<std::string_view> SplitLines(std::string_view text, size_t maxLines = SIZE_MAX);

}  // namespace kelvo
