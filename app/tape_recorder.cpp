#include "tape_recorder.h"

#include "format.h"
#include "tax_rate_name.h"

namespace kelvo {
namespace {

// Marks of the lines the check tape has no mark for, two characters each like its own.
constexpr const char* kGrandTotalMark = "GT";
constexpr const char* kMemoryRecallMark = "MR";
constexpr const char* kRateMark = "税率";
constexpr const char* kWithTaxMark = "税込";
constexpr const char* kWithoutTaxMark = "税抜";
constexpr const char* kTaxMark = "税額";
constexpr const char* kErrorLine = "E\xE3\x80\x80\xE3\x80\x80";  // E and two ideographic spaces

std::string FigureLine(const std::string& value, std::string_view mark) { return GroupDigits(value) + std::string(mark); }

const char* TaxResultMark(OpState opState) {
  switch (opState) {
    case OpState::WithTaxShown: return kWithTaxMark;
    case OpState::WithoutTaxShown: return kWithoutTaxMark;
    default: return kTaxMark;
  }
}

}  // namespace

std::string RateText(const EngineSettings& settings) { return TaxRateName(settings.taxRate, settings.reducedTaxRate); }

void TapeRecorder::BeforeKey(const Engine& engine) {
  errorBefore_ = engine.State().error;
  pendingBefore_ = engine.State().pending;
  completedBefore_ = engine.CompletedCount();
}

std::vector<std::string> TapeRecorder::AfterKey(int keyCode, const Engine& engine, const EngineSettings& settings) {
  const EngineState& state = engine.State();
  const bool newError = !errorBefore_ && state.error;
  if (engine.CompletedCount() != completedBefore_) {
    std::vector<std::string> lines = engine.CompletedCalculation();
    // A result too large for the display ends the calculation with the error mark.
    if (newError || IsOverflow(state.answer)) lines.push_back(kErrorLine);
    return lines;
  }
  std::vector<std::string> lines;
  if (errorBefore_) return lines;
  if (newError) {
    lines = TapeLines(state.tapeInProgress, pendingBefore_);
    lines.push_back(kErrorLine);
    return lines;
  }
  if (OperatorOfKey(keyCode) != Operator::None && state.pending == Operator::None && IsOverflow(state.answer)) {
    lines = TapeLines(state.tapeInProgress);  // a chain overflowed
    lines.push_back(kErrorLine);
    return lines;
  }
  switch (keyCode) {
    case kKeyZeikomi:
    case kKeyZeinuki:
      if (IsTaxState(state.opState)) {
        lines.push_back(RateText(settings) + kRateMark);
        lines.push_back(FigureLine(state.display, TaxResultMark(state.opState)));
      }
      break;
    case kKeyGT:
      if (state.opState == OpState::GrandTotalRecalled) lines.push_back(FigureLine(state.display, kGrandTotalMark));
      break;
    case kKeyMR:
      if (state.opState == OpState::MemoryRecalled) lines.push_back(FigureLine(state.display, kMemoryRecallMark));
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
