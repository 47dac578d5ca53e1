// The main window's command for the formula window (menu item Mb_SushikiOn and key slot 26).
#include <QPlainTextEdit>

#include "main_window.h"
#include "sushiki_window.h"

void TfrmMain::ToggleFormula() {
  QAction* item = menus_["Mb_SushikiOn"];
  if (QWidget* open = WindowOf(TfrmSushiki::kWindowId); open != this) {
    // Closing unticks the item (the window reports its closing).
    open->close();
    item->setChecked(sideWindows_.contains(TfrmSushiki::kWindowId));
    return;
  }
  const kelvo::FormulaFiles files = kelvo::FormulaFiles::Current();
  TfrmSushiki::InitAnswerFile(files);
  auto* window = new TfrmSushiki(this, files);
  AttachSideWindow(TfrmSushiki::kWindowId, window);  // ticks the item
  PlaceWindow(window, 2);
  window->show();
  window->activateWindow();
  window->txtCalc->setFocus();
}
