// What a screen reader meets on the real main window: keys as push buttons, the display that
// announces what it shows, labels in the skin's colours whatever the desktop theme, side windows
// as dialogs named by their captions.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QPalette>

#include "accessible_face.h"
#include "key_assignment.h"
#include "main_window_fixture.h"
#include "vk_codes.h"

namespace {

std::vector<std::pair<QAccessible::Event, QString>>* recorded = nullptr;  // display events

void RecordDisplayEvents(QAccessibleEvent* event) {
  if (recorded == nullptr || event->object() == nullptr || event->object()->objectName() != QLatin1String("picDgPnl")) return;
  QAccessibleInterface* iface = event->accessibleInterface();
  const QAccessible::Text field = event->type() == QAccessible::NameChanged ? QAccessible::Name : QAccessible::Description;
  recorded->emplace_back(event->type(), iface != nullptr ? iface->text(field) : QString());
}

class AccessibilityTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    // Qt never listens headless: the display's announcements are recorded instead.
    kelvo::SetAnnouncementSink({[] { return true; }, RecordDisplayEvents});
    recorded = &events_;
  }
  void TearDown() override {
    recorded = nullptr;
    kelvo::SetAnnouncementSink({});
  }

  QAccessibleInterface* Of(const char* name) {
    QWidget* widget = window_->findChild<QWidget*>(QString::fromLatin1(name));
    return widget != nullptr ? QAccessible::queryAccessibleInterface(widget) : nullptr;
  }
  QStringList Names(QAccessible::Event type) const {
    QStringList out;
    for (const auto& [kind, text] : events_)
      if (kind == type) out << text;
    return out;
  }

  std::vector<std::pair<QAccessible::Event, QString>> events_;
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

TEST_F(AccessibilityTest, TheDisplayAnnouncesWhatItShowsOncePerChangeAndNamesMarksAndErrors) {
  struct Row {
    std::vector<Qt::Key> keys;
    QStringList names;           // NameChanged events, in order, after the keys
    const char* description;     // words the final description contains
  };
  const Row rows[] = {
      {{Qt::Key_End, Qt::Key_1, Qt::Key_2, Qt::Key_Plus, Qt::Key_3, Qt::Key_4, Qt::Key_Enter},
       {"1", "12", "3", "34", "46"}, "イコール"},
      {{Qt::Key_End, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5}, {"1", "12", "123", "1,234", "12,345"}, "小数点: 5 桁"},
      {{Qt::Key_End, Qt::Key_9, Qt::Key_Slash, Qt::Key_0, Qt::Key_Enter}, {"9", "0", "E 0"}, "エラー"},
      {{Qt::Key_End, Qt::Key_5, Qt::Key_Up}, {"5"}, "メモリー"},
      {{Qt::Key_End, Qt::Key_2, Qt::Key_Minus, Qt::Key_5, Qt::Key_Enter}, {"2", "5", "-3"}, "グランドトータル"},
  };
  Open();
  for (const Row& row : rows) {
    events_.clear();
    for (const Qt::Key key : row.keys) Type(key);
    QStringList names = Names(QAccessible::NameChanged);
    // The leading End shows "0" only when something else was shown before.
    if (!names.isEmpty() && names.front() == "0") names.pop_front();
    EXPECT_EQ(names, row.names) << row.names.join(' ').toStdString();
    const QString description = Of("picDgPnl")->text(QAccessible::Description);
    EXPECT_TRUE(description.contains(QString::fromUtf8(row.description))) << description.toStdString();
    EXPECT_EQ(Of("picDgPnl")->text(QAccessible::Name), row.names.back());
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
