#pragma once

// The settings file: the key and flag of each check-mark setting, and one change of the file.

#include "ini_file.h"
#include "settings.h"
#include "settings_checks.h"
#include "settings_keys.h"
#include "shell_paths.h"

namespace kelvo {

// A check-mark setting: the key it is stored under (none for the two percent items, which share
// Value/PerType) and the flag in Settings() that goes with its check mark (none where the check
// mark alone is the setting).
struct MenuSetting {
  const ini::Key<bool>* key = nullptr;
  bool SettingValues::*flag = nullptr;
};

inline MenuSetting MenuSettingOf(MenuCheck item) {
  switch (item) {
    case MenuCheck::KeyPanelOn: return {&ini::kKeyPanelOn};
    case MenuCheck::KeyButtonOn: return {&ini::kKeyButtonOn};
    case MenuCheck::TaskBarIn: return {&ini::kTaskBarIn};
    case MenuCheck::StartUpEndOn: return {&ini::kStartUpEndOn};
    case MenuCheck::FrontSideOn: return {&ini::kFrontSideOn, &SettingValues::alwaysOnTop};
    case MenuCheck::AutoUpdate: return {&ini::kAutoUpdate, &SettingValues::autoUpdate};
    case MenuCheck::GrandTotal: return {&ini::kGrandTotal, &SettingValues::grandTotal};
    case MenuCheck::AnswerCK: return {&ini::kAnswerCK, &SettingValues::answerCheck};
    case MenuCheck::ReducedTaxRate: return {&ini::kKeigenOn, &SettingValues::reducedTaxRateOn};
    case MenuCheck::PerSharp:
    case MenuCheck::PerCasio: break;
  }
  return {};
}

// Reads a check-mark setting into its check mark and its flag; gives the value read.
inline bool LoadMenuSetting(const IniFile& file, SettingsChecks& checks, MenuCheck item) {
  const MenuSetting setting = MenuSettingOf(item);
  const bool on = ini::Read(file, *setting.key);
  checks.SetChecked(item, on);
  if (setting.flag != nullptr) Settings().*setting.flag = on;
  return on;
}

// One change of the current settings file: open it, let `write` change it, flush, release.
template <typename Write>
FlushResult ChangeSettingsFile(Write&& write) {
  IniFile file(CurrentSettingsPath());
  write(file);
  return file.Flush();
}

}  // namespace kelvo
