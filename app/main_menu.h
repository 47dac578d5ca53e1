#pragma once

#include <QHash>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QObject;

// The main window's menus: the menu bar (File, Opt, Spt) and the popups MigiKuriPop (right
// button), RsPop and SsPop (the selector labels) and TaskBarPop (the tray icon). Every item is a
// QAction named as the program names it ("Mb_Cpy", "MigiKuriPop_Quit", "RsPop1" ...), so that
// handlers, tests and screen readers find it by name; the round and decimal items carry their
// tag as data.
struct MainMenus {
  QMenu* file = nullptr;
  QMenu* option = nullptr;
  QMenu* support = nullptr;
  QMenu* migiKuriPop = nullptr;
  QMenu* rsPop = nullptr;
  QMenu* ssPop = nullptr;
  QMenu* taskBarPop = nullptr;
  QHash<QString, QAction*> actions;

  // The item of that name; every name used by the program exists.
  QAction* operator[](const char* name) const;
};

// Builds the menu bar into bar and the popups as children of owner.
MainMenus BuildMainMenus(QMenuBar* bar, QObject* owner);
