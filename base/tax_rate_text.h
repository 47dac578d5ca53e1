#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ini_file.h"
#include "settings_keys.h"

// Which tax rates the program takes, from the settings file and from the tax-rate dialog: the
// one check both use.
namespace kelvo {

// A rate as the settings file keeps it: a fraction written as a plain decimal from 0 to 1
// (0 % to 100 %: "0.1", "0.08", "0.065"). Nothing for anything else ("-0.08", "1.5", "1e308",
// "NaN", "10%", "", "0x10", "８").
std::optional<double> StoredTaxRate(std::string_view text);

// A rate typed as a percentage in the tax-rate dialog: a plain decimal from 0 to 100 ("10", "8",
// "6.5"), as a fraction. Nothing for anything else ("-3", "100.5", "1e1", "8%").
std::optional<double> TypedTaxPercent(std::string_view text);

// A rate key's rate: as stored, or the key's default when it is missing or refused.
double ReadTaxRate(const IniFile& file, const ini::Key<double>& key);

// After the settings were read: each rate key of the current settings file whose value is
// refused gets its default written back, the rest of the file as it is. What was refused, as
// "Zeiritu=-0.08", and how the write went.
struct RefusedTaxRates {
  std::vector<std::string> settings;
  FlushResult written;
};
RefusedTaxRates ResetRefusedTaxRates();

}  // namespace kelvo
