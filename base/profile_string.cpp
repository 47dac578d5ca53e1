#include "profile_string.h"

namespace kelvo {
namespace {

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string ReadProfileString(std::string_view section, std::string_view key, const std::string& path) {
  std::string value = IniFile(path).ReadString(section, key, "");
  if (value.size() > kProfileStringMax) {
    std::size_t cut = kProfileStringMax;
    while (cut > 0 && IsUtf8Continuation(value[cut])) --cut;
    value.resize(cut);
  }
  return value;
}

FlushResult WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                               const std::string& path) {
  IniFile file(path);
  if (!file.WriteString(section, key, value))
    return {false, "設定ファイルに書けない名前です。\n[" + std::string(section) + "] " + std::string(key)};
  return file.Flush();
}

}  // namespace kelvo
