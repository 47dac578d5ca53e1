#include "tax_rate_text.h"

#include "number_text.h"
#include "shell_paths.h"

namespace kelvo {
namespace {

constexpr const ini::Key<double>* kRateKeys[] = {&ini::kZeiritu, &ini::kKeigenZeiritu};

std::optional<double> InRange(std::optional<double> value, double highest) {
  if (!value || *value < 0 || *value > highest) return std::nullopt;
  return value;
}

}  // namespace

std::optional<double> StoredTaxRate(std::string_view text) { return InRange(ParsePlainDecimal(text), 1); }

std::optional<double> TypedTaxPercent(std::string_view text) {
  const std::optional<double> percent = InRange(ParsePlainDecimal(text), 100);
  if (!percent) return std::nullopt;
  return *percent * 0.01;
}

double ReadTaxRate(const IniFile& file, const ini::Key<double>& key) {
  const std::optional<std::string> text = file.Read(key.section, key.name);
  if (!text) return key.fallback;
  return StoredTaxRate(*text).value_or(key.fallback);
}

RefusedTaxRates ResetRefusedTaxRates() {
  RefusedTaxRates refused;
  IniFile file(CurrentSettingsPath());
  for (const ini::Key<double>* key : kRateKeys) {
    const std::optional<std::string> text = file.Read(key->section, key->name);
    if (!text || StoredTaxRate(*text)) continue;
    // A value as long as a file stays out of the message.
    refused.settings.push_back(std::string(key->name) + "=" + (text->size() > 40 ? text->substr(0, 40) + "…" : *text));
    ini::Write(file, *key, key->fallback);
  }
  if (!refused.settings.empty()) refused.written = file.Flush();
  return refused;
}

}  // namespace kelvo
