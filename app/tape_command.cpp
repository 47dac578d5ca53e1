// The main window's side of the paper tape: recording what each key completes, and figures
// entered from the tape window.
#include "main_window.h"
#include "paste_number.h"
#include "tape_window.h"

void MainDisplay::CalculationCompleted() { window_.tapeRecorder_.CalculationCompleted(); }

void TfrmMain::ConnectTapeCommands() {
  tapeWriter_.onFailure = [this](const std::string& message) { showError(this, QString::fromStdString(message)); };
}

void TfrmMain::RecordKey(int keyCode) {
  const std::vector<std::string> lines = tapeRecorder_.AfterKey(keyCode, engine_.State(), display_.Settings());
  if (!lines.empty()) RecordCalculation(lines);
}

kelvo::TapeRecordResult TfrmMain::RecordCalculation(const std::vector<std::string>& lines) {
  const std::string block = tapeWriter_.Record(lines);
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
    engine_.ReleaseKey(code);
  }
}
