// The side windows as the main window opens and closes them: the check tape, the enlarged panel,
// the key settings and the tax rate; their menu check marks and F12.
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QWindow>
#include <fstream>
#include <iterator>
#include <string>

#include "big_panel.h"
#include "check_tape.h"
#include "key_assignment.h"
#include "key_settings_dialog.h"
#include "main_window_fixture.h"
#include "side_windows.h"
#include "sushiki_window.h"
#include "tape_window.h"
#include "tax_rate_dialog.h"

namespace {

class SideWindowsTest : public MainWindowTest {
 protected:
  template <typename Window>
  Window* Find() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // closed windows are gone
    if (auto* child = window_->findChild<Window*>()) return child;
    for (QWidget* top : QApplication::topLevelWidgets())  // side windows without a parent
      if (auto* window = qobject_cast<Window*>(top)) return window;
    return nullptr;
  }
  bool Checked(const char* item) { return window_->Menus().Named(item)->isChecked(); }
  QString Text(QWidget* window, const char* name) {
    auto* view = window->findChild<QTextEdit*>(QString::fromLatin1(name));
    return view != nullptr ? view->toPlainText() : window->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
  }
  // F12 where the keyboard is: the focused widget of the active window, or the window itself.
  void PressF12In(QWidget* window) {
    QApplication::setActiveWindow(window);
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : window;
    QKeyEvent f12(QEvent::KeyPress, Qt::Key_F12, Qt::NoModifier);
    QApplication::sendEvent(target, &f12);
  }
};

TEST_F(SideWindowsTest, CheckTapeShowsThePreviousAndTheCurrentCalculation) {
  Open();
  const QImage keyUp = window_->Renderer().KeyImage(10);
  Type(Qt::Key_Home);
  auto* tape = Find<TfrmKenzan>();
  ASSERT_NE(tape, nullptr);
  EXPECT_EQ(tape->windowTitle(), "検算");
  EXPECT_EQ(tape->size(), QSize(318, 419));
  EXPECT_EQ(window_->Renderer().KeyImage(10), keyUp);  // the key came up in the main window

  for (const char* key : {"bt1", "btPlus", "bt2", "btEq", "bt3", "btKakeru", "bt4", "btEq"}) Click(key);
  EXPECT_EQ(Text(tape, "Zcalc"), "1＋　\n2＝　\n3＊　\n");
  EXPECT_EQ(Text(tape, "Kcalc"), "3×　\n4＝　\n12＊　\n");
  // Showing the calculations leaves them whole: the paper tape gets every mark as it is.
  std::ifstream paperFile(window_->TapeFilePath(), std::ios::binary);
  const std::string paper{std::istreambuf_iterator<char>(paperFile), std::istreambuf_iterator<char>()};
  // Each calculation is followed by the line of the settings it was made with.
  EXPECT_NE(paper.find("]\n1＋　\n2＝　\n3＊　\n\n{round="), std::string::npos) << paper;
  EXPECT_NE(paper.find("]\n3×　\n4＝　\n12＊　\n\n{round="), std::string::npos) << paper;
  EXPECT_TRUE(paper.ends_with("}\n\n")) << paper;

  // A tape longer than its view shows its end.
  for (int i = 0; i < 12; ++i) Click("bt1"), Click("btPlus");
  Click("btEq");
  QScrollBar* scroll = tape->findChild<QTextEdit*>(QStringLiteral("Kcalc"))->verticalScrollBar();
  EXPECT_GT(scroll->maximum(), 0);
  EXPECT_EQ(scroll->value(), scroll->maximum());
}

TEST_F(SideWindowsTest, EnlargedPanelRepeatsEveryDisplayChange) {
  Open();
  window_->Menus()["MigiKuriPop_BigPanelOn"]->trigger();
  auto* panel = Find<TfrmBigPanel>();
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->windowTitle(), "拡大");
  EXPECT_EQ(panel->size(), QSize(583, 223));
  for (const char* key : {"bt1", "bt2", "bt3", "btKakeru", "bt4", "btEq", "btMP", "bt5", "btCanma", "bt5"}) Click(key);
  const kelvo::Renderer& renderer = window_->Renderer();
  EXPECT_EQ(panel->NumberImage(), renderer.NumberStrip().scaled(544, 66, Qt::IgnoreAspectRatio, Qt::FastTransformation));
  EXPECT_EQ(panel->MarkImage(), renderer.MarkStrip().scaled(544, 22, Qt::IgnoreAspectRatio, Qt::FastTransformation));
  EXPECT_EQ(Text(panel, "Ans"), Label("labAns"));
  EXPECT_EQ(Text(panel, "Ipt"), Label("labIpt"));
  window_->Menus()["Mb_RsCUT"]->trigger();
  EXPECT_EQ(panel->findChild<QLabel*>(QStringLiteral("labRs"))->text(), "CT");
  Type(Qt::Key_C);  // the copy mark reaches the panel too
  EXPECT_EQ(panel->MarkImage(), renderer.MarkStrip().scaled(544, 22, Qt::IgnoreAspectRatio, Qt::FastTransformation));

  // A bigger window shows more background; the panel keeps its size.
  panel->resize(800, 400);
  const QImage shown = panel->grab().toImage();
  EXPECT_EQ(shown.pixelColor(700, 300), panel->palette().color(QPalette::Window));
}

TEST_F(SideWindowsTest, EveryWayOfClosingClearsTheMenuChecks) {
  Open();
  kelvo::KeyAssignment[22] = 'W';  // the key settings key
  kelvo::KeyAssignment[24] = 'Q';  // the enlarged panel key
  using Close = std::function<void(QWidget*)>;
  const Close closeBox = [](QWidget* window) { window->close(); };
  const Close f12 = [this](QWidget* window) { PressF12In(window); };
  auto button = [](const char* name) -> Close {
    return [name](QWidget* window) { window->findChild<QPushButton*>(QString::fromLatin1(name))->click(); };
  };
  auto item = [this](const char* name) -> Close { return [this, name](QWidget*) { window_->Menus().Named(name)->trigger(); }; };
  auto key = [this](Qt::Key k) -> Close { return [this, k](QWidget*) { Type(k); }; };
  struct Row {
    std::function<QWidget*()> find;
    Close open;  // the side window's own key or menu item
    std::vector<const char*> items;
    std::vector<Close> ways;
  };
  const Row rows[] = {
      {[this] { return Find<TfrmKenzan>(); }, key(Qt::Key_Home), {"Mb_Kenzan"},
       {closeBox, f12, button("cmdClose"), item("Mb_Kenzan"), key(Qt::Key_Home)}},
      {[this] { return Find<TfrmBigPanel>(); }, key(Qt::Key_Q), {"Mb_BigPanelOn", "MigiKuriPop_BigPanelOn"},
       {closeBox, f12, item("Mb_BigPanelOn"), item("MigiKuriPop_BigPanelOn"), key(Qt::Key_Q)}},
      {[this] { return Find<TfrmKeySet>(); }, item("Mb_KeySetOn"), {"Mb_KeySetOn"},
       {closeBox, f12, button("btClose"), item("Mb_KeySetOn"), key(Qt::Key_W)}},
      {[this] { return Find<TfrmSushiki>(); }, item("Mb_SushikiOn"), {"Mb_SushikiOn"},
       {closeBox, item("Mb_SushikiOn")}},
      {[this] { return Find<TfrmTape>(); }, item("MigiKuriPop_Tape"), {"Mb_Tape", "MigiKuriPop_Tape"},
       {closeBox, item("Mb_Tape"), item("MigiKuriPop_Tape")}},
  };
  for (const Row& row : rows) {
    for (size_t way = 0; way < row.ways.size(); ++way) {
      QApplication::setActiveWindow(window_.get());
      row.open(nullptr);
      ASSERT_NE(row.find(), nullptr) << row.items[0] << " way " << way;
      for (const char* name : row.items) EXPECT_TRUE(Checked(name)) << name << " way " << way;
      row.ways[way](row.find());
      EXPECT_EQ(row.find(), nullptr) << row.items[0] << " way " << way;
      for (const char* name : row.items) EXPECT_FALSE(Checked(name)) << name << " way " << way;
      EXPECT_EQ(kelvo::SideWindowList(), "0") << row.items[0] << " way " << way;
    }
  }
  EXPECT_EQ(quitQuestions_, 0);  // F12 inside a side window never reached the main window
}

TEST_F(SideWindowsTest, F12InTheMainWindowClosesTheMostRecentlyActivatedFirst) {
  Open();
  Type(Qt::Key_Home);
  window_->ToggleBigPanel();     // as their calculator keys open them
  window_->ToggleKeySettings();
  EXPECT_EQ(kelvo::SideWindowList(), "1320");  // opened without taking the keyboard
  for (QWidget* side : std::initializer_list<QWidget*>{Find<TfrmKenzan>(), Find<TfrmKeySet>(), window_.get()})
    QApplication::setActiveWindow(side);
  EXPECT_EQ(kelvo::SideWindowList(), "3120");

  const std::pair<const char*, const char*> steps[] = {{"310", "Mb_KeySetOn"}, {"30", "Mb_Kenzan"}, {"0", "Mb_BigPanelOn"}};
  for (const auto& [list, item] : steps) {
    Type(Qt::Key_F12);
    EXPECT_EQ(kelvo::SideWindowList(), list);
    EXPECT_FALSE(Checked(item)) << item;
  }
  EXPECT_EQ(quitQuestions_, 0);
  Type(Qt::Key_F12);
  EXPECT_EQ(quitQuestions_, 1);
}

TEST_F(SideWindowsTest, WindowsChosenFromAMenuTakeTheKeyboard) {
  Open();
  window_->findChild<QAction*>(QStringLiteral("Mb_KeySetOn"))->trigger();
  ASSERT_NE(Find<TfrmKeySet>(), nullptr);
  EXPECT_TRUE(QTest::qWaitForWindowActive(Find<TfrmKeySet>()));
  window_->findChild<QAction*>(QStringLiteral("Mb_BigPanelOn"))->trigger();
  ASSERT_NE(Find<TfrmBigPanel>(), nullptr);
  EXPECT_TRUE(QTest::qWaitForWindowActive(Find<TfrmBigPanel>()));
}

TEST_F(SideWindowsTest, TaxRateFromTheMenuIsWhatTheTaxKeyUses) {
  Open();
  QTimer::singleShot(0, [] {  // once the dialog is up
    auto* dialog = qobject_cast<TfrmZeiritu*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>(QStringLiteral("Zeiritu"))->setText(QStringLiteral("8"));
    dialog->findChild<QLineEdit*>(QStringLiteral("KeigenZeiritu"))->setText(QStringLiteral("6.5"));
    dialog->cmdOKClick();
  });
  window_->Menus()["Mb_Zeiritu"]->trigger();
  EXPECT_EQ(Setting("Tax", "Zeiritu"), "0.08");
  EXPECT_EQ(Label("labZei"), "8%");  // the rate label follows at once
  for (const char* key : {"bt1", "bt0", "bt0", "bt0", "btZeikomi"}) Click(key);
  EXPECT_EQ(Display(), "1080");
  window_->Menus()["Mb_Keigen"]->trigger();
  EXPECT_EQ(Label("labZei"), "軽6.5%");
  for (const char* key : {"bt1", "bt0", "bt0", "bt0", "btZeikomi"}) Click(key);
  EXPECT_EQ(Display(), "1065");
}

// Where the window system places windows itself (Wayland), it places side windows by the window
// they belong to: each names the main window as its transient parent.
TEST_F(SideWindowsTest, SideWindowsBelongToTheMainWindow) {
  Open();
  for (const char* item : {"Mb_KeySetOn", "Mb_Kenzan", "Mb_BigPanelOn"}) window_->Menus().Named(item)->trigger();
  for (QWidget* side : std::initializer_list<QWidget*>{Find<TfrmKeySet>(), Find<TfrmKenzan>(), Find<TfrmBigPanel>()}) {
    ASSERT_NE(side, nullptr);
    ASSERT_NE(side->windowHandle(), nullptr) << side->objectName().toStdString();
    EXPECT_EQ(side->windowHandle()->transientParent(), window_->windowHandle()) << side->objectName().toStdString();
  }
}

// A larger desktop font grows the side windows laid out for 12 pixels, never the enlarged panel,
// which is the face pixel for pixel.
TEST_F(SideWindowsTest, ALargerDesktopFontGrowsSideWindowsButNotTheEnlargedPanel) {
  const QFont usual = QApplication::font();
  QFont large = usual;
  large.setPixelSize(18);
  QApplication::setFont(large);
  Open();
  for (const char* item : {"Mb_KeySetOn", "Mb_BigPanelOn"}) window_->Menus().Named(item)->trigger();
  auto* keys = Find<TfrmKeySet>();
  auto* panel = Find<TfrmBigPanel>();
  ASSERT_NE(keys, nullptr);
  ASSERT_NE(panel, nullptr);
  EXPECT_GT(keys->width(), 290 * 5 / 4) << "a 1.5 times larger font";
  EXPECT_GT(keys->findChild<QPushButton*>(QStringLiteral("btDef"))->width(), 130 * 5 / 4);
  const QSize panelSize = panel->size();
  QApplication::setFont(usual);
  window_->Menus()["Mb_BigPanelOn"]->trigger();
  window_->Menus()["Mb_BigPanelOn"]->trigger();
  ASSERT_NE(Find<TfrmBigPanel>(), nullptr);
  EXPECT_EQ(Find<TfrmBigPanel>()->size(), panelSize);
}

}  // namespace
