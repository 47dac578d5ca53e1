#include "speech_queue.h"

#include <algorithm>

namespace speech {

void SpeechQueue::Say(std::string text) {
  if (text.empty()) return;
  waiting_.clear();
  waiting_.push_back(std::move(text));
  if (!speaking_) SayNext();
}

void SpeechQueue::SayInTurn(std::vector<std::string> texts) {
  std::erase_if(texts, [](const std::string& text) { return text.empty(); });
  if (texts.empty()) return;
  waiting_.assign(std::make_move_iterator(texts.begin()), std::make_move_iterator(texts.end()));
  if (!speaking_) SayNext();
}

void SpeechQueue::Stop() {
  waiting_.clear();
  if (speaking_ && !stopping_) {
    stopping_ = true;
    voice_.Stop();
  }
}

void SpeechQueue::VoiceFinished() {
  speaking_ = false;
  stopping_ = false;
  SayNext();
}

void SpeechQueue::SayNext() {
  if (waiting_.empty()) return;
  speaking_ = true;
  std::string text = std::move(waiting_.front());
  waiting_.pop_front();
  voice_.Say(text);
}

}  // namespace speech
