// The engine's display hooks that the main window answers itself: the focus, the register labels
// and the settings a calculation reads.
#include <QLabel>

#include "accessible_face.h"
#include "check_tape.h"
#include "main_window.h"
#include "settings.h"

void MainDisplay::ReturnFocus() {
  window_.ReturnFocus();
  // Every key ends here: the read-aloud says what the mode asks for, the screen reader the rest.
  kelvo::AnnounceDisplay(window_.widgets_.numberStrip, /*saidAloud=*/window_.SayKey());
}

void MainDisplay::ShowRegisters(const std::string& input, const std::string& answer) {
  const QString in = QString::fromStdString(input), ans = QString::fromStdString(answer);
  if (window_.labIpt_->text() != in) window_.labIpt_->setText(in);
  if (window_.labAns_->text() != ans) window_.labAns_->setText(ans);
}

kelvo::EngineSettings MainDisplay::Settings() const {
  const kelvo::SettingValues& values = kelvo::Settings();
  kelvo::EngineSettings s;
  s.roundSelector = values.roundSelector;
  s.decimalSelector = values.decimalSelector;
  s.percentType = values.percentType;
  s.taxRate = kelvo::ActiveTaxRate();
  s.reducedTaxRate = values.reducedTaxRateOn;
  s.grandTotalOn = values.grandTotal;
  s.answerCheckOn = values.answerCheck;
  s.checkTapeOpen = window_.OpenSideWindow(TfrmKenzan::kId) != nullptr;
  return s;
}
