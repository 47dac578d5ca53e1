// The formula window headless, with the real script host and answer file: evaluations end to
// end, the stale-answer rule, primary and child instances at once, the insert buttons, the
// caret rules of "Bs" and "Del", the keys, and the main window's command that opens it.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "formula_box.h"
#include "ini_file.h"
#include "main_window.h"
#include "profile_string.h"
#include "program_folder.h"
#include "sushiki_window.h"

namespace {

class SushikiTest : public ::testing::Test {
 protected:
  std::unique_ptr<TfrmSushiki> Open(kelvo::FormulaFiles files = kelvo::FormulaFiles::Current()) {
    TfrmSushiki::InitAnswerFile(files);
    auto window = std::make_unique<TfrmSushiki>(nullptr, files);
    window->SetScriptHost(QStringLiteral(KELVO_WSH));
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return window;
  }

  // Types the formula, calculates and waits for the answer; the texts of txtAns and txtMsg.
  static std::pair<std::string, std::string> Evaluate(TfrmSushiki& window, const QString& formula) {
    QSignalSpy finished(&window, &TfrmSushiki::EvaluationFinished);
    window.txtCalc->setPlainText(formula);
    if (window.Calculate() == TfrmSushiki::Calculation::Started) {
      EXPECT_TRUE(finished.wait(7000));
    }
    return {window.txtAns->text().toStdString(), window.txtMsg->toPlainText().toStdString()};
  }

  static QPushButton* Button(TfrmSushiki& window, const char* name) {
    auto* button = window.findChild<QPushButton*>(QLatin1String(name));
    EXPECT_NE(button, nullptr) << name;
    return button;
  }

  kelvo::test::ProgramFolder folder_;
};

struct Expected {
  const char16_t* formula;
  const char* ans;
  const char* msg;
};

TEST_F(SushikiTest, EvaluatesThroughTheScriptHost) {
  auto window = Open();
  for (const Expected& row : {Expected{u"1+2", "3", "成功:"}, Expected{u"1/0", "error", "失敗:  0 で除算しました。"},
                              Expected{u"1+2+=", "error", "失敗:  構文エラーです。"},
                              Expected{u"1000000/3", "333,333.333333333", "成功:"}, Expected{u"1E20*1", "1E+20", "成功:"},
                              Expected{u"-1/2", "-0.5", "成功:"}, Expected{u"Hex(255)", "FF", "成功:"},
                              Expected{u"１２×（３＋４）÷２", "42", "成功:"}, Expected{u"2{mod}3", "2", "成功:"},
                              Expected{u"1234567.5", "1,234,567.5", "成功:"},
                              Expected{u"abc", "error", "E05[構文エラー]：abc"}}) {
    const auto [ans, msg] = Evaluate(*window, QString::fromUtf16(row.formula));
    EXPECT_EQ(ans, row.ans) << QString::fromUtf16(row.formula).toStdString();
    EXPECT_EQ(msg, row.msg) << QString::fromUtf16(row.formula).toStdString();
  }
}

TEST_F(SushikiTest, WritesTheScriptAndKeepsTheAnswerFileAfterClosing) {
  auto window = Open();
  Evaluate(*window, QStringLiteral("1+2"));
  const std::string script = kelvo::test::ReadFileBytes(folder_.Path("KelvoFiles/_sys/Calc/CalcRun.vbs"));
  EXPECT_NE(script.find("\r\nstrAns = 1+2\r\n"), std::string::npos);
  const std::string answer = folder_.Path("KelvoFiles/_sys/Calc/CalcAns.ini");
  EXPECT_EQ(kelvo::ReadProfileString("CalcAns", "Answer", answer), "3");
  EXPECT_FALSE(kelvo::ReadProfileString("CalcAns", "ID", answer).empty());
  window->close();
  EXPECT_FALSE(kelvo::test::Exists(folder_.Path("KelvoFiles/_sys/Calc/CalcRun.vbs")));
  EXPECT_TRUE(kelvo::test::Exists(answer));
}

TEST_F(SushikiTest, NothingHappensForAnEmptyFormula) {
  auto window = Open();
  window->txtAns->setText(QStringLiteral("keep"));
  window->txtCalc->setPlainText(QStringLiteral(" \n\t"));
  EXPECT_EQ(window->Calculate(), TfrmSushiki::Calculation::Nothing);
  EXPECT_EQ(window->txtAns->text(), QStringLiteral("keep"));
  EXPECT_FALSE(kelvo::test::Exists(folder_.Path("KelvoFiles/_sys/Calc/CalcRun.vbs")));
}

TEST_F(SushikiTest, TwoEvaluationsWithin100MillisecondsShowOnlyTheSecond) {
  auto window = Open();
  QSignalSpy finished(window.get(), &TfrmSushiki::EvaluationFinished);
  window->txtCalc->setPlainText(QStringLiteral("1+1"));
  window->Calculate();
  // No event runs in between, so no poll can take the first answer however busy the machine is.
  window->txtCalc->setPlainText(QStringLiteral("2+2"));
  window->Calculate();
  ASSERT_TRUE(finished.wait(7000));
  EXPECT_EQ(window->txtAns->text(), QStringLiteral("4"));
  QTest::qWait(300);
  EXPECT_EQ(finished.count(), 1);
  EXPECT_EQ(window->txtAns->text(), QStringLiteral("4"));
}

TEST_F(SushikiTest, AStaleAnswerIsNeverTaken) {
  auto window = Open(kelvo::FormulaFiles{folder_.Root(), "KelvoFiles/_sys/Calc/CalcRun.vbs", "KelvoFiles/_sys/Calc/CalcAns.ini"});
  // A script host that writes nothing: only an answer planted with another stamp could arrive,
  // and is ignored, also when the host has exited.
  window->SetScriptHost(QStringLiteral("/bin/true"));
  QSignalSpy finished(window.get(), &TfrmSushiki::EvaluationFinished);
  window->txtCalc->setPlainText(QStringLiteral("1+2"));
  window->Calculate();
  kelvo::test::WriteFileBytes(folder_.Path("KelvoFiles/_sys/Calc/CalcAns.ini"),
                              "[CalcAns]\r\nAnswer=999\r\nAnsMsg=成功:  \r\nID=1\r\n");
  ASSERT_TRUE(finished.wait(7000));
  EXPECT_EQ(finished.at(0).at(0).toBool(), false);
  EXPECT_EQ(window->txtAns->text(), QString());
  EXPECT_EQ(window->txtMsg->toPlainText(), QString());
}

TEST_F(SushikiTest, AMissingScriptHostIsNamedAtOnce) {
  auto window = Open();
  window->SetScriptHost(QStringLiteral("/nonexistent/kelvo-wsh"));
  QElapsedTimer clock;
  clock.start();
  const auto [ans, msg] = Evaluate(*window, QStringLiteral("1+2"));
  EXPECT_LT(clock.elapsed(), 2000);  // not the five-second limit
  EXPECT_EQ(ans, "error");
  EXPECT_EQ(msg, "失敗:  スクリプトホスト kelvo-wsh を起動できません。(/nonexistent/kelvo-wsh)");
}

TEST_F(SushikiTest, TheBoxRefusesWholeWhatWouldPassItsLimit) {
  auto window = Open();
  const QString refused = QStringLiteral("数式は 65536 文字までです。それを超える入力は受け付けません。");
  const QString longest(FormulaBox::kMaxCharacters, u'1');
  EXPECT_FALSE(window->SetFormula(longest + u'1'));
  EXPECT_EQ(window->txtCalc->toPlainText(), QString());
  EXPECT_EQ(window->txtMsg->toPlainText(), refused);
  // Full to the limit: a paste or a typed digit is refused whole, a paste over a selection fits.
  ASSERT_TRUE(window->SetFormula(longest));
  window->txtMsg->clear();
  QGuiApplication::clipboard()->setText(QStringLiteral("+2"));
  window->txtCalc->setFocus();
  window->txtCalc->moveCursor(QTextCursor::End);
  window->txtCalc->paste();
  QTest::keyClick(window->txtCalc, Qt::Key_5);
  QTest::keyClick(window->txtCalc, Qt::Key_Return);
  EXPECT_EQ(window->txtCalc->toPlainText(), longest);
  EXPECT_EQ(window->txtMsg->toPlainText(), refused);
  window->txtCalc->moveCursor(QTextCursor::Left, QTextCursor::KeepAnchor);
  window->txtCalc->moveCursor(QTextCursor::Left, QTextCursor::KeepAnchor);
  window->txtCalc->paste();
  EXPECT_EQ(window->txtCalc->toPlainText(), longest.left(FormulaBox::kMaxCharacters - 2) + QStringLiteral("+2"));
  QTest::keyClick(window->txtCalc, Qt::Key_Backspace);  // editing keys always work
  EXPECT_EQ(window->txtCalc->toPlainText().size(), FormulaBox::kMaxCharacters - 1);
}

TEST_F(SushikiTest, PrimaryAndChildEachSeeTheirOwnAnswer) {
  auto primary = Open();
  auto child = Open(kelvo::FormulaFiles{folder_.Root(), "KelvoFiles/_sys/Calc/PID4242CalcRun.vbs",
                                        "KelvoFiles/_sys/Calc/PID4242CalcAns.ini"});
  QSignalSpy primaryDone(primary.get(), &TfrmSushiki::EvaluationFinished);
  QSignalSpy childDone(child.get(), &TfrmSushiki::EvaluationFinished);
  primary->txtCalc->setPlainText(QStringLiteral("10*10"));
  child->txtCalc->setPlainText(QStringLiteral("20*20"));
  primary->Calculate();
  child->Calculate();
  ASSERT_TRUE(primaryDone.count() > 0 || primaryDone.wait(7000));
  ASSERT_TRUE(childDone.count() > 0 || childDone.wait(7000));
  EXPECT_EQ(primary->txtAns->text(), QStringLiteral("100"));
  EXPECT_EQ(child->txtAns->text(), QStringLiteral("400"));
}

TEST_F(SushikiTest, InsertButtonsAndTheListInsertAtTheSavedCaret) {
  auto window = Open();
  for (const char* name : {"btInSin", "btIn1", "btInMigiKakko"}) QTest::mouseClick(Button(*window, name), Qt::LeftButton);
  EXPECT_EQ(window->txtCalc->toPlainText(), QStringLiteral("Sin(1)"));
  QTest::mouseClick(Button(*window, "btInXor"), Qt::LeftButton);
  EXPECT_EQ(window->txtCalc->toPlainText(), QStringLiteral("Sin(1){Xor}"));
  // The caret moved into the middle, then a button takes the focus: it inserts there.
  window->txtCalc->setPlainText(QStringLiteral("12"));
  window->txtCalc->setFocus();
  QTextCursor cursor = window->txtCalc->textCursor();
  cursor.setPosition(1);
  window->txtCalc->setTextCursor(cursor);
  QTest::mouseClick(Button(*window, "btInPlus"), Qt::LeftButton);
  EXPECT_EQ(window->txtCalc->toPlainText(), QStringLiteral("1+2"));
  EXPECT_EQ(window->txtCalc->textCursor().position(), 2);
  QListWidgetItem* abs = window->lstKansu->item(0);
  window->lstKansu->itemDoubleClicked(abs);
  EXPECT_EQ(window->txtCalc->toPlainText(), QStringLiteral("1+Abs(2"));
  EXPECT_EQ(window->lstKansu->count(), 30);
  EXPECT_TRUE(Button(*window, "btInNot")->toolTip().startsWith(QStringLiteral("Not演算子")));
}

TEST_F(SushikiTest, BsAndDelRemoveLineBreaksAndDoubleByteCharactersWhole) {
  auto window = Open();
  window->txtCalc->setFocus();
  QTest::mouseClick(Button(*window, "btIn1"), Qt::LeftButton);
  QTest::mouseClick(Button(*window, "btSendEnt"), Qt::LeftButton);
  EXPECT_EQ(window->FormulaText(), QStringLiteral("1\r\n"));
  QTest::mouseClick(Button(*window, "btSendBs"), Qt::LeftButton);
  EXPECT_EQ(window->FormulaText(), QStringLiteral("1"));
  window->txtCalc->setPlainText(QStringLiteral("1＋2"));
  QTextCursor cursor = window->txtCalc->textCursor();
  cursor.setPosition(2);
  window->txtCalc->setTextCursor(cursor);
  QTest::mouseClick(Button(*window, "btSendBs"), Qt::LeftButton);
  EXPECT_EQ(window->txtCalc->toPlainText(), QStringLiteral("12"));
  EXPECT_EQ(window->txtCalc->textCursor().position(), 1);
  window->txtCalc->setPlainText(QStringLiteral("1\n2"));
  cursor.setPosition(1);
  window->txtCalc->setTextCursor(cursor);
  QTest::mouseClick(Button(*window, "btSendDel"), Qt::LeftButton);
  EXPECT_EQ(window->txtCalc->toPlainText(), QStringLiteral("12"));
  EXPECT_EQ(window->txtCalc->textCursor().position(), 1);
}

TEST_F(SushikiTest, EndCalculatesAndF12Closes) {
  auto window = Open();
  window->txtCalc->setPlainText(QStringLiteral("6*7"));
  QSignalSpy finished(window.get(), &TfrmSushiki::EvaluationFinished);
  QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
  QCoreApplication::sendEvent(window->txtCalc, &end);
  ASSERT_TRUE(finished.wait(7000));
  EXPECT_EQ(window->txtAns->text(), QStringLiteral("42"));
  QKeyEvent f12(QEvent::KeyPress, Qt::Key_F12, Qt::NoModifier);
  QCoreApplication::sendEvent(window->txtCalc, &f12);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(SushikiTest, MenuItemOpensAndClosesTheWindow) {
  TfrmMain main(true, nullptr);
  main.show();
  QAction* item = main.Menus()["Mb_SushikiOn"];
  ASSERT_TRUE(item->isEnabled());
  item->trigger();
  QWidget* top = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QStringLiteral("frmSushiki") && w->isVisible()) top = w;
  ASSERT_NE(top, nullptr);
  EXPECT_TRUE(item->isChecked());
  EXPECT_EQ(top->windowTitle(), QStringLiteral("数式計算 Windows Script Host"));
  EXPECT_EQ(kelvo::ReadProfileString("CalcAns", "Answer", folder_.Path("KelvoFiles/_sys/Calc/CalcAns.ini")), "0");
  item->trigger();
  QCoreApplication::processEvents();
  EXPECT_FALSE(item->isChecked());
  for (QWidget* w : QApplication::topLevelWidgets())
    EXPECT_FALSE(w->objectName() == QStringLiteral("frmSushiki") && w->isVisible());
}

}  // namespace
