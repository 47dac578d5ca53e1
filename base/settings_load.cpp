// Reading the settings at start-up: the two passes.
#include "settings.h"
#include "settings_file.h"

namespace kelvo {

SettingValues& Settings() {
  static SettingValues values;
  return values;
}

double ActiveTaxRate() {
  const SettingValues& values = Settings();
  return values.reducedTaxRateOn ? values.reducedTaxRate : values.taxRate;
}

std::int32_t EffectiveRoundSelector(std::int32_t value) { return (value >= 1 && value <= 4) ? value : 1; }

std::int32_t EffectiveDecimalSelector(std::int32_t value) {
  return ((value >= 0 && value <= 5) || value == -9) ? value : -9;
}

SettingsPass1 LoadSettingsPass1(SettingsChecks& checks, bool primaryInstance) {
  const IniFile file(CurrentSettingsPath());
  SettingsPass1 pass;
  checks.SetChecked(MenuCheck::KeyPanelOn, file.ReadBool(ini::kView, "KeyPanelOn", false));
  pass.keyButtonOn = file.ReadBool(ini::kView, "KeyButtonOn", true);
  checks.SetChecked(MenuCheck::KeyButtonOn, pass.keyButtonOn);
  Settings().skinKind = file.ReadInteger(ini::kSkin, "CustumSkinType", 0);
  if (primaryInstance && file.ReadBool(ini::kStartUp, "StartUpEndOn", false)) {
    checks.SetChecked(MenuCheck::StartUpEndOn, true);
    pass.restorePosition = true;
    pass.left = file.ReadInteger(ini::kStartUp, "StartUpLeft", 10);
    pass.top = file.ReadInteger(ini::kStartUp, "StartUpTop", 10);
  }
  return pass;
}

void LoadSettingsPass2(SettingsChecks& checks, bool primaryInstance, std::uint32_t pid) {
  {
    const IniFile file(CurrentSettingsPath());
    SettingValues& values = Settings();
    values.roundSelector = file.ReadInteger(ini::kValue, "RoundSelecter", 1);
    values.decimalSelector = file.ReadInteger(ini::kValue, "DecimalSelecter", 5);
    values.percentType = file.ReadInteger(ini::kValue, "PerType", 1);
    checks.SetChecked(MenuCheck::PerSharp, values.percentType == 1);
    checks.SetChecked(MenuCheck::PerCasio, values.percentType != 1);
    checks.SetChecked(MenuCheck::GrandTotal, file.ReadBool(ini::kValue, "GrandTotal", true));
    checks.SetChecked(MenuCheck::AnswerCK, file.ReadBool(ini::kValue, "AnswerCK", true));
    values.alwaysOnTop = file.ReadBool(ini::kView, "FrontSideOn", true);
    checks.SetChecked(MenuCheck::FrontSideOn, values.alwaysOnTop);
    // A rate that is not a finite decimal number (or none at all) gives the default.
    values.taxRate = file.ReadReal(ini::kTax, "Zeiritu", kDefaultStandardTaxRate);
    values.reducedTaxRate = file.ReadReal(ini::kTax, "KeigenZeiritu", kDefaultReducedTaxRate);
    values.reducedTaxRateOn = file.ReadBool(ini::kTax, "KeigenOn", false);
    checks.SetChecked(MenuCheck::ReducedTaxRate, values.reducedTaxRateOn);
    values.taxDecimals = file.ReadInteger(ini::kTax, "Dc", 0);
    values.taxRounding = file.ReadInteger(ini::kTax, "Rs", 1);
    values.autoUpdate = file.ReadBool(ini::kStartUp, "AutoUpdate", true);
    checks.SetChecked(MenuCheck::AutoUpdate, values.autoUpdate);
    values.speechMode = file.ReadInteger(ini::kSpeech, "Mode", 0);
  }
  if (primaryInstance) {
    UsePrimaryInstanceFiles();
  } else {
    CreateChildInstanceFile(pid);  // when it fails the child simply reads defaults
    UseChildInstanceFiles(pid);
  }
}

SkinChooserOptions LoadSkinChooserOptions() {
  const IniFile file(CurrentSettingsPath());
  return {file.ReadBool(ini::kSkin, "AutoPreview", true), file.ReadBool(ini::kSkin, "LocalSave", true)};
}

}  // namespace kelvo
