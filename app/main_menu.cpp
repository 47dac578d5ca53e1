#include "main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

using main_menu::Kind;
using main_menu::Menu;
using main_menu::kRows;

QMenu* MakeMenu(QWidget* parent, const char* name, const char* caption) {
  auto* menu = new QMenu(QString::fromUtf8(caption), parent);
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

QMenu* MenuOf(const MainMenus& menus, Menu menu) {
  switch (menu) {
    case Menu::File: return menus.file;
    case Menu::Option: return menus.option;
    case Menu::Support: return menus.support;
    case Menu::MigiKuriPop: return menus.migiKuriPop;
    case Menu::RsPop: return menus.rsPop;
    case Menu::SsPop: return menus.ssPop;
    case Menu::TaskBarPop: return menus.taskBarPop;
  }
  return nullptr;
}

void AddItems(MainMenus& menus) {
  QMenu* submenu = nullptr;
  for (std::size_t row = 0; row < main_menu::kRowCount; ++row) {
    const main_menu::Row& item = kRows[row];
    QMenu* target = submenu != nullptr ? submenu : MenuOf(menus, item.menu);
    switch (item.kind) {
      case Kind::Separator:
        target->addSeparator();
        continue;
      case Kind::EndSubmenu:
        submenu = nullptr;
        continue;
      case Kind::Submenu:
        submenu = target->addMenu(QString::fromUtf8(item.caption));
        submenu->setObjectName(QString::fromLatin1(item.name));
        submenu->menuAction()->setObjectName(QString::fromLatin1(item.name));
        menus.actions[row] = submenu->menuAction();
        continue;
      default:
        break;
    }
    QAction* action = target->addAction(QString::fromUtf8(item.caption));
    action->setObjectName(QString::fromLatin1(item.name));
    // Hidden items are selector items too: they carry a check mark nobody sees.
    action->setCheckable(item.kind == Kind::Checkable || item.kind == Kind::Hidden);
    action->setVisible(item.kind != Kind::Hidden);
    action->setData(item.tag);
    menus.actions[row] = action;
  }
}

}  // namespace

QAction* MainMenus::Named(std::string_view name) const {
  for (std::size_t row = 0; row < main_menu::kRowCount; ++row)
    if (kRows[row].name != nullptr && name == kRows[row].name) return actions[row];
  return nullptr;
}

MainMenus BuildMainMenus(QMenuBar* bar, QObject* owner) {
  MainMenus menus;
  menus.file = MakeMenu(bar, "Mb_File", "&File ");
  menus.option = MakeMenu(bar, "Mb_Option", "&Opt ");
  menus.support = MakeMenu(bar, "Mb_Sp", "&Spt ");
  for (QMenu* menu : {menus.file, menus.option, menus.support}) bar->addMenu(menu);

  auto* parent = qobject_cast<QWidget*>(owner);
  menus.migiKuriPop = MakeMenu(parent, "MigiKuriPop", "");
  menus.rsPop = MakeMenu(parent, "RsPop", "");
  menus.ssPop = MakeMenu(parent, "SsPop", "");
  menus.taskBarPop = MakeMenu(parent, "TaskBarPop", "");
  AddItems(menus);
  return menus;
}
