#include "tape_recorder.h"

#include "format.h"
#include "tax_rate_name.h"

namespace kelvo {
namespace {

std::string FigureLine(const std::string& value, std::string_view mark) { return GroupDigits(value) + std::string(mark); }

std::string_view TaxResultMark(OpState opState) {
  switch (opState) {
    case OpState::WithTaxShown: return kWithTaxTapeMark;
    case OpState::WithoutTaxShown: return kWithoutTaxTapeMark;
    default: return kTaxTapeMark;
  }
}

}  // namespace

std::string RateText(const EngineSettings& settings) { return TaxRateName(settings.taxRate, settings.reducedTaxRate); }

void TapeRecorder::BeforeKey(const Engine& engine) {
  errorBefore_ = engine.State().error;
  pendingBefore_ = engine.State().pending;
  completedBefore_ = engine.CompletedCount();
  taxBefore_ = IsTaxState(engine.State().opState);
}

std::vector<std::string> TapeRecorder::AfterKey(int keyCode, const Engine& engine, const EngineSettings& settings) {
  const EngineState& state = engine.State();
  const bool newError = !errorBefore_ && state.error;
  if (engine.CompletedCount() != completedBefore_) {
    std::vector<std::string> lines = engine.CompletedCalculation();
    // A result too large for the display ends the calculation with the error mark.
    if (newError || IsOverflow(state.answer)) lines.emplace_back(kErrorTapeLine);
    return lines;
  }
  std::vector<std::string> lines;
  if (errorBefore_) return lines;
  if (newError) {
    lines = TapeLines(state.tapeInProgress, pendingBefore_);
    lines.emplace_back(kErrorTapeLine);
    return lines;
  }
  if (OperatorOfKey(keyCode) != Operator::None && state.pending == Operator::None && IsOverflow(state.answer)) {
    lines = TapeLines(state.tapeInProgress);  // a chain overflowed
    lines.emplace_back(kErrorTapeLine);
    return lines;
  }
  switch (keyCode) {
    case kKeyZeikomi:
    case kKeyZeinuki:
      if (IsTaxState(state.opState)) {
        // A tax calculation begun by this key starts with its amount, so that it can be
        // recomputed from its lines; a key that turns a shown tax figure round has none of its own.
        if (!taxBefore_ && (state.opState == OpState::WithTaxShown || state.opState == OpState::WithoutTaxShown))
          lines.push_back(FigureLine(state.taxBase, OperatorTapeMark(Operator::None)));
        lines.push_back(RateText(settings) + std::string(kRateTapeMark));
        lines.push_back(FigureLine(state.display, TaxResultMark(state.opState)));
      }
      break;
    case kKeyGT:
      if (state.opState == OpState::GrandTotalRecalled) lines.push_back(FigureLine(state.display, kGrandTotalTapeMark));
      break;
    case kKeyMR:
      if (state.opState == OpState::MemoryRecalled) lines.push_back(FigureLine(state.display, kMemoryRecallTapeMark));
      break;
    case kKeyMPlus:
      if (state.opState == OpState::MemoryAdded) lines.push_back(FigureLine(state.display, kMemoryPlusTapeMark));
      break;
    case kKeyMMinus:
      if (state.opState == OpState::MemorySubtracted) lines.push_back(FigureLine(state.display, kMemoryMinusTapeMark));
      break;
    default:
      break;
  }
  return lines;
}

std::vector<std::string> Calculator::PressKey(int keyCode) {
  recorder_.BeforeKey(engine_);
  engine_.PressKey(keyCode);
  return recorder_.AfterKey(keyCode, engine_, display_.Settings());
}

}  // namespace kelvo
