// kelvo-speech.so: the voice, loaded by the read-aloud when something is first to be said
// (voice_module.h).
#include "qt_voice.h"
#include "voice_module.h"

extern "C" Q_DECL_EXPORT speech::Voice* KelvoMakeVoice(speech::VoiceListener* listener) {
  return new speech::QtVoice(*listener);
}
