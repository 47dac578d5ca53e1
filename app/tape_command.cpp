// The main window's side of the paper tape: recording what each key completes, the tape window
// of Mb_Tape and MigiKuriPop_Tape, and figures entered from it.
#include <QAction>

#include "main_window.h"
#include "paste_number.h"
#include "tape_window.h"

void MainDisplay::CalculationCompleted() { window_.tapeRecorder_.CalculationCompleted(); }

void TfrmMain::ConnectTapeCommands() {
  for (const char* item : {"Mb_Tape", "MigiKuriPop_Tape"}) {
    QAction* action = menus_[item];
    connect(action, &QAction::triggered, this, [this, action](bool checked) {
      action->setChecked(!checked);  // the window sets the marks as it opens or closes
      ToggleTapeWindow();
    });
  }
  tapeWriter_.onFailure = [this](const std::string& message) { showError(this, QString::fromStdString(message)); };
}

void TfrmMain::RecordKey(int keyCode) {
  const std::vector<std::string> lines = tapeRecorder_.AfterKey(keyCode, engine_.State(), display_.Settings());
  if (!lines.empty()) RecordCalculation(lines);
}

bool TfrmMain::RecordCalculation(const std::vector<std::string>& lines) {
  const std::string block = tapeWriter_.Record(lines);
  if (block.empty()) return false;
  if (auto* window = qobject_cast<TfrmTape*>(sideWindows_.value(TfrmTape::kId).data())) window->AddBlock(block);
  return true;
}

void TfrmMain::ToggleTapeWindow() {
  if (QWidget* open = sideWindows_.value(TfrmTape::kId).data()) {
    open->close();
    return;
  }
  auto* window = new TfrmTape(*this, *this, this);
  AttachSideWindow(TfrmTape::kId, window);
  if (!readAloud_.Reachable()) window->ShowReadAloudMissing(QString::fromStdString(readAloud_.Missing()));
  PlaceWindow(window, 1);
  window->show();
  window->Reload();
  window->activateWindow();
  window->raise();
}

std::string TfrmMain::TapeFilePath() { return tapeWriter_.Path(); }

bool TfrmMain::ClearTape() { return tapeWriter_.Clear(); }

void TfrmMain::EnterFigure(const QString& figure) {
  for (const int code : paste_number::KeysFor(figure.toStdU32String())) {
    PressKey(code);
    engine_.ReleaseKey(code);
  }
}
