// The side windows as the main window opens and closes them: the check tape, the enlarged panel,
// the key settings, the tax rate and the about box; their menu check marks and F12.
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>

#include "about_box.h"
#include "big_panel.h"
#include "check_tape.h"
#include "key_assignment.h"
#include "key_settings_dialog.h"
#include "main_window_fixture.h"
#include "side_windows.h"
#include "tax_rate_dialog.h"

namespace {

class SideWindowsTest : public MainWindowTest {
 protected:
  template <typename Window>
  Window* Find() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // closed windows are gone
    return window_->findChild<Window*>();
  }
  bool Checked(const char* item) { return window_->Menus()[item]->isChecked(); }
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
  // Answers the next modal dialog once it is up.
  template <typename Dialog>
  void WhenModal(std::function<void(Dialog&)> answer) {
    QTimer::singleShot(0, [answer] {
      auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      answer(*dialog);
      dialog->close();
    });
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
  EXPECT_TRUE(Checked("Mb_Kenzan"));
  EXPECT_EQ(window_->Renderer().KeyImage(10), keyUp);  // the key came up in the main window

  for (const char* key : {"bt1", "btPlus", "bt2", "btEq", "bt3", "btKakeru", "bt4", "btEq"}) Click(key);
  EXPECT_EQ(Text(tape, "Zcalc"), "1＋　\n2＝　\n3＊　\n");
  EXPECT_EQ(Text(tape, "Kcalc"), "3×　\n4＝　\n12＊　\n");
  QScrollBar* scroll = tape->findChild<QTextEdit*>(QStringLiteral("Kcalc"))->verticalScrollBar();
  EXPECT_EQ(scroll->value(), scroll->maximum());

  Type(Qt::Key_Home);
  EXPECT_EQ(Find<TfrmKenzan>(), nullptr);
  EXPECT_FALSE(Checked("Mb_Kenzan"));
}

TEST_F(SideWindowsTest, EnlargedPanelRepeatsEveryDisplayChange) {
  Open();
  window_->Menus()["MigiKuriPop_BigPanelOn"]->trigger();
  auto* panel = Find<TfrmBigPanel>();
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->windowTitle(), "拡大");
  EXPECT_EQ(panel->size(), QSize(583, 223));
  EXPECT_TRUE(Checked("Mb_BigPanelOn"));
  EXPECT_TRUE(Checked("MigiKuriPop_BigPanelOn"));

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
  struct Way {
    const char* name;
    std::function<void(QWidget*)> close;
  };
  auto closeBox = [](QWidget* window) { window->close(); };
  auto f12 = [this](QWidget* window) { PressF12In(window); };
  auto button = [](const char* name) {
    return [name](QWidget* window) { window->findChild<QPushButton*>(QString::fromLatin1(name))->click(); };
  };
  auto item = [this](const char* name) { return [this, name](QWidget*) { window_->Menus()[name]->trigger(); }; };
  auto key = [this](Qt::Key k) {
    return [this, k](QWidget*) {
      QApplication::setActiveWindow(window_.get());
      Type(k);
    };
  };
  struct Row {
    const char* window;
    std::function<void()> open;
    std::function<QWidget*()> find;
    std::vector<const char*> items;
    std::vector<Way> ways;
  };
  const std::vector<Row> rows = {
      {"check tape", [this] { Type(Qt::Key_Home); }, [this] { return Find<TfrmKenzan>(); }, {"Mb_Kenzan"},
       {{"close box", closeBox}, {"F12", f12}, {"Close", button("cmdClose")}, {"menu", item("Mb_Kenzan")},
        {"key", key(Qt::Key_Home)}}},
      {"enlarged panel", [this] { Type(Qt::Key_Q); }, [this] { return Find<TfrmBigPanel>(); },
       {"Mb_BigPanelOn", "MigiKuriPop_BigPanelOn"},
       {{"close box", closeBox}, {"F12", f12}, {"menu", item("Mb_BigPanelOn")},
        {"popup", item("MigiKuriPop_BigPanelOn")}, {"key", key(Qt::Key_Q)}}},
      {"key settings", [this] { window_->Menus()["Mb_KeySetOn"]->trigger(); }, [this] { return Find<TfrmKeySet>(); },
       {"Mb_KeySetOn"},
       {{"close box", closeBox}, {"F12", f12}, {"Close", button("btClose")}, {"menu", item("Mb_KeySetOn")},
        {"key", key(Qt::Key_W)}}},
  };
  for (const Row& row : rows) {
    for (const Way& way : row.ways) {
      const std::string what = std::string(row.window) + " by " + way.name;
      QApplication::setActiveWindow(window_.get());
      row.open();
      QWidget* side = row.find();
      ASSERT_NE(side, nullptr) << what;
      for (const char* name : row.items) EXPECT_TRUE(Checked(name)) << what << ": " << name;
      way.close(side);
      EXPECT_EQ(row.find(), nullptr) << what;
      for (const char* name : row.items) EXPECT_FALSE(Checked(name)) << what << ": " << name;
      EXPECT_EQ(kelvo::SideWindowList().find_first_not_of('0'), std::string::npos) << what;
      EXPECT_TRUE(window_->isVisible()) << what;  // F12 never reached the main window
    }
  }
  EXPECT_EQ(quitQuestions_, 0);
}

TEST_F(SideWindowsTest, F12InTheMainWindowClosesTheMostRecentlyActivatedFirst) {
  Open();
  Type(Qt::Key_Home);
  window_->Menus()["Mb_BigPanelOn"]->trigger();
  window_->Menus()["Mb_KeySetOn"]->trigger();
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

TEST_F(SideWindowsTest, TaxRateFromTheMenuIsWhatTheTaxKeyUses) {
  Open();
  WhenModal<TfrmZeiritu>([](TfrmZeiritu& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "税率設定");
    dialog.findChild<QLineEdit*>(QStringLiteral("Zeiritu"))->setText(QStringLiteral("8"));
    dialog.cmdOKClick();
  });
  window_->Menus()["Mb_Zeiritu"]->trigger();
  EXPECT_EQ(Setting("Tax", "Zeiritu"), "0.08");
  for (const char* key : {"bt1", "bt0", "bt0", "bt0", "btZeikomi"}) Click(key);
  EXPECT_EQ(Display(), "1080");
}

TEST_F(SideWindowsTest, AboutBoxShowsTheVersion) {
  Open();
  QString version;
  WhenModal<TfrmVer>([&version](TfrmVer& dialog) {
    version = dialog.findChild<QLabel*>(QStringLiteral("labAppVer"))->text();
  });
  window_->Menus()["Mb_Ver"]->trigger();
  EXPECT_EQ(version, "Ver 2.10.01");
}

}  // namespace
