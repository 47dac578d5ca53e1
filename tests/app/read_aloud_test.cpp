// The read-aloud in the main window: Opt > 読み上げ and [Speech] Mode, what the keys say, and the
// items when nothing can be said. A recording voice stands in for the synthesizer.
#include <QAccessible>

#include "accessible_face.h"
#include "main_window_fixture.h"
#include "spoken_message.h"

namespace {

class ReadAloudTest : public MainWindowTest {};


TEST_F(ReadAloudTest, ReadAloudStartsAsTheFileSaysAndAnyOtherValueIsOff) {
  struct Row {
    const char* stored;  // nullptr: no such key
    const char* checked;
    speech::SpeechMode mode;
  };
  const Row rows[] = {
      {nullptr, "Mb_SpeechOff", speech::SpeechMode::Off},
      {"1", "Mb_SpeechResults", speech::SpeechMode::Results},
      {"2", "Mb_SpeechKeys", speech::SpeechMode::KeysAndResults},
      {"0", "Mb_SpeechOff", speech::SpeechMode::Off},
      {"3", "Mb_SpeechOff", speech::SpeechMode::Off},
      {"-1", "Mb_SpeechOff", speech::SpeechMode::Off},
      {"abc", "Mb_SpeechOff", speech::SpeechMode::Off},
  };
  for (const Row& row : rows) {
    const std::string stored = row.stored ? row.stored : "(none)";
    if (row.stored) WriteSetting("Speech", "Mode", row.stored);
    Open();
    EXPECT_EQ(window_->SpeechMode(), row.mode) << stored;
    for (const main_menu::MenuItem item : main_menu::kSpeechItems)
      EXPECT_EQ(window_->Menus()[item]->isChecked(), std::string_view(item.Name()) == row.checked) << stored << " " << item.Name();
    EXPECT_EQ(Setting("Speech", "Mode"), row.stored ? row.stored : "") << "a start writes nothing back";
    window_.reset();
  }
}

TEST_F(ReadAloudTest, ChosenReadAloudIsWrittenAtOnceAndKeptAfterARestart) {
  Open();
  EXPECT_EQ(voiceListener_, nullptr) << "off: the speech service is never reached";
  window_->Menus()["Mb_SpeechResults"]->trigger();
  EXPECT_EQ(Setting("Speech", "Mode"), "1");
  for (const char* key : {"bt1", "bt2", "btPlus", "bt3", "bt4", "btEq"}) Click(key);
  EXPECT_EQ(said_, std::vector<std::string>{"よんじゅうろく"});

  window_->Menus()["Mb_SpeechKeys"]->trigger();
  EXPECT_EQ(Setting("Speech", "Mode"), "2");
  window_.reset();
  said_.clear();
  Open();
  EXPECT_TRUE(window_->Menus()["Mb_SpeechKeys"]->isChecked());
  EXPECT_FALSE(window_->Menus()["Mb_SpeechResults"]->isChecked());
  Click("bt9");
  voiceListener_->VoiceFinished();
  Click("btWaru");
  EXPECT_EQ(said_, (std::vector<std::string>{"きゅう", "わる"}));

  window_->Menus()["Mb_SpeechOff"]->trigger();
  EXPECT_EQ(Setting("Speech", "Mode"), "0");
  voiceListener_->VoiceFinished();
  for (const char* key : {"bt5", "btPlus", "bt5", "btEq"}) Click(key);
  EXPECT_EQ(said_.size(), 2u);
}

TEST_F(ReadAloudTest, UnreachableSpeechGreysTheReadAloudItemsAndNothingElse) {
  Open();
  window_->Menus()["Mb_SpeechResults"]->trigger();
  QCoreApplication::processEvents();
  ASSERT_NE(voiceListener_, nullptr) << "turned on, the voice reaches for the service at once";
  const std::string missing = "speech-dispatcher に接続できません";
  voiceListener_->VoiceUnreachable(missing);
  QAction* submenu = window_->Menus()["Mb_Speech"];
  EXPECT_FALSE(submenu->isEnabled());
  EXPECT_EQ(submenu->toolTip().toStdString(), missing);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(submenu)->text(QAccessible::Description).toStdString(), missing);

  window_->Menus()["Mb_Tape"]->trigger();
  auto* tapeItem = window_->findChild<QAction*>(QStringLiteral("TapeReadAloud"));
  ASSERT_NE(tapeItem, nullptr);
  EXPECT_FALSE(tapeItem->isEnabled());
  EXPECT_EQ(tapeItem->toolTip().toStdString(), missing);

  for (const char* key : {"bt1", "btPlus", "bt2", "btEq"}) Click(key);
  EXPECT_EQ(Display(), "3");
  EXPECT_TRUE(said_.empty());
}

TEST_F(ReadAloudTest, AChangeTheReadAloudSaysIsNotHandedToTheScreenReaderToo) {
  QStringList heard;  // what a screen reader is told
  kelvo::SetAnnouncementHook([&heard](QWidget*, const QString& words) { heard << words; });
  kelvo::SetDisplayAnnouncementDelay(0);
  struct Row {
    const char* mode;
    QStringList screenReader;
    std::vector<std::string> voice;
  };
  const Row rows[] = {
      {"0", {"1", "12", "3", "34", "46、グランドトータル"}, {}},
      {"1", {"1", "12", "3", "34"}, {"よんじゅうろく"}},
      {"2", {}, {"いち", "に", "たす", "さん", "よん", "わ よんじゅうろく"}},
  };
  for (const Row& row : rows) {
    WriteSetting("Speech", "Mode", row.mode);
    Open();
    heard.clear();
    said_.clear();
    for (const Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_Plus, Qt::Key_3, Qt::Key_4, Qt::Key_Enter}) {
      Type(key);
      QCoreApplication::processEvents();
      if (voiceListener_ != nullptr) voiceListener_->VoiceFinished();
    }
    EXPECT_EQ(heard, row.screenReader) << "mode " << row.mode;
    EXPECT_EQ(said_, row.voice) << "mode " << row.mode;
    window_.reset();
  }
  kelvo::SetAnnouncementHook({});
  kelvo::SetDisplayAnnouncementDelay(40);
}

}  // namespace
