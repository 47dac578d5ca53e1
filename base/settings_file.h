#pragma once

// The settings file: its sections, the key of each check-mark setting, and one change of it.

#include <optional>

#include "ini_file.h"
#include "settings_checks.h"
#include "shell_paths.h"

namespace kelvo {

// Sections and keys of the settings file, with the program's own spellings.
namespace ini {
inline constexpr const char* kValue = "Value";
inline constexpr const char* kView = "View";
inline constexpr const char* kStartUp = "StartUp";
inline constexpr const char* kTax = "Tax";
inline constexpr const char* kSkin = "Skin";
inline constexpr const char* kKeySet = "KeySet";
inline constexpr const char* kSpeech = "Speech";
}  // namespace ini

struct SettingKey {
  const char* section;
  const char* key;
};

// The key a check-mark setting is stored under; nothing for the two percent items, which share
// Value/PerType.
inline std::optional<SettingKey> MenuSettingKey(MenuCheck item) {
  switch (item) {
    case MenuCheck::KeyPanelOn: return SettingKey{ini::kView, "KeyPanelOn"};
    case MenuCheck::KeyButtonOn: return SettingKey{ini::kView, "KeyButtonOn"};
    case MenuCheck::TaskBarIn: return SettingKey{ini::kView, "TaskBarIn"};
    case MenuCheck::FrontSideOn: return SettingKey{ini::kView, "FrontSideOn"};
    case MenuCheck::StartUpEndOn: return SettingKey{ini::kStartUp, "StartUpEndOn"};
    case MenuCheck::AutoUpdate: return SettingKey{ini::kStartUp, "AutoUpdate"};
    case MenuCheck::GrandTotal: return SettingKey{ini::kValue, "GrandTotal"};
    case MenuCheck::AnswerCK: return SettingKey{ini::kValue, "AnswerCK"};
    case MenuCheck::ReducedTaxRate: return SettingKey{ini::kTax, "KeigenOn"};
    case MenuCheck::PerSharp:
    case MenuCheck::PerCasio: break;
  }
  return std::nullopt;
}

// One change of the current settings file: open it, let `write` change it, flush, release.
template <typename Write>
FlushResult ChangeSettingsFile(Write&& write) {
  IniFile file(CurrentSettingsPath());
  write(file);
  return file.Flush();
}

}  // namespace kelvo
