#pragma once

// Every item of the main window's menus, menu by menu in the order shown. An item's name is the
// program's own ("Mb_Cpy", "MigiKuriPop_Quit", "RsPop1" ...): it is the QAction's object name, by
// which tests and screen-reader scripts find the item. Code reaches an item as MenuItem("Mb_Cpy");
// a name that is not in this table does not compile.
//
// Adding an item is adding its row where it belongs. A side window's item names the window's
// identifier in `window`: choosing it opens or closes that window, and its tick shows whether the
// window is open (side_window_commands.cpp says what opens for each identifier).

#include <cstddef>
#include <iterator>
#include <string_view>

namespace main_menu {

enum class Menu { File, Option, Support, MigiKuriPop, RsPop, SsPop, TaskBarPop };

// Plain, Checkable and Hidden (checkable, never shown) are items. A submenu holds the items up to
// the next EndSubmenu row.
enum class Kind { Plain, Checkable, Hidden, Separator, Submenu, EndSubmenu };

struct Row {
  Menu menu;
  const char* name;     // null for a separator and the end of a submenu
  const char* caption;
  Kind kind = Kind::Plain;
  int tag = 0;          // a selector item's value (round 1..4, decimals 0..5 and -9, percent type)
  char window = 0;      // the side window the item opens and closes
};

using enum Menu;
using enum Kind;

inline constexpr Row kRows[] = {
    {File, "Mb_Cpy", "クリップボードにコピー (&C)"},
    {File, "Mb_Paste", "貼り付け (&V)"},
    {File, nullptr, nullptr, Separator},
    {File, "Mb_SushikiOn", "数式計算 (&N)", Checkable, 0, '4'},
    {File, "Mb_Kenzan", "検算フォーム (&Z)", Checkable, 0, '1'},
    {File, "Mb_Tape", "テープ (&T)", Checkable, 0, '8'},
    {File, "Mb_TimeDays", "時間・日数計算 (&H)", Checkable, 0, 'A'},
    {File, nullptr, nullptr, Separator},
    {File, "Mb_SkinChange", "スキンの変更 (&S)", Checkable, 0, '7'},
    {File, "Mb_SkinDownload", "スキンのダウンロード (&D)", Hidden},
    {File, nullptr, nullptr, Separator},
    {File, "Mb_KeySetOn", "キー設定 (&K)", Checkable, 0, '2'},
    {File, "Mb_BigPanelOn", "拡大パネル   (&P)", Checkable, 0, '3'},
    {File, "Mb_KeyPanelOn", "ミニサイズ表示  (&M)", Checkable},
    {File, "Mb_KeyButtonOn", "ボタン表示    (&B)", Checkable},
    {File, nullptr, nullptr, Separator},
    {File, "Mb_FrontSideOn", "常に手前に表示 (&A)", Checkable},
    {File, "Mb_StartUpEndOn", "終了時の位置を記憶 (&E)", Checkable},
    {File, "Mb_TaskBarIn", "タスクバーに常駐 (&Z)", Checkable},
    {File, nullptr, nullptr, Separator},
    {File, "Mb_Quit", "終了 (&X)"},

    {Option, "Mb_Rs", "ラウンドセレクター　(&R)", Submenu},
    {Option, "Mb_RsF", "F    (&F)", Checkable, 1},
    {Option, "Mb_RsCUT", "Cut (&C)", Checkable, 2},
    {Option, "Mb_RsUP", "Up  (&U)", Checkable, 3},
    {Option, "Mb_Rs45", "5/4 (&5)", Checkable, 4},
    {Option, nullptr, nullptr, EndSubmenu},
    {Option, "Mb_Ss", "小数点セレクター　(&S)", Submenu},
    {Option, "Mb_SsF", "F", Hidden, -9},
    {Option, "Mb_Ss5", "5", Checkable, 5},
    {Option, "Mb_Ss4", "4 ", Checkable, 4},
    {Option, "Mb_Ss3", "3", Checkable, 3},
    {Option, "Mb_Ss2", "2 ", Checkable, 2},
    {Option, "Mb_Ss1", "1 ", Checkable, 1},
    {Option, "Mb_Ss0", "0 ", Checkable, 0},
    {Option, nullptr, nullptr, EndSubmenu},
    {Option, "Mb_Per", "パーセント計算　(&P)", Submenu},
    {Option, "Mb_PerSharp", "シャープ式：A×(100±B)％      (&S)", Checkable, 1},
    {Option, "Mb_PerCasio", "カシオ式  ：マークアップ売価計算 (&C)", Checkable, 2},
    {Option, nullptr, nullptr, EndSubmenu},
    {Option, nullptr, nullptr, Separator},
    {Option, "Mb_Zeiritu", "税率設定　(&Z)"},
    {Option, "Mb_Keigen", "軽減税率で計算 (&L)", Checkable},
    {Option, "Mb_Invoice", "税率別合計 (&I)", Checkable, 0, '9'},
    {Option, nullptr, nullptr, Separator},
    {Option, "Mb_GrandTotal", "グランドトータル (&G)", Checkable},
    {Option, "Mb_AnswerCK", "アンサーチェック (&A)", Checkable},
    {Option, "Mb_Speech", "読み上げ (&Y)", Submenu},
    {Option, "Mb_SpeechOff", "しない (&N)", Checkable, 0},
    {Option, "Mb_SpeechResults", "結果だけ (&R)", Checkable, 1},
    {Option, "Mb_SpeechKeys", "キーと結果 (&K)", Checkable, 2},
    {Option, nullptr, nullptr, EndSubmenu},

    {Support, "KelvoHelp", "Kelvo　ヘルプ (&H)"},
    {Support, nullptr, nullptr, Separator},
    {Support, "Mb_Update", "バージョンアップの確認 (&U)"},
    {Support, "Mb_AutoUpdate", "起動時、自動でバージョンアップの確認をする(&K)", Checkable},
    {Support, nullptr, nullptr, Separator},
    {Support, "MorvaneHp", "Morvane　ホームページへ (&P)"},
    {Support, nullptr, nullptr, Separator},
    {Support, "Mb_Ver", "バージョン情報 (&A)"},

    {MigiKuriPop, "MigiKuriPop_Cpy", "クリップボードへコピー(&C)"},
    {MigiKuriPop, "MigiKuriPop_Paste", "貼り付け(&V)"},
    {MigiKuriPop, nullptr, nullptr, Separator},
    {MigiKuriPop, "MigiKuriPop_BigPanelOn", "拡大パネルの表示(&K)", Checkable, 0, '3'},
    {MigiKuriPop, "MigiKuriPop_Tape", "テープ(&P)", Checkable, 0, '8'},
    {MigiKuriPop, "MigiKuriPop_KeyPanelOn", "ミニサイズ表示(&M)", Checkable},
    {MigiKuriPop, "MigiKuriPop_TaskBarIn", "タスクバーに常駐する(&T)", Checkable},
    {MigiKuriPop, nullptr, nullptr, Separator},
    {MigiKuriPop, "MigiKuriPop_Keigen", "軽減税率で計算 (&L)", Checkable},
    {MigiKuriPop, "MigiKuriPop_Invoice", "税率別合計 (&I)", Checkable, 0, '9'},
    {MigiKuriPop, nullptr, nullptr, Separator},
    {MigiKuriPop, "MigiKuriPop_Quit", "終了(&X)"},

    {RsPop, "RsPop1", "F    (&F)", Checkable, 1},
    {RsPop, "RsPop2", "Cut (&C)", Checkable, 2},
    {RsPop, "RsPop3", "Up  (&U)", Checkable, 3},
    {RsPop, "RsPop4", "5/4 (&5)", Checkable, 4},

    {SsPop, "SsPopF", "F", Hidden, -9},
    {SsPop, "SsPop5", "5", Checkable, 5},
    {SsPop, "SsPop4", "4", Checkable, 4},
    {SsPop, "SsPop3", "3", Checkable, 3},
    {SsPop, "SsPop2", "2", Checkable, 2},
    {SsPop, "SsPop1", "1", Checkable, 1},
    {SsPop, "SsPop0", "0", Checkable, 0},

    {TaskBarPop, "Pop_Task_ZyocyuOff", "常駐を解除する (&K)"},
    {TaskBarPop, nullptr, nullptr, Separator},
    {TaskBarPop, "Pop_Task_End", "Kelvoの終了 (&X)"},
};

inline constexpr std::size_t kRowCount = std::size(kRows);

// An item of the table, known by its row.
class MenuItem {
 public:
  // The item of that name; an unknown name stops the compilation here.
  consteval MenuItem(const char* name) : row_(RowNamed(name)) {}

  static constexpr MenuItem AtRow(std::size_t row) { return MenuItem(row); }
  constexpr std::size_t Row() const { return row_; }
  constexpr const char* Name() const { return kRows[row_].name; }
  constexpr int Tag() const { return kRows[row_].tag; }
  friend constexpr bool operator==(MenuItem, MenuItem) = default;

 private:
  constexpr explicit MenuItem(std::size_t row) : row_(row) {}

  static consteval std::size_t RowNamed(std::string_view name) {
    for (std::size_t row = 0; row < kRowCount; ++row)
      if (kRows[row].name != nullptr && name == kRows[row].name) return row;
    throw "no menu item of this name";
  }

  std::size_t row_;
};

// Two rows of one name would make the second unreachable.
consteval bool NamesAreUnique() {
  for (std::size_t a = 0; a < kRowCount; ++a)
    for (std::size_t b = a + 1; b < kRowCount; ++b)
      if (kRows[a].name != nullptr && kRows[b].name != nullptr && std::string_view(kRows[a].name) == kRows[b].name)
        return false;
  return true;
}
static_assert(NamesAreUnique(), "two menu items share a name");

// The selector items: each chooses the value it carries as its tag.
inline constexpr MenuItem kRoundItems[] = {"Mb_RsF", "Mb_RsCUT", "Mb_RsUP", "Mb_Rs45"};
inline constexpr MenuItem kRoundPopItems[] = {"RsPop1", "RsPop2", "RsPop3", "RsPop4"};
inline constexpr MenuItem kDecimalItems[] = {"Mb_SsF", "Mb_Ss5", "Mb_Ss4", "Mb_Ss3", "Mb_Ss2", "Mb_Ss1", "Mb_Ss0"};
inline constexpr MenuItem kDecimalPopItems[] = {"SsPopF", "SsPop5", "SsPop4", "SsPop3", "SsPop2", "SsPop1", "SsPop0"};
// The read-aloud items: each chooses the [Speech] Mode it carries as its tag.
inline constexpr MenuItem kSpeechItems[] = {"Mb_SpeechOff", "Mb_SpeechResults", "Mb_SpeechKeys"};

}  // namespace main_menu
