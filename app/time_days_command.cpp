// The main window's side of the time and day counts: the window of Mb_TimeDays and the
// selectors its figures are rounded with.
#include <QAction>

#include "main_window.h"
#include "settings.h"
#include "time_days_window.h"

void TfrmMain::ConnectTimeDaysCommands() {
  QAction* action = menus_["Mb_TimeDays"];
  connect(action, &QAction::triggered, this, [this, action](bool checked) {
    action->setChecked(!checked);  // the window sets the mark as it opens or closes
    ToggleTimeDaysWindow();
  });
}

void TfrmMain::ToggleTimeDaysWindow() {
  if (QWidget* open = sideWindows_.value(TfrmTimeDays::kId).data()) {
    open->close();
    return;
  }
  auto* window = new TfrmTimeDays(*this, *this, this);
  AttachSideWindow(TfrmTimeDays::kId, window);
  PlaceWindow(window, 1);
  window->show();
  window->activateWindow();
  window->raise();
}

timecalc::Rounding TfrmMain::CurrentRounding() {
  const kelvo::SettingValues& values = kelvo::Settings();
  return {values.roundSelector, values.decimalSelector};
}
