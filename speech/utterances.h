#pragma once

#include <string>
#include <string_view>

#include "state.h"

// What the read-aloud says: after a key of the calculator, and for a line of the paper tape.
namespace speech {

// The read-aloud setting, [Speech] Mode in the settings file.
enum class SpeechMode { Off = 0, Results = 1, KeysAndResults = 2 };

// The mode a stored value stands for: 0, 1 and 2 as they are; anything else is off.
SpeechMode SpeechModeFromSetting(int value);

// The key's own word ("いち", "たす", "わ", "クリア"); empty for a key that says nothing itself
// (the check-tape key only opens a window).
std::string_view KeyWord(int keyCode);

// What to say once a key has done its work, from the mode, whether the calculator was in error
// before the key, and its state after it. Results: the figure after =, %, √, the tax keys, GT and
// MR, and "エラー" when the key ends in error. Keys and results: every key's word, a result key's
// word followed by its figure ("わ よんじゅうろく"), and "エラー" after a key that ends in error
// or that the error state ignores. Empty: nothing to say.
std::string KeyUtterance(SpeechMode mode, int keyCode, bool errorBefore, const kelvo::EngineState& after);

// A tape line read aloud: its figure in words, then the word of its mark ("いちまんにせん たす";
// the result mark ＊ says nothing of its own). A figure that is no number (a time, a date) and an
// unknown mark are said as they are written.
std::string TapeLineUtterance(std::string_view figure, std::string_view mark);

}  // namespace speech
