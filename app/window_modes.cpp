// The main window's view modes: mini size, button display, tray residency, and showing or
// hiding every open window.
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QMenu>
#include <QWindow>
#include <QSystemTrayIcon>

#include "app_icon.h"
#include "layout.h"
#include "main_window.h"
#include "placement.h"
#include "settings.h"
#include "side_windows.h"
#include "window_system.h"

using kelvo::MenuCheck;

void TfrmMain::FitWindow() {
  const bool mini = IsChecked(MenuCheck::KeyPanelOn);
  const int height = mini ? kelvo::kMiniClientHeight : kelvo::kClientHeight;
  // Keys cut off by the mini size are hidden too: out of the Tab order and the screen reader's view.
  widgets_.ShowKeys(IsChecked(MenuCheck::KeyButtonOn) && !mini);
  // The client area below the menu bar is exactly 272 wide and 400 (or 116) high; the window
  // is as large as that and its menu bar, and the user cannot resize it.
  centralWidget()->setFixedSize(kelvo::kClientWidth, height);
  QMenuBar* bar = menuBar();
  bar->ensurePolished();
  setFixedSize(kelvo::kClientWidth, height + bar->heightForWidth(kelvo::kClientWidth));
}

void TfrmMain::ToggleMiniSize() {
  Report(kelvo::ToggleMenuSetting(*this, MenuCheck::KeyPanelOn));
  FitWindow();
}

void TfrmMain::ToggleButtonDisplay() {
  Report(kelvo::ToggleMenuSetting(*this, MenuCheck::KeyButtonOn));
  widgets_.ShowKeys(IsChecked(MenuCheck::KeyButtonOn) && !IsChecked(MenuCheck::KeyPanelOn));
}

void TfrmMain::ToggleTaskBarIn() {
  // Switching residency on adds the icon; nothing is hidden until the window is closed.
  Report(kelvo::ToggleMenuSetting(*this, MenuCheck::TaskBarIn));
  TrayIcon(IsChecked(MenuCheck::TaskBarIn));
}

void TfrmMain::ExplainResidencyWithoutTray() {
  const bool tray = trayAvailable();
  const QString tip = tray ? QString() : QStringLiteral("通知領域がないため、閉じる・最小化ではウィンドウを最小化します。");
  for (QAction* item : {Action("Mb_TaskBarIn"), Action("MigiKuriPop_TaskBarIn")}) item->setToolTip(tip);
  menus_.file->setToolTipsVisible(!tray || !window_system::KeepsOnTop());  // and the always-on-top tip
  menus_.migiKuriPop->setToolTipsVisible(!tray);
}

void TfrmMain::EndResidency() {
  TrayIcon(false);
  SetChecked(MenuCheck::TaskBarIn, false);
  showNormal();
  ShowAllWindows(true);
  Report(kelvo::SaveMenuSetting(*this, MenuCheck::TaskBarIn));
}

void TfrmMain::TrayIcon(bool add) {
  if (!add) {
    if (tray_ != nullptr) tray_->hide();
    return;
  }
  if (tray_ == nullptr) {
    // Made on first use, so that starting the program never waits for the tray.
    tray_ = new QSystemTrayIcon(KelvoIcon(), this);
    tray_->setToolTip(QStringLiteral("Kelvo"));
    tray_->setContextMenu(menus_.taskBarPop);
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
      if (reason != QSystemTrayIcon::Trigger) return;
      trayRestoring_ = true;
      showNormal();
      ShowAllWindows(true);
      trayRestoring_ = false;
      activateWindow();
      raise();
    });
  }
  tray_->show();
}

void TfrmMain::ShowAllWindows(bool show) {
  kelvo::ShowAllWindows(show, [this](char id, bool visible) {
    QWidget* window = WindowOf(id);
    if (visible && (window->windowState() & Qt::WindowMinimized))
      window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->setVisible(visible);
  });
}

bool TfrmMain::ComeBackRequested() {
  if (!isVisible()) {
    ShowRequested();
    return false;
  }
  if (!(windowState() & Qt::WindowMinimized) || !IsChecked(MenuCheck::TaskBarIn)) return false;
  showNormal();
  ShowAllWindows(true);
  activateWindow();
  raise();
  return true;
}
