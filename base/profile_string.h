#pragma once

#include <string>
#include <string_view>

#include "ini_file.h"

namespace kelvo {

// The longest text ReadProfileString gives back, in bytes.
inline constexpr std::size_t kProfileStringMax = 259;

// Reads one key of an INI file given by its full path: the empty text when the file, the section
// or the key is missing, and at most kProfileStringMax bytes (never a split UTF-8 character).
std::string ReadProfileString(std::string_view section, std::string_view key, const std::string& path);

// Writes one key of an INI file and flushes it at once. Callers may ignore the result.
FlushResult WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                               const std::string& path);

}  // namespace kelvo
