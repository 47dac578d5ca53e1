#include "read_aloud.h"

#include "voice_module.h"

namespace speech {

ReadAloud::~ReadAloud() {
  queue_.reset();
  voice_.reset();
}

void ReadAloud::SetMode(SpeechMode mode) {
  mode_ = mode;
  if (mode == SpeechMode::Off && queue_) queue_->Stop();
}

bool ReadAloud::AfterKey(int keyCode, const kelvo::EngineState& state) {
  if (mode_ == SpeechMode::Off || !Reachable()) return false;
  std::string text = KeyUtterance(mode_, keyCode, errorBefore_, state);
  if (text.empty()) return false;
  SpeechQueue* queue = Queue();
  if (queue == nullptr) return false;
  queue->Say(std::move(text));
  return true;
}

void ReadAloud::ReadInTurn(std::vector<std::string> texts) {
  if (!Reachable()) return;
  if (SpeechQueue* queue = Queue()) queue->SayInTurn(std::move(texts));
}

void ReadAloud::Stop() {
  if (queue_) queue_->Stop();
}

SpeechQueue* ReadAloud::Queue() {
  if (!queue_ && Reachable() && makeVoice_) {
    voice_ = makeVoice_(*this);
    if (voice_)
      queue_ = std::make_unique<SpeechQueue>(*voice_);
    else
      VoiceUnreachable(std::string("読み上げできません: ") + kVoiceModuleName + " がありません (インストールし直してください)");
  }
  return queue_.get();
}

void ReadAloud::VoiceFinished() {
  if (queue_) queue_->VoiceFinished();
}

void ReadAloud::VoiceUnreachable(const std::string& missing) {
  if (!missing_.empty()) return;
  missing_ = missing.empty() ? std::string("読み上げできません") : missing;
  if (queue_) queue_->Stop();
  if (onUnreachable) onUnreachable();
}

}  // namespace speech
