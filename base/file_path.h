#pragma once

#include <filesystem>
#include <string>

namespace kelvo {

// Paths are held as UTF-8 texts; this turns one into a file-system path on every platform.
inline std::filesystem::path FilePath(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// And back: a file-system path as a UTF-8 text.
inline std::string PathText(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace kelvo
