// The main window's side of the paper tape: recording what each key completes, the tape window
// of Mb_Tape and MigiKuriPop_Tape, and figures entered from it.
#include <QAction>

#include "main_window.h"
#include "paste_number.h"
#include "tape_window.h"

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
    calculator_.ReleaseKey(code);
  }
}
