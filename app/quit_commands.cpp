// How the main window ends: F12 and the Quit command, closing into tray residency, and the
// shutdown steps after the message loop.
#include <QApplication>
#include <QCloseEvent>

#include "download_abort.h"
#include "instance_channel.h"
#include "main_window.h"
#include "settings.h"
#include "shell_paths.h"
#include "shutdown.h"
#include "side_windows.h"
#include "window_system.h"

using kelvo::MenuCheck;

void TfrmMain::CloseTopWindow() {
  // F12 closes the side windows from the most recently activated one backwards, then asks to quit.
  const std::string& list = kelvo::SideWindowList();
  if (!list.empty()) {
    if (QWidget* top = WindowOf(list.back()); top != this) {
      top->close();  // its close handling takes it off the list
      return;
    }
    if (list.size() > 1) {
      // The main window is last: close the side window before it; "0" stays last.
      if (QWidget* side = WindowOf(list[list.size() - 2]); side != this) side->close();
      return;
    }
  }
  if (!primary_) {
    close();
    return;
  }
  renderer_.DrawAllButtonsUp();
  if (askToQuit(this)) close();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  if (forcedQuit_) SetChecked(MenuCheck::TaskBarIn, false);
  if (IsChecked(MenuCheck::TaskBarIn)) {
    // Stay resident in the tray; without a tray, nothing could bring hidden windows back, so the
    // window is only minimised.
    if (trayAvailable())
      ShowAllWindows(false);
    else
      showMinimized();
    event->ignore();
    return;
  }
  event->accept();
  kelvo::RequestDownloadAbort();
  qApp->quit();
}

void TfrmMain::QuitRequested() {
  SetChecked(MenuCheck::TaskBarIn, false);
  close();
}

void TfrmMain::ShowRequested() {
  if (isVisible()) return;  // only a primary hidden in the tray answers
  showNormal();
  ShowAllWindows(true);
}

void TfrmMain::Shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  kelvo::RequestDownloadAbort();
  if (!primary_) {
    kelvo::DeleteChildInstanceFile();
    return;
  }
  TrayIcon(false);
  const QPoint position = frameGeometry().topLeft();
  using LeftTop = std::pair<std::int32_t, std::int32_t>;
  Report(kelvo::WriteExitSettings(window_system::PlacesWindows() ? std::optional(LeftTop(position.x(), position.y()))
                                                                 : std::nullopt));
  shutdown_tasks::CleanUpScratchFiles(/*keepUpdateExe=*/installerStarted_);
  shutdown_tasks::CloseChildInstances([](const std::string& baseName) {
    return InstanceChannel::SendToChild(QString::fromStdString(baseName), InstanceChannel::kCloseMessage);
  });
}
