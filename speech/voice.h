#pragma once

#include <string>

// The voice the read-aloud speaks with: a synthesizer behind it (QtVoice), or a recording one in
// tests. A voice speaks one text at a time and tells its listener when each is done; the order in
// which texts are said, and which are dropped, is SpeechQueue's business.
namespace speech {

// What a voice tells, on the thread that uses it.
class VoiceListener {
 public:
  virtual ~VoiceListener() = default;
  // The text of the last Say is done: said, cut short by Stop, or never said. Comes exactly once
  // for each Say, and never from within Say or Stop.
  virtual void VoiceFinished() = 0;
  // Nothing can be said: `missing` tells the user what to install or start. Comes at most once.
  virtual void VoiceUnreachable(const std::string& missing) = 0;
};

class Voice {
 public:
  virtual ~Voice() = default;
  // Starts saying `text`; only called when the previous text is done.
  virtual void Say(const std::string& text) = 0;
  // Cuts the text being said short.
  virtual void Stop() = 0;
};

}  // namespace speech
