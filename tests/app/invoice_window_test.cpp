// The tax per rate window as a user reaches it: from the Opt menu, following the tax keys while
// open, copying with Ctrl+C, choosing the rounding (kept in the settings file), emptying the
// registers and recording the table on the paper tape.
#include <QClipboard>
#include <QPushButton>
#include <QRadioButton>

#include "main_window_fixture.h"
#include "side_windows.h"
#include "invoice_window.h"

namespace {

class InvoiceWindowTest : public MainWindowTest {
 protected:
  void Key(std::initializer_list<const char*> keys) {
    for (const char* key : keys) Click(key);
  }
  void Enter105WithTax() { Key({"bt1", "bt0", "bt5", "btZeikomi"}); }
  QString Copied() {
    QApplication::clipboard()->clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    return QApplication::clipboard()->text();
  }
  TfrmInvoice* InvoiceWindow() { return window_->findChild<TfrmInvoice*>(); }
};

TEST_F(InvoiceWindowTest, FollowsTheTaxKeysFromTheOptMenu) {
  Open();
  for (int i = 0; i < 3; ++i) Enter105WithTax();

  // The item sits below 軽減税率で計算 in the Opt menu and in the right-click popup.
  for (QMenu* menu : {window_->Menus().option, window_->Menus().migiKuriPop}) {
    const QList<QAction*> items = menu->actions();
    const auto keigen = std::find_if(items.begin(), items.end(),
                                     [](QAction* item) { return item->text() == "軽減税率で計算 (&L)"; });
    ASSERT_NE(keigen, items.end());
    ASSERT_NE(keigen + 1, items.end());
    EXPECT_EQ((*(keigen + 1))->text(), "税率別合計 (&I)");
  }
  window_->Menus()["Mb_Invoice"]->trigger();
  TfrmInvoice* window = InvoiceWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), "税率別合計");
  EXPECT_TRUE(window_->Menus()["MigiKuriPop_Invoice"]->isChecked());
  QApplication::setActiveWindow(window);
  window->findChild<QWidget*>(QStringLiteral("InvoiceTable"))->setFocus();
  EXPECT_EQ(Copied(),
            "税率\t件数\t税抜金額\t消費税\t税込金額\n10%\t3\t315\t31\t346\n軽8%\t0\t0\t0\t0\n合計\t3\t315\t31\t346\n");

  // Live: a tax key on the reduced rate while the window is open.
  window_->Menus()["Mb_Keigen"]->trigger();
  Key({"bt1", "bt0", "bt0", "bt0", "btZeikomi", "btZeikomi"});  // the second press adds nothing
  EXPECT_EQ(window->CopyText(),
            "税率\t件数\t税抜金額\t消費税\t税込金額\n10%\t3\t315\t31\t346\n軽8%\t1\t1000\t80\t1080\n合計\t4\t1315\t111\t1426\n");

  // The rounding is kept in the settings file and read by the next window.
  window->findChild<QRadioButton*>(QStringLiteral("RoundUp"))->click();
  EXPECT_EQ(window->Table().front().tax, "32");
  EXPECT_EQ(Setting("Invoice", "Rounding"), "1");

  window->findChild<QPushButton*>(QStringLiteral("InvoiceRecord"))->click();
  const std::string tape = kelvo::test::ReadFileBytes(window_->TapeFilePath());
  EXPECT_NE(tape.find("切り上げ端数\n10%税率\n3件数\n315税抜\n32税額\n347税込\n軽8%税率\n1件数\n1,000税抜\n80税額\n"
                      "1,080税込\n合計\n4件数\n1,315税抜\n112税額\n1,427税込\n\n"),
            std::string::npos)
      << tape;

  // クリア asks first; "no" keeps the registers.
  int questions = 0;
  bool answer = false;
  window->askToClear = [&](QWidget*, const QString&) { return ++questions, answer; };
  QPushButton* clear = window->findChild<QPushButton*>(QStringLiteral("InvoiceClear"));
  clear->click();
  EXPECT_EQ(window->Table().back().count, 4u);
  answer = true;
  clear->click();
  EXPECT_EQ(window->Table().back().count, 0u);
  clear->click();  // nothing to lose: no question
  EXPECT_EQ(questions, 2);

  // F12 closes it; opened again it shows the kept rounding.
  QApplication::setActiveWindow(window);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(InvoiceWindow(), nullptr);
  EXPECT_FALSE(window_->Menus()["Mb_Invoice"]->isChecked());
  EXPECT_EQ(kelvo::SideWindowList(), "0");
  window_->Menus()["MigiKuriPop_Invoice"]->trigger();
  ASSERT_NE(InvoiceWindow(), nullptr);
  EXPECT_TRUE(InvoiceWindow()->findChild<QRadioButton*>(QStringLiteral("RoundUp"))->isChecked());
  EXPECT_EQ(InvoiceWindow()->Rounding(), kelvo::InvoiceRounding::Up);
}

}  // namespace
