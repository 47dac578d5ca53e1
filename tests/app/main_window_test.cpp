// The main window, headless: keys clicked and typed, menus, selectors, window modes, F12 and the
// clipboard, on a fresh program folder for every test.
#include <QClipboard>
#include <QLayout>
#include <QMenuBar>
#include <tuple>

#include "main_window_fixture.h"

using kelvo::MenuCheck;

namespace {

TEST_F(MainWindowTest, ClickingKeysCalculatesAndShowsRegistersAndMarks) {
  Open();
  for (const char* key : {"bt1", "bt2", "btPlus", "bt3", "bt4", "btEq"}) Click(key);
  EXPECT_EQ(Display(), "46");
  EXPECT_EQ(Label("labAns"), "46");
  EXPECT_EQ(Label("labIpt"), "34");
  EXPECT_TRUE(MarkLit(5));
  EXPECT_FALSE(MarkLit(1));
  Click("btC");
  EXPECT_EQ(Display(), "0");
  EXPECT_FALSE(MarkLit(5));
}

TEST_F(MainWindowTest, MiddleButtonActsAsLeftAndRightButtonDoesNot) {
  Open();
  QWidget* seven = window_->findChild<QWidget*>(QStringLiteral("bt7"));
  QTest::mouseClick(seven, Qt::MiddleButton, {}, QPoint(10, 10));
  EXPECT_EQ(Display(), "7");
  QTest::mousePress(seven, Qt::RightButton, {}, QPoint(10, 10));
  EXPECT_EQ(Display(), "7");
  EXPECT_TRUE(window_->Menus().migiKuriPop->isVisible());
  window_->Menus().migiKuriPop->close();
}

TEST_F(MainWindowTest, KeyHeldWhileTheApplicationLosesFocusIsDrawnUp) {
  Open();
  QWidget* five = window_->findChild<QWidget*>(QStringLiteral("bt5"));
  const QImage up = window_->Renderer().KeyImage(105);
  QTest::mousePress(five, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_NE(window_->Renderer().KeyImage(105), up);
  emit qApp->applicationStateChanged(Qt::ApplicationInactive);
  EXPECT_EQ(window_->Renderer().KeyImage(105), up);
  QTest::mouseRelease(five, Qt::LeftButton, {}, QPoint(10, 10));
}

TEST_F(MainWindowTest, TypedKeysFollowFixedKeysAndSlots) {
  Open();
  struct Row {
    std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
    std::string display;
  };
  const Qt::KeyboardModifiers pad = Qt::KeypadModifier;
  const std::vector<Row> rows = {
      {{{Qt::Key_5, pad}, {Qt::Key_Plus, pad}, {Qt::Key_2, pad}, {Qt::Key_Enter, pad}}, "7"},
      {{{Qt::Key_9, pad}, {Qt::Key_Slash, pad}, {Qt::Key_4, pad}, {Qt::Key_Return, {}}}, "2.25"},
      {{{Qt::Key_3, {}}, {Qt::Key_Asterisk, pad}, {Qt::Key_3, {}}, {Qt::Key_Return, {}}}, "9"},  // top-row digits
      {{{Qt::Key_4, pad}, {Qt::Key_E, {}}}, "0"},                   // E is the second C key
      {{{Qt::Key_4, pad}, {Qt::Key_Right, {}}}, "0"},               // and Right the first
      {{{Qt::Key_8, pad}, {Qt::Key_Backspace, {}}}, "0"},
      {{{Qt::Key_2, pad}, {Qt::Key_Return, Qt::ShiftModifier}}, "2"},  // Shift + Enter does nothing
      {{{Qt::Key_9, pad}, {Qt::Key_R, {}}}, "3"},                    // R is the square root
      {{{Qt::Key_1, pad}, {Qt::Key_0, pad}, {Qt::Key_0, pad}, {Qt::Key_PageDown, {}}}, "90.909090909091"},  // 10 % by default
  };
  for (const Row& row : rows) {
    window_->Engine().PressKey(7);
    for (const auto& [key, modifiers] : row.keys) Type(key, modifiers);
    EXPECT_EQ(Display(), row.display) << "row ending in " << row.display;
  }
}

TEST_F(MainWindowTest, KeypadKeyDrawsItsButtonDownAndUp) {
  Open();
  const QImage up = window_->Renderer().KeyImage(105);
  QWidget* target = QApplication::focusWidget();
  ASSERT_NE(target, nullptr);
  QKeyEvent down(QEvent::KeyPress, Qt::Key_5, Qt::KeypadModifier, QStringLiteral("5"));
  QApplication::sendEvent(target, &down);
  EXPECT_NE(window_->Renderer().KeyImage(105), up);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_5, Qt::KeypadModifier, QStringLiteral("5"));
  QApplication::sendEvent(target, &release);
  EXPECT_EQ(window_->Renderer().KeyImage(105), up);
}

TEST_F(MainWindowTest, CKeyCopiesTheDisplayAsDrawnAndLightsTheCopyMark) {
  Open();
  for (const char* key : {"bt1", "bt2", "bt3", "bt4", "btCanma", "bt5", "btPM"}) Click(key);
  Type(Qt::Key_C);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "-1234.5");
  EXPECT_TRUE(MarkLit(12));
  EXPECT_EQ(Display(), "-1234.5");
  Type(Qt::Key_C, Qt::ShiftModifier);  // C can never be assigned: Shift + C does nothing
  EXPECT_EQ(Display(), "-1234.5");
}

TEST_F(MainWindowTest, CtrlVTypesTheClipboardsNumberWhileVKeepsItsKey) {
  WriteSetting("KeySet", "Plus", "86");  // V is the plus key
  Open();
  QGuiApplication::clipboard()->setText(QStringLiteral("1,234.5\n"));
  Type(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Display(), "1234.5");
  Type(Qt::Key_V);
  Type(Qt::Key_1, Qt::KeypadModifier);
  Type(Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(Display(), "1235.5");
}

TEST_F(MainWindowTest, PastedDigitsFollowTheRulesOfTypedKeys) {
  Open();
  struct Row {
    std::vector<int> before;  // engine key codes pressed first
    const char* clipboard;
    std::vector<int> after;
    std::string display;
    bool error;
  };
  const Row rows[] = {
      {{}, "-12", {}, "-12", false},
      {{107, 17}, "3", {99}, "10", false},                     // 7 + paste 3 =
      {{105}, "abc", {}, "5", false},                          // refused: nothing changes
      {{105}, "1 2", {}, "5", false},                          // two numbers
      {{}, "", {}, "0", false},                                 // an empty clipboard
      {{}, "123456789012345", {}, "12345678901234", true},     // one digit too many
      {{101, 20, 100, 99}, "5", {}, "0", true},                // in the error state
  };
  for (const Row& row : rows) {
    window_->Engine().PressKey(16);  // CA
    for (const int key : row.before) window_->Engine().PressKey(key);
    QGuiApplication::clipboard()->setText(QString::fromUtf8(row.clipboard));
    Type(Qt::Key_V, Qt::ControlModifier);
    for (const int key : row.after) window_->Engine().PressKey(key);
    EXPECT_EQ(Display(), row.display) << row.clipboard;
    EXPECT_EQ(window_->Engine().State().error, row.error) << row.clipboard;
  }
}

TEST_F(MainWindowTest, PasteItemsFollowTheCopyItemsAndPaste) {
  Open();
  for (const auto& [menu, copy, paste] : {std::tuple{window_->Menus().file, "Mb_Cpy", "Mb_Paste"},
                                          std::tuple{window_->Menus().migiKuriPop, "MigiKuriPop_Cpy", "MigiKuriPop_Paste"}}) {
    const QList<QAction*> items = menu->actions();
    EXPECT_EQ(items.indexOf(window_->Menus().Named(paste)), items.indexOf(window_->Menus().Named(copy)) + 1) << paste;
    window_->Engine().PressKey(16);
    QGuiApplication::clipboard()->setText(QStringLiteral("￥９８７円"));
    window_->Menus().Named(paste)->trigger();
    EXPECT_EQ(Display(), "987") << paste;
  }
}

TEST_F(MainWindowTest, EveryMenuToggleWritesItsKeyAtOnce) {
  Open();
  struct Row {
    main_menu::MenuItem item;
    const char* section;
    const char* key;
    const char* after;
  };
  const Row rows[] = {
      {"Mb_GrandTotal", "Value", "GrandTotal", "0"},    {"Mb_AnswerCK", "Value", "AnswerCK", "0"},
      {"Mb_FrontSideOn", "View", "FrontSideOn", "0"},   {"Mb_KeyPanelOn", "View", "KeyPanelOn", "1"},
      {"MigiKuriPop_KeyPanelOn", "View", "KeyPanelOn", "0"},
      {"Mb_KeyButtonOn", "View", "KeyButtonOn", "0"},   {"Mb_StartUpEndOn", "StartUp", "StartUpEndOn", "1"},
      {"Mb_TaskBarIn", "View", "TaskBarIn", "1"},       {"MigiKuriPop_TaskBarIn", "View", "TaskBarIn", "0"},
      {"Mb_AutoUpdate", "StartUp", "AutoUpdate", "0"},  {"Mb_PerCasio", "Value", "PerType", "2"},
      {"Mb_PerSharp", "Value", "PerType", "1"},         {"Mb_RsUP", "Value", "RoundSelecter", "3"},
      {"RsPop4", "Value", "RoundSelecter", "4"},        {"Mb_Ss2", "Value", "DecimalSelecter", "2"},
      {"SsPop0", "Value", "DecimalSelecter", "0"},
  };
  for (const Row& row : rows) {
    window_->Menus()[row.item]->trigger();
    EXPECT_EQ(Setting(row.section, row.key), row.after) << row.item.Name();
  }
  // Twin items keep their check marks in step.
  EXPECT_EQ(window_->Menus()["Mb_TaskBarIn"]->isChecked(), window_->Menus()["MigiKuriPop_TaskBarIn"]->isChecked());
  EXPECT_EQ(Label("labRs"), "5/4");
  EXPECT_EQ(Label("labDc"), "0");
}

// The item puts the window into the top band or takes it out at once, and an activation keeps
// it as the item says.
TEST_F(MainWindowTest, AlwaysOnTopFollowsItsItemAtOnce) {
  Open();
  auto onTop = [this] { return window_->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint); };
  EXPECT_TRUE(onTop());  // on in a fresh settings file
  for (const bool ticked : {false, true, false}) {
    window_->Menus()["Mb_FrontSideOn"]->trigger();
    EXPECT_EQ(window_->Menus()["Mb_FrontSideOn"]->isChecked(), ticked);
    EXPECT_EQ(onTop(), ticked);
  }
  QEvent activation(QEvent::WindowActivate);
  QApplication::sendEvent(window_.get(), &activation);
  EXPECT_FALSE(onTop());
}

TEST_F(MainWindowTest, AnswerCheckToggleForgetsTheLastAnswer) {
  Open();
  for (const char* key : {"bt2", "btKakeru", "bt3", "btEq"}) Click(key);
  window_->Menus()["Mb_AnswerCK"]->trigger();
  window_->Menus()["Mb_AnswerCK"]->trigger();
  for (const char* key : {"bt2", "btKakeru", "bt3", "btEq"}) Click(key);
  EXPECT_FALSE(MarkLit(30));
  for (const char* key : {"bt2", "btKakeru", "bt3", "btEq"}) Click(key);
  EXPECT_TRUE(MarkLit(30));
}

TEST_F(MainWindowTest, SelectorsFromOddFileValuesWorkAsF) {
  WriteSetting("Value", "RoundSelecter", "7");
  WriteSetting("Value", "DecimalSelecter", "6");
  Open();
  EXPECT_EQ(Label("labRs"), "F");
  EXPECT_TRUE(window_->Menus()["Mb_RsF"]->isChecked());
  EXPECT_EQ(Label("labDc"), "F");
  EXPECT_TRUE(window_->Menus()["Mb_SsF"]->isChecked());
  EXPECT_FALSE(window_->Menus()["Mb_SsF"]->isVisible());
  EXPECT_EQ(Setting("Value", "RoundSelecter"), "7");  // kept until the user chooses
  for (const char* key : {"bt2", "btWaru", "bt3", "btEq"}) Click(key);
  EXPECT_EQ(Display(), "0.6666666666666");
}

TEST_F(MainWindowTest, SelectorPopupChecksTheCurrentItem) {
  WriteSetting("Value", "RoundSelecter", "9");
  WriteSetting("Value", "DecimalSelecter", "-9");
  Open();
  QLabel* rs = window_->findChild<QLabel*>(QStringLiteral("labRs"));
  QTest::mouseClick(rs, Qt::LeftButton);
  EXPECT_TRUE(window_->Menus().rsPop->isVisible());
  EXPECT_TRUE(window_->Menus()["RsPop1"]->isChecked());
  window_->Menus().rsPop->close();
  QTest::mouseClick(window_->findChild<QLabel*>(QStringLiteral("labDcL")), Qt::LeftButton);
  EXPECT_TRUE(window_->Menus()["SsPopF"]->isChecked());
  for (const char* visible : {"SsPop5", "SsPop4", "SsPop3", "SsPop2", "SsPop1", "SsPop0"})
    EXPECT_FALSE(window_->Menus().Named(visible)->isChecked()) << visible;
  window_->Menus().ssPop->close();
}

TEST_F(MainWindowTest, RoundingFollowsTheChosenSelectors) {
  Open();
  window_->Menus()["Mb_RsCUT"]->trigger();
  window_->Menus()["Mb_Ss2"]->trigger();
  for (const char* key : {"bt2", "btWaru", "bt3", "btEq"}) Click(key);
  EXPECT_EQ(Display(), "0.66");
  window_->Menus()["Mb_Rs45"]->trigger();
  for (const char* key : {"bt2", "btWaru", "bt3", "btEq"}) Click(key);
  EXPECT_EQ(Display(), "0.67");
}

TEST_F(MainWindowTest, MiniSizeShowsTheDisplayOnlyAndKeysStillWork) {
  Open();
  window_->Menus()["Mb_KeyPanelOn"]->trigger();
  EXPECT_EQ(window_->centralWidget()->height(), 116);
  EXPECT_TRUE(window_->Menus()["MigiKuriPop_KeyPanelOn"]->isChecked());
  Type(Qt::Key_7, Qt::KeypadModifier);
  EXPECT_EQ(Display(), "7");
  // The keys cut off are hidden: Tab cannot reach one and Space press it unseen.
  QWidget* display = window_->findChild<QWidget*>(QStringLiteral("picDgPnl"));
  EXPECT_FALSE(window_->findChild<QWidget*>(QStringLiteral("btRoute"))->isVisible());
  display->setFocus();
  Type(Qt::Key_Tab);
  Type(Qt::Key_Space);
  EXPECT_EQ(Display(), "7");
  // The button display key (slot 25, "}" by default) does nothing in mini size.
  window_->Menus()["MigiKuriPop_KeyPanelOn"]->trigger();
  EXPECT_EQ(window_->centralWidget()->height(), 400);
  EXPECT_TRUE(window_->findChild<QWidget*>(QStringLiteral("btRoute"))->isVisible());
}

TEST_F(MainWindowTest, ButtonDisplayOffHidesTheKeys) {
  Open();
  window_->Menus()["Mb_KeyButtonOn"]->trigger();
  EXPECT_FALSE(window_->findChild<QWidget*>(QStringLiteral("bt5"))->isVisible());
  window_->Menus()["Mb_KeyButtonOn"]->trigger();
  EXPECT_TRUE(window_->findChild<QWidget*>(QStringLiteral("bt5"))->isVisible());
}

TEST_F(MainWindowTest, ButtonsHiddenAtStartWhenTheFileSaysSo) {
  WriteSetting("View", "KeyButtonOn", "0");
  WriteSetting("View", "KeyPanelOn", " 1 ");
  Open();
  EXPECT_FALSE(window_->findChild<QWidget*>(QStringLiteral("bt5"))->isVisible());
  EXPECT_EQ(window_->centralWidget()->height(), 116);
}

TEST_F(MainWindowTest, F12AsksToQuitOnlyInThePrimaryInstance) {
  Open();
  Type(Qt::Key_F12);
  EXPECT_EQ(quitQuestions_, 1);
  EXPECT_TRUE(window_->isVisible());
  answerYes_ = true;
  Type(Qt::Key_F12);
  EXPECT_FALSE(window_->isVisible());
}

// A side window as every real one behaves: it takes part in the list while open.
class SideWindow : public QWidget {
 public:
  SideWindow(char id, kelvo::SideWindowHost& host) : id_(id), host_(host) { host.AttachSideWindow(id, this); }
  void Activate() { host_.SideWindowActivated(id_); }

 protected:
  void closeEvent(QCloseEvent* event) override {
    host_.SideWindowClosed(id_);
    QWidget::closeEvent(event);
  }

 private:
  char id_;
  kelvo::SideWindowHost& host_;
};

TEST_F(MainWindowTest, F12ClosesSideWindowsMostRecentFirstThenAsksToQuit) {
  Open();
  auto& tape = *new SideWindow('1', *window_);
  auto& panel = *new SideWindow('3', *window_);
  auto& formula = *new SideWindow('4', *window_);
  for (SideWindow* window : {&tape, &panel, &formula}) window->show();
  EXPECT_TRUE(window_->Menus()["Mb_BigPanelOn"]->isChecked());
  EXPECT_TRUE(window_->Menus()["MigiKuriPop_BigPanelOn"]->isChecked());
  tape.Activate();
  formula.Activate();
  panel.Activate();
  kelvo::SideWindowActivated('0');  // the main window was clicked last
  EXPECT_EQ(kelvo::SideWindowList(), "1430");

  Type(Qt::Key_F12);
  EXPECT_EQ(kelvo::SideWindowList(), "140");
  EXPECT_FALSE(window_->Menus()["Mb_BigPanelOn"]->isChecked());
  EXPECT_FALSE(window_->Menus()["MigiKuriPop_BigPanelOn"]->isChecked());
  formula.Activate();  // the formula window is active now: it goes first
  Type(Qt::Key_F12);
  EXPECT_EQ(kelvo::SideWindowList(), "10");
  QApplication::setActiveWindow(&tape);
  Type(Qt::Key_F12);  // F12 inside a side window closes that one
  EXPECT_EQ(kelvo::SideWindowList(), "0");
  EXPECT_EQ(quitQuestions_, 0);
  EXPECT_EQ(quitQuestions_, 0);
  Type(Qt::Key_F12);
  EXPECT_EQ(quitQuestions_, 1);
}

TEST_F(MainWindowTest, F12ClosesAChildAtOnce) {
  Open(/*primary=*/false);
  EXPECT_TRUE(window_->windowTitle().startsWith("KelvoChild PID"));
  EXPECT_FALSE(window_->Menus()["Mb_TaskBarIn"]->isEnabled());
  EXPECT_FALSE(window_->Menus()["Mb_StartUpEndOn"]->isEnabled());
  Type(Qt::Key_F12);
  EXPECT_EQ(quitQuestions_, 0);
  EXPECT_FALSE(window_->isVisible());
}

TEST_F(MainWindowTest, TrayResidencyHidesOnCloseAndEndsFromTheTrayMenu) {
  Open();
  window_->Menus()["Mb_TaskBarIn"]->trigger();
  window_->close();
  EXPECT_FALSE(window_->isVisible());  // hidden, not ended
  window_->Menus()["Pop_Task_ZyocyuOff"]->trigger();
  EXPECT_TRUE(window_->isVisible());
  EXPECT_FALSE(window_->Menus()["Mb_TaskBarIn"]->isChecked());
  EXPECT_FALSE(window_->Menus()["MigiKuriPop_TaskBarIn"]->isChecked());
  EXPECT_EQ(Setting("View", "TaskBarIn"), "0");
}

TEST_F(MainWindowTest, ResidencyWithoutATrayMinimisesInsteadOfHiding) {
  trayAvailable_ = false;
  Open();
  window_->Menus()["Mb_TaskBarIn"]->trigger();
  window_->close();
  EXPECT_TRUE(window_->isVisible());
  EXPECT_TRUE(window_->isMinimized());
  EXPECT_EQ(Setting("View", "TaskBarIn"), "1");
  window_->showNormal();
  window_->showMinimized();
  QCoreApplication::processEvents();
  EXPECT_TRUE(window_->isVisible());
  emit window_->Menus().file->aboutToShow();
  EXPECT_FALSE(window_->Menus()["Mb_TaskBarIn"]->toolTip().isEmpty());
  EXPECT_TRUE(window_->Menus().file->toolTipsVisible());
}

TEST_F(MainWindowTest, QuitEndsEvenInTrayResidency) {
  Open();
  window_->Menus()["Mb_TaskBarIn"]->trigger();
  window_->QuitRequested();
  EXPECT_FALSE(window_->isVisible());
  EXPECT_FALSE(window_->Menus()["Mb_TaskBarIn"]->isChecked());
}

TEST_F(MainWindowTest, HiddenPrimaryShowsItselfWhenAChildStarts) {
  Open();
  window_->Menus()["Mb_TaskBarIn"]->trigger();
  window_->close();
  ASSERT_FALSE(window_->isVisible());
  window_->ShowRequested();
  EXPECT_TRUE(window_->isVisible());
}

TEST_F(MainWindowTest, ASecondStartBringsBackAPrimaryMinimisedForWantOfATray) {
  trayAvailable_ = false;
  Open();
  EXPECT_FALSE(window_->ComeBackRequested()) << "in view: the second start is a child";
  window_->Menus()["Mb_TaskBarIn"]->trigger();
  window_->close();
  ASSERT_TRUE(window_->isMinimized());
  EXPECT_TRUE(window_->ComeBackRequested()) << "back in view: no child wanted";
  EXPECT_FALSE(window_->isMinimized());
  EXPECT_TRUE(window_->isVisible());
}

TEST_F(MainWindowTest, ASecondStartShowsAPrimaryHiddenInTheTrayAndStillRunsAsChild) {
  Open();
  window_->Menus()["Mb_TaskBarIn"]->trigger();
  window_->close();
  ASSERT_FALSE(window_->isVisible());
  EXPECT_FALSE(window_->ComeBackRequested());
  EXPECT_TRUE(window_->isVisible());
}

TEST_F(MainWindowTest, ExitWritesPositionAndSkinKind) {
  Open();
  window_->Shutdown();
  EXPECT_FALSE(Setting("StartUp", "StartUpTop").empty());
  EXPECT_FALSE(Setting("StartUp", "StartUpLeft").empty());
  EXPECT_EQ(Setting("Skin", "CustumSkinType"), "0");
}

// The client area as it lies in the real window: right below the menu bar, fully inside the
// window, exactly 272 x 400 (mini size 272 x 116), and the window no larger than that.
void ExpectClientAreaOnScreen(TfrmMain& window, int height) {
  QCoreApplication::processEvents();
  const QRect bar = window.menuBar()->geometry();
  const QRect client = window.centralWidget()->geometry();
  EXPECT_EQ(client, QRect(0, bar.bottom() + 1, 272, height));
  EXPECT_EQ(window.size(), QSize(272, bar.height() + height));
  EXPECT_TRUE(window.rect().contains(client));
  EXPECT_GT(bar.height(), 0);
}

TEST_F(MainWindowTest, ClientAreaBelowTheMenuBarIsExactly272By400OrMini116) {
  Open();
  ExpectClientAreaOnScreen(*window_, 400);
  window_->Menus()["Mb_KeyPanelOn"]->trigger();
  ExpectClientAreaOnScreen(*window_, 116);
  window_->Menus()["MigiKuriPop_KeyPanelOn"]->trigger();
  ExpectClientAreaOnScreen(*window_, 400);
}

TEST_F(MainWindowTest, StartedInMiniSizeTheLabelRowIsWhole) {
  WriteSetting("View", "KeyPanelOn", "1");
  Open();
  ExpectClientAreaOnScreen(*window_, 116);
}

TEST_F(MainWindowTest, TheWindowPaintsBackgroundThenPanelThenStripsAndKeys) {
  Open();
  Click("bt8");
  const QImage face = window_->centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(face.size(), QSize(272, 400));
  const kelvo::Renderer& r = window_->Renderer();
  auto rgb = [](QRgb pixel) { return pixel & 0xFFFFFFu; };
  // Outside the panel: the back panel as it stands in its sheet.
  EXPECT_EQ(rgb(face.pixel(2, 200)), rgb(r.Sheet(kelvo::SkinPart::BackPanel).pixel(2, 200)));
  // Inside the panel, clear of the strips: the composite, painted at (5, 9).
  EXPECT_EQ(rgb(face.pixel(100, 95)), rgb(r.PanelComposite().pixel(95, 86)));
  // The number strip's glyph pixels lie above the panel: the "8" at position 1, x 228..238.
  const QImage& number = r.NumberStrip();
  int glyphPixels = 0;
  for (int x = 228; x <= 238; ++x)
    for (int y = 6; y < 27; ++y)
      if (rgb(number.pixel(x, y)) != 0xC6D7BDu) {
        ++glyphPixels;
        EXPECT_EQ(rgb(face.pixel(13 + x, 51 + y)), rgb(number.pixel(x, y))) << x << "," << y;
      }
  EXPECT_GT(glyphPixels, 20);
  // A key's middle shows its cell of the button-up sheet (5 at cell (95, 145), window (114, 272)).
  EXPECT_EQ(rgb(face.pixel(114 + 20, 272 + 16)), rgb(r.Sheet(kelvo::SkinPart::ButtonUp).pixel(95 + 20, 145 + 16)));
  // Its key-coloured corner lets the back panel through.
  EXPECT_EQ(rgb(face.pixel(114, 272)), rgb(r.Sheet(kelvo::SkinPart::BackPanel).pixel(114, 272)));
}

TEST_F(MainWindowTest, EveryKeyAndLabelIsInPlace) {
  Open();
  QWidget* plus = window_->findChild<QWidget*>(QStringLiteral("btPlus"));
  EXPECT_EQ(plus->geometry(), QRect(210, 232, 41, 73));
  EXPECT_EQ(window_->findChild<QWidget*>(QStringLiteral("btRoute"))->geometry(), QRect(66, 128, 41, 25));
  EXPECT_EQ(window_->findChild<QLabel*>(QStringLiteral("labAns"))->geometry(), QRect(112, 17, 145, 13));
  EXPECT_EQ(window_->findChildren<kelvo::KeyImageWidget*>().size(), 32);
}

}  // namespace
