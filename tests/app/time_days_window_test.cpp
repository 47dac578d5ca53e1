// The time and day counts window as a user reaches it: through the File menu, typing into its
// fields, copying with Ctrl+C, entering a figure into the calculator and recording on the tape.
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "main_window_fixture.h"
#include "side_windows.h"
#include "time_days_window.h"

namespace {

class TimeDaysWindowTest : public MainWindowTest {
 protected:
  // Types into the widget that has the keyboard, as a user would.
  void TypeText(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }
  QString Copied() {
    QApplication::clipboard()->clear();
    Press(Qt::Key_C, Qt::ControlModifier);
    return QApplication::clipboard()->text();
  }
  void ClickButton(TfrmTimeDays* window, const char* name) {
    window->findChild<QPushButton*>(QString::fromLatin1(name))->click();
  }
};

TEST_F(TimeDaysWindowTest, HoursAndDaysThroughTheFileMenu) {
  Open();
  // The item sits below テープ in the File menu.
  const QList<QAction*> items = window_->Menus().file->actions();
  const auto tapeItem = std::find(items.begin(), items.end(), window_->Menus()["Mb_Tape"]);
  ASSERT_NE(tapeItem + 1, items.end());
  EXPECT_EQ((*(tapeItem + 1))->text(), "時間・日数計算 (&H)");
  (*(tapeItem + 1))->trigger();

  auto* window = window_->findChild<TfrmTimeDays*>();
  ASSERT_NE(window, nullptr);
  QStringList refusals;
  window->showError = [&refusals](QWidget*, const QString& text) { refusals << text; };
  EXPECT_EQ(window->windowTitle(), "時間・日数計算");
  EXPECT_TRUE(window_->Menus()["Mb_TimeDays"]->isChecked());
  QApplication::setActiveWindow(window);
  ASSERT_EQ(QApplication::focusWidget(), window->findChild<QLineEdit*>(QStringLiteral("TimeEntry")));

  for (const char* time : {"0:15", "3:40", "22:45"}) {
    TypeText(QString::fromLatin1(time));
    Press(Qt::Key_Return);
  }
  EXPECT_EQ(Copied(), "合計\t26:40\n");
  TypeText(QStringLiteral("7:75"));
  Press(Qt::Key_Return);
  ASSERT_EQ(refusals.size(), 1);
  EXPECT_EQ(Copied(), "7:75");  // the refused text stays selected, and Ctrl+C copies the selection
  Press(Qt::Key_Backspace);
  EXPECT_EQ(Copied(), "合計\t26:40\n");  // nothing was added

  // Decimal hours follow the main window's selectors at the moment they are asked for.
  ClickButton(window, "DecimalHoursButton");
  EXPECT_EQ(Copied(), "合計\t26:40\n10進\t26.666666666667\n");
  window_->Menus()["Mb_RsCUT"]->trigger();
  window_->Menus()["Mb_Ss2"]->trigger();
  ClickButton(window, "DecimalHoursButton");
  window->findChild<QLineEdit*>(QStringLiteral("HourlyWage"))->setText(QStringLiteral("1,200"));
  ClickButton(window, "WageButton");
  EXPECT_EQ(window->CopyText(), "合計\t26:40\n10進\t26.66\n時給\t1200\n賃金\t31992.00\n");
  ClickButton(window, "TimeToCalculator");
  EXPECT_EQ(Display(), "31992.00");  // typed in as a paste types it

  ClickButton(window, "TimeRecord");
  const std::string tape = kelvo::test::ReadFileBytes(window_->TapeFilePath());
  EXPECT_NE(tape.find("0:15時＋\n3:40時＋\n22:45時＋\n26:40時＝\n26.66時間\n1,200時給\n31,992.00賃金\n\n"),
            std::string::npos)
      << tape;

  // Ctrl+Tab: the day counts, with the first date field ready for typing.
  Press(Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(window->Tabs()->currentIndex(), 1);
  ASSERT_EQ(QApplication::focusWidget(), window->findChild<QLineEdit*>(QStringLiteral("FromDate")));
  TypeText(QStringLiteral("2019-05-01"));
  Press(Qt::Key_Tab);
  TypeText(QStringLiteral("H31.4.30"));
  Press(Qt::Key_Return);
  EXPECT_EQ(Copied(),
            "開始日\t2019-05-01 (水)\t令和元年5月1日\n終了日\t2019-04-30 (火)\t平成31年4月30日\n"
            "片落とし\t1\n両端入れ\t2\n");
  EXPECT_EQ(refusals.size(), 1);

  // F12 closes it, and the menu item loses its mark.
  Press(Qt::Key_F12);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window_->findChild<TfrmTimeDays*>(), nullptr);
  EXPECT_FALSE(window_->Menus()["Mb_TimeDays"]->isChecked());
  EXPECT_EQ(kelvo::SideWindowList(), "0");
}

}  // namespace
