#pragma once

// Every key of the settings file Kelvo.ini: its section, its name exactly as the file stores it
// (the misspellings "Selecter" and "Custum" included: files in use carry them) and the value a
// missing key reads as. Whatever reads or writes the settings file goes through these, so that a
// key can never be read under one name and written under another.

#include <cstdint>

#include "ini_file.h"

namespace kelvo {

// The two consumption-tax rates of a fresh program (and of the tax-rate dialog's reset). A rate
// already in the settings file is kept as it is.
inline constexpr double kDefaultStandardTaxRate = 0.10;
inline constexpr double kDefaultReducedTaxRate = 0.08;

namespace ini {

template <typename T>
struct Key {
  const char* section;
  const char* name;
  T fallback;  // what a missing key (or a missing file) reads as
};

// [Value]: the calculation.
inline constexpr Key<std::int32_t> kRoundSelecter{"Value", "RoundSelecter", 1};      // 1 F, 2 Cut, 3 Up, 4 5/4
inline constexpr Key<std::int32_t> kDecimalSelecter{"Value", "DecimalSelecter", 5};  // 0..5 places, -9 F
inline constexpr Key<std::int32_t> kPerType{"Value", "PerType", 1};  // 1 first percent convention, else the second
inline constexpr Key<bool> kGrandTotal{"Value", "GrandTotal", true};
inline constexpr Key<bool> kAnswerCK{"Value", "AnswerCK", true};

// [View]: the main window.
inline constexpr Key<bool> kKeyPanelOn{"View", "KeyPanelOn", false};  // mini size
inline constexpr Key<bool> kKeyButtonOn{"View", "KeyButtonOn", true};
inline constexpr Key<bool> kTaskBarIn{"View", "TaskBarIn", false};  // tray residency
inline constexpr Key<bool> kFrontSideOn{"View", "FrontSideOn", true};  // always on top

// [StartUp]
inline constexpr Key<bool> kStartUpEndOn{"StartUp", "StartUpEndOn", false};  // restore the position
inline constexpr Key<std::int32_t> kStartUpLeft{"StartUp", "StartUpLeft", 10};
inline constexpr Key<std::int32_t> kStartUpTop{"StartUp", "StartUpTop", 10};
inline constexpr Key<bool> kAutoUpdate{"StartUp", "AutoUpdate", true};  // the update check at start

// [Tax]: the rates are fractions (0.1 is 10 %).
inline constexpr Key<double> kZeiritu{"Tax", "Zeiritu", kDefaultStandardTaxRate};
inline constexpr Key<double> kKeigenZeiritu{"Tax", "KeigenZeiritu", kDefaultReducedTaxRate};
inline constexpr Key<bool> kKeigenOn{"Tax", "KeigenOn", false};  // the tax keys use the reduced rate
inline constexpr Key<std::int32_t> kTaxDecimals{"Tax", "Dc", 0};
inline constexpr Key<std::int32_t> kTaxRounding{"Tax", "Rs", 1};

// [Skin]
inline constexpr Key<std::int32_t> kCustumSkinType{"Skin", "CustumSkinType", 0};  // 0 the built-in skin
inline constexpr Key<bool> kAutoPreview{"Skin", "AutoPreview", true};  // the skin chooser's options
inline constexpr Key<bool> kLocalSave{"Skin", "LocalSave", true};

// [KeySet]: one integer per key slot, named by the slot (keys/key_slots.h).
inline constexpr const char* kKeySet = "KeySet";

// [Net]: the download server, when a company hosts its own.
inline constexpr Key<const char*> kServerUrl{"Net", "ServerUrl", ""};

// [Speech]: the read-aloud. 0 off, 1 results, 2 keys and results; any other value is off.
inline constexpr Key<std::int32_t> kSpeechMode{"Speech", "Mode", 0};

// [Invoice]: the tax per rate window. How each rate's tax is rounded: 0 down, 1 up, 2 half up.
inline constexpr Key<std::int32_t> kInvoiceRounding{"Invoice", "Rounding", 0};

// [Tape]: the paper tape.
inline constexpr Key<std::int32_t> kTapeRecording{"Tape", "Recording", 1};
inline constexpr Key<std::int32_t> kTapeMaxLines{"Tape", "MaxLines", 1000000};

inline std::int32_t Read(const IniFile& file, const Key<std::int32_t>& key) {
  return file.ReadInteger(key.section, key.name, key.fallback);
}
inline bool Read(const IniFile& file, const Key<bool>& key) { return file.ReadBool(key.section, key.name, key.fallback); }
inline double Read(const IniFile& file, const Key<double>& key) {
  return file.ReadReal(key.section, key.name, key.fallback);
}
inline std::string Read(const IniFile& file, const Key<const char*>& key) {
  return file.ReadString(key.section, key.name, key.fallback);
}

inline bool Write(IniFile& file, const Key<std::int32_t>& key, std::int32_t value) {
  return file.WriteInteger(key.section, key.name, value);
}
inline bool Write(IniFile& file, const Key<bool>& key, bool value) { return file.WriteBool(key.section, key.name, value); }
inline bool Write(IniFile& file, const Key<double>& key, double value) {
  return file.WriteReal(key.section, key.name, value);
}
inline bool Write(IniFile& file, const Key<const char*>& key, std::string_view value) {
  return file.WriteString(key.section, key.name, value);
}

}  // namespace ini
}  // namespace kelvo
