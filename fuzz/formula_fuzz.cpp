// Typed formulas and the script host's input: the checks refuse or pass any text, the script
// reader takes only the program's own shape, and the evaluator answers every expression.
#include <QString>
#include <cstdlib>
#include <string_view>

#include "formula_check.h"
#include "script_text.h"
#include "vb_expression.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const kelvo::Normalized normalized = kelvo::NormalizeFormula(QString::fromUtf8(text.data(), static_cast<qsizetype>(size)));
  if (!normalized.empty && normalized.error.isEmpty()) kelvo::CheckFormulaTokens(normalized.expression);

  const kelvo::wsh::Clock clock{45000.5, 43200.0};  // a fixed moment: the same answer every run
  const kelvo::wsh::Outcome outcome = kelvo::wsh::Evaluate(text, clock);
  kelvo::wsh::AnswerText(outcome, "1");
  // A script the program wrote is read back exactly; any other text is refused or read whole.
  const std::string script = kelvo::wsh::BuildScript("/p/KelvoFiles/_sys/Calc/CalcAns.ini", text, 7);
  const auto request = kelvo::wsh::ParseScript(script);
  if (text.find_first_of("\r\n") == std::string_view::npos && (!request || request->expression != text)) std::abort();
  kelvo::wsh::ParseScript(text);
  return 0;
}
