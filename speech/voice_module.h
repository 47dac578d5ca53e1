#pragma once

#include "voice.h"

// The voice of Qt TextToSpeech (QtVoice) lives in a module of its own, kelvo-speech.so, a helper
// beside the executable (or in an installation's helper folder): Qt TextToSpeech and the speech
// service's library are loaded only when something is first to be said, never at start.
namespace speech {

inline constexpr const char* kVoiceModuleName = "kelvo-speech.so";
// The module's one export: makes a voice that reports to `listener`; the caller owns it.
inline constexpr const char* kMakeVoiceSymbol = "KelvoMakeVoice";
using MakeVoiceFunction = Voice* (*)(VoiceListener* listener);

}  // namespace speech
