// The main window's side of the paper tape: recording what each key completes, and figures
// entered from the tape window.
#include "main_window.h"
#include "paste_number.h"
#include "tape_records.h"
#include "tape_replay.h"
#include "tape_window.h"

void TfrmMain::ConnectTapeCommands() {
  tapeWriter_.onFailure = [this](const std::string& message) { showError(this, QString::fromStdString(message)); };
}

kelvo::TapeRecordResult TfrmMain::RecordCalculation(const std::vector<std::string>& lines) { return RecordBlock(lines, {}); }

kelvo::TapeRecordResult TfrmMain::RecordBlock(const std::vector<std::string>& lines, std::string_view trailer) {
  const std::string block = tapeWriter_.Record(lines, trailer);
  if (block.empty())
    return tapeWriter_.RecordingOn() ? kelvo::TapeRecordResult::NotWritten : kelvo::TapeRecordResult::RecordingOff;
  if (auto* window = OpenSideWindow<TfrmTape>(TfrmTape::kId)) window->AddBlock(block, tapeWriter_.LastRecordTrimmed());
  return kelvo::TapeRecordResult::Recorded;
}

std::string TfrmMain::TapeFilePath() { return tapeWriter_.Path(); }

bool TfrmMain::ClearTape() { return tapeWriter_.Clear(); }

void TfrmMain::EnterFigure(const QString& figure) {
  for (const int code : paste_number::KeysFor(figure.toStdU32String())) {
    PressKey(code);
    calculator_.ReleaseKey(code);
  }
}
