#include "main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

// One menu item: its name, caption and how it starts. A null name is a separator; a submenu
// holds the items up to the next EndSubmenu entry.
struct Item {
  const char* name;
  const char* caption;
  enum Kind { Plain, Checkable, Hidden, Separator, Submenu, EndSubmenu } kind = Plain;
  int tag = 0;
};

constexpr Item kFileItems[] = {
    {"Mb_Cpy", "クリップボードにコピー (&C)"},
    {"Mb_Paste", "貼り付け (&V)"},
    {nullptr, nullptr, Item::Separator},
    {"Mb_SushikiOn", "数式計算 (&N)", Item::Checkable},
    {"Mb_Kenzan", "検算フォーム (&Z)", Item::Checkable},
    {"Mb_Tape", "テープ (&T)", Item::Checkable},
    {"Mb_TimeDays", "時間・日数計算 (&H)", Item::Checkable},
    {nullptr, nullptr, Item::Separator},
    {"Mb_SkinChange", "スキンの変更 (&S)", Item::Checkable},
    {"Mb_SkinDownload", "スキンのダウンロード (&D)", Item::Hidden},
    {nullptr, nullptr, Item::Separator},
    {"Mb_KeySetOn", "キー設定 (&K)", Item::Checkable},
    {"Mb_BigPanelOn", "拡大パネル   (&P)", Item::Checkable},
    {"Mb_KeyPanelOn", "ミニサイズ表示  (&M)", Item::Checkable},
    {"Mb_KeyButtonOn", "ボタン表示    (&B)", Item::Checkable},
    {nullptr, nullptr, Item::Separator},
    {"Mb_FrontSideOn", "常に手前に表示 (&A)", Item::Checkable},
    {"Mb_StartUpEndOn", "終了時の位置を記憶 (&E)", Item::Checkable},
    {"Mb_TaskBarIn", "タスクバーに常駐 (&Z)", Item::Checkable},
    {nullptr, nullptr, Item::Separator},
    {"Mb_Quit", "終了 (&X)"},
};

constexpr Item kOptionItems[] = {
    {"Mb_Rs", "ラウンドセレクター　(&R)", Item::Submenu},
    {"Mb_RsF", "F    (&F)", Item::Checkable, 1},
    {"Mb_RsCUT", "Cut (&C)", Item::Checkable, 2},
    {"Mb_RsUP", "Up  (&U)", Item::Checkable, 3},
    {"Mb_Rs45", "5/4 (&5)", Item::Checkable, 4},
    {nullptr, nullptr, Item::EndSubmenu},
    {"Mb_Ss", "小数点セレクター　(&S)", Item::Submenu},
    {"Mb_SsF", "F", Item::Hidden, -9},
    {"Mb_Ss5", "5", Item::Checkable, 5},
    {"Mb_Ss4", "4 ", Item::Checkable, 4},
    {"Mb_Ss3", "3", Item::Checkable, 3},
    {"Mb_Ss2", "2 ", Item::Checkable, 2},
    {"Mb_Ss1", "1 ", Item::Checkable, 1},
    {"Mb_Ss0", "0 ", Item::Checkable, 0},
    {nullptr, nullptr, Item::EndSubmenu},
    {"Mb_Per", "パーセント計算　(&P)", Item::Submenu},
    {"Mb_PerSharp", "シャープ式：A×(100±B)％      (&S)", Item::Checkable, 1},
    {"Mb_PerCasio", "カシオ式  ：マークアップ売価計算 (&C)", Item::Checkable, 2},
    {nullptr, nullptr, Item::EndSubmenu},
    {nullptr, nullptr, Item::Separator},
    {"Mb_Zeiritu", "税率設定　(&Z)"},
    {"Mb_Keigen", "軽減税率で計算 (&L)", Item::Checkable},
    {nullptr, nullptr, Item::Separator},
    {"Mb_GrandTotal", "グランドトータル (&G)", Item::Checkable},
    {"Mb_AnswerCK", "アンサーチェック (&A)", Item::Checkable},
};

constexpr Item kSupportItems[] = {
    {"KelvoHelp", "Kelvo　ヘルプ (&H)"},
    {nullptr, nullptr, Item::Separator},
    {"Mb_Update", "バージョンアップの確認 (&U)"},
    {"Mb_AutoUpdate", "起動時、自動でバージョンアップの確認をする(&K)", Item::Checkable},
    {nullptr, nullptr, Item::Separator},
    {"MorvaneHp", "Morvane　ホームページへ (&P)"},
    {nullptr, nullptr, Item::Separator},
    {"Mb_Ver", "バージョン情報 (&A)"},
};

constexpr Item kMigiKuriItems[] = {
    {"MigiKuriPop_Cpy", "クリップボードへコピー(&C)"},
    {"MigiKuriPop_Paste", "貼り付け(&V)"},
    {nullptr, nullptr, Item::Separator},
    {"MigiKuriPop_BigPanelOn", "拡大パネルの表示(&K)", Item::Checkable},
    {"MigiKuriPop_Tape", "テープ(&P)", Item::Checkable},
    {"MigiKuriPop_KeyPanelOn", "ミニサイズ表示(&M)", Item::Checkable},
    {"MigiKuriPop_TaskBarIn", "タスクバーに常駐する(&T)", Item::Checkable},
    {nullptr, nullptr, Item::Separator},
    {"MigiKuriPop_Keigen", "軽減税率で計算 (&L)", Item::Checkable},
    {nullptr, nullptr, Item::Separator},
    {"MigiKuriPop_Quit", "終了(&X)"},
};

constexpr Item kRsItems[] = {
    {"RsPop1", "F    (&F)", Item::Checkable, 1},
    {"RsPop2", "Cut (&C)", Item::Checkable, 2},
    {"RsPop3", "Up  (&U)", Item::Checkable, 3},
    {"RsPop4", "5/4 (&5)", Item::Checkable, 4},
};

constexpr Item kSsItems[] = {
    {"SsPopF", "F", Item::Hidden, -9}, {"SsPop5", "5", Item::Checkable, 5}, {"SsPop4", "4", Item::Checkable, 4},
    {"SsPop3", "3", Item::Checkable, 3}, {"SsPop2", "2", Item::Checkable, 2}, {"SsPop1", "1", Item::Checkable, 1},
    {"SsPop0", "0", Item::Checkable, 0},
};

constexpr Item kTaskBarItems[] = {
    {"Pop_Task_ZyocyuOff", "常駐を解除する (&K)"},
    {nullptr, nullptr, Item::Separator},
    {"Pop_Task_End", "Kelvoの終了 (&X)"},
};

template <size_t N>
void AddItems(QMenu* menu, const Item (&items)[N], MainMenus& menus) {
  QMenu* target = menu;
  for (const Item& item : items) {
    switch (item.kind) {
      case Item::Separator:
        target->addSeparator();
        continue;
      case Item::EndSubmenu:
        target = menu;
        continue;
      case Item::Submenu:
        target = menu->addMenu(QString::fromUtf8(item.caption));
        target->setObjectName(QString::fromLatin1(item.name));
        target->menuAction()->setObjectName(QString::fromLatin1(item.name));
        menus.actions.insert(QString::fromLatin1(item.name), target->menuAction());
        continue;
      default:
        break;
    }
    QAction* action = target->addAction(QString::fromUtf8(item.caption));
    action->setObjectName(QString::fromLatin1(item.name));
    // Hidden items are selector items too: they carry a check mark nobody sees.
    action->setCheckable(item.kind == Item::Checkable || item.kind == Item::Hidden);
    action->setVisible(item.kind != Item::Hidden);
    action->setData(item.tag);
    menus.actions.insert(action->objectName(), action);
  }
}

template <size_t N>
QMenu* MakeMenu(QWidget* parent, const char* name, const char* caption, const Item (&items)[N], MainMenus& menus) {
  auto* menu = new QMenu(QString::fromUtf8(caption), parent);
  menu->setObjectName(QString::fromLatin1(name));
  AddItems(menu, items, menus);
  return menu;
}

}  // namespace

QAction* MainMenus::operator[](const char* name) const {
  QAction* action = actions.value(QString::fromLatin1(name));
  Q_ASSERT_X(action != nullptr, "MainMenus", name);
  return action;
}

MainMenus BuildMainMenus(QMenuBar* bar, QObject* owner) {
  MainMenus menus;
  menus.file = MakeMenu(bar, "Mb_File", "&File ", kFileItems, menus);
  menus.option = MakeMenu(bar, "Mb_Option", "&Opt ", kOptionItems, menus);
  menus.support = MakeMenu(bar, "Mb_Sp", "&Spt ", kSupportItems, menus);
  for (QMenu* menu : {menus.file, menus.option, menus.support}) bar->addMenu(menu);

  auto* parent = qobject_cast<QWidget*>(owner);
  menus.migiKuriPop = MakeMenu(parent, "MigiKuriPop", "", kMigiKuriItems, menus);
  menus.rsPop = MakeMenu(parent, "RsPop", "", kRsItems, menus);
  menus.ssPop = MakeMenu(parent, "SsPop", "", kSsItems, menus);
  menus.taskBarPop = MakeMenu(parent, "TaskBarPop", "", kTaskBarItems, menus);
  return menus;
}
