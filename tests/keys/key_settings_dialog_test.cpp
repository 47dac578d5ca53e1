// The key settings dialog, headless: keys typed into its fields as the keyboard delivers them,
// the lock, Tab, the factory keys, and every change in the settings file at once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <filesystem>

#include "ini_file.h"
#include "key_assignment.h"
#include "key_settings_dialog.h"
#include "program_folder.h"
#include "recording_host.h"

using namespace kelvo;

namespace {

class KeySettingsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(LoadKeyAssignment());
    dialog_ = new TfrmKeySet(host_);
    host_.AttachSideWindow(TfrmKeySet::kId, dialog_);
    dialog_->SetLocked(true);
    dialog_->show();
  }
  void TearDown() override { delete dialog_.data(); }

  KeyField* Field(const char* iniName) { return dialog_->findChild<KeyField*>(QStringLiteral("txt") + iniName); }
  QLabel* Message() { return dialog_->findChild<QLabel*>(QStringLiteral("txtMsg")); }
  QColor MessageColour() { return Message()->palette().color(QPalette::WindowText); }
  std::string Stored(const char* iniName) {
    return IniFile(folder_.MainSettings()).ReadString("KeySet", iniName, "missing");
  }
  void Unlock() { dialog_->findChild<QCheckBox*>(QStringLiteral("chkRock"))->click(); }
  void Press(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &event);
  }

  test::ProgramFolder folder_;
  test::RecordingHost host_;
  QPointer<TfrmKeySet> dialog_;
};

TEST_F(KeySettingsDialogTest, OpensLockedAndShowsEveryKeyOfTheTable) {
  EXPECT_EQ(dialog_->windowTitle(), "キー設定");
  EXPECT_EQ(dialog_->size(), QSize(290, 519));
  EXPECT_TRUE(Message()->text().startsWith("※編集を行う時にはロックを解除してください。"));
  EXPECT_EQ(Field("Per")->text(), "[ P ]");
  EXPECT_EQ(Field("KKP")->text(), "[ @ ]");
  EXPECT_EQ(Field("00")->text(), "");
  EXPECT_EQ(dialog_->findChildren<KeyField*>().size(), 37);
  Press(Field("MR"), Qt::Key_Z);
  EXPECT_EQ(Field("MR")->text(), "[ M ]");
  Unlock();
  EXPECT_TRUE(Message()->text().startsWith("*ロックを解除しました*"));
}

TEST_F(KeySettingsDialogTest, ADuplicateKeyMovesAndBothSlotsAreStoredAtOnce) {
  Unlock();
  Press(Field("MR"), Qt::Key_P);
  EXPECT_EQ(Field("MR")->text(), "[ P ]");
  EXPECT_EQ(Field("Per")->text(), "");
  EXPECT_EQ(KeyAssignment[1], 0);
  EXPECT_EQ(KeyAssignment[4], 'P');
  EXPECT_EQ(Stored("Per"), "0");
  EXPECT_EQ(Stored("MR"), "80");
  EXPECT_EQ(Message()->text(), "Perの設定と重複しているので,Perの設定を空にしました。");
  EXPECT_EQ(MessageColour(), QColor(255, 255, 0));

  Press(Field("MR"), Qt::Key_Space);  // Space empties the slot
  EXPECT_EQ(Field("MR")->text(), "");
  EXPECT_EQ(Stored("MR"), "0");
  EXPECT_EQ(Message()->text(), "変更しました。MR");
  EXPECT_EQ(MessageColour(), QColor(255, 255, 255));

  Press(Field("MR"), Qt::Key_5, Qt::KeypadModifier);
  EXPECT_EQ(MessageColour(), QColor(255, 0, 0));
  EXPECT_EQ(Stored("MR"), "0");
  EXPECT_TRUE(host_.failedWrites.empty());
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
  dialog_->SetLocked(true);
  dialog_->findChild<QPushButton*>(QStringLiteral("btDef"))->click();
  EXPECT_EQ(Field("Per")->text(), "[ P ]");
  EXPECT_EQ(Field("00")->text(), "");
  for (int slot = 1; slot <= kKeySlotCount; ++slot) {
    EXPECT_EQ(KeyAssignment[slot], KeySlotDefault(slot)) << slot;
    EXPECT_EQ(Stored(KeySlotIniName(slot).c_str()), std::to_string(KeySlotDefault(slot))) << slot;
  }
  EXPECT_EQ(Message()->text(), "初期値の設定に戻しました。");
}

TEST_F(KeySettingsDialogTest, AFailedWriteIsReportedAndTheDialogStaysOpen) {
  // A settings file that cannot be read is never overwritten.
  std::filesystem::remove(folder_.MainSettings());
  std::filesystem::create_directory(folder_.MainSettings());
  Unlock();
  Press(Field("Per"), Qt::Key_Z);
  EXPECT_EQ(host_.failedWrites.size(), 1u);
  EXPECT_EQ(KeyAssignment[1], 'Z');
  EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(KeySettingsDialogTest, ClosingLeavesTheListOnce) {
  dialog_->findChild<QPushButton*>(QStringLiteral("btClose"))->click();
  EXPECT_EQ(host_.closed, "2");
}

}  // namespace
