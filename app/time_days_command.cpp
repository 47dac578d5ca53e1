// The main window's side of the time and day counts: the window of Mb_TimeDays and the
// selectors its figures are rounded with.
#include "main_window.h"
#include "settings.h"
#include "time_days_window.h"

void TfrmMain::ToggleTimeDaysWindow() {
  if (CloseSideWindow(TfrmTimeDays::kId)) return;
  QWidget* window = SideWindow(TfrmTimeDays::kId, 1, [this] { return new TfrmTimeDays(*this, *this, this); });
  window->show();
  window->activateWindow();
  window->raise();
}

timecalc::Rounding TfrmMain::CurrentRounding() {
  const kelvo::SettingValues& values = kelvo::Settings();
  return {values.roundSelector, values.decimalSelector};
}
