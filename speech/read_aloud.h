#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "speech_queue.h"
#include "state.h"
#include "utterances.h"
#include "voice.h"

// The read-aloud as the calculator uses it: the mode the user chose, what each key says, the
// tape's lines read in turn, and the voice, made only when something is first to be said (making
// it reaches the speech service, which a program that never speaks must not do).
namespace speech {

class ReadAloud : private VoiceListener {
 public:
  // Makes the voice; no voice (its module cannot be loaded) counts as an unreachable one.
  using VoiceFactory = std::function<std::unique_ptr<Voice>(VoiceListener& listener)>;

  explicit ReadAloud(VoiceFactory makeVoice) : makeVoice_(std::move(makeVoice)) {}
  ~ReadAloud() override;

  SpeechMode Mode() const { return mode_; }
  // Turning it off silences what is being said.
  void SetMode(SpeechMode mode);

  // Around each key of the calculator. AfterKey says what the mode asks for and tells whether it
  // said anything (then nobody else needs to).
  void BeforeKey(const kelvo::EngineState& state) { errorBefore_ = state.error; }
  bool AfterKey(int keyCode, const kelvo::EngineState& state);

  // Reads the texts one after the other, whatever the mode; a later text or Stop ends it.
  void ReadInTurn(std::vector<std::string> texts);
  void Stop();

  // Makes the voice now, so that a missing speech service shows before the first word is due.
  void WarmUp() { Queue(); }

  // False once the voice has found that nothing can be said; Missing() then says what is missing.
  bool Reachable() const { return missing_.empty(); }
  const std::string& Missing() const { return missing_; }
  // Called once when the voice turns out to be unreachable.
  std::function<void()> onUnreachable;

 private:
  void VoiceFinished() override;
  void VoiceUnreachable(const std::string& missing) override;
  SpeechQueue* Queue();

  VoiceFactory makeVoice_;
  std::unique_ptr<Voice> voice_;
  std::unique_ptr<SpeechQueue> queue_;  // after voice_: it goes first
  SpeechMode mode_ = SpeechMode::Off;
  bool errorBefore_ = false;
  std::string missing_;
};

}  // namespace speech
