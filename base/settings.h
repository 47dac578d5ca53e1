#pragma once

#include <optional>
#include <utility>

#include <cstdint>

#include "ini_file.h"
#include "settings_checks.h"
#include "settings_keys.h"

namespace kelvo {

// The settings that live in process-wide values (the other ones are check marks, see
// SettingsChecks). They start at the defaults of a missing settings file.
struct SettingValues {
  // The selectors in use: pass 2 reads the file's values here as they stand, then the main
  // window applies them, which brings them into range (EffectiveRoundSelector and
  // EffectiveDecimalSelector decide how) while the file keeps what it holds.
  std::int32_t roundSelector = ini::kRoundSelecter.fallback;
  std::int32_t decimalSelector = ini::kDecimalSelecter.fallback;
  std::int32_t percentType = ini::kPerType.fallback;
  double taxRate = ini::kZeiritu.fallback;               // the standard rate, a fraction
  double reducedTaxRate = ini::kKeigenZeiritu.fallback;
  bool reducedTaxRateOn = ini::kKeigenOn.fallback;      // beside Mb_Keigen: the tax keys use the reduced rate
  std::int32_t taxDecimals = ini::kTaxDecimals.fallback;
  std::int32_t taxRounding = ini::kTaxRounding.fallback;
  bool grandTotal = ini::kGrandTotal.fallback;          // beside Mb_GrandTotal
  bool answerCheck = ini::kAnswerCK.fallback;           // beside Mb_AnswerCK
  bool alwaysOnTop = ini::kFrontSideOn.fallback;        // beside Mb_FrontSideOn
  bool autoUpdate = ini::kAutoUpdate.fallback;          // beside Mb_AutoUpdate
  std::int32_t skinKind = ini::kCustumSkinType.fallback;  // 0 the built-in skin
  std::int32_t speechMode = ini::kSpeechMode.fallback;  // 0 off, 1 results, 2 keys and results; others off
};
SettingValues& Settings();

// The rate the tax keys use now, standard or reduced as the switch says. Whatever needs the rate
// in use (the engine's settings, the rate label, a tape line) reads it here.
double ActiveTaxRate();

// The one place that decides which selector values the calculator works with: a round
// selector outside 1..4 works as 1 (F), a decimal selector outside 0..5 and -9 as -9 (F).
std::int32_t EffectiveRoundSelector(std::int32_t value);
std::int32_t EffectiveDecimalSelector(std::int32_t value);

// What the first pass found that the main window acts on itself.
struct SettingsPass1 {
  bool keyButtonOn = true;       // false: hide the 32 button images
  bool restorePosition = false;  // primary instance with position memory on
  std::int32_t left = 10;        // the position to restore (to be pulled into the work area)
  std::int32_t top = 10;
};

// Pass 1, when the main window is created (after UsePrimaryInstanceFiles): checks KeyPanelOn and
// KeyButtonOn, reads the skin kind into Settings(), and in the primary instance StartUpEndOn with
// the position. The caller then applies the skin, hides the buttons and places the window.
SettingsPass1 LoadSettingsPass1(SettingsChecks& checks, bool primaryInstance);

// Pass 2, at the first activation, after the engine was reset: reads the selectors, the percent
// type, grand total, answer check, always on top, the tax values, automatic update and the
// read-aloud into Settings() and the check marks; then a child instance copies Kelvo.ini to its
// instance file and switches to its own files, and the primary instance takes the main files. The
// caller then applies the two selectors and the read-aloud and calls LoadKeyAssignment.
void LoadSettingsPass2(SettingsChecks& checks, bool primaryInstance, std::uint32_t pid);

// The primary instance's exit: StartUpTop, StartUpLeft and CustumSkinType (from Settings()).
FlushResult WriteExitSettings(std::int32_t left, std::int32_t top);
// The same with the position left out (nullopt) where the window system never tells the real one
// (Wayland): the position an earlier exit wrote stays.
FlushResult WriteExitSettings(std::optional<std::pair<std::int32_t, std::int32_t>> leftTop);

// Writers, one per user action. Each opens the current settings file, writes, flushes and
// releases it; on failure the value stays changed in memory and the caller shows the message.

// A toggling menu item: flips its check mark (and the flag beside it), then writes the new state.
FlushResult ToggleMenuSetting(SettingsChecks& checks, MenuCheck item);
// Writes an item's check mark as it stands (TaskBarIn = 0 when residency ends from the tray).
FlushResult SaveMenuSetting(const SettingsChecks& checks, MenuCheck item);
// The tag of the chosen round (1..4) or decimal (5..0, -9) item.
FlushResult SaveRoundSelector(std::int32_t tag);
FlushResult SaveDecimalSelector(std::int32_t tag);
// Mb_PerSharp (1) or Mb_PerCasio (2) was chosen: sets the percent type and both check marks.
FlushResult ChoosePercentType(SettingsChecks& checks, std::int32_t type);
// The read-aloud item chosen: 0 しない, 1 結果だけ, 2 キーと結果.
FlushResult SaveSpeechMode(std::int32_t mode);
// The tax-rate dialog's values: the rate as a fraction, the decimals and the rounding.
struct TaxSettings {
  double rate = kDefaultStandardTaxRate;
  std::int32_t decimals = 0;
  std::int32_t rounding = 1;
  double reducedRate = kDefaultReducedTaxRate;
};
// Writes them under Tax (the reduced rate as KeigenZeiritu). Settings() is the caller's to change, once the write has worked.
FlushResult SaveTaxSettings(const TaxSettings& tax);

// The tax per rate window's rounding ([Invoice] Rounding: 0 down, 1 up, 2 half up), read when the
// window opens and written when it is chosen.
std::int32_t LoadInvoiceRounding();
FlushResult SaveInvoiceRounding(std::int32_t rounding);

// The skin chooser's two options, read when it is shown and written when it is destroyed.
struct SkinChooserOptions {
  bool autoPreview = true;
  bool localSave = true;
};
SkinChooserOptions LoadSkinChooserOptions();
FlushResult SaveSkinChooserOptions(const SkinChooserOptions& options);

}  // namespace kelvo
