#include "key_script.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <utility>

#include "ascii.h"
#include "text_escape.h"

namespace kelvo {
namespace {

constexpr std::pair<std::string_view, int> kKeyTokens[] = {
    {".", kKeyPoint},     {"00", kKeyDoubleZero}, {"+", kKeyPlus},        {"-", kKeyMinus},
    {"*", kKeyMultiply},  {"/", kKeyDivide},      {"=", kKeyEquals},      {"%", kKeyPercent},
    {"sqrt", kKeySqrt},   {"+/-", kKeySign},      {"bs", kKeyBackspace},  {"ce", kKeyCE},
    {"c", kKeyC},         {"ca", kKeyCA},         {"mc", kKeyMC},         {"mr", kKeyMR},
    {"m+", kKeyMPlus},    {"m-", kKeyMMinus},     {"gt", kKeyGT},         {"tax+", kKeyZeikomi},
    {"tax-", kKeyZeinuki}, {"kenzan", kKeyKenzan},
};

bool ParseInt(std::string_view text, int& value) {
  if (text.empty()) return false;
  const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
  return res.ec == std::errc{} && res.ptr == text.data() + text.size();
}

bool ParseOnOff(std::string_view text, bool& value) {
  if (text == "on") return value = true, true;
  if (text == "off") return value = false, true;
  return false;
}

// A rate token's value: a finite decimal number ("0.10", "-1", "1e-5"); never "nan", "inf" or hexadecimal.
bool ParseRate(std::string_view text, double& rate) {
  std::size_t at = text.empty() || (text[0] != '-' && text[0] != '+') ? 0 : 1;
  const auto digits = [&text, &at] {
    const std::size_t from = at;
    while (at < text.size() && IsAsciiDigit(text[at])) ++at;
    return at - from;
  };
  std::size_t mantissa = digits();
  if (at < text.size() && text[at] == '.') {
    ++at;
    mantissa += digits();
  }
  if (mantissa == 0) return false;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    if (digits() == 0) return false;
  }
  if (at != text.size()) return false;
  const std::string copy(text);
  rate = std::strtod(copy.c_str(), nullptr);
  return std::isfinite(rate);
}

}  // namespace

int KeyTokenCode(std::string_view token) {
  if (token.size() == 1 && IsAsciiDigit(token[0])) return kKeyDigit0 + (token[0] - '0');
  for (const auto& [name, code] : kKeyTokens)
    if (token == name) return code;
  int code = 0;
  if (token.substr(0, 4) == "key:" && ParseInt(token.substr(4), code)) return code;
  return -1;
}

bool KeyScript::Apply(std::string_view token) {
  EngineSettings& s = display_.settings;
  const size_t eq = token.find('=');
  if (eq != std::string_view::npos && eq > 0) {
    const std::string_view name = token.substr(0, eq), value = token.substr(eq + 1);
    if (name == "round") {
      constexpr std::pair<std::string_view, int> kRounds[] = {{"F", 1}, {"CUT", 2}, {"UP", 3}, {"54", 4}};
      for (const auto& [text, selector] : kRounds)
        if (value == text) return s.roundSelector = selector, true;
      return false;
    }
    if (name == "places") {
      int places = 0;
      if (value == "F") return s.decimalSelector = -9, true;
      if (!ParseInt(value, places) || places < 0 || places > 5) return false;
      s.decimalSelector = places;
      return true;
    }
    if (name == "percent") {
      int type = 0;
      if (!ParseInt(value, type) || (type != 1 && type != 2)) return false;
      s.percentType = type;
      return true;
    }
    if (name == "rate" || name == "reduced") {
      double rate = 0;
      if (!ParseRate(value, rate)) return false;
      (name == "rate" ? standardTaxRate_ : reducedTaxRate_) = rate;
      UseTaxRates();
      return true;
    }
    if (name == "keigen") {
      if (!ParseOnOff(value, reducedTaxRateOn_)) return false;
      UseTaxRates();
      return true;
    }
    if (name == "invoice") {
      constexpr std::pair<std::string_view, InvoiceRounding> kRoundings[] = {
          {"CUT", InvoiceRounding::Down}, {"UP", InvoiceRounding::Up}, {"54", InvoiceRounding::HalfUp}};
      for (const auto& [text, rounding] : kRoundings)
        if (value == text) return invoiceRounding_ = rounding, true;
      return false;
    }
    if (name == "gt") return ParseOnOff(value, s.grandTotalOn);
    if (name == "ack") {
      if (!ParseOnOff(value, s.answerCheckOn)) return false;
      engine_.ResetLastAnswer();  // as switching it in the menu does
      return true;
    }
    return false;
  }
  if (token == "invoice") {
    invoiceShown_ = InvoiceTable(engine_.Invoice(), invoiceRounding_, standardTaxRate_, reducedTaxRate_);
    return true;
  }
  if (token == "invoice-clear") {
    engine_.ClearInvoice();
    return true;
  }
  const int code = KeyTokenCode(token);
  if (code < 0) return false;
  engine_.PressKey(code);
  engine_.ReleaseKey(code);
  return true;
}

void KeyScript::UseTaxRates() {
  display_.settings.taxRate = reducedTaxRateOn_ ? reducedTaxRate_ : standardTaxRate_;
  display_.settings.reducedTaxRate = reducedTaxRateOn_;
}

std::string KeyScript::ApplyLine(std::string_view line) {
  std::istringstream in{std::string(line)};
  std::string token;
  while (in >> token)
    if (!Apply(token)) return token;
  return {};
}

std::string KeyScript::Json() const {
  const EngineState& st = engine_.State();
  std::string out = "{\"display\": ";
  out += JsonString(st.display);
  out += ", \"error\": ";
  out += st.error ? "true" : "false";
  out += ", \"marks\": [";
  bool first = true;
  for (const Mark mark : st.marks.Lit()) {
    if (!first) out += ", ";
    out += std::to_string(static_cast<int>(mark));
    first = false;
  }
  out += "], \"emark\": ";
  out += display_.errorMark ? "true" : "false";
  const std::pair<const char*, const std::string*> texts[] = {
      {"input", &st.input}, {"answer", &st.answer}, {"memory", &st.memory}, {"gt", &st.grandTotal}};
  for (const auto& [name, value] : texts) {
    out += ", \"";
    out += name;
    out += "\": ";
    out += JsonString(*value);
  }
  out += ", \"entry\": " + std::to_string(static_cast<int>(st.entry));
  out += ", \"pending\": " + std::to_string(static_cast<int>(st.pending));
  out += ", \"opstate\": " + std::to_string(static_cast<int>(st.opState));
  out += ", \"tape_current\": " + JsonString(st.tapeCurrent);
  out += ", \"tape_previous\": " + JsonString(st.tapePrevious);
  if (invoiceShown_) out += ", \"invoice\": " + InvoiceJson(*invoiceShown_);
  out += '}';
  return out;
}

std::string InvoiceJson(const std::vector<InvoiceRow>& table) {
  std::string out = "[";
  for (const InvoiceRow& row : table) {
    if (out.size() > 1) out += ", ";
    out += "[" + JsonString(row.label) + ", " + std::to_string(row.count);
    for (const std::string* cell : {&row.excluded, &row.tax, &row.included}) out += ", " + JsonString(*cell);
    out += "]";
  }
  return out + "]";
}

std::string RunKeyScript(std::string_view line) {
  KeyScript script;
  const std::string unknown = script.ApplyLine(line);
  if (!unknown.empty()) {
    return "{\"error_token\": " + JsonString(unknown) + "}";
  }
  return script.Json();
}

}  // namespace kelvo
