// The main window's commands that open and close its side windows and dialogs, and the display
// hooks through which the engine keeps the check tape and the enlarged panel up to date.
#include <QAction>
#include <QLabel>
#include <QLineEdit>

#include "about_box.h"
#include "big_panel.h"
#include "check_tape.h"
#include "desktop_look.h"
#include "key_settings_dialog.h"
#include "main_window.h"
#include "tax_rate_dialog.h"

namespace {

// The open side window of an identifier as its own class, or null.
template <typename Window>
Window* OpenSideWindow(const QHash<char, QPointer<QWidget>>& windows) {
  return qobject_cast<Window*>(windows.value(Window::kId).data());
}

// A side window opened without taking the activation: the keyboard stays with the main window,
// which is therefore the most recently activated window again, and F12 there closes the new
// side window first.
void KeepKeyboard(TfrmMain& window) {
  window.ReturnFocus();
  window.SideWindowActivated('0');
}

}  // namespace

void MainDisplay::MirrorToEnlargedPanel() { window_.MirrorToEnlargedPanel(); }
void MainDisplay::ToggleCheckTape() { window_.ToggleCheckTape(); }
void MainDisplay::RefreshCheckTape() { window_.ShowCheckTape(); }

void TfrmMain::ConnectSideWindowCommands() {
  // Qt flips a checkable item before it reports the choice; the command sets the check marks
  // itself, as its window opens or closes.
  auto toggle = [this](const char* item, void (TfrmMain::*command)()) {
    QAction* action = menus_[item];
    connect(action, &QAction::triggered, this, [this, action, command](bool checked) {
      action->setChecked(!checked);
      (this->*command)();
    });
  };
  toggle("Mb_Kenzan", &TfrmMain::ToggleCheckTape);
  toggle("Mb_KeySetOn", &TfrmMain::ToggleKeySettings);
  toggle("Mb_BigPanelOn", &TfrmMain::ToggleBigPanel);
  toggle("MigiKuriPop_BigPanelOn", &TfrmMain::ToggleBigPanel);
  connect(menus_["Mb_Zeiritu"], &QAction::triggered, this, &TfrmMain::OpenTaxRateDialog);
  connect(menus_["Mb_Ver"], &QAction::triggered, this, &TfrmMain::OpenAboutBox);
}

void TfrmMain::ToggleCheckTape() {
  if (TfrmKenzan* tape = OpenSideWindow<TfrmKenzan>(sideWindows_)) {
    tape->close();
    return;
  }
  ShowCheckTape();
}

void TfrmMain::ShowCheckTape() {
  TfrmKenzan* tape = OpenSideWindow<TfrmKenzan>(sideWindows_);
  if (tape == nullptr) {
    tape = new TfrmKenzan(*this, this);
    AttachSideWindow(TfrmKenzan::kId, tape);
    PlaceWindow(tape, 1);
  }
  // The window opens without taking the keyboard, so the key that opened it comes up here and
  // is drawn released.
  tape->ShowTapes(QString::fromStdString(engine_.State().tapePrevious),
                  QString::fromStdString(engine_.State().tapeCurrent));
  KeepKeyboard(*this);
}

void TfrmMain::ToggleBigPanel() {
  if (TfrmBigPanel* open = OpenSideWindow<TfrmBigPanel>(sideWindows_)) {
    open->close();
    ReturnFocus();
    return;
  }
  auto* panel = new TfrmBigPanel(*this, this);
  AttachSideWindow(TfrmBigPanel::kId, panel);
  // The renderer never keeps a panel that is gone (a new one may be open by then). The renderer
  // is the context: when the main window goes, it goes before the panel, and this never runs.
  connect(panel, &QObject::destroyed, &renderer_,
          [this] { renderer_.SetEnlargedPanel(OpenSideWindow<TfrmBigPanel>(sideWindows_)); });
  PlaceWindow(panel, 0);
  MirrorToEnlargedPanel();
  panel->show();
  panel->SetFrontPanel(renderer_.PanelComposite());
  KeepKeyboard(*this);
}

void TfrmMain::MirrorToEnlargedPanel() {
  TfrmBigPanel* panel = OpenSideWindow<TfrmBigPanel>(sideWindows_);
  renderer_.SetEnlargedPanel(panel);
  if (panel == nullptr) return;
  renderer_.MirrorToEnlargedPanel();
  panel->ShowTexts(labAns_->text(), labIpt_->text(), labRs_->text(), labDc_->text());
}

void TfrmMain::ToggleKeySettings() {
  if (TfrmKeySet* open = OpenSideWindow<TfrmKeySet>(sideWindows_)) {
    open->close();
  } else {
    auto* dialog = new TfrmKeySet(*this, this);
    AttachSideWindow(TfrmKeySet::kId, dialog);
    PlaceWindow(dialog, 1);
    dialog->show();
  }
  KeepKeyboard(*this);
}

void TfrmMain::OpenTaxRateDialog() {
  TfrmZeiritu dialog(*this, this);
  FitToDesktopFont(&dialog);
  PlaceWindow(&dialog, 3);
  renderer_.DrawAllButtonsUp();
  dialog.exec();
  ShowTaxRate();
}

void TfrmMain::OpenAboutBox() {
  const auto* version = findChild<QLineEdit*>(QStringLiteral("AppVer"));
  TfrmVer dialog(version->text(), QStringLiteral(KELVO_HOME_PAGE), this);
  FitToDesktopFont(&dialog);
  PlaceWindow(&dialog, 3);
  renderer_.DrawAllButtonsUp();
  dialog.exec();
}
