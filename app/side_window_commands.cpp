// The main window's commands that open and close its side windows and dialogs, and the display
// hooks through which the engine keeps the check tape and the enlarged panel up to date. A side
// window is found, made and closed only through SideWindow and CloseSideWindow
// (side_window_host.cpp); its menu items are the rows of the menu table that name its identifier.
#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>

#include "about_box.h"
#include "big_panel.h"
#include "check_tape.h"
#include "desktop_look.h"
#include "key_settings_dialog.h"
#include "main_window.h"
#include "skin_chooser.h"
#include "skin_chooser_command.h"
#include "sushiki_window.h"
#include "tape_window.h"
#include "tax_rate_dialog.h"
#include "time_days_window.h"
#include "invoice_window.h"
#include "version.h"

namespace {

// Where PlaceWindow puts a side window.
constexpr int kTopLeftOfWorkArea = 0;
constexpr int kBesideMainWindow = 1;
constexpr int kBelowCaption = 2;
constexpr int kCascaded = 3;

// A side window opened without taking the activation: the keyboard stays with the main window,
// which is therefore the most recently activated window again, and F12 there closes the new
// side window first.
void KeepKeyboard(TfrmMain& window) {
  window.ReturnFocus();
  window.SideWindowActivated('0');
}

// A side window chosen from a menu takes the keyboard (and a screen reader announces it by its
// caption); opened by a calculator key while typing, it leaves the keyboard where it is.
void Activate(QWidget* side, TfrmMain& window, bool fromMenu) {
  if (!fromMenu) {
    KeepKeyboard(window);
    return;
  }
  side->activateWindow();
  side->raise();
}

}  // namespace

void MainDisplay::MirrorToEnlargedPanel() { window_.MirrorToEnlargedPanel(); }
void MainDisplay::ToggleCheckTape() { window_.ToggleCheckTape(); }
void MainDisplay::RefreshCheckTape() { window_.ShowCheckTape(); }

void TfrmMain::ConnectSideWindowCommands() {
  // Qt flips a checkable item before it reports the choice; afterwards the ticks show again
  // whether the window is open.
  for (std::size_t row = 0; row < main_menu::kRowCount; ++row) {
    const char id = main_menu::kRows[row].window;
    if (id == 0) continue;
    connect(menus_.actions[row], &QAction::triggered, this, [this, id] {
      ToggleSideWindow(id);
      TickSideWindowItems(id);
    });
  }
  connect(Action("Mb_Zeiritu"), &QAction::triggered, this, &TfrmMain::OpenTaxRateDialog);
  connect(Action("Mb_Ver"), &QAction::triggered, this, &TfrmMain::OpenAboutBox);
}

void TfrmMain::ToggleSideWindow(char id) {
  switch (id) {
    case TfrmKenzan::kId: ToggleCheckTape(); break;
    case TfrmKeySet::kId: ToggleKeySettings(/*fromMenu=*/true); break;
    case TfrmBigPanel::kId: ToggleBigPanel(/*fromMenu=*/true); break;
    case TfrmSushiki::kWindowId: ToggleFormula(); break;
    case kelvo::TfrmSkinCh::kWindowId: ToggleSkinChooser(); break;
    case TfrmTape::kId: ToggleTapeWindow(); break;
    case TfrmTimeDays::kId: ToggleTimeDaysWindow(); break;
    case TfrmInvoice::kId: ToggleInvoiceWindow(); break;
    default: break;
  }
}

void TfrmMain::ToggleCheckTape() {
  if (!CloseSideWindow(TfrmKenzan::kId)) ShowCheckTape();
}

void TfrmMain::ShowCheckTape() {
  auto* tape = static_cast<TfrmKenzan*>(
      SideWindow(TfrmKenzan::kId, kBesideMainWindow, [this] { return new TfrmKenzan(*this, this); }));
  // The window opens without taking the keyboard, so the key that opened it comes up here and
  // is drawn released.
  tape->ShowTapes(QString::fromStdString(engine_.State().tapePrevious),
                  QString::fromStdString(engine_.State().tapeCurrent));
  KeepKeyboard(*this);
}

void TfrmMain::ToggleBigPanel(bool fromMenu) {
  if (CloseSideWindow(TfrmBigPanel::kId)) {
    ReturnFocus();
    return;
  }
  auto* panel = static_cast<TfrmBigPanel*>(
      SideWindow(TfrmBigPanel::kId, kTopLeftOfWorkArea, [this] { return new TfrmBigPanel(*this, this); }));
  // The renderer never keeps a panel that is gone (a new one may be open by then). The renderer
  // is the context: when the main window goes, it goes before the panel, and this never runs.
  connect(panel, &QObject::destroyed, &renderer_,
          [this] { renderer_.SetEnlargedPanel(OpenSideWindow<TfrmBigPanel>(TfrmBigPanel::kId)); });
  MirrorToEnlargedPanel();
  panel->show();
  panel->SetFrontPanel(renderer_.PanelComposite());
  Activate(panel, *this, fromMenu);
}

void TfrmMain::MirrorToEnlargedPanel() {
  auto* panel = OpenSideWindow<TfrmBigPanel>(TfrmBigPanel::kId);
  renderer_.SetEnlargedPanel(panel);
  if (panel == nullptr) return;
  renderer_.MirrorToEnlargedPanel();
  panel->ShowTexts(labAns_->text(), labIpt_->text(), labRs_->text(), labDc_->text());
}

void TfrmMain::ToggleKeySettings(bool fromMenu) {
  if (CloseSideWindow(TfrmKeySet::kId)) {
    KeepKeyboard(*this);
    return;
  }
  QWidget* dialog = SideWindow(TfrmKeySet::kId, kBesideMainWindow, [this] { return new TfrmKeySet(*this, this); });
  dialog->show();
  Activate(dialog, *this, fromMenu);
}

void TfrmMain::ToggleFormula() {
  if (CloseSideWindow(TfrmSushiki::kWindowId)) return;
  const kelvo::FormulaFiles files = kelvo::FormulaFiles::Current();
  TfrmSushiki::InitAnswerFile(files);
  auto* window = static_cast<TfrmSushiki*>(SideWindow(TfrmSushiki::kWindowId, kBelowCaption,
                                                      [this, &files] { return new TfrmSushiki(this, files); }));
  window->show();
  window->activateWindow();
  window->txtCalc->setFocus();
}

void TfrmMain::ToggleTapeWindow() {
  if (CloseSideWindow(TfrmTape::kId)) return;
  auto* window = static_cast<TfrmTape*>(
      SideWindow(TfrmTape::kId, kBesideMainWindow, [this] { return new TfrmTape(*this, *this, this); }));
  if (!readAloud_.Reachable()) window->ShowReadAloudMissing(QString::fromStdString(readAloud_.Missing()));
  window->show();
  window->Reload();
  window->activateWindow();
  window->raise();
}

void TfrmMain::ToggleSkinChooser() {
  if (CloseSideWindow(kelvo::TfrmSkinCh::kWindowId)) return;
  SideWindow(kelvo::TfrmSkinCh::kWindowId, kBesideMainWindow, [this] { return MakeSkinChooser(*this); })->show();
}

void TfrmMain::OpenTaxRateDialog() {
  TfrmZeiritu dialog(*this, this);
  FitToDesktopFont(&dialog);
  PlaceWindow(&dialog, kCascaded);
  renderer_.DrawAllButtonsUp();
  dialog.exec();
  ShowTaxRate();
}

void TfrmMain::OpenAboutBox() {
  TfrmVer dialog(QString::fromLatin1(kVersionText), QStringLiteral(KELVO_HOME_PAGE), this);
  FitToDesktopFont(&dialog);
  PlaceWindow(&dialog, kCascaded);
  renderer_.DrawAllButtonsUp();
  dialog.exec();
}
