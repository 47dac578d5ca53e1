#pragma once

#include <optional>
#include <string>
#include <vector>
#include <string_view>

#include "engine.h"
#include "recording_display.h"

// Drives the engine from text tokens: the language of kelvo-keys and of the engine's test tables.
namespace kelvo {

// Key code of a key token ("7", "+", "m+", "key:8" ...), or -1 when it is not a key token.
int KeyTokenCode(std::string_view token);

class KeyScript {
 public:
  KeyScript() = default;
  KeyScript(const KeyScript&) = delete;
  KeyScript& operator=(const KeyScript&) = delete;

  // Applies one settings or key token; false when the token is unknown.
  bool Apply(std::string_view token);
  // Applies every token of a line; returns the first unknown token, or an empty text.
  std::string ApplyLine(std::string_view line);

  // The outcome as one line of JSON (display, marks, registers, tapes).
  std::string Json() const;

  const EngineState& State() const { return engine_.State(); }
  // The tax-per-rate table as the last "invoice" token read it, if one did.
  const std::optional<std::vector<InvoiceRow>>& InvoiceShown() const { return invoiceShown_; }
  const RecordingDisplay& Display() const { return display_; }

 private:
  // The tax keys see the rate the switch picks, as in the program.
  void UseTaxRates();

  RecordingDisplay display_;
  Engine engine_{display_};
  double standardTaxRate_ = display_.settings.taxRate;
  double reducedTaxRate_ = 0.08;  // as in a fresh program
  bool reducedTaxRateOn_ = false;
  InvoiceRounding invoiceRounding_ = InvoiceRounding::Down;
  std::optional<std::vector<InvoiceRow>> invoiceShown_;
};

// An invoice table as JSON: one array per row, [label, count, 税抜金額, 消費税, 税込金額].
std::string InvoiceJson(const std::vector<InvoiceRow>& table);

// One scenario on a fresh engine: the JSON line, or {"error_token": ...} for an unknown token.
std::string RunKeyScript(std::string_view line);

}  // namespace kelvo
