#pragma once

#include <QObject>
#include <memory>

#include "voice.h"

class QThread;

// The voice of Qt TextToSpeech through speech-dispatcher, in a Japanese voice when one is
// installed. It works in a thread of its own: reaching the speech service (which may first have
// to start) and every exchange with it happen there, so the calculator never waits for speech.
// The service is reached (in that thread) as soon as the voice is made, which the read-aloud does
// only when something is to be said or the user turns it on. When it cannot be reached, the
// listener is told what is missing (a Debian package to install) and every later text is dropped.
namespace speech {

class SpeechWorker;
struct VoiceLink;

class QtVoice : public QObject, public Voice {
 public:
  explicit QtVoice(VoiceListener& listener);
  ~QtVoice() override;

  void Say(const std::string& text) override;
  void Stop() override;

 private:
  VoiceListener& listener_;
  std::shared_ptr<VoiceLink> link_;
  QThread* thread_ = nullptr;
  SpeechWorker* worker_ = nullptr;  // lives in thread_
};

}  // namespace speech
