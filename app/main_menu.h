#pragma once

#include <array>
#include <string_view>

#include "main_menu_items.h"

class QAction;
class QMenu;
class QMenuBar;
class QObject;

// The main window's menus: the menu bar (File, Opt, Spt) and the popups MigiKuriPop (right
// button), RsPop and SsPop (the selector labels) and TaskBarPop (the tray icon), built from the
// table of main_menu_items.h. Every item is a QAction named as the table names it; the selector
// items carry their value as data.
struct MainMenus {
  QMenu* file = nullptr;
  QMenu* option = nullptr;
  QMenu* support = nullptr;
  QMenu* migiKuriPop = nullptr;
  QMenu* rsPop = nullptr;
  QMenu* ssPop = nullptr;
  QMenu* taskBarPop = nullptr;
  std::array<QAction*, main_menu::kRowCount> actions{};  // by row; null for separators

  QAction* operator[](main_menu::MenuItem item) const { return actions[item.Row()]; }
  // The item of a name known only when the program runs (a test's table); null when none has it.
  QAction* Named(std::string_view name) const;
};

// Builds the menu bar into bar and the popups as children of owner.
MainMenus BuildMainMenus(QMenuBar* bar, QObject* owner);
