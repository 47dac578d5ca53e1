// What a screen reader meets on the real main window: keys as push buttons, the display that
// announces what it shows, labels in the skin's colours whatever the desktop theme, side windows
// as dialogs named by their captions.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QPalette>

#include "accessible_face.h"
#include "key_assignment.h"
#include "main_window_fixture.h"
#include "spoken_message.h"
#include "vk_codes.h"

namespace {

class AccessibilityTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    // Qt never listens headless: what screen readers would be told is recorded instead.
    kelvo::SetAnnouncementHook([this](QWidget* window, const QString& words) {
      said_ << (window == window_.get() ? words : window->windowTitle() + QStringLiteral(": ") + words);
    });
    kelvo::SetDisplayAnnouncementDelay(0);  // each key is said at the next turn of the event loop
  }
  void TearDown() override {
    kelvo::SetAnnouncementHook({});
    kelvo::SetDisplayAnnouncementDelay(40);
  }
  // A key, and the turn of the event loop in which what it changed is said.
  void TypeAndListen(Qt::Key key) {
    Type(key);
    QCoreApplication::processEvents();
  }

  QAccessibleInterface* Of(const char* name) {
    QWidget* widget = window_->findChild<QWidget*>(QString::fromLatin1(name));
    return widget != nullptr ? QAccessible::queryAccessibleInterface(widget) : nullptr;
  }

  QStringList said_;  // announcements, those of other windows led by their caption
};

TEST_F(AccessibilityTest, KeysArePushButtonsNamedInWordsWithTheirKeyboardKeys) {
  Open();
  struct Row {
    const char* control;
    const char* name;
    const char* keyboard;  // the description names these keys; null: it is empty
  };
  const Row rows[] = {
      {"bt7", "7", "7、テンキー7"},         {"btPlus", "プラス", "テンキー+"},
      {"btEq", "イコール", "Enter"},        {"btZeikomi", "税込", "PgUp"},
      {"btBackS", "バックスペース", "BS"},  {"btMP", "メモリープラス", "↑"},
      {"btCA", "オールクリア", "End"},      {"bt00", "00", nullptr},
  };
  for (const Row& row : rows) {
    QAccessibleInterface* key = Of(row.control);
    ASSERT_NE(key, nullptr) << row.control;
    EXPECT_EQ(key->role(), QAccessible::Button) << row.control;
    EXPECT_EQ(key->text(QAccessible::Name), QString::fromUtf8(row.name)) << row.control;
    const QString description = key->text(QAccessible::Description);
    if (row.keyboard == nullptr)
      EXPECT_TRUE(description.isEmpty()) << row.control << ": " << description.toStdString();
    else
      EXPECT_TRUE(description.contains(QString::fromUtf8(row.keyboard))) << row.control << ": " << description.toStdString();
    ASSERT_NE(key->actionInterface(), nullptr) << row.control;
    EXPECT_TRUE(key->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction())) << row.control;
    EXPECT_TRUE(key->state().focusable) << row.control;
  }
}

TEST_F(AccessibilityTest, PressActionActsAsAClickAndDescriptionsFollowTheAssignment) {
  Open();
  for (const char* key : {"bt7", "btPlus", "bt8", "btEq"}) Of(key)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(Display(), "15");
  // A key moved to another keyboard key is described by its new one at once.
  kelvo::KeyAssignment[11] = kelvo::vk::kA + 'T' - 'A';  // 税込 on T
  EXPECT_TRUE(Of("btZeikomi")->text(QAccessible::Description).contains("T"));
  EXPECT_FALSE(Of("btZeikomi")->text(QAccessible::Description).contains("PgUp"));
}

TEST_F(AccessibilityTest, EachKeySaysOnceWhatChangedOnTheDisplay) {
  struct Row {
    std::vector<Qt::Key> keys;
    QStringList said;         // in order, after the keys
    const char* description;  // words the final description contains
  };
  // One session: each row goes on from the one before. The grand total is on by default.
  const Row rows[] = {
      {{Qt::Key_End, Qt::Key_1, Qt::Key_2, Qt::Key_Plus, Qt::Key_3, Qt::Key_4, Qt::Key_Enter},
       {"1", "12", "3", "34", "46、グランドトータル"}, "イコール"},
      {{Qt::Key_End, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5},
       {"0、グランドトータル クリア", "1", "12", "123", "1,234", "12,345"}, "小数点: 5 桁"},
      {{Qt::Key_End, Qt::Key_9, Qt::Key_Slash, Qt::Key_0, Qt::Key_Enter}, {"0", "9", "0", "エラー 0"}, "エラー"},
      // Memory is news when its mark comes on and when it goes out; M+ again says nothing.
      {{Qt::Key_End, Qt::Key_5, Qt::Key_Up, Qt::Key_Up}, {"0", "5", "メモリー"}, "メモリー"},
      {{Qt::Key_Left}, {"メモリー クリア"}, "端数処理"},
      {{Qt::Key_End, Qt::Key_2, Qt::Key_Minus, Qt::Key_5, Qt::Key_Enter}, {"0", "2", "5", "-3、グランドトータル"}, "グランドトータル"},
      {{Qt::Key_PageUp}, {"-3.3、税込"}, "税込"},
      {{Qt::Key_C}, {"コピー"}, "コピー"},
  };
  Open();
  for (const Row& row : rows) {
    said_.clear();
    for (const Qt::Key key : row.keys) TypeAndListen(key);
    EXPECT_EQ(said_, row.said) << row.said.join(' ').toStdString();
    const QString description = Of("picDgPnl")->text(QAccessible::Description);
    EXPECT_TRUE(description.contains(QString::fromUtf8(row.description))) << description.toStdString();
  }
}

TEST_F(AccessibilityTest, KeysFasterThanAnyoneListensAreSaidOnceAsTheDisplayEnds) {
  Open();
  kelvo::SetDisplayAnnouncementDelay(30);
  for (const Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_Up}) TypeAndListen(key);
  EXPECT_TRUE(said_.isEmpty()) << said_.join(' ').toStdString();
  QTest::qWait(100);
  EXPECT_EQ(said_, QStringList{"12,345、メモリー"});
}

TEST_F(AccessibilityTest, SettingsChosenFromTheMenusAreSaidOnce) {
  Open();
  const struct {
    const char* item;
    const char* said;  // null: nothing
  } rows[] = {
      {"Mb_RsCUT", "端数処理: 切り捨て"}, {"Mb_RsCUT", nullptr},         {"Mb_Ss2", "小数点: 2 桁"},
      {"Mb_SsF", "小数点: 浮動"},         {"Mb_Keigen", "軽減税率 8%"}, {"Mb_Keigen", "標準税率 10%"},
  };
  for (const auto& row : rows) {
    said_.clear();
    QAction* item = window_->findChild<QAction*>(QString::fromLatin1(row.item));
    ASSERT_NE(item, nullptr) << row.item;
    item->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(said_, row.said ? QStringList{QString::fromUtf8(row.said)} : QStringList{}) << row.item;
  }
}

TEST_F(AccessibilityTest, MenuItemsSayTheirCheckMarksAndSubmenus) {
  Open();
  const struct {
    const char* item;
    QAccessible::Role role;
    bool expandable;
  } rows[] = {
      {"Mb_Keigen", QAccessible::CheckBox, false},     {"Mb_GrandTotal", QAccessible::CheckBox, false},
      {"Mb_RsCUT", QAccessible::RadioButton, false},   {"Mb_Ss2", QAccessible::RadioButton, false},
      {"Mb_Rs", QAccessible::MenuItem, true},          {"Mb_Zeiritu", QAccessible::MenuItem, false},
  };
  for (const auto& row : rows) {
    QAction* action = window_->findChild<QAction*>(QString::fromLatin1(row.item));
    ASSERT_NE(action, nullptr) << row.item;
    QAccessibleInterface* item = QAccessible::queryAccessibleInterface(action);
    ASSERT_NE(item, nullptr) << row.item;
    EXPECT_EQ(item->role(), row.role) << row.item;
    EXPECT_EQ(item->state().checked, action->isChecked()) << row.item;
    EXPECT_EQ(item->state().expandable, row.expandable) << row.item;
    // A screen reader drops an item its menu does not count as its child.
    QAccessibleInterface* menu = item->parent();
    ASSERT_NE(menu, nullptr) << row.item;
    const int index = menu->indexOfChild(item);
    ASSERT_GE(index, 0) << row.item;
    EXPECT_EQ(menu->child(index), item) << row.item;
  }
}

TEST_F(AccessibilityTest, FocusRestsOnTheDisplayAndNoHiddenFieldIsInTheTree) {
  Open();
  Type(Qt::Key_5);
  EXPECT_EQ(QApplication::focusWidget(), window_->findChild<QWidget*>("picDgPnl"));
  QAccessibleInterface* face = Of("Client");
  ASSERT_NE(face, nullptr);
  for (int i = 0; i < face->childCount(); ++i)
    EXPECT_NE(face->child(i)->text(QAccessible::Name), "H400 W272");
  EXPECT_EQ(window_->Menus().file->title(), "&File ");
  EXPECT_EQ(window_->Menus().option->title(), "&Opt ");
  EXPECT_EQ(window_->Menus().support->title(), "&Spt ");
}

TEST_F(AccessibilityTest, SideWindowsAreDialogsNamedByTheirCaptions) {
  Open();
  window_->ToggleCheckTape();
  window_->ToggleKeySettings();
  for (const char* name : {"frmKenzan", "frmKeySet"}) {
    QWidget* side = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->objectName() == QLatin1String(name)) side = top;
    ASSERT_NE(side, nullptr) << name;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(side);
    EXPECT_EQ(iface->role(), QAccessible::Dialog) << name;
    EXPECT_EQ(iface->text(QAccessible::Name), side->windowTitle()) << name;
  }
}

TEST_F(AccessibilityTest, DisplayLabelsKeepTheSkinsColoursUnderADarkDesktop) {
  const QPalette before = QApplication::palette();
  QPalette dark = before;
  dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
  dark.setColor(QPalette::Window, QColor(0x24, 0x24, 0x24));
  QApplication::setPalette(dark);
  Open();
  for (const char* name : {"labAns", "labIpt", "labRs", "labDc"})
    EXPECT_EQ(window_->findChild<QLabel*>(name)->palette().color(QPalette::WindowText), QColor(Qt::black)) << name;
  QApplication::setPalette(before);
}

}  // namespace
