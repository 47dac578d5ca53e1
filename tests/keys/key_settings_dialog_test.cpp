// The key settings dialog, headless: keys typed into its fields as the keyboard delivers them,
// the lock, Tab, the factory keys, and every change in the settings file at once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <filesystem>

#include "display_label_look.h"
#include "ini_file.h"
#include "key_assignment.h"
#include "key_settings_dialog.h"
#include "program_folder.h"
#include "recording_host.h"
#include "spoken_message.h"

using namespace kelvo;

namespace {

class KeySettingsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(LoadKeyAssignment());
    dialog_ = std::make_unique<TfrmKeySet>(host_);  // it opens locked
    dialog_->show();
  }

  KeyField* Field(const char* iniName) { return dialog_->findChild<KeyField*>(QStringLiteral("txt") + iniName); }
  QLabel* Message() { return dialog_->findChild<QLabel*>(QStringLiteral("txtMsg")); }
  std::string Stored(const std::string& iniName) {
    return IniFile(folder_.MainSettings()).ReadString("KeySet", iniName, "-");
  }
  void Unlock() { dialog_->findChild<QCheckBox*>(QStringLiteral("chkRock"))->click(); }
  void Press(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &event);
  }

  test::ProgramFolder folder_;
  test::RecordingHost host_;
  std::unique_ptr<TfrmKeySet> dialog_;
};

TEST_F(KeySettingsDialogTest, KeysChangeNothingUntilTheLockIsOff) {
  EXPECT_TRUE(Message()->text().startsWith("※編集を行う時にはロックを解除してください。"));
  EXPECT_EQ(dialog_->findChildren<KeyField*>().size(), 37);
  EXPECT_EQ(Field("00")->text(), "");
  Press(Field("MR"), Qt::Key_Z);
  EXPECT_EQ(Field("MR")->text(), "[ M ]");
  Unlock();
  EXPECT_TRUE(Message()->text().startsWith("*ロックを解除しました*"));
}

TEST_F(KeySettingsDialogTest, ATakenKeyMovesAndSpaceEmptiesBothStoredAtOnce) {
  Unlock();
  Press(Field("MR"), Qt::Key_P);
  EXPECT_EQ(Field("MR")->text() + Field("Per")->text(), "[ P ]");
  EXPECT_EQ(Stored("Per") + " " + Stored("MR"), "0 80");
  EXPECT_EQ(Message()->text(), "Perの設定と重複しているので,Perの設定を空にしました。");
  EXPECT_EQ(Message()->palette().color(QPalette::WindowText), QColor(255, 255, 0));
  Press(Field("MR"), Qt::Key_Space);
  EXPECT_EQ(Field("MR")->text(), "");
  EXPECT_EQ(Stored("MR"), "0");
  EXPECT_EQ(KeyAssignment[4], 0);
}

TEST_F(KeySettingsDialogTest, ScreenReadersHearEachMessageWithKeysNamedInWords) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog_.get()));  // a window says nothing before it is shown
  QStringList said;
  SetAnnouncementHook([&said](QWidget*, const QString& words) { said << words; });
  Unlock();
  Press(Field("Route"), Qt::Key_P);  // P belongs to the percent key
  Press(Field("Route"), Qt::Key_Q);
  Press(Field("Route"), Qt::Key_Shift);
  dialog_->btDefClick();
  SetAnnouncementHook({});
  EXPECT_EQ(said.join(u'|').toStdString(),
            "*ロックを解除しました* \n 該当する枠内で、新しく割り当てるキーを入力して下さい。|"
            "パーセントの設定と重複しているので,パーセントの設定を空にしました。|変更しました。ルート|"
            "※[Shift]は登録出来ないキーです。|初期値の設定に戻しました。");
  EXPECT_EQ(Message()->text(), "初期値の設定に戻しました。");
}

TEST_F(KeySettingsDialogTest, TabMovesToTheNextFieldAndIsNeverAKey) {
  Unlock();
  Field("Route")->setFocus();
  Press(Field("Route"), Qt::Key_Tab);
  EXPECT_EQ(dialog_->focusWidget(), Field("Kenzan"));
  Press(Field("Kenzan"), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(dialog_->focusWidget(), Field("Route"));
  EXPECT_EQ(Field("Route")->text(), "[ R ]");
  EXPECT_TRUE(Message()->text().startsWith("*ロックを解除しました*"));
}

TEST_F(KeySettingsDialogTest, FactoryKeysComeBackWithTheLockOn) {
  Unlock();
  Press(Field("Per"), Qt::Key_Z);
  Press(Field("00"), Qt::Key_Q);
  dialog_->findChild<QCheckBox*>(QStringLiteral("chkRock"))->click();  // locked again
  dialog_->findChild<QPushButton*>(QStringLiteral("btDef"))->click();
  EXPECT_EQ(Field("Per")->text() + Field("00")->text(), "[ P ]");
  for (int slot = 1; slot <= kKeySlotCount; ++slot)
    EXPECT_EQ(Stored(KeySlotIniName(slot)), std::to_string(KeySlotDefault(slot))) << slot;
  EXPECT_EQ(Message()->text(), "初期値の設定に戻しました。");
}

TEST_F(KeySettingsDialogTest, AFailedWriteIsReportedAndTheDialogStaysOpen) {
  std::filesystem::remove(folder_.MainSettings());
  std::filesystem::create_directory(folder_.MainSettings());  // cannot be read, so never overwritten
  Unlock();
  Press(Field("Per"), Qt::Key_Z);
  EXPECT_EQ(host_.failedWrites.size(), 1u);
  EXPECT_TRUE(dialog_->isVisible());
}

}  // namespace

// Red (a key that cannot be assigned), yellow (a key taken from another slot) and white (a key
// changed) all read at 4.5:1 or more on the message box.
TEST_F(KeySettingsDialogTest, EveryCaptionReadsOnItsBlock) {
  int captions = 0;
  for (const QLabel* caption : dialog_->findChildren<QLabel*>()) {
    if (!caption->property("slot").isValid() || caption->isHidden()) continue;
    ++captions;
    const QPalette palette = caption->palette();
    EXPECT_GE(ContrastRatio(palette.color(QPalette::WindowText), palette.color(QPalette::Window)), 4.5)
        << caption->text().toStdString();
  }
  EXPECT_EQ(captions, 37);  // every key's caption but the second C's, and the equals key's
}

TEST_F(KeySettingsDialogTest, EveryMessageColourIsReadableOnItsBox) {
  Unlock();
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* what;
  } rows[] = {{Qt::Key_5, Qt::KeypadModifier, "red"}, {Qt::Key_P, Qt::NoModifier, "yellow"}, {Qt::Key_Q, Qt::NoModifier, "white"}};
  QColor previous;
  for (const auto& row : rows) {
    Press(Field("MR"), row.key, row.modifiers);
    const QColor text = Message()->palette().color(QPalette::WindowText);
    const QColor box = Message()->palette().color(QPalette::Window);
    EXPECT_GE(ContrastRatio(text, box), 4.5) << row.what << " " << text.name().toStdString();
    EXPECT_NE(text, previous) << row.what;  // each message keeps its own colour
    previous = text;
  }
}
