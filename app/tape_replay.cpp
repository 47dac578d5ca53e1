#include "tape_replay.h"

#include <algorithm>
#include <optional>

#include "paste_number.h"
#include "recording_display.h"
#include "tape_format.h"
#include "tape_recorder.h"

namespace kelvo {
namespace {

// Digits the display takes.
constexpr int kMostDigits = 14;

constexpr const char* kCutShort = "途中で終わった計算は訂正できません。";

// What a line is, by its mark.
enum class Role {
  WithOperator, Equals, Percent, Result, MemoryPlus, MemoryMinus,  // the check tape's
  Base, Rate, WithTax, WithoutTax, Tax,                          // a tax key's
  GrandTotal, MemoryRecall, Error, Other
};

Role RoleOf(std::string_view line, Operator* op = nullptr) {
  if (line == kErrorTapeLine) return Role::Error;
  const std::string_view mark = tape::MarkField(line);
  for (const Operator o : {Operator::Add, Operator::Subtract, Operator::Multiply, Operator::Divide}) {
    if (mark != OperatorTapeMark(o)) continue;
    if (op != nullptr) *op = o;
    return Role::WithOperator;
  }
  const std::pair<std::string_view, Role> marks[] = {
      {OperatorTapeMark(Operator::None), Role::Base}, {kEqualsTapeMark, Role::Equals},
      {kPercentTapeMark, Role::Percent},              {kResultTapeMark, Role::Result},
      {kMemoryPlusTapeMark, Role::MemoryPlus},        {kMemoryMinusTapeMark, Role::MemoryMinus},
      {kRateTapeMark, Role::Rate},                    {kWithTaxTapeMark, Role::WithTax},
      {kWithoutTaxTapeMark, Role::WithoutTax},        {kTaxTapeMark, Role::Tax},
      {kGrandTotalTapeMark, Role::GrandTotal},        {kMemoryRecallTapeMark, Role::MemoryRecall},
  };
  for (const auto& [text, role] : marks)
    if (mark == text) return role;
  return Role::Other;
}

// One press of the replay: the figure of line `line` typed first when `typed`, then `key`.
struct Step {
  std::size_t line;
  bool typed;
  int key;
};

struct Plan {
  std::string why;
  std::size_t first = 0;  // the first line the calculator wrote (after a correction's own)
  std::vector<Step> steps;
};

Plan PlanOf(const std::vector<std::string>& lines) {
  Plan plan;
  const auto refuse = [&plan](const char* why) {
    plan.why = why;
    plan.steps.clear();
    return plan;
  };
  std::size_t at = !lines.empty() && tape::CorrectedStamp(lines.front()) ? 1 : 0;
  plan.first = at;
  const std::size_t end = lines.size();
  if (at == end) return refuse(kCutShort);
  for (std::size_t i = at; i < end; ++i) {
    switch (RoleOf(lines[i])) {
      case Role::Error: return refuse("エラーになった計算は訂正できません。");
      case Role::GrandTotal: return refuse("GT の呼び出しは訂正できません。");
      case Role::MemoryRecall: return refuse("メモリーの呼び出しは訂正できません。");
      case Role::Tax: return refuse("税額の表示は訂正できません。その前の税込・税抜の計算を訂正してください。");
      case Role::Other: return refuse("電卓のキーでした計算ではないため、訂正できません。");
      default: break;
    }
  }
  const auto role = [&lines](std::size_t i) { return RoleOf(lines[i]); };
  switch (role(at)) {
    case Role::Rate: return refuse("この税の計算には元の金額が記録されていないため、訂正できません。");
    case Role::Equals:
    case Role::Percent: return refuse("定数計算は訂正できません。");
    case Role::Base:  // a tax calculation: the amount, the rate, the result
      if (end - at != 3 || role(at + 1) != Role::Rate || (role(at + 2) != Role::WithTax && role(at + 2) != Role::WithoutTax))
        return refuse(kCutShort);
      plan.steps.push_back({at, true, role(at + 2) == Role::WithTax ? kKeyZeikomi : kKeyZeinuki});
      return plan;
    case Role::MemoryPlus:
    case Role::MemoryMinus:  // a figure put into memory
      if (end - at != 1) return refuse(kCutShort);
      plan.steps.push_back({at, true, role(at) == Role::MemoryPlus ? kKeyMPlus : kKeyMMinus});
      return plan;
    default: break;
  }
  // Figures with their operators, the last figure (or none: A + =) with = or %, the result.
  std::size_t i = at;
  for (Operator op = Operator::None; i < end && RoleOf(lines[i], &op) == Role::WithOperator; ++i)
    plan.steps.push_back({i, true, static_cast<int>(op)});
  if (i + 2 != end || plan.steps.empty()) return refuse(kCutShort);
  const Role last = role(i), result = role(i + 1);
  const bool typed = !tape::Split(lines[i]).figure.empty();
  if (last == Role::Percent && result == Role::Result) {
    plan.steps.push_back({i, typed, kKeyPercent});
  } else if (last == Role::Equals && (result == Role::Result || result == Role::MemoryPlus || result == Role::MemoryMinus)) {
    plan.steps.push_back({i, typed, result == Role::Result ? kKeyEquals : result == Role::MemoryPlus ? kKeyMPlus : kKeyMMinus});
  } else {
    return refuse(kCutShort);
  }
  return plan;
}

std::vector<int> KeysOf(std::string_view figure) {
  std::u32string text;
  if (!tape::DecodeUtf8(figure, text)) return {};
  return paste_number::KeysFor(text);
}

int DigitsOf(const std::vector<int>& keys) {
  int digits = 0;
  for (const int key : keys) digits += key == kKeyDoubleZero ? 2 : key >= kKeyDigit0 && key <= kKeyDigit9 ? 1 : 0;
  return digits;
}

// The lines the calculator writes for the plan, with `changed` typed for the figure of line
// `line`; nothing when a figure cannot be typed or the keys do not end the calculation as its
// last key.
std::optional<std::vector<std::string>> Run(const std::vector<std::string>& lines, const Plan& plan, const EngineSettings& settings,
                                            std::size_t line, const std::vector<int>& changed) {
  RecordingDisplay display;
  display.settings = settings;
  Calculator calculator(display);
  std::vector<std::string> written;
  for (const Step& step : plan.steps) {
    // A calculation ended before its last key: in error (an overflowing chain) it ends there.
    if (!written.empty()) return written.back() == kErrorTapeLine ? std::optional(written) : std::nullopt;
    if (step.typed) {
      const std::vector<int> keys = step.line == line ? changed : KeysOf(tape::Split(lines[step.line]).figure);
      if (keys.empty() || DigitsOf(keys) > kMostDigits) return std::nullopt;
      for (const int key : keys)
        if (!calculator.PressKey(key).empty()) return std::nullopt;
    }
    written = calculator.PressKey(step.key);
  }
  if (written.empty()) return std::nullopt;
  return written;
}

}  // namespace

tape::Correctable CheckReplay(const std::vector<std::string>& lines) {
  const Plan plan = PlanOf(lines);
  tape::Correctable correctable{plan.why, {}};
  for (const Step& step : plan.steps)
    if (step.typed) correctable.figures.push_back(step.line);
  return correctable;
}

Replayed Replay(const std::vector<std::string>& lines, const EngineSettings& settings, std::size_t line,
                std::string_view figure, bool exact) {
  const Plan plan = PlanOf(lines);
  if (!plan.why.empty()) return {{}, plan.why};
  if (std::none_of(plan.steps.begin(), plan.steps.end(), [line](const Step& step) { return step.typed && step.line == line; }))
    return {{}, "この行は入力した数値ではないため、訂正できません。"};
  const std::vector<int> keys = KeysOf(figure);
  if (keys.empty()) return {{}, "「" + std::string(figure) + "」は数値として読めません。"};
  if (DigitsOf(keys) > kMostDigits) return {{}, "数値は 14 桁までです。"};
  if (exact) {
    const std::vector<std::string> recorded(lines.begin() + static_cast<std::ptrdiff_t>(plan.first), lines.end());
    if (Run(lines, plan, settings, lines.size(), {}) != recorded)
      return {{}, "この計算は、テープの行だけからは同じ結果になりません（前の計算の定数を使ったときなど）。訂正できません。"};
  }
  std::optional<std::vector<std::string>> corrected = Run(lines, plan, settings, line, keys);
  if (!corrected) return {{}, "訂正した数値では計算が終わりません。"};
  return {std::move(*corrected), {}};
}

tape::CalcSettings RecordedSettings(const EngineSettings& settings) {
  return {settings.roundSelector, settings.decimalSelector, settings.percentType == 1 ? 1 : 2, settings.taxRate,
          settings.reducedTaxRate};
}

EngineSettings WithRecorded(EngineSettings settings, const tape::CalcSettings& recorded) {
  settings.roundSelector = recorded.round;
  settings.decimalSelector = recorded.decimals;
  settings.percentType = recorded.percent;
  settings.taxRate = recorded.rate;
  settings.reducedTaxRate = recorded.reduced;
  return settings;
}

}  // namespace kelvo
