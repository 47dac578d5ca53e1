// The main window's side of the read-aloud: Opt > 読み上げ and its setting, what each key says,
// the tape window's lines, and the items that go grey when nothing can be said.
#include <QAction>
#include <QMenu>

#include "main_window.h"
#include "qt_voice.h"
#include "settings.h"
#include "tape_window.h"

namespace {

// The submenu's items, by the mode each chooses.
constexpr const char* kModeItems[] = {"Mb_SpeechOff", "Mb_SpeechResults", "Mb_SpeechKeys"};

}  // namespace

void TfrmMain::ConnectReadAloudCommands() {
  makeVoice = [](speech::VoiceListener& listener) { return std::make_unique<speech::QtVoice>(listener); };
  for (const char* name : kModeItems) {
    QAction* action = menus_[name];
    connect(action, &QAction::triggered, this, [this, action] { ChooseSpeechMode(action->data().toInt()); });
  }
  // A disabled submenu tells why in its tool tip.
  menus_.option->setToolTipsVisible(true);
  readAloud_.onUnreachable = [this] { ShowReadAloudMissing(); };
}

void TfrmMain::ApplySpeechMode(speech::SpeechMode mode) {
  for (const char* name : kModeItems)
    menus_[name]->setChecked(menus_[name]->data().toInt() == static_cast<int>(mode));
  readAloud_.SetMode(mode);
  // Turned on, the voice reaches the speech service now (in its own thread), so that a missing
  // one shows in the menu before the first key is due to be heard.
  if (mode != speech::SpeechMode::Off) readAloud_.WarmUp();
}

void TfrmMain::ChooseSpeechMode(int mode) {
  ApplySpeechMode(speech::SpeechModeFromSetting(mode));
  Report(kelvo::SaveSpeechMode(mode));
}

bool TfrmMain::SayKey() {
  const int key = keyToSay_;
  keyToSay_ = 0;
  return key != 0 && readAloud_.AfterKey(key, engine_.State());
}

void TfrmMain::ReadAloud(std::vector<std::string> texts) { readAloud_.ReadInTurn(std::move(texts)); }

void TfrmMain::StopReading() { readAloud_.Stop(); }

void TfrmMain::ShowReadAloudMissing() {
  if (readAloud_.Reachable()) return;
  const QString missing = QString::fromStdString(readAloud_.Missing());
  QAction* submenu = menus_["Mb_Speech"];
  submenu->setEnabled(false);
  submenu->setToolTip(missing);
  if (auto* tape = qobject_cast<TfrmTape*>(sideWindows_.value(TfrmTape::kId).data())) tape->ShowReadAloudMissing(missing);
}
