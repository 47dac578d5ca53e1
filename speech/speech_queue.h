#pragma once

#include <deque>
#include <string>
#include <vector>

#include "voice.h"

// The order of what the read-aloud says. A text is said at once when the voice is free; while it
// speaks, the newest text waits in place of whatever waited before, so typing fast never piles up
// more than one figure behind the one being said, and a key never waits for the voice.
namespace speech {

class SpeechQueue {
 public:
  explicit SpeechQueue(Voice& voice) : voice_(voice) {}

  // Says `text` now, or keeps it as the one text that waits. An empty text changes nothing.
  void Say(std::string text);
  // Says the texts one after the other (the lines of the tape), in place of whatever waited.
  void SayInTurn(std::vector<std::string> texts);
  // Cuts the text being said short and forgets what waits.
  void Stop();
  // The voice is done with its text: the next waiting one starts.
  void VoiceFinished();

  bool Speaking() const { return speaking_; }
  std::size_t Waiting() const { return waiting_.size(); }

 private:
  void SayNext();

  Voice& voice_;
  bool speaking_ = false;  // from Say to the voice's VoiceFinished
  bool stopping_ = false;  // the voice was told to stop and has not yet finished
  std::deque<std::string> waiting_;
};

}  // namespace speech
