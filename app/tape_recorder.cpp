#include "tape_recorder.h"

#include "engine.h"
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

// Splits a tape text at its CR LF line ends; a last line without one is a figure whose
// operator was not pressed yet, so it gets the mark of the operator pending.
void AppendTapeLines(const std::string& tape, int pendingOperator, std::vector<std::string>& lines) {
  std::size_t at = 0;
  while (at < tape.size()) {
    const std::size_t end = tape.find("\r\n", at);
    if (end == std::string::npos) {
      lines.push_back(tape.substr(at) + TapeMark(pendingOperator));
      break;
    }
    if (end > at) lines.push_back(tape.substr(at, end - at));
    at = end + 2;
  }
}

std::string FigureLine(const std::string& value, const std::string& mark) { return GroupDigits(value) + mark; }

const char* TaxResultMark(int opState) {
  switch (opState) {
    case kTaxWithShown: return kWithTaxMark;
    case kTaxWithoutShown: return kWithoutTaxMark;
    default: return kTaxMark;
  }
}

}  // namespace

std::string RateText(const EngineSettings& settings) { return TaxRateName(settings.taxRate, settings.reducedTaxRate); }

void TapeRecorder::BeforeKey(const EngineState& state) {
  errorBefore_ = state.error;
  pendingBefore_ = state.pending;
  completed_ = false;
}

std::vector<std::string> TapeRecorder::AfterKey(int keyCode, const EngineState& state, const EngineSettings& settings) {
  std::vector<std::string> lines;
  const bool newError = !errorBefore_ && state.error;
  if (completed_) {
    AppendTapeLines(state.tapeCurrent, 0, lines);
    // A result too large for the display ends the calculation with the error mark.
    if (newError || IsOverflow(state.answer)) lines.push_back(kErrorLine);
    return lines;
  }
  if (errorBefore_) return lines;
  if (newError) {
    AppendTapeLines(state.tapeInProgress, pendingBefore_, lines);
    lines.push_back(kErrorLine);
    return lines;
  }
  const bool operatorKey = keyCode >= kKeyPlus && keyCode <= kKeyDivide;
  if (operatorKey && state.pending == 0 && IsOverflow(state.answer)) {  // a chain overflowed
    AppendTapeLines(state.tapeInProgress, 0, lines);
    lines.push_back(kErrorLine);
    return lines;
  }
  switch (keyCode) {
    case kKeyZeikomi:
    case kKeyZeinuki:
      if (state.opState >= kTaxWithShown && state.opState <= kTaxAfterWithoutShown) {
        lines.push_back(RateText(settings) + kRateMark);
        lines.push_back(FigureLine(state.display, TaxResultMark(state.opState)));
      }
      break;
    case kKeyGT:
      if (state.opState == 20) lines.push_back(FigureLine(state.display, kGrandTotalMark));
      break;
    case kKeyMR:
      if (state.opState == 4) lines.push_back(FigureLine(state.display, kMemoryRecallMark));
      break;
    case kKeyMPlus:
    case kKeyMMinus:
      if (state.opState == keyCode) lines.push_back(FigureLine(state.display, TapeMark(keyCode)));
      break;
    default:
      break;
  }
  return lines;
}

}  // namespace kelvo
