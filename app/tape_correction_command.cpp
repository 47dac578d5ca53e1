// The main window's side of corrections and notes on the paper tape: a calculation recomputed on
// a calculator of its own and appended as a correction, and note records appended for the tape
// window.
#include "main_window.h"
#include "tape_format.h"
#include "tape_records.h"
#include "tape_replay.h"

tape::Correctable TfrmMain::CheckCorrection(const std::vector<std::string>& lines) { return kelvo::CheckReplay(lines); }

tape::CorrectionOutcome TfrmMain::Correct(const tape::CorrectionRequest& request) {
  tape::CorrectionOutcome outcome;
  if (!tapeWriter_.RecordingOn()) {
    outcome.why = "テープの記録が止まっている（[Tape] Recording=0）ため、訂正を記録できません。";
    return outcome;
  }
  // A calculation recorded with its settings is recomputed with them; one recorded before
  // settings were, with those in force now.
  outcome.settingsNow = !request.settings;
  const kelvo::EngineSettings settings =
      request.settings ? kelvo::WithRecorded(display_.Settings(), *request.settings) : display_.Settings();
  kelvo::Replayed replayed = kelvo::Replay(request.lines, settings, request.line, request.figure, request.settings.has_value());
  if (replayed.lines.empty()) {
    outcome.why = replayed.why;
    return outcome;
  }
  outcome.result = std::string(tape::Split(replayed.lines.back()).figure);
  std::vector<std::string> lines{tape::CorrectionLine(request.stamp)};
  lines.insert(lines.end(), replayed.lines.begin(), replayed.lines.end());
  switch (RecordBlock(lines, tape::FormatTrailer({kelvo::RecordedSettings(settings), request.back}))) {
    case kelvo::TapeRecordResult::Recorded:
      outcome.recorded = true;
      break;
    case kelvo::TapeRecordResult::RecordingOff:
    case kelvo::TapeRecordResult::NotWritten:
      outcome.why = "訂正をテープに保存できませんでした。";
      break;
  }
  return outcome;
}

tape::RecordOutcome TfrmMain::AppendTapeRecord(const std::string& record) {
  if (record.empty()) return {};
  const bool written = tapeWriter_.AppendRecord(record);
  return {written, written && tapeWriter_.LastRecordTrimmed()};
}
