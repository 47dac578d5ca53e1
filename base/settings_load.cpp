// Reading the settings at start-up: the two passes.
#include "settings.h"
#include "settings_file.h"
#include "tax_rate_text.h"

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
  LoadMenuSetting(file, checks, MenuCheck::KeyPanelOn);
  pass.keyButtonOn = LoadMenuSetting(file, checks, MenuCheck::KeyButtonOn);
  Settings().skinKind = ini::Read(file, ini::kCustumSkinType);
  if (primaryInstance && ini::Read(file, ini::kStartUpEndOn)) {
    checks.SetChecked(MenuCheck::StartUpEndOn, true);
    pass.restorePosition = true;
    pass.left = ini::Read(file, ini::kStartUpLeft);
    pass.top = ini::Read(file, ini::kStartUpTop);
  }
  return pass;
}

void LoadSettingsPass2(SettingsChecks& checks, bool primaryInstance, std::uint32_t pid) {
  {
    const IniFile file(CurrentSettingsPath());
    SettingValues& values = Settings();
    values.roundSelector = ini::Read(file, ini::kRoundSelecter);
    values.decimalSelector = ini::Read(file, ini::kDecimalSelecter);
    values.percentType = ini::Read(file, ini::kPerType);
    checks.SetChecked(MenuCheck::PerSharp, values.percentType == 1);
    checks.SetChecked(MenuCheck::PerCasio, values.percentType != 1);
    LoadMenuSetting(file, checks, MenuCheck::GrandTotal);
    LoadMenuSetting(file, checks, MenuCheck::AnswerCK);
    LoadMenuSetting(file, checks, MenuCheck::FrontSideOn);
    // A rate that is not a plain decimal from 0 to 100 % (or none at all) gives the default.
    values.taxRate = ReadTaxRate(file, ini::kZeiritu);
    values.reducedTaxRate = ReadTaxRate(file, ini::kKeigenZeiritu);
    LoadMenuSetting(file, checks, MenuCheck::ReducedTaxRate);
    values.taxDecimals = ini::Read(file, ini::kTaxDecimals);
    values.taxRounding = ini::Read(file, ini::kTaxRounding);
    LoadMenuSetting(file, checks, MenuCheck::AutoUpdate);
    values.speechMode = ini::Read(file, ini::kSpeechMode);
  }
  if (primaryInstance) {
    UsePrimaryInstanceFiles();
  } else {
    CreateChildInstanceFile(pid);  // when it fails the child simply reads defaults
    UseChildInstanceFiles(pid);
  }
}

std::int32_t LoadInvoiceRounding() { return ini::Read(IniFile(CurrentSettingsPath()), ini::kInvoiceRounding); }

SkinChooserOptions LoadSkinChooserOptions() {
  const IniFile file(CurrentSettingsPath());
  return {ini::Read(file, ini::kAutoPreview), ini::Read(file, ini::kLocalSave)};
}

}  // namespace kelvo
