#include "tax_rate_text.h"

#include "number_text.h"
#include "settings.h"
#include "settings_file.h"

namespace kelvo {
namespace {

struct RateKey {
  const char* key;
  double fallback;
};
constexpr RateKey kRateKeys[] = {{"Zeiritu", kDefaultStandardTaxRate}, {"KeigenZeiritu", kDefaultReducedTaxRate}};

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

double ReadTaxRate(const IniFile& file, std::string_view key, double fallback) {
  const std::optional<std::string> text = file.Read(ini::kTax, key);
  if (!text) return fallback;
  return StoredTaxRate(*text).value_or(fallback);
}

RefusedTaxRates ResetRefusedTaxRates() {
  RefusedTaxRates refused;
  IniFile file(CurrentSettingsPath());
  for (const RateKey& rate : kRateKeys) {
    const std::optional<std::string> text = file.Read(ini::kTax, rate.key);
    if (!text || StoredTaxRate(*text)) continue;
    // A value as long as a file stays out of the message.
    refused.settings.push_back(std::string(rate.key) + "=" + (text->size() > 40 ? text->substr(0, 40) + "…" : *text));
    file.WriteReal(ini::kTax, rate.key, rate.fallback);
  }
  if (!refused.settings.empty()) refused.written = file.Flush();
  return refused;
}

}  // namespace kelvo
