// Writing settings: one change of the current settings file per user action, and the exit write.
#include "settings.h"
#include "settings_file.h"

namespace kelvo {

FlushResult WriteExitSettings(std::optional<std::pair<std::int32_t, std::int32_t>> leftTop) {
  return ChangeSettingsFile([&](IniFile& file) {
    if (leftTop) {
      file.WriteInteger(ini::kStartUp, "StartUpTop", leftTop->second);
      file.WriteInteger(ini::kStartUp, "StartUpLeft", leftTop->first);
    }
    file.WriteInteger(ini::kSkin, "CustumSkinType", Settings().skinKind);
  });
}

FlushResult WriteExitSettings(std::int32_t left, std::int32_t top) { return WriteExitSettings(std::pair{left, top}); }

FlushResult ToggleMenuSetting(SettingsChecks& checks, MenuCheck item) {
  if (!MenuSettingKey(item)) return {};
  const bool checked = !checks.IsChecked(item);
  checks.SetChecked(item, checked);
  if (item == MenuCheck::FrontSideOn) Settings().alwaysOnTop = checked;
  if (item == MenuCheck::AutoUpdate) Settings().autoUpdate = checked;
  if (item == MenuCheck::ReducedTaxRate) Settings().reducedTaxRateOn = checked;
  return SaveMenuSetting(checks, item);
}

FlushResult SaveMenuSetting(const SettingsChecks& checks, MenuCheck item) {
  const auto key = MenuSettingKey(item);
  if (!key) return {};
  return ChangeSettingsFile([&](IniFile& file) { file.WriteBool(key->section, key->key, checks.IsChecked(item)); });
}

FlushResult SaveRoundSelector(std::int32_t tag) {
  return ChangeSettingsFile([&](IniFile& file) { file.WriteInteger(ini::kValue, "RoundSelecter", tag); });
}

FlushResult SaveDecimalSelector(std::int32_t tag) {
  return ChangeSettingsFile([&](IniFile& file) { file.WriteInteger(ini::kValue, "DecimalSelecter", tag); });
}

FlushResult ChoosePercentType(SettingsChecks& checks, std::int32_t type) {
  Settings().percentType = type;
  checks.SetChecked(MenuCheck::PerSharp, type == 1);
  checks.SetChecked(MenuCheck::PerCasio, type != 1);
  return ChangeSettingsFile([&](IniFile& file) { file.WriteInteger(ini::kValue, "PerType", type); });
}

FlushResult SaveSpeechMode(std::int32_t mode) {
  Settings().speechMode = mode;
  return ChangeSettingsFile([&](IniFile& file) { file.WriteInteger(ini::kSpeech, "Mode", mode); });
}

FlushResult SaveTaxSettings(const TaxSettings& tax) {
  return ChangeSettingsFile([&](IniFile& file) {
    file.WriteReal(ini::kTax, "Zeiritu", tax.rate);
    file.WriteInteger(ini::kTax, "Dc", tax.decimals);
    file.WriteInteger(ini::kTax, "Rs", tax.rounding);
    file.WriteReal(ini::kTax, "KeigenZeiritu", tax.reducedRate);
  });
}

FlushResult SaveSkinChooserOptions(const SkinChooserOptions& options) {
  return ChangeSettingsFile([&](IniFile& file) {
    file.WriteBool(ini::kSkin, "AutoPreview", options.autoPreview);
    file.WriteBool(ini::kSkin, "LocalSave", options.localSave);
  });
}

}  // namespace kelvo
