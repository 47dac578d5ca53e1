// Writing settings: one change of the current settings file per user action, and the exit write.
#include "settings.h"
#include "settings_file.h"

namespace kelvo {

FlushResult WriteExitSettings(std::optional<std::pair<std::int32_t, std::int32_t>> leftTop) {
  return ChangeSettingsFile([&](IniFile& file) {
    if (leftTop) {
      ini::Write(file, ini::kStartUpTop, leftTop->second);
      ini::Write(file, ini::kStartUpLeft, leftTop->first);
    }
    ini::Write(file, ini::kCustumSkinType, Settings().skinKind);
  });
}

FlushResult WriteExitSettings(std::int32_t left, std::int32_t top) { return WriteExitSettings(std::pair{left, top}); }

FlushResult ToggleMenuSetting(SettingsChecks& checks, MenuCheck item) {
  const MenuSetting setting = MenuSettingOf(item);
  if (setting.key == nullptr) return {};
  const bool checked = !checks.IsChecked(item);
  checks.SetChecked(item, checked);
  if (setting.flag != nullptr) Settings().*setting.flag = checked;
  return SaveMenuSetting(checks, item);
}

FlushResult SaveMenuSetting(const SettingsChecks& checks, MenuCheck item) {
  const MenuSetting setting = MenuSettingOf(item);
  if (setting.key == nullptr) return {};
  return ChangeSettingsFile([&](IniFile& file) { ini::Write(file, *setting.key, checks.IsChecked(item)); });
}

FlushResult SaveRoundSelector(std::int32_t tag) {
  return ChangeSettingsFile([&](IniFile& file) { ini::Write(file, ini::kRoundSelecter, tag); });
}

FlushResult SaveDecimalSelector(std::int32_t tag) {
  return ChangeSettingsFile([&](IniFile& file) { ini::Write(file, ini::kDecimalSelecter, tag); });
}

FlushResult ChoosePercentType(SettingsChecks& checks, std::int32_t type) {
  Settings().percentType = type;
  checks.SetChecked(MenuCheck::PerSharp, type == 1);
  checks.SetChecked(MenuCheck::PerCasio, type != 1);
  return ChangeSettingsFile([&](IniFile& file) { ini::Write(file, ini::kPerType, type); });
}

FlushResult SaveSpeechMode(std::int32_t mode) {
  Settings().speechMode = mode;
  return ChangeSettingsFile([&](IniFile& file) { ini::Write(file, ini::kSpeechMode, mode); });
}

FlushResult SaveInvoiceRounding(std::int32_t rounding) {
  return ChangeSettingsFile([&](IniFile& file) { ini::Write(file, ini::kInvoiceRounding, rounding); });
}

FlushResult SaveTaxSettings(const TaxSettings& tax) {
  return ChangeSettingsFile([&](IniFile& file) {
    ini::Write(file, ini::kZeiritu, tax.rate);
    ini::Write(file, ini::kTaxDecimals, tax.decimals);
    ini::Write(file, ini::kTaxRounding, tax.rounding);
    ini::Write(file, ini::kKeigenZeiritu, tax.reducedRate);
  });
}

FlushResult SaveSkinChooserOptions(const SkinChooserOptions& options) {
  return ChangeSettingsFile([&](IniFile& file) {
    ini::Write(file, ini::kAutoPreview, options.autoPreview);
    ini::Write(file, ini::kLocalSave, options.localSave);
  });
}

}  // namespace kelvo
