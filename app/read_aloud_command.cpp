// The main window's side of the read-aloud: Opt > 読み上げ and its setting, what each key says,
// the tape window's lines, and the items that go grey when nothing can be said.
#include <QAction>
#include <QCoreApplication>
#include <QLibrary>
#include <QMenu>

#include "after_first_paint.h"
#include "data_folder.h"
#include "main_window.h"
#include "settings.h"
#include "tape_window.h"
#include "voice_module.h"

namespace {

// The voice from its module, loaded at the first call and kept; none when it cannot be loaded.
std::unique_ptr<speech::Voice> LoadVoice(speech::VoiceListener& listener) {
  static QLibrary module(QString::fromStdString(
      kelvo::HelperPath(QCoreApplication::applicationDirPath().toStdString(), speech::kVoiceModuleName)));
  const auto make = reinterpret_cast<speech::MakeVoiceFunction>(module.resolve(speech::kMakeVoiceSymbol));
  return std::unique_ptr<speech::Voice>(make != nullptr ? make(&listener) : nullptr);
}

}  // namespace

void TfrmMain::ConnectReadAloudCommands() {
  makeVoice = LoadVoice;
  for (const main_menu::MenuItem item : main_menu::kSpeechItems)
    connect(Action(item), &QAction::triggered, this, [this, item] { ChooseSpeechMode(item.Tag()); });
  // A disabled submenu tells why in its tool tip.
  menus_.option->setToolTipsVisible(true);
  readAloud_.onUnreachable = [this] { ShowReadAloudMissing(); };
}

void TfrmMain::ApplySpeechMode(speech::SpeechMode mode) {
  for (const main_menu::MenuItem item : main_menu::kSpeechItems)
    Action(item)->setChecked(item.Tag() == static_cast<int>(mode));
  readAloud_.SetMode(mode);
  // Turned on, the voice is made as soon as the window is on the screen: it reaches the speech
  // service in its own thread, so that a missing one shows in the menu before the first key is
  // due to be heard.
  if (mode != speech::SpeechMode::Off)
    RunAfterFirstPaint(centralWidget(), [this] {
      if (readAloud_.Mode() != speech::SpeechMode::Off) readAloud_.WarmUp();
    });
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
  QAction* submenu = Action("Mb_Speech");
  submenu->setEnabled(false);
  submenu->setToolTip(missing);
  submenu->setStatusTip(missing);  // a screen reader's description of the item
  if (auto* tape = OpenSideWindow<TfrmTape>(TfrmTape::kId)) tape->ShowReadAloudMissing(missing);
}
